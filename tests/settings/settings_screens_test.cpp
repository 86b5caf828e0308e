// Structure of the two settings screens: names, containment, layout per tab,
// option groups, and the design captions, texts and values they start with.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/virtual_scheduler.h"
#include "settings/form13.h"
#include "settings/form2.h"

namespace {

using platform::CheckBox;
using platform::ComboBox;
using platform::Control;
using platform::ControlKind;
using platform::Frame;
using platform::Label;
using platform::OptionButton;
using platform::Screen;
using platform::TextBox;

struct Rect {
  int left, top, width, height;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
};

Rect rectOf(const Control& c) {
  if (c.kind() == ControlKind::Line) {
    const auto& l = static_cast<const platform::Line&>(c);
    return {std::min(l.x1(), l.x2()), std::min(l.y1(), l.y2()), std::max(1, std::abs(l.x2() - l.x1())),
            std::max(1, std::abs(l.y2() - l.y1()))};
  }
  return {c.left(), c.top(), c.width(), c.height()};
}

bool overlap(const Rect& a, const Rect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

// Shown on screen: the control and every container up to the screen are visible.
bool shown(const Control& c) {
  for (const Control* p = &c; p; p = p->container())
    if (!p->visible()) return false;
  return true;
}

// What a design value reads as: the text of text and combo boxes, else the caption.
std::string designText(const Control& c) {
  if (c.kind() == ControlKind::TextBox) return static_cast<const TextBox&>(c).text();
  if (c.kind() == ControlKind::ComboBox) return static_cast<const ComboBox&>(c).text();
  return c.caption();
}

std::vector<std::string> overlapsOf(const Screen& s) {
  std::vector<std::string> found;
  const auto& all = s.controls();
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (!shown(*all[i])) continue;
    for (std::size_t j = i + 1; j < all.size(); ++j) {
      if (!shown(*all[j]) || all[i]->container() != all[j]->container()) continue;
      if (overlap(rectOf(*all[i]), rectOf(*all[j])))
        found.push_back(all[i]->objectName() + " / " + all[j]->objectName());
    }
  }
  return found;
}

// The label on the same row as c, nearest to its left (side -1) or right (side +1).
const Control* labelBeside(const Screen& s, const Control& c, int side) {
  const Rect r = rectOf(c);
  const Control* best = nullptr;
  int bestGap = 1 << 30;
  for (const Control* o : s.controls()) {
    if (o->kind() != ControlKind::Label || o->container() != c.container()) continue;
    const Rect q = rectOf(*o);
    if (std::abs((q.top + q.bottom()) - (r.top + r.bottom())) > 240) continue;
    const int gap = side < 0 ? r.left - q.right() : q.left - r.right();
    if (gap >= 0 && gap < bestGap) {
      bestGap = gap;
      best = o;
    }
  }
  return best;
}

// The nearest label above c whose width spans c's centre: a column head.
const Control* headAbove(const Screen& s, const Control& c) {
  const Rect r = rectOf(c);
  const int centre = r.left + r.width / 2;
  const Control* best = nullptr;
  for (const Control* o : s.controls()) {
    if (o->kind() != ControlKind::Label || o->container() != c.container()) continue;
    const Rect q = rectOf(*o);
    if (q.left > centre || q.right() < centre || q.bottom() > r.top) continue;
    if (!best || q.bottom() > rectOf(*best).bottom()) best = o;
  }
  return best;
}

// The topmost label of the column that c stands in.
const Control* columnHead(const Screen& s, const Control& c) {
  const Control* head = headAbove(s, c);
  while (head) {
    const Control* up = headAbove(s, *head);
    if (!up) break;
    head = up;
  }
  return head;
}

std::string captionOr(const Control* c) {
  return c ? c->caption() : std::string("<none>");
}

template <class A>
std::vector<OptionButton*> optionsOf(A& array) {
  std::vector<OptionButton*> v;
  for (auto& o : array) v.push_back(&o);
  return v;
}

template <class S>
Control& control(S& screen, const std::string& name) {
  Control* c = screen.findControl(name);
  if (!c) throw std::runtime_error("no control " + name);
  return *c;
}

class SettingsScreens : public ::testing::Test {
 protected:
  platform::VirtualScheduler scheduler;
  settings::Form2 form2{scheduler};
  settings::form13 form13{scheduler};
};

TEST_F(SettingsScreens, ObjectNamesAreUniqueAndEveryControlLiesInsideItsContainer) {
  for (const Screen* s : {static_cast<const Screen*>(&form2), static_cast<const Screen*>(&form13)}) {
    std::set<std::string> names;
    for (const Control* c : s->controls()) {
      EXPECT_TRUE(names.insert(c->objectName()).second) << s->name() << ": duplicate " << c->objectName();
      const Rect r = rectOf(*c);
      const int w = c->container() ? c->container()->width() : s->width();
      const int h = c->container() ? c->container()->height() : s->height();
      EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right() <= w && r.bottom() <= h)
          << s->name() << ": " << c->objectName() << " leaves its container";
      if (c->container()) {
        EXPECT_EQ(c->container()->kind(), ControlKind::Frame) << c->objectName();
      }
    }
  }
}

