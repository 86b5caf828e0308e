#include "settings/form13.h"

#include <array>
#include <string_view>

#include "settings/settings_layout.h"

namespace settings {

namespace {

using platform::Control;

constexpr int kWidth = 10440;
constexpr int kHeight = 7320;
// Every tab's frame stands in this rectangle below the tab band.
constexpr int kFrameLeft = 120;
constexpr int kFrameTop = 600;
constexpr int kFrameWidth = 10200;
constexpr int kFrameHeight = 5880;
constexpr int kLabelHeight = 255;
constexpr int kFieldHeight = 315;
constexpr int kLamp = 195;

using layout::captionTip;
using layout::put;

void field(platform::TextBox& box, Control& in, int left, int top, std::string_view text,
           std::string_view tip = {}) {
  put(box, &in, left, top, 855, kFieldHeight);
  box.setText(text);
  box.setToolTip(tip);
}

void lamp(platform::Shape& s, Control& in, int left, int top) {
  put(s, &in, left, top, kLamp, kLamp);
  s.setShape(platform::ShapeType::Circle);
}

constexpr std::string_view kMaxTip = "Maximum Scale Reading (Set to ZERO to disable)";
constexpr std::string_view kFilterTip =
    "Filter the Instrument display by a factor of 10 ( the last 10 readings are averaged)";

}  // namespace

// NOLINTNEXTLINE(readability-function-cognitive-complexity)
form13::form13(platform::Scheduler& /*scheduler*/)
    : platform::Screen("form13", "COMM PORT and CONFIGURATION SETTINGS") {
  setSize(kWidth, kHeight);

  put(TabStrip1, nullptr, 120, 120, kFrameWidth, 375);
  for (std::string_view tab : {"EFIS / AIRSPEED", "ENGINE MARKING", "GPS", "MODE C"}) TabStrip1.addTab(tab);

  struct Button {
    platform::CommandButton& button;
    std::string_view caption;
    std::string_view tip;
  };
  const std::array<Button, 4> buttons{{
      {COMMSettingButton, "COMM  RECORDER", "Goto the Comm/Recorder Setup screen"},
      {ApplyConfigButton, "APPLY", "SAVE the Configuration as default"},
      {CancelButton, "CANCEL", "Cancels changes that were NOT APPLIED"},
      {ReturnButton, "RETURN", "Return to main menu. SAVE changes "},
  }};
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    put(buttons[i].button, nullptr, 120 + static_cast<int>(i) * 2715, 6600, 2055, 495);
    captionTip(buttons[i].button, buttons[i].caption, buttons[i].tip);
  }

  // ---- "EFIS / AIRSPEED": the airspeed rows at the left, the EFIS scales at the right.
  put(AirspeedMarkingFrame, nullptr, kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);
  captionTip(AirspeedMarkingFrame, "EFIS / AIRSPEED");
  put(Label1[0], &AirspeedMarkingFrame, 1920, 300, 3960, kLabelHeight);
  captionTip(Label1[0], "If Airspeed > XXX,  then display this color");
  static constexpr std::array<std::string_view, 6> kSpeeds{"Text1", "60", "80", "140", "210", "240"};
  static constexpr std::array<std::string_view, 6> kSpeedTips{
      "",
      "Stall Speed (1 - 999) (Recommend > WHITE)",
      "Max Flap Speed (1 - 999)  (Recommend > GREEN)",
      "Maneuvering airspeed (1 - 999) (Recommend > YELLOW)",
      "Do Not exceed (1 - 999) (Recommend > RED)",
      "The maximum value of the indicator (1 - 999)"};
  for (int i = 0; i <= 5; ++i) {
    const int top = 660 + i * 420;
    const auto k = static_cast<std::size_t>(i);
    field(AirspeedIndicatorSpeed[i], AirspeedMarkingFrame, 1920, top, kSpeeds[k], kSpeedTips[k]);
    if (i <= 4) {
      // Typed colour words; the lists have no entries of their own.
      put(AirspeedMarkingsColor[i], &AirspeedMarkingFrame, 2895, top, 1575, kFieldHeight);
      AirspeedMarkingsColor[i].setToolTip(
          "If the airspeed is above this value (1 to 999) then display this color");
    }
  }
  put(Label1[1], &AirspeedMarkingFrame, 120, 690, 1695, kLabelHeight);
  captionTip(Label1[1], "Start color");
  static constexpr std::array<std::string_view, 4> kRowNames{"Vs1", "Vfe", "Vno", "Vne"};
  for (int i = 0; i < 4; ++i) {
    put(Label2[i], &AirspeedMarkingFrame, 120, 660 + (i + 1) * 420 + 30, 1695, kLabelHeight);
    captionTip(Label2[i], kRowNames[static_cast<std::size_t>(i)]);
  }
  put(Label2[4], &AirspeedMarkingFrame, 120, 660 + 5 * 420 + 30, 855, kLabelHeight);
  captionTip(Label2[4], "Maximum");
  put(Label2[5], &AirspeedMarkingFrame, 1005, 660 + 5 * 420 + 30, 855, kLabelHeight);
  captionTip(Label2[5], "Indicator");

