#include "recorder/form16.h"

namespace recorder {

form16::form16(platform::Scheduler& /*scheduler*/) : platform::Screen("form16", "DATA FILE") {
  setSize(9000, 1335);
  Slider1.setGeometry(120, 120, 8760, 495);
  ReturnButton.setCaption("RETURN");
  ReturnButton.setGeometry(7440, 720, 1440, 495);
}

}  // namespace recorder
