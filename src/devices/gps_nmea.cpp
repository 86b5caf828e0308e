// The standard sentences: fix data, recommended minimum data, track and
// ground speed, bearing between waypoints.

#include "app/app.h"
#include "devices/gps_decoder.h"
#include "devices/gps_fields.h"
#include "screens/form21.h"
#include "screens/form9.h"
#include "shell/form1.h"

namespace devices {

namespace {

using gps::End;
using gps::Memos;
using gps::Show;
using gps::shown;
using screens::form21;
using Field = gps::Field<form21>;

// $GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47
//   1 UTC time  2-3 latitude  4-5 longitude  6 fix quality  7 satellites
//   8 horizontal dilution  9-10 altitude (metres)  11-12 geoid height
constexpr Field kGPGGA[] = {
    {1, &form21::GPGGAFixTime, Show::FixTime},
    shown(2, &form21::GPGGALatitude, Show::Position, &Memos::ggaLatitude),
    shown(4, &form21::GPGGALongitude, Show::Position, &Memos::ggaLongitude),
    {6, &form21::GPGGAFixType},
    shown(7, &form21::GPGGASatelliteTracked, Show::Pattern, &Memos::ggaSatellites),
    shown(8, &form21::GPGGAHorizonDilution, Show::Pattern, &Memos::ggaDilution),
    shown(9, &form21::GPGGAAltitude, Show::Pattern, &Memos::ggaAltitude),
    shown(11, &form21::GPGGAGeoidHeight, Show::Pattern, &Memos::ggaGeoid)};

// $GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A
//   1 UTC time  2 status (A valid, V warning)  3-4 latitude  5-6 longitude
//   7 speed (knots)  8 track (degrees true)  9 date (ddmmyy)  10-11 variation
// Only the variation's value is read, not its E/W field.
constexpr Field kGPRMC[] = {{1, &form21::GPRMCFixTime, Show::FixTime},
                            {.number = 2, .label = &form21::GPRMCStatus, .fed = &SharedState::GPSStatusText},
                            shown(3, &form21::GPRMCLatitude, Show::Position, &Memos::rmcLatitude),
                            shown(5, &form21::GPRMCLongitude, Show::Position, &Memos::rmcLongitude),
                            {7, &form21::GPRMCSpeed},
                            {8, &form21::GPRMCTrack},
                            {9, &form21::GPRMCFixDate, Show::Date},
                            {10, &form21::GPRMCMagVariation}};

// $GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48
//   1-2 true track  3-4 magnetic track  5-6 speed (knots)  7-8 speed (km/h)
// Each value is shown as received; the magnetic heading readout reads the
// magnetic track back from its label.
constexpr Field kGPVTG[] = {{1, &form21::GPVTG_TrueTrack},
                            {3, &form21::GPVTG_MagneticTrack},
                            {5, &form21::GPVTG_SpeedKnots},
                            {7, &form21::GPVTG_SpeedKPH}};

// $GPBOD,099.3,T,105.6,M,POINTB,POINTA*45
//   1-2 bearing true  3-4 bearing magnetic  5 and 6 the two waypoints
// Field 5 is shown as the start waypoint and field 6 as the destination.
constexpr Field kGPBOD[] = {{1, &form21::GPBODTrue},
                            {3, &form21::GPBODMagnetic},
                            {5, &form21::GPBODStartWaypoint},
                            {6, &form21::GPBODDestWaypoint, Show::AsReceived, End::CommaOrStar}};

}  // namespace

// Under the NMEA source the fix feeds the main window and the GPS screen.
void GpsDecoder::decodeGPGGA() {
  static constexpr std::string_view kModes[] = {"NOT VALID", "SPS MODE", "DIFF SPS", "PPS MODE"};
  form21& f21 = app_.form21();
  if (!nmeaSentence().read(f21, kGPGGA) || !app_.NMEASource) return;
  showPosition(f21.GPGGALatitude.caption(), f21.GPGGALongitude.caption());
  const auto mode = gps::fixIndex(f21.GPGGAFixType.caption(), std::size(kModes));
  showFixMode(mode ? kModes[*mode] : std::string_view());
  app_.form1().GPSSatsUsed.setCaption(f21.GPGGASatelliteTracked.caption());
  app_.form9().GPSSatsUsed.setCaption(app_.form1().GPSSatsUsed.caption());
  app_.GPSAltitudeText = f21.GPGGAAltitude.caption();
}

// Under the NMEA source: the time, date, speed and track of the fix.
void GpsDecoder::decodeGPRMC() {
  form21& f21 = app_.form21();
  gps::Sentence s = nmeaSentence();
  if (!s.read(f21, kGPRMC) || !app_.NMEASource) return;
  app_.form1().GPSTime.setCaption(f21.GPRMCFixTime.caption());
  storeFixTime("NEMA-0183 Time > ", s[1], s[9]);
  app_.GPSSpeedText = f21.GPRMCSpeed.caption();
  app_.GPSTrackText = f21.GPRMCTrack.caption();
}

void GpsDecoder::decodeGPVTG() { nmeaSentence().read(app_.form21(), kGPVTG); }
void GpsDecoder::decodeGPBOD() { nmeaSentence().read(app_.form21(), kGPBOD); }

}  // namespace devices
