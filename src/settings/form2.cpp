#include "settings/form2.h"

#include <array>
#include <string_view>

#include "settings/settings_layout.h"

namespace settings {

namespace {

using platform::Control;

constexpr int kWidth = 11400;
constexpr int kHeight = 6480;
// The content area below the tab band, where every tab's frames stand.
constexpr int kAreaLeft = 120;
constexpr int kAreaTop = 600;
constexpr int kAreaWidth = 11160;
constexpr int kLabelHeight = 255;
constexpr int kFieldHeight = 315;
constexpr int kButtonHeight = 375;
constexpr int kLamp = 195;

using layout::captionTip;
using layout::put;

// The controls of one device's port frame; the three devices share the layout.
struct PortGroup {
  platform::Frame& portFrame;
  platform::OptionButton& comm;
  platform::OptionButton& file;
  platform::CheckBox& capture;
  platform::Frame& commFrame;
  std::array<platform::Label*, 6> labels;     // port, speed, parity, data bits, stop bits, flow
  std::array<platform::ComboBox*, 6> combos;  // same order
  platform::CommandButton& portOK;
  platform::Shape& commOK;
  platform::Frame& fileFrame;
  platform::CommandButton& convertFile;
  platform::ProgressBar& progressBar;
  platform::Label& labelDataFile;
  platform::Label& dataFileName;
  platform::Label& labelRecords;
  platform::Label& recordCount;
  platform::CommandButton& showDataButton;
  platform::CommandButton& showDataScreen;
  platform::CommandButton& showFileButton;
};

void layoutPortGroup(const PortGroup& g) {
  // The three port frames have no caption and stand in one rectangle.
  put(g.portFrame, nullptr, kAreaLeft, kAreaTop, kAreaWidth, 3240);

  // Left column: source, capture and the three SHOW buttons.
  put(g.comm, &g.portFrame, 240, 240, 1695, kLabelHeight);
  captionTip(g.comm, "READ COMM", "Read Data live from the unit via the Comm Port");
  put(g.file, &g.portFrame, 240, 555, 1695, kLabelHeight);
  captionTip(g.file, "READ FILE", "Read pre-recorded data file (Must be exact format as Comm Port");
  g.comm.setValue(true);
  put(g.capture, &g.portFrame, 240, 870, 1935, kLabelHeight);
  captionTip(g.capture, "CAPTURE to FILE");
  g.capture.setValue(0);
  put(g.showDataButton, &g.portFrame, 240, 1320, 1815, kButtonHeight);
  captionTip(g.showDataButton, "SHOW COMM", "Click to accept these changes");
  put(g.showDataScreen, &g.portFrame, 240, 1800, 1815, kButtonHeight);
  captionTip(g.showDataScreen, " SHOW  DATA", "Goto the display data screen");
  put(g.showFileButton, &g.portFrame, 240, 2280, 1815, kButtonHeight);
  captionTip(g.showFileButton, " SHOW  FILE", "Click to accept these changes");

  // "Comm Port": six labelled lists, the receiving light and ACCEPT.
  put(g.commFrame, &g.portFrame, 2280, 120, 4320, 2940);
  captionTip(g.commFrame, "Comm Port");
  static constexpr std::array<std::string_view, 6> kLabels{
      "Port:", "Speed:", "Parity:", "Data Bits:", "Stop Bits:", "Flow:"};
  // Initial texts; the lists themselves are filled when the program starts.
  static constexpr std::array<std::string_view, 6> kTexts{"NONE", "115200", "NONE", "8", "1", "NONE"};
  for (std::size_t i = 0; i < 6; ++i) {
    const int top = 300 + static_cast<int>(i) * 420;
    put(*g.labels[i], &g.commFrame, 120, top + 30, 1095, kLabelHeight);
    g.labels[i]->setCaption(kLabels[i]);
    g.labels[i]->setAlignment(platform::Alignment::Right);
    put(*g.combos[i], &g.commFrame, 1320, top, 1695, kFieldHeight);
    g.combos[i]->setText(kTexts[i]);
  }
  g.combos[0]->setToolTip("Port Number.   BRIGHT GREEN Com Port Receiving data");
  put(g.commOK, &g.commFrame, 3240, 360, kLamp, kLamp);
  g.commOK.setShape(platform::ShapeType::Circle);
  // The supervisor paints the light through its back colour.
  g.commOK.setFillStyle(1);
  g.commOK.setOpaque(true);
  g.commOK.setBackColor(platform::color::Green);
  put(g.portOK, &g.commFrame, 3135, 2340, 1065, kButtonHeight);
  captionTip(g.portOK, "ACCEPT", "Click to accept these changes");
  g.portOK.setBackColor(platform::color::ButtonFace);

  // "Playback File": the loaded file, its record count and the export.
  put(g.fileFrame, &g.portFrame, 6720, 120, 4320, 2940);
  captionTip(g.fileFrame, "Playback File");
  put(g.labelDataFile, &g.fileFrame, 120, 300, 1095, kLabelHeight);
  captionTip(g.labelDataFile, "DATA FILE");
  put(g.dataFileName, &g.fileFrame, 1320, 300, 2880, kLabelHeight);
  captionTip(g.dataFileName, "");
  g.dataFileName.setBorder(true);
  put(g.labelRecords, &g.fileFrame, 120, 720, 1095, kLabelHeight);
  captionTip(g.labelRecords, "RECORDS");
  put(g.recordCount, &g.fileFrame, 1320, 720, 1455, kLabelHeight);
  captionTip(g.recordCount, "<>", "Number of rrecords in the data file");
  g.recordCount.setBorder(true);
  put(g.convertFile, &g.fileFrame, 120, 1200, 1695, kButtonHeight);
  captionTip(g.convertFile, "CONVERT FILE", "Convert a raw data file to a text delimited file");
  // Shown only while an export runs.
  put(g.progressBar, &g.fileFrame, 120, 1740, 4080, kLabelHeight);
  g.progressBar.setVisible(false);
}

}  // namespace

// NOLINTNEXTLINE(readability-function-cognitive-complexity)
Form2::Form2(platform::Scheduler& /*scheduler*/)
    : platform::Screen("Form2", "COMM PORT and CONFIGURATION SETTINGS") {
  setSize(kWidth, kHeight);

  put(TabStrip1, nullptr, 120, 120, kAreaWidth, kButtonHeight);
  for (std::string_view tab : {"EFIS COM", "EMS COM", "GPS COM", "ADC COM", "RECORD OPTIONS", "SAMPLE RATE",
                               "STARTUP SCREEN", "UNITS"})
    TabStrip1.addTab(tab);

  // Button row.
  struct Button {
    platform::CommandButton& button;
    std::string_view caption;
    std::string_view tip;
  };
  const std::array<Button, 4> buttons{{
      {InstrumentSettingButton, "INSTRUMENTS", "Goto the Instrument settings screen"},
      {CancelButton, "CANCEL", "Cancels changes that were NOT APPLIED"},
      {SaveConfig, "APPLY", "SAVE the Configuration as default"},
      {Command1, "RETURN", "Return to main menu. SAVE changes "},
  }};
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    put(buttons[i].button, nullptr, 120 + static_cast<int>(i) * 3035, 5640, 2055, 495);
    captionTip(buttons[i].button, buttons[i].caption, buttons[i].tip);
  }

