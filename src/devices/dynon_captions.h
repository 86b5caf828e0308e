#pragma once
// What the two Dynon decoders share: the engine values that take a unit
// choice, and the captions of the engine data screen they become.

#include <array>
#include <cstddef>

#include "platform/text_memo.h"

namespace screens {
class Form4;
}

namespace devices::dynon {

// The engine values that take a unit choice, as decoded from a record, in
// the monitor's own English units: inches of mercury, °F, PSI, gallons per
// hour and gallons.
struct EngineReadings {
  double manifoldPressure = 0, oilTemperature = 0, oilPressure = 0, fuelPressure = 0, fuelFlow = 0;
  double fuelRemaining = 0, quantity1 = 0, quantity2 = 0, thermocouple = 0;
  std::array<double, 6> egt{}, cht{};  // cylinders 1 to 6
};
constexpr std::size_t kReadings = 9 + 6 + 6;

// Their captions, in English units or in metric ones (millibars, °C, bars and
// litres).
class UnitCaptions {
 public:
  // Writes them in the order the recorder and the gauges expect: manifold
  // pressure, oil temperature and pressure, fuel pressure, flow, remaining
  // and the two quantities, the thermocouple, EGT 1 to 6, CHT 1 to 6.
  void show(screens::Form4& form, const EngineReadings& r, bool english);

 private:
  // The texts of each reading's recent values, per unit set.
  std::array<platform::TextMemo, kReadings> english_;
  std::array<platform::TextMemo, kReadings> metric_;
};

// The texts both decoders remember by the values they came from.
struct RememberedCaptions {
  UnitCaptions units;
  // The CSV record's plain number texts.
  platform::RememberedPattern<double> voltage, amps, rpm, gp1, gp2, gp3, hobbs, tach;
};

}  // namespace devices::dynon
