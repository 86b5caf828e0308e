#pragma once
// Configuration: the XML configuration file (load and save of every setting)
// and the application of the settings to the main window.

#include <string>
#include <string_view>

#include "app/screen_id.h"
#include "platform/services.h"

class App;

namespace config {

// The short settings text of a link as the main window shows it: the speed,
// the first letter of the parity, the data bits and the stop bits, in lower
// case ("9600,n,8,1"). Flow control is not part of it.
std::string settingsText(std::string_view speed, std::string_view parity, std::string_view dataBits,
                         std::string_view stopBits);

class Config {
 public:
  explicit Config(App& app);
  void wire(ScreenId id);

  // Saves when SaveConfigRequest is set, then loads when LoadConfigRequest is
  // set; clears both.
  void LoadSaveFiles();
  // Applies the settings of the settings screen to the main window.
  void UpdateNow_Click();

  // The full path of the configuration file in the program folder.
  static std::string configurationPath();

 private:
  // Writes the whole file; false when it failed (the message has been shown
  // and both requests are cleared).
  bool saveConfiguration();
  void saveFailed(int errorNumber, const std::string& path);
  void loadConfiguration();
  // Puts one value read from the file into its control.
  void loadLine(std::string_view line);

  App& app_;
  // The save's error message: one box at a time.
  platform::OneBoxAtATime saveBox_;
};

}  // namespace config
