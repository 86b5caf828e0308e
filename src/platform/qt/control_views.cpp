#include "platform/qt/control_views.h"

#include <algorithm>
#include <cmath>

#include <QAbstractTableModel>
#include <QBrush>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabBar>
#include <QTreeView>

#include "platform/qt/list_box_view.h"
#include "platform/qt/qt_text.h"

namespace platform::qt {

namespace {

// ---- shared helpers

// Background roles are set for every colour group; text roles only for the
// active and inactive groups, so a disabled control still shows greyed text.
void setBackground(QWidget* w, QPalette::ColorRole role, const QColor& c) {
  if (w->palette().color(QPalette::Active, role) == c && w->palette().color(QPalette::Disabled, role) == c)
    return;
  QPalette p = w->palette();
  p.setColor(role, c);
  w->setPalette(p);
}

void setForeground(QWidget* w, QPalette::ColorRole role, const QColor& c) {
  if (w->palette().color(QPalette::Active, role) == c && w->palette().color(QPalette::Inactive, role) == c)
    return;
  QPalette p = w->palette();
  p.setColor(QPalette::Active, role, c);
  p.setColor(QPalette::Inactive, role, c);
  w->setPalette(p);
}

void setFill(QWidget* w, bool fill) {
  if (w->autoFillBackground() != fill) w->setAutoFillBackground(fill);
}

Qt::Alignment horizontal(Alignment a) {
  switch (a) {
    case Alignment::Right:
      return Qt::AlignRight;
    case Alignment::Center:
      return Qt::AlignHCenter;
    case Alignment::Left:
      break;
  }
  return Qt::AlignLeft;
}

// A widget whose left-button press and double click are the control's Click
// and DblClick. The press is taken here, so the container does not see it.
template <class Base>
class Clickable : public Base {
 public:
  using Base::Base;
  std::function<void()> onPress;
  std::function<void()> onDouble;

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && onPress) {
      e->accept();
      onPress();
      return;
    }
    Base::mousePressEvent(e);
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && onDouble) {
      e->accept();
      onDouble();
      return;
    }
    Base::mouseDoubleClickEvent(e);
  }
};

// Captions show "&" as itself; the toolkit would otherwise take it as the
// mark of a keyboard shortcut and underline the next letter instead.
QString literalCaption(const std::string& caption) {
  QString text = toQString(caption);
  text.replace(QLatin1Char('&'), QLatin1String("&&"));
  return text;
}

template <class Model, class Widget>
class ViewBase : public ControlView {
 public:
  ViewBase(Model& model, Widget* widget, ViewHost& host) : m_(model), w_(widget), host_(host) {
    widget->setObjectName(toQString(model.objectName()));
  }
  QWidget* widget() override { return w_.data(); }

 protected:
  // Runs user input against the model through the window, then shows the
  // model's answer in this widget even when the model did not change (a
  // selected option clicked again stays selected).
  void input(const std::function<void()>& action) {
    host_.userInput(action);
    refresh();
  }
  Model& m_;
  QPointer<Widget> w_;
  ViewHost& host_;
};

// ---- Label

class LabelView : public ViewBase<Label, QLabel> {
 public:
  LabelView(Label& m, QWidget* parent, ViewHost& host) : ViewBase(m, make(parent), host) {
    auto* w = static_cast<Clickable<QLabel>*>(w_.data());
    w->onPress = [this] { input([this] { m_.click(); }); };
    w->onDouble = [this] { input([this] { m_.dblClick(); }); };
  }
  void refresh() override {
    QLabel* w = w_.data();
    if (!w) return;
    const QString text = toQString(m_.caption());
    if (w->text() != text) w->setText(text);
    const Qt::Alignment align = horizontal(m_.alignment()) | Qt::AlignTop;
    if (w->alignment() != align) w->setAlignment(align);
    // A label of fixed size wraps its caption at its width, whatever WordWrap
    // says (WordWrap only decides how an auto-sized label grows).
    if (!w->wordWrap()) w->setWordWrap(true);
    const int shape = m_.border() ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame;
    if (w->frameStyle() != shape) {
      w->setFrameStyle(shape);
      w->setLineWidth(1);
    }
    setForeground(w, QPalette::WindowText, toQColor(m_.foreColor()));
    setFill(w, !m_.transparent());
    if (!m_.transparent()) setBackground(w, QPalette::Window, toQColor(m_.backColor()));
  }

