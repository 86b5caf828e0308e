#pragma once
// Configuration: the XML configuration file (load and save of every setting)
// and the application of the settings to the main window.

#include "app/screen_id.h"

class App;

namespace config {

class Config {
 public:
  explicit Config(App& app);
  ~Config();
  void wire(ScreenId id);

  // Saves when SaveConfigRequest is set, then loads when LoadConfigRequest is
  // set; clears both.
  void LoadSaveFiles();
  // Applies the settings of the settings screen to the main window.
  void UpdateNow_Click();

 private:
  App& app_;
};

}  // namespace config
