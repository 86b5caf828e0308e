#pragma once
// The notification-area icon over QSystemTrayIcon. Where the desktop has no
// tray (offscreen, some window managers) nothing is shown and inTray() stays
// false; the shell then minimises instead of hiding.

#include <memory>

#include "platform/services.h"

class QSystemTrayIcon;

namespace platform::qt {

class QtTray : public Tray {
 public:
  QtTray();
  ~QtTray() override;
  bool available() const override;
  void add(std::string_view toolTip, std::string_view iconFile) override;
  bool inTray() const override { return inTray_; }
  void setToolTip(std::string_view toolTip) override;
  void remove() override;
  // Pops up the menu's visible entries at the mouse pointer and runs the
  // picked entry's click once the menu has closed.
  void popupMenu(Menu& menu) override;

 private:
  std::unique_ptr<QSystemTrayIcon> icon_;
  bool inTray_ = false;
};

}  // namespace platform::qt
