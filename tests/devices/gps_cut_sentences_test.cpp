// Every sentence cut after every character: the fields whose closing delimiter
// arrived are shown, in field order, and every later one keeps what the
// sentence before left; the sentence's counter and the link age fall all the
// same. One table of sentences, each with a sentence of other values that
// fills its frame first, and the controls of its frame in field order.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "devices/devices.h"
#include "devices/gps_decoder.h"
#include "platform/controls.h"
#include "screens/form20.h"
#include "screens/form21.h"
#include "support/test_platform.h"

namespace {

struct CutCase {
  std::string_view sentence;
  std::string_view before;    // the same kind with every field different
  std::string_view controls;  // of its frame, in field order; "form20." for the Garmin screen
  std::size_t counter;        // kSentenceKinds: it has none
};

// clang-format off
const CutCase kCases[] = {
    {"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47",
     "$GPGGA,000000,1111.111,S,02222.222,W,2,11,9.9,111.1,M,11.1,M,,*00",
     "GPGGAFixTime GPGGALatitude GPGGALongitude GPGGAFixType GPGGASatelliteTracked GPGGAHorizonDilution "
     "GPGGAAltitude GPGGAGeoidHeight", kGPGGA},
    {"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A",
     "$GPRMC,000000,V,1111.111,S,02222.222,W,999.9,111.1,010101,999.9,E*00",
     "GPRMCFixTime GPRMCStatus GPRMCLatitude GPRMCLongitude GPRMCSpeed GPRMCTrack GPRMCFixDate "
     "GPRMCMagVariation", kGPRMC},
    {"$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48", "$GPVTG,111.1,T,222.2,M,333.3,N,444.4,K*00",
     "GPVTG_TrueTrack GPVTG_MagneticTrack GPVTG_SpeedKnots GPVTG_SpeedKPH", kGPVTG},
    {"$GPBOD,099.3,T,105.6,M,POINTB,POINTA*45", "$GPBOD,111.1,T,222.2,M,OTHERB,OTHERA*00",
     "GPBODTrue GPBODMagnetic GPBODStartWaypoint GPBODDestWaypoint", kGPBOD},
    {"$GPGSV,1,1,00*79", "$GPGSV,3,2,11*00", "GPGSVSentenances GPGSVNumberSatellites", kGPGSV},
    {"$PGRME,15.0,M,45.0,M,25.0,M*1C", "$PGRME,11.1,M,22.2,M,33.3,M*00",
     "form20. GPSHorizontalError GPSVerticalError GPSPositionError", kPGRME},
    {"$PGRMF,290,293895,160305,093802,13,5213.1439,N,02100.6511,E,A,2,0,226,2,1*11",
     "$PGRMF,111,111111,010101,010101,11,1111.1111,S,01111.1111,W,M,1,9,999,9,7*00",
     "form20. GPSWeekNumber GPSSecondsNumber GPSUTCDate GPSUTCTime GPSLeapSecondCount GPSLatitude "
     "GPSHemisphereNS GPSLongitude GPSHemisphereEW GPSMode GPSFixType GPSSpeed GPSCourse GPSPDP GPSTDP", kPGRMF},
    {"$PGRMM,WGS 84*06", "$PGRMM,OTHER*00", "form20. GPSMapDatum", kPGRMM},
    {"$PGRMH,A,-2,0,-5,-3,150,270,275*3F", "$PGRMH,V,-9,9,-9,-9,999,111,111*00",
     "form20. GPSDataStatus GPSVerticalSpeed GPSProfileError GPSVertSpeedToTarget GPSVertSpeedToWayPoint "
     "GPSEstAGL GPSDesiredTrack GPSNextTrack", kPGRMH},
    {"$PGRMT,MODEL 1.0,P,P,R,R,P,C,23,R*33", "$PGRMT,OTHER 2.0,F,F,F,F,F,F,99,F*00",
     "form20. GPS_Model LightROMChecksum LightReceiver LightStored LightClock LightOscDrift "
     "LightDataCollection GPSSensorTemperature LightConfiguration", kSentenceKinds},
    {"$PGRMV,2.3,-1.2,0.5*3A", "$PGRMV,9.9,-9.9,9.9*00",
     "form20. GPSEastVelocity GPSNorthVelocity GPSUpVelocity", kPGRMV},
    {"$PGRMZ,1494,f,3*23", "$PGRMZ,9999,f,2*00", "form20. GPSAltitude GPSAltitudeFixType", kPGRMZ},
    {"$PGRMB,301.0,100,12,0,46,K,A,W,A*5A", "$PGRMB,999.9,999,99,9,99,K,V,R,X*00",
     "form20. GPSBeaconFreq GPSBeaconBitRate GPSBeaconSNR GPSBeaconDataQuality GPSBeaconDistance "
     "GPSBeaconStatus GPSBeaconSource GPSBeaconMode", kPGRMB},
};
// clang-format on

// The words of a text, split at blanks.
std::vector<std::string> words(std::string_view text) {
  std::vector<std::string> out;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find(' ', at), text.size());
    if (end > at) out.emplace_back(text.substr(at, end - at));
    at = end + 1;
  }
  return out;
}

