#include "config/config.h"

#include "app/app.h"
#include "config/config_file.h"
#include "platform/files.h"
#include "shell/form1.h"

namespace config {

Config::Config(App& app) : app_(app) {}

void Config::wire(ScreenId id) {
  if (id == ScreenId::Form1) app_.form1().UpdateNow.onClick = [this] { UpdateNow_Click(); };
}

std::string Config::configurationPath() {
  return platform::joinPath(platform::programFolder(), kConfigurationFileName);
}

void Config::LoadSaveFiles() {
  if (app_.SaveConfigRequest && !saveConfiguration()) return;
  if (app_.LoadConfigRequest) loadConfiguration();
}

bool Config::saveConfiguration() {
  std::string path;
  try {
    path = configurationPath();
    // The whole text is built before the file is touched, and the old file
    // is replaced only by a complete new one: a failure part-way, or the
    // program ending during the write, never leaves a truncated file.
    const std::string text = configurationText(app_);
    platform::writeBytesAtomic(path, text);
  } catch (const platform::RunError& e) {
    saveFailed(e.number(), path);
    return false;
  } catch (const std::exception&) {
    saveFailed(51, path);
    return false;
  }
  app_.SaveConfigRequest = false;
  return true;
}

void Config::saveFailed(int errorNumber, const std::string& path) {
  app_.messages().beep();
  saveBox_.show(app_.messages(), saveErrorMessage(errorNumber, path), platform::msg::OkOnly);
  app_.SaveConfigRequest = false;
  app_.LoadConfigRequest = false;
}

}  // namespace config
