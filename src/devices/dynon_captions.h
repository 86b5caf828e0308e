#pragma once
// What the two Dynon decoders share: the engine values that take a unit
// choice, and the captions of the engine data screen they become.

#include <array>
#include <string_view>

namespace screens {
class Form4;
}

namespace devices::dynon {

// Engine values in the monitor's own English units, as decoded from a record.
struct EngineReadings {
  double manifoldPressure = 0;  // inches of mercury
  double oilTemperature = 0;    // °F
  double oilPressure = 0;       // PSI
  double fuelPressure = 0;      // PSI
  double fuelFlow = 0;          // gallons per hour
  double fuelRemaining = 0;     // gallons
  double quantity1 = 0;         // gallons
  double quantity2 = 0;         // gallons
  double thermocouple = 0;      // °F
  std::array<double, 6> egt{};  // °F, cylinders 1 to 6
  std::array<double, 6> cht{};  // °F, cylinders 1 to 6
};

// Writes the captions that depend on the unit choice, in the order the
// recorder and the gauges expect them: manifold pressure, oil temperature and
// pressure, fuel pressure, flow, remaining and the two quantities, the
// thermocouple, EGT 1 to 6, CHT 1 to 6. Metric shows millibars, °C, bars and
// litres.
void showUnitCaptions(screens::Form4& form, const EngineReadings& r, bool english);

// Columns first .. first + count - 1 (counted from 1) of a record; the part
// beyond its end is missing, so a field past the end is empty.
std::string_view columns(std::string_view line, std::size_t first, std::size_t count);

}  // namespace devices::dynon