class GpsCutSentences : public testsupport::AppTest {
 protected:
  void feed(std::string_view line) {
    app->GPSLine = line;
    app->devices().gps().ParseGPSSentence();
  }
  // What each control of the frame shows: a label its caption, a lamp its colour.
  std::vector<std::string> frame(const CutCase& c) {
    std::vector<std::string> names = words(c.controls);
    const bool garmin = names.front() == "form20.";
    platform::Screen& screen = garmin ? static_cast<platform::Screen&>(app->form20())
                                      : static_cast<platform::Screen&>(app->form21());
    std::vector<std::string> shown;
    for (const std::string& name : names) {
      if (name == "form20.") continue;
      const platform::Control* control = screen.findControl(name);
      EXPECT_NE(control, nullptr) << name;
      if (const auto* lamp = dynamic_cast<const platform::Shape*>(control))
        shown.push_back(name + " lamp " + std::to_string(lamp->fillColor()));
      else if (control)
        shown.push_back(name + " " + control->caption());
    }
    return shown;
  }
};

TEST_F(GpsCutSentences, FieldsUpToTheCutAreShownInOrderAndTheRestKeepTheirCaptions) {
  for (bool garminSource : {false, true}) {
    app->NMEASource = !garminSource;
    app->GarminSource = garminSource;
    for (const CutCase& c : kCases) {
      feed(c.before);
      const std::vector<std::string> before = frame(c);
      feed(c.sentence);
      const std::vector<std::string> whole = frame(c);
      for (std::size_t k = 0; k < whole.size(); ++k)
        ASSERT_NE(whole[k], before[k]) << c.sentence << ": " << whole[k] << " tells nothing";

      for (std::size_t length = 6; length < c.sentence.size(); ++length) {
        feed(c.before);
        app->SentenceDataAge.fill(0);
        app->SourceDataAge.fill(0);
        const std::string_view cut = c.sentence.substr(0, length);
        feed(cut);
        const std::vector<std::string> shown = frame(c);
        // The fields shown come first; the last of them may be one taken by
        // its first characters (a hemisphere letter, a last short field),
        // which the cut can shorten.
        std::size_t changed = 0;
        while (changed < shown.size() && shown[changed] != before[changed]) ++changed;
        for (std::size_t k = changed; k < shown.size(); ++k)
          EXPECT_EQ(shown[k], before[k]) << cut << ": after the cut";
        for (std::size_t k = 0; k + 1 < changed; ++k) EXPECT_EQ(shown[k], whole[k]) << cut;
        for (std::size_t k = 0; k < kSentenceKinds; ++k)
          ASSERT_EQ(app->SentenceDataAge[k], k == c.counter ? -2 : 0) << cut;
        ASSERT_EQ(app->SourceDataAge[kGPS], -2) << cut;
      }
    }
  }
}

}  // namespace
