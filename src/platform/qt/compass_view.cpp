// The sliding compass (SlidingCompass): a horizontal heading tape behind a
// fixed lubber line. Its ticks are drawn once into a strip from below north
// round to beyond north again, and a paint copies the part around the
// heading; the labels are placed on each paint, and one that would not fit
// whole at an end of the window is left out.

#include <algorithm>
#include <cmath>

#include <QPainter>

#include "platform/qt/gauge_parts.h"

namespace platform::qt {

namespace {

class CompassWidget : public GaugeWidget {
 public:
  using GaugeWidget::GaugeWidget;

  void pull(const SlidingCompass& c) {
    if (c.backColor() != back_) invalidateStatic();
    back_ = c.backColor();
    double h = std::fmod(finite(c.heading()), 360.0);
    if (h < 0) h += 360.0;
    heading_ = h;
    update();
  }

 protected:
  // About 90 degrees of the tape are in view.
  double pixelsPerDegree() const { return std::max(1.0, width() / 90.0); }
  double halfSpan() const { return width() / pixelsPerDegree() / 2; }
  double stripStart() const { return -halfSpan() - 10; }
  QFont labelFont() const { return pixelFont(font(), std::clamp(height() * 0.38, 7.0, 16.0)); }

  void paintStatic(QPainter&) override {
    const double ppd = pixelsPerDegree();
    const double start = stripStart(), end = 360 + halfSpan() + 10;
    const qreal ratio = devicePixelRatioF();
    const QColor back = toQColor(back_);
    const QColor ink = contrastTo(back);
    const double w = (end - start) * ppd, h = height();
    tape_ = QPixmap(QSize(static_cast<int>(std::ceil(w)), height()) * ratio);
    tape_.setDevicePixelRatio(ratio);
    tape_.fill(back);
    QPainter p(&tape_);
    p.setRenderHint(QPainter::Antialiasing);
    for (int d = static_cast<int>(std::ceil(start / 5)) * 5; d <= end; d += 5) {
      const double x = (d - start) * ppd;
      const int n = ((d % 360) + 360) % 360;
      const double len = n % 10 == 0 ? h * 0.35 : h * 0.18;
      p.setPen(QPen(ink, n % 30 == 0 ? 2 : 1));
      p.drawLine(QPointF(x, h), QPointF(x, h - len));
    }
  }

  bool hasStaticLayer() const override { return false; }

  void paintOver(QPainter& p) override {
    const double ppd = pixelsPerDegree();
    const qreal ratio = tape_.devicePixelRatio();
    const double x0 = (heading_ - halfSpan() - stripStart()) * ppd;
    p.drawPixmap(QRectF(0, 0, width(), height()), tape_,
                 QRectF(x0 * ratio, 0, width() * ratio, height() * ratio));

    // Labels every 30 degrees, whole or not at all.
    p.setFont(labelFont());
    p.setPen(contrastTo(toQColor(back_)));
    const double left = heading_ - halfSpan();
    for (int d = static_cast<int>(std::ceil(left / 30)) * 30; d <= heading_ + halfSpan(); d += 30) {
      const QString label = headingLabel(((d % 360) + 360) % 360, false);
      const double x = (d - left) * ppd;
      const double half = labels_.size(label, p.font()).width() / 2;
      if (x - half < 0 || x + half > width()) continue;
      labels_.drawCentred(p, QPointF(x, height() * 0.32), label);
    }

    const double x = width() / 2.0;
    p.setPen(QPen(QColor(255, 160, 0), 2));
    p.drawLine(QPointF(x, 0), QPointF(x, height()));
    const double s = std::max(4.0, height() * 0.15);
    const QPointF tri[3] = {{x, s}, {x - s / 2, 0}, {x + s / 2, 0}};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 160, 0));
    p.drawPolygon(tri, 3);
  }

 private:
  OleColor back_ = 0;
  double heading_ = 0;
  QPixmap tape_;
  TextCache labels_;
};

}  // namespace

std::unique_ptr<ControlView> makeCompassView(Control& model, QWidget* parent) {
  return makeGaugeView<SlidingCompass, CompassWidget>(model, parent);
}

}  // namespace platform::qt
