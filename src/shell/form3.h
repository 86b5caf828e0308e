#pragma once
// The raw port-data view: the newest twenty lines received from one device,
// oldest at the top, with freeze, clear and return.

#include "platform/controls.h"
#include "platform/screen.h"
#include "platform/timer.h"

namespace shell {

class Form3 : public platform::Screen {
 public:
  explicit Form3(platform::Scheduler& scheduler);

  // Its caption names the device shown; the opener sets it.
  platform::Frame Frame1{this, "Frame1"};
  // Line 0 is the oldest (top), line 19 the newest (bottom).
  platform::ControlArray<platform::Label> Label1{this, "Label1", 0, 19};
  platform::CommandButton FreezeButton{this, "FreezeButton"};
  platform::CommandButton ClearButton{this, "ClearButton"};
  platform::CommandButton ReturnButton{this, "ReturnButton"};
};

}  // namespace shell
