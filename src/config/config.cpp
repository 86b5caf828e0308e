#include "config/config.h"

#include "app/app.h"

namespace config {

Config::Config(App& app) : app_(app) {}
Config::~Config() = default;
void Config::wire(ScreenId) {}

void Config::LoadSaveFiles() {
  app_.LoadConfigRequest = false;
  app_.SaveConfigRequest = false;
}

void Config::UpdateNow_Click() {}

}  // namespace config
