#pragma once
// Gauge models of the instrument screens. Each holds its properties exactly as
// set: nothing is clamped or reordered when set (a moving scale may set its
// maximum before its minimum, a pointer may sit outside the scale); only
// painting clamps.

#include <array>
#include <string>

#include "platform/controls.h"

namespace platform {

enum class Orientation { Vertical, Horizontal };

// A bar's scale runs from this many pixels inside one end of the bar to as
// many inside the other, leaving room for a pointer pegged at an end. A
// layout that puts scale labels of its own beside a bar places the value at
// fraction f of the scale kBarScaleInset + f * (length - 2 * kBarScaleInset)
// pixels from the bar's start.
constexpr int kBarScaleInset = 10;
// Main pointer style of a bar: a marker at the position, or a colour bar filled
// from the minimum to the position (the cylinder bars).
enum class PointerStyle { Marker, ColorBar };

// Common base: main pointer position and scale of bars and dials.
class ScaledGauge : public Control {
 public:
  using Control::Control;
  double position() const { return position_; }
  void setPosition(double v) { set(position_, v); }
  double positionMin() const { return positionMin_; }
  void setPositionMin(double v) { set(positionMin_, v); }
  double positionMax() const { return positionMax_; }
  void setPositionMax(double v) { set(positionMax_, v); }

  // Colour bands: sectionCount bands (0-5); band i (1-based) runs from the end
  // of band i-1 (or the minimum) to sectionEnd(i), the last band to the maximum.
  int sectionCount() const { return sectionCount_; }
  void setSectionCount(int n) { set(sectionCount_, n); }
  OleColor sectionColor(int i) const { return sectionColor_.at(checkBand(i, 5)); }
  void setSectionColor(int i, OleColor c);
  double sectionEnd(int i) const { return sectionEnd_.at(checkBand(i, 4)); }
  void setSectionEnd(int i, double v);

  bool reverseScale() const { return reverseScale_; }
  void setReverseScale(bool v) { set(reverseScale_, v); }
  OleColor pointerColor() const { return pointerColor_; }
  void setPointerColor(OleColor c) { set(pointerColor_, c); }
  // Number of major ticks drawn with labels.
  int tickMajorCount() const { return tickMajorCount_; }
  void setTickMajorCount(int n) { set(tickMajorCount_, n); }
  // Decimals of the tick labels.
  int tickLabelPrecision() const { return tickLabelPrecision_; }
  void setTickLabelPrecision(int n) { set(tickLabelPrecision_, n); }
  bool showTickLabels() const { return showTickLabels_; }
  void setShowTickLabels(bool v) { set(showTickLabels_, v); }
  // Bumped when a setting of the static part (scale, bands, ticks) changes, so a
  // view repaints its cached background only then.
  std::uint64_t scaleRevision() const { return scaleRevision_; }

 protected:
  static std::size_t checkBand(int i, int max);
  void scaleChanged() {
    ++scaleRevision_;
    changed();
  }

 private:
  double position_ = 0;
  double positionMin_ = 0;
  double positionMax_ = 100;
  int sectionCount_ = 0;
  std::array<OleColor, 6> sectionColor_{0,          color::BrightGreen, color::Yellow,
                                        color::Red, color::Red,         color::Red};
  std::array<double, 5> sectionEnd_{0, 0, 0, 0, 0};
  bool reverseScale_ = false;
  OleColor pointerColor_ = color::White;
  int tickMajorCount_ = 6;
  int tickLabelPrecision_ = 0;
  bool showTickLabels_ = true;
  std::uint64_t scaleRevision_ = 0;
};

class LinearGauge : public ScaledGauge {
 public:
  LinearGauge(Screen* s, std::string name, int index = -1);
  Orientation orientation() const { return orientation_; }
  void setOrientation(Orientation o);
  PointerStyle pointerStyle() const { return pointerStyle_; }
  void setPointerStyle(PointerStyle p);
  // Design-time: a moving tape, whose minimum and maximum are set around the
  // position on every refresh. Its marks stay at their values and scroll past
  // a fixed index; moving the window is a live value, not a new scale.
  bool movingScale() const { return movingScale_; }
  void setMovingScale(bool v);
  // Additional pointers n = 1, 2 (the EGT pointers on cylinder bars, the
  // "same value" marker); hidden until a position is set.
  double additionalPointerPosition(int n) const { return extra_.at(checkPointer(n)).position; }
  void setAdditionalPointerPosition(int n, double v);
  OleColor additionalPointerColor(int n) const { return extra_.at(checkPointer(n)).color; }
  void setAdditionalPointerColor(int n, OleColor c);
  bool additionalPointerVisible(int n) const { return extra_.at(checkPointer(n)).visible; }
  void setAdditionalPointerVisible(int n, bool v);

