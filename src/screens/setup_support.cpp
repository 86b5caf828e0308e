#include "screens/setup_support.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "app/app.h"
#include "platform/gauges.h"
#include "platform/numbers.h"
#include "screens/form5.h"
#include "settings/form13.h"

namespace screens {

namespace {

// A colour limit in 16 bits, to the nearest integer (halves to even). A limit
// beyond the 16-bit range is held at the nearest end of it, so a set-up always
// runs to its end.
std::int16_t limit16(const platform::TextBox& box) {
  const double r = platform::roundHalfEven(readLimit(box));
  if (std::isnan(r)) return 0;
  if (r >= 32767.0) return 32767;
  if (r <= -32768.0) return -32768;
  return platform::toInt16(r);
}

// The factor that places an EGT on a CHT bar, from the limits as typed (not
// from their 16-bit values). With no EGT range, or a factor a single cannot
// hold, it is 0, which puts every EGT at the CHT minimum: a largest-single
// factor would instead make every EGT pointer fail its 16-bit store.
float egtToCHTScale(const settings::form13& l) {
  const double range = readLimit(l.EGTMax) - readLimit(l.EGTMin);
  if (range == 0) return 0;
  const double scale = (readLimit(l.CHTMax) - readLimit(l.CHTMin)) / range;
  if (!std::isfinite(scale) || platform::beyondSingle(scale)) return 0;
  return static_cast<float>(scale);
}

}  // namespace

double readLimit(const platform::TextBox& box) {
  return platform::readNumber(box.text());
}

double shownWholeNumber(std::string_view caption) {
  std::string digits;
  digits.reserve(caption.size());
  for (char c : caption)
    if (c != ',') digits.push_back(c);
  return platform::readNumber(digits);
}

void showAll(bool visible, std::initializer_list<platform::Control*> controls) {
  for (platform::Control* c : controls) c->setVisible(visible);
}

void setBands(platform::ScaledGauge& gauge, const platform::TextBox& max, const platform::TextBox& end1,
              const platform::TextBox& end2, const platform::TextBox& end3, const platform::TextBox& end4) {
  gauge.setPositionMax(readLimit(max));
  gauge.setSectionEnd(1, readLimit(end1));
  gauge.setSectionEnd(2, readLimit(end2));
  gauge.setSectionEnd(3, readLimit(end3));
  gauge.setSectionEnd(4, readLimit(end4));
}

void setBands(platform::ScaledGauge& gauge, const platform::TextBox& max, const platform::TextBox& red,
              const platform::TextBox& yellow) {
  gauge.setPositionMax(readLimit(max));
  gauge.setSectionEnd(1, readLimit(red));
  gauge.setSectionEnd(2, readLimit(yellow));
}

void setClimbScale(platform::LinearGauge& tape, platform::ControlArray<platform::GaugeLabel>& fullScale,
                   platform::ControlArray<platform::GaugeLabel>& halfScale, const platform::TextBox& box) {
  const double v = readLimit(box);
  fullScale[0].setCaption(box.text());
  fullScale[1].setCaption(box.text());
  const std::string half = platform::numberText(v / 2);
  halfScale[0].setCaption(half);
  halfScale[1].setCaption(half);
  // The maximum first: the scale is never set below its own minimum.
  tape.setPositionMax(v);
  tape.setPositionMin(-v);
}

void setSpeedMarks(platform::AviationDial& dial, const settings::form13& l) {
  dial.setIndicatorMax(readLimit(l.AirspeedIndicatorSpeed[5]));
  dial.setVne(readLimit(l.AirspeedIndicatorSpeed[4]));
  dial.setVno(readLimit(l.AirspeedIndicatorSpeed[3]));
  dial.setVfe(readLimit(l.AirspeedIndicatorSpeed[2]));
  dial.setVs1(readLimit(l.AirspeedIndicatorSpeed[1]));
}

void startAltimeter(platform::AviationDial& dial, const Form5& data) {
  dial.setFurther(0);
  dial.setAltitude(shownWholeNumber(data.GRAltitude.caption()));
  dial.setBaroSetting(platform::readNumber(data.GRBaroSetting.caption()));
}

void StoreEngineTempLimits(App& app) {
  const settings::form13& l = app.form13();
  std::array<std::int16_t, 6>& t = app.EngineTempLimit;
  t[kCHTHighYellow] = limit16(l.CHTHighYellow);
  t[kCHTHighRed] = limit16(l.CHTHighRed);
  t[kEGTHighYellow] = limit16(l.EGTHighYellow);
  t[kEGTHighRed] = limit16(l.EGTHighRed);
  t[kEGTMin] = limit16(l.EGTMin);
  t[kCHTMin] = limit16(l.CHTMin);
  app.EGTToCHTScale = egtToCHTScale(l);
}

}  // namespace screens
