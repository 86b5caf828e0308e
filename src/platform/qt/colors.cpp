// OLE colours to Qt colours. An OLE colour holds red in its low byte
// (&HBBGGRR); system colours have the top bit set and name a palette entry by
// their low byte.

#include <QGuiApplication>
#include <QPalette>

#include "platform/qt/control_view.h"

namespace platform::qt {

namespace {

QPalette::ColorRole systemRole(unsigned index) {
  switch (index) {
    case 5:
      return QPalette::Base;  // window background (text fields, lists)
    case 8:
      return QPalette::WindowText;  // window text
    case 10:
      return QPalette::Mid;  // active border
    case 13:
      return QPalette::Highlight;  // selected item
    case 14:
      return QPalette::HighlightedText;  // selected item text
    case 15:
      return QPalette::Button;  // button face
    case 18:
      return QPalette::ButtonText;  // button text
    default:
      return QPalette::Window;
  }
}

}  // namespace

QColor toQColor(OleColor c) {
  if (color::isSystemColor(c)) return QGuiApplication::palette().color(systemRole(c & 0xFFu));
  return QColor(static_cast<int>(c & 0xFFu), static_cast<int>((c >> 8) & 0xFFu),
                static_cast<int>((c >> 16) & 0xFFu));
}

}  // namespace platform::qt