// The frames each tab shows, in tab order (tab 4 "ADC COM" shows none).
const std::vector<std::vector<std::string>> kForm2Tabs{{"EFIS_PortFrame"},
                                                       {"EMS_PortFrame", "EMS_TypeFrame"},
                                                       {"GPS_PortFrame", "GPS_Sentance_Type"},
                                                       {},
                                                       {"RecorderOptionsFrame"},
                                                       {"TimeFrame", "MainScreenRate", "EFISScreenRate"},
                                                       {"StartupFrame"},
                                                       {"UnitsFrame"}};
const std::vector<std::vector<std::string>> kForm13Tabs{
    {"AirspeedMarkingFrame"}, {"EngineMarkingFrame"}, {"GPS_Frame"}, {"ModeCFrame"}};

template <class S>
void checkTabs(S& screen, const std::vector<std::string>& captions,
               const std::vector<std::vector<std::string>>& tabs) {
  ASSERT_EQ(screen.TabStrip1.tabs(), captions);
  EXPECT_EQ(screen.TabStrip1.selectedTab(), 1);
  std::set<std::string> all;
  for (const auto& t : tabs) all.insert(t.begin(), t.end());
  // At design only the first tab's frames show.
  for (const auto& f : all)
    EXPECT_EQ(control(screen, f).visible(), std::count(tabs[0].begin(), tabs[0].end(), f) == 1) << f;
  for (std::size_t t = 0; t < tabs.size(); ++t) {
    for (const auto& f : all)
      control(screen, f).setVisible(std::count(tabs[t].begin(), tabs[t].end(), f) == 1);
    EXPECT_EQ(overlapsOf(screen), std::vector<std::string>{}) << screen.name() << " tab " << captions[t];
  }
}

TEST_F(SettingsScreens, EachTabShowsItsFramesWithoutOverlaps) {
  checkTabs(form2,
            {"EFIS COM", "EMS COM", "GPS COM", "ADC COM", "RECORD OPTIONS", "SAMPLE RATE", "STARTUP SCREEN",
             "UNITS"},
            kForm2Tabs);
  checkTabs(form13, {"EFIS / AIRSPEED", "ENGINE MARKING", "GPS", "MODE C"}, kForm13Tabs);
}

struct Group {
  const Screen* screen;
  std::vector<OptionButton*> options;  // the design choice first
};

