#pragma once
// Look shared by the instrument screens: black panels, large readouts, plain
// white captions and one row of screen buttons along the bottom.

#include <initializer_list>
#include <string_view>

#include "platform/gauges.h"

namespace screens::style {

inline platform::Font readoutFont(double size = 14) {
  return {"Arial", size, true, false, false};
}
inline platform::Font captionFont(double size = 9.75) {
  return {"Arial", size, true, false, false};
}
inline platform::Font buttonFont() {
  return {"Arial", 9.75, true, false, false};
}

// A plain caption label on a black panel.
inline void caption(platform::Label& label, std::string_view text,
                    platform::Alignment align = platform::Alignment::Center) {
  label.setCaption(text);
  label.setBackColor(platform::color::Black);
  label.setForeColor(platform::color::White);
  label.setAlignment(align);
  label.setFont(captionFont());
}

// One tool tip for several controls.
inline void toolTip(std::string_view text, std::initializer_list<platform::Control*> controls) {
  for (platform::Control* c : controls) c->setToolTip(text);
}

// A frame that groups gauges on a black panel.
inline void panel(platform::Frame& frame, std::string_view text, bool border = true) {
  frame.setCaption(text);
  frame.setBackColor(platform::color::Black);
  frame.setForeColor(platform::color::White);
  frame.setBorder(border);
  frame.setFont(captionFont());
}

// Scale and coloured bands of a dial or bar: colours low to high, one more
// colour than band ends (the last band runs to the maximum).
inline void scale(platform::ScaledGauge& g, double min, double max,
                  std::initializer_list<platform::OleColor> colors = {},
                  std::initializer_list<double> ends = {}) {
  g.setPositionMin(min);
  g.setPositionMax(max);
  g.setSectionCount(static_cast<int>(colors.size()));
  int i = 1;
  for (platform::OleColor c : colors) g.setSectionColor(i++, c);
  i = 1;
  for (double e : ends) g.setSectionEnd(i++, e);
}

// The "same value" marker (pointer 1) of an engine or climb bar: a neutral
// colour, so that it never reads as a caution on a bar in its green band.
inline constexpr platform::OleColor kSameValueMarker = 0xC0C0C0;

// A horizontal engine bar with its same-value marker.
inline void engineBar(platform::LinearGauge& bar) {
  bar.setOrientation(platform::Orientation::Horizontal);
  bar.setAdditionalPointerColor(1, kSameValueMarker);
}

// A cylinder bar: filled up to the CHT in its limit colour, its scale
// labelled in a small font, the EGT on pointers 1 and 2.
inline void cylinderBar(platform::LinearGauge& bar) {
  bar.setPointerStyle(platform::PointerStyle::ColorBar);
  bar.setPointerColor(platform::color::Green);
  bar.setFont(captionFont(6.75));
}

// &H408000, the first band of the manifold pressure and tachometer dials.
inline constexpr platform::OleColor kSeaGreen = 0x408000;

// Buttons side by side from left to right, all of one size.
inline void buttonRow(std::initializer_list<platform::CommandButton*> buttons, int left, int top,
                      int width = 1800, int height = 495, int gap = 240) {
  for (platform::CommandButton* b : buttons) {
    b->setGeometry(left, top, width, height);
    b->setFont(buttonFont());
    left += width + gap;
  }
}

}  // namespace screens::style
