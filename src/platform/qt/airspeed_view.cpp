// The airspeed indicator (AviationDial, airspeed mode): 0 at 12 o'clock, the
// indicator maximum 330 degrees clockwise from it, graduated at round speeds;
// the white arc from Vs1 to Vfe, the green one from Vs1 to Vno, the yellow one
// from Vno to Vne and a red line at Vne. A speed off the dial pegs the needle
// at the end, drawn hollow.

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>

#include "platform/qt/dial_widget.h"

namespace platform::qt {

namespace {

class AirspeedWidget : public DialWidget {
 public:
  using DialWidget::DialWidget;

  void pull(const AviationDial& d) {
    const Marks m{finite(d.indicatorMax()), finite(d.vne()), finite(d.vno()), finite(d.vfe()),
                  finite(d.vs1())};
    if (!(m == marks_)) invalidateStatic();
    marks_ = m;
    DialWidget::pull(d);
  }

 protected:
  double maximum() const { return marks_.max > 0 ? marks_.max : 100; }
  double angleOf(double v) const { return 90 - std::clamp(v, 0.0, maximum()) / maximum() * 330; }

  void arc(QPainter& p, QPointF c, double radius, double width, double from, double to, const QColor& col) {
    if (!(from > 0 && to > 0)) return;
    QPen pen(col, width);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const double a = angleOf(from);
    strokeArc(p, c, radius, a, angleOf(to) - a);
  }

  void paintStatic(QPainter& p) override {
    const QPointF c = centre();
    const double r = radius();
    paintFace(p, c, r);
    const double w = std::max(2.0, r * 0.07);
    arc(p, c, r * 0.78 - w / 2, w, marks_.vs1, marks_.vfe, QColor(Qt::white));
    arc(p, c, r * 0.86 - w / 2, w, marks_.vs1, marks_.vno, QColor(0, 200, 0));
    arc(p, c, r * 0.86 - w / 2, w, marks_.vno, marks_.vne, QColor(255, 220, 0));
    if (marks_.vne > 0) {
      QPen red(QColor(230, 0, 0), std::max(2.0, r * 0.045));
      red.setCapStyle(Qt::FlatCap);
      p.setPen(red);
      tick(p, c, r * 0.66, r * 0.92, angleOf(marks_.vne));
    }
    const QColor ink = markings();
    const QFont f = pixelFont(font(), std::clamp(r * 0.12, 6.0, 16.0));
    const QFontMetricsF fm(f);
    const double inner = r * 0.74, gap = std::max(2.0, r * 0.03);
    const bool labels = r >= 20;
    const Graduations g = dialGraduations(0, maximum(), 330, inner - gap - fm.height() * 0.6, f, labels);
    for (const Graduation& m : g.marks) {
      p.setPen(QPen(ink, std::max(1.0, r * (m.major ? 0.025 : 0.012))));
      tick(p, c, m.major ? inner : r * 0.84, r * 0.92, angleOf(m.value));
    }
    if (labels) {
      p.setFont(f);
      p.setPen(ink);
      for (const Graduation& m : g.marks) {
        if (m.label.empty()) continue;
        const QString s = toQString(m.label);
        drawTextAt(
            p,
            dialLabelCentre(c, inner, gap, angleOf(m.value), QSizeF(fm.horizontalAdvance(s), fm.capHeight())),
            s);
      }
      if (!g.factorText.empty()) {
        p.setFont(pixelFont(f, f.pixelSize() * 0.75));
        drawTextAt(p, QPointF(c.x(), c.y() + r * 0.42), toQString(g.factorText));
      }
    }
    paintBezel(p, c, r);
    paintTitles(p, c, r);
  }

  void paintOver(QPainter& p) override {
    const QPointF c = centre();
    const double r = radius();
    const bool pegged = value() < 0 || value() > maximum();
    drawNeedle(p, c, r, angleOf(value()), r * 0.84, r * 0.05, markings(), pegged);
    drawHub(p, c, r);
  }

 private:
  struct Marks {
    double max = 0, vne = 0, vno = 0, vfe = 0, vs1 = 0;
    bool operator==(const Marks&) const = default;
  };
  Marks marks_;
};

}  // namespace

std::unique_ptr<ControlView> makeAirspeedView(Control& model, QWidget* parent) {
  return makeGaugeView<AviationDial, AirspeedWidget>(model, parent);
}

}  // namespace platform::qt