  struct EfisField {
    platform::TextBox& box;
    std::string_view label;
    std::string_view text;
    std::string_view tip;
  };
  const std::array<EfisField, 6> efis{{
      {VerticalIndicatorSpeed, "VERTICAL SPEED", "2000",
       "For best display results, set in increments of 1000.  Set to ZERO to hide the display"},
      {G_Meter_Max, "G METER MAX", "5",
       "Displays over a 7 G span i.e. 5 will display -2 to 5, ZERO to hide display"},
      {AOAMaxScale, "AOA MAX SCALE", "40", "Maximum Scale Reading (Set to ZERO to disable) (1 - 99)"},
      {AOAMinScale, "AOA MIN SCALE", "15", "Minimum Scale Reading (0 - 99)"},
      {AOAHighYellow, "AOA YELLOW", "22", "Yellow Line Starts (1 - 99)"},
      {AOAHighRed, "AOA RED", "30", "Red Line Starts (1 - 99)"},
  }};
  for (std::size_t k = 0; k < efis.size(); ++k) {
    const int row = static_cast<int>(k);
    const int top = 660 + row * 420;
    put(Label3[row], &AirspeedMarkingFrame, 5280, top + 30, 2175, kLabelHeight);
    captionTip(Label3[row], efis[k].label);
    field(efis[k].box, AirspeedMarkingFrame, 7560, top, efis[k].text, efis[k].tip);
  }
  put(EFIS_FilterDisplay, &AirspeedMarkingFrame, 5280, 660 + 6 * 420, 2055, kLabelHeight);
  captionTip(EFIS_FilterDisplay, "Filter Display", kFilterTip);
  EFIS_FilterDisplay.setValue(1);

