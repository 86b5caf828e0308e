#pragma once
// What the gauge views share: the view that copies a model into its widget,
// the scale settings of bars and dials, painting helpers (polar points, arcs,
// text placed by its centre, needles, pegged pointers) and a cache of label
// texts. Each instrument has its own file; this is their common ground.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QPointer>
#include <QRawFont>
#include <QRect>
#include <QRectF>
#include <QStaticText>
#include <QString>

#include "platform/gauges.h"
#include "platform/graduations.h"
#include "platform/qt/control_view.h"
#include "platform/qt/gauge_views.h"
#include "platform/qt/qt_text.h"

namespace platform::qt {

// ---------------------------------------------------------------------------
// The view of one gauge: its widget and the refresh that copies the model in.
// The widget class has pull(const Model&).

template <class Model, class Widget>
class GaugeView : public ControlView {
 public:
  GaugeView(Model& model, QWidget* parent) : model_(model), widget_(new Widget(parent)) {
    widget_->setObjectName(toQString(model.objectName()));
    refresh();
  }
  // The window may have destroyed the widget with itself already.
  ~GaugeView() override { delete widget_.data(); }
  QWidget* widget() override { return widget_.data(); }
  void refresh() override {
    if (widget_) widget_->pull(model_);
  }

 private:
  Model& model_;
  QPointer<Widget> widget_;
};

template <class Model, class Widget>
std::unique_ptr<ControlView> makeGaugeView(Control& model, QWidget* parent) {
  return std::make_unique<GaugeView<Model, Widget>>(static_cast<Model&>(model), parent);
}

// One maker per instrument, each in the file named for it.
std::unique_ptr<ControlView> makeBarView(Control& model, QWidget* parent);
std::unique_ptr<ControlView> makeTapeView(Control& model, QWidget* parent);
std::unique_ptr<ControlView> makeRoundGaugeView(Control& model, QWidget* parent);
std::unique_ptr<ControlView> makeReadoutView(Control& model, QWidget* parent);
std::unique_ptr<ControlView> makeGaugeLabelView(Control& model, QWidget* parent);
std::unique_ptr<ControlView> makeCompassView(Control& model, QWidget* parent);
std::unique_ptr<ControlView> makeAttitudeView(Control& model, QWidget* parent);
std::unique_ptr<ControlView> makeAirspeedView(Control& model, QWidget* parent);
std::unique_ptr<ControlView> makeAltimeterView(Control& model, QWidget* parent);
std::unique_ptr<ControlView> makeHeadingView(Control& model, QWidget* parent);
std::unique_ptr<ControlView> makeClimbView(Control& model, QWidget* parent);

// ---------------------------------------------------------------------------
// Numbers and colours.

// Painting works on finite numbers only; a value that is not one draws as 0.
inline double finite(double v) {
  return std::isfinite(v) ? v : 0.0;
}

// Markings that stay readable on the given background.
QColor contrastTo(const QColor& back);
// A dial face a little lighter (or darker) than the background around it.
QColor faceColor(const QColor& back);
// The additional pointers' dark outline and the pegged marks' fill.
inline QColor outlineColor() {
  return {0, 0, 0};
}
QFont pixelFont(const QFont& base, double pixels);

// ---------------------------------------------------------------------------
// Scale settings of a bar or a round gauge: what its cached layer is painted
// from.

// Where a value lies against its scale: on it, or beyond one of its ends
// (then drawn pegged at that end, unlike any reading on the scale).
enum class Peg { None, Low, High };

struct ScaleSettings {
  double min = 0, max = 100;
  int sectionCount = 0;
  std::array<OleColor, 6> sectionColor{};
  std::array<double, 5> sectionEnd{};
  bool reverse = false;
  // A design with no major ticks at all (a count of 0) has no graduations.
  bool graduated = true;
  bool showTickLabels = true;
  OleColor back = 0;
  std::uint64_t revision = 0;
  bool operator==(const ScaleSettings&) const = default;

  void pull(const ScaledGauge& g);

  // The scale runs from the smaller to the larger limit whatever order they
  // were given in.
  double lo() const { return std::min(min, max); }
  double hi() const { return std::max(min, max); }
  // Place of a value along the scale, 0 at its start and 1 at its end,
  // clamped to the scale; a reversed scale starts at its top value.
  double fraction(double v) const;
  Peg peg(double v) const;

  struct Band {
    double from, to;
    OleColor color;
  };
  // Bands at their absolute values, clipped to [from, to] (the scale, or the
  // window of a tape): band i runs from the end of band i-1 (the first from
  // below the scale) to its own end, the last band on to above the scale. A
  // band whose end lies below its start is empty, and a band of colour 0 is
  // unmarked scale: neither is returned.
  std::vector<Band> bands(double from, double to) const;
  std::vector<Band> bands() const { return bands(lo(), hi()); }
};

// ---------------------------------------------------------------------------
// Geometry and text.

// Point at radius r and angle deg (0 = 3 o'clock, counter-clockwise positive)
// around c; screen y grows downwards.
inline QPointF polar(QPointF c, double r, double deg) {
  const double a = deg * 3.14159265358979323846 / 180.0;
  return {c.x() + r * std::cos(a), c.y() - r * std::sin(a)};
}
inline QRectF circleRect(QPointF c, double r) {
  return {c.x() - r, c.y() - r, 2 * r, 2 * r};
}
// An arc of radius r from angle a sweeping by span degrees (counter-clockwise
// positive), stroked with the painter's pen.
void strokeArc(QPainter& p, QPointF c, double r, double a, double span);
// Text centred on a point, in the painter's font and pen.
void drawTextAt(QPainter& p, QPointF centre, const QString& s);
// Background outside a round dial, so that a moving part under the cached
// layer shows only inside the dial.
void fillOutsideCircle(QPainter& p, const QRectF& all, QPointF c, double r, const QColor& back);

// The parts of a transparent layer that hold anything painted, as bands of
// rows cut into runs of columns, in the layer's pixels. A pixel left
// transparent blends to nothing, so drawing these parts alone leaves the
// picture of the whole layer while reading a fraction of it (the open face
// of the attitude indicator is most of its layer).
std::vector<QRect> paintedParts(const QImage& layer);

// Label texts laid out once and drawn from then on without a new layout (the
// texts of a moving tape or compass that scroll into view again and again).
// A text of digits and number signs only (a reading that changes on every
// refresh) is not laid out at all: its glyphs are looked up once per font
// and placed one after another, as a layout places them. Bounded: past a few
// hundred laid-out texts it starts afresh.
class TextCache {
 public:
  // Size of the text in the given font.
  QSizeF size(const QString& s, const QFont& font);
  // Draws the text with its centre at the point.
  void drawCentred(QPainter& p, QPointF centre, const QString& s);
  // Draws the text with its right edge at x, centred on y.
  void drawRightAligned(QPainter& p, double x, double y, const QString& s);
  // Draws the text from the point on its baseline, as drawText does.
  void drawAtBaseline(QPainter& p, QPointF start, const QString& s);

