#pragma once
// Pictures of screens, offscreen too: the window is rendered with every
// pending change applied, whether it is shown or not.

#include <QImage>
#include <QString>

#include "platform/screen.h"

namespace platform::qt {

// Null when the screen has no window (it was never attached).
QImage grabScreen(Screen& screen);
bool saveScreenshot(Screen& screen, const QString& path);

}  // namespace platform::qt
