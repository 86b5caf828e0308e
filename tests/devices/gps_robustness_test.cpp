// Bad GPS input: empty fields, cut sentences, lower case, very long lines and
// random bytes change only what a sentence may change, and never fail.

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "devices/devices.h"
#include "devices/gps_decoder.h"
#include "platform/screen.h"
#include "screens/form20.h"
#include "screens/form21.h"
#include "screens/form9.h"
#include "settings/form13.h"
#include "shell/form1.h"
#include "support/test_platform.h"

namespace {

// Records which controls changed, as "Screen.Control".
class ChangeLog : public platform::ScreenObserver {
 public:
  void screenChanged(platform::Screen&) override {}
  void controlChanged(platform::Control& c) override {
    changed.insert(c.screen()->name() + "." + c.objectName());
  }
  void screenActivated(platform::Screen&) override {}
  void screenUnloaded(platform::Screen&) override {}
  std::set<std::string> changed;
};

class GpsRobustnessTest : public testsupport::AppTest {
 protected:
  void SetUp() override {
    app->NMEASource = true;
    app->SourceDataAge.fill(10);
    app->SentenceDataAge.fill(10);
  }
  void TearDown() override {
    for (platform::Screen* s : watched_) s->setObserver(nullptr);
    AppTest::TearDown();
  }
  void feed(std::string_view line) {
    app->GPSLine = line;
    app->devices().gps().ParseGPSSentence();
  }
  void watch() {
    watched_ = {&app->form1(), &app->form9(), &app->form20(), &app->form21(), &app->form13()};
    for (platform::Screen* s : watched_) s->setObserver(&log);
  }
  shell::Form1& f1() { return app->form1(); }
  screens::Form9& f9() { return app->form9(); }
  screens::form20& f20() { return app->form20(); }
  screens::form21& f21() { return app->form21(); }

  ChangeLog log;

