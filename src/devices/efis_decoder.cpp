#include "devices/efis_decoder.h"

#include <cstddef>
#include <exception>
#include <string_view>

#include "app/app.h"
#include "platform/numbers.h"
#include "recorder/recorder.h"
#include "screens/efis_display.h"
#include "screens/screens.h"
#include "settings/form2.h"

namespace devices {

namespace {

// A complete record: 51 characters and the carriage return the data event keeps.
constexpr std::size_t kCompleteRecordLength = 52;

// Conversion factors from the units the EFIS sends: airspeed in metres per
// second, altitudes in metres, vertical speed in feet per second.
constexpr double kKnotsPerMps = 1.9438;
constexpr double kMphPerMps = 2.2369;
constexpr double kKphPerMps = 3.59999999712;
constexpr double kFeetPerMetre = 3.2808;
constexpr float kSecondsPerMinute = 60;
constexpr double kMetresPerMinutePerFootPerSecond = 18.288;
constexpr double kHundredsOfFeetPerMetre = 0.032808;

// Columns first..first+count-1 (counted from 1) of the record; a short line
// gives what it has, and nothing beyond its end.
std::string_view columns(std::string_view line, std::size_t first, std::size_t count) {
  if (first > line.size()) return {};
  return line.substr(first - 1, count);
}

std::int16_t integerField(std::string_view line, std::size_t first, std::size_t count) {
  return platform::toInt16(platform::readNumber(columns(line, first, count)));
}

// The integer-part columns, a point and the tenths column joined into one text
// and read as a number: "-05" and "3" give -5.3.
float decimalField(std::string_view line, std::size_t first, std::size_t count, std::size_t tenths) {
  char text[16];
  std::size_t n = 0;
  for (char c : columns(line, first, count)) text[n++] = c;
  text[n++] = '.';
  for (char c : columns(line, tenths, 1)) text[n++] = c;
  return static_cast<float>(platform::readNumber(std::string_view(text, n)));
}

enum class UnitSet { Knots, Miles, KiloMeters, Meters };

UnitSet unitSet(settings::Form2& s) {
  if (s.UnitsKnots.value()) return UnitSet::Knots;
  if (s.UnitMiles.value()) return UnitSet::Miles;
  if (s.UnitKiloMeters.value()) return UnitSet::KiloMeters;
  return UnitSet::Meters;
}

float scaled(float v, double factor) { return static_cast<float>(static_cast<double>(v) * factor); }

float speedInUnits(float mps, UnitSet u) {
  switch (u) {
    case UnitSet::Knots: return scaled(mps, kKnotsPerMps);
    case UnitSet::Miles: return scaled(mps, kMphPerMps);
    case UnitSet::KiloMeters: return scaled(mps, kKphPerMps);
    case UnitSet::Meters: break;
  }
  return mps;
}

// Feet with the two English unit sets, metres with the metric ones.
float altitudeInUnits(float metres, UnitSet u) {
  if (u == UnitSet::Knots || u == UnitSet::Miles) return scaled(metres, kFeetPerMetre);
  return metres;
}

// Feet per minute with the English unit sets, metres per minute otherwise.
float climbInUnits(float feetPerSecond, UnitSet u) {
  if (u == UnitSet::Knots || u == UnitSet::Miles) return scaled(feetPerSecond, kSecondsPerMinute);
  return scaled(feetPerSecond, kMetresPerMinutePerFootPerSecond);
}

}  // namespace

EfisDecoder::EfisDecoder(App& app) : app_(app) {}
EfisDecoder::~EfisDecoder() = default;
void EfisDecoder::wire(ScreenId) {}

void EfisDecoder::ParseEFISData() { parse(true); }

// The export decodes the lines of a loaded file one after another: recording
// them into the live record file or refreshing the displays with them would
// mix file data into the live record.
void EfisDecoder::ParseEFISDataForExport() { parse(false); }

void EfisDecoder::parse(bool realTimeSteps) {
  // Exported lines come from a loaded file whatever the source setting: they
  // count as file records, so they never make a silent live link look alive.
  const bool liveLink = realTimeSteps && app_.form2().EFIS_COMM.value();
  try {
    decodeRecord();
    keepLinkHealth(liveLink);
    if (realTimeSteps) runRealTimeSteps();
  } catch (const std::exception&) {
    // The values written so far stay; the rest of this record is dropped.
    // A live link shows as lost at once (above the supervisor's clamp of 10),
    // a file record is marked bad.
    if (liveLink)
      app_.SourceDataAge[kEFIS] = 30;
    else
      app_.EFISParseError = 10;
  }
}

// A record, columns counted from 1 (the CR is column 52):
//   14050932-053-0127123051401000-015-0201005000001xxxx\r
//   1-2 hour  3-4 minute  5-6 second  7-8 unread  9-11,12 pitch  13-16,17 roll
//   18-20 heading  21-23,24 airspeed (m/s)  25-29 altitude (m)
//   30-32,33 turn rate or vertical speed  34-35,36 lateral G  37-38,39 vertical G
//   40-41 angle of attack  42-47 status word (hex)  48 on unread
// Bit 0 of the status word tells which altitude and which rate the record
// carries: displayed altitude and turn rate (0) or pressure altitude and
// vertical speed (1). A short line still decodes: missing fields read 0.
void EfisDecoder::decodeRecord() {
  App& a = app_;
  const std::string_view line = a.EFISLine;

  a.EFISHour = integerField(line, 1, 2);
  a.EFISMinute = integerField(line, 3, 2);
  a.EFISSecond = integerField(line, 5, 2);

  if (a.EFISSecond != lastSecond_) {
    lastSecond_ = a.EFISSecond;
    a.EFISSecondCount = 0;
  } else if (a.EFISSecondCount < 32767) {
    // A file of records all stamped with one second stops counting here.
    ++a.EFISSecondCount;
  }

  a.EFISPitch = decimalField(line, 9, 3, 12);
  a.EFISRoll = decimalField(line, 13, 4, 17);
  a.EFISHeading = integerField(line, 18, 3);
  a.EFISAirspeed = decimalField(line, 21, 3, 24);

  // Six hex digits: a value below 2^24, bit i into element i.
  const std::uint64_t status = platform::readHex(columns(line, 42, 6));
  for (int i = 23; i >= 0; --i) a.EFISStatusBits[static_cast<std::size_t>(i)] = ((status >> i) & 1U) != 0;

  const UnitSet units = unitSet(a.form2());
  if (!a.EFISStatusBits[0]) {
    a.EFISAltitude = static_cast<float>(platform::readNumber(columns(line, 25, 5)));
    a.EFISTurnRate = decimalField(line, 30, 3, 33);
    a.EFISAirspeed = speedInUnits(a.EFISAirspeed, units);
    a.EFISAltitude = altitudeInUnits(a.EFISAltitude, units);
  } else {
    a.EFISPressureAltitude = static_cast<float>(platform::readNumber(columns(line, 25, 5)));
    a.EFISVerticalSpeed = decimalField(line, 30, 3, 33);
    // The Mode C input is taken from the metres as received, whatever the units.
    a.ModeCAltitude = platform::toInt16(static_cast<double>(a.EFISPressureAltitude) * kHundredsOfFeetPerMetre);
    a.EFISAirspeed = speedInUnits(a.EFISAirspeed, units);
    a.EFISPressureAltitude = altitudeInUnits(a.EFISPressureAltitude, units);
    a.EFISVerticalSpeed = climbInUnits(a.EFISVerticalSpeed, units);
  }

  a.EFISLateralG = decimalField(line, 34, 2, 36);
  a.EFISVerticalG = decimalField(line, 37, 2, 39);
  a.EFISAOA = integerField(line, 40, 2);
}

// Only a complete record counts as link activity; the carriage return kept by
// the data event counts toward its 52 characters.
void EfisDecoder::keepLinkHealth(bool liveLink) {
  if (app_.EFISLine.size() != kCompleteRecordLength) return;
  if (liveLink)
    changeAge(app_.SourceDataAge[kEFIS], -1);
  else
    app_.EFISParseError = 0;
}

// Recording at the "Real Time" interval writes one record per EFIS record;
// a display whose rate is "Real Time" is refreshed per record as well.
void EfisDecoder::runRealTimeSteps() {
  settings::Form2& s = app_.form2();
  if (app_.RecorderOn && s.RealTime.value()) app_.recorder().RecordStep();
  if (s.MainUpdateRate[0].value()) app_.instruments().efis().UpdateEFISScreen();
  if (s.EFISUpdateRate[0].value()) app_.instruments().efis().ShowEFISData();
}

}  // namespace devices
