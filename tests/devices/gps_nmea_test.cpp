// The GPS decoder's dispatch, the standard sentences and the readouts common
// to every line.

#include <string>
#include <string_view>
#include <vector>

#include "devices/devices.h"
#include "devices/gps_decoder.h"
#include "screens/form21.h"
#include "screens/form9.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "support/test_platform.h"

namespace {

constexpr std::string_view kGGA = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
constexpr std::string_view kRMC = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";
constexpr std::string_view kVTG = "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48";
constexpr std::string_view kBOD = "$GPBOD,099.3,T,105.6,M,POINTB,POINTA*45";

class GpsNmeaTest : public testsupport::AppTest {
 protected:
  void SetUp() override {
    app->NMEASource = true;
    app->GarminSource = false;
    // As after start-up: every link and sentence counter stale.
    app->SourceDataAge.fill(10);
    app->SentenceDataAge.fill(10);
  }
  void feed(std::string_view line) {
    app->GPSLine = line;
    app->devices().gps().ParseGPSSentence();
  }
  shell::Form1& f1() { return app->form1(); }
  screens::Form9& f9() { return app->form9(); }
  screens::form21& f21() { return app->form21(); }
};

TEST_F(GpsNmeaTest, FixDataFillsSentenceScreenAndMainReadouts) {
  feed(kGGA);

  EXPECT_EQ(f21().GPGGAFixTime.caption(), "1235:19");
  EXPECT_EQ(f21().GPGGALatitude.caption(), "N 48:07.0380");
  EXPECT_EQ(f21().GPGGALongitude.caption(), "E 011:31.0000");
  EXPECT_EQ(f21().GPGGAFixType.caption(), "1");
  EXPECT_EQ(f21().GPGGASatelliteTracked.caption(), "8");  // "08" by "#0"
  EXPECT_EQ(f21().GPGGAHorizonDilution.caption(), "0.9");
  EXPECT_EQ(f21().GPGGAAltitude.caption(), "545.4");
  EXPECT_EQ(f21().GPGGAGeoidHeight.caption(), "46.9");

  EXPECT_EQ(f1().DataLatitude.caption(), "N 48:07.0380");
  EXPECT_EQ(f9().DataLatitude.caption(), "N 48:07.0380");
  EXPECT_EQ(f1().DataLongitude.caption(), "E 011:31.0000");
  EXPECT_EQ(f9().DataLongitude.caption(), "E 011:31.0000");
  EXPECT_EQ(f1().GPSFixMode.caption(), "SPS MODE");
  EXPECT_EQ(f9().GPSFixMode.caption(), "SPS MODE");
  EXPECT_EQ(f1().GPSSatsUsed.caption(), "8");
  EXPECT_EQ(f9().GPSSatsUsed.caption(), "8");
  EXPECT_EQ(app->GPSAltitudeText, "545.4");
  // Knots and feet: 545.4 m x 3.2808 = 1,789.34832 ft.
  EXPECT_EQ(f1().GPSDataAltitude.caption(), "1,789");
  EXPECT_EQ(f9().AltitudeLabel.unitsText(), " Ft");

  EXPECT_EQ(app->SentenceDataAge[kGPGGA], 8);
  EXPECT_EQ(app->SourceDataAge[kGPS], 8);
}

TEST_F(GpsNmeaTest, FixQualityNamesTheFixMode) {
  struct Case {
    const char* quality;
    const char* mode;
  };
  // "0" NOT VALID ... "3" PPS MODE; any other text leaves the readout alone.
  const Case cases[] = {{"0", "NOT VALID"}, {"1", "SPS MODE"}, {"2", "DIFF SPS"},
                        {"3", "PPS MODE"},  {"6", "PPS MODE"}, {"", "PPS MODE"}};
  for (const Case& c : cases) {
    feed(std::string("$GPGGA,123519,4807.038,N,01131.000,E,") + c.quality + ",08,0.9,545.4,M,46.9,M,,*47");
    EXPECT_EQ(f21().GPGGAFixType.caption(), c.quality);
    EXPECT_EQ(f1().GPSFixMode.caption(), c.mode) << "quality " << c.quality;
    EXPECT_EQ(f9().GPSFixMode.caption(), c.mode) << "quality " << c.quality;
  }
}

TEST_F(GpsNmeaTest, RecommendedMinimumGivesTimeDateSpeedTrackAndFixLight) {
  feed(kRMC);

  EXPECT_EQ(f21().GPRMCFixTime.caption(), "1235:19");
  EXPECT_EQ(f21().GPRMCStatus.caption(), "A");
  EXPECT_EQ(f21().GPRMCLatitude.caption(), "N 48:07.0380");
  EXPECT_EQ(f21().GPRMCLongitude.caption(), "E 011:31.0000");
  EXPECT_EQ(f21().GPRMCSpeed.caption(), "022.4");
  EXPECT_EQ(f21().GPRMCTrack.caption(), "084.4");
  EXPECT_EQ(f21().GPRMCFixDate.caption(), "23/03/94");
  EXPECT_EQ(f21().GPRMCMagVariation.caption(), "003.1");

  EXPECT_EQ(app->GPSStatusText, "A");
  EXPECT_EQ(app->GPSHour, "12");
  EXPECT_EQ(app->GPSMinute, "35");
  EXPECT_EQ(app->GPSSecond, "19");
  EXPECT_EQ(app->GPSDay, "23");
  EXPECT_EQ(app->GPSMonth, "03");
  EXPECT_EQ(app->GPSYear, "94");
  EXPECT_EQ(f1().GPSTime.caption(), "1235:19");
  EXPECT_EQ(f1().GPSTime.toolTip(), "NEMA-0183 Time > 03-23-94  12:35:19");
  EXPECT_EQ(app->GPSSpeedText, "022.4");
  EXPECT_EQ(app->GPSTrackText, "084.4");

  EXPECT_EQ(f1().GPSDataHeading.caption(), "84");
  EXPECT_DOUBLE_EQ(f9().HeadingGuage.value(), 84.4);
  EXPECT_DOUBLE_EQ(f9().HeadingLabel.value(), 84.4);
  EXPECT_EQ(f9().HeadingLabel.unitsText(), " Deg");
  EXPECT_EQ(f1().GPSTrackingLight.fillColor(), 65280u);
  EXPECT_EQ(f9().GPSTrackingLight.fillColor(), 65280u);
  EXPECT_EQ(app->SentenceDataAge[kGPRMC], 8);
}

TEST_F(GpsNmeaTest, TimeIsCutByCharactersNotParsed) {
  feed("$GPRMC,123519.00,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A");
  EXPECT_EQ(f21().GPRMCFixTime.caption(), "1235:00");
  EXPECT_EQ(app->GPSHour, "12");
  EXPECT_EQ(app->GPSMinute, "35");
  EXPECT_EQ(app->GPSSecond, "19");
  EXPECT_EQ(f1().GPSTime.toolTip(), "NEMA-0183 Time > 03-23-94  12:35:19");
}

// Speed 22.4 knots and altitude 545.4 m in the four unit sets:
//   km/h  22.4 x 1.8519983985184  = 41.4848 -> "41.5";  545.4 m -> "545"
//   m/s   22.4 x 0.514444         = 11.5235 -> "11.5";  "545"
//   knots 22.4                              -> "22.4";  545.4 x 3.2808 = 1,789.35 ft -> "1,789"
//   mph   22.4 x 1.15077845382964 = 25.7774 -> "25.8";  "1,789"
TEST_F(GpsNmeaTest, SpeedAndAltitudeInEachUnitSet) {
  struct Case {
    platform::OptionButton settings::Form2::*option;
    const char* speed;
    double speedValue;
    const char* speedUnits;
    const char* altitude;
    double altitudeValue;
    const char* altitudeUnits;
  };
  const Case cases[] = {
      {&settings::Form2::UnitKiloMeters, "41.5", 22.4 * 1.8519983985184, " k/hr", "545", 545.4, " M"},
      {&settings::Form2::UnitsMeter, "11.5", 22.4 * 0.514444, " m/sec", "545", 545.4, " M"},
      {&settings::Form2::UnitsKnots, "22.4", 22.4, " Kts", "1,789", 545.4 * 3.2808, " Ft"},
      {&settings::Form2::UnitMiles, "25.8", 22.4 * 1.15077845382964, " MPH", "1,789", 545.4 * 3.2808, " Ft"},
  };
  for (const Case& c : cases) {
    (app->form2().*c.option).setValue(true);
    feed(kGGA);
    feed(kRMC);
    SCOPED_TRACE(c.speedUnits);
    EXPECT_EQ(f1().GPSDataAirspeed.caption(), c.speed);
    EXPECT_DOUBLE_EQ(f9().AirspeedGuage.value(), c.speedValue);
    EXPECT_DOUBLE_EQ(f9().AirspeedLabel.value(), c.speedValue);
    EXPECT_EQ(f9().AirspeedLabel.unitsText(), c.speedUnits);
    EXPECT_EQ(f1().GPSDataAltitude.caption(), c.altitude);
    EXPECT_DOUBLE_EQ(f9().AltitudeGuage.value(), c.altitudeValue);
    EXPECT_DOUBLE_EQ(f9().AltitudeLabel.value(), c.altitudeValue);
    EXPECT_EQ(f9().AltitudeLabel.unitsText(), c.altitudeUnits);
  }
}

TEST_F(GpsNmeaTest, GarminSourceFillsOnlyTheSentenceScreen) {
  app->NMEASource = false;
  app->GarminSource = true;
  app->GPSTrackText = "100";
  const auto light = f1().GPSTrackingLight.fillColor();

  feed(kRMC);
  feed(kGGA);

  EXPECT_EQ(f21().GPRMCFixDate.caption(), "23/03/94");
  EXPECT_EQ(f21().GPGGALatitude.caption(), "N 48:07.0380");
  EXPECT_EQ(app->GPSStatusText, "");
  EXPECT_EQ(app->GPSHour, "");
  EXPECT_EQ(app->GPSDay, "");
  EXPECT_EQ(app->GPSSpeedText, "");
  EXPECT_EQ(app->GPSAltitudeText, "");
  EXPECT_EQ(f1().GPSTime.caption(), "");
  EXPECT_EQ(f1().GPSTime.toolTip(), "");
  EXPECT_EQ(f1().DataLatitude.caption(), "");
  EXPECT_EQ(f1().GPSFixMode.caption(), "");
  EXPECT_EQ(f1().GPSTrackingLight.fillColor(), light);
  // The heading keeps the track of the last fix decoded under the NMEA source.
  EXPECT_EQ(app->GPSTrackText, "100");
  EXPECT_EQ(f1().GPSDataHeading.caption(), "100");
  // The counters fall whatever the source.
  EXPECT_EQ(app->SentenceDataAge[kGPRMC], 8);
  EXPECT_EQ(app->SentenceDataAge[kGPGGA], 8);
}

TEST_F(GpsNmeaTest, WarningStatusKeepsFixLightsRedUntilValid) {
  feed("$GPRMC,123519,V,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A");
  EXPECT_EQ(f1().GPSTrackingLight.fillColor(), 255u);
  EXPECT_EQ(f9().GPSTrackingLight.fillColor(), 255u);
  feed(kGGA);
  feed("$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39");
  EXPECT_EQ(f1().GPSTrackingLight.fillColor(), 255u);
  EXPECT_EQ(f9().GPSTrackingLight.fillColor(), 255u);
  feed(kRMC);
  EXPECT_EQ(f1().GPSTrackingLight.fillColor(), 65280u);
  EXPECT_EQ(f9().GPSTrackingLight.fillColor(), 65280u);
}

TEST_F(GpsNmeaTest, TrackAndGroundSpeedFillFrameAndGateMagneticHeading) {
  feed(kVTG);
  EXPECT_EQ(f21().GPVTG_TrueTrack.caption(), "054.7");
  EXPECT_EQ(f21().GPVTG_MagneticTrack.caption(), "034.4");
  EXPECT_EQ(f21().GPVTG_SpeedKnots.caption(), "005.5");
  EXPECT_EQ(f21().GPVTG_SpeedKPH.caption(), "010.2");
  // From a stale 10 the counter is 8: not yet below 2, no magnetic heading.
  EXPECT_EQ(app->SentenceDataAge[kGPVTG], 8);
  EXPECT_EQ(f1().GPSDataHeadingMag.caption(), "");

  // 3 -> 1 after this sentence: shown at its own tail.
  app->SentenceDataAge[kGPVTG] = 3;
  feed(kVTG);
  EXPECT_EQ(f1().GPSDataHeadingMag.caption(), "34");

  // Once the counter has aged to 2 the readout is left as it stood.
  app->SentenceDataAge[kGPVTG] = 2;
  feed("$GPVTG,054.7,T,200.0,M,005.5,N,010.2,K*48");
  EXPECT_EQ(app->SentenceDataAge[kGPVTG], 0);
  EXPECT_EQ(f1().GPSDataHeadingMag.caption(), "200");
  app->SentenceDataAge[kGPVTG] = 2;
  f21().GPVTG_MagneticTrack.setCaption("300");
  feed("$GPXXX");
  EXPECT_EQ(f1().GPSDataHeadingMag.caption(), "200");
}

TEST_F(GpsNmeaTest, BearingSentenceShowsBothWaypointsInOrder) {
  app->SentenceDataAge[kGPBOD] = 0;  // start-up leaves this one at 0
  feed(kBOD);
  EXPECT_EQ(f21().GPBODTrue.caption(), "099.3");
  EXPECT_EQ(f21().GPBODMagnetic.caption(), "105.6");
  EXPECT_EQ(f21().GPBODStartWaypoint.caption(), "POINTB");
  // The last field ends at the checksum.
  EXPECT_EQ(f21().GPBODDestWaypoint.caption(), "POINTA");
  EXPECT_EQ(app->SentenceDataAge[kGPBOD], -2);
}

TEST_F(GpsNmeaTest, EachSentenceLowersOnlyItsOwnCounter) {
  struct Case {
    std::string_view line;
    std::size_t counter;
  };
  const Case cases[] = {
      {kGGA, kGPGGA}, {kRMC, kGPRMC}, {kVTG, kGPVTG}, {kBOD, kGPBOD}, {"$GPGSV,1,1,00*79", kGPGSV}};
  for (const Case& c : cases) {
    app->SentenceDataAge.fill(10);
    feed(c.line);
    for (std::size_t k = 0; k < kSentenceKinds; ++k)
      EXPECT_EQ(app->SentenceDataAge[k], k == c.counter ? 8 : 10) << c.line << " counter " << k;
  }
}

TEST_F(GpsNmeaTest, AnyLineRunsTheCommonReadoutsAndLowersTheLinkAge) {
  app->GPSTrackText = "271.6";
  app->GPSSpeedText = "100";
  app->GPSAltitudeText = "1000";
  const std::vector<std::string> lines = {"", "$GP", "$GPGSA,A,3,,,,,,,,,,,,,2.5,1.3,2.1*39", "garbage"};
  std::int16_t age = 10;
  for (const std::string& line : lines) {
    f1().GPSDataHeading.setCaption("x");
    feed(line);
    age -= 2;
    EXPECT_EQ(app->SourceDataAge[kGPS], age) << line;
    EXPECT_EQ(f1().GPSDataHeading.caption(), "272") << line;
    EXPECT_EQ(f1().GPSDataAirspeed.caption(), "100.0") << line;
    EXPECT_EQ(f1().GPSDataAltitude.caption(), "3,281") << line;  // 3,280.8 ft
  }
  for (std::size_t k = 0; k < kSentenceKinds; ++k) EXPECT_EQ(app->SentenceDataAge[k], 10);
}

TEST_F(GpsNmeaTest, LinkAndSentenceAgesNeverPassTheSixteenBitRange) {
  app->SourceDataAge[kGPS] = -32767;
  app->SentenceDataAge[kGPGGA] = -32767;
  feed(kGGA);
  feed(kGGA);
  EXPECT_EQ(app->SourceDataAge[kGPS], -32768);
  EXPECT_EQ(app->SentenceDataAge[kGPGGA], -32768);
  EXPECT_EQ(f21().GPGGAFixTime.caption(), "1235:19");
}

}  // namespace
