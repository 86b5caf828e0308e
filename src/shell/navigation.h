#pragma once
// The navigation memories: which screens a RETURN shows again (came-from
// flags) and which screens were on view when everything was hidden
// (was-visible flags); and the close box of every screen but the main window.

#include "app/screen_id.h"

class App;

namespace shell {

class Navigation {
 public:
  explicit Navigation(App& app) : app_(app) {}
  // The close box of each screen but the main window.
  void wire(ScreenId id);

  void ClearCameFrom();
  void ReturnToForm();
  // RETURN of the engine data, GPS sentence and record list screens.
  void ReturnFromScreen(ScreenId self);
  void GetHideForms();
  void GetShowForms();
  // Whether GetShowForms would bring back any window.
  bool showWouldBringBackAny() const;

 private:
  void closeScreen(ScreenId id);

  App& app_;
};

}  // namespace shell
