#include "platform/qt/screen_window.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <unordered_map>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include "platform/qt/control_views.h"
#include "platform/qt/icons.h"
#include "platform/qt/menus.h"
#include "platform/qt/qt_text.h"

namespace platform::qt {

namespace {

// Virtual-key numbers of the keys the screens look at; -1 for keys without one.
int virtualKey(int key) {
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return 112 + (key - Qt::Key_F1);
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;  // 65..90
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;  // 48..57
  switch (key) {
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 9;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Insert:
      return 45;
    case Qt::Key_Delete:
      return 46;
    case Qt::Key_Shift:
      return 16;
    case Qt::Key_Control:
      return 17;
    case Qt::Key_Alt:
      return 18;
    default:
      return -1;
  }
}

// Test hook: when TALBREN_SCREEN_LOG names a file, every window that comes on
// view or goes from view appends "<screen name> shown" or "<screen name> hidden",
// so a test outside the process can follow the screens.
void logVisibility(const Screen& screen, bool shown) {
  const char* log = std::getenv("TALBREN_SCREEN_LOG");
  if (!log || !*log) return;
  std::ofstream out(log, std::ios::binary | std::ios::app);
  out << screen.name() << (shown ? " shown\n" : " hidden\n");
}

int shiftMask(Qt::KeyboardModifiers m) {
  return (m.testFlag(Qt::ShiftModifier) ? 1 : 0) | (m.testFlag(Qt::ControlModifier) ? 2 : 0) |
         (m.testFlag(Qt::AltModifier) ? 4 : 0);
}

// Stands in for a gauge kind that has no view.
class BlankView : public ControlView {
 public:
  explicit BlankView(QWidget* parent) : w_(new QWidget(parent)) {}
  QWidget* widget() override { return w_.data(); }
  void refresh() override {}

 private:
  QPointer<QWidget> w_;
};

// Sees every key press of the window before the focused control does, as a
// form previewing its keys, and hands it to the screen model.
class KeyPreview : public QObject {
 public:
  explicit KeyPreview(std::function<void(int, int)> keyDown) : keyDown_(std::move(keyDown)) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      const int code = virtualKey(key->key());
      if (code >= 0) keyDown_(code, shiftMask(key->modifiers()));
    }
    return false;
  }

 private:
  std::function<void(int, int)> keyDown_;
};

// Holds a torn-down generation of widgets and views until its deferred
// deletion.
class RetiredBuild : public QObject {
 public:
  explicit RetiredBuild(std::unique_ptr<ViewHost> build) : build_(std::move(build)) {}

 private:
  std::unique_ptr<ViewHost> build_;
};

}  // namespace

// ---- the top-level widget

