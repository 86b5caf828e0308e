// The climb indicator (AviationDial, climb mode): 0 at 9 o'clock, climb
// clockwise over the top and descent below, 2000 feet a minute either way;
// the labels count hundreds of feet a minute. "UP" and "DN" sit between the
// zero and the first numbers, clear of both. A rate off the dial pegs the
// needle at the end, drawn hollow.

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPainter>

#include "platform/qt/dial_widget.h"

namespace platform::qt {

namespace {

constexpr double kFullScale = 2000;

class ClimbWidget : public DialWidget {
 public:
  using DialWidget::DialWidget;

 protected:
  static double angleOf(double v) { return 180 - std::clamp(v / kFullScale, -1.0, 1.0) * 160; }

  void paintStatic(QPainter& p) override {
    const QPointF c = centre();
    const double r = radius();
    paintFace(p, c, r);
    const QColor ink = markings();
    const QFont f = pixelFont(font(), std::clamp(r * 0.16, 6.0, 18.0));
    const QFontMetricsF fm(f);
    p.setFont(f);
    const double inner = r * 0.76, gap = std::max(2.0, r * 0.03);
    for (int v = -2000; v <= 2000; v += 100) {
      const bool major = v % 500 == 0;
      p.setPen(QPen(ink, major ? std::max(1.0, r * 0.03) : std::max(1.0, r * 0.012)));
      tick(p, c, major ? inner : r * 0.84, r * 0.92, angleOf(v));
      if (major && r >= 20) {
        p.setPen(ink);
        const QString s = QString::number(std::abs(v) / 100);
        drawTextAt(
            p, dialLabelCentre(c, inner, gap, angleOf(v), QSizeF(fm.horizontalAdvance(s), fm.capHeight())),
            s);
      }
    }
    // "UP" above and "DN" below the zero, nearer the centre than the
    // numbers and level with the middle of the way to the first "5".
    const QFont small = pixelFont(font(), std::clamp(r * 0.1, 5.0, 12.0));
    p.setFont(small);
    const double dy = std::sin(40 * 3.14159265358979323846 / 180) * r * 0.5 / 2;
    drawTextAt(p, QPointF(c.x() - r * 0.3, c.y() - dy), "UP");
    drawTextAt(p, QPointF(c.x() - r * 0.3, c.y() + dy), "DN");
    paintBezel(p, c, r);
    paintTitles(p, c, r);
  }

  void paintOver(QPainter& p) override {
    const QPointF c = centre();
    const double r = radius();
    drawNeedle(p, c, r, angleOf(value()), r * 0.84, r * 0.05, markings(), std::fabs(value()) > kFullScale);
    drawHub(p, c, r);
  }

 private:
};

}  // namespace

std::unique_ptr<ControlView> makeClimbView(Control& model, QWidget* parent) {
  return makeGaugeView<AviationDial, ClimbWidget>(model, parent);
}

}  // namespace platform::qt
