#pragma once
// The settings screens: ports, sources, units, intervals, recorder and
// start-up screen, and the instrument limits, Mode C and GPS settings.

#include <cstddef>
#include <memory>

#include "app/screen_id.h"

class App;

namespace settings {

class InstrumentLimits;

class Settings {
 public:
  explicit Settings(App& app);
  ~Settings();
  void wire(ScreenId id);

  // The instrument limits screen's procedures.
  InstrumentLimits& limits() { return *limits_; }

  // Shows the frames of the selected tab and refreshes the controls that
  // depend on the source choices.
  void TabStrip1_Click();
  // The settings screen takes the recorder folder from the main window.
  void LoadDataFolder();
  // GarminSource / NMEASource from the position-source options.
  void SelectGPSToUse();
  void Update_Form2_data();

  // Brings the port and playback-file controls, the capture markers, the
  // purge limits and the recorder folder into line with the current choices.
  void EnableSourceControls();
  // The recording method: continuous recording starts at once, the
  // START-STOP method stops it.
  void ShowStartStopButton_Click();
  void EMSDYNON_Click();
  void RealTime_Click();

  // The button row and the recorder options' buttons.
  // "INSTRUMENTS": the instrument limits screen in place of this one.
  void InstrumentSettingButton_Click();
  // "CANCEL": throws away unsaved edits.
  void CancelButton_Click();
  // "APPLY": the tab refresh, then the configuration file is written.
  void SaveConfig_Click();
  // "RETURN": applies, saves and goes back to the main window.
  void Command1_Click();
  // "FILE MAINTENANCE".
  void Command2_Click();
  // A click in the recorder folder box.
  void DataFolder_Click();
  // The main window's engine screen button follows the engine monitor type.
  void UpdatePortSettingDisplay();

  // "ACCEPT" of each link: saves, shows the new settings on the main window
  // and reopens the link with them.
  void EFIS_PortOK_Click();
  void EMS_PortOK_Click();
  void GPS_PortOK_Click();

  // "SHOW COMM": the live data of the link.
  void EFIS_ShowDataButton_Click();
  void EMS_ShowDataButton_Click();
  void GPS_ShowDataButton_Click();
  // " SHOW  DATA": the screen of the decoded values.
  void EFIS_ShowDataScreen_Click();
  void EMS_ShowDataScreen_Click();
  void GPS_ShowDataScreen_Click();
  // " SHOW  FILE": the record list of the loaded playback file (the GPS
  // file is never loaded, so its button has no action).
  void EFIS_ShowFileButton_Click();
  void EMS_ShowFileButton_Click();

 private:
  struct PortDevice;
  PortDevice portDevice(std::size_t link);
  void accept(std::size_t link);
  // RETURN's and the EFIS " SHOW  DATA"'s way out: the settings applied to
  // the main window, then saved.
  void applyAndSave();
  // Every list of a link marks that link's ACCEPT when chosen from.
  void wirePortLists();

  App& app_;
  std::unique_ptr<InstrumentLimits> limits_;
};

}  // namespace settings
