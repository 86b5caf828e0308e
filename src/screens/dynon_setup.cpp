// The set-up of the Dynon engine gauge screen from the instrument limits and
// the unit option, and the engine colour limits it shares with the other
// engine displays.

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string_view>

#include "app/app.h"
#include "platform/numbers.h"
#include "screens/dynon_gauges.h"
#include "screens/form10.h"
#include "settings/form13.h"
#include "settings/form2.h"

namespace screens {

namespace {

// A limit as typed: the number its text begins with, 0 when there is none. It
// is used in the units the screen shows; nothing is converted.
double limit(const platform::TextBox& box) {
  return platform::readNumber(box.text());
}

// A colour limit in 16 bits, to the nearest integer (halves to even). A limit
// beyond the 16-bit range is held at the nearest end of it, so the set-up
// always runs to its end.
std::int16_t limit16(double v) {
  const double r = platform::roundHalfEven(v);
  if (std::isnan(r)) return 0;
  if (r >= 32767.0) return 32767;
  if (r <= -32768.0) return -32768;
  return platform::toInt16(r);
}

// The factor that places an EGT on a CHT bar. With no EGT range (or a factor a
// single cannot hold) it is 0, which puts every EGT at the CHT minimum.
float egtToCHTScale(double chtMax, double chtMin, double egtMax, double egtMin) {
  const double range = egtMax - egtMin;
  if (range == 0) return 0;
  const double scale = (chtMax - chtMin) / range;
  if (!std::isfinite(scale) || std::fabs(scale) > std::numeric_limits<float>::max()) return 0;
  return static_cast<float>(scale);
}

void show(bool visible, std::initializer_list<platform::Control*> controls) {
  for (platform::Control* c : controls) c->setVisible(visible);
}

void tip(std::string_view text, std::initializer_list<platform::Control*> controls) {
  for (platform::Control* c : controls) c->setToolTip(text);
}

}  // namespace

void DynonGauges::Update_Form10_data() {
  settings::form13& l = app_.form13();
  Form10& g = app_.form10();

  // Scales and bands. Only the manifold pressure dial and the ammeter move
  // their minimum; the ammeter reads symmetrically about zero.
  g.ManifoldPressureGuage.setPositionMin(limit(l.ManPresMin));
  g.ManifoldPressureGuage.setPositionMax(limit(l.ManPresMax));
  g.ManifoldPressureGuage.setSectionEnd(1, limit(l.ManPresHighYellow));
  g.ManifoldPressureGuage.setSectionEnd(2, limit(l.ManPresHighRed));

  g.TachGuage.setPositionMax(limit(l.TachMax));
  g.TachGuage.setSectionEnd(1, limit(l.TachYellowStart));
  g.TachGuage.setSectionEnd(2, limit(l.TachYellowStop));
  g.TachGuage.setSectionEnd(3, limit(l.TachHighYellow));
  g.TachGuage.setSectionEnd(4, limit(l.TachHighRed));

  // Five bands from low red to high red.
  auto fiveBands = [](platform::ScaledGauge& gauge, double max, double lowRed, double lowYellow,
                      double highYellow, double highRed) {
    gauge.setPositionMax(max);
    gauge.setSectionEnd(1, lowRed);
    gauge.setSectionEnd(2, lowYellow);
    gauge.setSectionEnd(3, highYellow);
    gauge.setSectionEnd(4, highRed);
  };
  fiveBands(g.OilPresGuage, limit(l.OilPresMax), limit(l.OilPresLowRed), limit(l.OilPresLowYellow),
            limit(l.OilPresHighYellow), limit(l.OilPresHighRed));
  fiveBands(g.OilTempGuage, limit(l.OilTempMax), limit(l.OilTempLowRED), limit(l.OilTempLowYellow),
            limit(l.OilTempHighYellow), limit(l.OilTempHighRed));
  fiveBands(g.VoltageGuage, limit(l.VoltageMax), limit(l.VoltageLowRed), limit(l.VoltageLowYellow),
            limit(l.VoltageHighYellow), limit(l.VoltageHighRed));
  const double ampsMax = limit(l.AmpsScaleMax);
  g.AmpsGuage.setPositionMax(ampsMax);
  g.AmpsGuage.setPositionMin(-ampsMax);
  g.AmpsGuage.setSectionEnd(1, limit(l.AmpsLowRed));
  g.AmpsGuage.setSectionEnd(2, limit(l.AmpsLowYellow));
  g.AmpsGuage.setSectionEnd(3, limit(l.AmpsHighYellow));
  g.AmpsGuage.setSectionEnd(4, limit(l.AmpsHighRed));
  fiveBands(g.FuelPresGuage, limit(l.FuelPresMax), limit(l.FuelPresLowRed), limit(l.FuelPresLowYellow),
            limit(l.FuelPresHighYellow), limit(l.FuelPresHighRed));
  fiveBands(g.FuelFlowGuage, limit(l.FuelFlowMax), limit(l.FuelFlowLowRed), limit(l.FuelFlowLowYellow),
            limit(l.FuelFlowHighYellow), limit(l.FuelFlowHighRed));

  g.FuelQtyLeftGuage.setPositionMax(limit(l.FuelLeftMax));
  g.FuelQtyLeftGuage.setSectionEnd(1, limit(l.FuelLeftRed));
  g.FuelQtyLeftGuage.setSectionEnd(2, limit(l.FuelLeftYellow));
  g.FuelQtyRightGuage.setPositionMax(limit(l.FuelRightMax));
  g.FuelQtyRightGuage.setSectionEnd(1, limit(l.FuelRightRed));
  g.FuelQtyRightGuage.setSectionEnd(2, limit(l.FuelRightYellow));

  // Colour limits of the cylinder bars, shared with the other engine displays.
  std::array<std::int16_t, 6>& t = app_.EngineTempLimit;
  t[kCHTHighYellow] = limit16(limit(l.CHTHighYellow));
  t[kCHTHighRed] = limit16(limit(l.CHTHighRed));
  t[kEGTHighYellow] = limit16(limit(l.EGTHighYellow));
  t[kEGTHighRed] = limit16(limit(l.EGTHighRed));

  for (platform::LinearGauge& bar : g.CHTGuage) {
    bar.setPositionMax(limit(l.CHTMax));
    bar.setPositionMin(limit(l.CHTMin));
  }

  t[kEGTMin] = limit16(limit(l.EGTMin));
  t[kCHTMin] = limit16(limit(l.CHTMin));
  // From the limits as typed, not from their 16-bit values.
  app_.EGTToCHTScale = egtToCHTScale(limit(l.CHTMax), limit(l.CHTMin), limit(l.EGTMax), limit(l.EGTMin));

  // A gauge shows, with its value and caption, only while its maximum is above zero.
  auto shown = [](const platform::TextBox& max) { return limit(max) > 0; };
  show(shown(l.OilTempMax), {&g.OilTempGuage, &g.OilTempLabel, &g.iLabelX7});
  show(shown(l.OilPresMax), {&g.OilPresGuage, &g.OilPresLabel, &g.iLabelX4});
  show(shown(l.ManPresMax), {&g.ManifoldPressureGuage, &g.ManifoldPressureLabel, &g.iLabelX1});
  show(shown(l.TachMax), {&g.TachGuage, &g.TachLabel, &g.iLabelX2});
  show(shown(l.VoltageMax), {&g.VoltageGuage, &g.VoltageLabel, &g.CHTLabel[7]});
  show(shown(l.AmpsScaleMax), {&g.AmpsGuage, &g.AmpsLabel, &g.CHTLabel[9]});
  const bool left = shown(l.FuelLeftMax);
  show(left, {&g.FuelQtyLeftGuage, &g.FuelQtyLeftLabel, &g.CHTLabel[10]});
  const bool right = shown(l.FuelRightMax);
  show(right, {&g.FuelQtyRightGuage, &g.FuelQtyRightLabel, &g.CHTLabel[11]});
  g.iLabelX3.setVisible(left || right);
  const bool pressure = shown(l.FuelPresMax);
  show(pressure, {&g.FuelPresGuage, &g.FuelPresLabel, &g.CHTLabel[6]});
  const bool flow = shown(l.FuelFlowMax);
  show(flow, {&g.FuelFlowGuage, &g.FuelFlowLabel, &g.CHTLabel[8]});
  g.iLabelX8.setVisible(left || right || pressure || flow);

  bool anyCylinder = false;
  for (int i = 0; i <= 5; ++i) {
    const bool on = l.DisplayCylinders[i].value() == 1;
    show(on, {&g.CHTGuage[i], &g.EGTLabel[i], &g.CHTLabel[i]});
    anyCylinder = anyCylinder || on;
  }
  show(anyCylinder, {&g.iLabelX11, &g.iLabelX10});

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
