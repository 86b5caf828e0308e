// The set-ups of the EFIS, GPS, combined and Dynon engine data screens, the
// engine limits every engine set-up shares, the sky plot's option click, and
// the callers that run the set-ups. Each case compares the whole screen with
// the screen before the set-up ran, changed only where the set-up writes.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/app.h"
#include "config/config.h"
#include "devices/devices.h"
#include "devices/gps_decoder.h"
#include "platform/numbers.h"
#include "screens/dynon_gauges.h"
#include "screens/form12.h"
#include "screens/form21.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "screens/form8.h"
#include "screens/form9.h"
#include "screens/gr_gauges.h"
#include "screens/screen_setups.h"
#include "screens/screens.h"
#include "settings/form13.h"
#include "settings/form2.h"
#include "support/screen_state.h"
#include "support/test_platform.h"

namespace {

using testsupport::differences;
using testsupport::ScreenState;
using testsupport::screenState;

const char* const kWhite = "&HFFFFFF";
const char* const kRed = "&HFF";
const char* const kGreen = "&H8000";
const char* const kYellow = "&HFFFF";

enum class Units { Meter, KiloMeters, Knots, Miles };

// A caption or tool tip as the screen state shows it.
std::string quoted(const std::string& text) {
  return "\"" + text + "\"";
}

class ScreenSetupsTest : public testsupport::AppTest {
 protected:
  screens::ScreenSetups& setups() { return app->instruments().setups(); }
  settings::form13& limits() { return app->form13(); }
  settings::Form2& options() { return app->form2(); }
  screens::Form8& f8() { return app->form8(); }

  void choose(Units u) {
    settings::Form2& f = options();
    platform::OptionButton* const o[] = {&f.UnitsMeter, &f.UnitKiloMeters, &f.UnitsKnots, &f.UnitMiles};
    o[static_cast<int>(u)]->setValue(true);
  }
  // Form8 with the altitude readout's place, which the set-up moves.
  ScreenState form8State() { return screenState(f8(), {"AltitudeLabel.left"}); }
};

// ---- Form4: the unit tool tips

TEST_F(ScreenSetupsTest, Form4ToolTipsFollowTheUnitSystemAndNothingElseChanges) {
  screens::Form4& f = app->form4();
  f.EMSCHT3.setCaption("380");  // a value on show stays as decoded
  const ScreenState design = screenState(f);

  struct Tip {
    std::string name;
    const char* english;
    const char* metric;
  };
  std::vector<Tip> tips = {
      {"EMSManPres", "Manifold Pressure - Inches of Mecury", "Manifold Pressure - milliBars"},
      {"EMSQuantity1", "Fuel Quantity - Gallons", "Fuel Quantity - Liters"},
      {"EMSQuantity2", "Fuel Quantity - Gallons", "Fuel Quantity - Liters"},
      {"EMSFuelRemaining", "Fuel Remaining Quantity - Gallons", "Fuel Remaining Quantity - Liters"},
      {"EMSFuelFlow", "Fuel Flow - Gallons Per Hour", "Fuel Flow - Liters Per Hour"},
      {"EMSOilPres", "Oil Pressure - PSI", "Oil Pressure - Bars"},
      {"EMSFuelPressure", "Fuel Pressure - PSI", "Fuel Pressure - Bars"},
      {"EMSOilTemp", "Oil Temperature - Deg F", "Oil Temperature - Deg C"},
      {"EMSGPThermocouple", "Temperature - Deg F", "Temperature - Deg C"},
  };
  for (int i = 1; i <= 6; ++i) {
    tips.push_back(
        {"EMSEGT" + std::to_string(i), "Exhaust Gas Temperature - Deg F", "Exhaust Gas Temperature - Deg C"});
    tips.push_back({"EMSCHT" + std::to_string(i), "Cylinder Head Temperature - Deg F",
                    "Cylinder Head Temperature - Deg C"});
  }

  // Metric, English, and metric again: the tips go both ways.
  for (Units u : {Units::Meter, Units::Knots, Units::KiloMeters, Units::Miles, Units::Meter}) {
    const bool english = u == Units::Knots || u == Units::Miles;
    SCOPED_TRACE(static_cast<int>(u));
    choose(u);
    setups().Update_Form4_data();
    ScreenState expected = design;
    for (const Tip& t : tips) expected[t.name]["tip"] = quoted(english ? t.english : t.metric);
    EXPECT_EQ(differences(expected, screenState(f)), "");
    EXPECT_EQ(f.EMSTime.toolTip(), "Time from EMS");
    EXPECT_EQ(f.EMSRPM.toolTip(), "");
  }
}

// ---- Form8: units, vertical speed, airspeed bands, G meter, angle of attack

TEST_F(ScreenSetupsTest, Form8UnitCaptionsByTheChosenOption) {
  const struct {
    Units units;
    const char *speed, *speedTip, *altitude, *climb;
  } cases[] = {
      {Units::Miles, "MPH", "Miles Per Hour", "Feet", "Ft/m"},
      {Units::Meter, "M/Sec", "Meters per second", "Meters", "M/m"},
      {Units::KiloMeters, "Km/Hour", "Kilometers per hour", "Meters", "M/m"},
      {Units::Knots, "Knots", "Knots - Nautical miles per hour", "Feet", "Ft/m"},
  };
  setups().Update_Form8_data();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.speed);
    ScreenState expected = form8State();
    choose(c.units);
    setups().Update_Form8_data();
    expected["AirspeedUnits"]["caption"] = quoted(c.speed);
    expected["AirspeedUnits"]["tip"] = quoted(c.speedTip);
    expected["AltitudeUnits"]["caption"] = quoted(c.altitude);
    expected["AltitudeUnits"]["tip"] = quoted(c.altitude);
    expected["VerticalSpeedGuage_Label"]["units"] = quoted(c.climb);
    EXPECT_EQ(differences(expected, form8State()), "");
  }
}

