#pragma once
// Layout helpers shared by the two settings screens' designs.

#include <string_view>

#include "platform/controls.h"

namespace settings::layout {

// Puts a control into its frame (null: the screen) at a place in twips.
inline void put(platform::Control& c, platform::Control* in, int left, int top, int width, int height) {
  c.setContainer(in);
  c.setGeometry(left, top, width, height);
}

inline void captionTip(platform::Control& c, std::string_view text, std::string_view tip = {}) {
  c.setCaption(text);
  c.setToolTip(tip);
}

}  // namespace settings::layout
