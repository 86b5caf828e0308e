// The steps of the standard sentences after their tables (gps_sentences.h):
// under the NMEA source the fix data and the recommended minimum data feed
// the main window and the GPS screen.

#include "app/app.h"
#include "devices/gps_sentences.h"
#include "screens/form9.h"
#include "shell/form1.h"

namespace devices {

void GpsDecoder::decodeGPGGA() {
  static constexpr std::string_view kModes[] = {"NOT VALID", "SPS MODE", "DIFF SPS", "PPS MODE"};
  screens::form21& f21 = app_.form21();
  if (!sentence<screens::form21>().read<gps::kFieldsGPGGA>(f21) || !app_.NMEASource) return;
  showPosition(f21.GPGGALatitude.caption(), f21.GPGGALongitude.caption());
  const auto mode = gps::fixIndex(f21.GPGGAFixType.caption(), std::size(kModes));
  showFixMode(mode ? kModes[*mode] : std::string_view());
  app_.form1().GPSSatsUsed.setCaption(f21.GPGGASatelliteTracked.caption());
  app_.form9().GPSSatsUsed.setCaption(app_.form1().GPSSatsUsed.caption());
  app_.GPSAltitudeText = f21.GPGGAAltitude.caption();
}

void GpsDecoder::decodeGPRMC() {
  screens::form21& f21 = app_.form21();
  gps::Sentence s = sentence<screens::form21>();
  if (!s.read<gps::kFieldsGPRMC>(f21) || !app_.NMEASource) return;
  app_.form1().GPSTime.setCaption(f21.GPRMCFixTime.caption());
  storeFixTime("NEMA-0183 Time > ", s[1], s[9]);
  app_.GPSSpeedText = f21.GPRMCSpeed.caption();
  app_.GPSTrackText = f21.GPRMCTrack.caption();
}

}  // namespace devices
