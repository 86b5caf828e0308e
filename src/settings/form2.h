#pragma once
// The settings screen: serial links, data sources and raw capture, engine
// monitor type, GPS position source, units, update rates, record interval,
// recorder options and start-up screen. Its controls are the settings store
// that every subsystem reads.
//
// Layout: the tab strip is a band at the top; below it one content area where
// each tab's frames stand (the three port frames share one rectangle, the EMS
// type and GPS source frames another below it); below that the button row.
// Every option group stands alone in its own frame.

#include "platform/controls.h"
#include "platform/screen.h"
#include "platform/services.h"

namespace platform {
class Scheduler;
}

namespace settings {

class Form2 : public platform::Screen {
 public:
  explicit Form2(platform::Scheduler& scheduler);

  // Tabs, counted from 1: "EFIS COM", "EMS COM", "GPS COM", "ADC COM",
  // "RECORD OPTIONS", "SAMPLE RATE", "STARTUP SCREEN", "UNITS".
  platform::TabStrip TabStrip1{this, "TabStrip1"};

  // Button row below the content area, left to right.
  platform::CommandButton InstrumentSettingButton{this, "InstrumentSettingButton"};
  platform::CommandButton CancelButton{this, "CancelButton"};
  platform::CommandButton SaveConfig{this, "SaveConfig"};
  platform::CommandButton Command1{this, "Command1"};

  // The screen's one file dialog, used by the playback file pickers and the
  // export. Its settings stay from one use to the next: a dialog opened
  // without setting a title shows the title of the last one.
  platform::FileDialogRequest CommonDialog1;

  // ---- "EFIS COM": the EFIS link.
  platform::Frame EFIS_PortFrame{this, "EFIS_PortFrame"};
  platform::OptionButton EFIS_COMM{this, "EFIS_COMM"};
  platform::OptionButton EFIS_FILE{this, "EFIS_FILE"};
  platform::CheckBox RecordFileRawEFIS{this, "RecordFileRawEFIS"};
  platform::Frame EFIS_COMM_FRAME{this, "EFIS_COMM_FRAME"};
  platform::Label EFIS_LabelPort{this, "EFIS_LabelPort"};
  platform::ComboBox EFIS_CommPort{this, "EFIS_CommPort"};
  platform::Label EFIS_LabelSpeed{this, "EFIS_LabelSpeed"};
  platform::ComboBox EFIS_PortSpeed{this, "EFIS_PortSpeed"};
  platform::Label EFIS_LabelParity{this, "EFIS_LabelParity"};
  platform::ComboBox EFIS_PortParity{this, "EFIS_PortParity"};
  platform::Label EFIS_LabelDatatBits{this, "EFIS_LabelDatatBits"};
  platform::ComboBox EFIS_PortDataBits{this, "EFIS_PortDataBits"};
  platform::Label EFIS_LabelStopBits{this, "EFIS_LabelStopBits"};
  platform::ComboBox EFIS_PortStopBits{this, "EFIS_PortStopBits"};
  platform::Label EFIS_LabelFlow{this, "EFIS_LabelFlow"};
  platform::ComboBox EFIS_PortFlow{this, "EFIS_PortFlow"};
  platform::CommandButton EFIS_PortOK{this, "EFIS_PortOK"};
  // Receiving light: its back colour is the link light's.
  platform::Shape EFIS_CommOK{this, "EFIS_CommOK"};
  platform::Frame EFIS_FILE_FRAME{this, "EFIS_FILE_FRAME"};
  platform::CommandButton EFIS_ConvertFile{this, "EFIS_ConvertFile"};
  platform::ProgressBar EFIS_ProgressBar{this, "EFIS_ProgressBar"};
  platform::Label EFIS_LabelDataFile{this, "EFIS_LabelDataFile"};
  // Caption: the playback file's name; tool tip: its full path.
  platform::Label EFIS_DataFileName{this, "EFIS_DataFileName"};
  platform::Label EFIS_LabelRecords{this, "EFIS_LabelRecords"};
  platform::Label EFIS_RecordCount{this, "EFIS_RecordCount"};
  platform::CommandButton EFIS_ShowDataButton{this, "EFIS_ShowDataButton"};
  platform::CommandButton EFIS_ShowDataScreen{this, "EFIS_ShowDataScreen"};
  platform::CommandButton EFIS_ShowFileButton{this, "EFIS_ShowFileButton"};

