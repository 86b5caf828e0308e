#pragma once
// The frames each tab of the settings screen shows, by name: the table that
// both the headless and the on-screen tab tests check against.

#include <set>
#include <string>
#include <vector>

namespace settingstest {

// Tab 1 ("EFIS COM") first; "ADC COM" shows none.
inline const std::vector<std::set<std::string>>& form2TabFrames() {
  static const std::vector<std::set<std::string>> shows{
      {"EFIS_PortFrame"},
      {"EMS_PortFrame", "EMS_TypeFrame"},
      {"GPS_PortFrame", "GPS_Sentance_Type"},
      {},
      {"RecorderOptionsFrame"},
      {"TimeFrame", "MainScreenRate", "EFISScreenRate"},
      {"StartupFrame"},
      {"UnitsFrame"},
  };
  return shows;
}

}  // namespace settingstest
