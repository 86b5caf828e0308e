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

// The ground only; the text is drawn on every paint.
class TextWidget : public GaugeWidget {
 public:
  using GaugeWidget::GaugeWidget;

 protected:
  void setGround(OleColor back) {
    if (back != back_) invalidateStatic();
    back_ = back;
  }
  void paintStatic(QPainter& p) override { p.fillRect(rect(), toQColor(back_)); }
  QRectF area() const { return QRectF(rect()).adjusted(2, 0, -2, 0); }

 private:
  OleColor back_ = 0;
};

class GaugeLabelWidget : public TextWidget {
 public:
  using TextWidget::TextWidget;

  void pull(const GaugeLabel& l) {
    setGround(l.backColor());
    text_ = toQString(l.caption());
    color_ = l.displayColor();
    align_ = horizontal(l.alignment());
    update();
  }

 protected:
  void paintOver(QPainter& p) override {
    if (text_.isEmpty()) return;
    // The label keeps its font unless the text would not fit the box.
    const QRectF box = area();
    const QFont& f = font();
    if (lineHeight_ < 0 || heightFor_ != f) {
      heightFor_ = f;
      lineHeight_ = QFontMetricsF(f).height();
    }
    const QSizeF size = texts_.size(text_, f);
    const double shrink =
        std::min({1.0, box.width() / std::max(1.0, size.width()), box.height() / std::max(1.0, lineHeight_)});
    p.setPen(toQColor(color_));
    if (shrink < 1.0) {
      // A text too long for its box, in a font of its own: laid out each time.
      p.setFont(pixelFont(f, std::max(6.0, QFontInfo(f).pixelSize() * shrink)));
      p.drawText(box, static_cast<int>(align_ | Qt::AlignVCenter), text_);
      return;
    }
    p.setFont(f);
    const double x = align_ == Qt::AlignLeft    ? box.left()
                     : align_ == Qt::AlignRight ? box.right() - size.width()
                                                : box.center().x() - size.width() / 2;
    texts_.drawCentred(p, QPointF(x + size.width() / 2, box.center().y()), text_);
  }

 private:
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
    update();
  }

 protected:
  void paintOver(QPainter& p) override {
    const QRectF box = area();
    const Fonts& full = fonts();
    const double gap = units_.isEmpty() ? 0 : full.gap;
    const double wd = digitTexts_.size(digits_, full.digits).width();
    const double wu = units_.isEmpty() ? 0 : unitTexts_.size(units_, full.units).width();
    // Digits and units shrink together when they would not fit the box.
    const double shrink = std::min(
        {1.0, box.width() / std::max(1.0, wd + gap + wu), box.height() / std::max(1.0, full.height)});
    if (shrink < 1.0) {
      const double pixels = std::max(6.0, full.pixels * shrink);
      const Fonts small = makeFonts(pixelFont(full.digits, pixels), pixels, gap * shrink, 6);
      paintText(p, box, small, small.gap, digitTexts_.size(digits_, small.digits).width(),
                units_.isEmpty() ? 0 : unitTexts_.size(units_, small.units).width());
      return;
    }
    paintText(p, box, full, gap, wd, wu);
  }

 private:
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
  void paintText(QPainter& p, const QRectF& box, const Fonts& f, double gap, double wd, double wu) {
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
