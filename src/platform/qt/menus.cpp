#include "platform/qt/menus.h"

#include <QSignalBlocker>

#include "platform/qt/qt_text.h"

namespace platform::qt {

void refreshAction(QAction& action, const Menu& menu) {
  const QSignalBlocker block(&action);
  const bool separator = menu.caption() == "-";
  if (action.isSeparator() != separator) action.setSeparator(separator);
  const QString text = toQString(menu.caption());
  if (!separator && action.text() != text) action.setText(text);
  if (action.isVisible() != menu.visible()) action.setVisible(menu.visible());
  if (action.isEnabled() != menu.enabled()) action.setEnabled(menu.enabled());
  if (menu.checked() && !action.isCheckable()) action.setCheckable(true);
  if (action.isCheckable() && action.isChecked() != menu.checked()) action.setChecked(menu.checked());
}

void addMenuEntries(QMenu& target, Menu& menu, std::vector<MenuBinding>& bindings,
                    const std::function<void(Menu&)>& pick) {
  for (Menu* entry : menu.entries()) {
    QAction* action = nullptr;
    if (!entry->entries().empty()) {
      auto* sub = new QMenu(toQString(entry->caption()), &target);
      addMenuEntries(*sub, *entry, bindings, pick);
      action = target.addMenu(sub);
      // Opening a submenu is its Click, which may update the entries' marks.
      QObject::connect(sub, &QMenu::aboutToShow, sub, [entry, pick] { pick(*entry); });
    } else {
      action = target.addAction(toQString(entry->caption()));
      QObject::connect(action, &QAction::triggered, action, [entry, pick] { pick(*entry); });
    }
    action->setObjectName(toQString(entry->name()));
    refreshAction(*action, *entry);
    bindings.push_back({action, entry});
  }
}

}  // namespace platform::qt