TEST_F(SettingsScreens, EveryOptionGroupIsAloneInItsFrameAndKeepsOneChoice) {
  auto& f = form2;
  std::vector<Group> groups{
      {&f, {&f.EFIS_COMM, &f.EFIS_FILE}},
      {&f, {&f.EMS_COMM, &f.EMS_FILE}},
      {&f, {&f.GPS_COMM, &f.GPS_FILE}},
      {&f, {&f.EMSDYNON, &f.EMSGRANDRAPIDS, &f.EMSGR2000}},
      {&f, {&f.GPS_Sentance_NMEA, &f.GPS_Sentance_Garmin}},
      {&f, {&f.ShowStartStopButton, &f.RecordContinously}},
      {&f,
       {&f.RealTime, &f.IntervalHalfSecond, &f.IntervalOneSecond, &f.IntervalFiveSecond, &f.IntervalTenSecond,
        &f.IntervalThirtySecond}},
      {&f, {&f.UnitsKnots, &f.UnitMiles, &f.UnitKiloMeters, &f.UnitsMeter}},
      {&f, optionsOf(f.EFISUpdateRate)},
      {&f, optionsOf(f.MainUpdateRate)},
      {&f, optionsOf(f.StartupDisplayScreen)},
  };

  std::vector<OptionButton*> everyOption;
  for (Control* c : f.controls())
    if (c->kind() == ControlKind::OptionButton) everyOption.push_back(static_cast<OptionButton*>(c));
  std::size_t grouped = 0;
  for (const auto& g : groups) grouped += g.options.size();
  EXPECT_EQ(grouped, everyOption.size()) << "an option of Form2 belongs to no group";

  for (const auto& g : groups) {
    const Control* frame = g.options.front()->container();
    ASSERT_NE(frame, nullptr) << g.options.front()->objectName();
    for (OptionButton* o : everyOption) {
      const bool member = std::count(g.options.begin(), g.options.end(), o) == 1;
      EXPECT_EQ(o->container() == frame, member)
          << o->objectName() << " vs group of " << g.options.front()->objectName();
    }
    for (std::size_t i = 0; i < g.options.size(); ++i)
      EXPECT_EQ(g.options[i]->value(), i == 0) << "design choice " << g.options[i]->objectName();
  }

  // Choosing each option leaves exactly it chosen in its group and touches no other group.
  for (const auto& g : groups) {
    for (OptionButton* chosen : g.options) {
      std::map<OptionButton*, bool> before;
      for (OptionButton* o : everyOption) before[o] = o->value();
      chosen->setValue(true);
      for (OptionButton* o : everyOption) {
        const bool member = std::count(g.options.begin(), g.options.end(), o) == 1;
        EXPECT_EQ(o->value(), member ? o == chosen : before[o])
            << "choosing " << chosen->objectName() << ": " << o->objectName();
      }
    }
  }
}

// Design captions and texts with their tool tips (nullptr: no tool tip checked).
struct Design {
  std::string name;
  std::string text;
  const char* tip;
};

void checkDesign(const Screen& s, const std::vector<Design>& rows) {
  for (const auto& r : rows) {
    const Control* c = s.findControl(r.name);
    ASSERT_NE(c, nullptr) << s.name() << ": " << r.name;
    EXPECT_EQ(designText(*c), r.text) << s.name() << ": " << r.name;
    if (r.tip) {
      EXPECT_EQ(c->toolTip(), r.tip) << s.name() << ": tool tip of " << r.name;
    }
  }
}

