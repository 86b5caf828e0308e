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

// The engine values that take a unit choice, in the order of their captions.
// Each is held in the monitor's own English units: inches of mercury, °F,
// PSI, gallons per hour and gallons.
enum Reading : std::size_t {
  kManifoldPressure,
  kOilTemperature,
  kOilPressure,
  kFuelPressure,
  kFuelFlow,
  kFuelRemaining,
  kQuantity1,
  kQuantity2,
  kThermocouple,
  kEGT1,              // to kEGT1 + 5
  kCHT1 = kEGT1 + 6,  // to kCHT1 + 5
  kReadings = kCHT1 + 6
};
using EngineReadings = std::array<double, kReadings>;

// Their captions, in English units or in metric ones (millibars, °C, bars and
// litres).
class UnitCaptions {
 public:
  // Writes them in reading order, the order the recorder and the gauges
  // expect.
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
