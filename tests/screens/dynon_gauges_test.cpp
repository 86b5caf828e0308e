// The Dynon engine gauge screen: its set-up from the instrument limits and
// the unit option, and the gauge drive from the engine data screen's captions
// (colours by the limits, EGT pointers by the scale, smoothing of live data).

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "platform/vb.h"
#include "screens/dynon_gauges.h"
#include "screens/form10.h"
#include "screens/form4.h"
#include "screens/screens.h"
#include "settings/form13.h"
#include "settings/form2.h"
#include "support/test_platform.h"

namespace {

namespace color = platform::color;
using platform::Control;

class DynonGaugeScreen : public testsupport::AppTest {
 protected:
  screens::DynonGauges& gauges() { return app->instruments().dynon(); }
  screens::Form10& g() { return app->form10(); }
  screens::Form4& data() { return app->form4(); }
  settings::form13& limits() { return app->form13(); }
  void setUp() { gauges().Update_Form10_data(); }
  void noSmoothing() { limits().FilterDisplay.setValue(0); }
  // Every cylinder's CHT and EGT caption.
  void cylinders(const std::array<const char*, 6>& cht, const std::array<const char*, 6>& egt) {
    platform::Label* c[6] = {&data().EMSCHT1, &data().EMSCHT2, &data().EMSCHT3,
                             &data().EMSCHT4, &data().EMSCHT5, &data().EMSCHT6};
    platform::Label* e[6] = {&data().EMSEGT1, &data().EMSEGT2, &data().EMSEGT3,
                             &data().EMSEGT4, &data().EMSEGT5, &data().EMSEGT6};
    for (std::size_t i = 0; i < 6; ++i) {
      c[i]->setCaption(cht[i]);
      e[i]->setCaption(egt[i]);
    }
  }
  // Names of the controls of the screen that are hidden.
  std::vector<std::string> hidden() {
    std::vector<std::string> names;
    for (Control* c : g().controls())
      if (!c->visible() && c->name() != "FilePlaybackMode") names.push_back(c->objectName());
    return names;
  }
};

// --- Set-up -----------------------------------------------------------------

TEST_F(DynonGaugeScreen, SetUpWithDesignLimits_ShowsEverythingAndStoresTheEngineLimits) {
  setUp();
  EXPECT_TRUE(hidden().empty()) << ::testing::PrintToString(hidden());
  EXPECT_EQ(app->EngineTempLimit, (std::array<std::int16_t, 6>{425, 450, 1400, 1500, 150, 800}));
  EXPECT_FLOAT_EQ(app->EGTToCHTScale, 0.5f);  // (550 - 150) / (1600 - 800)

  EXPECT_EQ(g().ManifoldPressureGuage.positionMin(), 0);
  EXPECT_EQ(g().ManifoldPressureGuage.positionMax(), 30);
  EXPECT_EQ(g().ManifoldPressureGuage.sectionEnd(1), 16);
  EXPECT_EQ(g().ManifoldPressureGuage.sectionEnd(2), 17);
  const std::array<double, 5> tach{3000, 2200, 2300, 2650, 2700};
  EXPECT_EQ(g().TachGuage.positionMax(), tach[0]);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(g().TachGuage.sectionEnd(i), tach[static_cast<std::size_t>(i)]);
  // Five bands: max, then low red, low yellow, high yellow, high red.
  const struct {
    platform::ScaledGauge& gauge;
    std::array<double, 5> expected;
  } bands[] = {{g().OilPresGuage, {100, 15, 25, 70, 80}}, {g().OilTempGuage, {300, 100, 140, 240, 260}},
               {g().VoltageGuage, {20, 10, 12, 16, 17}},  {g().AmpsGuage, {60, -1, 1, 40, 50}},
               {g().FuelPresGuage, {10, 2, 3, 9, 9}},     {g().FuelFlowGuage, {15, 1, 2, 14, 14}}};
  for (const auto& b : bands) {
    SCOPED_TRACE(b.gauge.name());
    EXPECT_EQ(b.gauge.positionMax(), b.expected[0]);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(b.gauge.sectionEnd(i), b.expected[static_cast<std::size_t>(i)]);
  }
  EXPECT_EQ(g().AmpsGuage.positionMin(), -60);
  EXPECT_EQ(g().OilTempGuage.positionMin(), 0);  // designed minimum kept
  for (platform::AngularGauge* tank : {&g().FuelQtyLeftGuage, &g().FuelQtyRightGuage}) {
    EXPECT_EQ(tank->positionMax(), 25);
    EXPECT_EQ(tank->sectionEnd(1), 4);
    EXPECT_EQ(tank->sectionEnd(2), 8);
  }
  for (platform::LinearGauge& bar : g().CHTGuage) {
    EXPECT_EQ(bar.positionMin(), 150);
    EXPECT_EQ(bar.positionMax(), 550);
  }
}

TEST_F(DynonGaugeScreen, MaximumOfZeroOrLessHidesExactlyItsGroup) {
  const struct {
    platform::TextBox& max;
    std::string text;
    std::vector<std::string> hidden;
  } cases[] = {
      {limits().VoltageMax, "0", {"VoltageGuage", "VoltageLabel", "CHTLabel_7"}},
      {limits().OilTempMax, "-5", {"OilTempGuage", "OilTempLabel", "iLabelX7"}},
      {limits().OilPresMax, "", {"OilPresGuage", "OilPresLabel", "iLabelX4"}},
      {limits().ManPresMax, "abc", {"ManifoldPressureGuage", "ManifoldPressureLabel", "iLabelX1"}},
      {limits().TachMax, "0", {"TachGuage", "TachLabel", "iLabelX2"}},
      {limits().AmpsScaleMax, "0", {"AmpsGuage", "AmpsLabel", "CHTLabel_9"}},
      {limits().FuelLeftMax, "0", {"FuelQtyLeftGuage", "FuelQtyLeftLabel", "CHTLabel_10"}},
      {limits().FuelRightMax, "0", {"FuelQtyRightGuage", "FuelQtyRightLabel", "CHTLabel_11"}},
      {limits().FuelPresMax, "0", {"FuelPresGuage", "FuelPresLabel", "CHTLabel_6"}},
      {limits().FuelFlowMax, "0", {"FuelFlowGuage", "FuelFlowLabel", "CHTLabel_8"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.max.name() + "=" + c.text);
    const std::string old = c.max.text();
    c.max.setText(c.text);
    setUp();
    std::vector<std::string> h = hidden();
    std::vector<std::string> want = c.hidden;
    std::sort(h.begin(), h.end());
    std::sort(want.begin(), want.end());
    EXPECT_EQ(h, want);
    c.max.setText(old);
    setUp();
    EXPECT_TRUE(hidden().empty());
  }
}

TEST_F(DynonGaugeScreen, FuelCaptionsFollowTheirGroups) {
  limits().FuelLeftMax.setText("0");
  setUp();
  EXPECT_TRUE(g().iLabelX3.visible());  // "QUANTITY": the right tank is still shown
  EXPECT_TRUE(g().iLabelX8.visible());  // "FUEL"
  limits().FuelRightMax.setText("0");
  setUp();
  EXPECT_FALSE(g().iLabelX3.visible());
  EXPECT_TRUE(g().iLabelX8.visible());
  limits().FuelPresMax.setText("0");
  limits().FuelFlowMax.setText("0");
  setUp();
  EXPECT_FALSE(g().iLabelX8.visible());
  limits().FuelFlowMax.setText("15");
  setUp();
  EXPECT_TRUE(g().iLabelX8.visible());
  EXPECT_FALSE(g().iLabelX3.visible());
}

TEST_F(DynonGaugeScreen, CylindersFollowTheirTickBoxes) {
  for (platform::CheckBox& box : limits().DisplayCylinders) box.setValue(0);
  setUp();
  EXPECT_EQ(hidden().size(), 20u);  // 6 bars, 12 value labels, "CHT" and "EGT"
  EXPECT_FALSE(g().iLabelX10.visible());
  EXPECT_FALSE(g().iLabelX11.visible());

  limits().DisplayCylinders[3].setValue(1);
  setUp();
  for (int i = 0; i <= 5; ++i) {
    EXPECT_EQ(g().CHTGuage[i].visible(), i == 3) << i;
    EXPECT_EQ(g().CHTLabel[i].visible(), i == 3) << i;
    EXPECT_EQ(g().EGTLabel[i].visible(), i == 3) << i;
  }
  EXPECT_TRUE(g().iLabelX10.visible());
  EXPECT_TRUE(g().iLabelX11.visible());

  limits().DisplayCylinders[3].setValue(2);  // greyed is not ticked
  setUp();
  EXPECT_FALSE(g().CHTGuage[3].visible());
}

TEST_F(DynonGaugeScreen, ColourLimitsRoundToEvenAndAreHeldInSixteenBits) {
  const struct {
    const char* text;
    std::int16_t stored;
  } cases[] = {{"42.5", 42},
               {"43.5", 44},
               {"425.4", 425},
               {"-3.5", -4},
               {"", 0},
               {"2,500", 2},
               {"40000", 32767},
               {"-40000", -32768},
               {"32767.4", 32767},
               {"99999999999999999999", 32767}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    limits().CHTHighYellow.setText(c.text);
    limits().EGTMin.setText(c.text);
    setUp();
    EXPECT_EQ(app->EngineTempLimit[screens::kCHTHighYellow], c.stored);
    EXPECT_EQ(app->EngineTempLimit[screens::kEGTMin], c.stored);
    // The set-up ran to its end.
    EXPECT_EQ(g().CHTLabel[5].toolTip(), "Cylinder Head Temperature - Deg F");
  }
}

TEST_F(DynonGaugeScreen, EGTToCHTScaleFromTheLimitsAsTyped) {
  const struct {
    const char *chtMax, *chtMin, *egtMax, *egtMin;
    float scale;
  } cases[] = {
      {"500", "100", "1800", "1000", 0.5f},
      {"550", "150", "800", "1600", -0.5f},            // EGT maximum below its minimum
      {"550.5", "150", "1600.5", "800.5", 0.500625f},  // 400.5 / 800, not from the integers
      {"550", "150", "1600", "1600", 0.0f},            // no EGT range
      {"550", "150", "", "", 0.0f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.egtMax) + "/" + c.egtMin);
    limits().CHTMax.setText(c.chtMax);
    limits().CHTMin.setText(c.chtMin);
    limits().EGTMax.setText(c.egtMax);
    limits().EGTMin.setText(c.egtMin);
    app->form2().UnitsMeter.setValue(true);
    setUp();
    EXPECT_FLOAT_EQ(app->EGTToCHTScale, c.scale);
    // Every step after the scale still runs.
    EXPECT_EQ(g().iLabelX1.caption(), "mB");
    app->form2().UnitsKnots.setValue(true);
  }
}

TEST_F(DynonGaugeScreen, UnitOption_SetsUnitCaptionPrecisionAndToolTipsButNoScale) {
  app->form2().UnitsMeter.setValue(true);
  setUp();
  EXPECT_EQ(g().iLabelX1.caption(), "mB");
  EXPECT_EQ(g().ManifoldPressureLabel.precision(), 0);
  const struct {
    Control& control;
    const char* metric;
    const char* english;
  } tips[] = {
      {g().ManifoldPressureGuage, "Manifold Pressure - milliBars", "Manifold Pressure - Inches of Mecury"},
      {g().ManifoldPressureLabel, "Manifold Pressure - milliBars", "Manifold Pressure - Inches of Mecury"},
      {g().FuelQtyRightLabel, "Fuel Quantity - Liters", "Fuel Quantity - Gallons"},
      {g().FuelQtyLeftLabel, "Fuel Quantity - Liters", "Fuel Quantity - Gallons"},
      {g().iLabelX3, "Fuel Quantity - Liters", "Fuel Quantity - Gallons"},
      {g().FuelFlowLabel, "Fuel Flow - Liters Per Hour", "Fuel Flow - Gallons Per Hour"},
      {g().CHTLabel[8], "Fuel Flow - Liters Per Hour", "Fuel Flow - Gallons Per Hour"},
      {g().OilPresLabel, "Oil Pressure - Bars", "Oil Pressure - PSI"},
      {g().iLabelX4, "Oil Pressure - Bars", "Oil Pressure - PSI"},
      {g().OilPresGuage, "Oil Pressure - Bars", "Oil Pressure - PSI"},
      {g().FuelPresLabel, "Fuel Pressure - Bars", "Fuel Pressure - PSI"},
      {g().CHTLabel[6], "Fuel Pressure - Bars", "Fuel Pressure - PSI"},
      {g().OilTempLabel, "Oil Temperature - Deg C", "Oil Temperature - Deg F"},
      {g().iLabelX7, "Oil Temperature - Deg C", "Oil Temperature - Deg F"},
      {g().OilTempGuage, "Oil Temperature - Deg C", "Oil Temperature - Deg F"},
      {g().iLabelX11, "Exhaust Gas Temperature - Deg C", "Exhaust Gas Temperature - Deg F"},
      {g().iLabelX10, "Cylinder Head Temperature - Deg C", "Cylinder Head Temperature - Deg F"},
      {g().EGTLabel[0], "Exhaust Gas Temperature - Deg C", "Exhaust Gas Temperature - Deg F"},
      {g().EGTLabel[5], "Exhaust Gas Temperature - Deg C", "Exhaust Gas Temperature - Deg F"},
      {g().CHTLabel[0], "Cylinder Head Temperature - Deg C", "Cylinder Head Temperature - Deg F"},
      {g().CHTLabel[5], "Cylinder Head Temperature - Deg C", "Cylinder Head Temperature - Deg F"},
  };
  for (const auto& t : tips) EXPECT_EQ(t.control.toolTip(), t.metric) << t.control.objectName();
  EXPECT_EQ(g().TachGuage.toolTip(), "");
  EXPECT_EQ(g().CHTGuage[0].toolTip(), "");
  EXPECT_EQ(g().OilTempGuage.positionMax(), 300);  // limits are used as typed

  app->form2().UnitMiles.setValue(true);
  setUp();
  EXPECT_EQ(g().iLabelX1.caption(), "in Hg");
  EXPECT_EQ(g().ManifoldPressureLabel.precision(), 2);
  for (const auto& t : tips) EXPECT_EQ(t.control.toolTip(), t.english) << t.control.objectName();
}

// --- Gauge drive ------------------------------------------------------------

TEST_F(DynonGaugeScreen, EveryReadingReachesItsGaugeAndLabel) {
  noSmoothing();
  screens::Form4& d = data();
  d.EMSManPres.setCaption("29.92");
  d.EMSRPM.setCaption("2450");
  d.EMSOilPres.setCaption("45.4");
  d.EMSOilTemp.setCaption("187");
  d.EMSVoltage.setCaption("13.8");
  d.EMSAmps.setCaption("-05");
  d.EMSFuelPressure.setCaption("4.5");
  d.EMSFuelFlow.setCaption("12.5");
  d.EMSQuantity1.setCaption("18.0");
  d.EMSQuantity2.setCaption("17.5 gal");  // reading stops at the first other character
  gauges().PopulateEMSGuages();

  EXPECT_EQ(g().ManifoldPressureGuage.position(), static_cast<double>(29.92f));
  EXPECT_EQ(g().ManifoldPressureLabel.value(), static_cast<double>(29.92f));
  EXPECT_EQ(g().TachGuage.position(), 2450);
  EXPECT_EQ(g().TachLabel.value(), 2450);
  EXPECT_EQ(g().OilPresGuage.position(), static_cast<double>(45.4f));
  EXPECT_EQ(g().OilTempGuage.position(), 187);
  EXPECT_EQ(g().OilTempLabel.caption(), "187");
  const struct {
    platform::LinearGauge& bar;
    double value;
  } bars[] = {{g().VoltageGuage, static_cast<double>(13.8f)},
              {g().AmpsGuage, -5},
              {g().FuelPresGuage, 4.5},
              {g().FuelFlowGuage, 12.5}};
  for (const auto& b : bars) {
    EXPECT_EQ(b.bar.position(), b.value) << b.bar.name();
    EXPECT_EQ(b.bar.additionalPointerPosition(1), b.value) << b.bar.name();
  }
  EXPECT_EQ(g().VoltageLabel.caption(), "13.8");
  EXPECT_EQ(g().AmpsLabel.caption(), "-5");
  EXPECT_EQ(g().FuelPresLabel.caption(), "4.5");
  EXPECT_EQ(g().OilPresLabel.caption(), "45");
  EXPECT_EQ(g().FuelFlowLabel.caption(), "12.5");
  EXPECT_EQ(g().FuelQtyLeftGuage.position(), 18);
  EXPECT_EQ(g().FuelQtyLeftLabel.caption(), "18.0");
  EXPECT_EQ(g().FuelQtyRightGuage.position(), 17.5);
  EXPECT_EQ(g().FuelQtyRightLabel.caption(), "17.5");

  // Empty captions read 0.
  d.EMSOilTemp.setCaption("");
  d.EMSRPM.setCaption("abc");
  gauges().PopulateEMSGuages();
  EXPECT_EQ(g().OilTempGuage.position(), 0);
  EXPECT_EQ(g().OilTempLabel.caption(), "0");
  EXPECT_EQ(g().TachGuage.position(), 0);
}

TEST_F(DynonGaugeScreen, PressureLabelsTakeMoreDecimalsInMetricUnits) {
  noSmoothing();
  data().EMSOilPres.setCaption("3.1");
  data().EMSFuelPressure.setCaption("0.3");
  app->form2().UnitsMeter.setValue(true);
  gauges().PopulateEMSGuages();
  EXPECT_EQ(g().OilPresLabel.caption(), "3.1");
  EXPECT_EQ(g().FuelPresLabel.caption(), "0.30");
  app->form2().UnitsKnots.setValue(true);
  gauges().PopulateEMSGuages();
  EXPECT_EQ(g().OilPresLabel.caption(), "3");
  EXPECT_EQ(g().FuelPresLabel.caption(), "0.3");
}

TEST_F(DynonGaugeScreen, CHTBarColourAndEGTPointerColour_PassALimitOnlyAboveIt) {
  setUp();  // CHT yellow above 425, red above 450; EGT yellow above 1400, red above 1500
  noSmoothing();
  cylinders({"424.9", "425", "425.1", "450", "450.5", "451"},
            {"1400", "1400.5", "1401", "1500", "1500.5", "1501"});
  gauges().PopulateEMSGuages();
  const std::array<platform::OleColor, 6> bar{color::Green,  color::Green, color::Yellow,
                                              color::Yellow, color::Red,   color::Red};
  const std::array<platform::OleColor, 6> egt{color::White,  color::Yellow, color::Yellow,
                                              color::Yellow, color::Red,    color::Red};
  for (int i = 0; i <= 5; ++i) {
    const auto k = static_cast<std::size_t>(i);
    EXPECT_EQ(g().CHTGuage[i].pointerColor(), bar[k]) << i;
    EXPECT_EQ(g().CHTGuage[i].additionalPointerColor(1), egt[k]) << i;
    EXPECT_EQ(g().CHTGuage[i].additionalPointerColor(2), egt[k]) << i;
  }
  EXPECT_EQ(g().CHTGuage[0].position(), static_cast<double>(424.9f));
  EXPECT_EQ(g().CHTLabel[0].caption(), "425");
  EXPECT_EQ(g().EGTLabel[1].caption(), "1401");  // 1400.5 in "###0", half away from zero
}

TEST_F(DynonGaugeScreen, EGTPointersSitOnTheCHTBarByTheScale) {
  setUp();  // EGT 800 at CHT 150, scale 0.5
  noSmoothing();
  // (e - 800) x 0.5 + 150, rounded to even: 1200 -> 350, 1201 -> 350.5 -> 350,
  // 1203 -> 351.5 -> 352, 0 -> -250 (below the bar), 1600 -> 550, 800 -> 150.
  cylinders({"300", "300", "300", "300", "300", "300"}, {"1200", "1201", "1203", "0", "1600", "800"});
  gauges().PopulateEMSGuages();
  const std::array<double, 6> place{350, 350, 352, -250, 550, 150};
  for (int i = 0; i <= 5; ++i) {
    EXPECT_EQ(g().CHTGuage[i].additionalPointerPosition(1), place[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(g().CHTGuage[i].additionalPointerPosition(2), place[static_cast<std::size_t>(i)]) << i;
  }
}

TEST_F(DynonGaugeScreen, HiddenCylinderIsStillWritten) {
  limits().DisplayCylinders[2].setValue(0);
  setUp();
  noSmoothing();
  cylinders({"300", "300", "333", "300", "300", "300"}, {"1200", "1200", "1400", "1200", "1200", "1200"});
  gauges().PopulateEMSGuages();
  EXPECT_FALSE(g().CHTGuage[2].visible());
  EXPECT_EQ(g().CHTGuage[2].position(), 333);
  EXPECT_EQ(g().CHTLabel[2].caption(), "333");
  EXPECT_EQ(g().EGTLabel[2].caption(), "1400");
}

TEST_F(DynonGaugeScreen, EGTPointerBeyondSixteenBits_EndsTheUpdateThere) {
  noSmoothing();
  app->EGTToCHTScale = 100;
  cylinders({"300", "301", "302", "303", "304", "305"}, {"1", "2", "400", "4", "5", "6"});
  // Cylinder 3: 400 x 100 = 40000 lies beyond 32767.
  EXPECT_THROW(gauges().PopulateEMSGuages(), platform::RunError);
  EXPECT_EQ(g().CHTLabel[5].caption(), "305");  // every CHT was written first
  EXPECT_EQ(g().CHTGuage[1].additionalPointerPosition(1), 200);
  EXPECT_EQ(g().EGTLabel[2].caption(), "400");
  EXPECT_FALSE(g().CHTGuage[2].additionalPointerVisible(1));  // its pointers were never placed
  EXPECT_EQ(g().EGTLabel[3].caption(), "0");                  // later cylinders keep their old values
}

TEST_F(DynonGaugeScreen, LiveSmoothing_ClimbsOverTheFirstTenRecords) {
  // "Filter Display" is ticked and the engine source is the port at start-up.
  data().EMSOilTemp.setCaption("180");
  std::vector<std::string> shown;
  for (int n = 1; n <= 11; ++n) {
    gauges().PopulateEMSGuages();
    shown.push_back(g().OilTempLabel.caption());
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"18", "36", "54", "72", "90", "108", "126", "144", "162", "180",
                                             "180"}));
  EXPECT_EQ(g().OilTempGuage.position(), 180);
  EXPECT_EQ(data().EMSOilTemp.caption(), "180");  // the data screen keeps the raw value

  // A step: the mean of nine 180s and one 80.
  data().EMSOilTemp.setCaption("80");
  gauges().PopulateEMSGuages();
  EXPECT_EQ(g().OilTempGuage.position(), 170);
}

TEST_F(DynonGaugeScreen, PlaybackIsNeverSmoothedAndLeavesTheWindowsAsTheyWere) {
  data().EMSRPM.setCaption("1000");
  gauges().PopulateEMSGuages();  // live: window 0 x 9, 1000 -> 100
  EXPECT_EQ(g().TachGuage.position(), 100);

  app->form2().EMS_FILE.setValue(true);
  data().EMSRPM.setCaption("2500");
  for (int n = 0; n < 5; ++n) gauges().PopulateEMSGuages();
  EXPECT_EQ(g().TachGuage.position(), 2500);

  // Back on the port the window still holds the one live reading.
  app->form2().EMS_COMM.setValue(true);
  data().EMSRPM.setCaption("1000");
  gauges().PopulateEMSGuages();
  EXPECT_EQ(g().TachGuage.position(), 200);

  // Switching the filter off freezes the windows too.
  limits().FilterDisplay.setValue(0);
  gauges().PopulateEMSGuages();
  EXPECT_EQ(g().TachGuage.position(), 1000);
  limits().FilterDisplay.setValue(1);
  gauges().PopulateEMSGuages();
  EXPECT_EQ(g().TachGuage.position(), 300);
}

}  // namespace