  // ---- "EMS COM": the engine monitor link and its type.
  platform::Frame EMS_PortFrame{this, "EMS_PortFrame"};
  platform::OptionButton EMS_COMM{this, "EMS_COMM"};
  platform::OptionButton EMS_FILE{this, "EMS_FILE"};
  platform::CheckBox RecordFileRawEMS{this, "RecordFileRawEMS"};
  platform::Frame EMS_COMM_FRAME{this, "EMS_COMM_FRAME"};
  platform::Label EMS_LabelPort{this, "EMS_LabelPort"};
  platform::ComboBox EMS_CommPort{this, "EMS_CommPort"};
  platform::Label EMS_LabelSpeed{this, "EMS_LabelSpeed"};
  platform::ComboBox EMS_PortSpeed{this, "EMS_PortSpeed"};
  platform::Label EMS_LabelParity{this, "EMS_LabelParity"};
  platform::ComboBox EMS_PortParity{this, "EMS_PortParity"};
  platform::Label EMS_LabelDatatBits{this, "EMS_LabelDatatBits"};
  platform::ComboBox EMS_PortDataBits{this, "EMS_PortDataBits"};
  platform::Label EMS_LabelStopBits{this, "EMS_LabelStopBits"};
  platform::ComboBox EMS_PortStopBits{this, "EMS_PortStopBits"};
  platform::Label EMS_LabelFlow{this, "EMS_LabelFlow"};
  platform::ComboBox EMS_PortFlow{this, "EMS_PortFlow"};
  platform::CommandButton EMS_PortOK{this, "EMS_PortOK"};
  platform::Shape EMS_CommOK{this, "EMS_CommOK"};
  platform::Frame EMS_FILE_FRAME{this, "EMS_FILE_FRAME"};
  platform::CommandButton EMS_ConvertFile{this, "EMS_ConvertFile"};
  platform::ProgressBar EMS_ProgressBar{this, "EMS_ProgressBar"};
  platform::Label EMS_LabelDataFile{this, "EMS_LabelDataFile"};
  platform::Label EMS_DataFileName{this, "EMS_DataFileName"};
  platform::Label EMS_LabelRecords{this, "EMS_LabelRecords"};
  platform::Label EMS_RecordCount{this, "EMS_RecordCount"};
  platform::CommandButton EMS_ShowDataButton{this, "EMS_ShowDataButton"};
  platform::CommandButton EMS_ShowDataScreen{this, "EMS_ShowDataScreen"};
  platform::CommandButton EMS_ShowFileButton{this, "EMS_ShowFileButton"};

  platform::Frame EMS_TypeFrame{this, "EMS_TypeFrame"};
  platform::OptionButton EMSDYNON{this, "EMSDYNON"};
  platform::OptionButton EMSGRANDRAPIDS{this, "EMSGRANDRAPIDS"};
  platform::OptionButton EMSGR2000{this, "EMSGR2000"};

  // ---- "GPS COM": the GPS link and its position source.
  platform::Frame GPS_PortFrame{this, "GPS_PortFrame"};
  platform::OptionButton GPS_COMM{this, "GPS_COMM"};
  platform::OptionButton GPS_FILE{this, "GPS_FILE"};
  platform::CheckBox RecordFileRawGPS{this, "RecordFileRawGPS"};
  platform::Frame GPS_COMM_FRAME{this, "GPS_COMM_FRAME"};
  platform::Label GPS_LabelPort{this, "GPS_LabelPort"};
  platform::ComboBox GPS_CommPort{this, "GPS_CommPort"};
  platform::Label GPS_LabelSpeed{this, "GPS_LabelSpeed"};
  platform::ComboBox GPS_PortSpeed{this, "GPS_PortSpeed"};
  platform::Label GPS_LabelParity{this, "GPS_LabelParity"};
  platform::ComboBox GPS_PortParity{this, "GPS_PortParity"};
  platform::Label GPS_LabelDatatBits{this, "GPS_LabelDatatBits"};
  platform::ComboBox GPS_PortDataBits{this, "GPS_PortDataBits"};
  platform::Label GPS_LabelStopBits{this, "GPS_LabelStopBits"};
  platform::ComboBox GPS_PortStopBits{this, "GPS_PortStopBits"};
  platform::Label GPS_LabelFlow{this, "GPS_LabelFlow"};
  platform::ComboBox GPS_PortFlow{this, "GPS_PortFlow"};
  platform::CommandButton GPS_PortOK{this, "GPS_PortOK"};
  platform::Shape GPS_CommOK{this, "GPS_CommOK"};
  platform::Frame GPS_FILE_FRAME{this, "GPS_FILE_FRAME"};
  platform::CommandButton GPS_ConvertFile{this, "GPS_ConvertFile"};
  platform::ProgressBar GPS_ProgressBar{this, "GPS_ProgressBar"};
  platform::Label GPS_LabelDataFile{this, "GPS_LabelDataFile"};
  platform::Label GPS_DataFileName{this, "GPS_DataFileName"};
  platform::Label GPS_LabelRecords{this, "GPS_LabelRecords"};
  platform::Label GPS_RecordCount{this, "GPS_RecordCount"};
  platform::CommandButton GPS_ShowDataButton{this, "GPS_ShowDataButton"};
  platform::CommandButton GPS_ShowDataScreen{this, "GPS_ShowDataScreen"};
  platform::CommandButton GPS_ShowFileButton{this, "GPS_ShowFileButton"};

