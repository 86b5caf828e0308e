#include "platform/qt/ui_host.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "platform/qt/control_view.h"

namespace platform::qt {

namespace {

bool pausingNow = false;

// Input during a pause: mouse input reaches the live widget only (a window
// hands mouse events on to its widgets, where they are sorted), the main
// window's close request goes through, every other window's is refused, and
// keys go altogether (a window's key preview would see them first).
class PauseFilter : public QObject {
 public:
  PauseFilter(QWidget* live, QWidget* main) : live_(live), main_(main) {}

 protected:
  bool eventFilter(QObject* target, QEvent* e) override {
    switch (e->type()) {
      case QEvent::Close: {
        if (!target->isWidgetType() || !static_cast<QWidget*>(target)->isWindow() || target == main_)
          return false;
        e->ignore();
        return true;
      }
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::Wheel:
      case QEvent::ContextMenu:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
      case QEvent::TabletPress:
      case QEvent::TabletMove:
      case QEvent::TabletRelease:
      case QEvent::NonClientAreaMouseButtonPress:
      case QEvent::NonClientAreaMouseButtonRelease:
      case QEvent::NonClientAreaMouseButtonDblClick:
      case QEvent::DragEnter:
      case QEvent::DragMove:
      case QEvent::Drop: {
        if (!target->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(target);
        return !(live_ && (w == live_ || live_->isAncestorOf(w)));
      }
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::InputMethod:
        return true;
      default:
        return false;
    }
  }

 private:
  QWidget* live_;
  QWidget* main_;
};

}  // namespace

QtUiHost::QtUiHost() = default;

// The screens are gone by now (the application object goes first): the
// windows are destroyed without touching them.
QtUiHost::~QtUiHost() = default;

void QtUiHost::attach(Screen& screen) {
  if (windowOf(screen)) return;
  windows_.push_back(std::make_unique<ScreenWindow>(screen));
}

void QtUiHost::quit(int status) {
  if (!quitRequested_) status_ = status;
  quitRequested_ = true;
  for (auto& w : windows_) w->setQuitting();
  // Leaves the main loop and every loop nested in it; a modal loop started
  // after this returns at once.
  QCoreApplication::exit(status_);
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) w->close();
}

void QtUiHost::pauseForInput(Control& live, Screen& main) {
  QWidget* liveWidget = nullptr;
  if (Screen* screen = live.screen())
    if (ScreenWindow* w = windowOf(*screen))
      if (ControlView* view = w->viewOf(live)) liveWidget = view->widget();
  QWidget* mainWidget = nullptr;
  if (ScreenWindow* w = windowOf(main)) mainWidget = w->builtWidget();
  PauseFilter filter(liveWidget, mainWidget);
  QCoreApplication::instance()->installEventFilter(&filter);
  const bool outer = !pausingNow;
  pausingNow = true;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  if (outer) pausingNow = false;
  QCoreApplication::instance()->removeEventFilter(&filter);
}

bool QtUiHost::pausing() {
  return pausingNow;
}

int QtUiHost::run() {
  if (quitRequested_) return status_;
  const int rc = QApplication::exec();
  return quitRequested_ ? status_ : rc;
}

ScreenWindow* QtUiHost::windowOf(const Screen& screen) const {
  for (const auto& w : windows_)
    if (&w->screen() == &screen) return w.get();
  return nullptr;
}

}  // namespace platform::qt
