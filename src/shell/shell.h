#pragma once
// The application shell: start-up and shut-down, the supervisor, navigation
// among the screens, the raw port-data view, the tray icon and menus, setting
// the PC clock, the main window's handlers and the screen buttons. Each part
// keeps its own state; they reach one another through this front.

#include <memory>

#include "app/screen_id.h"

class App;

namespace shell {

class Lifecycle;
class Supervisor;
class Navigation;
class RawView;
class TrayMenus;
class ClockSetter;
class MainHandlers;
class ScreenButtons;

class Shell {
 public:
  explicit Shell(App& app);
  ~Shell();
  // Attaches each part's handlers to a screen just created.
  void wire(ScreenId id);

  Lifecycle& lifecycle() { return *lifecycle_; }
  Supervisor& supervisor() { return *supervisor_; }
  Navigation& navigation() { return *navigation_; }
  RawView& rawView() { return *rawView_; }
  TrayMenus& trayMenus() { return *trayMenus_; }
  ClockSetter& clockSetter() { return *clockSetter_; }
  MainHandlers& mainHandlers() { return *mainHandlers_; }
  ScreenButtons& screenButtons() { return *screenButtons_; }

 private:
  std::unique_ptr<Lifecycle> lifecycle_;
  std::unique_ptr<Supervisor> supervisor_;
  std::unique_ptr<Navigation> navigation_;
  std::unique_ptr<RawView> rawView_;
  std::unique_ptr<TrayMenus> trayMenus_;
  std::unique_ptr<ClockSetter> clockSetter_;
  std::unique_ptr<MainHandlers> mainHandlers_;
  std::unique_ptr<ScreenButtons> screenButtons_;
};

}  // namespace shell
