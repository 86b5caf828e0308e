#pragma once
// Icons from files, and the built-in instrument icon used where a file is
// missing or unreadable.

#include <optional>
#include <string_view>

#include <QIcon>

namespace platform::qt {

// The icon in the file, or nothing when the file is missing or holds no
// picture Qt can read (the format is detected from the content).
std::optional<QIcon> loadIconFile(std::string_view path);

// A small round instrument face with a needle, drawn in code.
QIcon builtInIcon();

}  // namespace platform::qt
