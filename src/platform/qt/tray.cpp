#include "platform/qt/tray.h"

#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>

#include "platform/controls.h"
#include "platform/qt/icons.h"
#include "platform/qt/menus.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/ui_host.h"
#include "platform/screen.h"

namespace platform::qt {

QtTray::QtTray() = default;
QtTray::~QtTray() = default;

bool QtTray::available() const {
  return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTray::add(std::string_view toolTip, std::string_view iconFile) {
  if (!available()) return;
  if (!icon_) {
    icon_ = std::make_unique<QSystemTrayIcon>();
    QObject::connect(icon_.get(), &QSystemTrayIcon::activated, icon_.get(),
                     [this](QSystemTrayIcon::ActivationReason reason) {
                       // A long task's pause takes no input but its own.
                       if (QtUiHost::pausing()) return;
                       if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context ||
                           reason == QSystemTrayIcon::DoubleClick)
                         runEvent(onMenuRequest, "tray icon");
                     });
  }
  icon_->setIcon(loadIconFile(iconFile).value_or(builtInIcon()));
  icon_->setToolTip(toQString(toolTip));
  icon_->show();
  inTray_ = true;
}

void QtTray::setToolTip(std::string_view toolTip) {
  if (icon_) icon_->setToolTip(toQString(toolTip));
}

void QtTray::remove() {
  if (icon_) icon_->hide();
  inTray_ = false;
}

void QtTray::popupMenu(Menu& menu) {
  QMenu popup;
  std::vector<MenuBinding> bindings;
  Menu* picked = nullptr;
  addMenuEntries(popup, menu, bindings, [&picked](Menu& m) {
    // Only leaf entries are picked; opening a submenu runs its click at once.
    if (m.entries().empty())
      picked = &m;
    else
      m.click();
  });
  popup.exec(QCursor::pos());
  if (picked) picked->click();
}

}  // namespace platform::qt
