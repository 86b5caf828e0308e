#include "platform/services.h"

namespace platform {

int OneBoxAtATime::show(MessageBoxes& boxes, std::string_view text, int buttons, std::string_view title) {
  if (open_) return 0;
  open_ = true;
  int result = 0;
  try {
    result = boxes.show(text, buttons, title);
  } catch (...) {
    open_ = false;
    throw;
  }
  open_ = false;
  return result;
}

void UiHost::pauseForInput(Control&, Screen&) {}

}  // namespace platform
