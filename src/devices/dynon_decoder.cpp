#include "devices/dynon_decoder.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "app/app.h"
#include "devices/dynon_captions.h"
#include "devices/fixed_columns.h"
#include "platform/numbers.h"
#include "platform/vb.h"
#include "screens/dynon_gauges.h"
#include "screens/form4.h"
#include "screens/screens.h"
#include "settings/form2.h"

namespace devices {

namespace {

// A complete engine text record; the live port counts a line as link activity
// from 111 characters on.
constexpr std::size_t kRecordLength = 119;
constexpr std::size_t kLiveActivityLength = 110;

}  // namespace

DynonDecoder::DynonDecoder(App& app)
    : app_(app), remembered_(std::make_unique<dynon::RememberedCaptions>()) {}
DynonDecoder::~DynonDecoder() = default;

bool DynonDecoder::englishUnits() {
  settings::Form2& s = app_.form2();
  return s.UnitsKnots.value() || s.UnitMiles.value();
}

// A record, columns 1-67 and 68-119:
//   123045072992212045045138-052451250356180175GP1 12.5GP2100.0GP3  0.0
//   0350136013801400140115001501380425426450451400ZZZZZZ
// 1-8 time (1230:45.07) | 9-12 manifold pressure, 2 decimals | 13-15 oil temperature | 16-18 oil pressure |
// 19-21 fuel pressure, 1 decimal | 22-24 voltage | 25-27 amperes | 28-30 RPM in tens | 31-33 fuel flow |
// 34-37 fuel remaining | 38-40, 41-43 quantities | 44-67 three general-purpose inputs, name and value |
// 68-71 thermocouple | 72-95 EGT 1-6 | 96-113 CHT 1-6 | 114-119 not read
void DynonDecoder::ParseEMSDynonData() {
  using columns::decimal;
  using columns::integer;
  using columns::Joined;
  const std::string_view line = app_.EMSLine;
  auto c = [line](std::size_t first, std::size_t count) { return columns::text(line, first, count); };
  const bool live = app_.form2().EMS_COMM.value();
  try {
    screens::Form4& f = app_.form4();
    dynon::EngineReadings r;
    f.EMSTime.setCaption(Joined() << c(1, 4) << ":" << c(5, 2) << "." << c(7, 2));
    r.manifoldPressure = decimal(line, 9, 2, 2);
    r.oilTemperature = integer(line, 13, 3);
    r.oilPressure = integer(line, 16, 3);
    r.fuelPressure = decimal(line, 19, 2, 1);
    // Voltage, current and RPM are shown as the monitor sends them.
    f.EMSVoltage.setCaption(Joined() << c(22, 2) << "." << c(24, 1));
    f.EMSAmps.setCaption(c(25, 3));
    f.EMSRPM.setCaption(Joined() << c(28, 3) << "0");
    r.fuelFlow = decimal(line, 31, 2, 1);
    r.fuelRemaining = decimal(line, 34, 3, 1);
    r.quantity1 = decimal(line, 38, 2, 1);
    r.quantity2 = decimal(line, 41, 2, 1);
    // General-purpose inputs: a three-character name and a five-character value.
    f.EMSGP1.setCaption(Joined() << c(44, 3) << " = " << c(47, 5));
    f.EMSGP2.setCaption(Joined() << c(52, 3) << " = " << c(55, 5));
    f.EMSGP3.setCaption(Joined() << c(60, 3) << " = " << c(63, 5));
    r.thermocouple = integer(line, 68, 4);
    for (std::size_t i = 0; i < 6; ++i) r.egt[i] = integer(line, 72 + 4 * i, 4);
    for (std::size_t i = 0; i < 6; ++i) r.cht[i] = integer(line, 96 + 3 * i, 3);

    // The text record carries no hour meters and no contact inputs.
    f.HobbsTime.setCaption("..");
    f.TachTime.setCaption("..");
    for (platform::Shape& lamp : f.EMS_Contact) lamp.setFillColor(platform::color::Green);

    remembered_->units.show(f, r, englishUnits());

    if (live) {
      // Shorter lines are shown but do not count as link activity.
      if (line.size() > kLiveActivityLength) changeAge(app_.SourceDataAge[kEMS], -2);
    } else {
      if (line.size() != kRecordLength) {
        app_.EMSParseError = 10;
        return;
      }
      app_.EMSParseError = 0;
    }
    app_.instruments().dynon().PopulateEMSGuages();
  } catch (const platform::RunError&) {
    // A record that fails to decode: the live link is marked stale at once, a
    // file record is marked bad; the captions already written stay.
    if (live) {
      changeAge(app_.SourceDataAge[kEMS], 10 - app_.SourceDataAge[kEMS]);
    } else {
      app_.EMSParseError = 10;
    }
  }
}

void DynonDecoder::ParseCSVRecordOrMarkBad() {
  try {
    ParseCSVFile();
  } catch (const platform::RunError&) {
    app_.EMSParseError = 10;
  }
}

}  // namespace devices
