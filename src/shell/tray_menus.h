#pragma once
// The tray icon's pop-up menu and the main window's menus: hide every screen
// to the tray, minimise all or all but the instrument screens, and show back
// what was hidden.

#include "app/screen_id.h"

class App;

namespace shell {

class TrayMenus {
 public:
  explicit TrayMenus(App& app) : app_(app) {}
  // The tray outlives the application: its menu request must not reach a
  // shell that is gone.
  ~TrayMenus();
  TrayMenus(const TrayMenus&) = delete;
  TrayMenus& operator=(const TrayMenus&) = delete;
  // The menu entries of the main window and the tray's menu request.
  void wire(ScreenId id);

  void TrayIcon1_MenuRequest();
  void menu2_Click();
  void mhide_Click();
  void menu_Minimize_All_Click();
  void menu_Minimize_All_Except_Click();
  // The tray icon's tool tip.
  static constexpr const char* kTrayTip = "Talbren Ruvove Zavi Zaredido";

 private:
  // Hides every screen by the was-visible rule; where the desktop has no tray
  // the screens are minimised instead, so none is ever out of reach.
  void hideForms();

  App& app_;
};

}  // namespace shell
