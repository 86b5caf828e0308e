#include "screens/form20.h"

#include "screens/data_screen_layout.h"

namespace screens {

namespace {

using layout::fieldRows;
using layout::sentenceFrameHeight;

// Three columns of sentence frames; every column ends at the same bottom.
constexpr int kColA = 120, kColB = 4080, kColC = 8040;
constexpr int kBottom = 6120;

}  // namespace

form20::form20(platform::Scheduler& /*scheduler*/) : platform::Screen("form20", "GPS GARMIN SENTENCE") {
  setSize(12000, 6855);
  constexpr int w = layout::kSentenceFrameWidth;

  // Column A: fix data, map datum.
  layout::frame(Frame1, "$PGRMP -  Fix Data Sentance", kColA, 120, w, sentenceFrameHeight(15));
  fieldRows(Frame1, {
                        {&Label1, "UTC Time", &GPSUTCTime, "UTC time of the fix hhmmss"},
                        {&Label2, "UTC Date", &GPSUTCDate, "UTC date of the fix ddmmyy"},
                        {&Label3, "Latitude", &GPSLatitude, "Latitude ddmm.mmmm"},
                        {&Label4, "N / S", &GPSHemisphereNS, "Latitude hemisphere N or S"},
                        {&Label5, "Longitude", &GPSLongitude, "Longitude dddmm.mmmm"},
                        {&Label6, "E / W", &GPSHemisphereEW, "Longitude hemisphere E or W"},
                        {&Label7, "Mode", &GPSMode, "Mode  A = Automatic  M = Manual"},
                        {&Label8, "Fix Type", &GPSFixType, "Fix type  0 = No fix  1 = 2D fix  2 = 3D fix"},
                        {&Label9, "Ground Speed", &GPSSpeed, "Ground speed in knots"},
                        {&Label10, "Course", &GPSCourse, "Course over ground, degrees true"},
                        {&Label11, "Position Dilution", &GPSPDP, "Position dilution of precision 0 to 9"},
                        {&Label12, "Time Dilution", &GPSTDP, "Time dilution of precision 0 to 9"},
                        {&Label13, "GPS Week", &GPSWeekNumber, "GPS week number 0 to 1023"},
                        {&Label14, "GPS Seconds", &GPSSecondsNumber, "GPS seconds in the week 0 to 604799"},
                        {&Label15, "Leap Seconds", &GPSLeapSecondCount, "GPS leap second count"},
                    });
  layout::sentenceLight(ComOK_PGRMP, Frame1);

  constexpr int kDatumTop = 120 + sentenceFrameHeight(15) + 120;
  layout::frame(Frame6, "$PGRMM - Map Datum", kColA, kDatumTop, w, kBottom - kDatumTop);
  fieldRows(Frame6, {{&Label32, "Map Datum", &GPSMapDatum, "Map datum in use"}});
  layout::sentenceLight(ComOK_PGRMM, Frame6);

  // Column B: aviation height, DGPS beacon.
  layout::frame(Frame5, "$PGRMH - Aviation Height and VNAV Data", kColB, 120, w, sentenceFrameHeight(8));
  fieldRows(Frame5, {
                        {&Label24, "Data Status", &GPSDataStatus, "Data status  A = Valid  V = Unstable"},
                        {&Label25, "Vertical Speed", &GPSVerticalSpeed, "Vertical speed in feet per minute"},
                        {&Label26, "VS to Waypoint", &GPSVertSpeedToWayPoint,
                         "Vertical speed to the next waypoint, feet per minute"},
                        {&Label27, "VS to Target", &GPSVertSpeedToTarget,
                         "Vertical speed to the VNAV target, feet per minute"},
                        {&Label28, "Profile Error", &GPSProfileError, "Vertical profile error"},
                        {&Label29, "Height AGL", &GPSEstAGL, "Estimated height above terrain"},
                        {&Label30, "Desired Track", &GPSDesiredTrack, "Desired track, degrees true"},
                        {&Label31, "Next Track", &GPSNextTrack, "Track of the next leg, degrees true"},
                    });
  layout::sentenceLight(ComOK_PGRMH, Frame5);

  constexpr int kBeaconTop = 120 + sentenceFrameHeight(8) + 120;
  layout::frame(Frame7, "$PGRMB - DGPS Beacon Information", kColB, kBeaconTop, w, kBottom - kBeaconTop);
  fieldRows(Frame7, {
                        {&Label33, "Beacon Freq", &GPSBeaconFreq, "Beacon tune frequency kHz"},
                        {&Label34, "Bit Rate", &GPSBeaconBitRate, "Beacon bit rate"},
                        {&Label35, "Beacon SNR", &GPSBeaconSNR, "Beacon signal to noise ratio"},
                        {&Label36, "Distance (km)", &GPSBeaconDistance, "Distance to the beacon in km"},
                        {&Label37, "Status", &GPSBeaconStatus,
                         "0 = Check wiring  1 = No signal  2 = Tuning  3 = Receiving  4 = Scan"},
                        {&Label38, "DGPS Source", &GPSBeaconSource, "R = RTCM  W = WAAS  N = Non-DGPS fix"},
                        {&Label39, "Data Quality", &GPSBeaconDataQuality, "Beacon data quality 0 to 100"},
                        {&Label40, "DGPS Mode", &GPSBeaconMode,
                         "A = Automatic  W = WAAS only  R = RTCM only  N = None"},
                    });
  layout::sentenceLight(ComOK_PGRMB, Frame7);

  // Column C: estimated error, altitude, 3D velocity, sensor status.
  int top = 120;
  layout::frame(Frame2, "$PGRME - Estimated Error Information", kColC, top, w, sentenceFrameHeight(3));
  fieldRows(
      Frame2,
      {
          {&Label16, "Horizontal Error", &GPSHorizontalError,
           "Estimated horizontal position error 0.0 to 999.9 m"},
          {&Label17, "Vertical Error", &GPSVerticalError, "Estimated vertical position error 0.0 to 999.9 m"},
          {&Label18, "Position Error", &GPSPositionError, "Estimated position error 0.0 to 999.9 m"},
      });
  layout::sentenceLight(ComOK_PGRME, Frame2);

  top += sentenceFrameHeight(3) + 120;
  layout::frame(Frame3, "$PGRMZ - Altitude Data", kColC, top, w, sentenceFrameHeight(2));
  fieldRows(Frame3, {
                        {&Label19, "Altitude (Feet)", &GPSAltitude, "Altitude in feet"},
                        {&Label20, "Fix Type", &GPSAltitudeFixType,
                         "Fix dimensions  2 = user altitude  3 = GPS altitude"},
                    });
  layout::sentenceLight(ComOK_PGRMZ, Frame3);

  top += sentenceFrameHeight(2) + 120;
  layout::frame(Frame4, "$PGRMV - 3D Velocity Information", kColC, top, w, sentenceFrameHeight(3));
  fieldRows(Frame4, {
                        {&Label21, "East Velocity", &GPSEastVelocity, "True east velocity m/s"},
                        {&Label22, "North Velocity", &GPSNorthVelocity, "True north velocity m/s"},
                        {&Label23, "Up Velocity", &GPSUpVelocity, "Up velocity m/s"},
                    });
  layout::sentenceLight(ComOK_PGRMV, Frame4);

  // Sensor status: model and temperature rows, then the lamps two by two.
  // The sentence has no activity light.
  top += sentenceFrameHeight(3) + 120;
  layout::frame(Frame8, "$PGRMT - Sensor Status Information", kColC, top, w, kBottom - top);
  fieldRows(Frame8, {
                        {&Label41, "Model", &GPS_Model, "GPS model and software version"},
                        {&Label42, "Temperature", &GPSSensorTemperature, "Sensor temperature in degrees C"},
                    });
  struct LampRow {
    platform::Shape* lamp;
    platform::Label* caption;
    const char* text;
  };
  const LampRow lamps[] = {
      {&LightROMChecksum, &Label43, "ROM Checksum"},    {&LightReceiver, &Label44, "Receiver"},
      {&LightStored, &Label45, "Stored Data"},          {&LightClock, &Label46, "Clock"},
      {&LightOscDrift, &Label47, "Osc Drift"},          {&LightDataCollection, &Label48, "Data Collection"},
      {&LightConfiguration, &Label49, "Configuration"},
  };
  for (int i = 0; i < 7; ++i) {
    const int rowTop = layout::rowTop(2 + i / 2);
    const int left = i % 2 == 0 ? 120 : 1980;
    layout::fillLamp(*lamps[i].lamp, Frame8, left, rowTop + 30, platform::color::Green);
    layout::heading(*lamps[i].caption, Frame8, lamps[i].text, left + 255, rowTop + 15, 1500,
                    platform::Alignment::Left);
  }

  layout::button(Command1, "GPS NMEA-0183", "", 6000, kBottom + 120, 1920);
  layout::button(ShowGPSInstrumentsScreen, "GPS INSTRUMENTS", "", 8040, kBottom + 120, 1920);
  layout::button(ReturnButton, "RETURN", "Return to main unit", 10080, kBottom + 120, 1800);
}

}  // namespace screens
