// Garmin's proprietary sentences: estimated error, fix data, map datum,
// aviation height with the terrain alert, sensor status, 3D velocity,
// altitude and DGPS beacon.

#include "app/app.h"
#include "devices/gps_decoder.h"
#include "devices/gps_fields.h"
#include "platform/numbers.h"
#include "screens/form20.h"
#include "screens/form9.h"
#include "settings/form13.h"
#include "shell/form1.h"

namespace devices {

using gps::FieldWalk;
using gps::positionText;
using platform::midText;
using platform::readNumber;
namespace color = platform::color;

// $PGRME,15.0,M,45.0,M,25.0,M*1C
//   1-2 horizontal error  3-4 vertical error  5-6 position error
void GpsDecoder::decodePGRME() {
  screens::form20& f20 = app_.form20();
  FieldWalk w(app_.GPSLine);

  auto t = w.first();
  if (!t) return;
  f20.GPSHorizontalError.setCaption(*t);
  if (!(t = w.afterOne())) return;
  f20.GPSVerticalError.setCaption(*t);
  if (!(t = w.afterOne())) return;
  f20.GPSPositionError.setCaption(*t);
}

// $PGRMF,290,293895,160305,093802,13,5213.1439,N,02100.6511,E,A,2,0,226,2,1*11
//   1 week  2 seconds of week  3 date (ddmmyy)  4 time (hhmmss)  5 leap seconds
//   6-7 latitude  8-9 longitude  10 mode  11 fix type (0 none, 1 2D, 2 3D)
//   12 speed (knots)  13 course  14 position dilution  15 time dilution
void GpsDecoder::decodePGRMF() {
  screens::form20& f20 = app_.form20();
  FieldWalk w(app_.GPSLine);

  platform::Label* const fields[] = {&f20.GPSWeekNumber,      &f20.GPSSecondsNumber,
                                     &f20.GPSUTCDate,         &f20.GPSUTCTime,
                                     &f20.GPSLeapSecondCount, &f20.GPSLatitude,
                                     &f20.GPSHemisphereNS,    &f20.GPSLongitude,
                                     &f20.GPSHemisphereEW,    &f20.GPSMode,
                                     &f20.GPSFixType,         &f20.GPSSpeed,
                                     &f20.GPSCourse,          &f20.GPSPDP};
  bool firstField = true;
  for (platform::Label* label : fields) {
    const auto t = firstField ? w.first() : w.next();
    firstField = false;
    if (!t) return;
    label->setCaption(*t);
  }
  // The last field is one digit, read up to the checksum.
  f20.GPSTDP.setCaption(w.afterEnd());

  if (!app_.GarminSource) return;
  shell::Form1& f1 = app_.form1();
  screens::Form9& f9 = app_.form9();
  f1.DataLatitude.setCaption(
      positionText(f20.GPSHemisphereNS.caption(), memo_->garminLatitude.field(f20.GPSLatitude.caption())));
  f9.DataLatitude.setCaption(f1.DataLatitude.caption());
  f1.DataLongitude.setCaption(
      positionText(f20.GPSHemisphereEW.caption(), memo_->garminLongitude.field(f20.GPSLongitude.caption())));
  f9.DataLongitude.setCaption(f1.DataLongitude.caption());

  const std::string& fix = f20.GPSFixType.caption();
  auto lights = [&](platform::OleColor c) {
    f1.GPSTrackingLight.setFillColor(c);
    f9.GPSTrackingLight.setFillColor(c);
  };
  if (fix == "0") {
    f1.GPSFixMode.setCaption("NO FIX");
    lights(color::Red);
  } else if (fix == "1") {
    f1.GPSFixMode.setCaption("2D FIX");
    lights(color::Yellow);
  } else if (fix == "2") {
    lights(color::BrightGreen);
    f1.GPSFixMode.setCaption("3D FIX");
  }
  f9.GPSFixMode.setCaption(f1.GPSFixMode.caption());

  app_.GPSSpeedText = f20.GPSSpeed.caption();

  const std::string& tm = f20.GPSUTCTime.caption();
  app_.GPSHour = midText(tm, 1, 2);
  app_.GPSMinute = midText(tm, 3, 2);
  app_.GPSSecond = midText(tm, 5, 2);
  // No colon between hour and minute, as the NMEA time shows.
  GPSTimeText_ = app_.GPSHour + app_.GPSMinute + ":" + app_.GPSSecond;
  f1.GPSTime.setCaption(GPSTimeText_);

  const std::string& d = f20.GPSUTCDate.caption();
  app_.GPSDay = midText(d, 1, 2);
  app_.GPSMonth = midText(d, 3, 2);
  app_.GPSYear = midText(d, 5, 2);
  f1.GPSTime.setToolTip("Garmin Time > " + app_.GPSMonth + "-" + app_.GPSDay + "-" + app_.GPSYear + "  " +
                        app_.GPSHour + ":" + app_.GPSMinute + ":" + app_.GPSSecond);
}

// $PGRMM,WGS 84*06
//   1 map datum name (may hold commas)
void GpsDecoder::decodePGRMM() {
  FieldWalk w(app_.GPSLine);
  if (const auto t = w.restToStar()) app_.form20().GPSMapDatum.setCaption(*t);
}

// $PGRMH,A,-2,0,-5,-3,150,270,275*3F
//   1 data status  2 vertical speed  3 VNAV profile error  4 vertical speed to
//   target  5 vertical speed to waypoint  6 height above terrain (feet)
//   7 desired track  8 course of the next leg
void GpsDecoder::decodePGRMH() {
  screens::form20& f20 = app_.form20();
  FieldWalk w(app_.GPSLine);

  platform::Label* const fields[] = {
      &f20.GPSDataStatus,          &f20.GPSVerticalSpeed, &f20.GPSProfileError, &f20.GPSVertSpeedToTarget,
      &f20.GPSVertSpeedToWayPoint, &f20.GPSEstAGL,        &f20.GPSDesiredTrack};
  bool firstField = true;
  for (platform::Label* label : fields) {
    const auto t = firstField ? w.first() : w.next();
    firstField = false;
    if (!t) return;
    label->setCaption(*t);
  }
  // Three characters, whatever follows a shorter course.
  f20.GPSNextTrack.setCaption(w.afterEnd(3));

  // The alert latches: a later height above the limit leaves it on; only a
  // limit of 0 (or none) clears it here.
  settings::form13& f13 = app_.form13();
  const double limit = readNumber(f13.TerrainAlertAltitude.text());
  if (limit > 0) {
    if (readNumber(f20.GPSEstAGL.caption()) < limit) {
      app_.TerrainAlert = true;
      f13.TerrainAlertIndicator.setFillColor(color::Red);
    }
  } else {
    app_.TerrainAlert = false;
    f13.TerrainAlertIndicator.setFillColor(color::Green);
  }
}

// $PGRMT,MODEL 1.0,P,P,R,R,P,C,23,R*33
//   1 product and version  2 ROM checksum  3 receiver  4 stored data
//   5 real-time clock  6 oscillator drift  7 data collection
//   8 board temperature  9 configuration data
void GpsDecoder::decodePGRMT() {
  screens::form20& f20 = app_.form20();
  FieldWalk w(app_.GPSLine);

  auto t = w.first();
  if (!t) return;
  f20.GPS_Model.setCaption(*t);

  struct Lamp {
    platform::Shape* lamp;
    const char* expected;
    platform::OleColor failure;
  };
  const Lamp lamps[] = {
      {&f20.LightROMChecksum, "P", color::Red}, {&f20.LightReceiver, "P", color::Red},
      {&f20.LightStored, "R", color::Yellow},   {&f20.LightClock, "R", color::Yellow},
      {&f20.LightOscDrift, "P", color::Red},    {&f20.LightDataCollection, "C", color::Green},
  };
  for (const Lamp& l : lamps) {
    if (!(t = w.next())) return;
    l.lamp->setFillColor(*t == l.expected ? color::BrightGreen : l.failure);
  }
  if (!(t = w.next())) return;
  f20.GPSSensorTemperature.setCaption(*t);
  f20.LightConfiguration.setFillColor(w.afterEnd() == "R" ? color::BrightGreen : color::Yellow);
}

// $PGRMV,2.3,-1.2,0.5*3A
//   1 east velocity  2 north velocity  3 up velocity (metres per second)
void GpsDecoder::decodePGRMV() {
  screens::form20& f20 = app_.form20();
  FieldWalk w(app_.GPSLine);

  auto t = w.first();
  if (!t) return;
  f20.GPSEastVelocity.setCaption(*t);
  if (!(t = w.next())) return;
  f20.GPSNorthVelocity.setCaption(*t);
  if (!(t = w.nextToStar())) return;
  f20.GPSUpVelocity.setCaption(*t);
}

// $PGRMZ,1494,f,3*23
//   1-2 altitude (feet)  3 fix type (2 user altitude, 3 GPS altitude)
void GpsDecoder::decodePGRMZ() {
  screens::form20& f20 = app_.form20();
  FieldWalk w(app_.GPSLine);

  auto t = w.first();
  if (!t) return;
  f20.GPSAltitude.setCaption(*t);
  if (!(t = w.afterOneToStar())) return;
  f20.GPSAltitudeFixType.setCaption(*t);

  // The shared altitude text is in metres, as the NMEA fix gives it.
  if (app_.GarminSource)
    app_.GPSAltitudeText = platform::numberText(readNumber(f20.GPSAltitude.caption()) / 3.2808);
}

// $PGRMB,301.0,100,12,0,46,K,A,W,A*5A
//   1 beacon frequency  2 bit rate  3 SNR  4 data quality  5-6 distance
//   7 status  8 fix source  9 mode
void GpsDecoder::decodePGRMB() {
  screens::form20& f20 = app_.form20();
  FieldWalk w(app_.GPSLine);

  platform::Label* const fields[] = {&f20.GPSBeaconFreq, &f20.GPSBeaconBitRate, &f20.GPSBeaconSNR,
                                     &f20.GPSBeaconDataQuality, &f20.GPSBeaconDistance};
  bool firstField = true;
  for (platform::Label* label : fields) {
    const auto t = firstField ? w.first() : w.next();
    firstField = false;
    if (!t) return;
    label->setCaption(*t);
  }
  auto t = w.afterOne();
  if (!t) return;
  f20.GPSBeaconStatus.setCaption(*t);
  if (!(t = w.next())) return;
  f20.GPSBeaconSource.setCaption(*t);
  if (!(t = w.nextToStar())) return;
  f20.GPSBeaconMode.setCaption(*t);
}

}  // namespace devices