TEST_F(ScreenSetupsTest, Form8VerticalSpeedScaleOrNoDisplay) {
  const struct {
    const char* text;
    bool shown;
    const char* half;
    double v;
  } cases[] = {
      {"2000", true, "1000", 2000},     {"2500", true, "1250", 2500}, {"1500.5", true, "750.25", 1500.5},
      {" 3 000ft", true, "1500", 3000}, {"0.4", true, "0.2", 0.4},    {"0", false, "", 0},
      {"-1000", false, "", 0},          {"abc", false, "", 0},        {"", false, "", 0},
  };
  const char* const marks[] = {"VertSpdMax_0", "VertSpdMax_1", "VertSpdMid_0", "VertSpdMid_1"};
  for (const auto& c : cases) {
    SCOPED_TRACE(quoted(c.text));
    // From a screen set up with another scale, so a value left alone shows.
    limits().VerticalIndicatorSpeed.setText("1200");
    setups().Update_Form8_data();
    ScreenState expected = form8State();
    limits().VerticalIndicatorSpeed.setText(c.text);
    setups().Update_Form8_data();

    const std::string vis = c.shown ? "1" : "0";
    for (const char* name : {"VerticalSpeedGuage", "VerticalSpeedGuage_Label", "Label3"})
      expected[name]["visible"] = vis;
    for (const char* name : marks) expected[name]["visible"] = vis;
    expected["AltitudeLabel"]["left"] = c.shown ? "480" : "495";
    if (c.shown) {
      for (const char* name : {"VertSpdMax_0", "VertSpdMax_1"}) expected[name]["caption"] = quoted(c.text);
      for (const char* name : {"VertSpdMid_0", "VertSpdMid_1"}) expected[name]["caption"] = quoted(c.half);
      expected["VerticalSpeedGuage"]["max"] = platform::numberText(c.v);
      expected["VerticalSpeedGuage"]["min"] = platform::numberText(-c.v);
    }
    EXPECT_EQ(differences(expected, form8State()), "");
  }
}

