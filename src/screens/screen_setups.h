#pragma once
// Set-up procedures of the EFIS, GPS, combined and engine data screens, and
// the sky plot's reset.

#include "app/screen_id.h"

class App;

namespace screens {

class ScreenSetups {
 public:
  explicit ScreenSetups(App& app);
  ~ScreenSetups();
  void wire(ScreenId id);

  void Update_Form8_data();
  void Update_Form9_data();
  void Update_form12_data();
  void Update_Form4_data();
  // Hides the satellite markers of the sky plot.
  void initializeDisplay();

 private:
  App& app_;
};

}  // namespace screens