 private:
  static QLabel* make(QWidget* parent) {
    auto* w = new Clickable<QLabel>(parent);
    w->setTextFormat(Qt::PlainText);
    w->setWordWrap(true);
    w->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A framed label would otherwise indent its text by half an "x" from the
    // top too, which pushes descenders (the "_" of a file name) out of a
    // one-row label.
    w->setIndent(0);
    w->setMargin(1);
    return w;
  }
};

// ---- TextBox

// A press places the cursor as in any editor; the button coming up inside the
// box is the box's Click. Focus gained with Tab, and typing, are no click.
class ClickableLineEdit : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;
  std::function<void()> onClick;

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    pressed_ = e->button() == Qt::LeftButton;
    QLineEdit::mousePressEvent(e);
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    QLineEdit::mouseReleaseEvent(e);
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    if (click && onClick) onClick();
  }

 private:
  bool pressed_ = false;
};

class LineEditView : public ViewBase<TextBox, QLineEdit> {
 public:
  LineEditView(TextBox& m, QWidget* parent, ViewHost& host)
      : ViewBase(m, new ClickableLineEdit(parent), host) {
    QObject::connect(w_.data(), &QLineEdit::textEdited, w_.data(), [this](const QString& text) {
      input([this, t = fromQString(text)] { m_.setText(t); });
    });
    static_cast<ClickableLineEdit*>(w_.data())->onClick = [this] { input([this] { m_.click(); }); };
  }
  void refresh() override {
    QLineEdit* w = w_.data();
    if (!w) return;
    const QSignalBlocker block(w);
    const QString text = toQString(m_.text());
    if (w->text() != text) w->setText(text);
    const Qt::Alignment align = horizontal(m_.alignment()) | Qt::AlignVCenter;
    if (w->alignment() != align) w->setAlignment(align);
    if (w->isReadOnly() != m_.locked()) w->setReadOnly(m_.locked());
    setBackground(w, QPalette::Base, toQColor(m_.backColor()));
    setForeground(w, QPalette::Text, toQColor(m_.foreColor()));
  }
};

// Multi-line text boxes hold CR LF line ends; the editor shows plain line breaks.
class PlainTextView : public ViewBase<TextBox, QPlainTextEdit> {
 public:
  PlainTextView(TextBox& m, QWidget* parent, ViewHost& host) : ViewBase(m, new QPlainTextEdit(parent), host) {
    QObject::connect(w_.data(), &QPlainTextEdit::textChanged, w_.data(), [this] {
      QString text = w_->toPlainText();
      text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
      input([this, t = fromQString(text)] { m_.setText(t); });
    });
  }
  void refresh() override {
    QPlainTextEdit* w = w_.data();
    if (!w) return;
    const QSignalBlocker block(w);
    QString text = toQString(m_.text());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (w->toPlainText() != text) w->setPlainText(text);
    if (w->isReadOnly() != m_.locked()) w->setReadOnly(m_.locked());
    setBackground(w, QPalette::Base, toQColor(m_.backColor()));
    setForeground(w, QPalette::Text, toQColor(m_.foreColor()));
  }
};

// ---- ComboBox (editable: the text need not be in the list)

