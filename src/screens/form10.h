#pragma once
// The Dynon engine gauge screen: manifold pressure, tachometer and oil dials,
// the two tank dials, the voltage, current, fuel pressure and fuel flow bars,
// one bar per cylinder carrying its CHT with the EGT on two further pointers,
// the value labels and captions, the file playback banner and the screen
// buttons.

#include "platform/gauges.h"
#include "platform/screen.h"
#include "platform/timer.h"

namespace screens {

class Form10 : public platform::Screen {
 public:
  explicit Form10(platform::Scheduler& scheduler);

  platform::AngularGauge ManifoldPressureGuage{this, "ManifoldPressureGuage"};
  platform::AnalogDisplay ManifoldPressureLabel{this, "ManifoldPressureLabel"};
  platform::GaugeLabel iLabelX1{this, "iLabelX1"};
  platform::AngularGauge TachGuage{this, "TachGuage"};
  platform::AnalogDisplay TachLabel{this, "TachLabel"};
  platform::GaugeLabel iLabelX2{this, "iLabelX2"};
  platform::AngularGauge OilPresGuage{this, "OilPresGuage"};
  platform::GaugeLabel OilPresLabel{this, "OilPresLabel"};
  platform::GaugeLabel iLabelX4{this, "iLabelX4"};
  platform::AngularGauge OilTempGuage{this, "OilTempGuage"};
  platform::GaugeLabel OilTempLabel{this, "OilTempLabel"};
  platform::GaugeLabel iLabelX7{this, "iLabelX7"};

  // Fuel: the group caption, the two tank dials and their labels.
  platform::GaugeLabel iLabelX8{this, "iLabelX8"};
  platform::GaugeLabel iLabelX3{this, "iLabelX3"};
  platform::AngularGauge FuelQtyLeftGuage{this, "FuelQtyLeftGuage"};
  platform::GaugeLabel FuelQtyLeftLabel{this, "FuelQtyLeftLabel"};
  platform::AngularGauge FuelQtyRightGuage{this, "FuelQtyRightGuage"};
  platform::GaugeLabel FuelQtyRightLabel{this, "FuelQtyRightLabel"};

  // Bars; additional pointer 1 marks the same value as the main pointer.
  platform::LinearGauge VoltageGuage{this, "VoltageGuage"};
  platform::GaugeLabel VoltageLabel{this, "VoltageLabel"};
  platform::LinearGauge AmpsGuage{this, "AmpsGuage"};
  platform::GaugeLabel AmpsLabel{this, "AmpsLabel"};
  platform::LinearGauge FuelPresGuage{this, "FuelPresGuage"};
  platform::GaugeLabel FuelPresLabel{this, "FuelPresLabel"};
  platform::LinearGauge FuelFlowGuage{this, "FuelFlowGuage"};
  platform::GaugeLabel FuelFlowLabel{this, "FuelFlowLabel"};

  // Cylinders 1 to 6 are elements 0 to 5. CHTLabel 0 to 5 show the CHT values;
  // 6 to 11 are the captions "PRES", "VOLTS", "FLOW", "AMPS", "LEFT", "RIGHT".
  platform::GaugeLabel iLabelX11{this, "iLabelX11"};
  platform::ControlArray<platform::GaugeLabel> EGTLabel{this, "EGTLabel", 0, 5};
  platform::ControlArray<platform::LinearGauge> CHTGuage{this, "CHTGuage", 0, 5};
  platform::ControlArray<platform::GaugeLabel> CHTLabel{this, "CHTLabel", 0, 11};
  platform::GaugeLabel iLabelX10{this, "iLabelX10"};

  // Banner shown by the supervisor while engine data come from a file.
  platform::CommandButton FilePlaybackMode{this, "FilePlaybackMode"};

  platform::CommandButton Command1{this, "Command1"};
  platform::CommandButton Command2{this, "Command2"};
  platform::CommandButton Command3{this, "Command3"};
  platform::CommandButton Command4{this, "Command4"};
  platform::CommandButton Command5{this, "Command5"};
  platform::CommandButton Command6{this, "Command6"};
};

}  // namespace screens
