// The GPS decoder: the dispatch on the sentence name, the steps some
// sentences have after their tables, and the readouts common to every line.

#include "devices/gps_decoder.h"

#include <cstring>

#include "app/app.h"
#include "devices/gps_sentences.h"
#include "platform/numbers.h"
#include "screens/form9.h"
#include "settings/form13.h"
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

// ---- The steps of sentences after their tables

// Under the NMEA source the fix data and the recommended minimum data feed
// the main window and the GPS screen.
void GpsDecoder::decodeGPGGA() {
  static constexpr std::string_view kModes[] = {"NOT VALID", "SPS MODE", "DIFF SPS", "PPS MODE"};
  screens::form21& f21 = app_.form21();
  if (!sentence<screens::form21>().read<gps::kFieldsGPGGA>(f21) || !app_.NMEASource) return;
  showPosition(f21.GPGGALatitude.caption(), f21.GPGGALongitude.caption());
  const auto mode = gps::fixIndex(f21.GPGGAFixType.caption(), std::size(kModes));
  showFixMode(mode ? kModes[*mode] : std::string_view());
  app_.form1().GPSSatsUsed.setCaption(f21.GPGGASatelliteTracked.caption());
  app_.form9().GPSSatsUsed.setCaption(app_.form1().GPSSatsUsed.caption());
  app_.GPSAltitudeText = f21.GPGGAAltitude.caption();
}

void GpsDecoder::decodeGPRMC() {
  screens::form21& f21 = app_.form21();
  gps::Sentence s = sentence<screens::form21>();
  if (!s.read<gps::kFieldsGPRMC>(f21) || !app_.NMEASource) return;
  app_.form1().GPSTime.setCaption(f21.GPRMCFixTime.caption());
  storeFixTime("NEMA-0183 Time > ", s[1], s[9]);
  app_.GPSSpeedText = f21.GPRMCSpeed.caption();
  app_.GPSTrackText = f21.GPRMCTrack.caption();
}

// Under the Garmin source the fix data feed the main window and the GPS
// screen, and the altitude the shared altitude text; the aviation height
// drives the terrain alert under either source.
void GpsDecoder::decodePGRMF() {
  static constexpr std::string_view kModes[] = {"NO FIX", "2D FIX", "3D FIX"};
  static constexpr platform::OleColor kLights[] = {platform::color::Red, platform::color::Yellow,
                                                   platform::color::BrightGreen};
  screens::form20& f20 = app_.form20();
  if (!sentence<screens::form20>().read<gps::kFieldsPGRMF>(f20) || !app_.GarminSource) return;
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

// The alert latches: a later height above the limit leaves it on; only a
// limit of 0 (or none) clears it here.
void GpsDecoder::decodePGRMH() {
  screens::form20& f20 = app_.form20();
  if (!sentence<screens::form20>().read<gps::kFieldsPGRMH>(f20)) return;
  settings::form13& f13 = app_.form13();
  const double limit = platform::readNumber(f13.TerrainAlertAltitude.text());
  if (limit > 0) {
    if (platform::readNumber(f20.GPSEstAGL.caption()) < limit) {
      app_.TerrainAlert = true;
      f13.TerrainAlertIndicator.setFillColor(platform::color::Red);
    }
  } else {
    app_.TerrainAlert = false;
    f13.TerrainAlertIndicator.setFillColor(platform::color::Green);
  }
}

// The shared altitude text is in metres, as the NMEA fix gives it.
void GpsDecoder::decodePGRMZ() {
  screens::form20& f20 = app_.form20();
  if (sentence<screens::form20>().read<gps::kFieldsPGRMZ>(f20) && app_.GarminSource)
    app_.GPSAltitudeText = platform::numberText(platform::readNumber(f20.GPSAltitude.caption()) / 3.2808);
}

}  // namespace devices