TEST_F(SettingsScreens, Form2HoldsItsDesignCaptionsTextsAndValues) {
  EXPECT_EQ(form2.caption(), "COMM PORT and CONFIGURATION SETTINGS");
  std::vector<Design> rows{
      {"InstrumentSettingButton", "INSTRUMENTS", "Goto the Instrument settings screen"},
      {"CancelButton", "CANCEL", "Cancels changes that were NOT APPLIED"},
      {"SaveConfig", "APPLY", "SAVE the Configuration as default"},
      {"Command1", "RETURN", "Return to main menu. SAVE changes "},
      {"EMS_TypeFrame", "EMS TYPE", nullptr},
      {"EMSDYNON", "DYNON", "DYNON EMS 10"},
      {"EMSGRANDRAPIDS", "GR- 4000 & GR- 6000", "Grand Rapids 4000 / 6000"},
      {"EMSGR2000", "GR- 2000", "Grand Rapids 2000"},
      {"GPS_Sentance_Type", "GPS Position Information Source",
       "Some receivers can output both types at same time, select the source to use for position "
       "information"},
      {"GPS_Sentance_NMEA", "Standard NMEA-0183",
       "Standard NMEA-0183 data sentances ($GPxxx) for position information"},
      {"GPS_Sentance_Garmin", "Garmin NMEA-0183",
       "Garmin proprietary NMEA-0183 data sentances ($PGRxx) for position information"},
      {"RecorderOptionsFrame", "RECORDER OPTIONS", nullptr},
      {"Command2", "FILE MAINTENANCE", "Goto the File Maintenance screen"},
      {"Frame1", "START-STOP   METHOD", nullptr},
      {"ShowStartStopButton", "START-STOP Button", nullptr},
      {"RecordContinously", "RECORD Continously", nullptr},
      {"DataFolder", "C:\\RAZERI VAREROZE", nullptr},
      {"SaveExcelDataFileSize", "1", "EFIS = X gig, EMS and GPS = X/10 "},
      {"SaveEFISCaptureFileSize", "1", "EFIS = X gig, EMS and GPS = X/10 "},
      {"SaveEMSCaptureFileSize", "10", "EFIS = X gig, EMS and GPS = X/10 "},
      {"TimeFrame", "RECORDER SAMPLE INTERVAL", nullptr},
      {"RealTime", "Real Time", "Real Time (15 millisecond) record.  (Needs Dynon EFIS)"},
      {"IntervalHalfSecond", "1/4 Sec", "Record every 1/4 second"},
      {"IntervalOneSecond", "1 Sec", "Record once per second"},
      {"IntervalFiveSecond", "5 Sec", "Record once every 5 seconds"},
      {"IntervalTenSecond", "10 Sec", "Record once every ten seconds"},
      {"IntervalThirtySecond", "30 Sec", "Record once every 30 seconds"},
      {"MainScreenRate", "MAIN SCREEN UPDATE RATE", nullptr},
      {"EFISScreenRate", "EFIS SCREEN UPDATE RATE", nullptr},
      {"StartupFrame", "STARTUP SCREEN", nullptr},
      {"UnitsFrame", "UNITS", nullptr},
      {"UnitsMeter", "", "Speed = Meters per Second, Altitude = Meters, Vert Spd = Meters/Sec"},
      {"UnitKiloMeters", "", "Speed = Kilometers per hour, Altitude = Meters, Vert Spd = Meters/Sec"},
      {"UnitMiles", "", "Speed = MPH,  Altitude = Feet, Temp = Fahrenheit, Vert Spd = Feet per Min"},
      {"UnitsKnots", "", "Speed = Knots,  Altitude = Feet, Temp = Fahrenheit, Vert Spd = Feet per Min"},
  };
  const std::vector<std::string> rates{"Real Time", "75ms", "250ms", "500ms", "1 Sec"};
  const std::vector<const char*> rateTips{"Real Time (15 millisecond) record.  (Needs Dynon EFIS)",
                                          "15 times per second", "4 times per second", "two times per second",
                                          "Once per second"};
  for (std::size_t i = 0; i < rates.size(); ++i) {
    rows.push_back({"EFISUpdateRate_" + std::to_string(i), rates[i], rateTips[i]});
    rows.push_back({"MainUpdateRate_" + std::to_string(i), rates[i], rateTips[i]});
  }
  const std::vector<std::string> screens{"MAIN",
                                         "EMS-10 DATA",
                                         "GR 4000 / GR 6000",
                                         "EFIS FLIGHT INSTRUMENT",
                                         "GPS FLIGHT INSTRUMENT",
                                         "ENGINE FLIGHT INSTRUMENT"};
  for (std::size_t i = 0; i < screens.size(); ++i)
    rows.push_back({"StartupDisplayScreen_" + std::to_string(i), screens[i],
                    "Set the Default startup screen when the program starts"});
  // The three port frames hold the same controls under their device prefix.
  for (const std::string p : {"EFIS", "EMS", "GPS"}) {
    const std::vector<Design> port{
        {p + "_PortFrame", "", nullptr},
        {p + "_COMM", "READ COMM", "Read Data live from the unit via the Comm Port"},
        {p + "_FILE", "READ FILE", "Read pre-recorded data file (Must be exact format as Comm Port"},
        {"RecordFileRaw" + p, "CAPTURE to FILE", nullptr},
        {p + "_COMM_FRAME", "Comm Port", nullptr},
        {p + "_CommPort", "NONE", "Port Number.   BRIGHT GREEN Com Port Receiving data"},
        {p + "_PortSpeed", "115200", nullptr},
        {p + "_PortParity", "NONE", nullptr},
        {p + "_PortDataBits", "8", nullptr},
        {p + "_PortStopBits", "1", nullptr},
        {p + "_PortFlow", "NONE", nullptr},
        {p + "_PortOK", "ACCEPT", "Click to accept these changes"},
        {p + "_FILE_FRAME", "Playback File", nullptr},
        {p + "_ConvertFile", "CONVERT FILE", "Convert a raw data file to a text delimited file"},
        {p + "_LabelDataFile", "DATA FILE", nullptr},
        {p + "_DataFileName", "", ""},
        {p + "_LabelRecords", "RECORDS", nullptr},
        {p + "_RecordCount", "<>", "Number of rrecords in the data file"},
        {p + "_ShowDataButton", "SHOW COMM", "Click to accept these changes"},
        {p + "_ShowFileButton", " SHOW  FILE", "Click to accept these changes"},
        {p + "_ShowDataScreen", " SHOW  DATA", "Goto the display data screen"},
    };
    rows.insert(rows.end(), port.begin(), port.end());

    // Each port list stands beside its caption.
    const std::vector<std::pair<std::string, std::string>> lists{
        {"_CommPort", "Port:"},          {"_PortSpeed", "Speed:"},        {"_PortParity", "Parity:"},
        {"_PortDataBits", "Data Bits:"}, {"_PortStopBits", "Stop Bits:"}, {"_PortFlow", "Flow:"}};
    for (const auto& [list, label] : lists)
      EXPECT_EQ(captionOr(labelBeside(form2, control(form2, p + list), -1)), label) << p + list;
    EXPECT_EQ(control(form2, "RecordFileRaw" + p).caption(), "CAPTURE to FILE");
    EXPECT_EQ(static_cast<CheckBox&>(control(form2, "RecordFileRaw" + p)).value(), 0);
    EXPECT_EQ(control(form2, p + "_PortOK").backColor(), platform::color::ButtonFace);
    EXPECT_FALSE(control(form2, p + "_ProgressBar").visible()) << "shown only while an export runs";
    EXPECT_EQ(control(form2, p + "_FILE").enabled(), p != "GPS");
  }
  checkDesign(form2, rows);

  for (auto* box :
       {&form2.SaveExcelDataFileSize, &form2.SaveEFISCaptureFileSize, &form2.SaveEMSCaptureFileSize})
    EXPECT_NE(labelBeside(form2, *box, +1), nullptr) << box->objectName();
  EXPECT_EQ(captionOr(labelBeside(form2, form2.SaveExcelDataFileSize, +1)),
            "SAVE Newest X GIG of TBRC Record Data files (1 to 100)");
  EXPECT_EQ(captionOr(labelBeside(form2, form2.SaveEFISCaptureFileSize, +1)),
            "SAVE Newest X GIG of EFIS Capture files (1 to 100)");
  EXPECT_EQ(captionOr(labelBeside(form2, form2.SaveEMSCaptureFileSize, +1)),
            "SAVE Newest X MEG of EMS  and GPS Capture files (1 to 100)");
  EXPECT_EQ(captionOr(labelBeside(form2, form2.DataFolder, -1)), "Data Folder :");
}