TEST_F(ScreenSetupsTest, Form8AirspeedBandsFromTheRows) {
  struct Row {
    const char* speed;
    const char* colour;
  };
  struct Case {
    const char* name;
    std::array<Row, 5> rows;
    // Band colours 1-5 and ends 1-4 afterwards; nullptr where the band stays.
    std::array<const char*, 5> colours;
    std::array<const char*, 4> ends;
  };
  const Case cases[] = {
      {"design texts: row 0 holds Text1, no colour words",
       {{{"Text1", ""}, {"60", ""}, {"80", ""}, {"140", ""}, {"210", ""}}},
       {nullptr, "&H0", "&H0", "&H0", "&H0"},
       {"60", "80", "140", "210"}},
      {"colour words",
       {{{"20", "RED"}, {"61", "WHITE"}, {"81", "GREEN"}, {"141", "YELLOW"}, {"211", "RED"}}},
       {kRed, kWhite, kGreen, kYellow, kRed},
       {"61", "81", "141", "211"}},
      {"a row without a colour word takes the last word above it",
       {{{"20", ""}, {"61", "WHITE"}, {"81", "green"}, {"141", ""}, {"211", "RED"}}},
       {"&H0", kWhite, kWhite, kWhite, kRed},
       {"61", "81", "141", "211"}},
      {"the colour carries through a row whose speed is not applied",
       {{{"0", "YELLOW"}, {"0", "RED"}, {"100", ""}, {"abc", "GREEN"}, {"150", ""}}},
       {nullptr, nullptr, kRed, nullptr, kGreen},
       {nullptr, "100", nullptr, "150"}},
      {"speeds must lie strictly between 1 and 999",
       {{{"1", "RED"}, {"999", "RED"}, {"998", "RED"}, {"1.5", "RED"}, {"1000", "RED"}}},
       {nullptr, nullptr, kRed, kRed, nullptr},
       {nullptr, "998", "1.5", nullptr}},
      {"speeds as typed, fractional, blanks skipped, words after the number",
       {{{" 1 2 ", "WHITE"}, {"55.5", ""}, {"8 0kt", "RED"}, {"-140", "GREEN"}, {"", "YELLOW"}}},
       {kWhite, kWhite, kRed, nullptr, nullptr},
       {"55.5", "80", nullptr, nullptr}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // Every band set to something the case would change: white, ends 10-40.
    const char* const setUpSpeeds[] = {"5", "10", "20", "30", "40"};
    for (int i = 0; i <= 4; ++i) {
      limits().AirspeedIndicatorSpeed[i].setText(setUpSpeeds[i]);
      limits().AirspeedMarkingsColor[i].setText("WHITE");
    }
    setups().Update_Form8_data();
    ScreenState expected = form8State();
    for (std::size_t i = 0; i < 5; ++i) {
      limits().AirspeedIndicatorSpeed[static_cast<int>(i)].setText(c.rows[i].speed);
      limits().AirspeedMarkingsColor[static_cast<int>(i)].setText(c.rows[i].colour);
    }
    setups().Update_Form8_data();

    std::string colours, ends;
    for (std::size_t i = 0; i < 5; ++i)
      colours += (i ? "," : "") + std::string(c.colours[i] ? c.colours[i] : kWhite);
    const char* const before[] = {"10", "20", "30", "40"};
    for (std::size_t i = 0; i < 4; ++i)
      ends += (i ? "," : "") + std::string(c.ends[i] ? c.ends[i] : before[i]);
    expected["AirspeedGuage"]["bands"] = colours;
    expected["AirspeedGuage"]["ends"] = ends;
    EXPECT_EQ(differences(expected, form8State()), "");
  }
}

TEST_F(ScreenSetupsTest, Form8GMeterAndAngleOfAttack) {
  const struct {
    const char *g, *aoaMax, *aoaMin;
    bool gShown;
    std::array<const char*, 8> labels;
    const char *gMin, *gMax;
    bool aoaShown;
    const char *aMin, *aMax;
  } cases[] = {
      {"5", "40", "15", true, {"-2", "-1", "0", "1", "2", "3", "4", "5"}, "-2", "5", true, "15", "40"},
      {"3", "25.5", "abc", true, {"-4", "-3", "-2", "-1", "0", "1", "2", "3"}, "-4", "3", true, "0", "25.5"},
      // Number text of a double: -0.9, never -0.9000000000000004.
      {"0.1",
       "0",
       "15",
       true,
       {"-6.9", "-5.9", "-4.9", "-3.9", "-2.9", "-1.9", "-0.9", "0.1"},
       "-6.9",
       "0.1",
       false,
       nullptr,
       nullptr},
      {"0", "-5", "15", false, {}, nullptr, nullptr, false, nullptr, nullptr},
      {"-3", "x", "15", false, {}, nullptr, nullptr, false, nullptr, nullptr},
      {"G", "", "15", false, {}, nullptr, nullptr, false, nullptr, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.g) + "/" + c.aoaMax);
    limits().G_Meter_Max.setText("6");
    limits().AOAMaxScale.setText("30");
    limits().AOAMinScale.setText("10");
    setups().Update_Form8_data();
    ScreenState expected = form8State();
    limits().G_Meter_Max.setText(c.g);
    limits().AOAMaxScale.setText(c.aoaMax);
    limits().AOAMinScale.setText(c.aoaMin);
    setups().Update_Form8_data();

    for (const char* name : {"VerticalGs", "VerticalGs_Label", "Label1"})
      expected[name]["visible"] = c.gShown ? "1" : "0";
    for (int j = 0; j <= 7; ++j) {
      const std::string name = "VertSpeedLabel_" + std::to_string(j);
      expected[name]["visible"] = c.gShown ? "1" : "0";
      if (c.gShown) expected[name]["caption"] = quoted(c.labels[static_cast<std::size_t>(j)]);
    }
    if (c.gShown) {
      expected["VerticalGs"]["min"] = c.gMin;
      expected["VerticalGs"]["max"] = c.gMax;
    }
    for (const char* name : {"AOAGuage", "AOAGuage_Label", "Label2"})
      expected[name]["visible"] = c.aoaShown ? "1" : "0";
    if (c.aoaShown) {
      expected["AOAGuage"]["min"] = c.aMin;
      expected["AOAGuage"]["max"] = c.aMax;
    }
    EXPECT_EQ(differences(expected, form8State()), "");
  }
}

