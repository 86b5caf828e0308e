#pragma once
// The settings screens: ports, sources, units, intervals, recorder and
// start-up screen, and the instrument limits, Mode C and GPS settings.

#include "app/screen_id.h"

class App;

namespace settings {

class Settings {
 public:
  explicit Settings(App& app);
  ~Settings();
  void wire(ScreenId id);

  // Shows the frames of the selected tab and refreshes the controls that
  // depend on the source choices.
  void TabStrip1_Click();
  // The settings screen takes the recorder folder from the main window.
  void LoadDataFolder();
  // GarminSource / NMEASource from the position-source options.
  void SelectGPSToUse();
  // Throws away unsaved edits.
  void CancelButton_Click();
  void Update_Form2_data();

  // Brings the port and playback-file controls, the capture markers, the
  // purge limits and the recorder folder into line with the current choices.
  void EnableSourceControls();
  // The recording method: continuous recording starts at once, the
  // START-STOP method stops it.
  void ShowStartStopButton_Click();
  void EMSDYNON_Click();
  void RealTime_Click();
  // "APPLY": the tab refresh, then the configuration file is written.
  void SaveConfig_Click();

 private:
  App& app_;
};

}  // namespace settings
