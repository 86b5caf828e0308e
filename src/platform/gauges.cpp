#include "platform/gauges.h"

namespace platform {

std::size_t ScaledGauge::checkBand(int i, int max) {
  if (i < 1 || i > max) throw RunError(err::Subscript, "Subscript out of range");
  return static_cast<std::size_t>(i);
}

void ScaledGauge::setSectionColor(int i, OleColor c) {
  auto k = checkBand(i, 5);
  if (sectionColor_[k] == c) return;
  sectionColor_[k] = c;
  scaleChanged();
}

void ScaledGauge::setSectionEnd(int i, double v) {
  auto k = checkBand(i, 4);
  if (sectionEnd_[k] == v) return;
  sectionEnd_[k] = v;
  scaleChanged();
}

LinearGauge::LinearGauge(Screen* s, std::string name, int index)
    : ScaledGauge(s, ControlKind::LinearGauge, std::move(name), index) {
  setBackColor(color::Black);
}

std::size_t LinearGauge::checkPointer(int n) {
  if (n < 1 || n > 2) throw RunError(err::Subscript, "Subscript out of range");
  return static_cast<std::size_t>(n);
}

void LinearGauge::setOrientation(Orientation o) {
  if (orientation_ == o) return;
  orientation_ = o;
  scaleChanged();
}

void LinearGauge::setPointerStyle(PointerStyle p) {
  if (pointerStyle_ == p) return;
  pointerStyle_ = p;
  scaleChanged();
}

void LinearGauge::setMovingScale(bool v) {
  if (movingScale_ == v) return;
  movingScale_ = v;
  scaleChanged();
}

void LinearGauge::setAdditionalPointerPosition(int n, double v) {
  auto& e = extra_.at(checkPointer(n));
  if (e.position == v && e.visible) return;
  e.position = v;
  e.visible = true;
  changed();
}

void LinearGauge::setAdditionalPointerColor(int n, OleColor c) {
  auto& e = extra_.at(checkPointer(n));
  if (e.color == c) return;
  e.color = c;
  changed();
}

void LinearGauge::setAdditionalPointerVisible(int n, bool v) {
  auto& e = extra_.at(checkPointer(n));
  if (e.visible == v) return;
  e.visible = v;
  changed();
}

AngularGauge::AngularGauge(Screen* s, std::string name, int index)
    : ScaledGauge(s, ControlKind::AngularGauge, std::move(name), index) {
  setBackColor(color::Black);
}

void AngularGauge::setArc(double start, double sweep) {
  if (arcStart_ == start && arcSweep_ == sweep) return;
  arcStart_ = start;
  arcSweep_ = sweep;
  scaleChanged();
}

AnalogDisplay::AnalogDisplay(Screen* s, std::string name, int index)
    : Control(s, ControlKind::AnalogDisplay, std::move(name), index) {
  setBackColor(color::Black);
}

void AnalogDisplay::setUnitsText(std::string_view t) {
  if (unitsText_ == t) return;
  unitsText_.assign(t);
  changed();
}

GaugeLabel::GaugeLabel(Screen* s, std::string name, int index)
    : Control(s, ControlKind::GaugeLabel, std::move(name), index) {
  setBackColor(color::Black);
}

SlidingCompass::SlidingCompass(Screen* s, std::string name, int index)
    : Control(s, ControlKind::SlidingCompass, std::move(name), index) {
  setBackColor(color::Black);
}

AviationDial::AviationDial(Screen* s, std::string name, DialMode mode, int index)
    : Control(s, ControlKind::AviationDial, std::move(name), index), mode_(mode) {
  setBackColor(color::Black);
}

double AviationDial::shownValue() const {
  switch (mode_) {
    case DialMode::Airspeed:
      return valueLast_ ? value_ : airspeed_;
    case DialMode::Altimeter:
      return valueLast_ ? value_ : altitude_;
    default:
      return value_;
  }
}

void AviationDial::setTitle(std::string_view t) {
  if (title_ == t) return;
  title_.assign(t);
  changed();
}

void AviationDial::setSubtitle(std::string_view t) {
  if (subtitle_ == t) return;
  subtitle_.assign(t);
  changed();
}

}  // namespace platform