  // ---- Port frames.
  layoutPortGroup({EFIS_PortFrame,
                   EFIS_COMM,
                   EFIS_FILE,
                   RecordFileRawEFIS,
                   EFIS_COMM_FRAME,
                   {&EFIS_LabelPort, &EFIS_LabelSpeed, &EFIS_LabelParity, &EFIS_LabelDatatBits,
                    &EFIS_LabelStopBits, &EFIS_LabelFlow},
                   {&EFIS_CommPort, &EFIS_PortSpeed, &EFIS_PortParity, &EFIS_PortDataBits, &EFIS_PortStopBits,
                    &EFIS_PortFlow},
                   EFIS_PortOK,
                   EFIS_CommOK,
                   EFIS_FILE_FRAME,
                   EFIS_ConvertFile,
                   EFIS_ProgressBar,
                   EFIS_LabelDataFile,
                   EFIS_DataFileName,
                   EFIS_LabelRecords,
                   EFIS_RecordCount,
                   EFIS_ShowDataButton,
                   EFIS_ShowDataScreen,
                   EFIS_ShowFileButton});
  layoutPortGroup(
      {EMS_PortFrame,
       EMS_COMM,
       EMS_FILE,
       RecordFileRawEMS,
       EMS_COMM_FRAME,
       {&EMS_LabelPort, &EMS_LabelSpeed, &EMS_LabelParity, &EMS_LabelDatatBits, &EMS_LabelStopBits,
        &EMS_LabelFlow},
       {&EMS_CommPort, &EMS_PortSpeed, &EMS_PortParity, &EMS_PortDataBits, &EMS_PortStopBits, &EMS_PortFlow},
       EMS_PortOK,
       EMS_CommOK,
       EMS_FILE_FRAME,
       EMS_ConvertFile,
       EMS_ProgressBar,
       EMS_LabelDataFile,
       EMS_DataFileName,
       EMS_LabelRecords,
       EMS_RecordCount,
       EMS_ShowDataButton,
       EMS_ShowDataScreen,
       EMS_ShowFileButton});
  layoutPortGroup(
      {GPS_PortFrame,
       GPS_COMM,
       GPS_FILE,
       RecordFileRawGPS,
       GPS_COMM_FRAME,
       {&GPS_LabelPort, &GPS_LabelSpeed, &GPS_LabelParity, &GPS_LabelDatatBits, &GPS_LabelStopBits,
        &GPS_LabelFlow},
       {&GPS_CommPort, &GPS_PortSpeed, &GPS_PortParity, &GPS_PortDataBits, &GPS_PortStopBits, &GPS_PortFlow},
       GPS_PortOK,
       GPS_CommOK,
       GPS_FILE_FRAME,
       GPS_ConvertFile,
       GPS_ProgressBar,
       GPS_LabelDataFile,
       GPS_DataFileName,
       GPS_LabelRecords,
       GPS_RecordCount,
       GPS_ShowDataButton,
       GPS_ShowDataScreen,
       GPS_ShowFileButton});
  // GPS files are never played back: the GPS source stays on the port.
  GPS_FILE.setEnabled(false);

