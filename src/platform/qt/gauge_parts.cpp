#include "platform/qt/gauge_parts.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainterPath>

namespace platform::qt {

QColor contrastTo(const QColor& back) {
  return qGray(back.rgb()) < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

QColor faceColor(const QColor& back) {
  if (qGray(back.rgb()) >= 128) return back.darker(110);
  return back.value() < 20 ? QColor(24, 24, 28) : back.lighter(130);
}

QFont pixelFont(const QFont& base, double pixels) {
  QFont f(base);
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  return f;
}

// ---------------------------------------------------------------------------

void ScaleSettings::pull(const ScaledGauge& g) {
  min = finite(g.positionMin());
  max = finite(g.positionMax());
  sectionCount = std::clamp(g.sectionCount(), 0, 5);
  for (int i = 1; i <= 5; ++i) sectionColor[static_cast<std::size_t>(i)] = g.sectionColor(i);
  for (int i = 1; i <= 4; ++i) sectionEnd[static_cast<std::size_t>(i)] = finite(g.sectionEnd(i));
  reverse = g.reverseScale();
  graduated = g.tickMajorCount() > 0;
  showTickLabels = g.showTickLabels();
  back = g.backColor();
  revision = g.scaleRevision();
}

double ScaleSettings::fraction(double v) const {
  const double l = lo(), h = hi();
  const double f = h > l ? (std::clamp(finite(v), l, h) - l) / (h - l) : 0.0;
  return reverse ? 1.0 - f : f;
}

Peg ScaleSettings::peg(double v) const {
  if (v < lo()) return Peg::Low;
  if (v > hi()) return Peg::High;
  return Peg::None;
}

std::vector<ScaleSettings::Band> ScaleSettings::bands(double from, double to) const {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  std::vector<Band> out;
  for (int i = 1; i <= sectionCount; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const double start = i == 1 ? -kInf : sectionEnd[k - 1];
    const double end = i == sectionCount ? kInf : sectionEnd[k];
    const double a = std::max(start, from), b = std::min(end, to);
    if (b > a && sectionColor[k] != 0) out.push_back({a, b, sectionColor[k]});
  }
  return out;
}

namespace {

// Marks the columns that hold a painted pixel in rows top to bottom.
void markPaintedColumns(const QImage& image, int top, int bottom, std::vector<char>& used) {
  std::fill(used.begin(), used.end(), 0);
  for (int y = top; y < bottom; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(row[x]) != 0) used[static_cast<std::size_t>(x)] = 1;
  }
}

}  // namespace

std::vector<QRect> paintedParts(const QImage& layer) {
  constexpr int kBand = 16;  // rows of a band
  constexpr int kJoin = 24;  // columns of a gap that does not split a run
  const QImage image = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const int w = image.width(), h = image.height();
  std::vector<QRect> parts;
  std::vector<char> used(static_cast<std::size_t>(w));
  for (int top = 0; top < h; top += kBand) {
    const int bottom = std::min(h, top + kBand);
    markPaintedColumns(image, top, bottom, used);
    int start = -1, last = -1;
    for (int x = 0; x < w; ++x) {
      if (used[static_cast<std::size_t>(x)] == 0) continue;
      if (start >= 0 && x - last > kJoin) {
        parts.emplace_back(start, top, last - start + 1, bottom - top);
        start = -1;
      }
      if (start < 0) start = x;
      last = x;
    }
    if (start >= 0) parts.emplace_back(start, top, last - start + 1, bottom - top);
  }
  return parts;
}

// ---------------------------------------------------------------------------

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

void fillOutsideCircle(QPainter& p, const QRectF& all, QPointF c, double r, const QColor& back) {
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  path.addRect(all.adjusted(-1, -1, 1, 1));
  path.addEllipse(c, r, r);
  p.fillPath(path, back);
}

void TextCache::useFont(const QFont& font) {
  if (hasFont_ && font == font_) return;
  font_ = font;
  hasFont_ = true;
  texts_.clear();
  glyphs_.fill(Glyph{});
  composedValid_ = false;
  raw_ = QRawFont::fromFont(font);
  const QFontMetricsF fm(font);
  ascent_ = fm.ascent();
  // The line box of a laid-out text, so that both kinds of text sit alike.
  lineHeight_ = entry(QStringLiteral("0")).size().height();
}

QStaticText& TextCache::entry(const QString& s) {
  if (texts_.size() > 256) texts_.clear();
  auto [it, added] = texts_.try_emplace(s.toStdString());
  if (added) {
    it->second.setTextFormat(Qt::PlainText);
    it->second.setText(s);
    it->second.prepare(QTransform(), font_);
  }
  return it->second;
}

bool TextCache::compose(const QString& s, double& width) {
  constexpr std::string_view kNumberCharacters = "0123456789.,:+- ";
  // A text is measured and then drawn: the glyphs placed for the one serve
  // the other.
  if (composedValid_ && s == composed_) {
    width = composedWidth_;
    return true;
  }
  if (s.isEmpty() || s.size() > 32 || !raw_.isValid()) return false;
  composedValid_ = false;
  indexes_.clear();
  positions_.clear();
  double x = 0;
  for (const QChar ch : s) {
    const char16_t u = ch.unicode();
    if (u >= glyphs_.size() || kNumberCharacters.find(static_cast<char>(u)) == std::string_view::npos)
      return false;
    Glyph& g = glyphs_[u];
    if (g.advance < 0) {
      const QList<quint32> found = raw_.glyphIndexesForString(QString(ch));
      g.index = found.isEmpty() ? 0 : found.front();
      g.advance = QFontMetricsF(font_).horizontalAdvance(ch);
    }
    if (g.index == 0) return false;
    indexes_.push_back(g.index);
    positions_.push_back(QPointF(x, 0));
    x += g.advance;
  }
  width = x;
  composed_ = s;
  composedWidth_ = x;
  composedValid_ = true;
  return true;
}

QSizeF TextCache::size(const QString& s, const QFont& font) {
  useFont(font);
  double width = 0;
  if (compose(s, width)) return {width, lineHeight_};
  return entry(s).size();
}

void TextCache::draw(QPainter& p, QPointF topLeft, const QString& s) {
  double width = 0;
  if (compose(s, width)) {
    QGlyphRun run;
    run.setRawFont(raw_);
    run.setGlyphIndexes(indexes_);
    run.setPositions(positions_);
    p.drawGlyphRun(QPointF(topLeft.x(), topLeft.y() + ascent_), run);
    return;
  }
  p.drawStaticText(topLeft, entry(s));
}

void TextCache::drawCentred(QPainter& p, QPointF centre, const QString& s) {
  const QSizeF sz = size(s, p.font());
  draw(p, QPointF(centre.x() - sz.width() / 2, centre.y() - sz.height() / 2), s);
}

void TextCache::drawRightAligned(QPainter& p, double x, double y, const QString& s) {
  const QSizeF sz = size(s, p.font());
  draw(p, QPointF(x - sz.width(), y - sz.height() / 2), s);
}

void TextCache::drawAtBaseline(QPainter& p, QPointF start, const QString& s) {
  useFont(p.font());
  draw(p, QPointF(start.x(), start.y() - ascent_), s);
}

void TurnedTextCache::setLook(const QFont& font, const QColor& colour, qreal ratio) {
  // Pictures of every colour are kept, so that the stale marking flipping
  // the colour back and forth draws no text anew.
  colour_ = colour;
  if (font == font_ && ratio == ratio_) return;
  font_ = font;
  ratio_ = ratio;
  images_.clear();
  bytes_ = 0;
}

const QImage& TurnedTextCache::turned(const QString& text, int step) {
  const std::string key =
      text.toStdString() + '@' + std::to_string(step) + '#' + std::to_string(colour_.rgba());
  auto it = images_.find(key);
  if (it != images_.end()) return it->second;
  if (bytes_ > kMaxBytes) {
    images_.clear();
    bytes_ = 0;
  }
  // Room for the text's inked box at any turn.
  const QFontMetricsF fm(font_);
  const QRectF ink = fm.tightBoundingRect(text);
  const int side = static_cast<int>(std::ceil(std::hypot(ink.width(), ink.height()))) + 4;
  QImage image(QSize(side, side) * ratio_, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio_);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setFont(font_);
  p.setPen(colour_);
  p.translate(side / 2.0, side / 2.0);
  p.rotate(step * kStep);
  drawTextAt(p, QPointF(0, 0), text);
  p.end();
  bytes_ += static_cast<std::size_t>(image.sizeInBytes());
  return images_.emplace(key, std::move(image)).first->second;
}

void TurnedTextCache::draw(QPainter& p, QPointF centre, const QString& text, double angle) {
  double a = std::fmod(angle, 360.0);
  if (a < 0) a += 360;
  const int step = static_cast<int>(std::lround(a / kStep)) % (360 / kStep);
  const QImage& image = turned(text, step);
  const QSizeF size = image.deviceIndependentSize();
  p.drawImage(QPointF(std::round(centre.x() - size.width() / 2), std::round(centre.y() - size.height() / 2)),
              image);
}

// ---------------------------------------------------------------------------

void drawPointer(QPainter& p, const QPointF* points, int count, const QColor& colour, bool pegged) {
  if (pegged) {
    p.setPen(QPen(colour, 2));
    p.setBrush(outlineColor());
  } else {
    p.setPen(QPen(outlineColor(), 1));
    p.setBrush(colour);
  }
  p.drawPolygon(points, count);
}

void drawPegArrow(QPainter& p, QPointF baseA, QPointF baseB, QPointF tip, const QColor& colour) {
  const QPointF arrow[3] = {baseA, baseB, tip};
  p.setPen(QPen(outlineColor(), 1));
  p.setBrush(colour);
  p.drawPolygon(arrow, 3);
}

QString headingLabel(int degrees, bool tens) {
  switch (degrees) {
    case 0:
      return QStringLiteral("N");
    case 90:
      return QStringLiteral("E");
    case 180:
      return QStringLiteral("S");
    case 270:
      return QStringLiteral("W");
    default:
      return QString::number(tens ? degrees / 10 : degrees);
  }
}

void drawNeedle(QPainter& p, QPointF c, double r, double angle, double length, double width,
                const QColor& colour, bool pegged) {
  if (!pegged) {
    QPen pen(colour, std::max(2.0, width));
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(needleTail(c, r, angle), needleTip(c, length, angle));
    return;
  }
  // Hollow: the needle's outline, as wide as a needle that reads.
  const double half = needleHalfWidth(width);
  const QPointF tail = needleTail(c, r, angle), tip = needleTip(c, length, angle);
  const QPointF side = polar(QPointF(0, 0), half, angle + 90);
  const QPointF shape[4] = {tail + side, tip + side, tip - side, tail - side};
  p.setPen(QPen(colour, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawPolygon(shape, 4);
}

void drawHub(QPainter& p, QPointF c, double r) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 150, 150));
  p.drawEllipse(c, hubRadius(r), hubRadius(r));
}

Graduations dialGraduations(double from, double to, double sweep, double labelRadius, const QFont& font,
                            bool labelled) {
  const QFontMetricsF fm(font);
  GraduationRequest r;
  r.from = from;
  r.to = to;
  r.length = labelRadius * std::fabs(sweep) * 3.14159265358979323846 / 180.0;
  if (labelled)
    r.labelExtent = [&fm](std::string_view s) {
      return std::max(fm.horizontalAdvance(toQString(s)), fm.height() * 0.8);
    };
  r.labelGap = fm.height() * 0.5;
  r.minMajorSpacing = fm.height() * 2.2;
  r.minMinorSpacing = 5;
  r.countHundreds = true;
  return graduate(r);
}

QPointF dialLabelCentre(QPointF c, double inner, double gap, double angle, QSizeF box) {
  const double a = angle * 3.14159265358979323846 / 180.0;
  const double radialHalf =
      std::fabs(std::cos(a)) * box.width() / 2 + std::fabs(std::sin(a)) * box.height() / 2;
  return polar(c, std::max(0.0, inner - gap - radialHalf), angle);
}

}  // namespace platform::qt
