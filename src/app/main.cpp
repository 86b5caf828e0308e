// The program: the Qt platform services, the application object and the
// event loop. It takes no command-line arguments.

#include <QApplication>

#include "app/app.h"
#include "platform/qt/file_dialogs.h"
#include "platform/qt/message_boxes.h"
#include "platform/qt/qt_scheduler.h"
#include "platform/qt/qt_serial.h"
#include "platform/qt/termination.h"
#include "platform/qt/tray.h"
#include "platform/qt/ui_host.h"
#include "platform/system_clock.h"
#include "shell/shell.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Talbren Ruvove Zavi Zaredido"));
  // Hiding the last window (to the tray, or while switching screens) must not
  // end the program; only the shell's shut-down does.
  QApplication::setQuitOnLastWindowClosed(false);

  platform::qt::QtScheduler scheduler;
  platform::SystemClock clock;
  platform::qt::QtMessageBoxes messages;
  platform::qt::QtFileDialogs dialogs;
  platform::qt::QtTray tray;
  platform::qt::QtSerialFactory serial;
  platform::qt::QtUiHost ui;

  App app(Services{scheduler, clock, messages, dialogs, tray, serial, ui});
  platform::qt::installTerminationHandler([&app] { app.shell().Shutdown(); });
  app.start();
  const int status = ui.run();
  platform::qt::removeTerminationHandler();
  return status;
}
