#pragma once
// The state of a screen as the program's logic leaves it, for tests that
// compare whole screens: for every control its visibility, caption, tool tip
// and the properties of its kind (scales, bands, pointers, readouts, dial
// values, lamp colours, marker pictures). Geometry and fonts belong to the
// layout and are left out, except the positions a test names.

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/screen.h"

namespace testsupport {

// One control's properties in a fixed order; an empty caption or tool tip and
// a property that does not apply are left out.
class ControlState {
 public:
  // The value of a property, created empty at the end when it is missing.
  std::string& operator[](const std::string& key);
  // "" when the property is not there.
  std::string get(const std::string& key) const;
  void erase(const std::string& key);
  const std::vector<std::pair<std::string, std::string>>& properties() const { return properties_; }
  friend bool operator==(const ControlState& a, const ControlState& b);

 private:
  std::vector<std::pair<std::string, std::string>> properties_;
};

// Controls by object name, in the screen's order.
class ScreenState {
 public:
  ControlState& operator[](const std::string& objectName);
  const ControlState& at(const std::string& objectName) const;
  const std::vector<std::pair<std::string, ControlState>>& controls() const { return controls_; }
  // One line per control: "Name: key=value key=value".
  std::string text() const;

 private:
  std::vector<std::pair<std::string, ControlState>> controls_;
};

// placed: object names (or array names) whose left and top are part of the
// state, where the logic rather than the layout sets them, or "Name.left" for
// the left edge alone; they count only while the control is visible.
ScreenState screenState(const platform::Screen& screen, const std::set<std::string>& placed = {});

// The lines on which two states differ, "" when they are the same.
std::string differences(const ScreenState& expected, const ScreenState& actual);

// Compares a text with the reviewed golden file tests/data/<name>. A missing
// golden file fails. With TALBREN_WRITE_GOLDEN=1 in the environment the file
// is written instead, and the test fails so the new text gets reviewed.
void expectGolden(const std::string& name, const std::string& text);

}  // namespace testsupport
