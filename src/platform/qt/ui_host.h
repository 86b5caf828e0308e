#pragma once
// The window system as the application sees it: a window for every screen
// model, and ending the program.

#include <memory>
#include <vector>

#include "platform/qt/screen_window.h"
#include "platform/services.h"

namespace platform::qt {

class QtUiHost : public UiHost {
 public:
  QtUiHost();
  ~QtUiHost() override;

  void attach(Screen& screen) override;
  // Ends every event loop at once, nested ones (a message box, a pop-up menu)
  // included, and closes the windows; the program's run() returns status.
  void quit(int status) override;

  // Repaints and takes pending input through an application event filter
  // that lets only mouse input to the live control's widget and the close
  // request of the main window through; keys and everything else go.
  void pauseForInput(Control& live, Screen& main) override;
  // True while a pause takes input: input that does not come as a window
  // event (the tray icon) is dropped meanwhile too.
  static bool pausing();

  // Runs the main event loop, or returns at once when quit() came first.
  int run();
  bool quitRequested() const { return quitRequested_; }
  int exitStatus() const { return status_; }

  // The window of a screen, null when the screen was never attached.
  ScreenWindow* windowOf(const Screen& screen) const;

 private:
  std::vector<std::unique_ptr<ScreenWindow>> windows_;
  bool quitRequested_ = false;
  int status_ = 0;
};

}  // namespace platform::qt
