#pragma once
// The rows of buttons on the instrument, engine data and GPS sentence screens
// that move the user between screens. They keep no state of their own.

#include "app/screen_id.h"

class App;

namespace shell {

class ScreenButtons {
 public:
  explicit ScreenButtons(App& app) : app_(app) {}
  // The buttons of each screen of the three groups; each runs one of the
  // actions below (RETURN runs the navigation's ReturnFromScreen).
  void wire(ScreenId id);

  void MainRestore();
  void MainHide(ScreenId self);
  void ShowEFISInstruments();
  void ShowGPSInstruments();
  void ShowEngineInstruments();
  void ShowADCScreen();

 private:
  App& app_;
};

}  // namespace shell
