// The round gauge (AngularGauge): a dial with its bands, graduations and
// labels on an arc, and a needle.
//
// Angles are in degrees with 0 at 3 o'clock and counter-clockwise positive
// (the screen's usual mathematical sense). The arc starts at arcStart and a
// positive arcSweep runs clockwise from there, the way a dial reads: the
// default start 225 and sweep 270 run from about 7:30 over the top to about
// 4:30. A negative sweep runs counter-clockwise. A value's angle is
// arcStart - fraction * arcSweep, with fraction 0 at the scale's start.
// Labels that would need four digits count hundreds, and the face says so
// ("×100").

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>

#include "platform/qt/gauge_parts.h"

namespace platform::qt {

namespace {

class RoundGaugeWidget : public GaugeWidget {
 public:
  using GaugeWidget::GaugeWidget;

  void pull(const AngularGauge& g) {
    ScaleSettings s;
    s.pull(g);
    const double start = finite(g.arcStart()), sweep = finite(g.arcSweep());
    if (!(s == scale_) || start != arcStart_ || sweep != arcSweep_) invalidateStatic();
    scale_ = s;
    arcStart_ = start;
    arcSweep_ = sweep;
    position_ = finite(g.position());
    pointerColor_ = g.pointerColor();
    updateMoving(layerCurrent() ? movingArea() : QRectF());
  }

 protected:
  double angleOf(double v) const { return arcStart_ - scale_.fraction(v) * arcSweep_; }
  QPointF centre() const { return {width() / 2.0, height() / 2.0}; }
  double radius() const { return std::max(2.0, std::min(width(), height()) / 2.0 - 1); }

  void paintStatic(QPainter& p) override {
    const QColor back = toQColor(scale_.back);
    const QColor ink = contrastTo(back);
    const QPointF c = centre();
    const double r = radius();
    p.fillRect(rect(), back);
    p.setPen(QPen(QColor(110, 110, 110), std::max(1.0, r * 0.03)));
    p.setBrush(faceColor(back));
    p.drawEllipse(c, r - r * 0.015, r - r * 0.015);

    // Bands as arcs just inside the scale line.
    const double bandWidth = std::max(2.0, r * 0.09);
    for (const auto& b : scale_.bands()) {
      QPen pen(toQColor(b.color), bandWidth);
      pen.setCapStyle(Qt::FlatCap);
      p.setPen(pen);
      p.setBrush(Qt::NoBrush);
      const double a = angleOf(b.from);
      strokeArc(p, c, r * 0.88 - bandWidth / 2, a, angleOf(b.to) - a);
    }
    p.setPen(QPen(ink, std::max(1.0, r * 0.015)));
    p.setBrush(Qt::NoBrush);
    strokeArc(p, c, r * 0.88, arcStart_, -arcSweep_);

    const QFont f = pixelFont(font(), std::clamp(r * 0.16, 7.0, 18.0));
    const QFontMetricsF fm(f);
    const double inner = r * 0.74, gap = std::max(2.0, r * 0.03);
    const bool labels = scale_.showTickLabels && r >= 16;
    const Graduations g = scale_.graduated ? dialGraduations(scale_.lo(), scale_.hi(), arcSweep_,
                                                             inner - gap - fm.height() * 0.6, f, labels)
                                           : Graduations{};
    for (const Graduation& m : g.marks) {
      const double a = angleOf(m.value);
      p.setPen(QPen(ink, std::max(1.0, r * (m.major ? 0.025 : 0.012))));
      p.drawLine(polar(c, m.major ? inner : r * 0.81, a), polar(c, r * 0.88, a));
    }
    if (!labels) return;
    p.setFont(f);
    p.setPen(ink);
    for (const Graduation& m : g.marks) {
      if (m.label.empty()) continue;
      const QString s = toQString(m.label);
      const QSizeF box(fm.horizontalAdvance(s), fm.capHeight());
      drawTextAt(p, dialLabelCentre(c, inner, gap, angleOf(m.value), box), s);
    }
    if (!g.factorText.empty()) {
      p.setFont(pixelFont(f, f.pixelSize() * 0.75));
      drawTextAt(p, QPointF(c.x(), c.y() + r * 0.42), toQString(g.factorText));
    }
  }

  double needleLength() const { return radius() * 0.84; }
  double needleWidth() const { return radius() * 0.045; }

  void paintOver(QPainter& p) override {
    const QPointF c = centre();
    const double r = radius();
    drawNeedle(p, c, r, angleOf(position_), needleLength(), needleWidth(), toQColor(pointerColor_),
               scale_.peg(position_) != Peg::None);
    drawHub(p, c, r);
  }

  // The box round the needle, from its tail to its tip, and the hub.
  QRectF movingArea() const {
    const QPointF c = centre();
    const double r = radius(), a = angleOf(position_);
    const double reach = needleHalfWidth(needleWidth()) + 1.0;
    const QRectF needle = QRectF(needleTail(c, r, a), needleTip(c, needleLength(), a)).normalized();
    const double hub = hubRadius(r);
    return needle.adjusted(-reach, -reach, reach, reach) | QRectF(c.x() - hub, c.y() - hub, 2 * hub, 2 * hub);
  }

 private:
  ScaleSettings scale_;
  double arcStart_ = 225, arcSweep_ = 270;
  double position_ = 0;
  OleColor pointerColor_ = 0;
};

}  // namespace

std::unique_ptr<ControlView> makeRoundGaugeView(Control& model, QWidget* parent) {
  return makeGaugeView<AngularGauge, RoundGaugeWidget>(model, parent);
}

}  // namespace platform::qt
