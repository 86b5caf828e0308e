#include "platform/qt/gauge_views.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

#include "platform/gauges.h"
#include "platform/numbers.h"
#include "platform/qt/qt_text.h"

namespace platform::qt {

// ---------------------------------------------------------------------------
// The cached static layer.

GaugeWidget::GaugeWidget(QWidget* parent) : QWidget(parent) {
  // Every pixel is painted, so Qt need not clear the background first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void GaugeWidget::paintEvent(QPaintEvent*) {
  if (width() <= 0 || height() <= 0) return;
  const qreal ratio = devicePixelRatioF();
  if (!staticValid_ || cacheSize_ != size() || cacheRatio_ != ratio || cacheFont_ != font()) {
    cache_ = QPixmap(size() * ratio);
    cache_.setDevicePixelRatio(ratio);
    cache_.fill(Qt::transparent);
    {
      QPainter cp(&cache_);
      cp.setRenderHint(QPainter::Antialiasing);
      cp.setFont(font());
      paintStatic(cp);
    }
    staticValid_ = true;
    cacheSize_ = size();
    cacheRatio_ = ratio;
    cacheFont_ = font();
    ++staticRebuilds_;
  }
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setFont(font());
  paintUnder(p);
  if (hasStaticLayer()) p.drawPixmap(0, 0, cache_);
  paintOver(p);
}

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Painting works on finite numbers only; a value that is not one draws as 0.
double finite(double v) {
  return std::isfinite(v) ? v : 0.0;
}

// Display pattern with the given number of decimals: "0", "0.0", "0.00", ...
std::string decimalsPattern(int decimals) {
  decimals = std::clamp(decimals, 0, 15);
  return decimals == 0 ? std::string("0") : "0." + std::string(static_cast<std::size_t>(decimals), '0');
}

QString numberLabel(double v, int decimals) {
  return toQString(formatNumber(v, decimalsPattern(decimals)));
}

// Markings that stay readable on the given background.
QColor contrastTo(const QColor& back) {
  return qGray(back.rgb()) < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

// A dial face a little lighter (or darker) than the background around it.
QColor faceColor(const QColor& back) {
  if (qGray(back.rgb()) >= 128) return back.darker(110);
  return back.value() < 20 ? QColor(24, 24, 28) : back.lighter(130);
}

QFont pixelFont(const QFont& base, double pixels) {
  QFont f(base);
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  return f;
}

// Point at radius r and angle deg (0 = 3 o'clock, counter-clockwise positive)
// around c; screen y grows downwards.
QPointF polar(QPointF c, double r, double deg) {
  const double a = deg * std::numbers::pi / 180.0;
  return {c.x() + r * std::cos(a), c.y() - r * std::sin(a)};
}

QRectF circleRect(QPointF c, double r) {
  return {c.x() - r, c.y() - r, 2 * r, 2 * r};
}

// An arc of radius r from angle a sweeping by span degrees (counter-clockwise
// positive), stroked with the painter's pen.
void strokeArc(QPainter& p, QPointF c, double r, double a, double span) {
  QPainterPath path;
  path.arcMoveTo(circleRect(c, r), a);
  path.arcTo(circleRect(c, r), a, span);
  p.drawPath(path);
}

void drawTextAt(QPainter& p, QPointF centre, const QString& s) {
  const QFontMetricsF fm(p.font());
  const double w = fm.horizontalAdvance(s);
  p.drawText(QRectF(centre.x() - w / 2 - 2, centre.y() - fm.height() / 2, w + 4, fm.height()),
             Qt::AlignCenter, s);
}

// Background outside a round dial, so that a moving part under the cached
// layer shows only inside the dial.
void fillOutsideCircle(QPainter& p, const QRectF& all, QPointF c, double r, const QColor& back) {
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  path.addRect(all.adjusted(-1, -1, 1, 1));
  path.addEllipse(c, r, r);
  p.fillPath(path, back);
}

// Ticks at "nice" steps (1, 2 or 5 times a power of ten) so that about ten
// labels fit a scale of the given span.
double niceStep(double span) {
  const double raw = span / 10.0;
  const double mag = std::pow(10.0, std::floor(std::log10(raw)));
  const double norm = raw / mag;
  return (norm <= 1 ? 1 : norm <= 2 ? 2 : norm <= 5 ? 5 : 10) * mag;
}

// ---------------------------------------------------------------------------
// Scales and bands shared by the bar and the round gauge.

// What the cached scale of a bar or round gauge is painted from.
struct ScaleSettings {
  double min = 0, max = 100;
  int sectionCount = 0;
  std::array<OleColor, 6> sectionColor{};
  std::array<double, 5> sectionEnd{};
  bool reverse = false;
  int tickMajorCount = 0;
  int tickLabelPrecision = 0;
  bool showTickLabels = true;
  OleColor back = 0;
  std::uint64_t revision = 0;
  bool operator==(const ScaleSettings&) const = default;

  void pull(const ScaledGauge& g) {
    min = finite(g.positionMin());
    max = finite(g.positionMax());
    sectionCount = std::clamp(g.sectionCount(), 0, 5);
    for (int i = 1; i <= 5; ++i) sectionColor[static_cast<std::size_t>(i)] = g.sectionColor(i);
    for (int i = 1; i <= 4; ++i) sectionEnd[static_cast<std::size_t>(i)] = finite(g.sectionEnd(i));
    reverse = g.reverseScale();
    tickMajorCount = std::clamp(g.tickMajorCount(), 0, 100);
    tickLabelPrecision = g.tickLabelPrecision();
    showTickLabels = g.showTickLabels();
    back = g.backColor();
    revision = g.scaleRevision();
  }

  // The scale runs from the smaller to the larger limit whatever order they
  // were given in.
  double lo() const { return std::min(min, max); }
  double hi() const { return std::max(min, max); }

  // Place of a value along the scale, 0 at its start and 1 at its end, clamped
  // to the scale; a reversed scale starts at its top value.
  double fraction(double v) const {
    const double l = lo(), h = hi();
    const double f = h > l ? (std::clamp(finite(v), l, h) - l) / (h - l) : 0.0;
    return reverse ? 1.0 - f : f;
  }

  struct Band {
    double from, to;
    OleColor color;
  };
  // Bands at their absolute values, clipped to the scale: band i runs from the
  // end of band i-1 (the first from below the scale) to its own end, the last
  // band on to above the scale. A band whose end lies below its start is empty.
  std::vector<Band> bands() const {
    std::vector<Band> out;
    for (int i = 1; i <= sectionCount; ++i) {
      const double from = i == 1 ? -kInf : sectionEnd[static_cast<std::size_t>(i - 1)];
      const double to = i == sectionCount ? kInf : sectionEnd[static_cast<std::size_t>(i)];
      const double a = std::max(from, lo()), b = std::min(to, hi());
      if (b > a) out.push_back({a, b, sectionColor[static_cast<std::size_t>(i)]});
    }
    return out;
  }

  std::vector<double> majorTicks() const {
    std::vector<double> out;
    if (tickMajorCount < 2 || !(hi() > lo())) return out;
    for (int k = 0; k < tickMajorCount; ++k) out.push_back(lo() + (hi() - lo()) * k / (tickMajorCount - 1));
    return out;
  }
};

// ---------------------------------------------------------------------------
// LinearGauge: a vertical or horizontal bar.

class LinearGaugeWidget : public GaugeWidget {
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
    pointerColor_ = g.pointerColor();
    for (int n = 1; n <= 2; ++n) {
      auto& e = extra_[static_cast<std::size_t>(n - 1)];
      e.visible = g.additionalPointerVisible(n);
      e.position = finite(g.additionalPointerPosition(n));
      e.color = g.additionalPointerColor(n);
    }
    update();
  }

 protected:
  // Along: the scale direction, 0 at the scale start. Across: from the label
  // side (left of a vertical bar, bottom of a horizontal one) towards the
  // pointer side.
  struct Layout {
    bool vertical = true;
    double w = 0, h = 0, margin = 0, length = 0;
    double labelEnd = 0, tickEnd = 0, stripEnd = 0, across = 0, marker = 0;
    bool labels = false;
    QPointF pt(double along, double acr) const {
      return vertical ? QPointF(acr, h - margin - along) : QPointF(margin + along, h - acr);
    }
    QRectF rect(double a0, double a1, double c0, double c1) const {
      return QRectF(pt(a0, c0), pt(a1, c1)).normalized();
    }
  };

  Layout layout(const QFontMetricsF& fm, const std::vector<QString>& labels) const {
    Layout l;
    l.vertical = vertical_;
    l.w = width();
    l.h = height();
    l.across = vertical_ ? l.w : l.h;
    const double extent = vertical_ ? l.h : l.w;
    double labelW = 0;
    for (const auto& s : labels) labelW = std::max(labelW, fm.horizontalAdvance(s));
    const double labelSpan = vertical_ ? labelW + 3 : fm.height() + 1;
    const double labelHalf = vertical_ ? fm.height() / 2 : labelW / 2;
    l.labels = !labels.empty() && l.across - labelSpan >= 12 && extent >= 4 * labelHalf;
    l.labelEnd = l.labels ? labelSpan : 0;
    const double tick = labels.empty() || l.across - l.labelEnd < 10 ? 0 : 4;
    l.tickEnd = l.labelEnd + tick;
    const double rest = l.across - l.tickEnd;
    l.stripEnd = l.tickEnd + std::max(2.0, rest * 0.3);
    l.marker = std::clamp((l.across - l.stripEnd) * 0.8, 4.0, 12.0);
    l.margin = std::max({l.marker / 2 + 1, l.labels ? labelHalf + 1 : 0.0, 2.0});
    l.length = std::max(1.0, extent - 2 * l.margin);
    return l;
  }

  double along(const Layout& l, double v) const { return scale_.fraction(v) * l.length; }

  void paintStatic(QPainter& p) override {
    const QColor back = toQColor(scale_.back);
    const QColor ink = contrastTo(back);
    p.fillRect(rect(), back);

    const auto ticks = scale_.majorTicks();
    std::vector<QString> labels;
    if (scale_.showTickLabels)
      for (double v : ticks) labels.push_back(numberLabel(v, scale_.tickLabelPrecision));
    QFont f = font();
    if (QFontInfo(f).pixelSize() > 11) f = pixelFont(f, 11);
    p.setFont(f);
    const QFontMetricsF fm(f);
    lay_ = layout(fm, labels);
    const Layout& l = lay_;

    // Scale strip with its bands.
    const QColor face = faceColor(back);
    p.fillRect(l.rect(0, l.length, l.tickEnd, l.stripEnd),
               qGray(back.rgb()) < 128 ? face.lighter(160) : face.darker(110));
    for (const auto& b : scale_.bands())
      p.fillRect(l.rect(along(l, b.from), along(l, b.to), l.tickEnd, l.stripEnd), toQColor(b.color));
    // A colour bar gets its empty frame, so that an empty bar still shows.
    if (colorBar_) {
      p.setPen(QPen(QColor(90, 90, 90), 1));
      p.setBrush(Qt::NoBrush);
      p.drawRect(l.rect(0, l.length, l.stripEnd + 1, l.across - 1).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    if (l.tickEnd > l.labelEnd) {
      p.setPen(QPen(ink, 1));
      p.drawLine(l.pt(0, l.tickEnd), l.pt(l.length, l.tickEnd));
      for (std::size_t k = 0; k < ticks.size(); ++k) {
        const double a = along(l, ticks[k]);
        p.drawLine(l.pt(a, l.labelEnd), l.pt(a, l.tickEnd));
        if (k + 1 < ticks.size()) {
          const double mid = along(l, (ticks[k] + ticks[k + 1]) / 2);
          p.drawLine(l.pt(mid, l.labelEnd + 2), l.pt(mid, l.tickEnd));
        }
      }
    }
    if (l.labels) {
      p.setPen(ink);
      for (std::size_t k = 0; k < ticks.size(); ++k) {
        const QPointF at = l.pt(along(l, ticks[k]), 0);
        if (l.vertical)
          p.drawText(QRectF(0, at.y() - fm.height() / 2, l.labelEnd - 3, fm.height()),
                     Qt::AlignRight | Qt::AlignVCenter, labels[k]);
        else
          drawTextAt(p, QPointF(at.x(), l.h - fm.height() / 2 - 1), labels[k]);
      }
    }
  }

  void paintOver(QPainter& p) override {
    const Layout& l = lay_;
    if (colorBar_) {
      const double a0 = along(l, scale_.min), a1 = along(l, position_);
      p.fillRect(l.rect(std::min(a0, a1), std::max(a0, a1), l.stripEnd + 2, l.across - 2),
                 toQColor(pointerColor_));
    } else {
      // Triangle marker pointing at the scale strip.
      const double a = along(l, position_);
      const double s = l.marker;
      const QPointF tri[3] = {l.pt(a, l.stripEnd), l.pt(a - s / 2, l.stripEnd + s),
                              l.pt(a + s / 2, l.stripEnd + s)};
      p.setPen(QPen(QColor(0, 0, 0), 1));
      p.setBrush(toQColor(pointerColor_));
      p.drawPolygon(tri, 3);
    }
    // Additional pointers: a short bar across the pointer side.
    for (const auto& e : extra_) {
      if (!e.visible) continue;
      const double a = along(l, e.position);
      const QRectF r = l.rect(a - 1.5, a + 1.5, l.stripEnd + 1, l.across - 1);
      p.fillRect(r.adjusted(-0.5, -0.5, 0.5, 0.5), QColor(0, 0, 0));
      p.fillRect(r, toQColor(e.color));
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

// ---------------------------------------------------------------------------
// AngularGauge: a round dial.
//
// Angles are in degrees with 0 at 3 o'clock and counter-clockwise positive
// (the screen's usual mathematical sense). The arc starts at arcStart and a
// positive arcSweep runs clockwise from there, the way a dial reads: the
// default start 225 and sweep 270 run from about 7:30 over the top to about
// 4:30. A negative sweep runs counter-clockwise. A value's angle is
// arcStart - fraction * arcSweep, with fraction 0 at the scale's start.

class AngularGaugeWidget : public GaugeWidget {
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
    update();
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

    const auto ticks = scale_.majorTicks();
    p.setPen(QPen(ink, std::max(1.0, r * 0.025)));
    for (std::size_t k = 0; k < ticks.size(); ++k) {
      const double a = angleOf(ticks[k]);
      p.drawLine(polar(c, r * 0.74, a), polar(c, r * 0.88, a));
      if (k + 1 < ticks.size()) {
        p.save();
        p.setPen(QPen(ink, std::max(1.0, r * 0.012)));
        for (int m = 1; m < 5; ++m) {
          const double am = angleOf(ticks[k] + (ticks[k + 1] - ticks[k]) * m / 5);
          p.drawLine(polar(c, r * 0.81, am), polar(c, r * 0.88, am));
        }
        p.restore();
      }
    }
    if (scale_.showTickLabels && r >= 16) {
      p.setFont(pixelFont(font(), std::clamp(r * 0.16, 7.0, 18.0)));
      p.setPen(ink);
      for (double v : ticks)
        drawTextAt(p, polar(c, r * 0.58, angleOf(v)), numberLabel(v, scale_.tickLabelPrecision));
    }
  }

  void paintOver(QPainter& p) override {
    const QPointF c = centre();
    const double r = radius();
    const double a = angleOf(position_);
    QPen pen(toQColor(pointerColor_), std::max(2.0, r * 0.045));
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(polar(c, -r * 0.12, a), polar(c, r * 0.84, a));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 150, 150));
    p.drawEllipse(c, std::max(2.0, r * 0.08), std::max(2.0, r * 0.08));
  }

 private:
  ScaleSettings scale_;
  double arcStart_ = 225, arcSweep_ = 270;
  double position_ = 0;
  OleColor pointerColor_ = 0;
};

// ---------------------------------------------------------------------------
// AnalogDisplay and GaugeLabel: coloured text on the back colour.

class TextGaugeWidget : public GaugeWidget {
 public:
  using GaugeWidget::GaugeWidget;

  void setReadout(QString text, OleColor color, OleColor back, Qt::Alignment align) {
    if (back != back_) invalidateStatic();
    back_ = back;
    text_ = std::move(text);
    color_ = color;
    align_ = align;
    update();
  }

 protected:
  void paintStatic(QPainter& p) override { p.fillRect(rect(), toQColor(back_)); }

  void paintOver(QPainter& p) override {
    if (text_.isEmpty()) return;
    const QRectF area = QRectF(rect()).adjusted(2, 0, -2, 0);
    // The readout keeps its font unless the text would not fit the box.
    QFont f = font();
    const QFontMetricsF fm(f);
    const double w = fm.horizontalAdvance(text_);
    const double shrink =
        std::min({1.0, area.width() / std::max(1.0, w), area.height() / std::max(1.0, fm.height())});
    if (shrink < 1.0) f = pixelFont(f, std::max(6.0, QFontInfo(f).pixelSize() * shrink));
    p.setFont(f);
    p.setPen(toQColor(color_));
    p.drawText(area, static_cast<int>(align_ | Qt::AlignVCenter), text_);
  }

 private:
  QString text_;
  OleColor color_ = 0;
  OleColor back_ = 0;
  Qt::Alignment align_ = Qt::AlignHCenter;
};

QString readoutText(const AnalogDisplay& d) {
  return numberLabel(d.value(), d.precision()) + toQString(d.unitsText());
}

Qt::Alignment horizontal(Alignment a) {
  switch (a) {
    case Alignment::Left:
      return Qt::AlignLeft;
    case Alignment::Right:
      return Qt::AlignRight;
    case Alignment::Center:
      break;
  }
  return Qt::AlignHCenter;
}

// ---------------------------------------------------------------------------
// SlidingCompass: a horizontal heading tape behind a fixed lubber line.

class SlidingCompassWidget : public GaugeWidget {
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

  // The whole tape from below north round to beyond north again, drawn once;
  // a paint copies the part around the heading.
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
    p.setFont(pixelFont(font(), std::clamp(h * 0.38, 7.0, 16.0)));
    for (int d = static_cast<int>(std::ceil(start / 5)) * 5; d <= end; d += 5) {
      const double x = (d - start) * ppd;
      const int n = ((d % 360) + 360) % 360;
      const double len = n % 10 == 0 ? h * 0.35 : h * 0.18;
      p.setPen(QPen(ink, n % 30 == 0 ? 2 : 1));
      p.drawLine(QPointF(x, h), QPointF(x, h - len));
      if (n % 30 == 0) {
        const QString label = n == 0     ? "N"
                              : n == 90  ? "E"
                              : n == 180 ? "S"
                              : n == 270 ? "W"
                                         : QString::number(n);
        drawTextAt(p, QPointF(x, h * 0.32), label);
      }
    }
  }

  bool hasStaticLayer() const override { return false; }

  void paintUnder(QPainter& p) override {
    const qreal ratio = tape_.devicePixelRatio();
    const double x = (heading_ - halfSpan() - stripStart()) * pixelsPerDegree();
    p.drawPixmap(QRectF(0, 0, width(), height()), tape_,
                 QRectF(x * ratio, 0, width() * ratio, height() * ratio));
  }

  void paintOver(QPainter& p) override {
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
};

// ---------------------------------------------------------------------------
// AviationDial: attitude, airspeed, altimeter, heading and climb indicators.

class AviationDialWidget : public GaugeWidget {
 public:
  using GaugeWidget::GaugeWidget;

  void pull(const AviationDial& d) {
    Face f;
    f.mode = d.mode();
    f.markings = d.displayColor();
    f.back = d.backColor();
    f.indicatorMax = finite(d.indicatorMax());
    f.vne = finite(d.vne());
    f.vno = finite(d.vno());
    f.vfe = finite(d.vfe());
    f.vs1 = finite(d.vs1());
    f.baro = finite(d.baroSetting());
    f.title = toQString(d.title());
    f.subtitle = toQString(d.subtitle());
    if (!(f == face_)) invalidateStatic();
    face_ = f;
    pitch_ = std::clamp(finite(d.pitch()), -90.0, 90.0);
    roll_ = finite(d.roll());
    value_ = finite(d.shownValue());
    update();
  }

 protected:
  QPointF centre() const { return {width() / 2.0, height() / 2.0}; }
  double radius() const { return std::max(4.0, std::min(width(), height()) / 2.0 - 1); }
  QColor markings() const { return toQColor(face_.markings); }

  void paintStatic(QPainter& p) override {
    const QColor back = toQColor(face_.back);
    const QPointF c = centre();
    const double r = radius();
    switch (face_.mode) {
      case DialMode::Attitude:
        fillOutsideCircle(p, rect(), c, r, back);
        attitudeOverlay(p, c, r);
        break;
      case DialMode::Heading:
        fillOutsideCircle(p, rect(), c, r, back);
        buildCard(r);
        headingOverlay(p, c, r);
        break;
      case DialMode::Airspeed:
        face(p, c, r, back);
        airspeedFace(p, c, r);
        break;
      case DialMode::Altimeter:
        face(p, c, r, back);
        altimeterFace(p, c, r);
        break;
      case DialMode::Climb:
        face(p, c, r, back);
        climbFace(p, c, r);
        break;
    }
    bezel(p, c, r);
    titles(p, c, r);
  }

  void paintUnder(QPainter& p) override {
    if (face_.mode == DialMode::Attitude) horizon(p, centre(), radius());
    if (face_.mode == DialMode::Heading) {
      const QPointF c = centre();
      const double r = radius();
      p.save();
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.translate(c);
      // The card turns the other way round as the heading grows, bringing the
      // heading under the lubber line at the top.
      p.rotate(-value_);
      p.drawPixmap(QRectF(-r, -r, 2 * r, 2 * r), card_, QRectF(QPointF(0, 0), card_.size()));
      p.restore();
    }
  }

  void paintOver(QPainter& p) override {
    const QPointF c = centre();
    const double r = radius();
    switch (face_.mode) {
      case DialMode::Airspeed:
        needle(p, c, r, airspeedAngle(value_), r * 0.84, r * 0.05);
        break;
      case DialMode::Altimeter:
        altimeterHands(p, c, r);
        break;
      case DialMode::Climb:
        needle(p, c, r, climbAngle(value_), r * 0.84, r * 0.05);
        break;
      case DialMode::Attitude:
      case DialMode::Heading:
        break;
    }
  }

 private:
  struct Face {
    DialMode mode = DialMode::Attitude;
    OleColor markings = 0, back = 0;
    double indicatorMax = 0, vne = 0, vno = 0, vfe = 0, vs1 = 0, baro = 0;
    QString title, subtitle;
    bool operator==(const Face&) const = default;
  };

  void face(QPainter& p, QPointF c, double r, const QColor& back) {
    p.fillRect(rect(), back);
    p.setPen(Qt::NoPen);
    p.setBrush(faceColor(back));
    p.drawEllipse(c, r, r);
  }

  void bezel(QPainter& p, QPointF c, double r) {
    const double w = std::max(1.5, r * 0.05);
    p.setPen(QPen(QColor(105, 105, 110), w));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r - w / 2, r - w / 2);
  }

  void titles(QPainter& p, QPointF c, double r) {
    p.setPen(markings());
    p.setFont(pixelFont(font(), std::clamp(r * 0.13, 6.0, 16.0)));
    if (!face_.title.isEmpty()) drawTextAt(p, QPointF(c.x(), c.y() - r * 0.34), face_.title);
    if (!face_.subtitle.isEmpty()) drawTextAt(p, QPointF(c.x(), c.y() + r * 0.34), face_.subtitle);
  }

  void needle(QPainter& p, QPointF c, double r, double angle, double length, double width) {
    QPen pen(markings(), std::max(2.0, width));
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(polar(c, -r * 0.14, angle), polar(c, length, angle));
    hub(p, c, r);
  }

  void hub(QPainter& p, QPointF c, double r) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 140, 140));
    p.drawEllipse(c, std::max(2.0, r * 0.07), std::max(2.0, r * 0.07));
  }

  // Ticks between radii r0 and r1 at the given angle.
  void tick(QPainter& p, QPointF c, double r0, double r1, double angle) {
    p.drawLine(polar(c, r0, angle), polar(c, r1, angle));
  }

  // Airspeed: 0 at 12 o'clock, the maximum 330 degrees clockwise from it.
  double airspeedMax() const { return face_.indicatorMax > 0 ? face_.indicatorMax : 100; }
  double airspeedAngle(double v) const {
    return 90 - std::clamp(v, 0.0, airspeedMax()) / airspeedMax() * 330;
  }

  void airspeedArc(QPainter& p, QPointF c, double radius, double width, double from, double to,
                   const QColor& col) {
    if (!(from > 0 && to > 0)) return;
    QPen pen(col, width);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const double a = airspeedAngle(from);
    strokeArc(p, c, radius, a, airspeedAngle(to) - a);
  }

  void airspeedFace(QPainter& p, QPointF c, double r) {
    const double w = std::max(2.0, r * 0.07);
    airspeedArc(p, c, r * 0.78 - w / 2, w, face_.vs1, face_.vfe, QColor(Qt::white));
    airspeedArc(p, c, r * 0.86 - w / 2, w, face_.vs1, face_.vno, QColor(0, 200, 0));
    airspeedArc(p, c, r * 0.86 - w / 2, w, face_.vno, face_.vne, QColor(255, 220, 0));
    if (face_.vne > 0) {
      QPen red(QColor(230, 0, 0), std::max(2.0, r * 0.045));
      red.setCapStyle(Qt::FlatCap);
      p.setPen(red);
      tick(p, c, r * 0.66, r * 0.92, airspeedAngle(face_.vne));
    }
    const double max = airspeedMax();
    const double step = niceStep(max);
    const QColor ink = markings();
    p.setFont(pixelFont(font(), std::clamp(r * 0.14, 6.0, 16.0)));
    for (int k = 0; k * step <= max * (1 + 1e-9); ++k) {
      const double v = k * step;
      p.setPen(QPen(ink, std::max(1.0, r * 0.025)));
      tick(p, c, r * 0.76, r * 0.92, airspeedAngle(v));
      if (v + step / 2 <= max) {
        p.setPen(QPen(ink, std::max(1.0, r * 0.012)));
        tick(p, c, r * 0.84, r * 0.92, airspeedAngle(v + step / 2));
      }
      if (r >= 20 && (k % 2 == 0 || r >= 60)) {
        p.setPen(ink);
        drawTextAt(p, polar(c, r * 0.6, airspeedAngle(v)), QString::number(v, 'g', 6));
      }
    }
  }

  // Altimeter: digits 0 to 9 round the dial, each 100 feet for the long hand.
  void altimeterFace(QPainter& p, QPointF c, double r) {
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
    const QString baro = toQString(formatNumber(face_.baro, "00.00"));
    QFont f = pixelFont(font(), window.height() * 0.8);
    const double tw = QFontMetricsF(f).horizontalAdvance(baro);
    if (tw > window.width() - 2) f = pixelFont(f, window.height() * 0.8 * (window.width() - 2) / tw);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(window, Qt::AlignCenter, baro);
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

  void altimeterHands(QPainter& p, QPointF c, double r) {
    const double alt = value_;
    auto turn = [alt](double feetPerTurn) { return 90 - std::fmod(alt, feetPerTurn) / feetPerTurn * 360; };
    hand(p, c, turn(100000), r * 0.88, std::max(1.5, r * 0.025), true);
    hand(p, c, turn(10000), r * 0.52, std::max(3.0, r * 0.11), false);
    hand(p, c, turn(1000), r * 0.84, std::max(2.0, r * 0.06), false);
    hub(p, c, r);
  }

  // Climb: 0 at 9 o'clock, climb clockwise over the top and descent below, 2000
  // feet a minute either way; the labels count hundreds of feet a minute.
  static double climbAngle(double v) { return 180 - std::clamp(v / 2000.0, -1.0, 1.0) * 160; }

  void climbFace(QPainter& p, QPointF c, double r) {
    const QColor ink = markings();
    p.setFont(pixelFont(font(), std::clamp(r * 0.16, 6.0, 18.0)));
    for (int v = -2000; v <= 2000; v += 100) {
      const bool major = v % 500 == 0;
      p.setPen(QPen(ink, major ? std::max(1.0, r * 0.03) : std::max(1.0, r * 0.012)));
      tick(p, c, major ? r * 0.76 : r * 0.84, r * 0.92, climbAngle(v));
      if (major && r >= 20) {
        p.setPen(ink);
        drawTextAt(p, polar(c, r * 0.6, climbAngle(v)), QString::number(std::abs(v) / 100));
      }
    }
    p.setFont(pixelFont(font(), std::clamp(r * 0.1, 5.0, 12.0)));
    drawTextAt(p, polar(c, r * 0.5, 150), "UP");
    drawTextAt(p, polar(c, r * 0.5, 210), "DN");
  }

  // Attitude: the sky and ground move under a fixed aircraft symbol. Roll
  // turns the horizon counter-clockwise for a right bank (positive roll, right
  // wing down); pitch moves it down for nose up.
  double pixelsPerPitchDegree(double r) const { return r / 25.0; }

  void horizon(QPainter& p, QPointF c, double r) {
    const double ppd = pixelsPerPitchDegree(r);
    const QColor ink = markings();
    p.save();
    QPainterPath clip;
    clip.addEllipse(c, r - 1, r - 1);
    p.setClipPath(clip);
    p.translate(c);
    p.rotate(-roll_);
    const double y0 = pitch_ * ppd;
    const double big = 4 * r;
    p.fillRect(QRectF(-big, -big, 2 * big, big + y0), QColor(40, 110, 200));
    p.fillRect(QRectF(-big, y0, 2 * big, big), QColor(130, 85, 40));
    p.setPen(QPen(QColor(255, 255, 255), std::max(1.0, r * 0.02)));
    p.drawLine(QPointF(-big, y0), QPointF(big, y0));
    // Pitch ladder every 5 degrees, numbered every 10.
    p.setPen(QPen(ink, std::max(1.0, r * 0.015)));
    p.setFont(pixelFont(font(), std::clamp(r * 0.1, 5.0, 12.0)));
    for (int deg = -40; deg <= 40; deg += 5) {
      if (deg == 0) continue;
      const double y = y0 - deg * ppd;
      if (std::abs(y) > r * 0.7) continue;
      const double half = deg % 10 == 0 ? r * 0.25 : r * 0.12;
      p.drawLine(QPointF(-half, y), QPointF(half, y));
      if (deg % 10 == 0 && r >= 30) {
        drawTextAt(p, QPointF(-half - r * 0.12, y), QString::number(std::abs(deg)));
        drawTextAt(p, QPointF(half + r * 0.12, y), QString::number(std::abs(deg)));
      }
    }
    // Roll pointer, turning with the horizon against the fixed roll scale.
    const double s = std::max(3.0, r * 0.07);
    const QPointF tri[3] = {{0, -r * 0.80}, {-s, -r * 0.80 + 1.6 * s}, {s, -r * 0.80 + 1.6 * s}};
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(tri, 3);
    p.restore();
  }

  void attitudeOverlay(QPainter& p, QPointF c, double r) {
    const QColor ink = markings();
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
    wings.moveTo(c.x() - r * 0.55, c.y());
    wings.lineTo(c.x() - r * 0.2, c.y());
    wings.lineTo(c.x() - r * 0.12, c.y() + r * 0.08);
    wings.moveTo(c.x() + r * 0.55, c.y());
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
  }

  // Heading: the compass card, drawn once and turned on each paint.
  void buildCard(double r) {
    const qreal ratio = devicePixelRatioF();
    const int side = static_cast<int>(std::ceil(2 * r));
    card_ = QPixmap(QSize(side, side) * ratio);
    card_.setDevicePixelRatio(ratio);
    card_.fill(Qt::transparent);
    QPainter p(&card_);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(side / 2.0, side / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(faceColor(toQColor(face_.back)));
    p.drawEllipse(c, r, r);
    const QColor ink = markings();
    for (int b = 0; b < 360; b += 5) {
      const bool ten = b % 10 == 0;
      p.setPen(QPen(ink, ten ? std::max(1.0, r * 0.022) : std::max(1.0, r * 0.012)));
      tick(p, c, ten ? r * 0.78 : r * 0.84, r * 0.9, 90 - b);
    }
    p.setFont(pixelFont(font(), std::clamp(r * 0.15, 6.0, 18.0)));
    p.setPen(ink);
    for (int b = 0; b < 360; b += 30) {
      const QString label = b == 0     ? "N"
                            : b == 90  ? "E"
                            : b == 180 ? "S"
                            : b == 270 ? "W"
                                       : QString::number(b / 10);
      // Labels stand upright towards the rim, turned with their bearing.
      p.save();
      p.translate(c);
      p.rotate(b);
      drawTextAt(p, QPointF(0, -r * 0.62), label);
      p.restore();
    }
  }

  void headingOverlay(QPainter& p, QPointF c, double r) {
    const QColor ink = markings();
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

  Face face_;
  double pitch_ = 0, roll_ = 0, value_ = 0;
  QPixmap card_;
};

// ---------------------------------------------------------------------------
// Views: the model, its widget and the refresh that copies one into the other.

void pullInto(LinearGaugeWidget& w, const LinearGauge& g) {
  w.pull(g);
}
void pullInto(AngularGaugeWidget& w, const AngularGauge& g) {
  w.pull(g);
}
void pullInto(SlidingCompassWidget& w, const SlidingCompass& g) {
  w.pull(g);
}
void pullInto(AviationDialWidget& w, const AviationDial& g) {
  w.pull(g);
}
void pullInto(TextGaugeWidget& w, const AnalogDisplay& d) {
  w.setReadout(readoutText(d), d.displayColor(), d.backColor(), Qt::AlignHCenter);
}
void pullInto(TextGaugeWidget& w, const GaugeLabel& l) {
  w.setReadout(toQString(l.caption()), l.displayColor(), l.backColor(), horizontal(l.alignment()));
}

template <class Model, class Widget>
class GaugeView : public ControlView {
 public:
  GaugeView(Model& model, QWidget* parent) : model_(model), widget_(new Widget(parent)) {
    widget_->setObjectName(toQString(model.objectName()));
    refresh();
  }
  // The window may have destroyed the widget with itself already.
  ~GaugeView() override { delete widget_.data(); }
  QWidget* widget() override { return widget_.data(); }
  void refresh() override {
    if (widget_) pullInto(*widget_, model_);
  }

 private:
  Model& model_;
  QPointer<Widget> widget_;
};

template <class Model, class Widget>
std::unique_ptr<ControlView> make(Control& model, QWidget* parent) {
  return std::make_unique<GaugeView<Model, Widget>>(static_cast<Model&>(model), parent);
}

}  // namespace

std::unique_ptr<ControlView> createGaugeView(Control& model, QWidget* parent) {
  switch (model.kind()) {
    case ControlKind::LinearGauge:
      return make<LinearGauge, LinearGaugeWidget>(model, parent);
    case ControlKind::AngularGauge:
      return make<AngularGauge, AngularGaugeWidget>(model, parent);
    case ControlKind::AnalogDisplay:
      return make<AnalogDisplay, TextGaugeWidget>(model, parent);
    case ControlKind::GaugeLabel:
      return make<GaugeLabel, TextGaugeWidget>(model, parent);
    case ControlKind::SlidingCompass:
      return make<SlidingCompass, SlidingCompassWidget>(model, parent);
    case ControlKind::AviationDial:
      return make<AviationDial, AviationDialWidget>(model, parent);
    default:
      return nullptr;
  }
}

}  // namespace platform::qt
