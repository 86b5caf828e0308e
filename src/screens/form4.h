#pragma once
// The Dynon engine data screen: the current Dynon engine values as text (the
// captions are also the store the gauges, the recorder and the export read
// back), the contact lamps, the engine link light, the engine file player and
// the doors back and to the engine gauges.

#include "platform/controls.h"
#include "platform/screen.h"
#include "platform/timer.h"

namespace screens {

class Form4 : public platform::Screen {
 public:
  explicit Form4(platform::Scheduler& scheduler);

  // Frames: the engine values (untitled), fuel, miscellaneous inputs and the
  // engine file player (shown only while the engine source is a file).
  platform::Frame Frame1{this, "Frame1"};
  platform::Frame Frame2{this, "Frame2"};
  platform::Frame Frame3{this, "Frame3"};
  platform::Frame FILE_OPS{this, "FILE_OPS"};

  // Headings of the engine frame: ENTRY TIME .. TACH TIME, CHT, EGT, cylinders 1-6.
  platform::Label Label1{this, "Label1"};
  platform::Label Label2{this, "Label2"};
  platform::Label Label3{this, "Label3"};
  platform::Label Label4{this, "Label4"};
  platform::Label Label5{this, "Label5"};
  platform::Label Label6{this, "Label6"};
  platform::Label Label7{this, "Label7"};
  platform::Label Label8{this, "Label8"};
  platform::Label Label9{this, "Label9"};
  platform::Label Label10{this, "Label10"};
  platform::Label Label11{this, "Label11"};
  platform::Label Label12{this, "Label12"};
  platform::Label Label13{this, "Label13"};
  platform::Label Label14{this, "Label14"};
  platform::Label Label15{this, "Label15"};
  platform::Label Label16{this, "Label16"};
  platform::Label Label17{this, "Label17"};
  // Headings of the fuel frame: PRESSURE, FLOW, QTY 1, QTY 2, REMAIN.
  platform::Label Label18{this, "Label18"};
  platform::Label Label19{this, "Label19"};
  platform::Label Label20{this, "Label20"};
  platform::Label Label21{this, "Label21"};
  platform::Label Label22{this, "Label22"};
  // Headings of the miscellaneous frame: GP1, GP2, GP3, Temp, contacts 1-6.
  platform::Label Label23{this, "Label23"};
  platform::Label Label24{this, "Label24"};
  platform::Label Label25{this, "Label25"};
  platform::Label Label26{this, "Label26"};
  platform::Label Label27{this, "Label27"};
  platform::Label Label28{this, "Label28"};
  platform::Label Label29{this, "Label29"};
  platform::Label Label30{this, "Label30"};
  platform::Label Label31{this, "Label31"};
  platform::Label Label32{this, "Label32"};
  // Player captions: record position and count, record length; link light caption.
  platform::Label Label33{this, "Label33"};
  platform::Label Label34{this, "Label34"};
  platform::Label Label35{this, "Label35"};

  // Engine values.
  platform::Label EMSTime{this, "EMSTime"};
  platform::Label EMSRPM{this, "EMSRPM"};
  platform::Label EMSManPres{this, "EMSManPres"};
  platform::Label EMSOilTemp{this, "EMSOilTemp"};
  platform::Label EMSOilPres{this, "EMSOilPres"};
  platform::Label EMSVoltage{this, "EMSVoltage"};
  platform::Label EMSAmps{this, "EMSAmps"};
  platform::Label HobbsTime{this, "HobbsTime"};
  platform::Label TachTime{this, "TachTime"};
  platform::Label EMSCHT1{this, "EMSCHT1"};
  platform::Label EMSCHT2{this, "EMSCHT2"};
  platform::Label EMSCHT3{this, "EMSCHT3"};
  platform::Label EMSCHT4{this, "EMSCHT4"};
  platform::Label EMSCHT5{this, "EMSCHT5"};
  platform::Label EMSCHT6{this, "EMSCHT6"};
  platform::Label EMSEGT1{this, "EMSEGT1"};
  platform::Label EMSEGT2{this, "EMSEGT2"};
  platform::Label EMSEGT3{this, "EMSEGT3"};
  platform::Label EMSEGT4{this, "EMSEGT4"};
  platform::Label EMSEGT5{this, "EMSEGT5"};
  platform::Label EMSEGT6{this, "EMSEGT6"};

  // Fuel values.
  platform::Label EMSFuelPressure{this, "EMSFuelPressure"};
  platform::Label EMSFuelFlow{this, "EMSFuelFlow"};
  platform::Label EMSQuantity1{this, "EMSQuantity1"};
  platform::Label EMSQuantity2{this, "EMSQuantity2"};
  platform::Label EMSFuelRemaining{this, "EMSFuelRemaining"};

  // General-purpose inputs, thermocouple and the eight contact lamps
  // (dark green off, bright green on).
  platform::Label EMSGP1{this, "EMSGP1"};
  platform::Label EMSGP2{this, "EMSGP2"};
  platform::Label EMSGP3{this, "EMSGP3"};
  platform::Label EMSGPThermocouple{this, "EMSGPThermocouple"};
  platform::ControlArray<platform::Shape> EMS_Contact{this, "EMS_Contact", 0, 7};

  // Engine link light: its back colour copies the main window's engine light.
  platform::Shape EMS_CommOK{this, "EMS_CommOK"};

  // Engine file player.
  platform::Label DataFileName{this, "DataFileName"};
  platform::Label RecordLength{this, "RecordLength"};
  platform::Shape DataParseCorrectly{this, "DataParseCorrectly"};
  platform::Slider DataPointerSlider{this, "DataPointerSlider"};
  platform::Label RecordPointer{this, "RecordPointer"};
  platform::Label RecordCount{this, "RecordCount"};
  platform::Slider PlaybackSpeed{this, "PlaybackSpeed"};
  platform::CommandButton FastSpeedButton{this, "FastSpeedButton"};
  platform::CommandButton MedSpeedButton{this, "MedSpeedButton"};
  platform::CommandButton StopSpeedButton{this, "StopSpeedButton"};

  platform::CommandButton Command1{this, "Command1"};  // RETURN
  platform::CommandButton Command4{this, "Command4"};  // ENGINE INSTRUMENTS

  // Steps the engine file player; idle until a speed control starts it.
  platform::Timer PlaybackSpeedTimer;
};

}  // namespace screens