 private:
  struct Extra {
    double position = 0;
    OleColor color = color::Yellow;
    bool visible = false;
  };
  static std::size_t checkPointer(int n);
  Orientation orientation_ = Orientation::Vertical;
  PointerStyle pointerStyle_ = PointerStyle::Marker;
  bool movingScale_ = false;
  std::array<Extra, 3> extra_{};
};

class AngularGauge : public ScaledGauge {
 public:
  AngularGauge(Screen* s, std::string name, int index = -1);
  // Arc start and sweep in degrees (0 = 3 o'clock, counter-clockwise positive).
  double arcStart() const { return arcStart_; }
  double arcSweep() const { return arcSweep_; }
  void setArc(double start, double sweep);

 private:
  double arcStart_ = 225;
  double arcSweep_ = 270;
};

// A number readout: value shown with a number of decimals and a units text.
class AnalogDisplay : public Control {
 public:
  AnalogDisplay(Screen* s, std::string name, int index = -1);
  double value() const { return value_; }
  void setValue(double v) { set(value_, v); }
  int precision() const { return precision_; }
  void setPrecision(int p) { set(precision_, p); }
  const std::string& unitsText() const { return unitsText_; }
  void setUnitsText(std::string_view t);
  // Colour of the digits: 255 while stale, aqua normally.
  OleColor displayColor() const { return displayColor_; }
  void setDisplayColor(OleColor c) { set(displayColor_, c); }

 private:
  double value_ = 0;
  int precision_ = 0;
  std::string unitsText_;
  OleColor displayColor_ = color::Aqua;
};

// A text readout of the gauge family: caption kept exactly, coloured text.
class GaugeLabel : public Control {
 public:
  GaugeLabel(Screen* s, std::string name, int index = -1);
  OleColor displayColor() const { return displayColor_; }
  void setDisplayColor(OleColor c) { set(displayColor_, c); }
  Alignment alignment() const { return alignment_; }
  void setAlignment(Alignment a) { set(alignment_, a); }

 private:
  OleColor displayColor_ = color::Aqua;
  Alignment alignment_ = Alignment::Center;
};

class SlidingCompass : public Control {
 public:
  SlidingCompass(Screen* s, std::string name, int index = -1);
  // Any value; the view normalises to 0..360 when drawing.
  double heading() const { return heading_; }
  void setHeading(double h) { set(heading_, h); }

 private:
  double heading_ = 0;
};

enum class DialMode { Attitude, Airspeed, Altimeter, Heading, Climb };

// The aviation dial family: attitude indicator, airspeed indicator, altimeter,
// heading indicator and climb indicator, one class with a mode.
class AviationDial : public Control {
 public:
  AviationDial(Screen* s, std::string name, DialMode mode, int index = -1);
  DialMode mode() const { return mode_; }
  void setMode(DialMode m) { set(mode_, m); }
  // Attitude, degrees: pitch positive nose up, roll positive right wing down.
  double pitch() const { return pitch_; }
  void setPitch(double v) { set(pitch_, v); }
  double roll() const { return roll_; }
  void setRoll(double v) { set(roll_, v); }
  // The generic value (heading, airspeed of the GPS dials, climb).
  double value() const { return value_; }
  void setValue(double v) {
    valueLast_ = true;
    set(value_, v);
  }
  double airspeed() const { return airspeed_; }
  void setAirspeed(double v) {
    valueLast_ = false;
    set(airspeed_, v);
  }
  double indicatorMax() const { return indicatorMax_; }
  void setIndicatorMax(double v) { set(indicatorMax_, v); }
  double vne() const { return vne_; }
  void setVne(double v) { set(vne_, v); }
  double vno() const { return vno_; }
  void setVno(double v) { set(vno_, v); }
  double vfe() const { return vfe_; }
  void setVfe(double v) { set(vfe_, v); }
  double vs1() const { return vs1_; }
  void setVs1(double v) { set(vs1_, v); }
  // Altimeter: feet and inches of mercury.
  double altitude() const { return altitude_; }
  void setAltitude(double v) {
    valueLast_ = false;
    set(altitude_, v);
  }
  // What the needle shows: the airspeed or altitude dial is fed either through
  // the generic value or through its own property; the one set last counts.
  double shownValue() const;
  double baroSetting() const { return baroSetting_; }
  void setBaroSetting(double v) { set(baroSetting_, v); }
  // A further property the screens set to 0; stored, no effect.
  double further() const { return further_; }
  void setFurther(double v) { set(further_, v); }
  OleColor displayColor() const { return displayColor_; }
  void setDisplayColor(OleColor c) { set(displayColor_, c); }
  // Texts painted on the dial face (for example "CLIMB" and "100 ft/min").
  const std::string& title() const { return title_; }
  void setTitle(std::string_view t);
  const std::string& subtitle() const { return subtitle_; }
  void setSubtitle(std::string_view t);

 private:
  DialMode mode_;
  double pitch_ = 0, roll_ = 0, value_ = 0, airspeed_ = 0;
  double indicatorMax_ = 200, vne_ = 0, vno_ = 0, vfe_ = 0, vs1_ = 0;
  double altitude_ = 0, baroSetting_ = 29.92, further_ = 0;
  OleColor displayColor_ = color::White;
  std::string title_, subtitle_;
  bool valueLast_ = true;
};

}  // namespace platform