// Paints the window at most once per display frame. Qt asks a window to
// paint (an update request) as soon as the first of its widgets changes after
// a paint; a request that comes within a frame of the last paint waits for
// the frame to end, and every widget that changes meanwhile is painted with
// it. The widgets themselves are up to date at once: only the painting waits.
class WindowWidget : public QWidget {
 public:
  explicit WindowWidget(ScreenWindow* owner) : owner_(owner) {
    frameTimer_.setSingleShot(true);
    frameTimer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&frameTimer_, &QTimer::timeout, this, [this] {
      lastPaint_.invalidate();
      QEvent request(QEvent::UpdateRequest);
      QCoreApplication::sendEvent(this, &request);
    });
  }
  void detach() { owner_ = nullptr; }

 protected:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::UpdateRequest && !paintNow()) return true;
    return QWidget::event(e);
  }
  void closeEvent(QCloseEvent* e) override {
    if (!owner_ || owner_->quitting()) {
      e->accept();
      return;
    }
    // The model decides: it hides or unloads the screen, or keeps it.
    e->ignore();
    owner_->userClose();
  }
  void changeEvent(QEvent* e) override {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && owner_) owner_->userStateChanged(windowState());
  }

 private:
  // True when the window may paint now; otherwise the paint waits for the
  // end of the frame.
  bool paintNow() {
    if (frameTimer_.isActive()) return false;
    const qint64 frame = frameNs();
    const qint64 since = lastPaint_.isValid() ? lastPaint_.nsecsElapsed() : frame;
    if (since < frame) {
      frameTimer_.start(static_cast<int>((frame - since + 999'999) / 1'000'000));
      return false;
    }
    lastPaint_.start();
    return true;
  }
  // One frame of the screen the window is on (60 a second when the screen
  // does not say).
  qint64 frameNs() const {
    const QScreen* s = screen();
    const qreal rate = s ? s->refreshRate() : 0;
    return static_cast<qint64>(1e9 / (rate >= 10 && rate <= 1000 ? rate : 60));
  }

  ScreenWindow* owner_;
  QTimer frameTimer_;
  QElapsedTimer lastPaint_;
};

// ---- one generation of widgets and views (a screen that is unloaded and
// shown again gets a new one)

struct ScreenWindow::Entry {
  Control* model = nullptr;
  std::unique_ptr<ControlView> view;
  Control* container = nullptr;
  bool dirty = false;
  // What was last applied of the properties every control has.
  int visible = -1;
  int enabled = -1;
  std::string toolTip;
  bool fontApplied = false;
  Font font;
};

struct ScreenWindow::Build : ViewHost {
  explicit Build(ScreenWindow* w) : owner(w) {}
  ~Build() override {
    live = false;
    if (top) {
      top->detach();
      // Nothing a widget emits while it goes away may reach a view.
      for (QObject* o : top->findChildren<QObject*>()) o->blockSignals(true);
    }
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) it->reset();
    delete top.data();
  }

  void userInput(const std::function<void()>& action) override {
    if (!live) return;
    runEvent(action, "input");
    if (live) owner->flush();
  }

  ScreenWindow* owner;
  bool live = true;
  QPointer<WindowWidget> top;
  QWidget* client = nullptr;
  QMenuBar* menuBar = nullptr;
  QVBoxLayout* layout = nullptr;
  std::unique_ptr<KeyPreview> keys;
  std::vector<std::unique_ptr<Entry>> entries;  // in creation order
  std::unordered_map<const Control*, Entry*> byControl;
  std::vector<Entry*> dirty;
  std::vector<MenuBinding> menus;
  // What was last applied of the screen itself.
  std::string caption;
  bool captionApplied = false;
  std::string iconPath;
  bool iconApplied = false;
  OleColor backColor = 0;
  bool backApplied = false;
  int width = -1, height = -1, left = 0, topPos = 0;
  bool fixed = false;
};

// ---- ScreenWindow

ScreenWindow::ScreenWindow(Screen& screen) : screen_(screen) {
  flushTimer_.setSingleShot(true);
  flushTimer_.setInterval(0);
  QObject::connect(&flushTimer_, &QTimer::timeout, &flushTimer_, [this] { flush(); });
  screen_.setObserver(this);
  if (screen_.visible() && !screen_.unloaded()) screenChanged(screen_);
}

ScreenWindow::~ScreenWindow() {
  flushTimer_.stop();
  build_.reset();
  for (auto& r : retired_) delete r.data();
}

QWidget* ScreenWindow::builtWidget() const {
  return build_ ? build_->top.data() : nullptr;
}

QWidget* ScreenWindow::widgetUpToDate() {
  build();
  if (shown_) {
    applyScreen();
    flush();
  } else {
    applyScreen();
    refreshAll();
  }
  QWidget* top = build_->top.data();
  if (top && top->layout()) top->layout()->activate();
  return top;
}

ControlView* ScreenWindow::viewOf(const Control& control) const {
  if (!build_) return nullptr;
  auto it = build_->byControl.find(&control);
  return it == build_->byControl.end() ? nullptr : it->second->view.get();
}

void ScreenWindow::setQuitting() {
  quitting_ = true;
}

void ScreenWindow::build() {
  if (build_) return;
  build_ = std::make_unique<Build>(this);
  Build& b = *build_;
  auto* top = new WindowWidget(this);
  b.top = top;
  top->setObjectName(toQString(screen_.name()));
  top->setAttribute(Qt::WA_QuitOnClose, false);
  b.layout = new QVBoxLayout(top);
  b.layout->setContentsMargins(0, 0, 0, 0);
  b.layout->setSpacing(0);
  b.client = new QWidget(top);
  b.client->setObjectName(QStringLiteral("client"));
  b.client->setAutoFillBackground(true);
  b.layout->addWidget(b.client);

  // The menu bar: top-level entries with entries of their own drop down, the
  // others are commands on the bar itself.
  if (!screen_.menuBar().empty()) {
    b.menuBar = new QMenuBar(top);
    b.menuBar->setObjectName(QStringLiteral("menuBar"));
    Build* gen = &b;
    auto pick = [gen](Menu& m) { gen->userInput([&m] { m.click(); }); };
    for (Menu* m : screen_.menuBar()) {
      QAction* action = nullptr;
      if (m->entries().empty()) {
        action = b.menuBar->addAction(toQString(m->caption()));
        QObject::connect(action, &QAction::triggered, action, [pick, m] { pick(*m); });
      } else {
        QMenu* menu = b.menuBar->addMenu(toQString(m->caption()));
        addMenuEntries(*menu, *m, b.menus, pick);
        // Opening a menu is its Click, which may update the entries' marks.
        QObject::connect(menu, &QMenu::aboutToShow, menu, [pick, m] { pick(*m); });
        action = menu->menuAction();
      }
      action->setObjectName(toQString(m->name()));
      b.menus.push_back({action, m});
    }
    b.layout->setMenuBar(b.menuBar);
  }

  // Views in declaration order, containers before what they contain; later
  // controls lie on top of earlier ones, as in a form file.
  for (Control* c : screen_.controls()) ensureEntry(*c);
  for (Control* c : screen_.controls()) {
    auto it = b.byControl.find(c);
    if (it != b.byControl.end())
      if (QWidget* w = it->second->view->widget()) w->raise();
  }
}

QWidget* ScreenWindow::parentFor(Control& control, int depth) {
  Control* box = control.container();
  if (box && box != &control && depth < 32) {
    if (Entry* e = ensureEntry(*box, depth + 1))
      if (QWidget* w = e->view->widget()) return w;
  }
  return build_->client;
}

ScreenWindow::Entry* ScreenWindow::ensureEntry(Control& control, int depth) {
  Build& b = *build_;
  auto it = b.byControl.find(&control);
  if (it != b.byControl.end()) return it->second;
  QWidget* parent = parentFor(control, depth);
  // Building the container may have built this control already (a loop of
  // containers); take that one.
  it = b.byControl.find(&control);
  if (it != b.byControl.end()) return it->second;

  auto e = std::make_unique<Entry>();
  e->model = &control;
  e->container = control.container();
  e->view = createControlView(control, parent, b);
  if (!e->view) e->view = createGaugeView(control, parent);
  if (!e->view) e->view = std::make_unique<BlankView>(parent);
  if (QWidget* w = e->view->widget()) w->setObjectName(toQString(control.objectName()));
  Entry* raw = e.get();
  b.byControl.emplace(&control, raw);
  b.entries.push_back(std::move(e));
  return raw;
}

void ScreenWindow::apply(Entry& e) {
  e.dirty = false;
  QWidget* w = e.view->widget();
  if (!w) return;
  Control& c = *e.model;
  if (e.container != c.container()) {
    e.container = c.container();
    w->setParent(parentFor(c, 0));
    e.visible = -1;
  }
  // A line places itself on the bounding box of its end points.
  if (c.kind() != ControlKind::Line) {
    const QRect r(px(c.left()), px(c.top()), std::max(0, px(c.width())), std::max(0, px(c.height())));
    if (w->geometry() != r) w->setGeometry(r);
  }
  if (e.visible != static_cast<int>(c.visible())) {
    e.visible = c.visible();
    w->setVisible(c.visible());
  }
  if (e.enabled != static_cast<int>(c.enabled())) {
    e.enabled = c.enabled();
    w->setEnabled(c.enabled());
  }
  if (e.toolTip != c.toolTip()) {
    e.toolTip = c.toolTip();
    w->setToolTip(toQString(e.toolTip));
  }
  if (!e.fontApplied || !(e.font == c.font())) {
    e.fontApplied = true;
    e.font = c.font();
    w->setFont(toQFont(e.font));
  }
  e.view->refresh();
}

void ScreenWindow::refreshAll() {
  if (!build_) return;
  Build& b = *build_;
  b.dirty.clear();
  // Entries may be added while refreshing (a control moved into a new
  // container): walk by index.
  for (std::size_t i = 0; i < b.entries.size(); ++i) apply(*b.entries[i]);
}

void ScreenWindow::flush() {
  flushTimer_.stop();
  if (!build_ || !shown_) return;
  std::vector<Entry*> pending;
  pending.swap(build_->dirty);
  Build* gen = build_.get();
  for (Entry* e : pending) {
    if (build_.get() != gen) return;  // torn down by what a refresh set off
    apply(*e);
  }
}

void ScreenWindow::applyMenus() {
  Build& b = *build_;
  if (!b.menuBar) return;
  bool anyVisible = false;
  for (auto& binding : b.menus) {
    if (!binding.action) continue;
    refreshAction(*binding.action, *binding.menu);
    if (binding.menu->parent() == nullptr && binding.menu->visible()) anyVisible = true;
  }
  // A bar of hidden menus (pop-up menus only) takes no room.
  if (b.menuBar->isHidden() == anyVisible) b.menuBar->setVisible(anyVisible);
}

void ScreenWindow::applyScreen() {
  Build& b = *build_;
  WindowWidget* top = b.top.data();
  if (!top) return;
  if (!b.captionApplied || b.caption != screen_.caption()) {
    b.captionApplied = true;
    b.caption = screen_.caption();
    top->setWindowTitle(toQString(b.caption));
  }
  // A missing or unreadable icon file keeps the default icon.
  if (!b.iconApplied || b.iconPath != screen_.icon()) {
    b.iconApplied = true;
    b.iconPath = screen_.icon();
    top->setWindowIcon(loadIconFile(b.iconPath).value_or(QIcon()));
  }
  if (!b.backApplied || b.backColor != screen_.backColor()) {
    b.backApplied = true;
    b.backColor = screen_.backColor();
    QPalette p = b.client->palette();
    p.setColor(QPalette::Window, toQColor(b.backColor));
    b.client->setPalette(p);
  }
  if (b.width != screen_.width() || b.height != screen_.height() || b.fixed != screen_.fixedSize()) {
    b.width = screen_.width();
    b.height = screen_.height();
    b.fixed = screen_.fixedSize();
    const QSize size(std::max(1, px(b.width)), std::max(1, px(b.height)));
    if (b.fixed) {
      b.client->setFixedSize(size);
      b.layout->setSizeConstraint(QLayout::SetFixedSize);
    } else {
      b.client->setMinimumSize(size);
      b.client->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
      b.layout->setSizeConstraint(QLayout::SetDefaultConstraint);
      top->resize(top->sizeHint().expandedTo(size));
    }
  }
  // A position of 0, 0 leaves the placement to the window manager.
  if (b.left != screen_.left() || b.topPos != screen_.top()) {
    b.left = screen_.left();
    b.topPos = screen_.top();
    top->move(px(b.left), px(b.topPos));
  }
  applyMenus();
  if (shown_) applyWindowState();
}

void ScreenWindow::applyWindowState() {
  WindowWidget* top = build_->top.data();
  Qt::WindowStates want = top->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
  if (screen_.windowState() == WindowState::Minimized) want |= Qt::WindowMinimized;
  if (screen_.windowState() == WindowState::Maximized) want |= Qt::WindowMaximized;
  if (want == top->windowState()) return;
  applyingState_ = true;
  top->setWindowState(want);
  applyingState_ = false;
}

void ScreenWindow::show() {
  build();
  Build& b = *build_;
  shown_ = true;
  logVisibility(screen_, true);
  applyScreen();
  refreshAll();
  WindowWidget* top = b.top.data();
  applyingState_ = true;
  switch (screen_.windowState()) {
    case WindowState::Minimized:
      top->showMinimized();
      break;
    case WindowState::Maximized:
      top->showMaximized();
      break;
    case WindowState::Normal:
      top->show();
      break;
  }
  applyingState_ = false;
  if (!b.keys) {
    b.keys = std::make_unique<KeyPreview>([this](int code, int shift) {
      if (build_ && build_->live) build_->userInput([this, code, shift] { screen_.keyDown(code, shift); });
    });
  }
  if (QWindow* handle = top->windowHandle()) handle->installEventFilter(b.keys.get());
}

void ScreenWindow::retire() {
  if (!build_) return;
  flushTimer_.stop();
  if (shown_) logVisibility(screen_, false);
  shown_ = false;
  Build& b = *build_;
  b.live = false;
  if (b.top) {
    b.top->detach();
    for (QObject* o : b.top->findChildren<QObject*>()) o->blockSignals(true);
    b.top->hide();
  }
  // The widgets may be in the middle of delivering the input that unloaded
  // the screen: they go once control is back in the event loop, below every
  // yield the input may still make.
  auto* holder = new RetiredBuild(std::move(build_));
  std::erase_if(retired_, [](const QPointer<QObject>& r) { return r.isNull(); });
  retired_.emplace_back(holder);
  holder->deleteLater();
}

void ScreenWindow::screenChanged(Screen&) {
  if (screen_.visible()) {
    if (!shown_)
      show();
    else
      applyScreen();
    return;
  }
  if (shown_) {
    shown_ = false;
    logVisibility(screen_, false);
    flushTimer_.stop();
    if (build_ && build_->top) build_->top->hide();
  }
}

void ScreenWindow::controlChanged(Control& control) {
  // Hidden: showing refreshes every view.
  if (!shown_) return;
  Build& b = *build_;
  auto it = b.byControl.find(&control);
  Entry* e = it != b.byControl.end() ? it->second : ensureEntry(control);
  if (e->dirty) return;
  e->dirty = true;
  b.dirty.push_back(e);
  if (!flushTimer_.isActive()) flushTimer_.start();
}

void ScreenWindow::screenActivated(Screen&) {
  if (!shown_ || !build_ || !build_->top) return;
  build_->top->raise();
  build_->top->activateWindow();
}

void ScreenWindow::screenUnloaded(Screen&) {
  retire();
}

void ScreenWindow::userClose() {
  if (!build_) return;
  build_->userInput([this] { screen_.requestClose(); });
}

void ScreenWindow::userStateChanged(Qt::WindowStates states) {
  if (applyingState_ || !build_ || !shown_) return;
  WindowState s = WindowState::Normal;
  if (states.testFlag(Qt::WindowMinimized))
    s = WindowState::Minimized;
  else if (states.testFlag(Qt::WindowMaximized))
    s = WindowState::Maximized;
  if (s != screen_.windowState()) build_->userInput([this, s] { screen_.setWindowState(s); });
}

}  // namespace platform::qt
