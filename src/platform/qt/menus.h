#pragma once
// Qt menus built from the model menus: a menu bar of a window and the tray's
// pop-up menu.

#include <functional>
#include <vector>

#include <QAction>
#include <QMenu>
#include <QPointer>

#include "platform/screen.h"

namespace platform::qt {

struct MenuBinding {
  QPointer<QAction> action;
  Menu* menu;
};

// Adds one action per entry of the menu (submenus for entries with entries of
// their own; a caption of "-" is a separator). Hidden entries get hidden
// actions so a later refresh can show them. Picking an entry calls pick.
void addMenuEntries(QMenu& target, Menu& menu, std::vector<MenuBinding>& bindings,
                    const std::function<void(Menu&)>& pick);
// Caption, visibility, enabled and check mark from the model.
void refreshAction(QAction& action, const Menu& menu);

}  // namespace platform::qt
