#include "shell/shell.h"

#include "app/app.h"
#include "platform/screen.h"
#include "shell/form1.h"

namespace shell {

Shell::Shell(App& app) : app_(app) {}

// The tray outlives the application: its menu request must not reach a shell
// that is gone.
Shell::~Shell() {
  app_.tray().onMenuRequest = nullptr;
}

void Shell::wire(ScreenId id) {
  if (id == ScreenId::Form1) {
    Form1& f = app_.form1();
    f.onQueryUnload = [this] { Form_QueryUnload(); };
    f.MenuExit.onClick = [this] { MenuExit_Click(); };
    f.mexit.onClick = [this] { mexit_Click(); };
    f.StartupDelay.onTick = [this] { StartupDelay_Timer(); };
    f.Quartersecondtimer.onTick = [this] { Quartersecondtimer_Timer(); };
    wireMainWindow();
    wireTrayMenus();
  }
  if (id == ScreenId::Form3) wireRawView();
  wireRawDataOpeners(id);
  wireScreenButtons(id);
  if (id != ScreenId::Form1) app_.screen(id).onQueryUnload = [this, id] { closeScreen(id); };
}

// The close box of any screen but the main window hides that screen. When
// that leaves no screen on view, the main window comes back, so no window is
// ever lost with the program still running.
void Shell::closeScreen(ScreenId id) {
  app_.screen(id).hide();
  for (ScreenId other : kAllScreens)
    if (app_.screenExists(other) && app_.screen(other).visible()) return;
  Form1& f = app_.form1();
  f.show();
  f.setWindowState(platform::WindowState::Normal);
}

}  // namespace shell
