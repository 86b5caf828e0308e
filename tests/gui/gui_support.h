#pragma once
// Helpers of the GUI tests: screenshots into the build's screenshot folder and
// running the event loop for a while.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QImage>
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
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    setenv("TALBREN_PROGRAM_DIR", folder.path().toLocal8Bit().constData(), 1);
  }
  void TearDown() override { unsetenv("TALBREN_PROGRAM_DIR"); }
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
};

}  // namespace guitest
