// Number readouts (AnalogDisplay) and text readouts (GaugeLabel): coloured
// text on the back colour. A number readout shows its digits and, after a
// gap, its units text in a smaller size, both on one baseline; the model's
// units text is kept as set, its blanks only trimmed for drawing.

#include <algorithm>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

#include "platform/numbers.h"
#include "platform/qt/gauge_parts.h"

namespace platform::qt {

namespace {

std::string decimalsPattern(int decimals) {
  decimals = std::clamp(decimals, 0, 15);
  return decimals == 0 ? std::string("0") : "0." + std::string(static_cast<std::size_t>(decimals), '0');
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

// Text on a plain ground, both drawn on every paint: filling the ground
// writes the pixels only, where copying a cached layer of it would read as
// many again. A new text repaints only the strip the old and the new text
// take, not the whole box.
class TextWidget : public GaugeWidget {
 public:
  using GaugeWidget::GaugeWidget;

 protected:
  void setGround(OleColor back) {
    if (back != back_) groundChanged_ = true;
    back_ = back;
  }
  // Asks for the paint a pull needs: the text's old and new strips, or the
  // whole widget when its ground changed or nothing is painted yet.
  void requestPaint() {
    updateMoving(layerCurrent() && !groundChanged_ ? textStrip() : QRectF());
    groundChanged_ = false;
  }
  bool hasStaticLayer() const override { return false; }
  void paintStatic(QPainter&) override {}
  void paintOver(QPainter& p) final {
    p.fillRect(rect(), toQColor(back_));
    paintText(p);
  }
  virtual void paintText(QPainter& p) = 0;
  // The text's left edge and width as it will be painted.
  struct Span {
    double left = 0, width = 0;
  };
  virtual Span textSpan() = 0;
  QRectF area() const { return QRectF(rect()).adjusted(2, 0, -2, 0); }

 private:
  // The text's span over the widget's height, with room for glyphs that
  // reach past their advance; null when there is no text.
  QRectF textStrip() {
    const Span s = textSpan();
    return s.width > 0 ? QRectF(s.left - 2, 0, s.width + 4, height()) : QRectF();
  }

  OleColor back_ = 0;
  bool groundChanged_ = false;
};

class GaugeLabelWidget : public TextWidget {
 public:
  using TextWidget::TextWidget;

  void pull(const GaugeLabel& l) {
    setGround(l.backColor());
    text_ = toQString(l.caption());
    color_ = l.displayColor();
    align_ = horizontal(l.alignment());
    requestPaint();
  }

 protected:
  void paintText(QPainter& p) override {
    if (text_.isEmpty()) return;
    const Place at = place();
    p.setPen(toQColor(color_));
    if (at.shrink < 1.0) {
      // A text too long for its box, in a font of its own: laid out each time.
      p.setFont(pixelFont(font(), std::max(6.0, QFontInfo(font()).pixelSize() * at.shrink)));
      p.drawText(area(), static_cast<int>(align_ | Qt::AlignVCenter), text_);
      return;
    }
    p.setFont(font());
    texts_.drawCentred(p, QPointF(at.left + at.width / 2, area().center().y()), text_);
  }

  Span textSpan() override {
    if (text_.isEmpty()) return {};
    const Place at = place();
    if (at.shrink < 1.0) return {area().left(), area().width()};
    return {at.left, at.width};
  }

 private:
  // Where the text goes: it keeps the label's font unless it would not fit
  // the box (shrink below 1).
  struct Place {
    double shrink = 1, left = 0, width = 0;
  };
  Place place() {
    const QRectF box = area();
    const QFont& f = font();
    if (lineHeight_ < 0 || heightFor_ != f) {
      heightFor_ = f;
      lineHeight_ = QFontMetricsF(f).height();
    }
    const QSizeF size = texts_.size(text_, f);
    Place at;
    at.shrink =
        std::min({1.0, box.width() / std::max(1.0, size.width()), box.height() / std::max(1.0, lineHeight_)});
    at.width = size.width();
    at.left = align_ == Qt::AlignLeft    ? box.left()
              : align_ == Qt::AlignRight ? box.right() - size.width()
                                         : box.center().x() - size.width() / 2;
    return at;
  }

  // The texts a label shows come back again and again (the digits of a
  // reading): each is laid out once.
  TextCache texts_;
  // The font's line height, measured again only when the font changes.
  QFont heightFor_;
  double lineHeight_ = -1;  // below 0: not measured yet
  QString text_;
  OleColor color_ = 0;
  Qt::Alignment align_ = Qt::AlignHCenter;
};

class ReadoutWidget : public TextWidget {
 public:
  using TextWidget::TextWidget;

  void pull(const AnalogDisplay& d) {
    setGround(d.backColor());
    digits_ = toQString(formatNumber(d.value(), decimalsPattern(d.precision())));
    units_ = toQString(trimText(d.unitsText()));
    color_ = d.displayColor();
    requestPaint();
  }

 protected:
  void paintText(QPainter& p) override {
    const QRectF box = area();
    const Measure m = measure();
    if (m.shrink < 1.0) {
      const Fonts& full = fonts();
      const double pixels = std::max(6.0, full.pixels * m.shrink);
      const Fonts small = makeFonts(pixelFont(full.digits, pixels), pixels, m.gap * m.shrink, 6);
      drawDigits(p, box, small, small.gap, digitTexts_.size(digits_, small.digits).width(),
                 units_.isEmpty() ? 0 : unitTexts_.size(units_, small.units).width());
      return;
    }
    drawDigits(p, box, fonts(), m.gap, m.digits, m.units);
  }

  Span textSpan() override {
    const Measure m = measure();
    if (m.shrink < 1.0) return {area().left(), area().width()};
    const double width = m.digits + m.gap + m.units;
    return {area().center().x() - width / 2, width};
  }

 private:
  // The widths of the digits, the gap and the units in the widget's font,
  // and how much both must shrink to fit the box (below 1: they do not fit).
  struct Measure {
    double digits = 0, gap = 0, units = 0, shrink = 1;
  };
  Measure measure() {
    const QRectF box = area();
    const Fonts& full = fonts();
    Measure m;
    m.gap = units_.isEmpty() ? 0 : full.gap;
    m.digits = digitTexts_.size(digits_, full.digits).width();
    m.units = units_.isEmpty() ? 0 : unitTexts_.size(units_, full.units).width();
    m.shrink = std::min({1.0, box.width() / std::max(1.0, m.digits + m.gap + m.units),
                         box.height() / std::max(1.0, full.height)});
    return m;
  }

  // The digits' font, the smaller one of the units and what is measured of
  // them, worked out again only when the widget's font changes.
  struct Fonts {
    QFont digits, units;
    double pixels = 0, gap = 0, height = 0, ascent = 0, descent = 0;
  };
  static Fonts makeFonts(const QFont& digits, double pixels, double gap, double smallest) {
    Fonts f;
    f.digits = digits;
    f.pixels = pixels;
    f.units = pixelFont(digits, std::max(smallest, f.pixels * 0.6));
    f.gap = gap;
    const QFontMetricsF fm(digits);
    f.height = fm.height();
    f.ascent = fm.ascent();
    f.descent = fm.descent();
    return f;
  }
  const Fonts& fonts() {
    if (fontsFor_ != font() || !measured_) {
      fontsFor_ = font();
      measured_ = true;
      const double pixels = QFontInfo(font()).pixelSize();
      fonts_ = makeFonts(font(), pixels, std::max(3.0, pixels * 0.3), 7);
    }
    return fonts_;
  }
  // Digits wd wide and units wu wide, after a gap, centred in the box.
  void drawDigits(QPainter& p, const QRectF& box, const Fonts& f, double gap, double wd, double wu) {
    const double baseline = box.center().y() + (f.ascent - f.descent) / 2;
    double x = box.center().x() - (wd + gap + wu) / 2;
    p.setPen(toQColor(color_));
    p.setFont(f.digits);
    digitTexts_.drawAtBaseline(p, QPointF(x, baseline), digits_);
    if (units_.isEmpty()) return;
    x += wd + gap;
    p.setFont(f.units);
    unitTexts_.drawAtBaseline(p, QPointF(x, baseline), units_);
  }

  Fonts fonts_;
  QFont fontsFor_;
  bool measured_ = false;
  // Each text is laid out once: a reading's digits come back again and again.
  TextCache digitTexts_, unitTexts_;
  QString digits_, units_;
  OleColor color_ = 0;
};

}  // namespace

std::unique_ptr<ControlView> makeReadoutView(Control& model, QWidget* parent) {
  return makeGaugeView<AnalogDisplay, ReadoutWidget>(model, parent);
}

std::unique_ptr<ControlView> makeGaugeLabelView(Control& model, QWidget* parent) {
  return makeGaugeView<GaugeLabel, GaugeLabelWidget>(model, parent);
}

}  // namespace platform::qt
