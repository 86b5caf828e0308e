#include "screens/screen_setups.h"

#include <string_view>

#include "app/app.h"
#include "platform/numbers.h"
#include "screens/form12.h"
#include "screens/form21.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "screens/form8.h"
#include "screens/form9.h"
#include "screens/setup_support.h"
#include "settings/form13.h"
#include "settings/form2.h"

namespace screens {

namespace {

// Engine values are in English units with knots or miles, metric otherwise.
bool englishUnits(const settings::Form2& s) {
  return s.UnitsKnots.value() || s.UnitMiles.value();
}

// The colour a row's colour word names; any other text (lower case, empty)
// names none.
bool colourOfWord(std::string_view word, platform::OleColor& colour) {
  struct Word {
    std::string_view text;
    platform::OleColor colour;
  };
  static constexpr Word kWords[] = {{"WHITE", platform::color::White},
                                    {"RED", platform::color::Red},
                                    {"GREEN", platform::color::Green},
                                    {"YELLOW", platform::color::Yellow}};
  for (const Word& w : kWords) {
    if (w.text != word) continue;
    colour = w.colour;
    return true;
  }
  return false;
}

}  // namespace

ScreenSetups::ScreenSetups(App& app) : app_(app) {}

void ScreenSetups::wire(ScreenId id) {
  if (id != ScreenId::form21) return;
  form21& f = app_.form21();
  for (platform::OptionButton& option : f.SatDisplay) {
    const int index = option.index();
    option.onClick = [this, index] { SatDisplay_Click(index); };
  }
}

void ScreenSetups::Update_Form4_data() {
  const bool english = englishUnits(app_.form2());
  Form4& f = app_.form4();
  const auto tip = [english](platform::Label& label, std::string_view englishTip,
                             std::string_view metricTip) {
    label.setToolTip(english ? englishTip : metricTip);
  };
  tip(f.EMSManPres, "Manifold Pressure - Inches of Mecury", "Manifold Pressure - milliBars");
  tip(f.EMSQuantity1, "Fuel Quantity - Gallons", "Fuel Quantity - Liters");
  tip(f.EMSQuantity2, "Fuel Quantity - Gallons", "Fuel Quantity - Liters");
  tip(f.EMSFuelRemaining, "Fuel Remaining Quantity - Gallons", "Fuel Remaining Quantity - Liters");
  tip(f.EMSFuelFlow, "Fuel Flow - Gallons Per Hour", "Fuel Flow - Liters Per Hour");
  tip(f.EMSOilPres, "Oil Pressure - PSI", "Oil Pressure - Bars");
  tip(f.EMSFuelPressure, "Fuel Pressure - PSI", "Fuel Pressure - Bars");
  tip(f.EMSOilTemp, "Oil Temperature - Deg F", "Oil Temperature - Deg C");
  tip(f.EMSGPThermocouple, "Temperature - Deg F", "Temperature - Deg C");
  for (platform::Label* egt : {&f.EMSEGT1, &f.EMSEGT2, &f.EMSEGT3, &f.EMSEGT4, &f.EMSEGT5, &f.EMSEGT6})
    tip(*egt, "Exhaust Gas Temperature - Deg F", "Exhaust Gas Temperature - Deg C");
  for (platform::Label* cht : {&f.EMSCHT1, &f.EMSCHT2, &f.EMSCHT3, &f.EMSCHT4, &f.EMSCHT5, &f.EMSCHT6})
    tip(*cht, "Cylinder Head Temperature - Deg F", "Cylinder Head Temperature - Deg C");
}

void ScreenSetups::Update_Form8_data() {
  const settings::Form2& s = app_.form2();
  const settings::form13& l = app_.form13();
  Form8& f = app_.form8();

  // Unit captions of the speed and altitude tapes and the climb readout.
  struct Units {
    const platform::OptionButton& option;
    std::string_view speed, speedTip, altitude, climb;
  };
  const Units units[] = {
      {s.UnitsMeter, "M/Sec", "Meters per second", "Meters", "M/m"},
      {s.UnitKiloMeters, "Km/Hour", "Kilometers per hour", "Meters", "M/m"},
      {s.UnitsKnots, "Knots", "Knots - Nautical miles per hour", "Feet", "Ft/m"},
      {s.UnitMiles, "MPH", "Miles Per Hour", "Feet", "Ft/m"},
  };
  for (const Units& u : units) {
    if (!u.option.value()) continue;
    f.AirspeedUnits.setCaption(u.speed);
    f.AirspeedUnits.setToolTip(u.speedTip);
    f.AltitudeUnits.setCaption(u.altitude);
    f.AltitudeUnits.setToolTip(u.altitude);
    f.VerticalSpeedGuage_Label.setUnitsText(u.climb);
  }

  // Vertical speed: a scale of +-V, or no display at all. The altitude readout
  // sits one pixel further right without it.
  if (readLimit(l.VerticalIndicatorSpeed) > 0) {
    showAll(true, {&f.VerticalSpeedGuage, &f.VerticalSpeedGuage_Label, &f.Label3});
    setClimbScale(f.VerticalSpeedGuage, f.VertSpdMax, f.VertSpdMid, l.VerticalIndicatorSpeed);
    showAll(true, {&f.VertSpdMax[0], &f.VertSpdMax[1], &f.VertSpdMid[0], &f.VertSpdMid[1]});
    f.AltitudeLabel.setLeft(480);
  } else {
    showAll(false, {&f.VerticalSpeedGuage, &f.VerticalSpeedGuage_Label, &f.Label3, &f.VertSpdMax[0],
                    &f.VertSpdMax[1], &f.VertSpdMid[0], &f.VertSpdMid[1]});
    f.AltitudeLabel.setLeft(495);
  }

  // Airspeed bands: each row's colour shows above its own speed, row 0's
  // below the row 1 speed. A row without a colour word takes the colour of the
  // last row that had one; a row whose speed is not strictly between 1 and 999
  // leaves its band as it was.
  platform::OleColor colour = 0;
  for (int i = 0; i <= 4; ++i) {
    colourOfWord(l.AirspeedMarkingsColor[i].text(), colour);
    const double speed = readLimit(l.AirspeedIndicatorSpeed[i]);
    if (!(speed > 1 && speed < 999)) continue;
    f.AirspeedGuage.setSectionColor(i + 1, colour);
    if (i >= 1) f.AirspeedGuage.setSectionEnd(i, speed);
  }

  // G meter: a 7 G span up to G, one scale label per G.
  const double g = readLimit(l.G_Meter_Max);
  if (g > 0) {
    showAll(true, {&f.VerticalGs_Label, &f.VerticalGs, &f.Label1});
    f.VerticalGs.setPositionMax(g);
    f.VerticalGs.setPositionMin(g - 7);
    // Label j reads G - 7 + j, taken from G in one step so that the labels of
    // a fractional G show as typed: 0.1 gives 0.1 at the top, not the
    // 0.0999999999999996 that going down by 7 and up again leaves.
    for (int j = 0; j <= 7; ++j) {
      f.VertSpeedLabel[j].setVisible(true);
      f.VertSpeedLabel[j].setCaption(platform::numberText(g - (7 - j)));
    }
  } else {
    showAll(false, {&f.VerticalGs, &f.VerticalGs_Label, &f.Label1});
    for (platform::GaugeLabel& mark : f.VertSpeedLabel) mark.setVisible(false);
  }

  // Angle of attack; its warning colours come with each refresh.
  const double aoaMax = readLimit(l.AOAMaxScale);
  if (aoaMax > 0) {
    showAll(true, {&f.AOAGuage_Label, &f.AOAGuage, &f.Label2});
    f.AOAGuage.setPositionMax(aoaMax);
    f.AOAGuage.setPositionMin(readLimit(l.AOAMinScale));
  } else {
    showAll(false, {&f.AOAGuage, &f.AOAGuage_Label, &f.Label2});
  }
}

void ScreenSetups::Update_Form9_data() {
  const settings::form13& l = app_.form13();
  Form9& f = app_.form9();
  f.AirspeedGuage.setIndicatorMax(readLimit(l.AirspeedIndicatorSpeed[5]));
  f.AirspeedGuage.setVne(readLimit(l.AirspeedIndicatorSpeed[4]));
  f.AltitudeGuage.setBaroSetting(30);
  f.AltitudeGuage.setFurther(0);
}

void ScreenSetups::Update_form12_data() {
  const settings::form13& l = app_.form13();
  form12& f = app_.form12();

  setSpeedMarks(f.AirspeedGuage, l);
  startAltimeter(f.AltitudeGuage, app_.form5());

  setBands(f.FuelFlowGuage, l.FuelFlowMax, l.FuelFlowLowRed, l.FuelFlowLowYellow, l.FuelFlowHighYellow,
           l.FuelFlowHighRed);
  setBands(f.FuelQtyGuage, l.FuelLeftMax, l.FuelLeftRed, l.FuelLeftYellow);

  StoreEngineTempLimits(app_);

  const bool quantity = readLimit(l.FuelLeftMax) > 0;
  showAll(quantity, {&f.FuelQtyGuage, &f.FuelQtyLabel, &f.iLabelX3});
  const bool flow = readLimit(l.FuelFlowMax) > 0;
  showAll(flow, {&f.FuelFlowGuage, &f.FuelFlowLabel, &f.CHTLabel[8]});
  f.iLabelX8.setVisible(quantity || flow);
}

// The sky plot starts empty, and is emptied when the marker kind changes: the
// decoder shows only the chosen kind of marker and leaves the other alone.
void ScreenSetups::initializeDisplay() {
  form21& f21 = app_.form21();
  for (platform::Label& number : f21.GPS_SV_Number) number.setVisible(false);
  for (platform::Image& picture : f21.Sat_Green) picture.setVisible(false);
}

void ScreenSetups::SatDisplay_Click(int /*index*/) {
  initializeDisplay();
}

}  // namespace screens
