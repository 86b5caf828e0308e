#include "screens/data_screen_layout.h"

namespace screens::layout {

void frame(platform::Frame& f, std::string_view caption, int left, int top, int width, int height) {
  f.setCaption(caption);
  f.setGeometry(left, top, width, height);
}

void heading(platform::Label& l, platform::Control& container, std::string_view caption, int left, int top,
             int width, platform::Alignment align) {
  l.setContainer(&container);
  l.setCaption(caption);
  l.setAlignment(align);
  l.setTransparent(true);
  l.setGeometry(left, top, width, kLabelHeight);
}

void value(platform::Label& l, platform::Control& container, int left, int top, int width,
           std::string_view toolTip) {
  l.setContainer(&container);
  l.setBorder(true);
  l.setAlignment(platform::Alignment::Center);
  l.setBackColor(platform::color::WindowBackground);
  l.setToolTip(toolTip);
  l.setGeometry(left, top, width, kValueHeight);
}

void fillLamp(platform::Shape& s, platform::Control& container, int left, int top, platform::OleColor fill) {
  s.setContainer(&container);
  s.setShape(platform::ShapeType::Circle);
  s.setFillStyle(0);
  s.setFillColor(fill);
  s.setGeometry(left, top, kLampSize, kLampSize);
}

void backLamp(platform::Shape& s, platform::Control* container, int left, int top, platform::OleColor back) {
  s.setContainer(container);
  s.setShape(platform::ShapeType::Circle);
  s.setFillStyle(1);
  s.setOpaque(true);
  s.setBackColor(back);
  s.setGeometry(left, top, kLampSize, kLampSize);
}

void fieldRows(platform::Frame& frame, std::initializer_list<Field> fields) {
  int row = 0;
  for (const Field& f : fields) {
    heading(*f.caption, frame, f.text, 120, rowTop(row) + 15, 1620, platform::Alignment::Left);
    value(*f.value, frame, 1800, rowTop(row), 1440, f.toolTip);
    ++row;
  }
}

// Idle (dark green) until the sentence arrives often enough.
void sentenceLight(platform::Shape& light, platform::Frame& frame) {
  fillLamp(light, frame, 3420, rowTop(0) + 45, platform::color::Green);
}

void button(platform::CommandButton& b, std::string_view caption, std::string_view toolTip, int left, int top,
            int width) {
  b.setCaption(caption);
  b.setToolTip(toolTip);
  b.setGeometry(left, top, width, kButtonHeight);
}

}  // namespace screens::layout
