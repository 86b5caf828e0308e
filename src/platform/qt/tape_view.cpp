// The moving tape (a vertical LinearGauge with a moving scale): the window
// from minimum to maximum moves with the value on every refresh, while the
// marks stay at their round values and scroll past the fixed index. Marks,
// labels and bands are placed from the window on every paint, so moving the
// window rebuilds nothing. The tape's ground is painted under them.

#include <algorithm>
#include <cmath>
#include <vector>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>

#include "platform/qt/gauge_parts.h"

namespace platform::qt {

namespace {

class TapeWidget : public GaugeWidget {
 public:
  using GaugeWidget::GaugeWidget;

  void pull(const LinearGauge& g) {
    ScaleSettings s;
    s.pull(g);
    // The window is a live value here: only the rest is a setting.
    const double min = s.min, max = s.max;
    s.min = s.max = 0;
    s.revision = 0;
    if (!(s == scale_)) invalidateStatic();
    scale_ = s;
    min_ = min;
    max_ = max;
    position_ = finite(g.position());
    pointerColor_ = g.pointerColor();
    update();
  }

 protected:
  // Across the tape from the left: labels, ticks, band strip, index.
  struct Layout {
    double ticks = 0, strip = 0, index = 0, right = 0;
  };

  Layout layout() const {
    Layout l;
    l.right = width();
    const double pointer = std::clamp(width() * 0.16, 8.0, 16.0);
    // The band strip on whole pixels: its ground is then two plain fills.
    l.index = std::round(l.right - pointer);
    l.strip = std::round(l.index - std::clamp(width() * 0.1, 4.0, 9.0));
    l.ticks = l.strip - std::clamp(width() * 0.12, 5.0, 11.0);
    return l;
  }

  // The labels' font and its line height, worked out again only when the
  // widget's font or width changes.
  const QFont& labelFont() {
    if (labelFor_ != font() || labelWidth_ != width()) {
      labelFor_ = font();
      labelWidth_ = width();
      labelFont_ = pixelFont(font(), std::clamp(width() * 0.16, 10.0, 15.0));
      labelFont_.setBold(true);
      labelHeight_ = QFontMetricsF(labelFont_).height();
    }
    return labelFont_;
  }

  // The ground is two fills: painting them costs less than copying a layer.
  bool hasStaticLayer() const override { return false; }
  void paintStatic(QPainter&) override {}

  void paintGround(QPainter& p, const Layout& l) {
    const QColor back = toQColor(scale_.back);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(rect(), back);
    const bool dark = qGray(back.rgb()) < 128;
    // The strip's ground: unmarked where no coloured band lies.
    p.fillRect(QRect(static_cast<int>(l.strip), 0, static_cast<int>(l.index - l.strip), height()),
               dark ? QColor(70, 70, 76) : back.darker(115));
    p.setRenderHint(QPainter::Antialiasing, true);
  }

  // Pixel row of a value in the current window; the window spans the bar
  // from kBarScaleInset below the top to as much above the bottom.
  double yOf(double v) const {
    const double span = std::max(max_, min_) - std::min(max_, min_);
    const double ppu = (height() - 2.0 * kBarScaleInset) / span;
    const double top = scale_.reverse ? std::min(max_, min_) : std::max(max_, min_);
    return kBarScaleInset + (scale_.reverse ? v - top : top - v) * ppu;
  }

  void paintOver(QPainter& p) override {
    const Layout l = layout();
    paintGround(p, l);
    const double lo = std::min(min_, max_), hi = std::max(min_, max_);
    const bool window = hi > lo && std::isfinite(hi - lo);
    if (window) {
      // The values in view, edge to edge.
      const double margin = kBarScaleInset * (hi - lo) / (height() - 2.0 * kBarScaleInset);
      paintStrip(p, l, lo - margin, hi + margin);
    }
    paintIndex(p, l, lo, hi, window);
  }

  void paintStrip(QPainter& p, const Layout& l, double from, double to) {
    for (const auto& b : scale_.bands(from, to)) {
      const double y0 = yOf(b.from), y1 = yOf(b.to);
      p.fillRect(QRectF(l.strip, std::min(y0, y1), l.index - l.strip, std::fabs(y1 - y0)), toQColor(b.color));
    }
    if (!scale_.graduated) return;
    p.setFont(labelFont());
    GraduationRequest r;
    r.from = from;
    r.to = to;
    r.length = height();
    if (scale_.showTickLabels) r.labelExtent = [h = labelHeight_](std::string_view) { return h; };
    // A few label heights between numbers: a tape reads at a glance.
    r.minMajorSpacing = labelHeight_ * 4;
    r.minMinorSpacing = 5;
    r.endMarks = false;
    const Graduations g = graduate(r);

    lines_.clear();
    const double major = l.strip - l.ticks, minor = major / 2;
    for (const Graduation& m : g.marks) {
      const double y = std::round(yOf(m.value)) + 0.5;
      lines_.emplace_back(l.strip - (m.major ? major : minor), y, l.strip, y);
    }
    const QColor ink = contrastTo(toQColor(scale_.back));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(ink, 1));
    p.drawLines(lines_.data(), static_cast<int>(lines_.size()));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(ink);
    for (const Graduation& m : g.marks)
      if (!m.label.empty()) labels_.drawRightAligned(p, l.ticks - 3, yOf(m.value), toQString(m.label));
  }

  void paintIndex(QPainter& p, const Layout& l, double lo, double hi, bool window) {
    // The index at the value: fixed where the window is centred on it, as
    // the screens keep it; pegged at an end, hollow, past the window.
    const Peg peg = !window ? Peg::None : position_ < lo ? Peg::Low : position_ > hi ? Peg::High : Peg::None;
    const double y =
        window ? std::clamp(yOf(position_), double(kBarScaleInset), height() - double(kBarScaleInset))
               : height() / 2.0;
    const double half = std::clamp(height() * 0.02, 5.0, 8.0);
    const QPointF tri[3] = {{l.ticks + 2, y}, {l.right - 0.5, y - half}, {l.right - 0.5, y + half}};
    const QColor colour = toQColor(pointerColor_);
    drawPointer(p, tri, 3, colour, peg != Peg::None);
    if (peg != Peg::None) {
      const bool up = (peg == Peg::High) != scale_.reverse;
      const double base = up ? kBarScaleInset - 1.5 : height() - kBarScaleInset + 1.5;
      const double tip = up ? 1.0 : height() - 1.0;
      const double mid = (l.strip + l.right) / 2;
      drawPegArrow(p, {mid - half, base}, {mid + half, base}, {mid, tip}, colour);
    }
  }

 private:
  ScaleSettings scale_;
  double min_ = 0, max_ = 100, position_ = 0;
  OleColor pointerColor_ = 0;
  std::vector<QLineF> lines_;
  TextCache labels_;
  QFont labelFor_, labelFont_;
  int labelWidth_ = -1;
  double labelHeight_ = 0;
};

}  // namespace

std::unique_ptr<ControlView> makeTapeView(Control& model, QWidget* parent) {
  return makeGaugeView<LinearGauge, TapeWidget>(model, parent);
}

}  // namespace platform::qt
