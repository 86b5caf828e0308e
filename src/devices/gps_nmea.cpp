// The standard sentences: fix data, recommended minimum data, track and
// ground speed, bearing between waypoints.

#include "app/app.h"
#include "devices/gps_decoder.h"
#include "devices/gps_fields.h"
#include "platform/numbers.h"
#include "screens/form21.h"
#include "screens/form9.h"
#include "shell/form1.h"

namespace devices {

using gps::FieldWalk;
using gps::fixTimeText;
using gps::positionText;
using platform::midText;

// $GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47
//   1 UTC time  2-3 latitude  4-5 longitude  6 fix quality  7 satellites
//   8 horizontal dilution  9-10 altitude (metres)  11-12 geoid height
void GpsDecoder::decodeGPGGA() {
  screens::form21& f21 = app_.form21();
  FieldWalk w(app_.GPSLine);

  auto t = w.first();
  if (!t) return;
  f21.GPGGAFixTime.setCaption(fixTimeText(*t));
  if (!(t = w.next())) return;
  f21.GPGGALatitude.setCaption(positionText(w.afterEnd(), memo_->ggaLatitude.field(*t)));
  if (!(t = w.afterOne())) return;
  f21.GPGGALongitude.setCaption(positionText(w.afterEnd(), memo_->ggaLongitude.field(*t)));
  if (!(t = w.afterOne())) return;
  f21.GPGGAFixType.setCaption(*t);
  if (!(t = w.next())) return;
  f21.GPGGASatelliteTracked.setCaption(memo_->ggaSatellites.field(*t));
  if (!(t = w.next())) return;
  f21.GPGGAHorizonDilution.setCaption(memo_->ggaDilution.field(*t));
  if (!(t = w.next())) return;
  f21.GPGGAAltitude.setCaption(memo_->ggaAltitude.field(*t));
  if (!(t = w.afterOne())) return;
  f21.GPGGAGeoidHeight.setCaption(memo_->ggaGeoid.field(*t));

  if (!app_.NMEASource) return;
  shell::Form1& f1 = app_.form1();
  screens::Form9& f9 = app_.form9();
  f1.DataLatitude.setCaption(f21.GPGGALatitude.caption());
  f9.DataLatitude.setCaption(f21.GPGGALatitude.caption());
  f1.DataLongitude.setCaption(f21.GPGGALongitude.caption());
  f9.DataLongitude.setCaption(f21.GPGGALongitude.caption());
  const std::string& fix = f21.GPGGAFixType.caption();
  if (fix == "0")
    f1.GPSFixMode.setCaption("NOT VALID");
  else if (fix == "1")
    f1.GPSFixMode.setCaption("SPS MODE");
  else if (fix == "2")
    f1.GPSFixMode.setCaption("DIFF SPS");
  else if (fix == "3")
    f1.GPSFixMode.setCaption("PPS MODE");
  f9.GPSFixMode.setCaption(f1.GPSFixMode.caption());
  f1.GPSSatsUsed.setCaption(f21.GPGGASatelliteTracked.caption());
  f9.GPSSatsUsed.setCaption(f1.GPSSatsUsed.caption());
  app_.GPSAltitudeText = f21.GPGGAAltitude.caption();
}

// $GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A
//   1 UTC time  2 status (A valid, V warning)  3-4 latitude  5-6 longitude
//   7 speed (knots)  8 track (degrees true)  9 date (ddmmyy)  10-11 variation
void GpsDecoder::decodeGPRMC() {
  screens::form21& f21 = app_.form21();
  FieldWalk w(app_.GPSLine);
  const bool nmea = static_cast<bool>(app_.NMEASource);

  const auto tm = w.first();
  if (!tm) return;
  f21.GPRMCFixTime.setCaption(fixTimeText(*tm));
  auto t = w.next();
  if (!t) return;
  f21.GPRMCStatus.setCaption(*t);
  if (nmea) app_.GPSStatusText = *t;
  if (!(t = w.next())) return;
  f21.GPRMCLatitude.setCaption(positionText(w.afterEnd(), memo_->rmcLatitude.field(*t)));
  if (!(t = w.afterOne())) return;
  f21.GPRMCLongitude.setCaption(positionText(w.afterEnd(), memo_->rmcLongitude.field(*t)));
  if (!(t = w.afterOne())) return;
  f21.GPRMCSpeed.setCaption(*t);
  if (!(t = w.next())) return;
  f21.GPRMCTrack.setCaption(*t);
  const auto d = w.next();
  if (!d) return;
  f21.GPRMCFixDate.setCaption(midText(*d, 1, 2) + "/" + midText(*d, 3, 2) + "/" + midText(*d, 5, 2));
  // Only the variation's value; its E/W field is not read.
  if (!(t = w.next())) return;
  f21.GPRMCMagVariation.setCaption(*t);

  if (!nmea) return;
  shell::Form1& f1 = app_.form1();
  app_.GPSHour = midText(*tm, 1, 2);
  app_.GPSMinute = midText(*tm, 3, 2);
  app_.GPSSecond = midText(*tm, 5, 2);
  f1.GPSTime.setCaption(f21.GPRMCFixTime.caption());
  app_.GPSDay = midText(*d, 1, 2);
  app_.GPSMonth = midText(*d, 3, 2);
  app_.GPSYear = midText(*d, 5, 2);
  f1.GPSTime.setToolTip("NEMA-0183 Time > " + app_.GPSMonth + "-" + app_.GPSDay + "-" + app_.GPSYear + "  " +
                        app_.GPSHour + ":" + app_.GPSMinute + ":" + app_.GPSSecond);
  app_.GPSSpeedText = f21.GPRMCSpeed.caption();
  app_.GPSTrackText = f21.GPRMCTrack.caption();
}

// $GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48
//   1-2 true track  3-4 magnetic track  5-6 speed (knots)  7-8 speed (km/h)
// Each value is shown as received; the magnetic heading readout reads the
// magnetic track back from its label.
void GpsDecoder::decodeGPVTG() {
  screens::form21& f21 = app_.form21();
  FieldWalk w(app_.GPSLine);

  auto t = w.first();
  if (!t) return;
  f21.GPVTG_TrueTrack.setCaption(*t);
  if (!(t = w.afterOne())) return;
  f21.GPVTG_MagneticTrack.setCaption(*t);
  if (!(t = w.afterOne())) return;
  f21.GPVTG_SpeedKnots.setCaption(*t);
  if (!(t = w.afterOne())) return;
  f21.GPVTG_SpeedKPH.setCaption(*t);
}

// $GPBOD,099.3,T,105.6,M,POINTB,POINTA*45
//   1-2 bearing true  3-4 bearing magnetic  5 and 6 the two waypoints
// Field 5 is shown as the start waypoint and field 6 as the destination.
void GpsDecoder::decodeGPBOD() {
  screens::form21& f21 = app_.form21();
  FieldWalk w(app_.GPSLine);

  auto t = w.first();
  if (!t) return;
  f21.GPBODTrue.setCaption(*t);
  if (!(t = w.afterOne())) return;
  f21.GPBODMagnetic.setCaption(*t);
  if (!(t = w.afterOne())) return;
  f21.GPBODStartWaypoint.setCaption(*t);
  if (!(t = w.nextLast())) return;
  f21.GPBODDestWaypoint.setCaption(*t);
}

}  // namespace devices
