#include "app/app.h"
#include "platform/files.h"
#include "shell/form1.h"
#include "shell/shell.h"

namespace shell {

void Shell::Form_Load() {
  Form1& f = app_.form1();
  f.RevNumber.setCaption("Version 3.3.16   19 Oct 2008");
  // A missing icon keeps the default one; the view checks the file.
  f.setIcon(platform::joinPath(platform::programFolder(), "Recorder.ico"));
}

void Shell::StartupDelay_Timer() { app_.form1().StartupDelay.setEnabled(false); }

void Shell::Shutdown() {
  if (shuttingDown_) return;
  shuttingDown_ = true;
  for (ScreenId id : kAllScreens)
    if (app_.screenExists(id)) app_.screen(id).unload();
  app_.services().ui.quit(0);
}

}  // namespace shell