TEST_F(ScreenSetupsTest, Form8DesignDefaultsAndASecondRunChangesNothing) {
  setups().Update_Form8_data();
  const ScreenState once = form8State();
  setups().Update_Form8_data();
  EXPECT_EQ(differences(once, form8State()), "");

  // Design defaults: VSI +-2000 with 2000 and 1000, G -2 to 5, AOA 15 to 40;
  // no colour word typed, so no band has a colour.
  screens::Form8& f = f8();
  EXPECT_EQ(f.VerticalSpeedGuage.positionMin(), -2000);
  EXPECT_EQ(f.VertSpdMid[1].caption(), "1000");
  EXPECT_EQ(f.VerticalGs.positionMin(), -2);
  EXPECT_EQ(f.VertSpeedLabel[7].caption(), "5");
  EXPECT_EQ(f.AOAGuage.positionMin(), 15);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(f.AirspeedGuage.sectionColor(i), 0u) << i;
  for (platform::Control* c : f.controls())
    EXPECT_TRUE(c->visible() || c == &f.FilePlaybackMode) << c->objectName();
}

// ---- Form9

TEST_F(ScreenSetupsTest, Form9SpeedDialMaximumAndVneAndTheAltimeterSetting) {
  const struct {
    const char *row5, *row4;
    const char *max, *vne;
  } cases[] = {{"240", "210", "240", "210"}, {"300.5", "abc", "300.5", "0"}, {"", "-20", "0", "-20"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row5);
    screens::Form9& f = app->form9();
    f.AltitudeGuage.setBaroSetting(29.92);
    f.AltitudeGuage.setFurther(7);
    const ScreenState before = screenState(f);
    limits().AirspeedIndicatorSpeed[5].setText(c.row5);
    limits().AirspeedIndicatorSpeed[4].setText(c.row4);
    // Rows the screen does not use, and the unit option, change nothing.
    limits().AirspeedIndicatorSpeed[3].setText("1");
    choose(Units::Meter);
    setups().Update_Form9_data();

    ScreenState expected = before;
    expected["AirspeedGuage"]["indicatorMax"] = c.max;
    expected["AirspeedGuage"]["vne"] = c.vne;
    expected["AltitudeGuage"]["baro"] = "30";
    expected["AltitudeGuage"]["further"] = "0";
    EXPECT_EQ(differences(expected, screenState(f)), "");
  }
}

// ---- form12

