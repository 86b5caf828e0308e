// The engine record of a Dynon CSV log: fixed-position hexadecimal fields.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/app.h"
#include "devices/dynon_captions.h"
#include "devices/dynon_decoder.h"
#include "devices/fixed_columns.h"
#include "platform/numbers.h"
#include "screens/dynon_gauges.h"
#include "screens/form4.h"
#include "screens/screens.h"

namespace devices {

namespace {

// Shorter records are shown but marked bad and do not reach the gauges.
constexpr std::size_t kShortestGoodRecord = 100;

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
  using columns::hex;
  using columns::signedHex;
  static constexpr platform::DisplayPattern kTwoDigits{"00"};
  const std::string_view line = app_.EMSLine;
  const std::size_t length = line.size();
  screens::Form4& f = app_.form4();
  dynon::RememberedCaptions& m = *remembered_;
  // Values shown as plain number text, never converted; /16 fields carry sixteenths.
  auto show = [](platform::Label& label, platform::RememberedPattern<double>& text, double v) {
    label.setCaption(text(v));
  };
  auto sixteenths = [](double raw) { return raw / 16.0; };
  dynon::EngineReadings r;

  f.EMSTime.setCaption(columns::Joined() << kTwoDigits(hex(line, 3, 2)) << ":" << kTwoDigits(hex(line, 5, 2))
                                         << "." << kTwoDigits(hex(line, 7, 2)));
  r.oilPressure = hex(line, 9, 2);
  r.manifoldPressure = sixteenths(signedHex(line, 11));
  r.oilTemperature = signedHex(line, 15);
  r.fuelPressure = sixteenths(signedHex(line, 19));
  show(f.EMSVoltage, m.voltage, sixteenths(signedHex(line, 23)));
  show(f.EMSAmps, m.amps, sixteenths(signedHex(line, 27)));
  show(f.EMSRPM, m.rpm, signedHex(line, 31));
  r.fuelFlow = sixteenths(signedHex(line, 35));
  r.fuelRemaining = sixteenths(signedHex(line, 39));
  r.quantity1 = sixteenths(signedHex(line, 43));
  r.quantity2 = sixteenths(signedHex(line, 47));
  show(f.EMSGP1, m.gp1, sixteenths(signedHex(line, 51)));
  show(f.EMSGP2, m.gp2, sixteenths(signedHex(line, 55)));
  show(f.EMSGP3, m.gp3, sixteenths(signedHex(line, 59)));
  r.thermocouple = signedHex(line, 63);
  for (std::size_t i = 0; i < 6; ++i) r.egt[i] = hex(line, 67 + 3 * i, 3);
  for (std::size_t i = 0; i < 6; ++i) r.cht[i] = hex(line, 85 + 3 * i, 3);
  show(f.HobbsTime, m.hobbs, sixteenths(hex(line, 105, 6)));
  show(f.TachTime, m.tach, sixteenths(hex(line, 111, 6)));

  m.units.show(f, r, englishUnits());

  // One lamp per contact input: bright green while its bit is set.
  const std::uint32_t contacts = hex(line, 103, 2);
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
