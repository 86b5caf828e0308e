#include "devices/gps_decoder.h"

#include <cstring>

#include "app/app.h"
#include "devices/gps_sentences.h"
#include "platform/numbers.h"
#include "screens/form9.h"
#include "settings/form2.h"
#include "shell/form1.h"

namespace devices {

namespace {

constexpr std::size_t kNoCounter = kSentenceKinds;

struct SentenceCase {
  const char* name;  // the first six characters of the line, case as sent
  void (GpsDecoder::*decode)();
  std::size_t counter;  // SentenceDataAge element the sentence lowers
};

}  // namespace

GpsDecoder::GpsDecoder(App& app) : app_(app), memo_(std::make_unique<gps::Memos>()) {}
GpsDecoder::~GpsDecoder() = default;
void GpsDecoder::wire(ScreenId) {}

void GpsDecoder::ParseGPSSentence() {
  using namespace gps;
  static constexpr SentenceCase kCases[] = {
      {"$GPGGA", &GpsDecoder::decodeGPGGA, kGPGGA},
      {"$GPRMC", &GpsDecoder::decodeGPRMC, kGPRMC},
      {"$GPVTG", &GpsDecoder::readFields<kFieldsGPVTG>, kGPVTG},
      {"$GPGSV", &GpsDecoder::decodeGPGSV, kGPGSV},
      {"$GPBOD", &GpsDecoder::readFields<kFieldsGPBOD>, kGPBOD},
      {"$PGRME", &GpsDecoder::readFields<kFieldsPGRME>, kPGRME},
      {"$PGRMF", &GpsDecoder::decodePGRMF, kPGRMF},
      {"$PGRMM", &GpsDecoder::readFields<kFieldsPGRMM>, kPGRMM},
      {"$PGRMH", &GpsDecoder::decodePGRMH, kPGRMH},
      {"$PGRMT", &GpsDecoder::readFields<kFieldsPGRMT>, kNoCounter},
      {"$PGRMV", &GpsDecoder::readFields<kFieldsPGRMV>, kPGRMV},
      {"$PGRMZ", &GpsDecoder::decodePGRMZ, kPGRMZ},
      {"$PGRMB", &GpsDecoder::readFields<kFieldsPGRMB>, kPGRMB},
  };

  const std::string_view line = app_.GPSLine;
  if (line.size() >= 6) {
    for (const SentenceCase& c : kCases) {
      if (std::memcmp(line.data(), c.name, 6) != 0) continue;
      // A step that fails (a number too big for its store, a missing control
      // element) is abandoned; what the case wrote before it stays.
      try {
        (this->*c.decode)();
      } catch (const platform::RunError&) {
      }
      // The activity counter falls whether or not the fields were good.
      if (c.counter != kNoCounter) changeAge(app_.SentenceDataAge[c.counter], -2);
      break;
    }
  }
  try {
    commonTail();
  } catch (const platform::RunError&) {
  }
}

void GpsDecoder::showPosition(const std::string& latitude, const std::string& longitude) {
  shell::Form1& f1 = app_.form1();
  screens::Form9& f9 = app_.form9();
  f1.DataLatitude.setCaption(latitude);
  f9.DataLatitude.setCaption(f1.DataLatitude.caption());
  f1.DataLongitude.setCaption(longitude);
  f9.DataLongitude.setCaption(f1.DataLongitude.caption());
}

void GpsDecoder::showFixMode(std::string_view mode) {
  shell::Form1& f1 = app_.form1();
  if (!mode.empty()) f1.GPSFixMode.setCaption(mode);
  app_.form9().GPSFixMode.setCaption(f1.GPSFixMode.caption());
}

void GpsDecoder::showFixLights(platform::OleColor colour) {
  app_.form1().GPSTrackingLight.setFillColor(colour);
  app_.form9().GPSTrackingLight.setFillColor(colour);
}

// time hhmmss, date ddmmyy; the tool tip shows "mm-dd-yy  hh:mm:ss" after its
// heading.
void GpsDecoder::storeFixTime(std::string_view toolTipHeading, std::string_view time, std::string_view date) {
  App& a = app_;
  a.GPSHour = gps::twoAt(time, 0);
  a.GPSMinute = gps::twoAt(time, 2);
  a.GPSSecond = gps::twoAt(time, 4);
  a.GPSDay = gps::twoAt(date, 0);
  a.GPSMonth = gps::twoAt(date, 2);
  a.GPSYear = gps::twoAt(date, 4);
  std::string tip(toolTipHeading);
  for (std::string_view part :
       {std::string_view(a.GPSMonth), std::string_view("-"), std::string_view(a.GPSDay),
        std::string_view("-"), std::string_view(a.GPSYear), std::string_view("  "),
        std::string_view(a.GPSHour), std::string_view(":"), std::string_view(a.GPSMinute),
        std::string_view(":"), std::string_view(a.GPSSecond)})
    tip.append(part);
  a.form1().GPSTime.setToolTip(tip);
}

void GpsDecoder::commonTail() {
  gps::Memos& m = *memo_;
  shell::Form1& f1 = app_.form1();
  screens::Form9& f9 = app_.form9();
  settings::Form2& f2 = app_.form2();

  // The track of the last fix under the NMEA source; no Garmin sentence
  // writes it.
  const double heading = m.track(app_.GPSTrackText, platform::readNumber);
  f1.GPSDataHeading.setCaption(m.heading(heading));
  f9.HeadingGuage.setValue(heading);
  f9.HeadingLabel.setValue(heading);
  f9.HeadingLabel.setUnitsText(" Deg");

  // The magnetic track is shown only while $GPVTG sentences keep arriving.
  if (app_.SentenceDataAge[kGPVTG] < 2)
    f1.GPSDataHeadingMag.setCaption(m.magneticHeading(
        m.magneticTrack(app_.form21().GPVTG_MagneticTrack.caption(), platform::readNumber)));

  // Speed arrives in knots and altitude in metres.
  auto show = [&](double speed, const char* speedUnits, double altitude, const char* altitudeUnits) {
    f1.GPSDataAirspeed.setCaption(m.speedShown(speed));
    f9.AirspeedGuage.setValue(speed);
    f9.AirspeedLabel.setValue(speed);
    f9.AirspeedLabel.setUnitsText(speedUnits);
    f1.GPSDataAltitude.setCaption(m.altitudeShown(altitude));
    f9.AltitudeGuage.setValue(altitude);
    f9.AltitudeLabel.setValue(altitude);
    f9.AltitudeLabel.setUnitsText(altitudeUnits);
  };
  const double knots = m.speed(app_.GPSSpeedText, platform::readNumber);
  const double metres = m.altitude(app_.GPSAltitudeText, platform::readNumber);
  if (f2.UnitKiloMeters.value()) show(knots * 1.8519983985184, " k/hr", metres, " M");
  if (f2.UnitsMeter.value()) show(knots * 0.514444, " m/sec", metres, " M");
  if (f2.UnitsKnots.value()) show(knots, " Kts", metres * 3.2808, " Ft");
  if (f2.UnitMiles.value()) show(knots * 1.15077845382964, " MPH", metres * 3.2808, " Ft");

  // Under the Garmin source the fix light follows $PGRMF instead.
  if (app_.NMEASource) {
    const platform::OleColor light =
        app_.GPSStatusText == "A" ? platform::color::BrightGreen : platform::color::Red;
    f1.GPSTrackingLight.setFillColor(light);
    f9.GPSTrackingLight.setFillColor(light);
  }

  changeAge(app_.SourceDataAge[kGPS], -2);
}

}  // namespace devices
