#pragma once
// Start-up and shut-down: the main window's load sequence, the one-shot start
// sequence that opens the links and shows the first screen, and the one
// shut-down sequence of every way out of the program.

#include "app/screen_id.h"

class App;

namespace shell {

class Lifecycle {
 public:
  explicit Lifecycle(App& app) : app_(app) {}
  // The main window's close request, both "Exit" entries and the start-up
  // delay.
  void wire(ScreenId id);

  // The program's start enables the main window's program-long timers, then
  // runs the load sequence.
  void startTimers();
  void Form_Load();
  void StartupDelay_Timer();
  // The one shut-down sequence of the close box and both "Exit" entries; safe
  // to enter again while it runs.
  void Shutdown();
  bool shuttingDown() const { return shuttingDown_; }
  // Writes everything still buffered: records and capture batches. The
  // shut-down runs it; so does the program's last way out when it ends
  // without the shut-down (the display connection lost). Safe to run again.
  void closeFiles();
  // The three ways out: the main window's close request, the menu bar's
  // "Exit" and the tray pop-up's "Exit".
  void Form_QueryUnload();
  void MenuExit_Click();
  void mexit_Click();

 private:
  // Start-up has put the configured recorder folder in place: writing may
  // begin.
  void recorderFolderApplied();

  // Shut-down: runs one step; a step that fails is skipped.
  void shutdownStep(void (Lifecycle::*step)());
  void closePorts();
  void stopTimers();
  void unloadScreens();
  void removeTrayIcon();

  App& app_;
  bool shuttingDown_ = false;
};

}  // namespace shell
