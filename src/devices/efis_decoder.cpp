#include "devices/efis_decoder.h"

#include <cstddef>
#include <exception>
#include <string_view>

#include "app/app.h"
#include "devices/fixed_columns.h"
#include "platform/numbers.h"
#include "recorder/recorder.h"
#include "screens/efis_display.h"
#include "screens/screens.h"
#include "settings/form2.h"

namespace devices {

namespace {

// A complete record: 51 characters and the carriage return the data event keeps.
constexpr std::size_t kCompleteRecordLength = 52;

// Factors from the units the EFIS sends (airspeed in metres per second,
// altitudes in metres, vertical speed in feet per second) to those of the unit
// set, which the settings screen tests in this order.
struct UnitFactors {
  double airspeed;
  double altitude;
  double verticalSpeed;
};
UnitFactors unitFactors(settings::Form2& s) {
  if (s.UnitsKnots.value()) return {1.9438, 3.2808, 60};
  if (s.UnitMiles.value()) return {2.2369, 3.2808, 60};
  if (s.UnitKiloMeters.value()) return {3.59999999712, 1, 18.288};
  return {1, 1, 18.288};
}

// Metres of pressure altitude to hundreds of feet.
constexpr double kModeCPerMetre = 0.032808;

float scaled(float v, double factor) {
  return static_cast<float>(static_cast<double>(v) * factor);
}

}  // namespace

EfisDecoder::EfisDecoder(App& app) : app_(app) {}

void EfisDecoder::ParseEFISData() {
  parse(true);
}

// The export decodes the lines of a loaded file one after another: recording
// them into the live record file or refreshing the displays with them would
// mix file data into the live record.
void EfisDecoder::ParseEFISDataForExport() {
  parse(false);
}

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
      changeAge(app_.SourceDataAge[kEFIS], 30 - app_.SourceDataAge[kEFIS]);
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
  using columns::decimal;
  using columns::integer;
  App& a = app_;
  const std::string_view line = a.EFISLine;

  a.EFISHour = integer(line, 1, 2);
  a.EFISMinute = integer(line, 3, 2);
  a.EFISSecond = integer(line, 5, 2);
  if (a.EFISSecond != lastSecond_) {
    lastSecond_ = a.EFISSecond;
    a.EFISSecondCount = 0;
  } else if (a.EFISSecondCount < 32767) {
    // A file of records all stamped with one second stops counting here.
    ++a.EFISSecondCount;
  }

  a.EFISPitch = decimal(line, 9, 3, 1);
  a.EFISRoll = decimal(line, 13, 4, 1);
  a.EFISHeading = integer(line, 18, 3);
  a.EFISAirspeed = decimal(line, 21, 3, 1);

  // Six hex digits: a value below 2^24, bit i into element i.
  const std::uint32_t status = columns::hex(line, 42, 6);
  for (int i = 23; i >= 0; --i) a.EFISStatusBits[static_cast<std::size_t>(i)] = ((status >> i) & 1U) != 0;

  const UnitFactors units = unitFactors(a.form2());
  const auto altitude = static_cast<float>(platform::readNumber(columns::text(line, 25, 5)));
  if (!a.EFISStatusBits[0]) {
    a.EFISAltitude = altitude;
    a.EFISTurnRate = decimal(line, 30, 3, 1);
    a.EFISAirspeed = scaled(a.EFISAirspeed, units.airspeed);
    a.EFISAltitude = scaled(a.EFISAltitude, units.altitude);
  } else {
    a.EFISPressureAltitude = altitude;
    a.EFISVerticalSpeed = decimal(line, 30, 3, 1);
    // The Mode C input is taken from the metres as received, whatever the units.
    a.ModeCAltitude = platform::toInt16(static_cast<double>(a.EFISPressureAltitude) * kModeCPerMetre);
    a.EFISAirspeed = scaled(a.EFISAirspeed, units.airspeed);
    a.EFISPressureAltitude = scaled(a.EFISPressureAltitude, units.altitude);
    a.EFISVerticalSpeed = scaled(a.EFISVerticalSpeed, units.verticalSpeed);
  }

  a.EFISLateralG = decimal(line, 34, 2, 1);
  a.EFISVerticalG = decimal(line, 37, 2, 1);
  a.EFISAOA = integer(line, 40, 2);
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
