#pragma once
// A "DATA FILE" screen with a record slider and no list. Nothing opens or
// fills it; it exists so that the navigation flags of every screen have a
// screen behind them.

#include "platform/controls.h"
#include "platform/screen.h"

namespace platform {
class Scheduler;
}

namespace recorder {

class form16 : public platform::Screen {
 public:
  explicit form16(platform::Scheduler& scheduler);

  platform::Slider Slider1{this, "Slider1"};
  platform::CommandButton ReturnButton{this, "ReturnButton"};
};

}  // namespace recorder
