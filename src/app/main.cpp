// The program: the Qt platform services, the application object and the
// event loop. It takes no command-line arguments.

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include <QApplication>

#include "app/app.h"
#include "platform/controls.h"
#include "platform/failure_log.h"
#include "platform/numbers.h"
#include "platform/qt/file_dialogs.h"
#include "platform/qt/loop_stats.h"
#include "platform/qt/message_boxes.h"
#include "platform/qt/qt_scheduler.h"
#include "platform/qt/qt_serial.h"
#include "platform/qt/termination.h"
#include "platform/qt/tray.h"
#include "platform/qt/ui_host.h"
#include "platform/system_clock.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "shell/lifecycle.h"
#include "shell/shell.h"

namespace {

// What the program's last way out must still do, while the application
// object lives.
App* liveApp = nullptr;
platform::qt::QtMessageBoxes* liveMessages = nullptr;
std::thread::id eventThread;

// Writes what is still buffered when the program ends without its shut-down:
// the toolkit ends the process with exit() when the display connection is
// lost. No box can be shown any more; a failure is told on standard error.
void writeBufferedOnTheWayOut() {
  // The application lives on the event thread; no other may touch it.
  if (liveApp == nullptr || std::this_thread::get_id() != eventThread) return;
  App& app = *liveApp;
  liveApp = nullptr;
  liveMessages->showNoMore();
  app.shell().lifecycle().closeFiles();
}

void writeToStandardError(std::string_view line) {
  const ssize_t written = ::write(STDERR_FILENO, line.data(), line.size());
  (void)written;
}

std::int64_t steadyMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Clicks the control named <screen>.<control>, if there is one.
void clickControl(App& app, const std::string& target) {
  const std::size_t dot = target.find('.');
  if (dot == std::string::npos) return;
  for (ScreenId id : kAllScreens) {
    if (target.compare(0, dot, screenName(id)) != 0) continue;
    if (platform::Control* c = app.screen(id).findControl(target.substr(dot + 1))) c->click();
  }
}

// Test hooks on the start sequence, each active only when its variable is
// set; each runs with the start-up delay's own handler.
void installStartHooks(App& app) {
  platform::Timer& startupDelay = app.form1().StartupDelay;
  // TALBREN_START_SCREEN=<0..5> chooses the start screen as the
  // configuration's start-screen setting does, so a test need not write a
  // configuration file. It is set as the start sequence begins, so it wins
  // over the file however long the load sequence takes.
  if (const char* start = std::getenv("TALBREN_START_SCREEN"); start && *start) {
    const double option = platform::readNumber(start);
    if (option >= 0 && option <= 5)
      startupDelay.onTick = [&app, index = platform::toInt16(option), tick = startupDelay.onTick] {
        app.form2().StartupDisplayScreen[index].setValue(true);
        if (tick) tick();
      };
  }
  // TALBREN_START_CLICK=<screen>.<control> clicks that control once the
  // start screen is on view, as the user would: Form1.Command4 (ENGINE
  // INSTRUMENTS) opens the gauge screen of the engine monitor type, which no
  // start-screen option shows for a Grand Rapids monitor.
  if (const char* click = std::getenv("TALBREN_START_CLICK"); click && *click) {
    startupDelay.onTick = [&app, target = std::string(click), tick = startupDelay.onTick] {
      if (tick) tick();
      clickControl(app, target);
    };
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Talbren Ruvove Zavi Zaredido"));
  // Hiding the last window (to the tray, or while switching screens) must not
  // end the program; only the shell's shut-down does.
  QApplication::setQuitOnLastWindowClosed(false);
  // Every failure a handler catches is told on standard error, one line
  // each, at most one a second per handler.
  platform::FailureLog failures(writeToStandardError, steadyMilliseconds);
  platform::setEventErrorSink(
      [&failures](const char* what, const std::string& message) { failures.add(what, message); });

  platform::qt::QtScheduler scheduler;
  platform::SystemClock clock;
  platform::qt::QtMessageBoxes messages;
  platform::qt::QtFileDialogs dialogs;
  platform::qt::QtTray tray;
  platform::qt::QtSerialFactory serial;
  platform::qt::QtUiHost ui;

  App app(Services{scheduler, clock, messages, dialogs, tray, serial, ui});
  platform::qt::installTerminationHandler([&app] { app.shell().lifecycle().Shutdown(); });
  liveApp = &app;
  liveMessages = &messages;
  eventThread = std::this_thread::get_id();
  std::atexit(writeBufferedOnTheWayOut);
  // Test hooks, each active only when its variable is set.
  platform::Timer& startupDelay = app.form1().StartupDelay;
  installStartHooks(app);
  // TALBREN_LOOP_STATS=<file> measures how long the running event loop is
  // ever held up (platform/qt/loop_stats.h), from the end of the start
  // sequence on: the start-up delay has ticked and its handler has returned.
  const auto loopStats = platform::qt::LoopStats::fromEnvironment(
      [&startupDelay] { return !startupDelay.enabled() && !startupDelay.running(); });

  app.start();
  const int status = ui.run();
  platform::qt::removeTerminationHandler();
  // The shut-down wrote everything; a loop that ended another way has not.
  if (!app.shell().lifecycle().shuttingDown()) writeBufferedOnTheWayOut();
  liveApp = nullptr;
  failures.finish();
  platform::setEventErrorSink(nullptr);
  return status;
}
