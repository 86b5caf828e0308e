#include "devices/dynon_captions.h"

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
  platform::Label Form4::*label;
  P english;
  Conversion metric;
  P metricPattern;
};
constexpr UnitCaption egt(platform::Label Form4::*label) {
  return {label, P("###0"), kCelsius, P("###0")};
}
constexpr UnitCaption cht(platform::Label Form4::*label) {
  return {label, P("##0"), kCelsius, P("##0")};
}

// label | English pattern | metric conversion and pattern
// clang-format off
constexpr UnitCaption kCaptions[kReadings] = {
    {&Form4::EMSManPres, P("00.00"), kMillibars, P("0000")},
    {&Form4::EMSOilTemp, P("##0"), kCelsius, P("##0")},
    {&Form4::EMSOilPres, P("##0"), kBars, P("#0.0")},
    {&Form4::EMSFuelPressure, P("#0.0"), kBars, P("0.00")},
    {&Form4::EMSFuelFlow, P("#0.0"), kLitres, P("##0.0")},
    {&Form4::EMSFuelRemaining, P("##0.0"), kLitres, P("###0.0")},
    {&Form4::EMSQuantity1, P("#0.0"), kLitres, P("##0.0")},
    {&Form4::EMSQuantity2, P("#0.0"), kLitres, P("##0.0")},
    {&Form4::EMSGPThermocouple, P("###0"), kCelsius, P("###0")},
    egt(&Form4::EMSEGT1), egt(&Form4::EMSEGT2), egt(&Form4::EMSEGT3),
    egt(&Form4::EMSEGT4), egt(&Form4::EMSEGT5), egt(&Form4::EMSEGT6),
    cht(&Form4::EMSCHT1), cht(&Form4::EMSCHT2), cht(&Form4::EMSCHT3),
    cht(&Form4::EMSCHT4), cht(&Form4::EMSCHT5), cht(&Form4::EMSCHT6),
};
// clang-format on

}  // namespace

void UnitCaptions::show(Form4& f, const EngineReadings& r, bool english) {
  for (std::size_t k = 0; k < kReadings; ++k) {
    const UnitCaption& c = kCaptions[k];
    if (english) {
      (f.*c.label).setCaption(english_[k](r[k], c.english));
    } else {
      const Conversion m = c.metric;
      (f.*c.label).setCaption(metric_[k](r[k], [&](double v) {
        return c.metricPattern((v - m.offset) * m.factor);
      }));
    }
  }
}

}  // namespace devices::dynon