  // ---- EMS type and GPS position source share the rectangle below the port frames.
  constexpr int kLowerTop = kAreaTop + 3240 + 120;
  put(EMS_TypeFrame, nullptr, kAreaLeft, kLowerTop, 5400, 1440);
  captionTip(EMS_TypeFrame, "EMS TYPE");
  put(EMSDYNON, &EMS_TypeFrame, 240, 300, 4920, kLabelHeight);
  captionTip(EMSDYNON, "DYNON", "DYNON EMS 10");
  put(EMSGRANDRAPIDS, &EMS_TypeFrame, 240, 660, 4920, kLabelHeight);
  captionTip(EMSGRANDRAPIDS, "GR- 4000 & GR- 6000", "Grand Rapids 4000 / 6000");
  put(EMSGR2000, &EMS_TypeFrame, 240, 1020, 4920, kLabelHeight);
  captionTip(EMSGR2000, "GR- 2000", "Grand Rapids 2000");
  EMSDYNON.setValue(true);

  put(GPS_Sentance_Type, nullptr, kAreaLeft, kLowerTop, 5400, 1440);
  captionTip(
      GPS_Sentance_Type, "GPS Position Information Source",
      "Some receivers can output both types at same time, select the source to use for position information");
  put(GPS_Sentance_NMEA, &GPS_Sentance_Type, 240, 360, 4920, kLabelHeight);
  captionTip(GPS_Sentance_NMEA, "Standard NMEA-0183",
             "Standard NMEA-0183 data sentances ($GPxxx) for position information");
  put(GPS_Sentance_Garmin, &GPS_Sentance_Type, 240, 780, 4920, kLabelHeight);
  captionTip(GPS_Sentance_Garmin, "Garmin NMEA-0183",
             "Garmin proprietary NMEA-0183 data sentances ($PGRxx) for position information");
  GPS_Sentance_NMEA.setValue(true);

