#include "shell/shell.h"

#include "app/app.h"
#include "shell/form1.h"

namespace shell {

Shell::Shell(App& app) : app_(app) {}
Shell::~Shell() = default;

void Shell::wire(ScreenId id) {
  if (id == ScreenId::Form1) {
    Form1& f = app_.form1();
    f.onQueryUnload = [this] { Form_QueryUnload(); };
    f.MenuExit.onClick = [this] { MenuExit_Click(); };
    f.mexit.onClick = [this] { mexit_Click(); };
    f.StartupDelay.onTick = [this] { StartupDelay_Timer(); };
    f.Quartersecondtimer.onTick = [this] { Quartersecondtimer_Timer(); };
  }
}

}  // namespace shell
