// The altimeter (AviationDial, altimeter mode): digits 0 to 9 round the dial,
// each 100 feet for the long hand, 1,000 for the short one and 10,000 for the
// thin hand with the wide tip; the pressure setting in a window at 3 o'clock.

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPainter>

#include "platform/numbers.h"
#include "platform/qt/dial_widget.h"

namespace platform::qt {

namespace {

class AltimeterWidget : public DialWidget {
 public:
  using DialWidget::DialWidget;

  void pull(const AviationDial& d) {
    const double baro = finite(d.baroSetting());
    if (baro != baro_) invalidateStatic();
    baro_ = baro;
    DialWidget::pull(d);
  }

 protected:
  void paintStatic(QPainter& p) override {
    const QPointF c = centre();
    const double r = radius();
    paintFace(p, c, r);
    const QColor ink = markings();
    for (int k = 0; k < 50; ++k) {
      const double a = 90 - k * 7.2;
      const bool major = k % 5 == 0;
      p.setPen(QPen(ink, major ? std::max(1.0, r * 0.03) : std::max(1.0, r * 0.012)));
      tick(p, c, major ? r * 0.76 : r * 0.84, r * 0.92, a);
    }
    p.setPen(ink);
    p.setFont(pixelFont(font(), std::clamp(r * 0.18, 6.0, 22.0)));
    for (int k = 0; k < 10; ++k) drawTextAt(p, polar(c, r * 0.63, 90 - k * 36), QString::number(k));
    // Pressure setting window at 3 o'clock.
    const QRectF window(c.x() + r * 0.30, c.y() - r * 0.11, r * 0.44, r * 0.22);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(QColor(0, 0, 0));
    p.drawRect(window);
    const QString baro = toQString(formatNumber(baro_, "00.00"));
    QFont f = pixelFont(font(), window.height() * 0.8);
    const double tw = QFontMetricsF(f).horizontalAdvance(baro);
    if (tw > window.width() - 2) f = pixelFont(f, window.height() * 0.8 * (window.width() - 2) / tw);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(window, Qt::AlignCenter, baro);
    paintBezel(p, c, r);
    paintTitles(p, c, r);
  }

  void hand(QPainter& p, QPointF c, double angle, double length, double width, bool tipTriangle) {
    const QPointF tip = polar(c, length, angle);
    const QPointF l = polar(c, width / 2, angle + 90), rr = polar(c, width / 2, angle - 90);
    const QPointF tail = polar(c, -width, angle);
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.setBrush(markings());
    if (tipTriangle) {
      // The ten-thousand-foot hand: a thin shaft with a wide triangle tip.
      const QPointF base = polar(c, length * 0.8, angle);
      const QPointF tri[3] = {tip, polar(base, width * 2.5, angle + 90),
                              polar(base, width * 2.5, angle - 90)};
      const QPointF shaft[4] = {l, polar(l, length * 0.8, angle), polar(rr, length * 0.8, angle), rr};
      p.drawPolygon(shaft, 4);
      p.drawPolygon(tri, 3);
    } else {
      const QPointF shape[6] = {tail, l, polar(l, length * 0.85, angle), tip, polar(rr, length * 0.85, angle),
                                rr};
      p.drawPolygon(shape, 6);
    }
  }

  void paintOver(QPainter& p) override {
    const QPointF c = centre();
    const double r = radius();
    const double alt = value();
    auto turn = [alt](double feetPerTurn) { return 90 - std::fmod(alt, feetPerTurn) / feetPerTurn * 360; };
    hand(p, c, turn(100000), r * 0.88, std::max(1.5, r * 0.025), true);
    hand(p, c, turn(10000), r * 0.52, std::max(3.0, r * 0.11), false);
    hand(p, c, turn(1000), r * 0.84, std::max(2.0, r * 0.06), false);
    drawHub(p, c, r);
  }

 private:
  double baro_ = 0;
};

}  // namespace

std::unique_ptr<ControlView> makeAltimeterView(Control& model, QWidget* parent) {
  return makeGaugeView<AviationDial, AltimeterWidget>(model, parent);
}

}  // namespace platform::qt