  // ---- "RECORD OPTIONS".
  put(RecorderOptionsFrame, nullptr, kAreaLeft, kAreaTop, kAreaWidth, 3720);
  captionTip(RecorderOptionsFrame, "RECORDER OPTIONS");
  put(Label3, &RecorderOptionsFrame, 240, 390, 1095, kLabelHeight);
  captionTip(Label3, "Data Folder :");
  put(DataFolder, &RecorderOptionsFrame, 1440, 360, 5415, kFieldHeight);
  DataFolder.setText("C:\\RAZERI VAREROZE");
  put(Command2, &RecorderOptionsFrame, 7200, 330, 2055, kButtonHeight);
  captionTip(Command2, "FILE MAINTENANCE", "Goto the File Maintenance screen");
  put(Frame1, &RecorderOptionsFrame, 240, 900, 3840, 1080);
  captionTip(Frame1, "START-STOP   METHOD");
  put(ShowStartStopButton, &Frame1, 240, 300, 3360, kLabelHeight);
  captionTip(ShowStartStopButton, "START-STOP Button");
  put(RecordContinously, &Frame1, 240, 660, 3360, kLabelHeight);
  captionTip(RecordContinously, "RECORD Continously");
  ShowStartStopButton.setValue(true);
  struct SizeBox {
    platform::TextBox& box;
    std::string_view label;
    std::string_view text;
  };
  const std::array<SizeBox, 3> sizes{{
      {SaveExcelDataFileSize, "SAVE Newest X GIG of TBRC Record Data files (1 to 100)", "1"},
      {SaveEFISCaptureFileSize, "SAVE Newest X GIG of EFIS Capture files (1 to 100)", "1"},
      {SaveEMSCaptureFileSize, "SAVE Newest X MEG of EMS  and GPS Capture files (1 to 100)", "10"},
  }};
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    const int k = static_cast<int>(i);
    const int top = 2280 + k * 420;
    put(sizes[i].box, &RecorderOptionsFrame, 240, top, 615, kFieldHeight);
    sizes[i].box.setText(sizes[i].text);
    sizes[i].box.setToolTip("EFIS = X gig, EMS and GPS = X/10 ");
    put(Label4[k], &RecorderOptionsFrame, 960, top + 30, 6480, kLabelHeight);
    captionTip(Label4[k], sizes[i].label);
  }

  // ---- "SAMPLE RATE": three frames side by side.
  auto optionAt = [](platform::OptionButton& o, platform::Frame& frame, int row, int width,
                     std::string_view text, std::string_view tip) {
    put(o, &frame, 240, 300 + row * 360, width, kLabelHeight);
    captionTip(o, text, tip);
  };
  put(TimeFrame, nullptr, kAreaLeft, kAreaTop, 3600, 2520);
  captionTip(TimeFrame, "RECORDER SAMPLE INTERVAL");
  optionAt(RealTime, TimeFrame, 0, 3120, "Real Time",
           "Real Time (15 millisecond) record.  (Needs Dynon EFIS)");
  optionAt(IntervalHalfSecond, TimeFrame, 1, 3120, "1/4 Sec", "Record every 1/4 second");
  optionAt(IntervalOneSecond, TimeFrame, 2, 3120, "1 Sec", "Record once per second");
  optionAt(IntervalFiveSecond, TimeFrame, 3, 3120, "5 Sec", "Record once every 5 seconds");
  optionAt(IntervalTenSecond, TimeFrame, 4, 3120, "10 Sec", "Record once every ten seconds");
  optionAt(IntervalThirtySecond, TimeFrame, 5, 3120, "30 Sec", "Record once every 30 seconds");
  RealTime.setValue(true);

  static constexpr std::array<std::string_view, 5> kRates{"Real Time", "75ms", "250ms", "500ms", "1 Sec"};
  static constexpr std::array<std::string_view, 5> kRateTips{
      "Real Time (15 millisecond) record.  (Needs Dynon EFIS)", "15 times per second", "4 times per second",
      "two times per second", "Once per second"};
  put(MainScreenRate, nullptr, kAreaLeft + 3720, kAreaTop, 3600, 2520);
  captionTip(MainScreenRate, "MAIN SCREEN UPDATE RATE");
  put(EFISScreenRate, nullptr, kAreaLeft + 7440, kAreaTop, 3720, 2520);
  captionTip(EFISScreenRate, "EFIS SCREEN UPDATE RATE");
  for (int i = 0; i < 5; ++i) {
    const auto k = static_cast<std::size_t>(i);
    optionAt(EFISUpdateRate[i], MainScreenRate, i, 3120, kRates[k], kRateTips[k]);
    optionAt(MainUpdateRate[i], EFISScreenRate, i, 3120, kRates[k], kRateTips[k]);
  }
  EFISUpdateRate[0].setValue(true);
  MainUpdateRate[0].setValue(true);

  // ---- "STARTUP SCREEN".
  put(StartupFrame, nullptr, kAreaLeft, kAreaTop, 4800, 2520);
  captionTip(StartupFrame, "STARTUP SCREEN");
  static constexpr std::array<std::string_view, 6> kScreens{"MAIN",
                                                            "EMS-10 DATA",
                                                            "GR 4000 / GR 6000",
                                                            "EFIS FLIGHT INSTRUMENT",
                                                            "GPS FLIGHT INSTRUMENT",
                                                            "ENGINE FLIGHT INSTRUMENT"};
  for (int i = 0; i < 6; ++i)
    optionAt(StartupDisplayScreen[i], StartupFrame, i, 4320, kScreens[static_cast<std::size_t>(i)],
             "Set the Default startup screen when the program starts");
  StartupDisplayScreen[0].setValue(true);

  // ---- "UNITS": a grid of four rows under seven column heads.
  put(UnitsFrame, nullptr, kAreaLeft, kAreaTop, kAreaWidth, 2280);
  captionTip(UnitsFrame, "UNITS");
  static constexpr std::array<std::string_view, 7> kHeads{
      "SPEED", "DISTANCE", "TEMPERATURE", "VERT SPEED", "PRESSURE", "FLOW RATE", "QUANTITY"};
  static constexpr std::array<int, 7> kColumnWidth{1575, 1215, 1335, 1455, 1335, 1095, 1095};
  struct UnitRow {
    platform::OptionButton& option;
    std::string_view tip;
    std::array<std::string_view, 7> words;
    bool metric;
  };
  const std::array<UnitRow, 4> rows{{
      {UnitsMeter,
       "Speed = Meters per Second, Altitude = Meters, Vert Spd = Meters/Sec",
       {"Meter/Sec", "Meters", "Celsius", "Meter/Min", "Bars - mb", "Lt/Hr", "Liters"},
       true},
      {UnitKiloMeters,
       "Speed = Kilometers per hour, Altitude = Meters, Vert Spd = Meters/Sec",
       {"KiloMeter/Hour", "Meters", "Celsius", "Meter/Min", "Bars - mb", "Lt/Hr", "Liters"},
       true},
      {UnitMiles,
       "Speed = MPH,  Altitude = Feet, Temp = Fahrenheit, Vert Spd = Feet per Min",
       {"Miles / Hour", "Feet", "Fahrenheit", "Feet / Minute", "PSI - inHg", "GPH", "Gallons"},
       false},
      {UnitsKnots,
       "Speed = Knots,  Altitude = Feet, Temp = Fahrenheit, Vert Spd = Feet per Min",
       {"Knots", "Feet", "Fahrenheit", "Feet / Minute", "PSI - inHg", "GPH", "Gallons"},
       false},
  }};
  int x = 720;
  for (std::size_t c = 0; c < kHeads.size(); ++c) {
    const int col = static_cast<int>(c);
    put(Label1[col], &UnitsFrame, x, 300, kColumnWidth[c] - 60, kLabelHeight);
    captionTip(Label1[col], kHeads[c]);
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const int row = static_cast<int>(r);
      auto& word = Label2[row * 7 + col];
      put(word, &UnitsFrame, x, 660 + row * 360, kColumnWidth[c] - 60, kLabelHeight);
      std::string_view tip;
      if (c == 4)
        tip = rows[r].metric
                  ? "High Pressure (fuel, oil) = Bars,   Low Pressure  (MAP, Altimeter) = mb (millibars)"
                  : "High Pressure (fuel, oil) = PSI,   Low Pressure  (MAP, Altimeter) = inHg";
      else if (c == 5)
        tip = rows[r].metric ? "Flow Rate - Liters per Hour" : "Flow Rate -Gallons Per Hour";
      else if (c == 6)
        tip = rows[r].metric ? "Quantity - Liters" : "Quantity - Gallons";
      captionTip(word, rows[r].words[c], tip);
    }
    x += kColumnWidth[c];
  }
  for (std::size_t r = 0; r < rows.size(); ++r) {
    put(rows[r].option, &UnitsFrame, 240, 660 + static_cast<int>(r) * 360, 255, kLabelHeight);
    captionTip(rows[r].option, "", rows[r].tip);
  }
  UnitsKnots.setValue(true);

  // The screen opens on "EFIS COM": only its frame shows until the tab refresh
  // sets the frames of the selected tab.
  for (platform::Frame* f :
       {&EMS_PortFrame, &EMS_TypeFrame, &GPS_PortFrame, &GPS_Sentance_Type, &RecorderOptionsFrame, &TimeFrame,
        &UnitsFrame, &StartupFrame, &MainScreenRate, &EFISScreenRate})
    f->setVisible(false);
}

}  // namespace settings
