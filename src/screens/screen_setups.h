#pragma once
// Set-up procedures of the EFIS, GPS, combined and engine data screens, and
// the sky plot's reset. Each set-up creates its screen, hidden, when it does
// not exist yet, reads the settings screens at the moment it runs, and gives
// the same screen when run twice; any caller may run it at any time.

#include "app/screen_id.h"

class App;

namespace screens {

class ScreenSetups {
 public:
  explicit ScreenSetups(App& app);
  void wire(ScreenId id);

  // The EFIS screen: unit captions, the vertical speed scale, the airspeed
  // bands, the G meter and the angle of attack, each hidden at a limit of 0.
  void Update_Form8_data();
  // The GPS screen: the speed dial's maximum and Vne, the altimeter's setting.
  void Update_Form9_data();
  // The combined screen: speed marks, the altimeter from the engine data
  // screen, the fuel bars and the shared engine limits.
  void Update_form12_data();
  // The unit tool tips of the Dynon engine data screen.
  void Update_Form4_data();
  // Hides the satellite markers of the sky plot.
  void initializeDisplay();
  // A click on any of the sky plot's marker options, the chosen one included:
  // the plot empties and the next satellite cycle draws it in the new mode.
  void SatDisplay_Click(int index);

 private:
  App& app_;
};

}  // namespace screens