class ComboBoxView : public ViewBase<ComboBox, QComboBox> {
 public:
  ComboBoxView(ComboBox& m, QWidget* parent, ViewHost& host) : ViewBase(m, make(parent), host) {
    QComboBox* w = w_.data();
    QObject::connect(w, &QComboBox::activated, w,
                     [this](int i) { input([this, i] { m_.setListIndex(i); }); });
    QObject::connect(w->lineEdit(), &QLineEdit::textEdited, w, [this](const QString& text) {
      input([this, t = fromQString(text)] { m_.setText(t); });
    });
  }
  void refresh() override {
    QComboBox* w = w_.data();
    if (!w) return;
    const QSignalBlocker block(w);
    const QSignalBlocker blockEdit(w->lineEdit());
    if (shown_ != m_.items()) {
      shown_ = m_.items();
      QStringList list;
      list.reserve(static_cast<qsizetype>(shown_.size()));
      for (const auto& s : shown_) list << toQString(s);
      w->clear();
      w->addItems(list);
    }
    if (w->currentIndex() != m_.listIndex()) w->setCurrentIndex(m_.listIndex());
    const QString text = toQString(m_.text());
    if (w->currentText() != text) w->setEditText(text);
    setBackground(w, QPalette::Base, toQColor(m_.backColor()));
    setForeground(w, QPalette::Text, toQColor(m_.foreColor()));
  }

 private:
  static QComboBox* make(QWidget* parent) {
    auto* w = new QComboBox(parent);
    w->setEditable(true);
    w->setInsertPolicy(QComboBox::NoInsert);
    // Completion would change the shown text behind the model's back.
    w->setCompleter(nullptr);
    return w;
  }
  std::vector<std::string> shown_;
};

// ---- OptionButton, CheckBox, CommandButton

// The whole rectangle of an option or check box takes the click, not only
// its mark and caption.
template <class Base>
class WholeRectButton : public Base {
 public:
  using Base::Base;

 protected:
  bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

// The model keeps the option group: the widgets are not exclusive themselves.
class OptionButtonView : public ViewBase<OptionButton, QRadioButton> {
 public:
  OptionButtonView(OptionButton& m, QWidget* parent, ViewHost& host)
      : ViewBase(m, new WholeRectButton<QRadioButton>(parent), host) {
    w_->setAutoExclusive(false);
    QObject::connect(w_.data(), &QRadioButton::clicked, w_.data(), [this] { input([this] { m_.click(); }); });
  }
  void refresh() override {
    QRadioButton* w = w_.data();
    if (!w) return;
    const QSignalBlocker block(w);
    const QString text = literalCaption(m_.caption());
    if (w->text() != text) w->setText(text);
    if (w->isChecked() != m_.value()) w->setChecked(m_.value());
    setForeground(w, QPalette::WindowText, toQColor(m_.foreColor()));
    setFill(w, true);
    setBackground(w, QPalette::Window, toQColor(m_.backColor()));
  }
};

class CheckBoxView : public ViewBase<CheckBox, QCheckBox> {
 public:
  CheckBoxView(CheckBox& m, QWidget* parent, ViewHost& host)
      : ViewBase(m, new WholeRectButton<QCheckBox>(parent), host) {
    w_->setTristate(true);
    QObject::connect(w_.data(), &QCheckBox::clicked, w_.data(), [this] { input([this] { m_.click(); }); });
  }
  void refresh() override {
    QCheckBox* w = w_.data();
    if (!w) return;
    const QSignalBlocker block(w);
    const QString text = literalCaption(m_.caption());
    if (w->text() != text) w->setText(text);
    const Qt::CheckState state =
        m_.value() == 1 ? Qt::Checked : (m_.value() == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    if (w->checkState() != state) w->setCheckState(state);
    setForeground(w, QPalette::WindowText, toQColor(m_.foreColor()));
    setFill(w, true);
    setBackground(w, QPalette::Window, toQColor(m_.backColor()));
  }
};

class CommandButtonView : public ViewBase<CommandButton, QPushButton> {
 public:
  CommandButtonView(CommandButton& m, QWidget* parent, ViewHost& host)
      : ViewBase(m, new QPushButton(parent), host) {
    w_->setAutoDefault(false);
    QObject::connect(w_.data(), &QPushButton::clicked, w_.data(), [this] { input([this] { m_.click(); }); });
  }
  void refresh() override {
    QPushButton* w = w_.data();
    if (!w) return;
    const QString text = literalCaption(m_.caption());
    if (w->text() != text) w->setText(text);
    // Only a graphical button shows its own back colour.
    const OleColor back = m_.graphical() ? m_.backColor() : color::ButtonFace;
    setBackground(w, QPalette::Button, toQColor(back));
    setForeground(w, QPalette::ButtonText, toQColor(m_.foreColor()));
  }
};

// ---- Frame: the container of other controls, with its caption.

class FrameWidget : public Clickable<QGroupBox> {
 public:
  using Clickable::Clickable;
  bool border = true;