TEST_F(ScreenSetupsTest, Form12MarksAltimeterFuelBarsAndTheirCaptions) {
  const struct {
    const char *altitude, *baro, *leftMax, *flowMax;
    const char* shownAltitude;
    bool quantity, flow;
  } cases[] = {
      {"12,350", "29.92", "25", "20", "12350", true, true},
      {"5,500", "30.10", "0", "20", "5500", false, true},
      {"850", "", "25", "0", "850", true, false},
      {"", "29.92", "-5", "abc", "0", false, false},
  };
  screens::form12& f = app->form12();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.altitude);
    settings::form13& l = limits();
    l.FuelLeftMax.setText(c.leftMax);
    l.FuelFlowMax.setText(c.flowMax);
    app->form5().GRAltitude.setCaption(c.altitude);
    app->form5().GRBaroSetting.setCaption(c.baro);
    const ScreenState before = screenState(f);
    setups().Update_form12_data();

    ScreenState expected = before;
    expected["AirspeedGuage"]["indicatorMax"] = "240";
    expected["AirspeedGuage"]["vne"] = "210";
    expected["AirspeedGuage"]["vno"] = "140";
    expected["AirspeedGuage"]["vfe"] = "80";
    expected["AirspeedGuage"]["vs1"] = "60";
    expected["AltitudeGuage"]["shown"] = c.shownAltitude;
    expected["AltitudeGuage"]["baro"] = platform::numberText(platform::readNumber(c.baro));
    expected["AltitudeGuage"]["further"] = "0";
    expected["FuelFlowGuage"]["max"] = platform::numberText(platform::readNumber(c.flowMax));
    expected["FuelFlowGuage"]["ends"] = "1,2,14,14";
    expected["FuelQtyGuage"]["max"] = platform::numberText(platform::readNumber(c.leftMax));
    expected["FuelQtyGuage"]["ends"] = "4,8,0,0";
    for (const char* name : {"FuelQtyGuage", "FuelQtyLabel", "iLabelX3"})
      expected[name]["visible"] = c.quantity ? "1" : "0";
    for (const char* name : {"FuelFlowGuage", "FuelFlowLabel", "CHTLabel_8"})
      expected[name]["visible"] = c.flow ? "1" : "0";
    expected["iLabelX8"]["visible"] = c.quantity || c.flow ? "1" : "0";
    EXPECT_EQ(differences(expected, screenState(f)), "");
  }
  // Nothing feeds the value labels: they stay empty rather than show a "0".
  for (platform::GaugeLabel* l : {&f.AirspeedLabel, &f.AltitudeLabel, &f.FuelFlowLabel, &f.FuelQtyLabel})
    EXPECT_EQ(l->caption(), "") << l->name();
}

// ---- The engine limits every engine set-up stores

TEST_F(ScreenSetupsTest, EveryEngineSetUpStoresTheSameLimitsWhicheverRunsLast) {
  using Limits = std::array<std::int16_t, 6>;
  const struct {
    const char* name;
    const char *chtMax, *chtMin, *egtMax, *egtMin, *chtYellow, *egtRed;
    Limits limits;
    float scale;
  } cases[] = {
      {"design defaults", "550", "150", "1600", "800", "425", "1500", {425, 450, 1400, 1500, 150, 800}, 0.5f},
      {"no EGT range", "550", "150", "800", "800", "425", "1500", {425, 450, 1400, 1500, 150, 800}, 0.0f},
      // A quotient beyond the single range is no scale at all: the largest
      // single would make every EGT pointer fail its store.
      {"quotient beyond a single",
       "30000",
       "0",
       "0.0000000000000000000000000000000000000001",
       "0",
       "425",
       "1500",
       {425, 450, 1400, 1500, 0, 0},
       0.0f},
      {"limits beyond 16 bits are held at its ends",
       "550",
       "150",
       "1600",
       "800",
       "40000",
       "-99999",
       {32767, 450, 1400, -32768, 150, 800},
       0.5f},
      {"halves go to the even neighbour",
       "550",
       "150",
       "1600",
       "800",
       "42.5",
       "43.5",
       {42, 450, 1400, 44, 150, 800},
       0.5f},
  };
  const std::vector<std::pair<const char*, std::function<void()>>> setUps = {
      {"Form10", [this] { app->instruments().dynon().Update_Form10_data(); }},
      {"Form11", [this] { app->instruments().grandRapids().Update_Form11_data(); }},
      {"form12", [this] { setups().Update_form12_data(); }},
  };
  for (const auto& c : cases) {
    settings::form13& l = limits();
    l.CHTMax.setText(c.chtMax);
    l.CHTMin.setText(c.chtMin);
    l.EGTMax.setText(c.egtMax);
    l.EGTMin.setText(c.egtMin);
    l.CHTHighYellow.setText(c.chtYellow);
    l.EGTHighRed.setText(c.egtRed);
    for (const auto& [name, run] : setUps) {
      SCOPED_TRACE(std::string(c.name) + ", " + name + " last");
      app->EngineTempLimit = {1, 1, 1, 1, 1, 1};
      app->EGTToCHTScale = 9;
      run();
      EXPECT_EQ(app->EngineTempLimit, c.limits);
      EXPECT_EQ(app->EGTToCHTScale, c.scale);
    }
  }
}

