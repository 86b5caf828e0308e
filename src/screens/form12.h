#pragma once
// The combined instrument screen for Grand Rapids engine monitors: airspeed
// dial, altimeter, a further altimeter dial and a climb dial, the fuel flow and
// fuel quantity bars with their labels, and the screen buttons.

#include "platform/gauges.h"
#include "platform/screen.h"
#include "platform/timer.h"

namespace screens {

class form12 : public platform::Screen {
 public:
  explicit form12(platform::Scheduler& scheduler);

  platform::AviationDial AirspeedGuage{this, "AirspeedGuage", platform::DialMode::Airspeed};
  platform::GaugeLabel AirspeedLabel{this, "AirspeedLabel"};
  platform::AviationDial AltitudeGuage{this, "AltitudeGuage", platform::DialMode::Altimeter};
  platform::GaugeLabel AltitudeLabel{this, "AltitudeLabel"};
  // Nothing feeds these two dials.
  platform::AviationDial Air1{this, "Air1", platform::DialMode::Altimeter};
  platform::AviationDial Air2{this, "Air2", platform::DialMode::Climb};

  // Fuel: group caption over both bars, each bar with its caption and value.
  // CHTLabel has the one element 8, the caption "FLOW".
  platform::GaugeLabel iLabelX8{this, "iLabelX8"};
  platform::LinearGauge FuelQtyGuage{this, "FuelQtyGuage"};
  platform::GaugeLabel iLabelX3{this, "iLabelX3"};
  platform::GaugeLabel FuelQtyLabel{this, "FuelQtyLabel"};
  platform::LinearGauge FuelFlowGuage{this, "FuelFlowGuage"};
  platform::ControlArray<platform::GaugeLabel> CHTLabel{this, "CHTLabel", {8}};
  platform::GaugeLabel FuelFlowLabel{this, "FuelFlowLabel"};

  platform::CommandButton Command1{this, "Command1"};
  platform::CommandButton Command2{this, "Command2"};
  platform::CommandButton Command3{this, "Command3"};
  platform::CommandButton Command4{this, "Command4"};
  platform::CommandButton Command5{this, "Command5"};
  platform::CommandButton Command6{this, "Command6"};
  platform::CommandButton Command7{this, "Command7"};
};

}  // namespace screens