 protected:
  void paintEvent(QPaintEvent* e) override {
    if (border) QGroupBox::paintEvent(e);
  }
};

class FrameView : public ViewBase<Frame, QGroupBox> {
 public:
  FrameView(Frame& m, QWidget* parent, ViewHost& host) : ViewBase(m, new FrameWidget(parent), host) {
    auto* w = static_cast<FrameWidget*>(w_.data());
    w->onPress = [this] { input([this] { m_.click(); }); };
    w->onDouble = [this] { input([this] { m_.dblClick(); }); };
  }
  void refresh() override {
    auto* w = static_cast<FrameWidget*>(w_.data());
    if (!w) return;
    const QString title = m_.border() ? literalCaption(m_.caption()) : QString();
    if (w->title() != title) w->setTitle(title);
    if (w->border != m_.border()) {
      w->border = m_.border();
      w->update();
    }
    setForeground(w, QPalette::WindowText, toQColor(m_.foreColor()));
    setFill(w, true);
    setBackground(w, QPalette::Window, toQColor(m_.backColor()));
  }
};

// ---- Shape: a lamp painted in its fill, back and border colours.

class ShapeWidget : public QWidget {
 public:
  using QWidget::QWidget;
  ShapeType type = ShapeType::Circle;
  QBrush brush;
  QColor border;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool squared =
        type == ShapeType::Square || type == ShapeType::Circle || type == ShapeType::RoundedSquare;
    if (squared) {
      const qreal side = std::min(r.width(), r.height());
      r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    p.setPen(QPen(border, 1));
    p.setBrush(brush);
    switch (type) {
      case ShapeType::Rectangle:
      case ShapeType::Square:
        p.drawRect(r);
        break;
      case ShapeType::Oval:
      case ShapeType::Circle:
        p.drawEllipse(r);
        break;
      case ShapeType::RoundedRectangle:
      case ShapeType::RoundedSquare: {
        const qreal radius = std::min(r.width(), r.height()) / 6;
        p.drawRoundedRect(r, radius, radius);
        break;
      }
    }
  }
};

class ShapeView : public ViewBase<Shape, ShapeWidget> {
 public:
  ShapeView(Shape& m, QWidget* parent, ViewHost& host) : ViewBase(m, new ShapeWidget(parent), host) {
    w_->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  void refresh() override {
    ShapeWidget* w = w_.data();
    if (!w) return;
    // A solid fill shows the fill colour; a transparent fill shows the back
    // colour when the shape is opaque, else nothing.
    QBrush brush = Qt::NoBrush;
    if (m_.fillStyle() == 0)
      brush = QBrush(toQColor(m_.fillColor()));
    else if (m_.opaque())
      brush = QBrush(toQColor(m_.backColor()));
    const QColor border = toQColor(m_.borderColor());
    if (w->type != m_.shape() || w->brush != brush || w->border != border) {
      w->type = m_.shape();
      w->brush = brush;
      w->border = border;
      w->update();
    }
  }
};

// ---- Line: places itself on the bounding box of its points.

class LineWidget : public QWidget {
 public:
  using QWidget::QWidget;
  QPoint from, to;
  QColor color;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QPen(color, 1));
    p.drawLine(from, to);
  }
};

class LineView : public ViewBase<Line, LineWidget> {
 public:
  LineView(Line& m, QWidget* parent, ViewHost& host) : ViewBase(m, new LineWidget(parent), host) {
    w_->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  void refresh() override {
    LineWidget* w = w_.data();
    if (!w) return;
    const QPoint a(px(m_.x1()), px(m_.y1())), b(px(m_.x2()), px(m_.y2()));
    const QRect box = QRect(a, b).normalized();
    const QRect geometry(box.topLeft(), QSize(box.width() + 1, box.height() + 1));
    if (w->geometry() != geometry) w->setGeometry(geometry);
    const QPoint from = a - geometry.topLeft(), to = b - geometry.topLeft();
    const QColor color = toQColor(m_.borderColor());
    if (w->from != from || w->to != to || w->color != color) {
      w->from = from;
      w->to = to;
      w->color = color;
      w->update();
    }
  }
};

// ---- Image: the picture of a file (BMP and whatever else Qt reads).

class ImageView : public ViewBase<Image, QLabel> {
 public:
  ImageView(Image& m, QWidget* parent, ViewHost& host) : ViewBase(m, new Clickable<QLabel>(parent), host) {
    auto* w = static_cast<Clickable<QLabel>*>(w_.data());
    w->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    w->onPress = [this] { input([this] { m_.click(); }); };
    w->onDouble = [this] { input([this] { m_.dblClick(); }); };
  }
  void refresh() override {
    QLabel* w = w_.data();
    if (!w) return;
    if (w->hasScaledContents() != m_.stretch()) w->setScaledContents(m_.stretch());
    if (shownPicture_ == m_.picture() && shown_) return;
    shownPicture_ = m_.picture();
    shown_ = true;
    // The markers of a sky plot switch among a few pictures many times a
    // second: loaded pictures are cached.
    const QString file = toQString(shownPicture_);
    QPixmap pm;
    if (!file.isEmpty() && !QPixmapCache::find(file, &pm)) {
      if (pm.load(file)) QPixmapCache::insert(file, pm);
    }
    if (pm.isNull())
      w->clear();
    else
      w->setPixmap(pm);
  }

