#include "shell/form3.h"

namespace shell {

Form3::Form3(platform::Scheduler& /*scheduler*/) : platform::Screen("Form3", "COMM PORT RAW DATA") {
  // Wide enough for the 133-character pieces a long engine line is cut into.
  setSize(14400, 6735);

  Frame1.setGeometry(120, 120, 14160, 5880);
  Frame1.setCaption("EFIS DATA");
  int top = 300;
  for (platform::Label& line : Label1) {
    line.setContainer(&Frame1);
    line.setGeometry(120, top, 13920, 255);
    line.setCaption("Label1");
    top += 270;
  }

  constexpr int buttonTop = 6120, buttonWidth = 1695, buttonHeight = 495;
  // The freeze state shows in the button's colour: button face, or light red while frozen.
  FreezeButton.setGeometry(120, buttonTop, buttonWidth, buttonHeight);
  FreezeButton.setCaption("FREEZE");
  FreezeButton.setGraphical(true);
  FreezeButton.setBackColor(platform::color::ButtonFace);
  ClearButton.setGeometry(1935, buttonTop, buttonWidth, buttonHeight);
  ClearButton.setCaption("CLEAR");
  ClearButton.setGraphical(false);
  ReturnButton.setGeometry(12585, buttonTop, buttonWidth, buttonHeight);
  ReturnButton.setCaption("RETURN");
  ReturnButton.setGraphical(false);
}

}  // namespace shell
