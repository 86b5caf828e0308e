// The attitude indicator (AviationDial, attitude mode): sky and ground with
// the pitch ladder and the sky pointer move under a fixed aircraft symbol
// and roll scale. Roll is positive right wing down and turns the horizon
// counter-clockwise; pitch is positive nose up and moves the horizon down.
// The ladder runs over the whole ±90 degrees, a rung every 5 and a number
// every 10, so that some numbers are in view at any pitch; a number that
// would slide under the aircraft symbol is left out.

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include "platform/qt/dial_widget.h"

namespace platform::qt {

namespace {

const QColor kSky(40, 110, 200);
const QColor kGround(130, 85, 40);

class AttitudeWidget : public DialWidget {
 public:
  using DialWidget::DialWidget;

  void pull(const AviationDial& d) {
    pitch_ = std::clamp(finite(d.pitch()), -90.0, 90.0);
    roll_ = finite(d.roll());
    DialWidget::pull(d);
  }

 protected:
  bool paintsUnder() const override { return true; }
  double pixelsPerDegree(double r) const { return r / 25.0; }
  // Half the span of the wings; the ladder's numbers keep clear of them.
  static double wingSpan(double r) { return r * 0.55; }

  void paintStatic(QPainter& p) override {
    const QPointF c = centre();
    const double r = radius();
    const QColor ink = markings();
    fillOutsideCircle(p, rect(), c, r, back());
    // Roll scale over the top: 10, 20, 30, 45 and 60 degrees either side.
    for (int deg : {-60, -45, -30, -20, -10, 10, 20, 30, 45, 60}) {
      const bool major = deg % 30 == 0;
      p.setPen(QPen(ink, std::max(1.0, r * (major ? 0.03 : 0.018))));
      tick(p, c, r * (major ? 0.82 : 0.86), r * 0.93, 90 - deg);
    }
    const double s = std::max(3.0, r * 0.07);
    const QPointF top[3] = {polar(c, r * 0.80, 90), polar(c, r * 0.93, 90) + QPointF(-s, 0),
                            polar(c, r * 0.93, 90) + QPointF(s, 0)};
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(top, 3);
    // Fixed aircraft symbol: two wings and a centre dot, outlined dark so it
    // reads on sky and ground alike.
    const double w = std::max(2.0, r * 0.055);
    QPainterPath wings;
    wings.moveTo(c.x() - wingSpan(r), c.y());
    wings.lineTo(c.x() - r * 0.2, c.y());
    wings.lineTo(c.x() - r * 0.12, c.y() + r * 0.08);
    wings.moveTo(c.x() + wingSpan(r), c.y());
    wings.lineTo(c.x() + r * 0.2, c.y());
    wings.lineTo(c.x() + r * 0.12, c.y() + r * 0.08);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0), w + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(wings);
    p.setPen(QPen(ink, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(wings);
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.setBrush(ink);
    p.drawEllipse(c, w * 0.8, w * 0.8);
    paintBezel(p, c, r);
    paintTitles(p, c, r);
  }

  void paintUnder(QPainter& p) override {
    const QPointF c = centre();
    const double r = radius();
    const double ppd = pixelsPerDegree(r);
    const QColor ink = markings();
    // Everything outside the dial lies under the cached layer's opaque
    // ground, so nothing needs clipping to the circle. Sky and ground are
    // two turned rectangles reaching past the widget's corners, each pixel
    // painted once: the sky stops a pixel into the ground, so that no pixel
    // of the edge is left unpainted, and the horizon line covers the edge,
    // so neither needs smoothing.
    QTransform turn;
    turn.translate(c.x(), c.y());
    turn.rotate(-roll_);
    p.save();
    p.setTransform(turn);
    const double y0 = pitch_ * ppd;
    const double reach = r * 1.5;
    const double edge = std::clamp(y0, -reach, reach);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (edge > -reach) p.fillRect(QRectF(-reach, -reach, 2 * reach, std::min(edge + 1, reach) + reach), kSky);
    if (edge < reach) p.fillRect(QRectF(-reach, edge, 2 * reach, reach - edge), kGround);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (y0 > -reach && y0 < reach) {
      p.setPen(QPen(QColor(255, 255, 255), std::max(1.0, r * 0.02)));
      p.drawLine(QPointF(-reach, y0), QPointF(reach, y0));
    }

    // The symbol's box in the dial's own (unturned) frame, with a margin.
    const double w = std::max(2.0, r * 0.055);
    const QRectF symbol(c.x() - wingSpan(r) - w - 3, c.y() - w - 3, 2 * (wingSpan(r) + w + 3),
                        r * 0.08 + 2 * w + 6);
    const QFont f = pixelFont(font(), std::clamp(r * 0.1, 7.0, 13.0));
    labels_.setLook(f, ink, devicePixelRatioF());
    measureLabels(f);
    placed_.clear();
    const double turnRad = roll_ * 3.14159265358979323846 / 180.0;
    const double cs = std::fabs(std::cos(turnRad)), sn = std::fabs(std::sin(turnRad));
    const QPen rung(ink, std::max(1.0, r * 0.015));
    for (int deg = -90; deg <= 90; deg += 5) {
      if (deg == 0) continue;
      const double y = y0 - deg * ppd;
      if (std::fabs(y) > r * 0.72) continue;
      const bool ten = deg % 10 == 0;
      const double half = ten ? r * 0.25 : r * 0.12;
      p.setPen(rung);
      p.drawLine(QPointF(-half, y), QPointF(half, y));
      if (!ten || r < 30) continue;
      const auto n = static_cast<std::size_t>(std::abs(deg) / 10 - 1);
      const QString& label = numbers_[n];
      const double lw = widths_[n], lh = capHeight_;
      for (double side : {-1.0, 1.0}) {
        const QPointF at(side * (half + r * 0.04 + lw / 2), y);
        // The label's box once turned, in the dial's frame.
        const QPointF m = turn.map(at);
        const double hw = cs * lw / 2 + sn * lh / 2, hh = sn * lw / 2 + cs * lh / 2;
        if (QRectF(m.x() - hw, m.y() - hh, 2 * hw, 2 * hh).intersects(symbol)) continue;
        placed_.push_back({m, label});
      }
    }
    // Sky pointer, turning with the horizon against the fixed roll scale.
    const double s = std::max(3.0, r * 0.07);
    const QPointF tri[3] = {{0, -r * 0.80}, {-s, -r * 0.80 + 1.6 * s}, {s, -r * 0.80 + 1.6 * s}};
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(tri, 3);
    p.restore();
    // The numbers turned with the ladder, placed where it put them.
    for (const Placed& l : placed_) labels_.draw(p, l.at, l.text, -roll_);
  }

 private:
  // The ladder's numbers 10 to 90 and their widths, measured once per font:
  // measuring text lays it out each time.
  void measureLabels(const QFont& f) {
    if (measured_ && f == measuredFont_) return;
    const QFontMetricsF fm(f);
    for (std::size_t i = 0; i < numbers_.size(); ++i) {
      numbers_[i] = QString::number((i + 1) * 10);
      widths_[i] = fm.horizontalAdvance(numbers_[i]);
    }
    capHeight_ = fm.capHeight();
    measuredFont_ = f;
    measured_ = true;
  }

  struct Placed {
    QPointF at;
    QString text;
  };
  std::array<QString, 9> numbers_;
  std::array<double, 9> widths_{};
  double capHeight_ = 0;
  QFont measuredFont_;
  bool measured_ = false;
  double pitch_ = 0, roll_ = 0;
  TurnedTextCache labels_;
  std::vector<Placed> placed_;
};

}  // namespace

std::unique_ptr<ControlView> makeAttitudeView(Control& model, QWidget* parent) {
  return makeGaugeView<AviationDial, AttitudeWidget>(model, parent);
}

}  // namespace platform::qt