 private:
  std::string shownPicture_;
  bool shown_ = false;
};

// ---- Slider

class SliderView : public ViewBase<Slider, QSlider>, public QObject {
 public:
  SliderView(Slider& m, QWidget* parent, ViewHost& host)
      : ViewBase(m, new QSlider(Qt::Horizontal, parent), host) {
    QSlider* w = w_.data();
    QObject::connect(w, &QSlider::valueChanged, w, [this](int v) { input([this, v] { m_.userMove(v); }); });
    // Any press on the slider, on the handle or beside it, is a mouse-down.
    w->installEventFilter(this);
  }
  void refresh() override {
    QSlider* w = w_.data();
    if (!w) return;
    const QSignalBlocker block(w);
    const int lo = std::min(m_.min(), m_.max()), hi = std::max(m_.min(), m_.max());
    if (w->minimum() != lo || w->maximum() != hi) w->setRange(lo, hi);
    const bool inverted = m_.min() > m_.max();
    if (w->invertedAppearance() != inverted) w->setInvertedAppearance(inverted);
    if (w->pageStep() != m_.largeChange()) w->setPageStep(m_.largeChange());
    if (w->singleStep() != m_.smallChange()) w->setSingleStep(m_.smallChange());
    const int value = std::clamp(m_.value(), lo, hi);
    if (w->value() != value) w->setValue(value);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == w_.data() && w_->isEnabled()) {
      if (event->type() == QEvent::MouseButtonPress)
        input([this] { runEvent(m_.onMouseDown, "mouse down"); });
      else if (event->type() == QEvent::MouseButtonRelease)
        input([this] { runEvent(m_.onMouseUp, "mouse up"); });
    }
    return false;
  }
};

// ---- ProgressBar: double values on an int range of 10000 steps.

class ProgressBarView : public ViewBase<ProgressBar, QProgressBar> {
 public:
  static constexpr int kSteps = 10000;
  ProgressBarView(ProgressBar& m, QWidget* parent, ViewHost& host)
      : ViewBase(m, new QProgressBar(parent), host) {
    w_->setRange(0, kSteps);
    w_->setTextVisible(false);
  }
  void refresh() override {
    QProgressBar* w = w_.data();
    if (!w) return;
    const double span = m_.max() - m_.min();
    int steps = 0;
    if (span > 0 && std::isfinite(span)) {
      const double f = std::clamp((m_.value() - m_.min()) / span, 0.0, 1.0);
      steps = static_cast<int>(std::lround(f * kSteps));
    }
    if (w->value() != steps) w->setValue(steps);
  }
};

// ---- TabStrip: the tabs along the top of a framed area. The frames a tab
// shows are the screen's own controls laid over it.

class TabStripWidget : public QTabBar {
 public:
  explicit TabStripWidget(QWidget* parent) : QTabBar(parent) {
    setDrawBase(false);
    setExpanding(false);
  }