 private:
  std::vector<platform::Screen*> watched_;
};

TEST_F(GpsRobustnessTest, NoFixWithEmptyFieldsKeepsFieldsInPlace) {
  feed("$GPGGA,,,,,,0,00,99.99,,,,,,*48");
  EXPECT_EQ(f21().GPGGAFixTime.caption(), ":");
  // The character after an empty position is the next comma.
  EXPECT_EQ(f21().GPGGALatitude.caption(), ", ");
  EXPECT_EQ(f21().GPGGALongitude.caption(), ", ");
  // An empty hemisphere does not shift the later fields.
  EXPECT_EQ(f21().GPGGAFixType.caption(), "0");
  EXPECT_EQ(f21().GPGGASatelliteTracked.caption(), "0");
  EXPECT_EQ(f21().GPGGAHorizonDilution.caption(), "100.0");
  EXPECT_EQ(f21().GPGGAAltitude.caption(), "");
  EXPECT_EQ(f21().GPGGAGeoidHeight.caption(), "");
  EXPECT_EQ(f1().GPSFixMode.caption(), "NOT VALID");
  EXPECT_EQ(app->GPSAltitudeText, "");
  EXPECT_EQ(f1().GPSDataAltitude.caption(), "0");

  feed("$GPRMC,123519,V,4807.038,,01131.000,,022.4,084.4,230394,,*6A");
  EXPECT_EQ(f21().GPRMCLatitude.caption(), ", 48:07.0380");
  EXPECT_EQ(f21().GPRMCLongitude.caption(), ", 011:31.0000");
  EXPECT_EQ(f21().GPRMCSpeed.caption(), "022.4");
  EXPECT_EQ(f21().GPRMCTrack.caption(), "084.4");
  EXPECT_EQ(f21().GPRMCFixDate.caption(), "23/03/94");
  EXPECT_EQ(f21().GPRMCMagVariation.caption(), "");

  // A text that is no number is shown as it came.
  feed("$GPGGA,123519,48O7.038,N,01131.000,E,1,O8,0.9,545.4,M,46.9,M,,*47");
  EXPECT_EQ(f21().GPGGALatitude.caption(), "N 48O7.038");
  EXPECT_EQ(f21().GPGGASatelliteTracked.caption(), "O8");
}

TEST_F(GpsRobustnessTest, CutSentenceKeepsLaterLabelsAndFeedsNothing) {
  feed("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47");
  feed("$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A");
  app->SentenceDataAge.fill(10);
  app->SourceDataAge.fill(10);

  feed("$GPGGA,130000,5000.000,S,00200");
  EXPECT_EQ(f21().GPGGAFixTime.caption(), "1300:00");
  EXPECT_EQ(f21().GPGGALatitude.caption(), "S 50:00.0000");
  EXPECT_EQ(f21().GPGGALongitude.caption(), "E 011:31.0000");
  EXPECT_EQ(f21().GPGGAFixType.caption(), "1");
  EXPECT_EQ(f21().GPGGAGeoidHeight.caption(), "46.9");
  EXPECT_EQ(f1().DataLatitude.caption(), "N 48:07.0380");
  EXPECT_EQ(app->SentenceDataAge[kGPGGA], 8);
  EXPECT_EQ(app->SourceDataAge[kGPS], 8);

  feed("$GPRMC,130000,V,5000.000,S,002");
  EXPECT_EQ(f21().GPRMCFixTime.caption(), "1300:00");
  EXPECT_EQ(f21().GPRMCStatus.caption(), "V");
  EXPECT_EQ(f21().GPRMCLatitude.caption(), "S 50:00.0000");
  EXPECT_EQ(f21().GPRMCLongitude.caption(), "E 011:31.0000");
  EXPECT_EQ(f21().GPRMCFixDate.caption(), "23/03/94");
  EXPECT_EQ(f1().GPSTime.caption(), "1235:19");
  EXPECT_EQ(f1().GPSTime.toolTip(), "NEMA-0183 Time > 03-23-94  12:35:19");
  EXPECT_EQ(app->GPSHour, "12");
  EXPECT_EQ(app->GPSSpeedText, "022.4");
  // The status came before the cut: the fix light follows it.
  EXPECT_EQ(app->GPSStatusText, "V");
  EXPECT_EQ(f1().GPSTrackingLight.fillColor(), 255u);
  EXPECT_EQ(app->SentenceDataAge[kGPRMC], 8);
  EXPECT_EQ(app->SourceDataAge[kGPS], 6);

  // A sentence that is only its name.
  feed("$GPGGA");
  EXPECT_EQ(f21().GPGGAFixTime.caption(), "1300:00");
  EXPECT_EQ(app->SentenceDataAge[kGPGGA], 6);
}

TEST_F(GpsRobustnessTest, CutGarminSentences) {
  app->NMEASource = false;
  app->GarminSource = true;
  app->form13().TerrainAlertAltitude.setText("200");
  feed("$PGRMF,290,293895,160305,093802,13,5213.1439,N,02100.6511,E,A,2,0,226,2,1*11");
  feed("$PGRMZ,1494,f,3*23");
  feed("$PGRMH,A,-2,0,-5,-3,900,270,275*3F");
  const std::string altitudeText = app->GPSAltitudeText;

  feed("$PGRMF,291,300000,170305,100000,13,5300.0000,S");
  EXPECT_EQ(f20().GPSWeekNumber.caption(), "291");
  EXPECT_EQ(f20().GPSUTCTime.caption(), "100000");
  EXPECT_EQ(f20().GPSLatitude.caption(), "5300.0000");
  EXPECT_EQ(f20().GPSHemisphereNS.caption(), "N");
  EXPECT_EQ(f20().GPSTDP.caption(), "1");
  EXPECT_EQ(f1().GPSTime.caption(), "0938:02");
  EXPECT_EQ(f1().DataLatitude.caption(), "N 52:13.1439");

  // No "*" closes the fix type: altitude read, fix type kept, nothing fed.
  feed("$PGRMZ,1500,f,2");
  EXPECT_EQ(f20().GPSAltitude.caption(), "1500");
  EXPECT_EQ(f20().GPSAltitudeFixType.caption(), "3");
  EXPECT_EQ(app->GPSAltitudeText, altitudeText);

  // The height above terrain is not closed: no alert from it.
  feed("$PGRMH,A,-2,0,-5,-3,50");
  EXPECT_EQ(f20().GPSVertSpeedToWayPoint.caption(), "-3");
  EXPECT_EQ(f20().GPSEstAGL.caption(), "900");
  EXPECT_FALSE(app->TerrainAlert);

  feed("$PGRMM,NO CHECKSUM");
  feed("$PGRMM*06,WGS 84");
  EXPECT_EQ(f20().GPSMapDatum.caption(), "");

  EXPECT_EQ(app->SentenceDataAge[kPGRMF], 6);
  EXPECT_EQ(app->SentenceDataAge[kPGRMZ], 6);
  EXPECT_EQ(app->SentenceDataAge[kPGRMH], 6);
  EXPECT_EQ(app->SentenceDataAge[kPGRMM], 6);
}

TEST_F(GpsRobustnessTest, CutSatelliteSentenceStoresOnlyWholeBlocks) {
  feed("$GPGSV,1,1,01,05,30,000,40*70");
  feed("$GPGSV,3,1,09,01,40,083,46,02,17");
  const auto& gps = app->devices().gps();
  // The first sentence of the cycle drew the plot before the cut.
  EXPECT_TRUE(f21().Sat_Green[5].visible());
  EXPECT_TRUE(gps.SatActive()[1]);
  EXPECT_FALSE(gps.SatActive()[2]);
  EXPECT_EQ(f9().SatelliteNumber[0].caption(), "01");
  EXPECT_EQ(f9().SatelliteNumber[1].caption(), "");
  EXPECT_EQ(f9().SatellitesInView.caption(), "01");
  EXPECT_EQ(gps.SatelliteBarIndex(), 1);
  EXPECT_EQ(app->SentenceDataAge[kGPGSV], 6);
}

TEST_F(GpsRobustnessTest, NumbersTooBigForTheirStoreSkipOnlyTheirStep) {
  const auto& gps = app->devices().gps();
  feed("$GPGSV,1,1,01,05,30,000,40*70");
  EXPECT_EQ(gps.SatLeft()[5], 1395);
  EXPECT_EQ(gps.SatTop()[5], 665);

  // A sentence number beyond 16 bits draws nothing; its satellites still
  // count. A far-out elevation keeps the left position that does not fit and
  // takes the top position that does.
  feed("$GPGSV,3,99999,01,05,1000000,090,40*00");
  EXPECT_FALSE(f21().Sat_Green[5].visible());
  EXPECT_EQ(gps.SatLeft()[5], 1395);
  EXPECT_EQ(gps.SatTop()[5], 1515);
  EXPECT_EQ(f9().SatelliteNumber[1].caption(), "05");
  EXPECT_EQ(f9().SatellitesInView.caption(), "01");

  // A satellite number beyond 16 bits is above 49: entry 0.
  feed("$GPGSV,3,2,01,99999999,45,090,40*00");
  EXPECT_TRUE(gps.SatActive()[0]);
  EXPECT_EQ(gps.SatLeft()[0], 2033);
}

TEST_F(GpsRobustnessTest, LowerCaseSentenceRunsOnlyTheCommonReadouts) {
  watch();
  feed("$gpgga,123519,4807.038,n,01131.000,e,1,08,0.9,545.4,m,46.9,m,,*47");
  feed("$pgrmz,1494,f,3*23");
  for (const std::string& c : log.changed) {
    EXPECT_TRUE(c.rfind("Form1.GPSData", 0) == 0 || c.rfind("Form9.", 0) == 0 ||
                c == "Form1.GPSTrackingLight")
        << c;
  }
  EXPECT_EQ(f21().GPGGAFixTime.caption(), "");
  for (std::size_t k = 0; k < kSentenceKinds; ++k) EXPECT_EQ(app->SentenceDataAge[k], 10);
  EXPECT_EQ(app->SourceDataAge[kGPS], 6);
}

TEST_F(GpsRobustnessTest, VeryLongLines) {
  const std::string digits(2000, '7');
  feed("$GPGGA," + digits);
  EXPECT_EQ(f21().GPGGAFixTime.caption(), "");

  std::string ones = "$GPRMC";
  while (ones.size() < 2000) ones += ",1";
  feed(ones);
  EXPECT_EQ(f21().GPRMCFixTime.caption(), "1:1");
  EXPECT_EQ(f21().GPRMCLatitude.caption(), "1 00:01.0000");

  std::string blocks = "$GPGSV,1,1,99";
  while (blocks.size() < 2000) blocks += ",01,02,03,04";
  feed(blocks + "*00");
  EXPECT_EQ(app->devices().gps().SatelliteBarIndex(), 4);

  const std::string datum(2000, 'D');
  feed("$PGRMM," + datum + "*00");
  EXPECT_EQ(f20().GPSMapDatum.caption(), datum);
  feed("$GPBOD,1,T,2,M,A," + datum);
  EXPECT_EQ(f21().GPBODStartWaypoint.caption(), "A");
  EXPECT_EQ(f21().GPBODDestWaypoint.caption(), "");

  EXPECT_EQ(app->SourceDataAge[kGPS], 10 - 5 * 2);
}

// The controls each sentence may change besides the common readouts: its own
// frame on its sentence screen and the readouts it feeds.
struct Allowed {
  std::string_view sentence;
  std::size_t counter;
  const char* screen;         // sentence screen
  const char* frame;          // its frame there
  std::set<std::string> fed;  // further controls, "Screen.Control"
};

std::vector<Allowed> allowedChanges() {
  constexpr std::size_t none = kSentenceKinds;
  const std::set<std::string> position = {"Form1.DataLatitude",  "Form9.DataLatitude", "Form1.DataLongitude",
                                          "Form9.DataLongitude", "Form1.GPSFixMode",   "Form9.GPSFixMode"};
  std::set<std::string> gga = position;
  gga.insert({"Form1.GPSSatsUsed", "Form9.GPSSatsUsed"});
  std::set<std::string> pgrmf = position;
  pgrmf.insert({"Form1.GPSTime", "Form1.GPSTrackingLight", "Form9.GPSTrackingLight"});
  std::set<std::string> gsv = {"Form9.SatellitesInView"};
  for (int i = 0; i <= 11; ++i) {
    gsv.insert("Form9.SatelliteNumber_" + std::to_string(i));
    gsv.insert("Form9.SatelliteStrength_" + std::to_string(i));
  }
  for (int i = 0; i <= 50; ++i) gsv.insert("form21.Sat_Green_" + std::to_string(i));
  for (int i = 0; i <= 49; ++i) gsv.insert("form21.GPS_SV_Number_" + std::to_string(i));
  return {
      {"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47", kGPGGA, "form21", "Frame1", gga},
      {"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A",
       kGPRMC,
       "form21",
       "Frame2",
       {"Form1.GPSTime"}},
      {"$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48", kGPVTG, "form21", "Frame4", {}},
      {"$GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75", kGPGSV, "form21", "GPSSVFrame",
       gsv},
      {"$GPBOD,099.3,T,105.6,M,POINTB,POINTA*45", kGPBOD, "form21", "Frame5", {}},
      {"$PGRME,15.0,M,45.0,M,25.0,M*1C", kPGRME, "form20", "Frame2", {}},
      {"$PGRMF,290,293895,160305,093802,13,5213.1439,N,02100.6511,E,A,2,0,226,2,1*11", kPGRMF, "form20",
       "Frame1", pgrmf},
      {"$PGRMM,WGS 84*06", kPGRMM, "form20", "Frame6", {}},
      {"$PGRMH,A,-2,0,-5,-3,150,270,275*3F", kPGRMH, "form20", "Frame5", {"form13.TerrainAlertIndicator"}},
      {"$PGRMT,MODEL 1.0,P,P,R,R,P,,23,R*33", none, "form20", "Frame8", {}},
      {"$PGRMV,2.3,-1.2,0.5*3A", kPGRMV, "form20", "Frame4", {}},
      {"$PGRMZ,1494,f,3*23", kPGRMZ, "form20", "Frame3", {}},
      {"$PGRMB,301.0,100,12,0,46,K,A,W,A*5A", kPGRMB, "form20", "Frame7", {}},
  };
}

bool isCommonReadout(const std::string& c) {
  static const std::set<std::string> tail = {
      "Form1.GPSDataHeading",   "Form1.GPSDataHeadingMag", "Form1.GPSDataAirspeed", "Form1.GPSDataAltitude",
      "Form1.GPSTrackingLight", "Form9.HeadingGuage",      "Form9.HeadingLabel",    "Form9.AirspeedGuage",
      "Form9.AirspeedLabel",    "Form9.AltitudeGuage",     "Form9.AltitudeLabel",   "Form9.GPSTrackingLight"};
  return tail.count(c) != 0;
}

// Random damage to every kind of sentence, under each source: the sentence
// keeps its name, so its own case runs on the damaged fields.
TEST_F(GpsRobustnessTest, DamagedSentencesChangeOnlyTheirOwnFrameAndReadouts) {
  watch();
  app->form13().TerrainAlertAltitude.setText("200");
  const std::vector<Allowed> kinds = allowedChanges();
  std::mt19937 rng(20081019);
  const std::string alphabet = ",,,,**0123456789.-NSEWAVMKT $\r\x01\xff";
  auto pick = [&](std::size_t n) { return static_cast<std::size_t>(rng() % n); };

  for (int source = 0; source < 2; ++source) {
    app->NMEASource = source == 0;
    app->GarminSource = source == 1;
    for (int round = 0; round < 400; ++round) {
      for (const Allowed& kind : kinds) {
        std::string line(kind.sentence);
        const int damage = 1 + static_cast<int>(pick(4));
        for (int d = 0; d < damage; ++d) {
          const std::size_t at = 6 + pick(line.size() - 5);
          switch (pick(4)) {
            case 0:
              line.resize(at);
              break;
            case 1:
              if (at < line.size()) line[at] = alphabet[pick(alphabet.size())];
              break;
            case 2:
              line.insert(at, 1, alphabet[pick(alphabet.size())]);
              break;
            default:
              if (at < line.size()) line.erase(at, 1);
              break;
          }
        }
        // Now and then a number far out of range.
        if (pick(8) == 0) line.insert(6 + pick(line.size() - 5), "999999999999");

        log.changed.clear();
        app->SentenceDataAge.fill(0);
        app->SourceDataAge[kGPS] = 0;
        feed(line);

        for (const std::string& c : log.changed) {
          const bool own = [&] {
            const auto dot = c.find('.');
            if (c.compare(0, dot, kind.screen) != 0) return false;
            const platform::Control* control =
                (std::string_view(kind.screen) == "form20" ? static_cast<platform::Screen&>(f20())
                                                           : static_cast<platform::Screen&>(f21()))
                    .findControl(c.substr(dot + 1));
            return control && control->container() && control->container()->name() == kind.frame;
          }();
          EXPECT_TRUE(own || kind.fed.count(c) || isCommonReadout(c)) << c << " changed by " << line;
        }
        for (std::size_t k = 0; k < kSentenceKinds; ++k)
          ASSERT_EQ(app->SentenceDataAge[k], k == kind.counter ? -2 : 0) << line;
        ASSERT_EQ(app->SourceDataAge[kGPS], -2) << line;
        ASSERT_GE(app->devices().gps().SatelliteBarIndex(), 0);
      }
    }
  }
}

// Random bytes almost never name a sentence: then no sentence screen and no
// counter changes, only the common readouts run.
TEST_F(GpsRobustnessTest, RandomBytesRunOnlyTheCommonReadouts) {
  watch();
  std::mt19937 rng(1234);
  for (int round = 0; round < 5000; ++round) {
    std::string line(rng() % 300, '\0');
    for (char& c : line) c = static_cast<char>(rng() % 256);
    if (round % 3 == 0 && !line.empty()) line[0] = '$';
    if (line.size() >= 6 && line[0] == '$' && (line[1] == 'G' || line[1] == 'P')) continue;

    log.changed.clear();
    app->SentenceDataAge.fill(0);
    app->SourceDataAge[kGPS] = 0;
    feed(line);
    for (const std::string& c : log.changed) ASSERT_TRUE(isCommonReadout(c)) << c;
    for (std::size_t k = 0; k < kSentenceKinds; ++k) ASSERT_EQ(app->SentenceDataAge[k], 0);
    ASSERT_EQ(app->SourceDataAge[kGPS], -2);
  }
}

}  // namespace
