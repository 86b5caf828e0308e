#pragma once
// Platform services other than timers and serial links: clock, message boxes,
// file dialogs, tray icon and the window host. Each is an interface; the Qt
// layer implements them for the program and tests script them.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/datetime.h"

namespace platform {

class Control;
class Menu;
class Screen;

// The time-zone record of the operating system: biases in minutes, with
// UTC = local time + bias (+ standard or daylight bias).
struct TimeZoneInformation {
  // 0 no daylight-saving rule, 1 standard time in force, 2 daylight time in
  // force, anything else: the call failed.
  int result = 0;
  std::int32_t bias = 0;
  std::int32_t standardBias = 0;
  std::int32_t daylightBias = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Local time now.
  virtual DateTime now() const = 0;
  virtual TimeZoneInformation timeZone() const = 0;
  // Sets the computer's local time of day and date; false when refused.
  virtual bool setLocalTime(const DateTime& local) = 0;
};

// Message box buttons and results of the original run-time.
namespace msg {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int DefaultButton2 = 256;
inline constexpr int ResultOk = 1;
inline constexpr int ResultCancel = 2;
inline constexpr int ResultYes = 6;
inline constexpr int ResultNo = 7;
}  // namespace msg

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Modal: returns the button the user pressed. Events keep running meanwhile.
  virtual int show(std::string_view text, int buttons = msg::OkOnly, std::string_view title = {}) = 0;
  virtual void beep() = 0;
};

// Shows at most one box at a time for one writer: a failure that repeats while
// the writer's box is still open shows no second box.
class OneBoxAtATime {
 public:
  // Returns the pressed button, or 0 when a box of this writer is already open.
  int show(MessageBoxes& boxes, std::string_view text, int buttons = msg::OkOnly,
           std::string_view title = {});
  bool open() const { return open_; }

 private:
  bool open_ = false;
};

struct FileDialogRequest {
  std::string title;
  // "Text (*.txt)|*.txt|All (*.*)|*.*" style filter.
  std::string filter;
  int filterIndex = 1;
  std::string initialFolder;
  std::string fileName;
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen path, or empty when the user cancelled.
  virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
};

// The notification-area icon. Where the desktop has no tray, available() is
// false and the shell minimises instead of hiding, so no window is ever lost.
class Tray {
 public:
  virtual ~Tray() = default;
  virtual bool available() const = 0;
  // Puts the icon in the tray with a tool tip; an empty or unreadable icon file
  // gives the built-in icon.
  virtual void add(std::string_view toolTip, std::string_view iconFile) = 0;
  virtual bool inTray() const = 0;
  virtual void setToolTip(std::string_view toolTip) = 0;
  virtual void remove() = 0;
  // Shows the given menu's entries as a pop-up menu; picking one runs its click.
  virtual void popupMenu(Menu& menu) = 0;
  // The user's request for the pop-up menu (a click on the icon).
  std::function<void()> onMenuRequest;
};

// The window system as the application sees it.
class UiHost {
 public:
  virtual ~UiHost() = default;
  // A screen model was created: give it a view (built on first show).
  virtual void attach(Screen& screen) = 0;
  // Ends the program at once with the exit status.
  virtual void quit(int status) = 0;
  // A pause of a long task on the event thread (the export): the windows
  // repaint and pending input is taken, but only a click on `live` and a
  // close request of `main` reach their models; any other input is dropped.
  // Timer ticks and serial data meanwhile wait in the scheduler's hold. A
  // host without windows takes nothing.
  virtual void pauseForInput(Control& live, Screen& main);
};

}  // namespace platform
