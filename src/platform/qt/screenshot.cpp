#include "platform/qt/screenshot.h"

#include <QPixmap>
#include <QWidget>

#include "platform/qt/screen_window.h"

namespace platform::qt {

QImage grabScreen(Screen& screen) {
  auto* window = dynamic_cast<ScreenWindow*>(screen.observer());
  if (!window) return {};
  QWidget* w = window->widgetUpToDate();
  if (!w) return {};
  // A window that was never shown has not been laid out yet.
  if (!w->isVisible()) {
    w->ensurePolished();
    w->adjustSize();
  }
  return w->grab().toImage();
}

bool saveScreenshot(Screen& screen, const QString& path) {
  const QImage image = grabScreen(screen);
  return !image.isNull() && image.save(path);
}

}  // namespace platform::qt
