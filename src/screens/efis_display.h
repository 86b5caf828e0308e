#pragma once
// The main window's EFIS readouts and the EFIS instrument screen drive.

#include "app/screen_id.h"

class App;

namespace screens {

class EfisDisplay {
 public:
  explicit EfisDisplay(App& app);
  ~EfisDisplay();
  void wire(ScreenId id);

  // Writes the EFIS values to the main window's readouts.
  void ShowEFISData();
  // Drives the EFIS instrument screen from the EFIS values.
  void UpdateEFISScreen();

 private:
  App& app_;
};

}  // namespace screens
