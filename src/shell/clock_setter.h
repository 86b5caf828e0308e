#pragma once
// "SET": the computer's clock from the last GPS date and time, moved from UTC
// to local time by the system's time-zone bias.

#include "app/screen_id.h"

class App;

namespace shell {

class ClockSetter {
 public:
  explicit ClockSetter(App& app) : app_(app) {}
  // The main window's SET button.
  void wire(ScreenId id);

  void SetTime_Click();
  float GetTimeZoneOffset();

 private:
  App& app_;
};

}  // namespace shell
