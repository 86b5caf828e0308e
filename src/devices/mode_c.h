#pragma once
// The Mode C encoder: the Gillham code table and the code of the current
// pressure altitude.

#include "app/screen_id.h"

class App;

namespace devices {

class ModeC {
 public:
  explicit ModeC(App& app);
  ~ModeC();
  void wire(ScreenId id);

  void LoadModeCTable();
  // The supervisor's Mode C step.
  void UpdateModeCGrayCode();
  void ModeCGrayCode_Click();

 private:
  App& app_;
};

}  // namespace devices
