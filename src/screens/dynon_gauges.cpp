#include "screens/dynon_gauges.h"

#include <cmath>
#include <cstdint>

#include "app/app.h"
#include "devices/engine_limits.h"
#include "platform/numbers.h"
#include "platform/text_memo.h"
#include "platform/vb.h"
#include "screens/form10.h"
#include "screens/form4.h"
#include "settings/form13.h"
#include "settings/form2.h"

namespace screens {

namespace {

// Working values in reading order.
enum Reading : std::size_t {
  kManifoldPressure,
  kRPM,
  kOilPressure,
  kOilTemperature,
  kVoltage,
  kAmps,
  kFuelPressure,
  kFuelFlow,
  kQuantity1,
  kQuantity2,
  kCHT1,              // to kCHT1 + 5
  kEGT1 = kCHT1 + 6,  // to kEGT1 + 5
};
static_assert(kEGT1 + 6 == DynonGauges::kReadings);

// A number read back from a caption, in single precision; a value that a
// single cannot hold is an overflow.
float single(double v) {
  if (platform::beyondSingle(v)) throw platform::RunError(platform::err::Overflow, "Overflow");
  return static_cast<float>(v);
}

// The readouts' patterns, each remembering the texts of its recent values.
// A text depends on the value alone, so one set serves every gauge screen of
// the process.
using Shown = platform::RememberedPattern<float>;
Shown oilTemperatureShown{"###0"}, voltageShown{"##0.0"}, ampsShown{"##0"}, fuelPressureShown{"##0.0"},
    fuelPressureMetricShown{"#0.00"}, oilPressureShown{"###0"}, oilPressureMetricShown{"##0.0"},
    fuelFlowShown{"##0.0"}, quantity1Shown{"#0.0"}, quantity2Shown{"#0.0"};
std::array<Shown, 6> chtShown{Shown{"###0"}, Shown{"###0"}, Shown{"###0"},
                              Shown{"###0"}, Shown{"###0"}, Shown{"###0"}};
std::array<Shown, 6> egtShown = chtShown;

}  // namespace

DynonGauges::DynonGauges(App& app) : app_(app) {}

bool DynonGauges::englishUnits() {
  settings::Form2& s = app_.form2();
  return s.UnitsKnots.value() || s.UnitMiles.value();
}

void DynonGauges::smooth(std::array<float, kReadings>& values) {
  history_[next_] = values;
  // Each reading's sum runs from its oldest sample to its newest, which sits
  // at next_; all readings are summed side by side.
  std::array<float, kReadings> sum{};
  auto add = [&](std::size_t slot) {
    for (std::size_t k = 0; k < kReadings; ++k) sum[k] += history_[slot][k];
  };
  for (std::size_t slot = next_ + 1; slot < kWindow; ++slot) add(slot);
  for (std::size_t slot = 0; slot <= next_; ++slot) add(slot);
  for (std::size_t k = 0; k < kReadings; ++k) {
    if (!std::isfinite(sum[k])) throw platform::RunError(platform::err::Overflow, "Overflow");
    values[k] = sum[k] / 10.0f;
  }
  next_ = (next_ + 1) % kWindow;
}

void DynonGauges::PopulateEMSGuages() {
  Form4& data = app_.form4();
  const platform::Label* const captions[kReadings] = {
      &data.EMSManPres, &data.EMSRPM,          &data.EMSOilPres,  &data.EMSOilTemp,   &data.EMSVoltage,
      &data.EMSAmps,    &data.EMSFuelPressure, &data.EMSFuelFlow, &data.EMSQuantity1, &data.EMSQuantity2,
      &data.EMSCHT1,    &data.EMSCHT2,         &data.EMSCHT3,     &data.EMSCHT4,      &data.EMSCHT5,
      &data.EMSCHT6,    &data.EMSEGT1,         &data.EMSEGT2,     &data.EMSEGT3,      &data.EMSEGT4,
      &data.EMSEGT5,    &data.EMSEGT6};
  std::array<float, kReadings> v{};
  for (std::size_t k = 0; k < kReadings; ++k) v[k] = single(platform::readNumber(captions[k]->caption()));

  // Live data are smoothed on request; played-back data never, and their
  // records leave the windows as they are.
  if (app_.form13().FilterDisplay.value() == 1 && !app_.form2().EMS_FILE.value()) smooth(v);

  Form10& g = app_.form10();
  g.ManifoldPressureGuage.setPosition(v[kManifoldPressure]);
  g.ManifoldPressureLabel.setValue(v[kManifoldPressure]);
  g.TachGuage.setPosition(v[kRPM]);
  g.TachLabel.setValue(v[kRPM]);
  g.OilPresGuage.setPosition(v[kOilPressure]);
  g.OilTempGuage.setPosition(v[kOilTemperature]);
  g.OilTempLabel.setCaption(oilTemperatureShown(v[kOilTemperature]));
  // Bars: pointer 1 marks the same value as the main pointer.
  g.VoltageGuage.setPosition(v[kVoltage]);
  g.VoltageGuage.setAdditionalPointerPosition(1, v[kVoltage]);
  g.VoltageLabel.setCaption(voltageShown(v[kVoltage]));
  g.AmpsGuage.setPosition(v[kAmps]);
  g.AmpsGuage.setAdditionalPointerPosition(1, v[kAmps]);
  g.AmpsLabel.setCaption(ampsShown(v[kAmps]));
  g.FuelPresGuage.setPosition(v[kFuelPressure]);
  g.FuelPresGuage.setAdditionalPointerPosition(1, v[kFuelPressure]);
  // Bars and millibars carry more decimals than PSI.
  if (englishUnits()) {
    g.FuelPresLabel.setCaption(fuelPressureShown(v[kFuelPressure]));
    g.OilPresLabel.setCaption(oilPressureShown(v[kOilPressure]));
  } else {
    g.FuelPresLabel.setCaption(fuelPressureMetricShown(v[kFuelPressure]));
    g.OilPresLabel.setCaption(oilPressureMetricShown(v[kOilPressure]));
  }
  g.FuelFlowGuage.setPosition(v[kFuelFlow]);
  g.FuelFlowGuage.setAdditionalPointerPosition(1, v[kFuelFlow]);
  g.FuelFlowLabel.setCaption(fuelFlowShown(v[kFuelFlow]));
  g.FuelQtyLeftGuage.setPosition(v[kQuantity1]);
  g.FuelQtyLeftLabel.setCaption(quantity1Shown(v[kQuantity1]));
  g.FuelQtyRightGuage.setPosition(v[kQuantity2]);
  g.FuelQtyRightLabel.setCaption(quantity2Shown(v[kQuantity2]));

  // Every cylinder is written, shown or not, so showing it again shows the
  // current values at once. Limits compare strictly: a value equal to a limit
  // has not passed it.
  const std::array<std::int16_t, 6>& limit = app_.EngineTempLimit;
  for (int i = 0; i <= 5; ++i) {
    const float c = v[kCHT1 + static_cast<std::size_t>(i)];
    g.CHTLabel[i].setCaption(chtShown[static_cast<std::size_t>(i)](c));
    platform::LinearGauge& bar = g.CHTGuage[i];
    bar.setPosition(c);
    bar.setPointerColor(devices::chtColour(c, limit));
  }
  // The EGT rides on its cylinder's CHT bar: EGT minimum at the bar's CHT
  // minimum, scaled by EGTToCHTScale.
  for (int i = 0; i <= 5; ++i) {
    const float e = v[kEGT1 + static_cast<std::size_t>(i)];
    g.EGTLabel[i].setCaption(egtShown[static_cast<std::size_t>(i)](e));
    const platform::OleColor k = devices::egtColour(e, limit);
    platform::LinearGauge& bar = g.CHTGuage[i];
    bar.setAdditionalPointerColor(1, k);
    bar.setAdditionalPointerColor(2, k);
    const float place =
        (e - static_cast<float>(limit[kEGTMin])) * app_.EGTToCHTScale + static_cast<float>(limit[kCHTMin]);
    const std::int16_t p = platform::toInt16(place);
    bar.setAdditionalPointerPosition(1, p);
    bar.setAdditionalPointerPosition(2, p);
  }
}

}  // namespace screens
