#pragma once
// The generic window of a screen model: one top-level widget per screen with
// a menu bar and one view per control, built on first show.
//
// Model to widgets: a control change marks its view dirty, and one flush per
// turn of the event loop refreshes the dirty views. While the window is hidden
// a change costs nothing here; showing the window refreshes every view. The
// window paints what changed at most once per display frame: changes that
// come faster are in the widgets at once and painted together.
// Widgets to model: user input goes through the model's own methods (click,
// setText, setListIndex, ...), so its events fire as they would from code, and
// the window is brought up to date right after.
//
// The window never closes itself: the close box asks the model
// (Screen::requestClose), whose hide or unload then drives the window.

#include <memory>
#include <string>
#include <vector>

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "platform/qt/control_view.h"
#include "platform/screen.h"

namespace platform::qt {

class WindowWidget;

class ScreenWindow : public ScreenObserver {
 public:
  // Becomes the screen's observer. No widget exists until the screen is shown
  // (or widget() is asked for).
  explicit ScreenWindow(Screen& screen);
  // Destroys the widgets without touching the screen, which may be gone.
  ~ScreenWindow() override;
  ScreenWindow(const ScreenWindow&) = delete;
  ScreenWindow& operator=(const ScreenWindow&) = delete;

  Screen& screen() const { return screen_; }
  // The top-level widget, null until built.
  QWidget* builtWidget() const;
  // The top-level widget with every pending model change applied, built first
  // if needed (for screenshots of a window that is not shown).
  QWidget* widgetUpToDate();
  // Applies the pending control changes now.
  void flush();
  // The view of a control, null while the window is not built.
  ControlView* viewOf(const Control& control) const;
  // The program is ending: a close no longer asks the model.
  void setQuitting();

  // ScreenObserver.
  void screenChanged(Screen& screen) override;
  void controlChanged(Control& control) override;
  void screenActivated(Screen& screen) override;
  void screenUnloaded(Screen& screen) override;

 private:
  friend class WindowWidget;
  struct Entry;
  struct Build;

  void build();
  Entry* ensureEntry(Control& control, int depth = 0);
  QWidget* parentFor(Control& control, int depth);
  void apply(Entry& e);
  void refreshAll();
  void applyScreen();
  void applyMenus();
  void applyWindowState();
  void show();
  void retire();
  // From the window widget.
  void userClose();
  void userStateChanged(Qt::WindowStates states);
  bool quitting() const { return quitting_; }

  Screen& screen_;
  std::unique_ptr<Build> build_;
  // Torn-down generations waiting for deferred deletion.
  std::vector<QPointer<QObject>> retired_;
  QTimer flushTimer_;
  bool shown_ = false;
  bool quitting_ = false;
  bool applyingState_ = false;
};

}  // namespace platform::qt