TEST_F(SettingsScreens, Form2UnitRowsShowTheirWordsUnderTheColumnHeads) {
  const std::vector<std::string> heads{"SPEED",    "DISTANCE",  "TEMPERATURE", "VERT SPEED",
                                       "PRESSURE", "FLOW RATE", "QUANTITY"};
  const std::string psi = "High Pressure (fuel, oil) = PSI,   Low Pressure  (MAP, Altimeter) = inHg";
  const std::string bars =
      "High Pressure (fuel, oil) = Bars,   Low Pressure  (MAP, Altimeter) = mb (millibars)";
  struct Row {
    const OptionButton* option;
    std::vector<std::string> words;
    std::vector<std::string> tips;  // pressure, flow, quantity
  };
  const std::vector<Row> rows{
      {&form2.UnitsMeter,
       {"Meter/Sec", "Meters", "Celsius", "Meter/Min", "Bars - mb", "Lt/Hr", "Liters"},
       {bars, "Flow Rate - Liters per Hour", "Quantity - Liters"}},
      {&form2.UnitKiloMeters,
       {"KiloMeter/Hour", "Meters", "Celsius", "Meter/Min", "Bars - mb", "Lt/Hr", "Liters"},
       {bars, "Flow Rate - Liters per Hour", "Quantity - Liters"}},
      {&form2.UnitMiles,
       {"Miles / Hour", "Feet", "Fahrenheit", "Feet / Minute", "PSI - inHg", "GPH", "Gallons"},
       {psi, "Flow Rate -Gallons Per Hour", "Quantity - Gallons"}},
      {&form2.UnitsKnots,
       {"Knots", "Feet", "Fahrenheit", "Feet / Minute", "PSI - inHg", "GPH", "Gallons"},
       {psi, "Flow Rate -Gallons Per Hour", "Quantity - Gallons"}},
  };
  int lastTop = -1;
  for (const auto& r : rows) {
    EXPECT_GT(r.option->top(), lastTop) << "rows run top to bottom";
    lastTop = r.option->top();
    // Walk the row from the option rightwards.
    const Control* at = r.option;
    for (std::size_t c = 0; c < heads.size(); ++c) {
      at = labelBeside(form2, *at, +1);
      ASSERT_NE(at, nullptr) << r.option->objectName() << " column " << c;
      EXPECT_EQ(at->caption(), r.words[c]) << r.option->objectName();
      EXPECT_EQ(captionOr(columnHead(form2, *at)), heads[c]) << at->objectName();
      if (c >= 4) {
        EXPECT_EQ(at->toolTip(), r.tips[c - 4]) << at->objectName();
      }
    }
  }
}

