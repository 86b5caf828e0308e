// The Grand Rapids engine gauge screen set-up: dial marks, the altimeter's
// starting values, the rate-of-climb tape, scales and bands, the shared engine
// limits, and which gauges and cylinders show.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "screens/form11.h"
#include "screens/form5.h"
#include "screens/gr_gauges.h"
#include "screens/screens.h"
#include "settings/form13.h"
#include "settings/form2.h"
#include "support/test_platform.h"

namespace {

using Names = std::set<std::string>;

class GrGaugesTest : public testsupport::AppTest {
 protected:
  void setUp() { app->instruments().grandRapids().Update_Form11_data(); }
  settings::form13& limits() { return app->form13(); }
  screens::Form11& g() { return app->form11(); }

  // The object names of every control of the gauge screen that is hidden.
  Names hidden() {
    Names out;
    for (platform::Control* c : g().controls())
      if (!c->visible()) out.insert(c->objectName());
    return out;
  }
};

TEST_F(GrGaugesTest, DesignDefaultsGiveMarksScalesLimitsAndAFullScreen) {
  setUp();
  screens::Form11& s = g();
  EXPECT_EQ(s.AirspeedGuage.indicatorMax(), 240);
  EXPECT_EQ(s.AirspeedGuage.vne(), 210);
  EXPECT_EQ(s.AirspeedGuage.vno(), 140);
  EXPECT_EQ(s.AirspeedGuage.vfe(), 80);
  EXPECT_EQ(s.AirspeedGuage.vs1(), 60);

  EXPECT_EQ(s.VerticalSpeedGuage.positionMax(), 2000);
  EXPECT_EQ(s.VerticalSpeedGuage.positionMin(), -2000);
  for (int i = 0; i <= 1; ++i) {
    EXPECT_EQ(s.VertSpdMax[i].caption(), "2000");
    EXPECT_EQ(s.VertSpdMid[i].caption(), "1000");
  }

  for (platform::LinearGauge& bar : s.CHTGuage) {
    EXPECT_EQ(bar.positionMax(), 550);
    EXPECT_EQ(bar.positionMin(), 150);
  }
  EXPECT_EQ(app->EngineTempLimit, (std::array<std::int16_t, 6>{425, 450, 1400, 1500, 150, 800}));
  EXPECT_EQ(app->EGTToCHTScale, 0.5f);
  EXPECT_EQ(hidden(), Names{});
}

TEST_F(GrGaugesTest, ScalesAndBandsFollowTheTypedLimits) {
  settings::form13& f = limits();
  // Distinct values everywhere, so a limit copied to the wrong place shows.
  f.TachMax.setText("3100");
  f.TachYellowStart.setText("2101");
  f.TachYellowStop.setText("2302");
  f.TachHighYellow.setText("2653");
  f.TachHighRed.setText("2704");
  f.OilPresHighRed.setText("81");
  f.FuelFlowHighYellow.setText("13");
  f.FuelLeftMax.setText("30");
  f.FuelLeftRed.setText("5");
  f.FuelLeftYellow.setText("9");
  // The right tank has no gauge here.
  f.FuelRightMax.setText("99");
  f.FuelRightRed.setText("1");
  f.FuelRightYellow.setText("2");
  setUp();

  struct Scale {
    const char* name;
    platform::ScaledGauge& gauge;
    double max;
    std::vector<double> ends;
  };
  screens::Form11& s = g();
  const Scale scales[] = {
      {"TachGuage", s.TachGuage, 3100, {2101, 2302, 2653, 2704}},
      {"OilPresGuage", s.OilPresGuage, 100, {15, 25, 70, 81}},
      {"OilTempGuage", s.OilTempGuage, 300, {100, 140, 240, 260}},
      {"VoltageGuage", s.VoltageGuage, 20, {10, 12, 16, 17}},
      {"FuelFlowGuage", s.FuelFlowGuage, 15, {1, 2, 13, 14}},
      {"FuelQtyGuage", s.FuelQtyGuage, 30, {5, 9}},
  };
  for (const Scale& c : scales) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.gauge.positionMax(), c.max);
    EXPECT_EQ(c.gauge.positionMin(), 0);
    for (std::size_t i = 0; i < c.ends.size(); ++i)
      EXPECT_EQ(c.gauge.sectionEnd(static_cast<int>(i) + 1), c.ends[i]) << "end " << i + 1;
  }
  // Bands the set-up does not set keep their designed colours and count.
  EXPECT_EQ(s.FuelQtyGuage.sectionCount(), 3);
  EXPECT_EQ(s.TachGuage.sectionCount(), 5);
}

