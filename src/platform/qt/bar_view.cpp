// The bar (LinearGauge with a fixed scale): a vertical or horizontal scale
// with its graduations, labels and band strip, and a marker pointer or a
// colour bar filled from the scale's minimum to the value (the cylinder and
// angle of attack bars). Additional pointers are drawn under the main one: on
// a colour bar they are the EGT markers, reaching beyond the bar's edges with
// a dark outline so that they show on a bar of any colour.

#include <algorithm>
#include <vector>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

#include "platform/qt/gauge_parts.h"

namespace platform::qt {

namespace {

class BarWidget : public GaugeWidget {
 public:
  using GaugeWidget::GaugeWidget;

  void pull(const LinearGauge& g) {
    ScaleSettings s;
    s.pull(g);
    const bool vertical = g.orientation() == Orientation::Vertical;
    const bool colorBar = g.pointerStyle() == PointerStyle::ColorBar;
    if (!(s == scale_) || vertical != vertical_ || colorBar != colorBar_) invalidateStatic();
    scale_ = s;
    vertical_ = vertical;
    colorBar_ = colorBar;
    position_ = finite(g.position());
    // A colour bar is filled in the pointer colour from the scale's start.
    const bool refill = colorBar_ && g.pointerColor() != pointerColor_;
    pointerColor_ = g.pointerColor();
    for (int n = 1; n <= 2; ++n) {
      auto& e = extra_[static_cast<std::size_t>(n - 1)];
      e.visible = g.additionalPointerVisible(n);
      e.position = finite(g.additionalPointerPosition(n));
      e.color = g.additionalPointerColor(n);
    }
    updateMoving(layerCurrent() && !refill ? movingArea() : QRectF());
  }

 protected:
  // Along: the scale direction, 0 at the scale's start. Across: from the
  // label side (left of a vertical bar, bottom of a horizontal one) towards
  // the pointer side.
  struct Layout {
    bool vertical = true;
    double w = 0, h = 0, length = 1, across = 0;
    double labelEnd = 0, tickEnd = 0, majorTick = 0;
    // Marker bars: the band strip and the pointer zone after it.
    double stripStart = 0, stripEnd = 0, pointer = 0;
    // Colour bars: the bar itself.
    double barStart = 0, barEnd = 0;
    QPointF pt(double along, double acr) const {
      return vertical ? QPointF(acr, h - kBarScaleInset - along) : QPointF(kBarScaleInset + along, h - acr);
    }
    QRectF rect(double a0, double a1, double c0, double c1) const {
      return QRectF(pt(a0, c0), pt(a1, c1)).normalized();
    }
  };

  QFont labelFont() const {
    QFont f = font();
    return QFontInfo(f).pixelSize() > 11 ? pixelFont(f, 11) : f;
  }

  Graduations graduations(double length, const QFontMetricsF& fm) const {
    if (!scale_.graduated) return {};
    GraduationRequest r;
    r.from = scale_.lo();
    r.to = scale_.hi();
    r.length = length;
    if (scale_.showTickLabels) {
      if (vertical_)
        r.labelExtent = [h = fm.height()](std::string_view) { return h; };
      else
        r.labelExtent = [&fm](std::string_view s) { return fm.horizontalAdvance(toQString(s)); };
    }
    r.labelGap = 4;
    r.minMajorSpacing = fm.height() * (vertical_ ? 2.6 : 3.0);
    r.minMinorSpacing = 4;
    return graduate(r);
  }

