#pragma once
// Helpers of the GUI tests: screenshots into the build's screenshot folder and
// running the event loop for a while.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QImage>
#include <QPoint>
#include <QString>
#include <QTemporaryDir>

#include "app/app.h"
#include "platform/qt/qt_scheduler.h"
#include "platform/qt/qt_serial.h"
#include "platform/qt/tray.h"
#include "platform/qt/ui_host.h"
#include "platform/system_clock.h"

class QWidget;
namespace platform {
class Screen;
}

namespace guitest {

// The path of a screenshot file in TALBREN_SCREENSHOT_DIR (created if missing).
QString screenshotPath(const QString& name);
// Saves the picture as <name>.png there; false when it could not be written.
bool saveShot(const QImage& image, const QString& name);
bool saveShot(QWidget* widget, const QString& name);
bool saveShot(platform::Screen& screen, const QString& name);

// Processes events until done() holds or the time runs out; returns done().
// The time is a safety net for a wait that never ends, not a bound.
bool processUntil(const std::function<bool()>& done, int timeoutMs = 30000);
// Processes the events that are pending now (and the zero-time timers they start).
void processPending();

// Message boxes are answered in the test, never shown.
class RecordedBoxes : public platform::MessageBoxes {
 public:
  int show(std::string_view text, int buttons, std::string_view) override {
    texts.emplace_back(text);
    return (buttons & 7) == platform::msg::YesNo ? platform::msg::ResultYes : platform::msg::ResultOk;
  }
  void beep() override {}
  std::vector<std::string> texts;
};

class NoDialogs : public platform::FileDialogs {
 public:
  std::optional<std::string> openFile(const platform::FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> saveFile(const platform::FileDialogRequest&) override { return std::nullopt; }
};

// What the program folder holds as its window icon.
enum class IconFile { Valid, Unreadable, Missing };

// The Qt services over a temporary program folder.
class ProgramFolder : public testing::Test {
 protected:
  // The home folder is the program folder too, so a recorder folder "C:\..."
  // never lands in the real one.
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    setenv("TALBREN_PROGRAM_DIR", folder.path().toLocal8Bit().constData(), 1);
    if (const char* home = getenv("HOME")) oldHome_ = home;
    setenv("HOME", folder.path().toLocal8Bit().constData(), 1);
  }
  void TearDown() override {
    unsetenv("TALBREN_PROGRAM_DIR");
    if (oldHome_)
      setenv("HOME", oldHome_->c_str(), 1);
    else
      unsetenv("HOME");
  }
  void writeIcon(IconFile kind);
  // Starts the program and waits until its start sequence (1.5 s on) has
  // run, so that it changes no screen's visibility in the middle of a test.
  void startProgram(App& app);
  Services services() { return Services{scheduler, clock, boxes, dialogs, tray, serial, ui}; }

  QTemporaryDir folder;
  platform::qt::QtScheduler scheduler;
  platform::SystemClock clock;
  RecordedBoxes boxes;
  NoDialogs dialogs;
  platform::qt::QtTray tray;
  platform::qt::QtSerialFactory serial;
  platform::qt::QtUiHost ui;

 private:
  std::optional<std::string> oldHome_;
};

// A test that drives the program's own windows: widgets are found by object
// name and clicked with the mouse, and screens are saved as screenshots.
class WindowTest : public ProgramFolder {
 protected:
  // The window built for the screen, null before it was first shown.
  QWidget* top(platform::Screen& s);
  bool onView(platform::Screen& s);
  template <class W>
  W* find(platform::Screen& s, const char* name) {
    QWidget* w = top(s);
    return w ? w->findChild<W*>(QString::fromLatin1(name)) : nullptr;
  }
  // A press and release of the left button on the widget (at its centre, or
  // at the point given), then the events it started.
  void click(QWidget* w, std::optional<QPoint> at = std::nullopt);
  void shot(platform::Screen& s, const char* name);
};

}  // namespace guitest
