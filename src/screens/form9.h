#pragma once
// The GPS instrument screen: ground speed, altitude and track dials with their
// number readouts, position and fix readouts, the fix light, the signal bars
// of the satellites in view and the row of screen buttons.

#include "platform/gauges.h"
#include "platform/screen.h"
#include "platform/timer.h"

namespace screens {

class Form9 : public platform::Screen {
 public:
  explicit Form9(platform::Scheduler& scheduler);

  platform::AviationDial AirspeedGuage{this, "AirspeedGuage", platform::DialMode::Airspeed};
  platform::AviationDial AltitudeGuage{this, "AltitudeGuage", platform::DialMode::Altimeter};
  platform::AviationDial HeadingGuage{this, "HeadingGuage", platform::DialMode::Heading};
  platform::AnalogDisplay AirspeedLabel{this, "AirspeedLabel"};
  platform::AnalogDisplay AltitudeLabel{this, "AltitudeLabel"};
  platform::AnalogDisplay HeadingLabel{this, "HeadingLabel"};

  // Position and fix: a caption and a value label per row.
  platform::Label Label1{this, "Label1"};
  platform::Label DataLatitude{this, "DataLatitude"};
  platform::Label Label2{this, "Label2"};
  platform::Label DataLongitude{this, "DataLongitude"};
  platform::Label Label3{this, "Label3"};
  platform::Label GPSFixMode{this, "GPSFixMode"};
  platform::Shape GPSTrackingLight{this, "GPSTrackingLight"};
  platform::Label Label4{this, "Label4"};
  platform::Label GPSSatsUsed{this, "GPSSatsUsed"};
  platform::Label Label5{this, "Label5"};
  platform::Label SatellitesInView{this, "SatellitesInView"};
  // Shown by the supervisor while the GPS data are stale or there is no fix.
  platform::Label GPSNoSignal{this, "GPSNoSignal"};

  // Signal strength of up to twelve satellites of the current cycle.
  platform::Frame Frame1{this, "Frame1"};
  platform::ControlArray<platform::LinearGauge> SatelliteStrength{this, "SatelliteStrength", 0, 11};
  platform::ControlArray<platform::Label> SatelliteNumber{this, "SatelliteNumber", 0, 11};

  platform::CommandButton Command1{this, "Command1"};
  platform::CommandButton Command2{this, "Command2"};
  platform::CommandButton Command3{this, "Command3"};
  platform::CommandButton Command4{this, "Command4"};
  platform::CommandButton Command5{this, "Command5"};
  platform::CommandButton Command6{this, "Command6"};
};

}  // namespace screens
