#pragma once
// The main window: readouts of every device, link lights, recorder controls
// and the doors to the other screens. It owns the program-long timers.

#include "platform/controls.h"
#include "platform/screen.h"
#include "platform/timer.h"

namespace shell {

class Form1 : public platform::Screen {
 public:
  explicit Form1(platform::Scheduler& scheduler);

  platform::Label RevNumber{this, "RevNumber"};

  // PC clock and the button that sets it from GPS time.
  platform::Label Label1{this, "Label1"};
  platform::Label ComputerTime{this, "ComputerTime"};
  platform::CommandButton SetTime{this, "SetTime"};

  // EFIS link and readouts.
  platform::Frame Frame1{this, "Frame1"};
  platform::Shape EFISCommOK{this, "EFISCommOK"};
  platform::Label EFISCommPort{this, "EFISCommPort"};
  platform::Label EFISRecording{this, "EFISRecording"};
  platform::Label EFISSettings{this, "EFISSettings"};
  platform::Label Label3{this, "Label3"};
  platform::Label EFISHHMMSS{this, "EFISHHMMSS"};
  platform::Label Label4{this, "Label4"};
  platform::Label DataPitch{this, "DataPitch"};
  platform::Label Label5{this, "Label5"};
  platform::Label DataRoll{this, "DataRoll"};
  platform::Label Label6{this, "Label6"};
  platform::Label DataYaw{this, "DataYaw"};
  platform::Label Label7{this, "Label7"};
  platform::Label DataAirspeed{this, "DataAirspeed"};
  platform::Label Label8{this, "Label8"};
  platform::Label DataAltitude{this, "DataAltitude"};
  platform::Label Label9{this, "Label9"};
  platform::Label DataPressureAltitude{this, "DataPressureAltitude"};
  platform::Label Label10{this, "Label10"};
  platform::Label DataVerticalSpeed{this, "DataVerticalSpeed"};
  platform::Label Label11{this, "Label11"};
  platform::Label DataTurnRate{this, "DataTurnRate"};
  platform::Label Label12{this, "Label12"};
  platform::Label DataLateralG{this, "DataLateralG"};
  platform::Label Label14{this, "Label14"};
  platform::Label DataVerticalG{this, "DataVerticalG"};
  platform::Label Label15{this, "Label15"};
  platform::Label DataAOA{this, "DataAOA"};

  // GPS link, position source, fix light and readouts.
  platform::Frame Frame2{this, "Frame2"};
  platform::Shape GPSCommOK{this, "GPSCommOK"};
  platform::Label GPSCommPort{this, "GPSCommPort"};
  platform::Label GPSRecording{this, "GPSRecording"};
  platform::Label GPSSettings{this, "GPSSettings"};
  platform::Label Label16{this, "Label16"};
  platform::Label GPSSelected{this, "GPSSelected"};
  platform::Label Label17{this, "Label17"};
  platform::Shape GPSTrackingLight{this, "GPSTrackingLight"};
  platform::Label Label18{this, "Label18"};
  platform::Label GPSTime{this, "GPSTime"};
  platform::Label Label19{this, "Label19"};
  platform::Label DataLatitude{this, "DataLatitude"};
  platform::Label Label20{this, "Label20"};
  platform::Label DataLongitude{this, "DataLongitude"};
  platform::Label Label21{this, "Label21"};
  platform::Label GPSFixMode{this, "GPSFixMode"};
  platform::Label Label22{this, "Label22"};
  platform::Label GPSSatsUsed{this, "GPSSatsUsed"};
  platform::Label Label23{this, "Label23"};
  platform::Label GPSDataAirspeed{this, "GPSDataAirspeed"};
  platform::Label Label24{this, "Label24"};
  platform::Label GPSDataAltitude{this, "GPSDataAltitude"};
  platform::Label Label25{this, "Label25"};
  platform::Label GPSDataHeadingMag{this, "GPSDataHeadingMag"};
  platform::Label Label26{this, "Label26"};
  platform::Label GPSDataHeading{this, "GPSDataHeading"};

