#include "shell/shell.h"

#include "app/app.h"
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
}

}  // namespace shell
