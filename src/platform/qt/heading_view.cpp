// The heading indicator (AviationDial, heading mode): a compass card turning
// behind a fixed lubber line and aircraft symbol. The card's ticks and labels
// are one outline, built with the cached layer and filled turned on each
// paint: turning an outline costs a fraction of resampling a picture of the
// card, and stays sharp at any heading.

#include <algorithm>

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include "platform/qt/dial_widget.h"

namespace platform::qt {

namespace {

class HeadingWidget : public DialWidget {
 public:
  using DialWidget::DialWidget;

  void pull(const AviationDial& d) {
    pullFace(d);
    value_ = finite(d.shownValue());
    update();
  }

 protected:
  void paintStatic(QPainter& p) override {
    const QPointF c = centre();
    const double r = radius();
    paintFace(p, c, r);
    paintBezel(p, c, r);
    paintTitles(p, c, r);
    buildCard(r);
  }

  // The card round its own centre: ticks every 5 degrees, longer every 10,
  // and labels every 30 standing upright towards the rim.
  void buildCard(double r) {
    card_ = QPainterPath();
    card_.setFillRule(Qt::WindingFill);
    for (int b = 0; b < 360; b += 5) {
      const bool ten = b % 10 == 0;
      const double w = ten ? std::max(1.0, r * 0.022) : std::max(1.0, r * 0.012);
      const double r0 = ten ? r * 0.78 : r * 0.84;
      QTransform t;
      t.rotate(b);
      card_.addPolygon(t.map(QPolygonF(QRectF(-w / 2, -r * 0.9, w, r * 0.9 - r0))));
      card_.closeSubpath();
    }
    const QFont f = pixelFont(font(), std::clamp(r * 0.15, 6.0, 18.0));
    for (int b = 0; b < 360; b += 30) {
      const QString label = b == 0     ? "N"
                            : b == 90  ? "E"
                            : b == 180 ? "S"
                            : b == 270 ? "W"
                                       : QString::number(b / 10);
      QPainterPath text;
      text.addText(0, 0, f, label);
      const QRectF box = text.boundingRect();
      QTransform t;
      t.rotate(b);
      t.translate(-box.center().x(), -r * 0.62 - box.center().y());
      card_.addPath(t.map(text));
    }
  }

  void paintOver(QPainter& p) override {
    const QPointF c = centre();
    const double r = radius();
    const QColor ink = markings();
    // The card turns the other way round as the heading grows, bringing the
    // heading under the lubber line at the top.
    p.save();
    p.translate(c);
    p.rotate(-value_);
    p.fillPath(card_, ink);
    p.restore();
    // Lubber line at the top.
    p.setPen(QPen(QColor(255, 160, 0), std::max(2.0, r * 0.035)));
    tick(p, c, r * 0.74, r * 0.95, 90);
    // Fixed aircraft symbol in the centre, nose up.
    const double s = r * 0.3, w = std::max(1.5, r * 0.04);
    p.setPen(QPen(ink, w, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x(), c.y() - s), QPointF(c.x(), c.y() + s * 0.8));
    p.drawLine(QPointF(c.x() - s * 0.8, c.y() - s * 0.15), QPointF(c.x() + s * 0.8, c.y() - s * 0.15));
    p.drawLine(QPointF(c.x() - s * 0.35, c.y() + s * 0.75), QPointF(c.x() + s * 0.35, c.y() + s * 0.75));
  }

 private:
  double value_ = 0;
  QPainterPath card_;
};

}  // namespace

std::unique_ptr<ControlView> makeHeadingView(Control& model, QWidget* parent) {
  return makeGaugeView<AviationDial, HeadingWidget>(model, parent);
}

}  // namespace platform::qt
