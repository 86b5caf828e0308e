#pragma once
// Layout helpers of the text data screens (engine data and GPS sentence
// screens): frames, headings, value readouts, lamps and buttons in the
// sizes those screens share. Geometry is in twips, relative to the container.

#include <initializer_list>
#include <string_view>

#include "platform/controls.h"

namespace screens::layout {

inline constexpr int kLabelHeight = 255;
inline constexpr int kValueHeight = 285;
inline constexpr int kLampSize = 195;
inline constexpr int kButtonHeight = 495;

void frame(platform::Frame& f, std::string_view caption, int left, int top, int width, int height);

// A static caption (heading, row caption, unit) inside a frame, drawn on the
// frame's own background.
void heading(platform::Label& l, platform::Control& container, std::string_view caption, int left, int top,
             int width, platform::Alignment align = platform::Alignment::Center);

// A value readout: bordered, centred, empty until its source writes it.
void value(platform::Label& l, platform::Control& container, int left, int top, int width,
           std::string_view toolTip = {});

// A lamp lit by its fill colour.
void fillLamp(platform::Shape& s, platform::Control& container, int left, int top, platform::OleColor fill);

// A lamp lit by its back colour (the link lights copy another light's back colour).
void backLamp(platform::Shape& s, platform::Control* container, int left, int top, platform::OleColor back);

// Sentence frames of the GPS sentence screens: one row per field, its caption
// on the left and its value on the right, the sentence light in the first row.
inline constexpr int kSentenceFrameWidth = 3840;
inline constexpr int kFirstRowTop = 300;
inline constexpr int kRowPitch = 300;
constexpr int rowTop(int row) {
  return kFirstRowTop + row * kRowPitch;
}
constexpr int sentenceFrameHeight(int rows) {
  return rowTop(rows) + 60;
}

struct Field {
  platform::Label* caption;
  std::string_view text;
  platform::Label* value;
  std::string_view toolTip;
};
void fieldRows(platform::Frame& frame, std::initializer_list<Field> fields);
void sentenceLight(platform::Shape& light, platform::Frame& frame);

void button(platform::CommandButton& b, std::string_view caption, std::string_view toolTip, int left, int top,
            int width);

}  // namespace screens::layout
