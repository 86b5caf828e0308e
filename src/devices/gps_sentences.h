#pragma once
// The sentences of the GPS decoder, each as the table of the fields it reads
// (gps_fields.h says how a table is read). A sentence whose table is all it
// does is dispatched to readFields; the others have steps of their own after
// their table (gps_decoder.cpp, and gps_satellites.cpp for $GPGSV).

#include <type_traits>

#include "devices/gps_decoder.h"
#include "devices/gps_fields.h"
#include "platform/vb.h"
#include "screens/form20.h"
#include "screens/form21.h"

namespace devices {

namespace gps {

using screens::form20;
using screens::form21;
namespace color = platform::color;

// ---- Standard sentences

// $GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47
//   1 UTC time  2-3 latitude  4-5 longitude  6 fix quality  7 satellites
//   8 horizontal dilution  9-10 altitude (metres)  11-12 geoid height
inline constexpr Field<form21> kFieldsGPGGA[] = {
    {1, &form21::GPGGAFixTime, Show::FixTime},
    {2, &form21::GPGGALatitude, Show::Position, &Memos::ggaLatitude},
    {4, &form21::GPGGALongitude, Show::Position, &Memos::ggaLongitude},
    {6, &form21::GPGGAFixType},
    {7, &form21::GPGGASatelliteTracked, Show::Pattern, &Memos::ggaSatellites},
    {8, &form21::GPGGAHorizonDilution, Show::Pattern, &Memos::ggaDilution},
    {9, &form21::GPGGAAltitude, Show::Pattern, &Memos::ggaAltitude},
    {11, &form21::GPGGAGeoidHeight, Show::Pattern, &Memos::ggaGeoid}};

// $GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A
//   1 UTC time  2 status (A valid, V warning)  3-4 latitude  5-6 longitude
//   7 speed (knots)  8 track (degrees true)  9 date (ddmmyy)  10-11 variation
// Only the variation's value is read, not its E/W field.
inline constexpr Field<form21> kFieldsGPRMC[] = {
    {1, &form21::GPRMCFixTime, Show::FixTime},
    {.number = 2, .label = &form21::GPRMCStatus, .fed = &SharedState::GPSStatusText},
    {3, &form21::GPRMCLatitude, Show::Position, &Memos::rmcLatitude},
    {5, &form21::GPRMCLongitude, Show::Position, &Memos::rmcLongitude},
    {7, &form21::GPRMCSpeed},
    {8, &form21::GPRMCTrack},
    {9, &form21::GPRMCFixDate, Show::Date},
    {10, &form21::GPRMCMagVariation}};

// $GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48
//   1-2 true track  3-4 magnetic track  5-6 speed (knots)  7-8 speed (km/h)
// Each value is shown as received; the magnetic heading readout reads the
// magnetic track back from its label.
inline constexpr Field<form21> kFieldsGPVTG[] = {{1, &form21::GPVTG_TrueTrack},
                                                 {3, &form21::GPVTG_MagneticTrack},
                                                 {5, &form21::GPVTG_SpeedKnots},
                                                 {7, &form21::GPVTG_SpeedKPH}};

// $GPBOD,099.3,T,105.6,M,POINTB,POINTA*45
//   1-2 bearing true  3-4 bearing magnetic  5 and 6 the two waypoints
// Field 5 is shown as the start waypoint and field 6 as the destination.
inline constexpr Field<form21> kFieldsGPBOD[] = {
    {1, &form21::GPBODTrue},
    {3, &form21::GPBODMagnetic},
    {5, &form21::GPBODStartWaypoint},
    {.number = 6, .label = &form21::GPBODDestWaypoint, .end = End::CommaOrStar}};

// $GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75
//   1 sentences in the cycle  2 this sentence's number  3 satellites in view
//   then up to four blocks: satellite number, elevation, azimuth, SNR (dB,
//   empty while not tracked); a receiver that sees no satellite sends no
//   blocks, and the count of satellites in view is then the last field.
inline constexpr Field<form21> kFieldsGPGSV[] = {
    {1, &form21::GPGSVSentenances, Show::SignedCount},
    {2},
    {.number = 3, .label = &form21::GPGSVNumberSatellites, .end = End::CommaOrStar}};

// ---- Garmin sentences

// $PGRME,15.0,M,45.0,M,25.0,M*1C
//   1-2 horizontal error  3-4 vertical error  5-6 position error
inline constexpr Field<form20> kFieldsPGRME[] = {
    {1, &form20::GPSHorizontalError}, {3, &form20::GPSVerticalError}, {5, &form20::GPSPositionError}};

// $PGRMF,290,293895,160305,093802,13,5213.1439,N,02100.6511,E,A,2,0,226,2,1*11
//   1 week  2 seconds of week  3 date (ddmmyy)  4 time (hhmmss)  5 leap seconds
//   6-7 latitude  8-9 longitude  10 mode  11 fix type (0 none, 1 2D, 2 3D)
//   12 speed (knots)  13 course  14 position dilution  15 time dilution (one
//   digit, read up to the checksum)
inline constexpr Field<form20> kFieldsPGRMF[] = {
    {1, &form20::GPSWeekNumber},      {2, &form20::GPSSecondsNumber},
    {3, &form20::GPSUTCDate},         {4, &form20::GPSUTCTime},
    {5, &form20::GPSLeapSecondCount}, {6, &form20::GPSLatitude},
    {7, &form20::GPSHemisphereNS},    {8, &form20::GPSLongitude},
    {9, &form20::GPSHemisphereEW},    {10, &form20::GPSMode},
    {11, &form20::GPSFixType},        {12, &form20::GPSSpeed},
    {13, &form20::GPSCourse},         {14, &form20::GPSPDP},
    leading(15, &form20::GPSTDP, 1)};

// $PGRMM,WGS 84*06
//   1 map datum name (may hold commas)
inline constexpr Field<form20> kFieldsPGRMM[] = {
    {.number = 1, .label = &form20::GPSMapDatum, .end = End::Star}};

// $PGRMH,A,-2,0,-5,-3,150,270,275*3F
//   1 data status  2 vertical speed  3 VNAV profile error  4 vertical speed to
//   target  5 vertical speed to waypoint  6 height above terrain (feet)
//   7 desired track  8 course of the next leg (three characters, whatever
//   follows a shorter one)
inline constexpr Field<form20> kFieldsPGRMH[] = {
    {1, &form20::GPSDataStatus},        {2, &form20::GPSVerticalSpeed},       {3, &form20::GPSProfileError},
    {4, &form20::GPSVertSpeedToTarget}, {5, &form20::GPSVertSpeedToWayPoint}, {6, &form20::GPSEstAGL},
    {7, &form20::GPSDesiredTrack},      leading(8, &form20::GPSNextTrack, 3)};

// $PGRMT,MODEL 1.0,P,P,R,R,P,C,23,R*33
//   1 product and version  2 ROM checksum  3 receiver  4 stored data
//   5 real-time clock  6 oscillator drift  7 data collection
//   8 board temperature  9 configuration data
// Each test lamp is bright green when its field is the expected letter.
inline constexpr Field<form20> kFieldsPGRMT[] = {{1, &form20::GPS_Model},
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
inline constexpr Field<form20> kFieldsPGRMV[] = {
    {1, &form20::GPSEastVelocity},
    {2, &form20::GPSNorthVelocity},
    {.number = 3, .label = &form20::GPSUpVelocity, .end = End::Star}};

// $PGRMZ,1494,f,3*23
//   1-2 altitude (feet)  3 fix type (2 user altitude, 3 GPS altitude)
inline constexpr Field<form20> kFieldsPGRMZ[] = {
    {1, &form20::GPSAltitude}, {.number = 3, .label = &form20::GPSAltitudeFixType, .end = End::Star}};

// $PGRMB,301.0,100,12,0,46,K,A,W,A*5A
//   1 beacon frequency  2 bit rate  3 SNR  4 data quality  5-6 distance
//   7 status  8 fix source  9 mode
inline constexpr Field<form20> kFieldsPGRMB[] = {
    {1, &form20::GPSBeaconFreq},     {2, &form20::GPSBeaconBitRate},
    {3, &form20::GPSBeaconSNR},      {4, &form20::GPSBeaconDataQuality},
    {5, &form20::GPSBeaconDistance}, {7, &form20::GPSBeaconStatus},
    {8, &form20::GPSBeaconSource},   {.number = 9, .label = &form20::GPSBeaconMode, .end = End::Star}};

}  // namespace gps

// The standard sentences feed the main window only under the NMEA source, the
// Garmin ones only under the Garmin source.
template <typename S>
S& GpsDecoder::screen() {
  if constexpr (std::is_same_v<S, screens::form21>)
    return app_.form21();
  else
    return app_.form20();
}

template <typename S>
gps::Sentence GpsDecoder::sentence() {
  const platform::VbBool& source = std::is_same_v<S, screens::form21> ? app_.NMEASource : app_.GarminSource;
  return gps::Sentence(app_.GPSLine, *memo_, app_, static_cast<bool>(source));
}

template <const auto& kFields>
void GpsDecoder::readFields() {
  using S = typename std::remove_cvref_t<decltype(kFields[0])>::Screen;
  sentence<S>().template read<kFields>(screen<S>());
}

}  // namespace devices