// ---- form21: the marker options

TEST_F(ScreenSetupsTest, AnyMarkerOptionClickHidesTheWholeSkyPlotUntilTheNextCycle) {
  screens::form21& f = app->form21();
  app->NMEASource = true;
  const auto feed = [this](const char* line) {
    app->GPSLine = line;
    app->devices().gps().ParseGPSSentence();
  };
  const auto shownMarkers = [&f] {
    int n = 0;
    for (platform::Label& l : f.GPS_SV_Number) n += l.visible() ? 1 : 0;
    for (platform::Image& m : f.Sat_Green) n += m.visible() ? 1 : 0;
    return n;
  };
  // The option already chosen, then each other one.
  for (int pick : {0, 1, 2, 2, 0}) {
    SCOPED_TRACE(pick);
    for (platform::Label& l : f.GPS_SV_Number) l.setVisible(true);
    for (platform::Image& m : f.Sat_Green) m.setVisible(true);
    f.SatDisplay[pick].click();
    EXPECT_TRUE(f.SatDisplay[pick].value());
    EXPECT_EQ(shownMarkers(), 0);
    // The next cycles draw two satellites again (a cycle is drawn when the
    // next one starts), in the chosen mode: pictures by signal strength, or
    // numbers.
    feed("$GPGSV,1,1,02,01,41,084,47,30,05,010,20*70");
    feed("$GPGSV,1,1,02,01,41,084,47,30,05,010,20*70");
    const bool pictures = pick == 0;
    EXPECT_EQ(f.Sat_Green[1].visible(), pictures);
    EXPECT_EQ(f.Sat_Green[30].visible(), pictures);
    EXPECT_EQ(f.GPS_SV_Number[1].visible(), !pictures);
    EXPECT_EQ(f.GPS_SV_Number[30].visible(), !pictures);
    EXPECT_EQ(shownMarkers(), 2);
  }
  EXPECT_EQ(takeEscapes(), std::vector<std::string>{});
}

// ---- The callers

TEST_F(ScreenSetupsTest, EveryCallerRunsItsSetUps) {
  // Marks that only a set-up run changes back.
  const auto mark = [this] {
    f8().AirspeedUnits.setCaption("unset");
    app->form4().EMSOilTemp.setToolTip("unset");
    app->form9().AltitudeGuage.setBaroSetting(1);
    app->form12().AltitudeGuage.setFurther(1);
  };
  const auto ran = [this] {
    std::string s;
    if (f8().AirspeedUnits.caption() != "unset") s += "Form8 ";
    if (app->form4().EMSOilTemp.toolTip() != "unset") s += "Form4 ";
    if (app->form9().AltitudeGuage.baroSetting() != 1) s += "Form9 ";
    if (app->form12().AltitudeGuage.further() != 1) s += "form12 ";
    return s;
  };
  const std::vector<std::pair<const char*, std::function<void()>>> callers = {
      {"Form8 Form4 ", [this] { app->config().UpdateNow_Click(); }},
      {"Form8 ", [this] { app->form9().Command2.click(); }},
      {"Form9 ", [this] { f8().Command2.click(); }},
      {"Form8 Form9 ", [this] { options().TabStrip1.click(); }},
      {"form12 ",
       [this] {
         options().EMSGRANDRAPIDS.setValue(true);
         app->form12().Command4.click();
         options().EMSDYNON.setValue(true);
       }},
      {"", [this] { app->form21().ShowGPSInstrumentsScreen.click(); }},
  };
  for (const auto& [expected, act] : callers) {
    SCOPED_TRACE(expected);
    mark();
    act();
    EXPECT_EQ(ran(), expected);
  }
}

}  // namespace