  platform::Frame GPS_Sentance_Type{this, "GPS_Sentance_Type"};
  platform::OptionButton GPS_Sentance_NMEA{this, "GPS_Sentance_NMEA"};
  platform::OptionButton GPS_Sentance_Garmin{this, "GPS_Sentance_Garmin"};

  // ---- "RECORD OPTIONS".
  platform::Frame RecorderOptionsFrame{this, "RecorderOptionsFrame"};
  platform::Label Label3{this, "Label3"};  // "Data Folder :"
  platform::TextBox DataFolder{this, "DataFolder"};
  platform::CommandButton Command2{this, "Command2"};
  platform::Frame Frame1{this, "Frame1"};
  platform::OptionButton ShowStartStopButton{this, "ShowStartStopButton"};
  platform::OptionButton RecordContinously{this, "RecordContinously"};
  platform::TextBox SaveExcelDataFileSize{this, "SaveExcelDataFileSize"};
  platform::TextBox SaveEFISCaptureFileSize{this, "SaveEFISCaptureFileSize"};
  platform::TextBox SaveEMSCaptureFileSize{this, "SaveEMSCaptureFileSize"};
  // Captions of the three size boxes, in their order.
  platform::ControlArray<platform::Label> Label4{this, "Label4", 0, 2};

  // ---- "SAMPLE RATE".
  platform::Frame TimeFrame{this, "TimeFrame"};
  platform::OptionButton RealTime{this, "RealTime"};
  platform::OptionButton IntervalHalfSecond{this, "IntervalHalfSecond"};
  platform::OptionButton IntervalOneSecond{this, "IntervalOneSecond"};
  platform::OptionButton IntervalFiveSecond{this, "IntervalFiveSecond"};
  platform::OptionButton IntervalTenSecond{this, "IntervalTenSecond"};
  platform::OptionButton IntervalThirtySecond{this, "IntervalThirtySecond"};
  // "MAIN SCREEN UPDATE RATE": the main window's EFIS readouts.
  platform::Frame MainScreenRate{this, "MainScreenRate"};
  platform::ControlArray<platform::OptionButton> EFISUpdateRate{this, "EFISUpdateRate", 0, 4};
  // "EFIS SCREEN UPDATE RATE": the EFIS instrument screen.
  platform::Frame EFISScreenRate{this, "EFISScreenRate"};
  platform::ControlArray<platform::OptionButton> MainUpdateRate{this, "MainUpdateRate", 0, 4};

  // ---- "STARTUP SCREEN".
  platform::Frame StartupFrame{this, "StartupFrame"};
  platform::ControlArray<platform::OptionButton> StartupDisplayScreen{this, "StartupDisplayScreen", 0, 5};

  // ---- "UNITS": one caption-less option per row, then that row's unit words.
  platform::Frame UnitsFrame{this, "UnitsFrame"};
  platform::OptionButton UnitsMeter{this, "UnitsMeter"};
  platform::OptionButton UnitKiloMeters{this, "UnitKiloMeters"};
  platform::OptionButton UnitMiles{this, "UnitMiles"};
  platform::OptionButton UnitsKnots{this, "UnitsKnots"};
  // Column heads "SPEED" ... "QUANTITY".
  platform::ControlArray<platform::Label> Label1{this, "Label1", 0, 6};
  // Unit words, row by row (UnitsMeter, UnitKiloMeters, UnitMiles, UnitsKnots),
  // seven per row: element row * 7 + column.
  platform::ControlArray<platform::Label> Label2{this, "Label2", 0, 27};
};

}  // namespace settings
