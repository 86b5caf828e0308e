#pragma once
// Texts between the models (bytes) and Qt (UTF-16), and model fonts to Qt fonts.

#include <string>
#include <string_view>

#include <QFont>
#include <QString>

#include "platform/controls.h"

namespace platform::qt {

// The program's own texts are UTF-8; text that is not (raw device bytes) shows
// one byte as one character.
QString toQString(std::string_view bytes);
// What the user typed, as UTF-8 bytes.
std::string fromQString(const QString& text);

// "MS Sans Serif" and names this machine does not have map to the default
// sans-serif font at the same point size; bold, italic and underline are kept.
QFont toQFont(const Font& font);

}  // namespace platform::qt