TEST_F(SettingsScreens, Form13HoldsItsDesignCaptionsTextsAndValues) {
  EXPECT_EQ(form13.caption(), "COMM PORT and CONFIGURATION SETTINGS");
  const char* maxTip = "Maximum Scale Reading (Set to ZERO to disable)";
  const char* filterTip =
      "Filter the Instrument display by a factor of 10 ( the last 10 readings are averaged)";
  std::vector<Design> rows{
      {"COMMSettingButton", "COMM  RECORDER", "Goto the Comm/Recorder Setup screen"},
      {"ApplyConfigButton", "APPLY", "SAVE the Configuration as default"},
      {"CancelButton", "CANCEL", "Cancels changes that were NOT APPLIED"},
      {"ReturnButton", "RETURN", "Return to main menu. SAVE changes "},
      {"AirspeedMarkingFrame", "EFIS / AIRSPEED", nullptr},
      {"EngineMarkingFrame", "ENGINE MONITOR", nullptr},
      {"GPS_Frame", "GPS", nullptr},
      {"AirspeedIndicatorSpeed_0", "Text1", nullptr},
      {"AirspeedIndicatorSpeed_1", "60", "Stall Speed (1 - 999) (Recommend > WHITE)"},
      {"AirspeedIndicatorSpeed_2", "80", "Max Flap Speed (1 - 999)  (Recommend > GREEN)"},
      {"AirspeedIndicatorSpeed_3", "140", "Maneuvering airspeed (1 - 999) (Recommend > YELLOW)"},
      {"AirspeedIndicatorSpeed_4", "210", "Do Not exceed (1 - 999) (Recommend > RED)"},
      {"AirspeedIndicatorSpeed_5", "240", "The maximum value of the indicator (1 - 999)"},
      {"VerticalIndicatorSpeed", "2000",
       "For best display results, set in increments of 1000.  Set to ZERO to hide the display"},
      {"G_Meter_Max", "5", "Displays over a 7 G span i.e. 5 will display -2 to 5, ZERO to hide display"},
      {"AOAMinScale", "15", "Minimum Scale Reading (0 - 99)"},
      {"AOAMaxScale", "40", "Maximum Scale Reading (Set to ZERO to disable) (1 - 99)"},
      {"AOAHighYellow", "22", "Yellow Line Starts (1 - 99)"},
      {"AOAHighRed", "30", "Red Line Starts (1 - 99)"},
      {"EFIS_FilterDisplay", "Filter Display", filterTip},
      {"FilterDisplay", "Filter Display", filterTip},
      {"TachMax", "3000", maxTip},
      {"TachYellowStart", "2200", nullptr},
      {"TachYellowStop", "2300", nullptr},
      {"TachHighYellow", "2650", nullptr},
      {"TachHighRed", "2700", nullptr},
      {"TerrainAlertAltitude", "200",
       "(VALID ONLY FOR GARMIN) Height above terrain at which TERRAIN ALERT goes active (0 - 5000)   ZERO = "
       "Disable "},
      {"ModeCInstalled", "Mode C Installed",
       "The Output unit is installed to send GrayCode to the Transponder"},
      {"DataPressureAltitude", "ALTITUDE", "Altitude before correction is applied"},
      {"ModeCCorrectedAltitude", "CORRECTED", "Altitude after correction is applied"},
  };
  for (int i = 0; i <= 4; ++i)
    rows.push_back({"AirspeedMarkingsColor_" + std::to_string(i), "",
                    "If the airspeed is above this value (1 to 999) then display this color"});
  for (int i = 0; i <= 5; ++i)
    rows.push_back(
        {"DisplayCylinders_" + std::to_string(i), "CYL 1 - 4", "Display CHT and EGT for Cylinder"});
  for (int i = 0; i <= 17; ++i)
    rows.push_back({"ModeCCorrection_" + std::to_string(i), "0",
                    "If Altitude greater than, then add this to the altitude"});
  checkDesign(form13, rows);

  for (auto& combo : form13.AirspeedMarkingsColor) EXPECT_EQ(combo.listCount(), 0) << "colours are typed";
  for (const CheckBox* c : {&form13.EFIS_FilterDisplay, &form13.FilterDisplay}) EXPECT_EQ(c->value(), 1);
  for (auto& c : form13.DisplayCylinders) EXPECT_EQ(c.value(), 1);
  EXPECT_EQ(form13.ModeCInstalled.value(), 0);

  // Airspeed rows: each speed box beside its row caption.
  const std::vector<std::string> rowCaptions{"Start color", "Vs1", "Vfe", "Vno", "Vne", "Indicator"};
  for (int i = 0; i <= 5; ++i)
    EXPECT_EQ(captionOr(labelBeside(form13, form13.AirspeedIndicatorSpeed[i], -1)),
              rowCaptions[static_cast<std::size_t>(i)])
        << "airspeed row " << i;
  EXPECT_EQ(captionOr(labelBeside(form13, form13.Label2[5], -1)), "Maximum");
  EXPECT_EQ(captionOr(headAbove(form13, form13.AirspeedIndicatorSpeed[0])),
            "If Airspeed > XXX,  then display this color");
}