  Layout layout(const QFontMetricsF& fm, const Graduations& g) const {
    Layout l;
    l.vertical = vertical_;
    l.w = width();
    l.h = height();
    l.across = vertical_ ? l.w : l.h;
    l.length = std::max(1.0, (vertical_ ? l.h : l.w) - 2 * kBarScaleInset);
    double labelW = 0;
    bool labels = false;
    for (const Graduation& m : g.marks)
      if (!m.label.empty()) {
        labels = true;
        labelW = std::max(labelW, fm.horizontalAdvance(toQString(m.label)));
      }
    const double labelSpan = vertical_ ? labelW + 3 : fm.height();
    // Labels only where they leave room for the bar itself.
    if (labels && l.across - labelSpan >= 16) l.labelEnd = labelSpan;
    const double rest = l.across - l.labelEnd;
    l.majorTick = g.marks.empty() ? 0 : rest >= 24 ? 6 : rest >= 14 ? 4 : 0;
    l.tickEnd = l.labelEnd + l.majorTick;
    if (colorBar_) {
      // Room beyond both edges for the EGT markers.
      const double overhang = std::clamp((l.across - l.tickEnd) * 0.12, 2.0, 4.0);
      l.barStart = l.tickEnd + overhang + 1;
      l.barEnd = std::max(l.barStart + 2, l.across - overhang);
      if (!scale_.bands().empty()) {
        l.stripStart = l.barStart;
        l.stripEnd = l.barStart + 4;
        l.barStart = l.stripEnd + 1;
      }
    } else {
      const double free = l.across - l.tickEnd;
      l.pointer = std::clamp(free * 0.5, std::min(free * 0.6, 10.0), 16.0);
      l.stripStart = l.tickEnd;
      l.stripEnd = l.across - l.pointer;
    }
    return l;
  }

  double along(double v) const { return scale_.fraction(v) * lay_.length; }

  // NOLINTNEXTLINE(readability-function-cognitive-complexity)
  void paintStatic(QPainter& p) override {
    const QColor back = toQColor(scale_.back);
    const QColor ink = contrastTo(back);
    p.fillRect(rect(), back);
    const QFont f = labelFont();
    p.setFont(f);
    const QFontMetricsF fm(f);
    const Graduations g =
        graduations(std::max(1.0, (vertical_ ? height() : width()) - 2.0 * kBarScaleInset), fm);
    lay_ = layout(fm, g);
    const Layout& l = lay_;
    const bool dark = qGray(back.rgb()) < 128;

    // The band strip: unmarked scale where no band (or a band of colour 0) lies.
    if (l.stripEnd > l.stripStart) {
      p.fillRect(l.rect(0, l.length, l.stripStart, l.stripEnd),
                 dark ? QColor(70, 70, 76) : faceColor(back).darker(115));
      for (const auto& b : scale_.bands())
        p.fillRect(l.rect(along(b.from), along(b.to), l.stripStart, l.stripEnd), toQColor(b.color));
    }
    // A colour bar's empty frame, so that an empty bar still shows.
    if (colorBar_) {
      p.fillRect(l.rect(0, l.length, l.barStart, l.barEnd), dark ? QColor(30, 30, 34) : faceColor(back));
      p.setPen(QPen(QColor(110, 110, 116), 1));
      p.setBrush(Qt::NoBrush);
      p.drawRect(l.rect(0, l.length, l.barStart, l.barEnd).adjusted(-0.5, -0.5, 0.5, 0.5));
    }
    if (l.majorTick > 0) {
      p.setPen(QPen(ink, 1));
      p.drawLine(l.pt(0, l.tickEnd), l.pt(l.length, l.tickEnd));
      for (const Graduation& m : g.marks) {
        const double a = along(m.value);
        p.setPen(QPen(ink, m.major ? 1.5 : 1));
        p.drawLine(l.pt(a, m.major ? l.tickEnd - l.majorTick : l.tickEnd - l.majorTick / 2),
                   l.pt(a, l.tickEnd));
      }
    }
    // The zero line across ticks and strip, where the scale runs through zero.
    if (scale_.lo() < 0 && scale_.hi() > 0) {
      const double a = along(0);
      p.setPen(QPen(ink, 2));
      p.drawLine(l.pt(a, l.tickEnd - l.majorTick), l.pt(a, colorBar_ ? l.barStart : l.stripEnd));
    }
    if (l.labelEnd > 0) {
      p.setPen(ink);
      for (const Graduation& m : g.marks) {
        if (m.label.empty()) continue;
        const QString s = toQString(m.label);
        const QPointF at = l.pt(along(m.value), 0);
        if (l.vertical) {
          p.drawText(QRectF(0, at.y() - fm.height() / 2, l.labelEnd - 3, fm.height()),
                     Qt::AlignRight | Qt::AlignVCenter, s);
        } else {
          // Centred on its mark, kept inside the bar's ends.
          const double tw = fm.horizontalAdvance(s);
          const double x = std::clamp(at.x() - tw / 2, 0.0, std::max(0.0, l.w - tw));
          p.drawText(QRectF(x, l.h - fm.height(), tw, fm.height()), Qt::AlignCenter, s);
        }
      }
    }
  }

