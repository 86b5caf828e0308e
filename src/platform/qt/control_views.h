#pragma once
// Views of the plain control kinds (everything but the gauges): a label is a
// QLabel, a text box a QLineEdit, and so on. The window applies geometry,
// visibility, enabled, tool tip and font; refresh() applies the kind's own
// properties with the widget's signals blocked, so a refresh never reads as
// user input.

#include <functional>
#include <memory>

#include "platform/qt/control_view.h"

namespace platform::qt {

// What a view asks of the window that built it.
class ViewHost {
 public:
  virtual ~ViewHost() = default;
  // Runs one piece of user input against the model (its events included),
  // then brings the window's views up to date at once. Does nothing once the
  // window has been torn down.
  virtual void userInput(const std::function<void()>& action) = 0;
};

// nullptr for the gauge kinds (createGaugeView builds those).
std::unique_ptr<ControlView> createControlView(Control& model, QWidget* parent, ViewHost& host);

}  // namespace platform::qt
