#pragma once
// The EFIS instrument screen: artificial horizon, sliding compass, airspeed and
// altitude tapes, G meter, angle of attack and vertical speed, a banner for
// file playback and terrain alerts, and the row of screen buttons.

#include "platform/gauges.h"
#include "platform/screen.h"
#include "platform/timer.h"

namespace screens {

class Form8 : public platform::Screen {
 public:
  explicit Form8(platform::Scheduler& scheduler);

  // Heading: the compass band across the top and its number.
  platform::SlidingCompass iSlidingCompassX1{this, "iSlidingCompassX1"};
  platform::GaugeLabel HeadingLabel{this, "HeadingLabel"};

  platform::AviationDial Air1{this, "Air1", platform::DialMode::Attitude};

  // Airspeed tape: its scale moves with the airspeed.
  platform::GaugeLabel AirspeedUnits{this, "AirspeedUnits"};
  platform::LinearGauge AirspeedGuage{this, "AirspeedGuage"};
  platform::GaugeLabel AirspeedLabel{this, "AirspeedLabel"};

  // G meter with its eight scale labels (bottom to top).
  platform::Label Label1{this, "Label1"};
  platform::LinearGauge VerticalGs{this, "VerticalGs"};
  platform::ControlArray<platform::GaugeLabel> VertSpeedLabel{this, "VertSpeedLabel", 0, 7};
  platform::AnalogDisplay VerticalGs_Label{this, "VerticalGs_Label"};

  // Angle of attack.
  platform::Label Label2{this, "Label2"};
  platform::LinearGauge AOAGuage{this, "AOAGuage"};
  platform::AnalogDisplay AOAGuage_Label{this, "AOAGuage_Label"};

  // Altitude tape in its own panel: the set-up moves the readout by one pixel
  // inside it when the vertical speed display is hidden.
  platform::Frame Frame1{this, "Frame1"};
  platform::GaugeLabel AltitudeUnits{this, "AltitudeUnits"};
  platform::LinearGauge AltitudeGuage{this, "AltitudeGuage"};
  platform::GaugeLabel AltitudeLabel{this, "AltitudeLabel"};

  // Vertical speed tape with its full-scale (0 top, 1 bottom) and half-scale marks.
  platform::Label Label3{this, "Label3"};
  platform::LinearGauge VerticalSpeedGuage{this, "VerticalSpeedGuage"};
  platform::ControlArray<platform::GaugeLabel> VertSpdMax{this, "VertSpdMax", 0, 1};
  platform::ControlArray<platform::GaugeLabel> VertSpdMid{this, "VertSpdMid", 0, 1};
  platform::AnalogDisplay VerticalSpeedGuage_Label{this, "VerticalSpeedGuage_Label"};

  // Banner shown by the supervisor for file playback or a terrain alert.
  platform::CommandButton FilePlaybackMode{this, "FilePlaybackMode"};

  platform::CommandButton Command1{this, "Command1"};
  platform::CommandButton Command2{this, "Command2"};
  platform::CommandButton Command3{this, "Command3"};
  platform::CommandButton Command4{this, "Command4"};
  platform::CommandButton Command5{this, "Command5"};
  platform::CommandButton Command6{this, "Command6"};
};

}  // namespace screens