  // Where the pointers, the colour bar's end and the EGT markers are now:
  // across the whole bar, along the span between the outermost of them.
  // Null while one is pegged (its arrow lies beyond the scale's end).
  QRectF movingArea() const {
    const Layout& l = lay_;
    if (scale_.peg(position_) != Peg::None) return {};
    double lo = along(position_), hi = lo;
    for (const auto& e : extra_) {
      if (!e.visible) continue;
      if (scale_.peg(e.position) != Peg::None) return {};
      lo = std::min(lo, along(e.position));
      hi = std::max(hi, along(e.position));
    }
    const double reach = colorBar_ ? 3.0 : std::max(5.0, l.pointer * 0.45) + 1.0;
    return l.rect(lo - reach, hi + reach, 0, l.across);
  }

  // A small arrow just beyond the end a pegged value lies past, across the
  // given zone: a value off the scale never looks like one at its end.
  void peggedArrow(QPainter& p, Peg peg, double c0, double c1, const QColor& fill) const {
    const Layout& l = lay_;
    const bool atStart = (peg == Peg::Low) != scale_.reverse;
    const double base = atStart ? -1.5 : l.length + 1.5;
    const double tip = atStart ? -kBarScaleInset + 1.0 : l.length + kBarScaleInset - 1.0;
    const double mid = (c0 + c1) / 2, half = std::max(3.0, std::min((c1 - c0) / 2, 7.0));
    drawPegArrow(p, l.pt(base, mid - half), l.pt(base, mid + half), l.pt(tip, mid), fill);
  }

  void paintOver(QPainter& p) override {
    const Layout& l = lay_;
    const QColor colour = toQColor(pointerColor_);
    const Peg peg = scale_.peg(position_);
    if (colorBar_) {
      const double a0 = along(scale_.lo()), a1 = along(position_);
      if (a1 != a0)
        p.fillRect(l.rect(std::min(a0, a1), std::max(a0, a1), l.barStart + 1, l.barEnd - 1), colour);
      if (peg != Peg::None) peggedArrow(p, peg, l.barStart, l.barEnd, colour);
    }
    for (const auto& e : extra_) {
      if (!e.visible) continue;
      const double a = along(e.position);
      const QColor ec = toQColor(e.color);
      // Across the bar or strip and beyond both its edges.
      const double c0 = colorBar_ ? l.tickEnd + 1 : l.stripStart - 1;
      const double c1 = colorBar_ ? l.across - 0.5 : l.stripEnd + 2;
      const double half = colorBar_ ? 2.0 : 1.5;
      // On whole pixels: a crisp dark edge round the colour reads on any bar.
      const QRect inner = l.rect(a - half, a + half, c0, c1).toAlignedRect();
      p.fillRect(inner.adjusted(-1, -1, 1, 1), outlineColor());
      p.fillRect(inner, ec);
      const Peg ep = scale_.peg(e.position);
      if (ep != Peg::None) peggedArrow(p, ep, c0, c1, ec);
    }
    if (!colorBar_) {
      // The main pointer on top: a head at least ten pixels across on the
      // pointer side with a stem across the strip to the ticks; hollow when
      // pegged at an end.
      const double a = along(position_);
      const double half = std::max(5.0, l.pointer * 0.45), stem = 1.5;
      const QPointF pin[6] = {l.pt(a - stem, l.stripStart),   l.pt(a + stem, l.stripStart),
                              l.pt(a + stem, l.stripEnd),     l.pt(a + half, l.across - 0.5),
                              l.pt(a - half, l.across - 0.5), l.pt(a - stem, l.stripEnd)};
      drawPointer(p, pin, 6, colour, peg != Peg::None);
      if (peg != Peg::None) peggedArrow(p, peg, l.stripEnd, l.across, colour);
    }
  }

 private:
  struct Extra {
    bool visible = false;
    double position = 0;
    OleColor color = 0;
  };
  ScaleSettings scale_;
  bool vertical_ = true;
  bool colorBar_ = false;
  double position_ = 0;
  OleColor pointerColor_ = 0;
  std::array<Extra, 2> extra_{};
  Layout lay_;
};

}  // namespace

std::unique_ptr<ControlView> makeBarView(Control& model, QWidget* parent) {
  return makeGaugeView<LinearGauge, BarWidget>(model, parent);
}

}  // namespace platform::qt
