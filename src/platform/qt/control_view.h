#pragma once
// A widget standing for one control model. The window builds one view per
// control on first show and calls refresh() after the model changed
// (coalesced, and only while the window is shown). The window itself applies
// the properties every control has (geometry, visibility, enabled, tool tip,
// font); refresh() applies the kind's own.

#include <memory>

#include <QColor>
#include <QWidget>

#include "platform/controls.h"

namespace platform::qt {

class ControlView {
 public:
  virtual ~ControlView() = default;
  virtual QWidget* widget() = 0;
  virtual void refresh() = 0;
};

// OLE colour (&HBBGGRR, system colours with the top bit) to a Qt colour.
QColor toQColor(OleColor c);

// Twips to pixels at 15 twips per pixel.
constexpr int px(int twips) {
  return twips / 15;
}

// Views of the gauge kinds (LinearGauge, AngularGauge, AnalogDisplay,
// GaugeLabel, SlidingCompass, AviationDial); nullptr for any other kind.
std::unique_ptr<ControlView> createGaugeView(Control& model, QWidget* parent);

}  // namespace platform::qt
