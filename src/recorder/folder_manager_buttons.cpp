// The file manager's buttons.

#include "app/app.h"
#include "recorder/form6.h"
#include "recorder/recorder.h"
#include "shell/form1.h"

namespace recorder {

void Recorder::wireFolderManager() {
  // RETURN leads to the main window, whichever screen opened the manager.
  app_.form6().ReturnButton.onClick = [this] {
    app_.form1().show();
    app_.form6().hide();
  };
}

}  // namespace recorder
