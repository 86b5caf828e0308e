#pragma once
// Screen model: one long-lived window object with its controls, menus and
// window state. Screens are created hidden on first use and live until
// shut-down; showing and hiding never destroys them.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"

namespace platform {

class Screen;

// A menu entry; top-level entries form the screen's menu bar in order.
class Menu {
 public:
  Menu(Screen* screen, std::string name, std::string caption, Menu* parent = nullptr);
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;
  const std::string& name() const { return name_; }
  const std::string& caption() const { return caption_; }
  void setCaption(std::string_view c);
  bool visible() const { return visible_; }
  void setVisible(bool v);
  bool enabled() const { return enabled_; }
  void setEnabled(bool v);
  bool checked() const { return checked_; }
  void setChecked(bool v);
  Menu* parent() const { return parent_; }
  const std::vector<Menu*>& entries() const { return entries_; }
  std::function<void()> onClick;
  // The user picking this entry.
  void click();

 private:
  friend class Screen;
  Screen* screen_;
  std::string name_;
  std::string caption_;
  Menu* parent_;
  bool visible_ = true;
  bool enabled_ = true;
  bool checked_ = false;
  std::vector<Menu*> entries_;
};

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// What a view of a screen is told. Calls arrive only for real changes.
class ScreenObserver {
 public:
  virtual ~ScreenObserver() = default;
  virtual void screenChanged(Screen& screen) = 0;  // caption, visibility, state, geometry, icon
  virtual void controlChanged(Control& control) = 0;
  virtual void screenActivated(Screen& screen) = 0;  // brought to the front
  virtual void screenUnloaded(Screen& screen) = 0;
};

class Screen {
 public:
  Screen(std::string name, std::string caption);
  virtual ~Screen();
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  const std::string& name() const { return name_; }
  const std::string& caption() const { return caption_; }
  void setCaption(std::string_view c);

  bool visible() const { return visible_; }
  void setVisible(bool v);
  // Show makes the screen visible and brings it to the front; Hide hides it.
  void show();
  void hide() { setVisible(false); }
  void activate();

  WindowState windowState() const { return windowState_; }
  void setWindowState(WindowState s);

  // Client size and position in twips.
  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void setGeometry(int left, int top, int width, int height);
  void setSize(int width, int height);

  OleColor backColor() const { return backColor_; }
  void setBackColor(OleColor c);
  // Window icon file; empty keeps the default icon.
  const std::string& icon() const { return icon_; }
  void setIcon(std::string_view path);
  // Fixed-size dialog-like windows cannot be resized by the user.
  bool fixedSize() const { return fixedSize_; }
  void setFixedSize(bool f) { fixedSize_ = f; }

  // Controls in declaration order; a control registers itself on construction.
  const std::vector<Control*>& controls() const { return controls_; }
  Control* findControl(std::string_view objectName) const;
  const std::vector<Menu*>& menuBar() const { return menuBar_; }

  // Events raised by the window: a close request (the close box) and key presses
  // (key code as the virtual-key number, for example 112 for F1).
  std::function<void()> onQueryUnload;
  std::function<void(int keyCode, int shift)> onKeyDown;
  // The user's close request: runs onQueryUnload, or hides the screen when
  // there is no handler.
  void requestClose();
  void keyDown(int keyCode, int shift);

  // Unloading tears the view down; the model stays valid until it is destroyed.
  void unload();
  bool unloaded() const { return unloaded_; }

  void setObserver(ScreenObserver* o) { observer_ = o; }
  ScreenObserver* observer() const { return observer_; }

  // Called by controls and menus.
  void registerControl(Control* c) { controls_.push_back(c); }
  void unregisterControl(Control* c);
  void registerMenu(Menu* m);
  void notifyControl(Control& c) {
    if (observer_) observer_->controlChanged(c);
  }
  void notifyScreen() {
    if (observer_) observer_->screenChanged(*this);
  }

 private:
  std::string name_;
  std::string caption_;
  bool visible_ = false;
  bool unloaded_ = false;
  bool fixedSize_ = true;
  WindowState windowState_ = WindowState::Normal;
  int left_ = 0, top_ = 0, width_ = 9600, height_ = 7200;
  OleColor backColor_ = color::ButtonFace;
  std::string icon_;
  std::vector<Control*> controls_;
  std::vector<Menu*> menuBar_;
  ScreenObserver* observer_ = nullptr;
};

}  // namespace platform
