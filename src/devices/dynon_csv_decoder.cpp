// The engine record of a Dynon CSV log: fixed-position hexadecimal fields.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/app.h"
#include "devices/dynon_captions.h"
#include "devices/dynon_decoder.h"
#include "platform/numbers.h"
#include "screens/dynon_gauges.h"
#include "screens/form4.h"
#include "screens/screens.h"

namespace devices {

namespace {

using dynon::columns;

// Shorter records are shown but marked bad and do not reach the gauges.
constexpr std::size_t kShortestGoodRecord = 100;

// An unsigned field of `digits` hexadecimal digits; reading stops at the first
// character that is not one, and a field past the end of the record reads 0.
std::uint32_t hexField(std::string_view line, std::size_t first, std::size_t digits) {
  return static_cast<std::uint32_t>(platform::readHex(columns(line, first, digits)));
}

// A four-digit field in 16-bit two's complement: 8000 to FFFF are negative.
double signedField(std::string_view line, std::size_t first) {
  const std::uint32_t v = hexField(line, first, 4);
  return v >= 0x8000 ? static_cast<double>(v) - 65536.0 : static_cast<double>(v);
}

// A field that carries sixteenths.
double sixteenths(double raw) {
  return raw / 16.0;
}

}  // namespace

// A record, columns 1-66 and 67-116:
//   XX0C1E2D2D01DF00D4004800DCFFE00A8C00C80238012001180019FFF88000015E
//   5505645785795DC5DD17C1A91AA1C21C31900500C350001234
// 1-2 not read | 3-8 time h m s (12:30.45) | 9-10 oil pressure | 11-14 manifold pressure /16 |
// 15-18 oil temperature | 19-22 fuel pressure /16 | 23-26 voltage /16 | 27-30 amperes /16 | 31-34 RPM |
// 35-38 fuel flow /16 | 39-42 fuel remaining /16 | 43-46, 47-50 quantities /16 |
// 51-62 three general-purpose inputs /16 | 63-66 thermocouple | 67-84 EGT 1-6 | 85-102 CHT 1-6 |
// 103-104 contact bits | 105-110 hour meter /16 | 111-116 tach time /16.
// Four-digit fields are signed, the others unsigned.
void DynonDecoder::ParseCSVFile() {
  const std::string_view line = app_.EMSLine;
  const std::size_t length = line.size();
  screens::Form4& f = app_.form4();
  dynon::EngineReadings r;

  std::string time = platform::formatNumber(hexField(line, 3, 2), "00");
  time += ':';
  time += platform::formatNumber(hexField(line, 5, 2), "00");
  time += '.';
  time += platform::formatNumber(hexField(line, 7, 2), "00");

  r.oilPressure = hexField(line, 9, 2);
  r.manifoldPressure = sixteenths(signedField(line, 11));
  r.oilTemperature = signedField(line, 15);
  r.fuelPressure = sixteenths(signedField(line, 19));
  const double voltage = sixteenths(signedField(line, 23));
  const double amps = sixteenths(signedField(line, 27));
  const auto rpm = static_cast<std::int32_t>(signedField(line, 31));
  r.fuelFlow = sixteenths(signedField(line, 35));
  r.fuelRemaining = sixteenths(signedField(line, 39));
  r.quantity1 = sixteenths(signedField(line, 43));
  r.quantity2 = sixteenths(signedField(line, 47));
  std::array<double, 3> general{};
  for (std::size_t i = 0; i < 3; ++i) general[i] = sixteenths(signedField(line, 51 + 4 * i));
  r.thermocouple = signedField(line, 63);
  for (std::size_t i = 0; i < 6; ++i) r.egt[i] = hexField(line, 67 + 3 * i, 3);
  for (std::size_t i = 0; i < 6; ++i) r.cht[i] = hexField(line, 85 + 3 * i, 3);
  const double hobbs = sixteenths(hexField(line, 105, 6));
  const double tach = sixteenths(hexField(line, 111, 6));

  // Values shown as plain number text, never converted.
  f.EMSTime.setCaption(time);
  f.EMSVoltage.setCaption(platform::numberText(voltage));
  f.EMSAmps.setCaption(platform::numberText(amps));
  f.EMSRPM.setCaption(platform::numberText(rpm));
  f.EMSGP1.setCaption(platform::numberText(general[0]));
  f.EMSGP2.setCaption(platform::numberText(general[1]));
  f.EMSGP3.setCaption(platform::numberText(general[2]));
  f.HobbsTime.setCaption(platform::numberText(hobbs));
  f.TachTime.setCaption(platform::numberText(tach));

  dynon::showUnitCaptions(f, r, englishUnits());

  // One lamp per contact input: bright green while its bit is set.
  const std::uint32_t contacts = hexField(line, 103, 2);
  for (int i = 7; i >= 0; --i)
    f.EMS_Contact[i].setFillColor(((contacts >> i) & 1u) != 0 ? platform::color::BrightGreen
                                                              : platform::color::Green);

  if (length < kShortestGoodRecord) {
    app_.EMSParseError = 10;
    return;
  }
  f.RecordLength.setCaption(platform::numberText(length));
  app_.EMSParseError = 0;
  app_.instruments().dynon().PopulateEMSGuages();
}

}  // namespace devices
