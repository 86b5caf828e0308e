#include "devices/dynon_decoder.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "app/app.h"
#include "devices/dynon_captions.h"
#include "platform/numbers.h"
#include "platform/vb.h"
#include "screens/dynon_gauges.h"
#include "screens/form4.h"
#include "screens/screens.h"
#include "settings/form2.h"

namespace devices {

namespace {

using dynon::columns;

// A complete engine text record; the live port counts a line as link activity
// from 111 characters on.
constexpr std::size_t kRecordLength = 119;
constexpr std::size_t kLiveActivityLength = 110;

// An integer field: the number its columns begin with, in 16 bits.
double integerField(std::string_view line, std::size_t first, std::size_t count) {
  return platform::toInt16(platform::readNumber(columns(line, first, count)));
}

// A caption or number text joined from a few record fields (at most 32
// characters), built in place.
class Joined {
 public:
  Joined& operator<<(std::string_view part) {
    const std::size_t n = std::min(part.size(), sizeof text_ - size_);
    std::copy_n(part.data(), n, text_ + size_);
    size_ += n;
    return *this;
  }
  std::string_view view() const { return {text_, size_}; }

 private:
  char text_[32];
  std::size_t size_ = 0;
};

// A decimal field: the integer columns, a point and the fraction columns read
// as one number, held in single precision.
double decimalField(std::string_view line, std::size_t first, std::size_t intCount, std::size_t fracCount) {
  Joined text;
  text << columns(line, first, intCount) << "." << columns(line, first + intCount, fracCount);
  return static_cast<float>(platform::readNumber(text.view()));
}

void showJoined(platform::Label& label, std::string_view a, std::string_view separator, std::string_view b) {
  Joined text;
  text << a << separator << b;
  label.setCaption(text.view());
}

}  // namespace

DynonDecoder::DynonDecoder(App& app) : app_(app) {}
DynonDecoder::~DynonDecoder() = default;
void DynonDecoder::wire(ScreenId) {}

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
  const std::string_view line = app_.EMSLine;
  const bool live = app_.form2().EMS_COMM.value();
  try {
    screens::Form4& f = app_.form4();
    dynon::EngineReadings r;

    Joined time;
    time << columns(line, 1, 4) << ":" << columns(line, 5, 2) << "." << columns(line, 7, 2);
    f.EMSTime.setCaption(time.view());

    r.manifoldPressure = decimalField(line, 9, 2, 2);
    r.oilTemperature = integerField(line, 13, 3);
    r.oilPressure = integerField(line, 16, 3);
    r.fuelPressure = decimalField(line, 19, 2, 1);

    // Voltage, current and RPM are shown as the monitor sends them.
    showJoined(f.EMSVoltage, columns(line, 22, 2), ".", columns(line, 24, 1));
    f.EMSAmps.setCaption(columns(line, 25, 3));
    showJoined(f.EMSRPM, columns(line, 28, 3), "0", {});

    r.fuelFlow = decimalField(line, 31, 2, 1);
    r.fuelRemaining = decimalField(line, 34, 3, 1);
    r.quantity1 = decimalField(line, 38, 2, 1);
    r.quantity2 = decimalField(line, 41, 2, 1);

    // General-purpose inputs: a three-character name and a five-character value.
    showJoined(f.EMSGP1, columns(line, 44, 3), " = ", columns(line, 47, 5));
    showJoined(f.EMSGP2, columns(line, 52, 3), " = ", columns(line, 55, 5));
    showJoined(f.EMSGP3, columns(line, 60, 3), " = ", columns(line, 63, 5));

    r.thermocouple = integerField(line, 68, 4);
    for (std::size_t i = 0; i < 6; ++i) r.egt[i] = integerField(line, 72 + 4 * i, 4);
    for (std::size_t i = 0; i < 6; ++i) r.cht[i] = integerField(line, 96 + 3 * i, 3);

    // The text record carries no hour meters and no contact inputs.
    f.HobbsTime.setCaption("..");
    f.TachTime.setCaption("..");
    for (platform::Shape& lamp : f.EMS_Contact) lamp.setFillColor(platform::color::Green);

    dynon::showUnitCaptions(f, r, englishUnits());

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
      std::int16_t& age = app_.SourceDataAge[kEMS];
      changeAge(age, 10 - age);
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