 private:
  struct Glyph {
    quint32 index = 0;
    double advance = -1;  // below 0: not looked up yet
  };
  void useFont(const QFont& font);
  // Places the text's glyphs in indexes_ and positions_ and gives its width;
  // false when the text is not digits and number signs, or the font lacks one
  // of its glyphs.
  bool compose(const QString& s, double& width);
  // Draws the text with the top left of its line box at the point.
  void draw(QPainter& p, QPointF topLeft, const QString& s);
  QStaticText& entry(const QString& s);

  QFont font_;
  bool hasFont_ = false;
  double ascent_ = 0, lineHeight_ = 0;
  QRawFont raw_;
  std::array<Glyph, 128> glyphs_{};
  QList<quint32> indexes_;
  QList<QPointF> positions_;
  // The text whose glyphs indexes_ and positions_ hold.
  QString composed_;
  double composedWidth_ = 0;
  bool composedValid_ = false;
  std::unordered_map<std::string, QStaticText> texts_;
};

// Label texts turned with a moving card or ladder (the heading card, the
// pitch ladder): each text is drawn once into a small picture per turn, to
// the nearest kStep degrees, and placed from then on without a transform.
// Turning text on every paint would lay its glyphs out anew each time; a
// label within a degree of its turn reads the same. Bounded: past 8 MB of
// pictures it starts afresh (a heading card's twelve labels at every turn
// take about 6 MB at the size of the GPS screen's dial; a smaller bound
// drew them anew all through a turn).
class TurnedTextCache {
 public:
  static constexpr int kStep = 2;
  // Draws the text centred on the point, turned clockwise by angle degrees;
  // the painter's transform must be a translation at most.
  void draw(QPainter& p, QPointF centre, const QString& text, double angle);
  // Font and colour of the texts; a change of font starts afresh.
  void setLook(const QFont& font, const QColor& colour, qreal ratio);

 private:
  const QImage& turned(const QString& text, int step);
  QFont font_;
  QColor colour_;
  static constexpr std::size_t kMaxBytes = 8 << 20;
  qreal ratio_ = 1;
  std::unordered_map<std::string, QImage> images_;
  std::size_t bytes_ = 0;
};

// ---------------------------------------------------------------------------
// Pointers.

// A pointer's shape: filled in its colour with a dark edge while it reads a
// value on the scale, hollow (its edge in the colour) while pegged at an end.
void drawPointer(QPainter& p, const QPointF* points, int count, const QColor& colour, bool pegged);
// The small arrow just past a scale's end that a pegged pointer adds: a
// value off the scale never looks like one at its end.
void drawPegArrow(QPainter& p, QPointF baseA, QPointF baseB, QPointF tip, const QColor& colour);

// A heading label: N, E, S and W at the cardinal points, other bearings in
// degrees or, on a compass card, in tens of degrees.
QString headingLabel(int degrees, bool tens);

// ---------------------------------------------------------------------------
// Dial parts.

// The ends of a needle of a dial of radius r: its tail just behind the
// centre, its tip at length.
inline QPointF needleTail(QPointF c, double r, double angle) {
  return polar(c, -r * 0.12, angle);
}
inline QPointF needleTip(QPointF c, double length, double angle) {
  return polar(c, length, angle);
}
// Half the width a needle of the given width takes across, outline and all.
inline double needleHalfWidth(double width) {
  return std::max(2.5, width / 2 + 1);
}
// Radius of the hub over a needle's pivot on a dial of radius r.
inline double hubRadius(double r) {
  return std::max(2.0, r * 0.08);
}
// A needle from just behind the centre to length at the given angle; a pegged
// needle is drawn hollow (its outline only), so that it never reads as a
// value at the end of the scale.
void drawNeedle(QPainter& p, QPointF c, double r, double angle, double length, double width,
                const QColor& colour, bool pegged);
void drawHub(QPainter& p, QPointF c, double r);

// The graduations of a round dial's arc: from and to the scale's ends, sweep
// the arc's angle (degrees), labelRadius the radius the labels sit at, font
// the labels' font (its size spaces the marks also when labelled is false).
Graduations dialGraduations(double from, double to, double sweep, double labelRadius, const QFont& font,
                            bool labelled = true);

// Labels of a round dial just inside its ticks: each label's centre moves in
// until its box keeps gap pixels from the circle of radius inner.
QPointF dialLabelCentre(QPointF c, double inner, double gap, double angle, QSizeF box);

}  // namespace platform::qt
