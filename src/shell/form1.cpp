#include "shell/form1.h"

#include <initializer_list>
#include <string_view>

namespace shell {

namespace {

using platform::Control;

constexpr int kRow = 255;      // label and readout height
constexpr int kButton = 375;   // button standing in a row of labels
constexpr int kLamp = 195;     // round lamp
constexpr int kLampDrop = 30;  // centres a lamp on a label row

void place(Control& c, Control* in, int left, int top, int width, int height) {
  c.setContainer(in);
  c.setGeometry(left, top, width, height);
}

// A static caption in front of a readout.
void captionLabel(platform::Label& l, Control* in, int left, int top, int width, std::string_view text) {
  place(l, in, left, top, width, kRow);
  l.setCaption(text);
}

// A value the program writes: a sunken white box, blank until written.
void readout(platform::Label& l, Control* in, int left, int top, int width, std::string_view text = {}) {
  place(l, in, left, top, width, kRow);
  l.setBorder(true);
  l.setBackColor(platform::color::WindowBackground);
  l.setCaption(text);
}

// A light whose back colour is the signal (the link lights, the record light).
void backLamp(platform::Shape& s, Control* in, int left, int top) {
  place(s, in, left, top + kLampDrop, kLamp, kLamp);
  s.setShape(platform::ShapeType::Circle);
  s.setFillStyle(1);
  s.setOpaque(true);
  s.setBackColor(platform::color::Green);
}

// A light whose fill colour is the signal.
void fillLamp(platform::Shape& s, Control* in, int left, int top, platform::OleColor fill) {
  place(s, in, left, top + kLampDrop, kLamp, kLamp);
  s.setShape(platform::ShapeType::Circle);
  s.setFillStyle(0);
  s.setFillColor(fill);
}

void button(platform::CommandButton& b, Control* in, int left, int top, int width, int height,
            std::string_view text, std::string_view tip = {}) {
  place(b, in, left, top, width, height);
  b.setCaption(text);
  b.setToolTip(tip);
}

// The port row of a device frame: link light, port name, capture marker and
// the line settings text. The marker shows only while that device's raw data
// are captured to file.
void portRow(Control& frame, platform::Shape& light, platform::Label& port, platform::Label& capture,
             platform::Label& settings, std::string_view settingsText) {
  constexpr int top = 300;
  backLamp(light, &frame, 120, top);
  readout(port, &frame, 375, top, 975, "NONE");
  place(capture, &frame, 1410, top, 255, kRow);
  capture.setCaption("C");
  capture.setForeColor(platform::color::Red);
  capture.setAlignment(platform::Alignment::Center);
  capture.setVisible(false);
  readout(settings, &frame, 1725, top, frame.width() - 1725 - 120, settingsText);
}

}  // namespace

Form1::Form1(platform::Scheduler& scheduler)
    : platform::Screen("Form1", "  Talbren Ruvove Zavi Zaredido"),
      // The program's start sets these going (Lifecycle::startTimers): merely
      // creating the window sets nothing in motion.
      StartupDelay(scheduler, "StartupDelay", 1500, false),
      Quartersecondtimer(scheduler, "Quartersecondtimer", 250, false),
      ChectGRHeader(scheduler, "ChectGRHeader", 3000, false),
      // The record clock is idle until the settings are applied.
      DisplayUpdateTimer(scheduler, "DisplayUpdateTimer", 0, false),
      EFIS_DataDisplayTimer(scheduler, "EFIS_DataDisplayTimer", 100, false),
      EFIS_DisplayTimer(scheduler, "EFIS_DisplayTimer", 100, false),
      PlaybackSpeedTimer(scheduler, "PlaybackSpeedTimer", 1000, false) {
  setSize(13200, 7755);

  // Title row: version at the left, PC clock and its SET button at the right.
  RevNumber.setGeometry(120, 180, 3600, kRow);
  RevNumber.setCaption("VERSION");
  captionLabel(Label1, nullptr, 9735, 180, 1095, "PC TIME");
  readout(ComputerTime, nullptr, 10890, 180, 1215);
  button(SetTime, nullptr, 12225, 120, 855, kButton, "SET",
         "Click to set the computer time to the GPS time (corrected for time zone)");

  // Readout rows of the EFIS and GPS frames: caption, then value.
  constexpr int rowStep = 300;
  constexpr int captionLeft = 120, captionWidth = 1695;
  constexpr int valueLeft = 1875, valueWidth = 2325;
  struct Row {
    platform::Label* caption;
    platform::Label* value;
    std::string_view text;
  };
  auto rows = [&](Control& frame, int top, std::initializer_list<Row> list) {
    for (const Row& r : list) {
      captionLabel(*r.caption, &frame, captionLeft, top, captionWidth, r.text);
      readout(*r.value, &frame, valueLeft, top, valueWidth);
      top += rowStep;
    }
  };

  // EFIS.
  place(Frame1, nullptr, 120, 600, 4320, 4440);
  Frame1.setCaption("EFIS");
  portRow(Frame1, EFISCommOK, EFISCommPort, EFISRecording, EFISSettings, "EFIS SETTINGS");
  rows(Frame1, 720,
       {
           {&Label3, &EFISHHMMSS, "TIME"},
           {&Label4, &DataPitch, "PITCH"},
           {&Label5, &DataRoll, "ROLL"},
           {&Label6, &DataYaw, "YAW"},
           {&Label7, &DataAirspeed, "AIRSPEED"},
           {&Label8, &DataAltitude, "ALTITUDE"},
           {&Label9, &DataPressureAltitude, "2992 ALTITUDE"},
           {&Label10, &DataVerticalSpeed, "CLIMB RATE"},
           {&Label11, &DataTurnRate, "TURN RATE"},
           {&Label12, &DataLateralG, "LAT G's"},
           {&Label14, &DataVerticalG, "VERT G's"},
           {&Label15, &DataAOA, "AOA"},
       });

  // GPS.
  place(Frame2, nullptr, 4560, 600, 4320, 4440);
  Frame2.setCaption("GPS");
  portRow(Frame2, GPSCommOK, GPSCommPort, GPSRecording, GPSSettings, "GPS SETTINGS");
  captionLabel(Label16, &Frame2, captionLeft, 720, captionWidth, "SOURCE");
  readout(GPSSelected, &Frame2, valueLeft, 720, 1095, "GPS");
  captionLabel(Label17, &Frame2, 3090, 720, 495, "FIX");
  // Dark until a sentence reports the fix; bright green would enable SET.
  fillLamp(GPSTrackingLight, &Frame2, 3660, 720, platform::color::Green);
  rows(Frame2, 1140,
       {
           {&Label18, &GPSTime, "TIME"},
           {&Label19, &DataLatitude, "LATITUDE"},
           {&Label20, &DataLongitude, "LONGITUDE"},
           {&Label21, &GPSFixMode, "FIX MODE"},
           {&Label22, &GPSSatsUsed, "SATS USED"},
           {&Label23, &GPSDataAirspeed, "GND SPEED"},
           {&Label24, &GPSDataAltitude, "ALTITUDE"},
           {&Label25, &GPSDataHeadingMag, "MAG HEADING"},
           {&Label26, &GPSDataHeading, "TRUE HEADING"},
       });

  // Engine monitor.
  constexpr int rightLeft = 9000, rightWidth = 4080;
  place(Frame3, nullptr, rightLeft, 600, rightWidth, 1740);
  Frame3.setCaption("ENGINE MONITOR");
  portRow(Frame3, EMSCommOK, EMSCommPort, EMSRecording, EMSSettings, "EMSS SETTINGS");
  button(Command3, &Frame3, 120, 720, 3840, kButton, "ENGINE DATA SCREEN",
         "Click to view the Engine Monitor Screen");
  button(Command4, &Frame3, 120, 1200, 3840, kButton, "ENGINE INSTRUMENTS");

  // Mode C.
  place(Frame4, nullptr, rightLeft, 2460, rightWidth, 720);
  Frame4.setCaption("MODE C");
  captionLabel(Label27, &Frame4, 120, 300, 1455, "MODE C CODE >");
  readout(ModeCGrayCode, &Frame4, 1635, 300, 1920);
  backLamp(ModeCValid, &Frame4, 3675, 300);

  // Intervals: each caption and value opens the settings on the sample rates.
  place(Frame5, nullptr, rightLeft, 3300, rightWidth, 1740);
  Frame5.setCaption("UPDATE INTERVALS");
  captionLabel(Label35, &Frame5, 120, 360, 1335, "RECORDER");
  readout(SampleInterval, &Frame5, 1515, 360, 2445, "SAMPLE INTERVAL");
  captionLabel(Label38, &Frame5, 120, 840, 1335, "MAIN");
  readout(MainInterval, &Frame5, 1515, 840, 2445, "SAMPLE INTERVAL");
  captionLabel(Label39, &Frame5, 120, 1320, 1335, "EFIS");
  readout(EFISInterval, &Frame5, 1515, 1320, 2445, "SAMPLE INTERVAL");

  // Recorder. With the start-stop method the folder row gives way to the
  // button and its line, and the file caption reads "Folder/File".
  place(Frame6, nullptr, 120, 5160, 4320, 1860);
  Frame6.setCaption("RECORDER");
  captionLabel(Label13, &Frame6, 120, 300, 1080, "File");
  readout(RecordFileName, &Frame6, 1245, 300, 2445, "*.TXT");
  backLamp(RecorderBlinkLight, &Frame6, 3900, 300);
  captionLabel(Label2, &Frame6, 120, 660, 1080, "Folder");
  readout(RecorderFolderName, &Frame6, 1245, 660, 2955, "C:\\RAZERI VAREROZE");
  RecorderFolderName.setToolTip(
      "Click to change Folder Location to store recorder files. Example:  C:\\EFIS");
  place(Line5, &Frame6, 120, 1080, 4080, 15);
  Line5.setPoints(120, 1080, 4200, 1080);
  button(RecorderStartStopButton, &Frame6, 120, 1200, 4080, 495, "PRESS (F1) TO START",
         "Click here, or use F1 to start/stop the recorder");
  RecorderStartStopButton.setGraphical(true);
  RecorderStartStopButton.setBackColor(platform::color::Pink);

  // EFIS player.
  place(FILE_OPS, nullptr, 4560, 5160, 8520, 1860);
  FILE_OPS.setCaption("EFIS PLAYBACK FILE");
  captionLabel(Label28, &FILE_OPS, 120, 300, 975, "DATA FILE");
  readout(DataFileName, &FILE_OPS, 1155, 300, 5655);
  captionLabel(Label29, &FILE_OPS, 6930, 300, 855, "PARSE OK");
  fillLamp(DataParseCorrectly, &FILE_OPS, 7905, 300, platform::color::BrightGreen);
  // Positions are record numbers; the loader sets the maximum.
  place(DataPointerSlider, &FILE_OPS, 120, 660, 8280, 420);
  DataPointerSlider.setMin(0);
  DataPointerSlider.setMax(1);
  captionLabel(Label30, &FILE_OPS, 120, 1140, 2895, "RECORD #    OF     RECORDS");
  readout(RecordPointer, &FILE_OPS, 120, 1440, 1215, "0");
  RecordPointer.setToolTip("Record currently displayed");
  readout(RecordCount, &FILE_OPS, 1455, 1440, 1215, "0");
  RecordCount.setToolTip("Number of records in the data file");
  button(MedSpeedButton, &FILE_OPS, 3135, 1140, 1695, kButton, "PLAYBACK SPEED",
         "Click to set replay speed at MEDIUM");
  button(FastSpeedButton, &FILE_OPS, 4950, 1140, 855, kButton, "FAST",
         "Click to set replay speed at MAXIMUM");
  button(StopSpeedButton, &FILE_OPS, 5925, 1140, 855, kButton, "STOP", "Click to STOP replay");
  // Speed positions 0 (stopped) to 9 (fastest); 10 exists but means nothing.
  place(PlaybackSpeed, &FILE_OPS, 6900, 1140, 1500, 420);
  PlaybackSpeed.setMin(0);
  PlaybackSpeed.setMax(10);
  PlaybackSpeed.setSmallChange(1);
  PlaybackSpeed.setValue(0);
  PlaybackSpeed.setToolTip("Replay Speed Control");

  // Bottom row of doors.
  constexpr int doorTop = 7140, doorWidth = 3060, doorStep = 3300;
  button(Command2, nullptr, 120, doorTop, doorWidth, 495, "EFIS INSTRUMENTS");
  button(Command1, nullptr, 120 + doorStep, doorTop, doorWidth, 495, "GPS INSTRUMENTS");
  button(ConfigCommPorts, nullptr, 120 + 2 * doorStep, doorTop, doorWidth, 495, "CONFIGURATION");
  button(UpdateNow, nullptr, 120 + 3 * doorStep, doorTop, doorWidth, 495, "UPDATE NOW");
}

}  // namespace shell
