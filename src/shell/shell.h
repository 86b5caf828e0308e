#pragma once
// The application shell: start-up and shut-down, navigation among the screens,
// the supervisor, readout enabling, the raw port-data view, the main window's
// handlers, the tray icon and menus, and setting the PC clock.

#include <cstdint>
#include <string>

#include "app/screen_id.h"

class App;

namespace shell {

class Shell {
 public:
  explicit Shell(App& app);
  ~Shell();
  // Attaches this subsystem's handlers to a screen just created.
  void wire(ScreenId id);

  // Start-up and shut-down.
  void Form_Load();
  void StartupDelay_Timer();
  // The one shut-down sequence of the close box and both "Exit" entries; safe
  // to enter again while it runs.
  void Shutdown();
  bool shuttingDown() const { return shuttingDown_; }

  // Navigation memories.
  void ClearCameFrom();
  void ReturnToForm();
  void GetHideForms();
  void GetShowForms();

  // Readout enabling and engine screen clearing.
  void Enable_DisableButtons();
  void InitScreens();

  // The 250 ms supervisor.
  void Quartersecondtimer_Timer();

  // Raw port-data view: adds the newest line of the device shown.
  void UpdateCommDataScreen();

  // Main window handlers used by other screens.
  void ShowSettingsScreen();
  void EFISCommPort_Click();
  void EMSCommPort_Click();
  void GPSCommPort_Click();
  void SaveConfig_Click();

  // Setting the PC clock from GPS time.
  void SetTime_Click();
  float GetTimeZoneOffset();

 private:
  App& app_;
  bool shuttingDown_ = false;
};

}  // namespace shell
