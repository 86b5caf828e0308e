// The navigation memories: which screens a RETURN shows again (came-from
// flags) and which screens were on view when everything was hidden
// (was-visible flags). Every rule visits the screens in their table order.

#include "app/app.h"
#include "platform/screen.h"
#include "shell/shell.h"

namespace shell {

namespace {

// Show and activate, restore from minimised, make visible: a screen brought
// back comes back in front and in its normal size.
void bringBack(platform::Screen& s) {
  s.show();
  s.setWindowState(platform::WindowState::Normal);
  s.setVisible(true);
}

}  // namespace

void Shell::ClearCameFrom() {
  for (ScreenId id : kAllScreens) app_.CameFromForm[idx(id)] = false;
}

// Shows every screen a RETURN leads back to. The caller hides itself; the
// flags stay until the next opening clears them. The file manager has no flag.
void Shell::ReturnToForm() {
  for (ScreenId id : kAllScreens) {
    if (id == ScreenId::Form6) continue;
    if (app_.CameFromForm[idx(id)]) app_.screen(id).setVisible(true);
  }
}

// Records which screens are on view and hides them; the instrument screens
// stay on view when KeepInstrumentScreens asks for it. Asking a screen whether
// it is visible creates it, so afterwards every screen of the rule exists. The
// slider list form16 is never part of it.
void Shell::GetHideForms() {
  for (ScreenId id : kAllScreens) {
    if (id == ScreenId::form16) continue;
    platform::Screen& s = app_.screen(id);
    if (s.visible()) {
      app_.FormWasVisible[idx(id)] = true;
      if (isInstrumentScreen(id)) {
        app_.InstrumentScreenWasVisible = true;
        if (!app_.KeepInstrumentScreens) s.hide();
      } else {
        s.hide();
      }
    } else {
      app_.FormWasVisible[idx(id)] = false;
    }
  }
  app_.yieldToEvents();
}

// Brings back what the last GetHideForms hid. The main window also comes back
// when no instrument screen was ever on view at a hide, so a "Show" before any
// hide never leaves the user without a window.
void Shell::GetShowForms() {
  if (app_.FormWasVisible[idx(ScreenId::Form1)] || !app_.InstrumentScreenWasVisible)
    bringBack(app_.screen(ScreenId::Form1));
  for (ScreenId id : kAllScreens) {
    if (id == ScreenId::Form1 || id == ScreenId::form16) continue;
    if (app_.FormWasVisible[idx(id)]) bringBack(app_.screen(id));
  }
}

}  // namespace shell
