#include "app/app.h"
#include "config/config.h"
#include "shell/shell.h"

namespace shell {

void Shell::ShowSettingsScreen() {}
void Shell::EFISCommPort_Click() {}
void Shell::EMSCommPort_Click() {}
void Shell::GPSCommPort_Click() {}

// The settings screens ask for the configuration file to be written.
void Shell::SaveConfig_Click() {
  app_.SaveConfigRequest = true;
  app_.config().LoadSaveFiles();
}

}  // namespace shell