  // Engine monitor link and the engine screens' doors.
  platform::Frame Frame3{this, "Frame3"};
  platform::Shape EMSCommOK{this, "EMSCommOK"};
  platform::Label EMSCommPort{this, "EMSCommPort"};
  platform::Label EMSRecording{this, "EMSRecording"};
  platform::Label EMSSettings{this, "EMSSettings"};
  platform::CommandButton Command3{this, "Command3"};
  platform::CommandButton Command4{this, "Command4"};

  // Mode C code of the current pressure altitude.
  platform::Frame Frame4{this, "Frame4"};
  platform::Label Label27{this, "Label27"};
  platform::Label ModeCGrayCode{this, "ModeCGrayCode"};
  platform::Shape ModeCValid{this, "ModeCValid"};

  // The record interval and the two EFIS refresh rates in force.
  platform::Frame Frame5{this, "Frame5"};
  platform::Label Label35{this, "Label35"};
  platform::Label SampleInterval{this, "SampleInterval"};
  platform::Label Label38{this, "Label38"};
  platform::Label MainInterval{this, "MainInterval"};
  platform::Label Label39{this, "Label39"};
  platform::Label EFISInterval{this, "EFISInterval"};

  // Recorder: the day's record file, its folder and the start-stop button.
  platform::Frame Frame6{this, "Frame6"};
  platform::Label Label13{this, "Label13"};
  platform::Label RecordFileName{this, "RecordFileName"};
  platform::Shape RecorderBlinkLight{this, "RecorderBlinkLight"};
  platform::Label Label2{this, "Label2"};
  platform::Label RecorderFolderName{this, "RecorderFolderName"};
  platform::Line Line5{this, "Line5"};
  platform::CommandButton RecorderStartStopButton{this, "RecorderStartStopButton"};

  // EFIS player: the loaded file, record slider, speed controls, parse lamp.
  platform::Frame FILE_OPS{this, "FILE_OPS"};
  platform::Label Label28{this, "Label28"};
  platform::Label DataFileName{this, "DataFileName"};
  platform::Label Label29{this, "Label29"};
  platform::Shape DataParseCorrectly{this, "DataParseCorrectly"};
  platform::Slider DataPointerSlider{this, "DataPointerSlider"};
  platform::Label Label30{this, "Label30"};
  platform::CommandButton MedSpeedButton{this, "MedSpeedButton"};
  platform::CommandButton FastSpeedButton{this, "FastSpeedButton"};
  platform::CommandButton StopSpeedButton{this, "StopSpeedButton"};
  platform::Slider PlaybackSpeed{this, "PlaybackSpeed"};
  platform::Label RecordPointer{this, "RecordPointer"};
  platform::Label RecordCount{this, "RecordCount"};

  // Doors to the instrument screens and the settings, and the apply button.
  platform::CommandButton Command2{this, "Command2"};
  platform::CommandButton Command1{this, "Command1"};
  platform::CommandButton ConfigCommPorts{this, "ConfigCommPorts"};
  platform::CommandButton UpdateNow{this, "UpdateNow"};

  // Timers. All but the player's clock run for the program's life: the
  // program's start enables them, before the load sequence runs.
  platform::Timer StartupDelay;
  platform::Timer Quartersecondtimer;
  platform::Timer ChectGRHeader;
  platform::Timer DisplayUpdateTimer;
  platform::Timer EFIS_DataDisplayTimer;
  platform::Timer EFIS_DisplayTimer;
  // The EFIS player's clock: off until a speed is chosen.
  platform::Timer PlaybackSpeedTimer;

  // Menu bar. The first menu is also the tray icon's pop-up menu, so it must
  // stay first; its caption is all blanks, so the bar shows no title for it.
  platform::Menu menu1{this, "menu1", std::string(181, ' ')};
  platform::Menu menu2{this, "menu2", "Show", &menu1};
  platform::Menu mhide{this, "mhide", "Hide", &menu1};
  platform::Menu mexit{this, "mexit", "Exit", &menu1};
  platform::Menu menuHideMain{this, "menuHideMain", "Screen"};
  platform::Menu menu_Minimize_All{this, "menu_Minimize_All", "Minimize ALL", &menuHideMain};
  platform::Menu menu_Minimize_All_Except{this, "menu_Minimize_All_Except",
                                          "Minimize ALL except Instrument Screens", &menuHideMain};
  platform::Menu MenuExit{this, "MenuExit", "Exit"};
};

}  // namespace shell
