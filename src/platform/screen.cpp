#include "platform/screen.h"

#include <algorithm>

namespace platform {

Menu::Menu(Screen* screen, std::string name, std::string caption, Menu* parent)
    : screen_(screen), name_(std::move(name)), caption_(std::move(caption)), parent_(parent) {
  if (parent_)
    parent_->entries_.push_back(this);
  else if (screen_)
    screen_->registerMenu(this);
}

void Menu::setCaption(std::string_view c) {
  if (caption_ == c) return;
  caption_.assign(c);
  if (screen_) screen_->notifyScreen();
}

void Menu::setVisible(bool v) {
  if (visible_ == v) return;
  visible_ = v;
  if (screen_) screen_->notifyScreen();
}

void Menu::setEnabled(bool v) {
  if (enabled_ == v) return;
  enabled_ = v;
  if (screen_) screen_->notifyScreen();
}

void Menu::setChecked(bool v) {
  if (checked_ == v) return;
  checked_ = v;
  if (screen_) screen_->notifyScreen();
}

void Menu::click() {
  if (!enabled_) return;
  runEvent(onClick, "menu");
}

Screen::Screen(std::string name, std::string caption)
    : name_(std::move(name)), caption_(std::move(caption)) {}

Screen::~Screen() {
  // Controls are members of the derived class and are gone by now; make sure
  // none of their destructors reaches back into this screen.
  controls_.clear();
}

void Screen::setCaption(std::string_view c) {
  if (caption_ == c) return;
  caption_.assign(c);
  notifyScreen();
}

void Screen::setVisible(bool v) {
  if (visible_ == v) return;
  visible_ = v;
  notifyScreen();
}

void Screen::show() {
  setVisible(true);
  activate();
}

void Screen::activate() {
  if (observer_) observer_->screenActivated(*this);
}

void Screen::setWindowState(WindowState s) {
  if (windowState_ == s) return;
  windowState_ = s;
  notifyScreen();
}

void Screen::setGeometry(int left, int top, int width, int height) {
  if (left_ == left && top_ == top && width_ == width && height_ == height) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  notifyScreen();
}

void Screen::setSize(int width, int height) {
  setGeometry(left_, top_, width, height);
}

void Screen::setBackColor(OleColor c) {
  if (backColor_ == c) return;
  backColor_ = c;
  notifyScreen();
}

void Screen::setIcon(std::string_view path) {
  if (icon_ == path) return;
  icon_.assign(path);
  notifyScreen();
}

Control* Screen::findControl(std::string_view objectName) const {
  for (Control* c : controls_)
    if (c->objectName() == objectName) return c;
  return nullptr;
}

void Screen::unregisterControl(Control* c) {
  auto it = std::find(controls_.begin(), controls_.end(), c);
  if (it != controls_.end()) controls_.erase(it);
}

void Screen::registerMenu(Menu* m) {
  menuBar_.push_back(m);
}

void Screen::requestClose() {
  if (onQueryUnload)
    runEvent(onQueryUnload, "close request");
  else
    hide();
}

void Screen::keyDown(int keyCode, int shift) {
  if (onKeyDown) runEvent([&] { onKeyDown(keyCode, shift); }, "key");
}

void Screen::unload() {
  if (unloaded_) return;
  unloaded_ = true;
  visible_ = false;
  if (observer_) observer_->screenUnloaded(*this);
}

}  // namespace platform