TEST_F(SettingsScreens, Form13EngineLimitsStandInTheirRowAndColumn) {
  auto& f = form13;
  const std::vector<std::string> heads{"MAX SCALE", "RED (HIGH)", "YELLOW",
                                       "YELLOW",    "RED (LOW)",  "MIN SCALE"};
  struct Row {
    std::string caption;
    std::vector<std::pair<TextBox*, std::string>> boxes;  // by column; null where the gauge has none
  };
  const std::vector<Row> rows{
      {"MAN PRES",
       {{&f.ManPresMax, "30"},
        {&f.ManPresHighRed, "17"},
        {&f.ManPresHighYellow, "16"},
        {},
        {},
        {&f.ManPresMin, "0"}}},
      {"Oil Temp",
       {{&f.OilTempMax, "300"},
        {&f.OilTempHighRed, "260"},
        {&f.OilTempHighYellow, "240"},
        {&f.OilTempLowYellow, "140"},
        {&f.OilTempLowRED, "100"}}},
      {"Oil Pres",
       {{&f.OilPresMax, "100"},
        {&f.OilPresHighRed, "80"},
        {&f.OilPresHighYellow, "70"},
        {&f.OilPresLowYellow, "25"},
        {&f.OilPresLowRed, "15"}}},
      {"Voltage",
       {{&f.VoltageMax, "20"},
        {&f.VoltageHighRed, "17"},
        {&f.VoltageHighYellow, "16"},
        {&f.VoltageLowYellow, "12"},
        {&f.VoltageLowRed, "10"}}},
      {"AMPS",
       {{&f.AmpsScaleMax, "60"},
        {&f.AmpsHighRed, "50"},
        {&f.AmpsHighYellow, "40"},
        {&f.AmpsLowYellow, "1"},
        {&f.AmpsLowRed, "-1"}}},
      {"FuelPres",
       {{&f.FuelPresMax, "10"},
        {&f.FuelPresHighRed, "9"},
        {&f.FuelPresHighYellow, "9"},
        {&f.FuelPresLowYellow, "3"},
        {&f.FuelPresLowRed, "2"}}},
      {"FuelFlow",
       {{&f.FuelFlowMax, "15"},
        {&f.FuelFlowHighRed, "14"},
        {&f.FuelFlowHighYellow, "14"},
        {&f.FuelFlowLowYellow, "2"},
        {&f.FuelFlowLowRed, "1"}}},
      {"Fuel Left", {{&f.FuelLeftMax, "25"}, {}, {}, {&f.FuelLeftYellow, "8"}, {&f.FuelLeftRed, "4"}}},
      {"Fuel Right", {{&f.FuelRightMax, "25"}, {}, {}, {&f.FuelRightYellow, "8"}, {&f.FuelRightRed, "4"}}},
      {"CHT",
       {{&f.CHTMax, "550"}, {&f.CHTHighRed, "450"}, {&f.CHTHighYellow, "425"}, {}, {}, {&f.CHTMin, "150"}}},
      {"EGT",
       {{&f.EGTMax, "1600"},
        {&f.EGTHighRed, "1500"},
        {&f.EGTHighYellow, "1400"},
        {},
        {},
        {&f.EGTMin, "800"}}},
  };
  const std::string maxTip = "Maximum Scale Reading (Set to ZERO to disable)";
  for (const auto& r : rows) {
    for (std::size_t c = 0; c < r.boxes.size(); ++c) {
      TextBox* box = r.boxes[c].first;
      if (!box) continue;
      EXPECT_EQ(box->text(), r.boxes[c].second) << box->objectName();
      EXPECT_EQ(box->container(), &f.EngineMarkingFrame) << box->objectName();
      EXPECT_EQ(captionOr(headAbove(f, *box)), heads[c]) << box->objectName();
      // The row caption is the label nearest to the left of the row's first box.
      EXPECT_EQ(captionOr(labelBeside(f, *r.boxes[0].first, -1)), r.caption) << box->objectName();
      EXPECT_EQ(box->top(), r.boxes[0].first->top()) << box->objectName() << " leaves its row";
      if (c == 0) {
        EXPECT_EQ(box->toolTip(), maxTip) << box->objectName();
      }
    }
  }
  // The RPM row has its own heads.
  const std::vector<std::pair<TextBox*, std::string>> tach{{&f.TachMax, "MAX SCALE"},
                                                           {&f.TachYellowStart, "YEL Start"},
                                                           {&f.TachYellowStop, "YEL Stop"},
                                                           {&f.TachHighYellow, "YEL Start"},
                                                           {&f.TachHighRed, "RED Start"}};
  for (const auto& [box, head] : tach) {
    EXPECT_EQ(captionOr(headAbove(f, *box)), head) << box->objectName();
    EXPECT_EQ(box->top(), f.TachMax.top()) << box->objectName();
  }
  EXPECT_EQ(captionOr(labelBeside(f, f.TachMax, -1)), "RPM");
  EXPECT_EQ(captionOr(headAbove(f, f.DisplayCylinders[0])), "CYLINDERS");
  EXPECT_EQ(f.Line1.container(), &f.EngineMarkingFrame);
}

