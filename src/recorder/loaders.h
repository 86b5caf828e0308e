#pragma once
// Choosing and loading playback files: the three file labels of the settings
// screen open a file dialog; a chosen EFIS or engine monitor file is read into
// the record list of its device, its record count shown and its player's
// record slider given its range. A chosen GPS file is only remembered.

#include <cstdint>
#include <string>

#include "app/screen_id.h"

class App;

namespace recorder {

struct LoaderControls;

class DataFileLoaders {
 public:
  explicit DataFileLoaders(App& app);
  void wire(ScreenId id);

  // The pickers: clicks on the settings screen's playback file labels.
  void EFIS_DataFileName_Click();
  void EMS_DataFileName_Click();
  void GPS_DataFileName_Click();

  // Load the file named by the tool tip of the device's playback file label.
  void LoadRawEFISDataFile();
  void LoadRawEMSDataFile();

 private:
  enum class Device { EFIS, EMS, GPS };
  void pick(Device device);
  void load(const LoaderControls& controls);
  void failed(const LoaderControls& controls, int number, const std::string& path);

  App& app_;
  // The record count loaded before each picker's dialog opened, put back
  // when the dialog is cancelled or fails.
  std::int32_t savedCountEFIS_ = 0;
  std::int32_t savedCountEMS_ = 0;
  std::int32_t savedCountGPS_ = 0;
};

}  // namespace recorder
