// The tray icon's pop-up menu and the main window's menus: hide every screen
// to the tray, minimise all or all but the instrument screens, and show back
// what was hidden. The "Exit" entries of both menus belong to the shut-down
// (Lifecycle).

#include "shell/tray_menus.h"

#include "app/app.h"
#include "platform/screen.h"
#include "shell/form1.h"
#include "shell/navigation.h"
#include "shell/shell.h"

namespace shell {

TrayMenus::~TrayMenus() {
  app_.tray().onMenuRequest = nullptr;
}

void TrayMenus::wire(ScreenId id) {
  if (id != ScreenId::Form1) return;
  Form1& f = app_.form1();
  f.menu2.onClick = [this] { menu2_Click(); };
  f.mhide.onClick = [this] { mhide_Click(); };
  f.menu_Minimize_All.onClick = [this] { menu_Minimize_All_Click(); };
  f.menu_Minimize_All_Except.onClick = [this] { menu_Minimize_All_Except_Click(); };
  app_.tray().onMenuRequest = [this] { TrayIcon1_MenuRequest(); };
}

// The pop-up menu is whatever menu stands first on the main window's bar:
// "Show", "Hide", "Exit".
void TrayMenus::TrayIcon1_MenuRequest() {
  const auto& bar = app_.form1().menuBar();
  if (bar.empty()) return;
  app_.tray().popupMenu(*bar.front());
}

// "Show". When the last hide recorded no window to bring back, the main
// window comes back, so the user is never left with nothing on view.
void TrayMenus::menu2_Click() {
  Navigation& navigation = app_.shell().navigation();
  const bool any = navigation.showWouldBringBackAny();
  navigation.GetShowForms();
  if (any) return;
  platform::Screen& main = app_.form1();
  main.show();
  main.setWindowState(platform::WindowState::Normal);
  main.setVisible(true);
}

// "Hide": everything goes, the main window into the tray once its icon is
// there (in the first seconds after start it is not yet).
void TrayMenus::mhide_Click() {
  app_.KeepInstrumentScreens = false;
  hideForms();
  if (app_.tray().inTray()) {
    Form1& f = app_.form1();
    f.setWindowState(platform::WindowState::Minimized);
    f.hide();
    app_.tray().setToolTip(kTrayTip);
  }
}

void TrayMenus::menu_Minimize_All_Click() {
  app_.KeepInstrumentScreens = false;
  app_.yieldToEvents();
  hideForms();
}

void TrayMenus::menu_Minimize_All_Except_Click() {
  app_.KeepInstrumentScreens = true;
  hideForms();
}

// With a tray the hidden screens come back through its "Show". Without one
// nothing could bring them back, so each screen the hide took away is left on
// the task bar, minimised, and "Show" restores it from there.
void TrayMenus::hideForms() {
  app_.shell().navigation().GetHideForms();
  if (app_.tray().available()) return;
  for (ScreenId id : kAllScreens) {
    if (id == ScreenId::form16 || !app_.FormWasVisible[idx(id)]) continue;
    platform::Screen& s = app_.screen(id);
    if (s.visible()) continue;  // an instrument screen kept on view
    s.setWindowState(platform::WindowState::Minimized);
    s.setVisible(true);
  }
}

}  // namespace shell