TEST_F(SettingsScreens, Form13ModeCRowsAndCodeLampsFollowTheirCaptions) {
  auto& f = form13;
  const std::vector<std::string> thresholds{"-2,500", "0",      "2,500",  "5,000",  "7,500",  "10,000",
                                            "12,500", "15,000", "17,500", "20,000", "22,500", "25,000",
                                            "27,500", "30,000", "32,500", "35,000", "37,500", "40,000"};
  for (int i = 0; i <= 17; ++i)
    EXPECT_EQ(captionOr(labelBeside(f, f.ModeCCorrection[i], -1)), thresholds[static_cast<std::size_t>(i)])
        << "correction " << i;
  // Lamps in bit order A1 A2 A4 B1 ... D4: left to right under their group caption.
  const std::vector<std::string> groups{"A1 A2 A4", "B1 B2 B4", "C1 C2 C4", "D1 D2 D4"};
  for (int b = 0; b <= 11; ++b) {
    auto& lamp = f.ModeCGrayCode[b];
    EXPECT_EQ(lamp.container(), &f.ModeCFrame);
    EXPECT_EQ(captionOr(headAbove(f, lamp)), groups[static_cast<std::size_t>(b / 3)]) << "bit " << b;
    if (b > 0) {
      EXPECT_GT(lamp.left(), f.ModeCGrayCode[b - 1].left()) << "bit " << b;
    }
    EXPECT_EQ(lamp.fillColor(), platform::color::Green) << "a 0 bit until a code is shown";
  }
  EXPECT_EQ(f.ModeCValid.container(), &f.ModeCFrame);
  EXPECT_EQ(f.TerrainAlertIndicator.container(), &f.GPS_Frame);
  EXPECT_EQ(captionOr(labelBeside(f, f.TerrainAlertAltitude, -1)), "Terrain Alert Height");
}

}  // namespace