  // ---- "ENGINE MARKING": rows of limits under six columns.
  put(EngineMarkingFrame, nullptr, kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);
  captionTip(EngineMarkingFrame, "ENGINE MONITOR");
  auto columnLeft = [](int c) { return 1440 + c * 1080; };
  static constexpr std::array<std::string_view, 6> kHeads{"MAX SCALE", "RED (HIGH)", "YELLOW",
                                                          "YELLOW",    "RED (LOW)",  "MIN SCALE"};
  for (int c = 0; c < 6; ++c) {
    put(Label4[c], &EngineMarkingFrame, columnLeft(c) - 60, 300, 1035, kLabelHeight);
    captionTip(Label4[c], kHeads[static_cast<std::size_t>(c)]);
    Label4[c].setAlignment(platform::Alignment::Center);
  }
  // A limit box per column; nullptr where the gauge has no such limit.
  struct EngineRow {
    std::string_view label;
    std::array<platform::TextBox*, 6> boxes;
    std::array<std::string_view, 6> texts;
  };
  const std::array<EngineRow, 11> rows{{
      {"MAN PRES",
       {&ManPresMax, &ManPresHighRed, &ManPresHighYellow, nullptr, nullptr, &ManPresMin},
       {"30", "17", "16", "", "", "0"}},
      {"Oil Temp",
       {&OilTempMax, &OilTempHighRed, &OilTempHighYellow, &OilTempLowYellow, &OilTempLowRED, nullptr},
       {"300", "260", "240", "140", "100", ""}},
      {"Oil Pres",
       {&OilPresMax, &OilPresHighRed, &OilPresHighYellow, &OilPresLowYellow, &OilPresLowRed, nullptr},
       {"100", "80", "70", "25", "15", ""}},
      {"Voltage",
       {&VoltageMax, &VoltageHighRed, &VoltageHighYellow, &VoltageLowYellow, &VoltageLowRed, nullptr},
       {"20", "17", "16", "12", "10", ""}},
      {"AMPS",
       {&AmpsScaleMax, &AmpsHighRed, &AmpsHighYellow, &AmpsLowYellow, &AmpsLowRed, nullptr},
       {"60", "50", "40", "1", "-1", ""}},
      {"FuelPres",
       {&FuelPresMax, &FuelPresHighRed, &FuelPresHighYellow, &FuelPresLowYellow, &FuelPresLowRed, nullptr},
       {"10", "9", "9", "3", "2", ""}},
      {"FuelFlow",
       {&FuelFlowMax, &FuelFlowHighRed, &FuelFlowHighYellow, &FuelFlowLowYellow, &FuelFlowLowRed, nullptr},
       {"15", "14", "14", "2", "1", ""}},
      {"Fuel Left",
       {&FuelLeftMax, nullptr, nullptr, &FuelLeftYellow, &FuelLeftRed, nullptr},
       {"25", "", "", "8", "4", ""}},
      {"Fuel Right",
       {&FuelRightMax, nullptr, nullptr, &FuelRightYellow, &FuelRightRed, nullptr},
       {"25", "", "", "8", "4", ""}},
      {"CHT",
       {&CHTMax, &CHTHighRed, &CHTHighYellow, nullptr, nullptr, &CHTMin},
       {"550", "450", "425", "", "", "150"}},
      {"EGT",
       {&EGTMax, &EGTHighRed, &EGTHighYellow, nullptr, nullptr, &EGTMin},
       {"1600", "1500", "1400", "", "", "800"}},
  }};
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const int row = static_cast<int>(r);
    // A gap after the manifold pressure row leaves room for its separator.
    const int top = row == 0 ? 600 : 1095 + (row - 1) * 375;
    put(Label5[row], &EngineMarkingFrame, 120, top + 30, 1215, kLabelHeight);
    captionTip(Label5[row], rows[r].label);
    for (std::size_t c = 0; c < 6; ++c) {
      if (!rows[r].boxes[c]) continue;
      field(*rows[r].boxes[c], EngineMarkingFrame, columnLeft(static_cast<int>(c)), top, rows[r].texts[c],
            c == 0 ? kMaxTip : std::string_view{});
    }
  }
  Line1.setPoints(120, 1005, 7695, 1005);
  put(Line1, &EngineMarkingFrame, 120, 1005, 7575, 15);

  static constexpr std::array<std::string_view, 5> kTachHeads{"MAX SCALE", "YEL Start", "YEL Stop",
                                                              "YEL Start", "RED Start"};
  const std::array<platform::TextBox*, 5> tach{&TachMax, &TachYellowStart, &TachYellowStop, &TachHighYellow,
                                               &TachHighRed};
  static constexpr std::array<std::string_view, 5> kTachTexts{"3000", "2200", "2300", "2650", "2700"};
  for (int c = 0; c < 5; ++c) {
    const auto k = static_cast<std::size_t>(c);
    put(Label6[c], &EngineMarkingFrame, columnLeft(c) - 60, 4905, 1035, kLabelHeight);
    captionTip(Label6[c], kTachHeads[k]);
    Label6[c].setAlignment(platform::Alignment::Center);
    field(*tach[k], EngineMarkingFrame, columnLeft(c), 5205, kTachTexts[k],
          c == 0 ? kMaxTip : std::string_view{});
  }
  put(Label5[11], &EngineMarkingFrame, 120, 5235, 1215, kLabelHeight);
  captionTip(Label5[11], "RPM");

  put(Label7[0], &EngineMarkingFrame, 8160, 600, 1335, kLabelHeight);
  captionTip(Label7[0], "DISPLAY");
  put(Label7[1], &EngineMarkingFrame, 8160, 855, 1335, kLabelHeight);
  captionTip(Label7[1], "CYLINDERS");
  for (int i = 0; i <= 5; ++i) {
    put(DisplayCylinders[i], &EngineMarkingFrame, 8160, 1200 + i * 360, 1215, kLabelHeight);
    captionTip(DisplayCylinders[i], "CYL 1 - 4", "Display CHT and EGT for Cylinder");
    DisplayCylinders[i].setValue(1);
  }
  put(FilterDisplay, &EngineMarkingFrame, 8160, 3600, 1695, kLabelHeight);
  captionTip(FilterDisplay, "Filter Display", kFilterTip);
  FilterDisplay.setValue(1);

  // ---- "GPS".
  put(GPS_Frame, nullptr, kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);
  captionTip(GPS_Frame, "GPS");
  put(Label8[0], &GPS_Frame, 240, 480, 2055, kLabelHeight);
  captionTip(Label8[0], "Terrain Alert Height");
  field(TerrainAlertAltitude, GPS_Frame, 2400, 450, "200",
        "(VALID ONLY FOR GARMIN) Height above terrain at which TERRAIN ALERT goes active (0 - 5000)   ZERO = "
        "Disable ");
  put(Label8[1], &GPS_Frame, 3480, 480, 1455, kLabelHeight);
  captionTip(Label8[1], "TERRAIN ALERT");
  lamp(TerrainAlertIndicator, GPS_Frame, 5040, 510);
  TerrainAlertIndicator.setFillColor(platform::color::Green);

  // ---- "MODE C": corrections in two columns of nine rows, the code display at the right.
  put(ModeCFrame, nullptr, kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);
  captionTip(ModeCFrame, "MODE C");
  put(ModeCInstalled, &ModeCFrame, 240, 300, 2055, kLabelHeight);
  captionTip(ModeCInstalled, "Mode C Installed",
             "The Output unit is installed to send GrayCode to the Transponder");
  ModeCInstalled.setValue(0);
  static constexpr std::array<std::string_view, 18> kThresholds{
      "-2,500", "0",      "2,500",  "5,000",  "7,500",  "10,000", "12,500", "15,000", "17,500",
      "20,000", "22,500", "25,000", "27,500", "30,000", "32,500", "35,000", "37,500", "40,000"};
  for (int block = 0; block < 2; ++block) {
    const int x = 240 + block * 2160;
    put(Label11[block * 2], &ModeCFrame, x, 720, 900, kLabelHeight);
    captionTip(Label11[block * 2], "ALTITUDE >");
    Label11[block * 2].setAlignment(platform::Alignment::Right);
    put(Label11[block * 2 + 1], &ModeCFrame, x + 1020, 720, 855, kLabelHeight);
    captionTip(Label11[block * 2 + 1], "ADD (ft)");
    for (int r = 0; r < 9; ++r) {
      const int i = block * 9 + r;
      const int top = 1080 + r * 375;
      put(Label9[i], &ModeCFrame, x, top + 30, 900, kLabelHeight);
      captionTip(Label9[i], kThresholds[static_cast<std::size_t>(i)]);
      Label9[i].setAlignment(platform::Alignment::Right);
      field(ModeCCorrection[i], ModeCFrame, x + 1020, top, "0",
            "If Altitude greater than, then add this to the altitude");
    }
  }
  put(Label12[0], &ModeCFrame, 4800, 1080, 2175, kLabelHeight);
  captionTip(Label12[0], "Pressure Altitude (ft)");
  put(DataPressureAltitude, &ModeCFrame, 7080, 1080, 1335, kLabelHeight);
  captionTip(DataPressureAltitude, "ALTITUDE", "Altitude before correction is applied");
  put(Label12[1], &ModeCFrame, 4800, 1455, 2175, kLabelHeight);
  captionTip(Label12[1], "Corrected Altitude (ft)");
  put(ModeCCorrectedAltitude, &ModeCFrame, 7080, 1455, 1335, kLabelHeight);
  captionTip(ModeCCorrectedAltitude, "CORRECTED", "Altitude after correction is applied");
  for (platform::Label* l : {&DataPressureAltitude, &ModeCCorrectedAltitude}) {
    l->setBorder(true);
    l->setAlignment(platform::Alignment::Right);
  }
  static constexpr std::array<std::string_view, 4> kGroups{"A1 A2 A4", "B1 B2 B4", "C1 C2 C4", "D1 D2 D4"};
  for (int g = 0; g < 4; ++g) {
    const int x = 4800 + g * 1320;
    put(Label10[g], &ModeCFrame, x, 2040, 1215, kLabelHeight);
    captionTip(Label10[g], kGroups[static_cast<std::size_t>(g)]);
    for (int k = 0; k < 3; ++k) {
      auto& bit = ModeCGrayCode[g * 3 + k];
      lamp(bit, ModeCFrame, x + 150 + k * 405, 2400);
      bit.setFillColor(platform::color::Green);
    }
  }
  put(Label12[2], &ModeCFrame, 4800, 2880, 1335, kLabelHeight);
  captionTip(Label12[2], "CODE VALID");
  lamp(ModeCValid, ModeCFrame, 6240, 2910);
  // The Mode C step and the supervisor paint this lamp through its back colour.
  ModeCValid.setFillStyle(1);
  ModeCValid.setOpaque(true);
  ModeCValid.setBackColor(platform::color::Green);

  // The screen opens on "EFIS / AIRSPEED"; the tab refresh shows the others.
  for (platform::Frame* f : {&EngineMarkingFrame, &GPS_Frame, &ModeCFrame}) f->setVisible(false);
}

}  // namespace settings