TEST_F(GrGaugesTest, AltimeterStartsFromTheEngineDataScreen) {
  struct Case {
    const char* altitude;
    const char* baro;
    double feet;
    double inches;
  };
  for (const Case& c : {Case{"17,500", "29.92", 17500, 29.92}, Case{"850", "30.10", 850, 30.10},
                        Case{"", "", 0, 0}, Case{"1,234,560", "00.05", 1234560, 0.05}}) {
    SCOPED_TRACE(c.altitude);
    app->form5().GRAltitude.setCaption(c.altitude);
    app->form5().GRBaroSetting.setCaption(c.baro);
    g().AltitudeGuage.setFurther(7);
    setUp();
    EXPECT_EQ(g().AltitudeGuage.further(), 0);
    EXPECT_EQ(g().AltitudeGuage.altitude(), c.feet);
    EXPECT_DOUBLE_EQ(g().AltitudeGuage.baroSetting(), c.inches);
  }
}

TEST_F(GrGaugesTest, RateOfClimbTapeSpansTheTypedSpeed) {
  struct Case {
    const char* typed;
    double span;
    const char* half;
  };
  for (const Case& c : {Case{"1500", 1500, "750"}, Case{"333", 333, "166.5"}, Case{" 1 500", 1500, "750"},
                        Case{"2500.5", 2500.5, "1250.25"}, Case{"1000 ft", 1000, "500"}}) {
    SCOPED_TRACE(c.typed);
    limits().VerticalIndicatorSpeed.setText(c.typed);
    setUp();
    screens::Form11& s = g();
    EXPECT_EQ(s.VerticalSpeedGuage.positionMax(), c.span);
    EXPECT_EQ(s.VerticalSpeedGuage.positionMin(), -c.span);
    for (int i = 0; i <= 1; ++i) {
      // The full-scale marks show the text as typed, the half-scale marks the number.
      EXPECT_EQ(s.VertSpdMax[i].caption(), c.typed);
      EXPECT_EQ(s.VertSpdMid[i].caption(), c.half);
    }
    EXPECT_EQ(hidden(), Names{});
  }
}

TEST_F(GrGaugesTest, RateOfClimbTapeHidesWhenItsSpeedIsNotAboveZero) {
  const Names tape{"VerticalSpeedGuage", "VerticalSpeedLabel", "VertLabel",   "VertSpdMax_0",
                   "VertSpdMax_1",       "VertSpdMid_0",       "VertSpdMid_1"};
  for (const char* typed : {"0", "-5", "", "abc"}) {
    SCOPED_TRACE(typed);
    limits().VerticalIndicatorSpeed.setText("1500");
    setUp();
    limits().VerticalIndicatorSpeed.setText(typed);
    limits().AirspeedIndicatorSpeed[5].setText("250");
    setUp();
    EXPECT_EQ(hidden(), tape);
    // Scale and marks keep their last values; the dials are still set.
    EXPECT_EQ(g().VerticalSpeedGuage.positionMax(), 1500);
    EXPECT_EQ(g().VertSpdMid[0].caption(), "750");
    EXPECT_EQ(g().AirspeedGuage.indicatorMax(), 250);
    limits().AirspeedIndicatorSpeed[5].setText("240");
  }
  limits().VerticalIndicatorSpeed.setText("2000");
  setUp();
  EXPECT_EQ(hidden(), Names{});
}

