// The navigation memories: which screens a RETURN shows again (came-from
// flags) and which screens were on view when everything was hidden
// (was-visible flags). Every rule visits the screens in their table order.

#include "shell/navigation.h"

#include "app/app.h"
#include "platform/screen.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "shell/raw_view.h"
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

void Navigation::wire(ScreenId id) {
  if (id != ScreenId::Form1) app_.screen(id).onQueryUnload = [this, id] { closeScreen(id); };
}

// The close box of any screen but the main window hides that screen. When
// that leaves no screen on view, the main window comes back, so no window is
// ever lost with the program still running.
void Navigation::closeScreen(ScreenId id) {
  app_.screen(id).hide();
  for (ScreenId other : kAllScreens)
    if (app_.screenExists(other) && app_.screen(other).visible()) return;
  Form1& f = app_.form1();
  f.show();
  f.setWindowState(platform::WindowState::Normal);
}

void Navigation::ClearCameFrom() {
  for (ScreenId id : kAllScreens) app_.CameFromForm[idx(id)] = false;
}

// Shows every screen a RETURN leads back to. The caller hides itself; the
// flags stay until the next opening clears them. The file manager has no flag.
void Navigation::ReturnToForm() {
  for (ScreenId id : kAllScreens) {
    if (id == ScreenId::Form6) continue;
    if (app_.CameFromForm[idx(id)]) app_.screen(id).setVisible(true);
  }
}

// RETURN of the engine data and GPS sentence screens: the came-from return,
// in which this screen's own flag (set when it opened its raw view or the
// engine instruments and the user came back from there) brings the main
// window instead of itself. The Dynon data screen also closes the raw view's
// watch and, when it was itself the opener, shows the settings screen too.
void Navigation::ReturnFromScreen(ScreenId self) {
  app_.screen(self).hide();
  const bool dynon = self == ScreenId::Form4;
  if (dynon) app_.shell().rawView().endWatch();
  for (ScreenId id : kAllScreens) {
    if (id == ScreenId::Form6 || !app_.CameFromForm[idx(id)]) continue;
    app_.screen(id == self ? ScreenId::Form1 : id).setVisible(true);
  }
  if (dynon && app_.CameFromForm[idx(ScreenId::Form4)]) app_.form2().setVisible(true);
}

// Records which screens are on view and hides them; the instrument screens
// stay on view when KeepInstrumentScreens asks for it. Asking a screen whether
// it is visible creates it, so afterwards every screen of the rule exists. The
// slider list form16 is never part of it.
void Navigation::GetHideForms() {
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
void Navigation::GetShowForms() {
  if (app_.FormWasVisible[idx(ScreenId::Form1)] || !app_.InstrumentScreenWasVisible)
    bringBack(app_.screen(ScreenId::Form1));
  for (ScreenId id : kAllScreens) {
    if (id == ScreenId::Form1 || id == ScreenId::form16) continue;
    if (app_.FormWasVisible[idx(id)]) bringBack(app_.screen(id));
  }
}

bool Navigation::showWouldBringBackAny() const {
  if (app_.FormWasVisible[idx(ScreenId::Form1)] || !app_.InstrumentScreenWasVisible) return true;
  for (ScreenId id : kAllScreens) {
    if (id == ScreenId::Form1 || id == ScreenId::form16) continue;
    if (app_.FormWasVisible[idx(id)]) return true;
  }
  return false;
}

}  // namespace shell
