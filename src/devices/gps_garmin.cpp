// Garmin's proprietary sentences: estimated error, fix data, map datum,
// aviation height with the terrain alert, sensor status, 3D velocity,
// altitude and DGPS beacon.

#include "app/app.h"
#include "devices/gps_decoder.h"
#include "devices/gps_fields.h"
#include "platform/numbers.h"
#include "screens/form20.h"
#include "settings/form13.h"
#include "shell/form1.h"

namespace devices {

namespace {

using gps::End;
using gps::lamp;
using gps::leading;
using gps::Show;
using screens::form20;
using Field = gps::Field<form20>;
namespace color = platform::color;

// $PGRME,15.0,M,45.0,M,25.0,M*1C
//   1-2 horizontal error  3-4 vertical error  5-6 position error
constexpr Field kPGRME[] = {{1, &form20::GPSHorizontalError}, {3, &form20::GPSVerticalError},
                            {5, &form20::GPSPositionError}};

// $PGRMF,290,293895,160305,093802,13,5213.1439,N,02100.6511,E,A,2,0,226,2,1*11
//   1 week  2 seconds of week  3 date (ddmmyy)  4 time (hhmmss)  5 leap seconds
//   6-7 latitude  8-9 longitude  10 mode  11 fix type (0 none, 1 2D, 2 3D)
//   12 speed (knots)  13 course  14 position dilution  15 time dilution (one
//   digit, read up to the checksum)
constexpr Field kPGRMF[] = {
    {1, &form20::GPSWeekNumber},   {2, &form20::GPSSecondsNumber},   {3, &form20::GPSUTCDate},
    {4, &form20::GPSUTCTime},      {5, &form20::GPSLeapSecondCount}, {6, &form20::GPSLatitude},
    {7, &form20::GPSHemisphereNS}, {8, &form20::GPSLongitude},       {9, &form20::GPSHemisphereEW},
    {10, &form20::GPSMode},        {11, &form20::GPSFixType},        {12, &form20::GPSSpeed},
    {13, &form20::GPSCourse},      {14, &form20::GPSPDP},            leading(15, &form20::GPSTDP, 1)};

// $PGRMM,WGS 84*06
//   1 map datum name (may hold commas)
constexpr Field kPGRMM[] = {{1, &form20::GPSMapDatum, Show::AsReceived, End::Star}};

// $PGRMH,A,-2,0,-5,-3,150,270,275*3F
//   1 data status  2 vertical speed  3 VNAV profile error  4 vertical speed to
//   target  5 vertical speed to waypoint  6 height above terrain (feet)
//   7 desired track  8 course of the next leg (three characters, whatever
//   follows a shorter one)
constexpr Field kPGRMH[] = {
    {1, &form20::GPSDataStatus},        {2, &form20::GPSVerticalSpeed},       {3, &form20::GPSProfileError},
    {4, &form20::GPSVertSpeedToTarget}, {5, &form20::GPSVertSpeedToWayPoint}, {6, &form20::GPSEstAGL},
    {7, &form20::GPSDesiredTrack},      leading(8, &form20::GPSNextTrack, 3)};

// $PGRMT,MODEL 1.0,P,P,R,R,P,C,23,R*33
//   1 product and version  2 ROM checksum  3 receiver  4 stored data
//   5 real-time clock  6 oscillator drift  7 data collection
//   8 board temperature  9 configuration data
// Each test lamp is bright green when its field is the expected letter.
constexpr Field kPGRMT[] = {{1, &form20::GPS_Model},
                            lamp(2, &form20::LightROMChecksum, "P", color::Red),
                            lamp(3, &form20::LightReceiver, "P", color::Red),
                            lamp(4, &form20::LightStored, "R", color::Yellow),
                            lamp(5, &form20::LightClock, "R", color::Yellow),
                            lamp(6, &form20::LightOscDrift, "P", color::Red),
                            lamp(7, &form20::LightDataCollection, "C", color::Green),
                            {8, &form20::GPSSensorTemperature},
                            lamp(9, &form20::LightConfiguration, "R", color::Yellow, 1)};

// $PGRMV,2.3,-1.2,0.5*3A
//   1 east velocity  2 north velocity  3 up velocity (metres per second)
constexpr Field kPGRMV[] = {{1, &form20::GPSEastVelocity},
                            {2, &form20::GPSNorthVelocity},
                            {3, &form20::GPSUpVelocity, Show::AsReceived, End::Star}};

// $PGRMZ,1494,f,3*23
//   1-2 altitude (feet)  3 fix type (2 user altitude, 3 GPS altitude)
constexpr Field kPGRMZ[] = {{1, &form20::GPSAltitude},
                            {3, &form20::GPSAltitudeFixType, Show::AsReceived, End::Star}};

// $PGRMB,301.0,100,12,0,46,K,A,W,A*5A
//   1 beacon frequency  2 bit rate  3 SNR  4 data quality  5-6 distance
//   7 status  8 fix source  9 mode
constexpr Field kPGRMB[] = {
    {1, &form20::GPSBeaconFreq},        {2, &form20::GPSBeaconBitRate},  {3, &form20::GPSBeaconSNR},
    {4, &form20::GPSBeaconDataQuality}, {5, &form20::GPSBeaconDistance}, {7, &form20::GPSBeaconStatus},
    {8, &form20::GPSBeaconSource},      {9, &form20::GPSBeaconMode, Show::AsReceived, End::Star}};

}  // namespace

// Under the Garmin source the fix feeds the main window and the GPS screen.
void GpsDecoder::decodePGRMF() {
  static constexpr std::string_view kModes[] = {"NO FIX", "2D FIX", "3D FIX"};
  static constexpr platform::OleColor kLights[] = {color::Red, color::Yellow, color::BrightGreen};
  form20& f20 = app_.form20();
  if (!garminSentence().read(f20, kPGRMF) || !app_.GarminSource) return;
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

// The terrain alert latches: a later height above the limit leaves it on;
// only a limit of 0 (or none) clears it here.
void GpsDecoder::decodePGRMH() {
  form20& f20 = app_.form20();
  if (!garminSentence().read(f20, kPGRMH)) return;
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
  if (garminSentence().read(f20, kPGRMZ) && app_.GarminSource)
    app_.GPSAltitudeText = platform::numberText(platform::readNumber(f20.GPSAltitude.caption()) / 3.2808);
}

void GpsDecoder::decodePGRME() { garminSentence().read(app_.form20(), kPGRME); }
void GpsDecoder::decodePGRMM() { garminSentence().read(app_.form20(), kPGRMM); }
void GpsDecoder::decodePGRMT() { garminSentence().read(app_.form20(), kPGRMT); }
void GpsDecoder::decodePGRMV() { garminSentence().read(app_.form20(), kPGRMV); }
void GpsDecoder::decodePGRMB() { garminSentence().read(app_.form20(), kPGRMB); }

}  // namespace devices
