#include "devices/dynon_captions.h"

#include <iterator>

#include "platform/numbers.h"
#include "screens/form4.h"

namespace devices::dynon {

namespace {

using P = platform::DisplayPattern;
using screens::Form4;

// Metric value = (value - offset) x factor, in double precision.
struct Conversion {
  double offset;
  double factor;
};
constexpr Conversion kMillibars{0, 33.86388};  // from inches of mercury
constexpr Conversion kBars{0, 0.06895};        // from PSI
constexpr Conversion kLitres{0, 3.785};        // from gallons
constexpr Conversion kCelsius{32, 0.556};      // from °F

struct UnitCaption {
  P english;
  Conversion metric;
  P metricPattern;
};
constexpr UnitCaption kEGT{P("###0"), kCelsius, P("###0")};
constexpr UnitCaption kCHT{P("##0"), kCelsius, P("##0")};

// label | reading | English pattern | metric conversion and pattern
struct Row {
  platform::Label Form4::*label;
  double EngineReadings::*value;
  UnitCaption caption;
};
// clang-format off
constexpr Row kRows[] = {
    {&Form4::EMSManPres, &EngineReadings::manifoldPressure, {P("00.00"), kMillibars, P("0000")}},
    {&Form4::EMSOilTemp, &EngineReadings::oilTemperature, {P("##0"), kCelsius, P("##0")}},
    {&Form4::EMSOilPres, &EngineReadings::oilPressure, {P("##0"), kBars, P("#0.0")}},
    {&Form4::EMSFuelPressure, &EngineReadings::fuelPressure, {P("#0.0"), kBars, P("0.00")}},
    {&Form4::EMSFuelFlow, &EngineReadings::fuelFlow, {P("#0.0"), kLitres, P("##0.0")}},
    {&Form4::EMSFuelRemaining, &EngineReadings::fuelRemaining, {P("##0.0"), kLitres, P("###0.0")}},
    {&Form4::EMSQuantity1, &EngineReadings::quantity1, {P("#0.0"), kLitres, P("##0.0")}},
    {&Form4::EMSQuantity2, &EngineReadings::quantity2, {P("#0.0"), kLitres, P("##0.0")}},
    {&Form4::EMSGPThermocouple, &EngineReadings::thermocouple, {P("###0"), kCelsius, P("###0")}},
};
// clang-format on
constexpr platform::Label Form4::*kEGTLabels[6] = {&Form4::EMSEGT1, &Form4::EMSEGT2, &Form4::EMSEGT3,
                                                   &Form4::EMSEGT4, &Form4::EMSEGT5, &Form4::EMSEGT6};
constexpr platform::Label Form4::*kCHTLabels[6] = {&Form4::EMSCHT1, &Form4::EMSCHT2, &Form4::EMSCHT3,
                                                   &Form4::EMSCHT4, &Form4::EMSCHT5, &Form4::EMSCHT6};
static_assert(std::size(kRows) + 6 + 6 == kReadings);

}  // namespace

void UnitCaptions::show(Form4& f, const EngineReadings& r, bool english) {
  std::size_t k = 0;
  auto put = [&](platform::Label& label, const UnitCaption& c, double v) {
    if (english) {
      label.setCaption(english_[k](v, c.english));
    } else {
      const Conversion m = c.metric;
      label.setCaption(metric_[k](v, [&](double x) { return c.metricPattern((x - m.offset) * m.factor); }));
    }
    ++k;
  };
  for (const Row& row : kRows) put(f.*row.label, row.caption, r.*row.value);
  for (std::size_t i = 0; i < 6; ++i) put(f.*kEGTLabels[i], kEGT, r.egt[i]);
  for (std::size_t i = 0; i < 6; ++i) put(f.*kCHTLabels[i], kCHT, r.cht[i]);
}

}  // namespace devices::dynon
