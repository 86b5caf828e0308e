#pragma once
// Modal message boxes and the beep.
//
// When the environment variable TALBREN_MESSAGE_LOG names a file, no box is
// shown: each box is appended to that file as its title line, its text and a
// closing line "----", and answered OK (Yes when the box asks yes or no).
// End-to-end runs read the file to see what the program said.

#include "platform/services.h"

namespace platform::qt {

class QtMessageBoxes : public MessageBoxes {
 public:
  // Shows the box and waits for the user; events keep running meanwhile. An
  // empty title shows the application name.
  int show(std::string_view text, int buttons = msg::OkOnly, std::string_view title = {}) override;
  void beep() override;
  // Once the display is gone no box can be shown: from then on each box's
  // text goes to standard error as one line (and to the message log when
  // there is one), answered as the log answers, and nothing beeps.
  void showNoMore() { noMore_ = true; }

 private:
  bool noMore_ = false;
};

}  // namespace platform::qt
