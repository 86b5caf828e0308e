#pragma once
// The main window's handlers: its buttons, port labels and readouts are the
// doors to the other screens; which readouts take a click; and the known
// start state of the engine data screens and the raw port-data view.

#include "app/screen_id.h"

class App;

namespace shell {

class MainHandlers {
 public:
  explicit MainHandlers(App& app) : app_(app) {}
  // The main window's buttons, port labels and readouts.
  void wire(ScreenId id);

  void ShowSettingsScreen();
  // Opens the settings screen on the tab numbered from 1.
  void ShowSettingsTab(int tab);
  void EFISCommPort_Click();
  void EMSCommPort_Click();
  void GPSCommPort_Click();
  void SaveConfig_Click();
  void Command1_Click();  // GPS INSTRUMENTS
  void Command2_Click();  // EFIS INSTRUMENTS
  void Command3_Click();  // ENGINE DATA SCREEN
  void Command4_Click();  // ENGINE INSTRUMENTS

  // Readout enabling and engine screen clearing.
  void Enable_DisableButtons();
  void InitScreens();

 private:
  App& app_;
};

}  // namespace shell
