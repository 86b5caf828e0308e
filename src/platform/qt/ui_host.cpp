#include "platform/qt/ui_host.h"

#include <QApplication>
#include <QWidget>

namespace platform::qt {

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