TEST_F(GrGaugesTest, GaugeGroupsShowOnlyWhileTheirMaximumIsAboveZero) {
  struct Case {
    std::vector<std::pair<platform::TextBox settings::form13::*, const char*>> typed;
    Names hidden;
  };
  using F = settings::form13;
  const Case cases[] = {
      {{{&F::OilTempMax, "0"}}, {"OilTempGuage", "OilTempLabel", "iLabelX7"}},
      {{{&F::OilPresMax, "-5"}}, {"OilPresGuage", "OilPresLabel", "iLabelX4"}},
      {{{&F::TachMax, "abc"}}, {"TachGuage", "TachLabel", "iLabelX2"}},
      {{{&F::VoltageMax, ""}}, {"VoltageGuage", "VoltageLabel", "CHTLabel_7"}},
      // "FUEL" stays while the flow bar shows, and the other way round.
      {{{&F::FuelLeftMax, "0"}}, {"FuelQtyGuage", "FuelQtyLabel", "iLabelX3"}},
      {{{&F::FuelFlowMax, "0"}}, {"FuelFlowGuage", "FuelFlowLabel", "CHTLabel_8"}},
      {{{&F::FuelLeftMax, "0"}, {&F::FuelFlowMax, "0"}},
       {"FuelQtyGuage", "FuelQtyLabel", "iLabelX3", "FuelFlowGuage", "FuelFlowLabel", "CHTLabel_8",
        "iLabelX8"}},
      // Limits without a gauge on this screen hide nothing.
      {{{&F::FuelRightMax, "0"}, {&F::ManPresMax, "0"}, {&F::AmpsScaleMax, "0"}, {&F::FuelPresMax, "0"}}, {}},
      {{{&F::OilTempMax, "0.01"}}, {}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> before;
    for (const auto& [box, text] : c.typed) {
      before.push_back((limits().*box).text());
      (limits().*box).setText(text);
    }
    setUp();
    EXPECT_EQ(hidden(), c.hidden) << "first limit typed: " << c.typed.front().second;
    for (std::size_t i = 0; i < c.typed.size(); ++i) (limits().*c.typed[i].first).setText(before[i]);
  }
}

TEST_F(GrGaugesTest, CylindersFollowTheTicksAndTheMonitorType) {
  struct Case {
    const char* name;
    bool gr2000;
    std::array<int, 6> ticks;
    Names hidden;
  };
  const auto cylinders = [](std::initializer_list<int> numbers) {
    Names out;
    for (int i : numbers)
      for (const char* n : {"CHTGuage_", "EGTLabel_", "CHTLabel_"}) out.insert(n + std::to_string(i));
    return out;
  };
  const auto plus = [](Names a, const Names& b) {
    a.insert(b.begin(), b.end());
    return a;
  };
  const Names captions{"iLabelX10", "iLabelX11"};
  const Case cases[] = {
      {"all ticked, 4000 / 6000", false, {1, 1, 1, 1, 1, 1}, {}},
      {"all ticked, 2000", true, {1, 1, 1, 1, 1, 1}, cylinders({2, 3, 4, 5})},
      {"none ticked", false, {0, 0, 0, 0, 0, 0}, plus(cylinders({0, 1, 2, 3, 4, 5}), captions)},
      {"only cylinder 4", false, {0, 0, 0, 1, 0, 0}, cylinders({0, 1, 2, 4, 5})},
      {"greyed is not ticked", false, {2, 1, 1, 1, 1, 1}, cylinders({0})},
      // The captions keep what the ticks gave, though the 2000 hides cylinder 4.
      {"only cylinder 4, 2000", true, {0, 0, 0, 1, 0, 0}, cylinders({0, 1, 2, 3, 4, 5})},
      {"only cylinder 2, 2000", true, {0, 1, 0, 0, 0, 0}, cylinders({0, 2, 3, 4, 5})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.gr2000 ? app->form2().EMSGR2000.setValue(true) : app->form2().EMSGRANDRAPIDS.setValue(true);
    for (int i = 0; i <= 5; ++i) limits().DisplayCylinders[i].setValue(c.ticks[static_cast<std::size_t>(i)]);
    setUp();
    EXPECT_EQ(hidden(), c.hidden);
  }
}

TEST_F(GrGaugesTest, StoredLimitsRoundHalvesToEvenAndNeverFail) {
  struct Case {
    const char* typed;
    std::int16_t stored;
  };
  const std::string huge(400, '9');
  for (const Case& c :
       {Case{"42.5", 42}, Case{"43.5", 44}, Case{"425.49", 425}, Case{"-0.5", 0}, Case{"40000", 32767},
        Case{"-40000", -32768}, Case{"32767.5", 32767}, Case{huge.c_str(), 32767}, Case{"abc", 0}}) {
    SCOPED_TRACE(c.typed);
    for (platform::TextBox* box : {&limits().CHTHighYellow, &limits().CHTHighRed, &limits().EGTHighYellow,
                                   &limits().EGTHighRed, &limits().CHTMin, &limits().EGTMin})
      box->setText(c.typed);
    setUp();
    for (std::int16_t v : app->EngineTempLimit) EXPECT_EQ(v, c.stored);
  }
}

TEST_F(GrGaugesTest, EachLimitIsStoredInItsOwnPlace) {
  settings::form13& f = limits();
  f.CHTHighYellow.setText("421");
  f.CHTHighRed.setText("452");
  f.EGTHighYellow.setText("1403");
  f.EGTHighRed.setText("1504");
  f.CHTMin.setText("155");
  f.EGTMin.setText("806");
  setUp();
  EXPECT_EQ(app->EngineTempLimit, (std::array<std::int16_t, 6>{421, 452, 1403, 1504, 155, 806}));
}

TEST_F(GrGaugesTest, EgtToChtScaleFromTheLimitsAsTyped) {
  struct Case {
    const char* chtMax;
    const char* chtMin;
    const char* egtMax;
    const char* egtMin;
    float scale;
  };
  for (const Case& c : {Case{"500", "100", "1800", "1000", 0.5f},
                        // From the numbers as read, not the stored integers.
                        Case{"500.5", "100", "1800", "1000.5", static_cast<float>(400.5 / 799.5)},
                        // A reversed EGT range is stored as it comes.
                        Case{"500", "100", "1000", "1800", -0.5f},
                        // No EGT range: the scale is 0 and the set-up goes on.
                        Case{"550", "150", "800", "800", 0.0f}, Case{"550", "150", "", "abc", 0.0f}}) {
    SCOPED_TRACE(c.egtMax);
    limits().CHTMax.setText(c.chtMax);
    limits().CHTMin.setText(c.chtMin);
    limits().EGTMax.setText(c.egtMax);
    limits().EGTMin.setText(c.egtMin);
    limits().VoltageMax.setText("0");
    setUp();
    EXPECT_EQ(app->EGTToCHTScale, c.scale);
    EXPECT_EQ(g().VoltageGuage.visible(), false);
    limits().VoltageMax.setText("20");
  }
}

TEST_F(GrGaugesTest, UnitOptionChangesNothingOnTheScreen) {
  const auto snapshot = [this] {
    std::map<std::string, std::pair<std::string, std::string>> out;
    for (platform::Control* c : g().controls()) out[c->objectName()] = {c->caption(), c->toolTip()};
    return out;
  };
  app->form2().UnitsKnots.setValue(true);
  setUp();
  const auto imperial = snapshot();
  app->form2().UnitsMeter.setValue(true);
  setUp();
  EXPECT_EQ(snapshot(), imperial);
  EXPECT_EQ(g().AirspeedGuage.toolTip(), "Airspeed from GR");
  EXPECT_EQ(g().AltitudeGuage.toolTip(), "Altitude and Berometer setting from GR");
}

}  // namespace
