// The steps of Garmin sentences after their tables (gps_sentences.h): under
// the Garmin source the fix data feed the main window and the GPS screen and
// the altitude the shared altitude text; the aviation height drives the
// terrain alert under either source.

#include "app/app.h"
#include "devices/gps_sentences.h"
#include "platform/numbers.h"
#include "settings/form13.h"
#include "shell/form1.h"

namespace devices {

namespace color = platform::color;
using screens::form20;

void GpsDecoder::decodePGRMF() {
  static constexpr std::string_view kModes[] = {"NO FIX", "2D FIX", "3D FIX"};
  static constexpr platform::OleColor kLights[] = {color::Red, color::Yellow, color::BrightGreen};
  form20& f20 = app_.form20();
  if (!sentence<form20>().read<gps::kFieldsPGRMF>(f20) || !app_.GarminSource) return;
  gps::Memos& m = *memo_;
  showPosition(f20.GPSHemisphereNS.caption() + " " + m.garminLatitude(f20.GPSLatitude.caption()),
               f20.GPSHemisphereEW.caption() + " " + m.garminLongitude(f20.GPSLongitude.caption()));
  const auto mode = gps::fixIndex(f20.GPSFixType.caption(), std::size(kModes));
  if (mode) showFixLights(kLights[*mode]);
  showFixMode(mode ? kModes[*mode] : std::string_view());
  app_.GPSSpeedText = f20.GPSSpeed.caption();
  storeFixTime("Garmin Time > ", f20.GPSUTCTime.caption(), f20.GPSUTCDate.caption());
  // No colon between hour and minute, as the NMEA time shows.
  GPSTimeText_ = app_.GPSHour + app_.GPSMinute + ":" + app_.GPSSecond;
  app_.form1().GPSTime.setCaption(GPSTimeText_);
}

// The alert latches: a later height above the limit leaves it on; only a
// limit of 0 (or none) clears it here.
void GpsDecoder::decodePGRMH() {
  form20& f20 = app_.form20();
  if (!sentence<form20>().read<gps::kFieldsPGRMH>(f20)) return;
  settings::form13& f13 = app_.form13();
  const double limit = platform::readNumber(f13.TerrainAlertAltitude.text());
  if (limit > 0) {
    if (platform::readNumber(f20.GPSEstAGL.caption()) < limit) {
      app_.TerrainAlert = true;
      f13.TerrainAlertIndicator.setFillColor(color::Red);
    }
  } else {
    app_.TerrainAlert = false;
    f13.TerrainAlertIndicator.setFillColor(color::Green);
  }
}

// The shared altitude text is in metres, as the NMEA fix gives it.
void GpsDecoder::decodePGRMZ() {
  form20& f20 = app_.form20();
  if (sentence<form20>().read<gps::kFieldsPGRMZ>(f20) && app_.GarminSource)
    app_.GPSAltitudeText = platform::numberText(platform::readNumber(f20.GPSAltitude.caption()) / 3.2808);
}

}  // namespace devices
