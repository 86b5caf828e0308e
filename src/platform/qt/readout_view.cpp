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
    QFont f = font();
    const QFontMetricsF fm(f);
    const QSizeF size = texts_.size(text_, f);
    const double shrink =
        std::min({1.0, box.width() / std::max(1.0, size.width()), box.height() / std::max(1.0, fm.height())});
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
    QFont digitFont = font();
    double size = QFontInfo(digitFont).pixelSize();
    QFont unitFont = pixelFont(digitFont, std::max(7.0, size * 0.6));
    double gap = units_.isEmpty() ? 0 : std::max(3.0, size * 0.3);
    double wd = digitTexts_.size(digits_, digitFont).width();
    double wu = units_.isEmpty() ? 0 : unitTexts_.size(units_, unitFont).width();
    // Digits and units shrink together when they would not fit the box.
    const double total = wd + gap + wu;
    const double shrink = std::min({1.0, box.width() / std::max(1.0, total),
                                    box.height() / std::max(1.0, QFontMetricsF(digitFont).height())});
    if (shrink < 1.0) {
      size = std::max(6.0, size * shrink);
      digitFont = pixelFont(digitFont, size);
      unitFont = pixelFont(digitFont, std::max(6.0, size * 0.6));
      gap *= shrink;
      wd = digitTexts_.size(digits_, digitFont).width();
      wu = units_.isEmpty() ? 0 : unitTexts_.size(units_, unitFont).width();
    }
    const QFontMetricsF fm(digitFont);
    const double baseline = box.center().y() + (fm.ascent() - fm.descent()) / 2;
    double x = box.center().x() - (wd + gap + wu) / 2;
    p.setPen(toQColor(color_));
    p.setFont(digitFont);
    digitTexts_.drawAtBaseline(p, QPointF(x, baseline), digits_);
    if (units_.isEmpty()) return;
    x += wd + gap;
    p.setFont(unitFont);
    unitTexts_.drawAtBaseline(p, QPointF(x, baseline), units_);
  }

 private:
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
