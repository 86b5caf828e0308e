#include "screens/gr_gauges.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>

#include "app/app.h"
#include "platform/numbers.h"
#include "screens/form11.h"
#include "screens/form5.h"
#include "settings/form13.h"
#include "settings/form2.h"

namespace screens {

namespace {

// Indices of EngineTempLimit.
constexpr std::size_t kCHTHighYellow = 0;
constexpr std::size_t kCHTHighRed = 1;
constexpr std::size_t kEGTHighYellow = 2;
constexpr std::size_t kEGTHighRed = 3;
constexpr std::size_t kCHTMin = 4;
constexpr std::size_t kEGTMin = 5;

// A limit as typed: its leading number, 0 when there is none.
double limit(const platform::TextBox& box) {
  return platform::readNumber(box.text());
}

// A colour limit to the nearest integer (halves to even), held within the
// 16-bit range so an absurd limit never stops the set-up.
std::int16_t storedLimit(const platform::TextBox& box) {
  const double r = platform::roundHalfEven(limit(box));
  if (std::isnan(r)) return 0;
  if (r > 32767.0) return 32767;
  if (r < -32768.0) return -32768;
  return platform::toInt16(r);
}

// (CHTMax - CHTMin) / (EGTMax - EGTMin) from the limits as typed. A range that
// leaves it undefined (an EGT range of zero, or limits too large to subtract)
// gives 0; a finite scale beyond the single-precision range is held at its edge.
float egtToChtScale(const settings::form13& f) {
  const double egtRange = limit(f.EGTMax) - limit(f.EGTMin);
  if (egtRange == 0) return 0;
  const double scale = (limit(f.CHTMax) - limit(f.CHTMin)) / egtRange;
  if (!std::isfinite(scale)) return 0;
  constexpr double kMax = std::numeric_limits<float>::max();
  if (scale > kMax) return std::numeric_limits<float>::max();
  if (scale < -kMax) return -std::numeric_limits<float>::max();
  return static_cast<float>(scale);
}

// The altitude a caption such as "2,500" shows, its thousands separators ignored.
double shownWholeNumber(std::string_view caption) {
  std::string digits;
  digits.reserve(caption.size());
  for (char c : caption)
    if (c != ',') digits.push_back(c);
  return platform::readNumber(digits);
}

void show(bool visible, std::initializer_list<platform::Control*> controls) {
  for (platform::Control* c : controls) c->setVisible(visible);
}

// Maximum and the four band ends of a dial or bar.
void bands(platform::ScaledGauge& g, const platform::TextBox& max, const platform::TextBox& end1,
           const platform::TextBox& end2, const platform::TextBox& end3, const platform::TextBox& end4) {
  g.setPositionMax(limit(max));
  g.setSectionEnd(1, limit(end1));
  g.setSectionEnd(2, limit(end2));
  g.setSectionEnd(3, limit(end3));
  g.setSectionEnd(4, limit(end4));
}

}  // namespace

GrGauges::GrGauges(App& app) : app_(app) {}
GrGauges::~GrGauges() = default;
void GrGauges::wire(ScreenId) {}

void GrGauges::Update_Form11_data() {
  settings::form13& f = app_.form13();
  settings::Form2& options = app_.form2();
  screens::Form5& data = app_.form5();
  Form11& g = app_.form11();

  // Speed marks: rows 5 (indicator maximum), 4 Vne, 3 Vno, 2 Vfe, 1 Vs1.
  g.AirspeedGuage.setIndicatorMax(limit(f.AirspeedIndicatorSpeed[5]));
  g.AirspeedGuage.setVne(limit(f.AirspeedIndicatorSpeed[4]));
  g.AirspeedGuage.setVno(limit(f.AirspeedIndicatorSpeed[3]));
  g.AirspeedGuage.setVfe(limit(f.AirspeedIndicatorSpeed[2]));
  g.AirspeedGuage.setVs1(limit(f.AirspeedIndicatorSpeed[1]));

  // The altimeter starts from what the engine data screen shows until the
  // next frame sets it.
  g.AltitudeGuage.setFurther(0);
  g.AltitudeGuage.setAltitude(shownWholeNumber(data.GRAltitude.caption()));
  g.AltitudeGuage.setBaroSetting(platform::readNumber(data.GRBaroSetting.caption()));

  // Rate-of-climb tape: symmetric about zero, hidden when its speed is not above zero.
  const double vertical = limit(f.VerticalIndicatorSpeed);
  if (vertical > 0) {
    show(true, {&g.VerticalSpeedGuage, &g.VerticalSpeedLabel, &g.VertLabel});
    g.VertSpdMax[0].setCaption(f.VerticalIndicatorSpeed.text());
    g.VertSpdMax[1].setCaption(f.VerticalIndicatorSpeed.text());
    const std::string half = platform::numberText(vertical / 2);
    g.VertSpdMid[0].setCaption(half);
    g.VertSpdMid[1].setCaption(half);
    g.VerticalSpeedGuage.setPositionMax(vertical);
    g.VerticalSpeedGuage.setPositionMin(-vertical);
    show(true, {&g.VertSpdMax[0], &g.VertSpdMax[1], &g.VertSpdMid[0], &g.VertSpdMid[1]});
  } else {
    show(false, {&g.VerticalSpeedGuage, &g.VerticalSpeedLabel, &g.VertLabel, &g.VertSpdMax[0],
                 &g.VertSpdMax[1], &g.VertSpdMid[0], &g.VertSpdMid[1]});
  }

  // Scales and bands. The one fuel quantity bar takes the left tank's limits.
  bands(g.TachGuage, f.TachMax, f.TachYellowStart, f.TachYellowStop, f.TachHighYellow, f.TachHighRed);
  bands(g.OilPresGuage, f.OilPresMax, f.OilPresLowRed, f.OilPresLowYellow, f.OilPresHighYellow,
        f.OilPresHighRed);
  bands(g.OilTempGuage, f.OilTempMax, f.OilTempLowRED, f.OilTempLowYellow, f.OilTempHighYellow,
        f.OilTempHighRed);
  bands(g.VoltageGuage, f.VoltageMax, f.VoltageLowRed, f.VoltageLowYellow, f.VoltageHighYellow,
        f.VoltageHighRed);
  bands(g.FuelFlowGuage, f.FuelFlowMax, f.FuelFlowLowRed, f.FuelFlowLowYellow, f.FuelFlowHighYellow,
        f.FuelFlowHighRed);
  g.FuelQtyGuage.setPositionMax(limit(f.FuelLeftMax));
  g.FuelQtyGuage.setSectionEnd(1, limit(f.FuelLeftRed));
  g.FuelQtyGuage.setSectionEnd(2, limit(f.FuelLeftYellow));

  // The limits the decoder colours the cylinder bars by, and the bars' scale
  // that it places the EGT on.
  auto& limits = app_.EngineTempLimit;
  limits[kCHTHighYellow] = storedLimit(f.CHTHighYellow);
  limits[kCHTHighRed] = storedLimit(f.CHTHighRed);
  limits[kEGTHighYellow] = storedLimit(f.EGTHighYellow);
  limits[kEGTHighRed] = storedLimit(f.EGTHighRed);
  for (platform::LinearGauge& bar : g.CHTGuage) {
    bar.setPositionMax(limit(f.CHTMax));
    bar.setPositionMin(limit(f.CHTMin));
  }
  limits[kEGTMin] = storedLimit(f.EGTMin);
  limits[kCHTMin] = storedLimit(f.CHTMin);
  app_.EGTToCHTScale = egtToChtScale(f);

  // A gauge group shows only while its maximum is above zero.
  const auto group = [](const platform::TextBox& max, std::initializer_list<platform::Control*> controls) {
    const bool visible = limit(max) > 0;
    show(visible, controls);
    return visible;
  };
  group(f.OilTempMax, {&g.OilTempGuage, &g.OilTempLabel, &g.iLabelX7});
  group(f.OilPresMax, {&g.OilPresGuage, &g.OilPresLabel, &g.iLabelX4});
  group(f.TachMax, {&g.TachGuage, &g.TachLabel, &g.iLabelX2});
  group(f.VoltageMax, {&g.VoltageGuage, &g.VoltageLabel, &g.CHTLabel[7]});
  const bool quantity = group(f.FuelLeftMax, {&g.FuelQtyGuage, &g.FuelQtyLabel, &g.iLabelX3});
  const bool flow = group(f.FuelFlowMax, {&g.FuelFlowGuage, &g.FuelFlowLabel, &g.CHTLabel[8]});
  g.iLabelX8.setVisible(quantity || flow);

  bool anyCylinder = false;
  for (int i = 0; i <= 5; ++i) {
    const bool ticked = f.DisplayCylinders[i].value() == 1;
    show(ticked, {&g.CHTGuage[i], &g.EGTLabel[i], &g.CHTLabel[i]});
    anyCylinder = anyCylinder || ticked;
  }
  show(anyCylinder, {&g.iLabelX11, &g.iLabelX10});

  // A Grand Rapids 2000 has two cylinders; the captions keep what the ticks gave.
  if (options.EMSGR2000.value()) {
    for (int i = 2; i <= 5; ++i) show(false, {&g.EGTLabel[i], &g.CHTGuage[i], &g.CHTLabel[i]});
  }
}

}  // namespace screens