 protected:
  void paintEvent(QPaintEvent* e) override {
    QTabBar::paintEvent(e);
    // The framed area below the tabs, drawn over whatever the style left
    // under the selected tab.
    int tabsHeight = 0;
    for (int i = 0; i < count(); ++i) tabsHeight = std::max(tabsHeight, tabRect(i).bottom() + 1);
    QPainter p(this);
    const QRect frame(0, tabsHeight, width(), height() - tabsHeight);
    p.fillRect(frame, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(frame.adjusted(0, -1, -1, -1));
    if (currentIndex() >= 0) {
      // The selected tab opens into the area.
      const QRect tab = tabRect(currentIndex());
      p.setPen(palette().color(QPalette::Window));
      p.drawLine(tab.left() + 1, tabsHeight - 1, tab.right() - 1, tabsHeight - 1);
    }
  }
};

class TabStripView : public ViewBase<TabStrip, QTabBar> {
 public:
  TabStripView(TabStrip& m, QWidget* parent, ViewHost& host) : ViewBase(m, new TabStripWidget(parent), host) {
    QObject::connect(w_.data(), &QTabBar::currentChanged, w_.data(), [this](int i) {
      if (i >= 0) input([this, i] { m_.selectTab(i + 1); });
    });
  }
  void refresh() override {
    QTabBar* w = w_.data();
    if (!w) return;
    const QSignalBlocker block(w);
    if (shown_ != m_.tabs()) {
      shown_ = m_.tabs();
      while (w->count() > 0) w->removeTab(w->count() - 1);
      for (const auto& caption : shown_) w->addTab(literalCaption(caption));
    }
    if (w->currentIndex() != m_.selectedTab() - 1) w->setCurrentIndex(m_.selectedTab() - 1);
  }

 private:
  std::vector<std::string> shown_;
};

// ---- ListView: report view of columns and rows.

class ListViewModel : public QAbstractTableModel {
 public:
  ListViewModel(ListView& m, QObject* parent) : QAbstractTableModel(parent), m_(m) {}
  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows_; }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : columns_; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    if (role == Qt::ForegroundRole) {
      const auto& columns = m_.columns();
      const auto column = static_cast<std::size_t>(index.column());
      if (column < columns.size()) return QBrush(toQColor(columns[column].foreColor));
      return {};
    }
    if (role != Qt::DisplayRole) return {};
    const auto& items = m_.items();
    const auto row = static_cast<std::size_t>(index.row());
    if (row >= items.size()) return {};
    const auto& item = items[row];
    if (index.column() == 0) return toQString(item.text);
    const auto sub = static_cast<std::size_t>(index.column() - 1);
    return sub < item.subItems.size() ? toQString(item.subItems[sub]) : QString();
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    const auto& columns = m_.columns();
    const auto i = static_cast<std::size_t>(section);
    return i < columns.size() ? toQString(columns[i].text) : QVariant();
  }
  void reload() {
    beginResetModel();
    rows_ = m_.itemCount();
    columns_ = static_cast<int>(m_.columns().size());
    endResetModel();
  }

 private:
  ListView& m_;
  int rows_ = 0;
  int columns_ = 0;
};

