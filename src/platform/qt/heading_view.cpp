// The heading indicator (AviationDial, heading mode): a compass card turning
// behind a fixed lubber line and aircraft symbol. The card's ticks are lines
// drawn turned on each paint, and its labels small pictures placed at their
// turned bearings: a fraction of the cost of resampling a picture of the
// whole card, and sharp at any heading.

#include <algorithm>
#include <cmath>
#include <vector>

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>

#include "platform/qt/dial_widget.h"

namespace platform::qt {

namespace {

class HeadingWidget : public DialWidget {
 public:
  using DialWidget::DialWidget;

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
  // and labels every 30.
  void buildCard(double r) {
    ten_.clear();
    five_.clear();
    for (int b = 0; b < 360; b += 5) {
      const bool ten = b % 10 == 0;
      const double r0 = ten ? r * 0.78 : r * 0.84;
      (ten ? ten_ : five_)
          .emplace_back(polar(QPointF(0, 0), r0, 90 - b), polar(QPointF(0, 0), r * 0.9, 90 - b));
    }
    tenWidth_ = std::max(1.0, r * 0.022);
    fiveWidth_ = std::max(1.0, r * 0.012);
    labelRadius_ = r * 0.62;
    labelFont_ = pixelFont(font(), std::clamp(r * 0.15, 6.0, 18.0));
  }

  void paintOver(QPainter& p) override {
    const QPointF c = centre();
    const double r = radius();
    const QColor ink = markings();
    // The labels' colour is the display colour of the moment: a layer taken
    // up again after the stale marking paints no card.
    labels_.setLook(labelFont_, ink, devicePixelRatioF());
    // The card turns the other way round as the heading grows, bringing the
    // heading under the lubber line at the top.
    p.save();
    p.translate(c);
    p.rotate(-value());
    p.setPen(QPen(ink, tenWidth_, Qt::SolidLine, Qt::FlatCap));
    p.drawLines(ten_.data(), static_cast<int>(ten_.size()));
    p.setPen(QPen(ink, fiveWidth_, Qt::SolidLine, Qt::FlatCap));
    p.drawLines(five_.data(), static_cast<int>(five_.size()));
    p.restore();
    // Labels upright towards the rim at the bearings the card has turned
    // them to, clockwise from the top.
    for (int k = 0; k < 12; ++k) {
      const double turned = k * 30 - value();
      labels_.draw(p, polar(c, labelRadius_, 90 - turned), headingLabel(k * 30, true), turned);
    }
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
  std::vector<QLineF> ten_, five_;
  double tenWidth_ = 1, fiveWidth_ = 1, labelRadius_ = 0;
  QFont labelFont_;
  TurnedTextCache labels_;
};

}  // namespace

std::unique_ptr<ControlView> makeHeadingView(Control& model, QWidget* parent) {
  return makeGaugeView<AviationDial, HeadingWidget>(model, parent);
}

}  // namespace platform::qt
