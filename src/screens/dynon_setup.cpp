// The set-up of the Dynon engine gauge screen from the instrument limits and
// the unit option, and the engine colour limits it shares with the other
// engine displays.

#include <initializer_list>
#include <string_view>

#include "app/app.h"
#include "screens/dynon_gauges.h"
#include "screens/form10.h"
#include "screens/setup_support.h"
#include "settings/form13.h"
#include "settings/form2.h"

namespace screens {

namespace {

void tip(std::string_view text, std::initializer_list<platform::Control*> controls) {
  for (platform::Control* c : controls) c->setToolTip(text);
}

}  // namespace

void DynonGauges::Update_Form10_data() {
  settings::form13& l = app_.form13();
  Form10& g = app_.form10();

  // Scales and bands. Only the manifold pressure dial and the ammeter move
  // their minimum; the ammeter reads symmetrically about zero.
  g.ManifoldPressureGuage.setPositionMin(readLimit(l.ManPresMin));
  g.ManifoldPressureGuage.setPositionMax(readLimit(l.ManPresMax));
  g.ManifoldPressureGuage.setSectionEnd(1, readLimit(l.ManPresHighYellow));
  g.ManifoldPressureGuage.setSectionEnd(2, readLimit(l.ManPresHighRed));

  setBands(g.TachGuage, l.TachMax, l.TachYellowStart, l.TachYellowStop, l.TachHighYellow, l.TachHighRed);
  setBands(g.OilPresGuage, l.OilPresMax, l.OilPresLowRed, l.OilPresLowYellow, l.OilPresHighYellow,
           l.OilPresHighRed);
  setBands(g.OilTempGuage, l.OilTempMax, l.OilTempLowRED, l.OilTempLowYellow, l.OilTempHighYellow,
           l.OilTempHighRed);
  setBands(g.VoltageGuage, l.VoltageMax, l.VoltageLowRed, l.VoltageLowYellow, l.VoltageHighYellow,
           l.VoltageHighRed);
  const double ampsMax = readLimit(l.AmpsScaleMax);
  g.AmpsGuage.setPositionMax(ampsMax);
  g.AmpsGuage.setPositionMin(-ampsMax);
  g.AmpsGuage.setSectionEnd(1, readLimit(l.AmpsLowRed));
  g.AmpsGuage.setSectionEnd(2, readLimit(l.AmpsLowYellow));
  g.AmpsGuage.setSectionEnd(3, readLimit(l.AmpsHighYellow));
  g.AmpsGuage.setSectionEnd(4, readLimit(l.AmpsHighRed));
  setBands(g.FuelPresGuage, l.FuelPresMax, l.FuelPresLowRed, l.FuelPresLowYellow, l.FuelPresHighYellow,
           l.FuelPresHighRed);
  setBands(g.FuelFlowGuage, l.FuelFlowMax, l.FuelFlowLowRed, l.FuelFlowLowYellow, l.FuelFlowHighYellow,
           l.FuelFlowHighRed);

  setBands(g.FuelQtyLeftGuage, l.FuelLeftMax, l.FuelLeftRed, l.FuelLeftYellow);
  setBands(g.FuelQtyRightGuage, l.FuelRightMax, l.FuelRightRed, l.FuelRightYellow);

  for (platform::LinearGauge& bar : g.CHTGuage) {
    bar.setPositionMax(readLimit(l.CHTMax));
    bar.setPositionMin(readLimit(l.CHTMin));
  }
  // Colour limits of the cylinder bars and the EGT scale, shared with the
  // other engine displays.
  StoreEngineTempLimits(app_);

  // A gauge shows, with its value and caption, only while its maximum is above zero.
  auto shown = [](const platform::TextBox& max) { return readLimit(max) > 0; };
  showAll(shown(l.OilTempMax), {&g.OilTempGuage, &g.OilTempLabel, &g.iLabelX7});
  showAll(shown(l.OilPresMax), {&g.OilPresGuage, &g.OilPresLabel, &g.iLabelX4});
  showAll(shown(l.ManPresMax), {&g.ManifoldPressureGuage, &g.ManifoldPressureLabel, &g.iLabelX1});
  showAll(shown(l.TachMax), {&g.TachGuage, &g.TachLabel, &g.iLabelX2});
  showAll(shown(l.VoltageMax), {&g.VoltageGuage, &g.VoltageLabel, &g.CHTLabel[7]});
  showAll(shown(l.AmpsScaleMax), {&g.AmpsGuage, &g.AmpsLabel, &g.CHTLabel[9]});
  const bool left = shown(l.FuelLeftMax);
  showAll(left, {&g.FuelQtyLeftGuage, &g.FuelQtyLeftLabel, &g.CHTLabel[10]});
  const bool right = shown(l.FuelRightMax);
  showAll(right, {&g.FuelQtyRightGuage, &g.FuelQtyRightLabel, &g.CHTLabel[11]});
  g.iLabelX3.setVisible(left || right);
  const bool pressure = shown(l.FuelPresMax);
  showAll(pressure, {&g.FuelPresGuage, &g.FuelPresLabel, &g.CHTLabel[6]});
  const bool flow = shown(l.FuelFlowMax);
  showAll(flow, {&g.FuelFlowGuage, &g.FuelFlowLabel, &g.CHTLabel[8]});
  g.iLabelX8.setVisible(left || right || pressure || flow);

  bool anyCylinder = false;
  for (int i = 0; i <= 5; ++i) {
    const bool on = l.DisplayCylinders[i].value() == 1;
    showAll(on, {&g.CHTGuage[i], &g.EGTLabel[i], &g.CHTLabel[i]});
    anyCylinder = anyCylinder || on;
  }
  showAll(anyCylinder, {&g.iLabelX11, &g.iLabelX10});

  // Unit captions, precision and tool tips; the scales stay as typed.
  settings::Form2& s = app_.form2();
  const bool english = s.UnitsKnots.value() || s.UnitMiles.value();
  g.iLabelX1.setCaption(english ? "in Hg" : "mB");
  tip(english ? "Manifold Pressure - Inches of Mecury" : "Manifold Pressure - milliBars",
      {&g.ManifoldPressureGuage, &g.ManifoldPressureLabel});
  g.ManifoldPressureLabel.setPrecision(english ? 2 : 0);
  tip(english ? "Fuel Quantity - Gallons" : "Fuel Quantity - Liters",
      {&g.FuelQtyRightLabel, &g.FuelQtyLeftLabel, &g.iLabelX3});
  tip(english ? "Fuel Flow - Gallons Per Hour" : "Fuel Flow - Liters Per Hour",
      {&g.FuelFlowLabel, &g.CHTLabel[8]});
  tip(english ? "Oil Pressure - PSI" : "Oil Pressure - Bars",
      {&g.OilPresLabel, &g.iLabelX4, &g.OilPresGuage});
  tip(english ? "Fuel Pressure - PSI" : "Fuel Pressure - Bars", {&g.FuelPresLabel, &g.CHTLabel[6]});
  tip(english ? "Oil Temperature - Deg F" : "Oil Temperature - Deg C",
      {&g.OilTempLabel, &g.iLabelX7, &g.OilTempGuage});
  const std::string_view egtTip =
      english ? "Exhaust Gas Temperature - Deg F" : "Exhaust Gas Temperature - Deg C";
  const std::string_view chtTip =
      english ? "Cylinder Head Temperature - Deg F" : "Cylinder Head Temperature - Deg C";
  g.iLabelX11.setToolTip(egtTip);
  g.iLabelX10.setToolTip(chtTip);
  for (int i = 0; i <= 5; ++i) {
    g.EGTLabel[i].setToolTip(egtTip);
    g.CHTLabel[i].setToolTip(chtTip);
  }
}

}  // namespace screens