class ListViewView : public ViewBase<ListView, QTreeView> {
 public:
  ListViewView(ListView& m, QWidget* parent, ViewHost& host) : ViewBase(m, new QTreeView(parent), host) {
    QTreeView* w = w_.data();
    model_ = new ListViewModel(m, w);
    w->setModel(model_);
    w->setRootIsDecorated(false);
    w->setUniformRowHeights(true);
    w->setItemsExpandable(false);
    w->setAllColumnsShowFocus(true);
    w->setSelectionBehavior(QAbstractItemView::SelectRows);
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    w->setEditTriggers(QAbstractItemView::NoEditTriggers);
    w->setSortingEnabled(false);
    w->header()->setSectionsClickable(true);
    w->header()->setStretchLastSection(false);
    QObject::connect(w->header(), &QHeaderView::sectionClicked, w,
                     [this](int column) { input([this, column] { m_.userColumnClick(column + 1); }); });
    QObject::connect(w, &QTreeView::clicked, w, [this](const QModelIndex& index) {
      if (index.isValid()) input([this, row = index.row()] { m_.userItemClick(row); });
    });
  }
  void refresh() override {
    QTreeView* w = w_.data();
    if (!w) return;
    if (revision_ != m_.itemsRevision()) {
      revision_ = m_.itemsRevision();
      model_->reload();
      const auto& columns = m_.columns();
      for (std::size_t i = 0; i < columns.size(); ++i)
        w->header()->resizeSection(static_cast<int>(i), px(columns[i].width));
      shownSelected_ = -2;
    }
    if (shownSelected_ != m_.selectedItem()) {
      shownSelected_ = m_.selectedItem();
      if (shownSelected_ >= 0 && shownSelected_ < model_->rowCount({}))
        w->selectionModel()->setCurrentIndex(model_->index(shownSelected_, 0),
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
      else
        w->selectionModel()->clearSelection();
    }
    setBackground(w, QPalette::Base, toQColor(m_.backColor()));
    setForeground(w, QPalette::Text, toQColor(m_.foreColor()));
  }

 private:
  ListViewModel* model_;
  std::uint64_t revision_ = ~std::uint64_t{0};
  int shownSelected_ = -2;
};

}  // namespace

std::unique_ptr<ControlView> createControlView(Control& model, QWidget* parent, ViewHost& host) {
  switch (model.kind()) {
    case ControlKind::Label:
      return std::make_unique<LabelView>(static_cast<Label&>(model), parent, host);
    case ControlKind::TextBox: {
      auto& m = static_cast<TextBox&>(model);
      if (m.multiLine()) return std::make_unique<PlainTextView>(m, parent, host);
      return std::make_unique<LineEditView>(m, parent, host);
    }
    case ControlKind::ComboBox:
      return std::make_unique<ComboBoxView>(static_cast<ComboBox&>(model), parent, host);
    case ControlKind::ListBox:
      return createListBoxView(static_cast<ListBox&>(model), parent, host);
    case ControlKind::OptionButton:
      return std::make_unique<OptionButtonView>(static_cast<OptionButton&>(model), parent, host);
    case ControlKind::CheckBox:
      return std::make_unique<CheckBoxView>(static_cast<CheckBox&>(model), parent, host);
    case ControlKind::CommandButton:
      return std::make_unique<CommandButtonView>(static_cast<CommandButton&>(model), parent, host);
    case ControlKind::Frame:
      return std::make_unique<FrameView>(static_cast<Frame&>(model), parent, host);
    case ControlKind::Shape:
      return std::make_unique<ShapeView>(static_cast<Shape&>(model), parent, host);
    case ControlKind::Line:
      return std::make_unique<LineView>(static_cast<Line&>(model), parent, host);
    case ControlKind::Image:
      return std::make_unique<ImageView>(static_cast<Image&>(model), parent, host);
    case ControlKind::Slider:
      return std::make_unique<SliderView>(static_cast<Slider&>(model), parent, host);
    case ControlKind::ProgressBar:
      return std::make_unique<ProgressBarView>(static_cast<ProgressBar&>(model), parent, host);
    case ControlKind::TabStrip:
      return std::make_unique<TabStripView>(static_cast<TabStrip&>(model), parent, host);
    case ControlKind::ListView:
      return std::make_unique<ListViewView>(static_cast<ListView&>(model), parent, host);
    case ControlKind::LinearGauge:
    case ControlKind::AngularGauge:
    case ControlKind::AnalogDisplay:
    case ControlKind::GaugeLabel:
    case ControlKind::SlidingCompass:
    case ControlKind::AviationDial:
      break;
  }
  return nullptr;
}

}  // namespace platform::qt
