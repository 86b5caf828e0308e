#pragma once
// The Grand Rapids engine gauge screen: airspeed and altimeter dials fed by the
// engine monitor, the rate-of-climb tape, tachometer and oil dials, voltage,
// fuel flow and fuel quantity bars, one bar per cylinder carrying its CHT with
// the EGT on two further pointers, value labels, captions and screen buttons.

#include "platform/gauges.h"
#include "platform/screen.h"
#include "platform/timer.h"

namespace screens {

class Form11 : public platform::Screen {
 public:
  explicit Form11(platform::Scheduler& scheduler);

  platform::AviationDial AirspeedGuage{this, "AirspeedGuage", platform::DialMode::Airspeed};
  platform::GaugeLabel AirspeedLabel{this, "AirspeedLabel"};
  platform::AviationDial AltitudeGuage{this, "AltitudeGuage", platform::DialMode::Altimeter};
  platform::GaugeLabel AltitudeLabel{this, "AltitudeLabel"};

  // Rate-of-climb tape with its full-scale (0 top, 1 bottom) and half-scale marks.
  platform::GaugeLabel VertLabel{this, "VertLabel"};
  platform::LinearGauge VerticalSpeedGuage{this, "VerticalSpeedGuage"};
  platform::ControlArray<platform::GaugeLabel> VertSpdMax{this, "VertSpdMax", 0, 1};
  platform::ControlArray<platform::GaugeLabel> VertSpdMid{this, "VertSpdMid", 0, 1};
  platform::GaugeLabel VerticalSpeedLabel{this, "VerticalSpeedLabel"};

  // Cylinders 1 to 6 are elements 0 to 5. CHTLabel 0 to 5 show the CHT values;
  // 7 and 8 are the captions "VOLTS" and "FLOW"; there is no element 6.
  platform::GaugeLabel iLabelX11{this, "iLabelX11"};
  platform::ControlArray<platform::GaugeLabel> EGTLabel{this, "EGTLabel", 0, 5};
  platform::ControlArray<platform::LinearGauge> CHTGuage{this, "CHTGuage", 0, 5};
  platform::ControlArray<platform::GaugeLabel> CHTLabel{this, "CHTLabel", {0, 1, 2, 3, 4, 5, 7, 8}};
  platform::GaugeLabel iLabelX10{this, "iLabelX10"};

  platform::AngularGauge TachGuage{this, "TachGuage"};
  platform::AnalogDisplay TachLabel{this, "TachLabel"};
  platform::GaugeLabel iLabelX2{this, "iLabelX2"};
  platform::AngularGauge OilPresGuage{this, "OilPresGuage"};
  platform::GaugeLabel OilPresLabel{this, "OilPresLabel"};
  platform::GaugeLabel iLabelX4{this, "iLabelX4"};
  platform::AngularGauge OilTempGuage{this, "OilTempGuage"};
  platform::GaugeLabel OilTempLabel{this, "OilTempLabel"};
  platform::GaugeLabel iLabelX7{this, "iLabelX7"};

  // Bars; additional pointer 1 marks the same value as the main pointer.
  platform::LinearGauge VoltageGuage{this, "VoltageGuage"};
  platform::GaugeLabel VoltageLabel{this, "VoltageLabel"};
  platform::GaugeLabel iLabelX8{this, "iLabelX8"};
  platform::LinearGauge FuelFlowGuage{this, "FuelFlowGuage"};
  platform::GaugeLabel FuelFlowLabel{this, "FuelFlowLabel"};
  platform::GaugeLabel iLabelX3{this, "iLabelX3"};
  platform::LinearGauge FuelQtyGuage{this, "FuelQtyGuage"};
  platform::GaugeLabel FuelQtyLabel{this, "FuelQtyLabel"};

  platform::CommandButton Command1{this, "Command1"};
  platform::CommandButton Command2{this, "Command2"};
  platform::CommandButton Command3{this, "Command3"};
  platform::CommandButton Command4{this, "Command4"};
  platform::CommandButton Command5{this, "Command5"};
  platform::CommandButton Command6{this, "Command6"};
  platform::CommandButton Command7{this, "Command7"};
};

}  // namespace screens
