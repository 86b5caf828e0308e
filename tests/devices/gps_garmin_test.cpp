// Garmin's proprietary sentences: the Garmin sentence screen, the main
// readouts under the Garmin source and the terrain alert.

#include <string>
#include <string_view>

#include "devices/devices.h"
#include "devices/gps_decoder.h"
#include "screens/form20.h"
#include "screens/form9.h"
#include "settings/form13.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "support/test_platform.h"

namespace {

constexpr std::string_view kFixSentence =
    "$PGRMF,290,293895,160305,093802,13,5213.1439,N,02100.6511,E,A,2,0,226,2,1*11";

class GpsGarminTest : public testsupport::AppTest {
 protected:
  void SetUp() override {
    app->NMEASource = false;
    app->GarminSource = true;
    app->SourceDataAge.fill(10);
    app->SentenceDataAge.fill(10);
  }
  void feed(std::string_view line) {
    app->GPSLine = line;
    app->devices().gps().ParseGPSSentence();
  }
  // $PGRMH with the given height above terrain.
  void heightAboveTerrain(const std::string& agl) { feed("$PGRMH,A,-2,0,-5,-3," + agl + ",270,275*3F"); }
  shell::Form1& f1() { return app->form1(); }
  screens::Form9& f9() { return app->form9(); }
  screens::form20& f20() { return app->form20(); }
  settings::form13& f13() { return app->form13(); }
};

TEST_F(GpsGarminTest, FixDataFillsGarminScreenAndMainReadouts) {
  feed(kFixSentence);

  const std::pair<platform::Label*, const char*> labels[] = {
      {&f20().GPSWeekNumber, "290"},
      {&f20().GPSSecondsNumber, "293895"},
      {&f20().GPSUTCDate, "160305"},
      {&f20().GPSUTCTime, "093802"},
      {&f20().GPSLeapSecondCount, "13"},
      {&f20().GPSLatitude, "5213.1439"},
      {&f20().GPSHemisphereNS, "N"},
      {&f20().GPSLongitude, "02100.6511"},
      {&f20().GPSHemisphereEW, "E"},
      {&f20().GPSMode, "A"},
      {&f20().GPSFixType, "2"},
      {&f20().GPSSpeed, "0"},
      {&f20().GPSCourse, "226"},
      {&f20().GPSPDP, "2"},
      {&f20().GPSTDP, "1"},
  };
  for (const auto& [label, caption] : labels) EXPECT_EQ(label->caption(), caption) << label->name();

  EXPECT_EQ(f1().DataLatitude.caption(), "N 52:13.1439");
  EXPECT_EQ(f9().DataLatitude.caption(), "N 52:13.1439");
  EXPECT_EQ(f1().DataLongitude.caption(), "E 021:00.6511");
  EXPECT_EQ(f9().DataLongitude.caption(), "E 021:00.6511");
  EXPECT_EQ(f1().GPSFixMode.caption(), "3D FIX");
  EXPECT_EQ(f9().GPSFixMode.caption(), "3D FIX");
  EXPECT_EQ(f1().GPSTrackingLight.fillColor(), 65280u);
  EXPECT_EQ(f9().GPSTrackingLight.fillColor(), 65280u);
  EXPECT_EQ(app->GPSSpeedText, "0");
  EXPECT_EQ(app->GPSHour, "09");
  EXPECT_EQ(app->GPSMinute, "38");
  EXPECT_EQ(app->GPSSecond, "02");
  EXPECT_EQ(app->GPSDay, "16");
  EXPECT_EQ(app->GPSMonth, "03");
  EXPECT_EQ(app->GPSYear, "05");
  EXPECT_EQ(app->devices().gps().GPSTimeText(), "0938:02");
  EXPECT_EQ(f1().GPSTime.caption(), "0938:02");
  EXPECT_EQ(f1().GPSTime.toolTip(), "Garmin Time > 03-16-05  09:38:02");
  EXPECT_EQ(app->SentenceDataAge[kPGRMF], 8);
}

TEST_F(GpsGarminTest, FixDataUnderNmeaSourceFillsOnlyGarminScreen) {
  app->NMEASource = true;
  app->GarminSource = false;
  feed(kFixSentence);
  EXPECT_EQ(f20().GPSUTCTime.caption(), "093802");
  EXPECT_EQ(f1().DataLatitude.caption(), "");
  EXPECT_EQ(f1().GPSFixMode.caption(), "");
  EXPECT_EQ(f1().GPSTime.caption(), "");
  EXPECT_EQ(f1().GPSTime.toolTip(), "");
  EXPECT_EQ(app->GPSHour, "");
  EXPECT_EQ(app->GPSSpeedText, "");
  EXPECT_EQ(app->SentenceDataAge[kPGRMF], 8);
}

TEST_F(GpsGarminTest, FixTypeSetsFixTextAndLights) {
  struct Case {
    const char* type;
    const char* text;
    platform::OleColor light;
  };
  // "3" is no fix type of the sentence: text and lights stay as the last one
  // left them.
  const Case cases[] = {{"0", "NO FIX", 255},   {"1", "2D FIX", 65535}, {"2", "3D FIX", 65280},
                        {"3", "3D FIX", 65280}, {"1", "2D FIX", 65535}, {"", "2D FIX", 65535}};
  for (const Case& c : cases) {
    feed(std::string("$PGRMF,290,293895,160305,093802,13,5213.1439,N,02100.6511,E,A,") + c.type +
         ",0,226,2,1*11");
    EXPECT_EQ(f1().GPSFixMode.caption(), c.text) << "type " << c.type;
    EXPECT_EQ(f9().GPSFixMode.caption(), c.text) << "type " << c.type;
    EXPECT_EQ(f1().GPSTrackingLight.fillColor(), c.light) << "type " << c.type;
    EXPECT_EQ(f9().GPSTrackingLight.fillColor(), c.light) << "type " << c.type;
  }
}

// 1494 ft / 3.2808 = 455.376737381127 m (15 digits); back in feet for the
// readout 455.376737381127 x 3.2808 = 1,494.0000 -> "1,494".
TEST_F(GpsGarminTest, AltitudeSentenceInEachUnitSet) {
  struct Case {
    platform::OptionButton settings::Form2::*option;
    const char* altitude;
    const char* units;
  };
  const Case cases[] = {{&settings::Form2::UnitKiloMeters, "455", " M"},
                        {&settings::Form2::UnitsMeter, "455", " M"},
                        {&settings::Form2::UnitsKnots, "1,494", " Ft"},
                        {&settings::Form2::UnitMiles, "1,494", " Ft"}};
  for (const Case& c : cases) {
    (app->form2().*c.option).setValue(true);
    feed("$PGRMZ,1494,f,3*23");
    EXPECT_EQ(f20().GPSAltitude.caption(), "1494");
    EXPECT_EQ(f20().GPSAltitudeFixType.caption(), "3");
    EXPECT_EQ(app->GPSAltitudeText, "455.376737381127");
    EXPECT_EQ(f1().GPSDataAltitude.caption(), c.altitude) << c.units;
    EXPECT_EQ(f9().AltitudeLabel.unitsText(), c.units);
  }
  EXPECT_EQ(app->SentenceDataAge[kPGRMZ], 2);
}

TEST_F(GpsGarminTest, AltitudeSentenceUnderNmeaSourceKeepsAltitudeText) {
  app->NMEASource = true;
  app->GarminSource = false;
  app->GPSAltitudeText = "545.4";
  feed("$PGRMZ,1494,f,3*23");
  EXPECT_EQ(f20().GPSAltitude.caption(), "1494");
  EXPECT_EQ(app->GPSAltitudeText, "545.4");
}

TEST_F(GpsGarminTest, TerrainAlertLatchesAndClearsOnlyWhenDisabled) {
  f13().TerrainAlertAltitude.setText("200");
  heightAboveTerrain("900");
  EXPECT_FALSE(app->TerrainAlert);
  EXPECT_EQ(f13().TerrainAlertIndicator.fillColor(), 32768u);

  heightAboveTerrain("150");
  EXPECT_EQ(f20().GPSEstAGL.caption(), "150");
  EXPECT_TRUE(app->TerrainAlert);
  EXPECT_EQ(f13().TerrainAlertIndicator.fillColor(), 255u);

  // Climbing back above the limit does not clear it.
  heightAboveTerrain("900");
  EXPECT_TRUE(app->TerrainAlert);
  EXPECT_EQ(f13().TerrainAlertIndicator.fillColor(), 255u);

  f13().TerrainAlertAltitude.setText("0");
  EXPECT_TRUE(app->TerrainAlert);  // until the next $PGRMH
  heightAboveTerrain("900");
  EXPECT_FALSE(app->TerrainAlert);
  EXPECT_EQ(f13().TerrainAlertIndicator.fillColor(), 32768u);

  // A height that is no number reads 0, below any positive limit; a limit
  // that is no number reads 0 and disables the alert.
  f13().TerrainAlertAltitude.setText("200");
  heightAboveTerrain("");
  EXPECT_TRUE(app->TerrainAlert);
  f13().TerrainAlertAltitude.setText("OFF");
  heightAboveTerrain("150");
  EXPECT_FALSE(app->TerrainAlert);
  EXPECT_EQ(app->SentenceDataAge[kPGRMH], -2);
}

TEST_F(GpsGarminTest, AviationHeightFillsItsFrame) {
  feed("$PGRMH,A,-2,0,-5,-3,150,270,275*3F");
  EXPECT_EQ(f20().GPSDataStatus.caption(), "A");
  EXPECT_EQ(f20().GPSVerticalSpeed.caption(), "-2");
  EXPECT_EQ(f20().GPSProfileError.caption(), "0");
  EXPECT_EQ(f20().GPSVertSpeedToTarget.caption(), "-5");
  EXPECT_EQ(f20().GPSVertSpeedToWayPoint.caption(), "-3");
  EXPECT_EQ(f20().GPSEstAGL.caption(), "150");
  EXPECT_EQ(f20().GPSDesiredTrack.caption(), "270");
  EXPECT_EQ(f20().GPSNextTrack.caption(), "275");
  // A shorter next course takes the checksum's first characters along.
  feed("$PGRMH,A,-2,0,-5,-3,150,270,5*3F");
  EXPECT_EQ(f20().GPSNextTrack.caption(), "5*3");
}

TEST_F(GpsGarminTest, SensorStatusLampColours) {
  feed("$PGRMT,MODEL 1.0,P,P,R,R,P,,23,R*33");
  EXPECT_EQ(f20().GPS_Model.caption(), "MODEL 1.0");
  EXPECT_EQ(f20().GPSSensorTemperature.caption(), "23");
  EXPECT_EQ(f20().LightROMChecksum.fillColor(), 65280u);
  EXPECT_EQ(f20().LightReceiver.fillColor(), 65280u);
  EXPECT_EQ(f20().LightStored.fillColor(), 65280u);
  EXPECT_EQ(f20().LightClock.fillColor(), 65280u);
  EXPECT_EQ(f20().LightOscDrift.fillColor(), 65280u);
  EXPECT_EQ(f20().LightDataCollection.fillColor(), 32768u);
  EXPECT_EQ(f20().LightConfiguration.fillColor(), 65280u);

  // Every field failed: each lamp shows its own failure colour.
  feed("$PGRMT,MODEL 2.0,F,F,L,L,F,C,40,L*33");
  EXPECT_EQ(f20().GPS_Model.caption(), "MODEL 2.0");
  EXPECT_EQ(f20().GPSSensorTemperature.caption(), "40");
  EXPECT_EQ(f20().LightROMChecksum.fillColor(), 255u);
  EXPECT_EQ(f20().LightReceiver.fillColor(), 255u);
  EXPECT_EQ(f20().LightStored.fillColor(), 65535u);
  EXPECT_EQ(f20().LightClock.fillColor(), 65535u);
  EXPECT_EQ(f20().LightOscDrift.fillColor(), 255u);
  EXPECT_EQ(f20().LightDataCollection.fillColor(), 65280u);
  EXPECT_EQ(f20().LightConfiguration.fillColor(), 65535u);

  // The comparison is exact: a lower-case letter is a failure.
  feed("$PGRMT,MODEL 2.0,p,P,R,R,P,C,40,R*33");
  EXPECT_EQ(f20().LightROMChecksum.fillColor(), 255u);

  // The sensor status has no activity counter.
  for (std::size_t k = 0; k < kSentenceKinds; ++k) EXPECT_EQ(app->SentenceDataAge[k], 10);
}

TEST_F(GpsGarminTest, ErrorVelocityDatumAndBeaconFillTheirFrames) {
  feed("$PGRME,15.0,M,45.0,M,25.0,M*1C");
  EXPECT_EQ(f20().GPSHorizontalError.caption(), "15.0");
  EXPECT_EQ(f20().GPSVerticalError.caption(), "45.0");
  EXPECT_EQ(f20().GPSPositionError.caption(), "25.0");

  feed("$PGRMV,2.3,-1.2,0.5*3A");
  EXPECT_EQ(f20().GPSEastVelocity.caption(), "2.3");
  EXPECT_EQ(f20().GPSNorthVelocity.caption(), "-1.2");
  EXPECT_EQ(f20().GPSUpVelocity.caption(), "0.5");

  feed("$PGRMM,WGS 84*06");
  EXPECT_EQ(f20().GPSMapDatum.caption(), "WGS 84");
  feed("$PGRMM,NAD27 Canada, Alaska*1B");
  EXPECT_EQ(f20().GPSMapDatum.caption(), "NAD27 Canada, Alaska");

  feed("$PGRMB,301.0,100,12,0,46,K,A,W,A*5A");
  EXPECT_EQ(f20().GPSBeaconFreq.caption(), "301.0");
  EXPECT_EQ(f20().GPSBeaconBitRate.caption(), "100");
  EXPECT_EQ(f20().GPSBeaconSNR.caption(), "12");
  EXPECT_EQ(f20().GPSBeaconDataQuality.caption(), "0");
  EXPECT_EQ(f20().GPSBeaconDistance.caption(), "46");
  EXPECT_EQ(f20().GPSBeaconStatus.caption(), "A");
  EXPECT_EQ(f20().GPSBeaconSource.caption(), "W");
  EXPECT_EQ(f20().GPSBeaconMode.caption(), "A");

  EXPECT_EQ(app->SentenceDataAge[kPGRME], 8);
  EXPECT_EQ(app->SentenceDataAge[kPGRMV], 8);
  EXPECT_EQ(app->SentenceDataAge[kPGRMM], 6);
  EXPECT_EQ(app->SentenceDataAge[kPGRMB], 8);
  EXPECT_EQ(app->SourceDataAge[kGPS], 10 - 5 * 2);
}

TEST_F(GpsGarminTest, GarminSentencesFeedSpeedButNeverTheTrack) {
  app->GPSTrackText = "084.4";
  feed("$PGRMF,290,293895,160305,093802,13,5213.1439,N,02100.6511,E,A,2,45,226,2,1*11");
  EXPECT_EQ(app->GPSSpeedText, "45");
  EXPECT_EQ(f1().GPSDataAirspeed.caption(), "45.0");
  EXPECT_EQ(app->GPSTrackText, "084.4");
  EXPECT_EQ(f1().GPSDataHeading.caption(), "84");
}

}  // namespace
