#include "devices/dynon_captions.h"

#include "platform/numbers.h"
#include "screens/form4.h"

namespace devices::dynon {

namespace {

constexpr double kMillibarsPerInchHg = 33.86388;
constexpr double kBarsPerPSI = 0.06895;
constexpr double kLitresPerGallon = 3.785;
constexpr double kCelsiusPerFahrenheitDegree = 0.556;

double celsius(double fahrenheit) {
  return (fahrenheit - 32) * kCelsiusPerFahrenheitDegree;
}

void show(platform::Label& label, double value, std::string_view pattern) {
  label.setCaption(platform::formatNumber(value, pattern));
}

}  // namespace

void showUnitCaptions(screens::Form4& f, const EngineReadings& r, bool english) {
  if (english) {
    show(f.EMSManPres, r.manifoldPressure, "00.00");
    show(f.EMSOilTemp, r.oilTemperature, "##0");
    show(f.EMSOilPres, r.oilPressure, "##0");
    show(f.EMSFuelPressure, r.fuelPressure, "#0.0");
    show(f.EMSFuelFlow, r.fuelFlow, "#0.0");
    show(f.EMSFuelRemaining, r.fuelRemaining, "##0.0");
    show(f.EMSQuantity1, r.quantity1, "#0.0");
    show(f.EMSQuantity2, r.quantity2, "#0.0");
    show(f.EMSGPThermocouple, r.thermocouple, "###0");
  } else {
    show(f.EMSManPres, r.manifoldPressure * kMillibarsPerInchHg, "0000");
    show(f.EMSOilTemp, celsius(r.oilTemperature), "##0");
    show(f.EMSOilPres, r.oilPressure * kBarsPerPSI, "#0.0");
    show(f.EMSFuelPressure, r.fuelPressure * kBarsPerPSI, "0.00");
    show(f.EMSFuelFlow, r.fuelFlow * kLitresPerGallon, "##0.0");
    show(f.EMSFuelRemaining, r.fuelRemaining * kLitresPerGallon, "###0.0");
    show(f.EMSQuantity1, r.quantity1 * kLitresPerGallon, "##0.0");
    show(f.EMSQuantity2, r.quantity2 * kLitresPerGallon, "##0.0");
    show(f.EMSGPThermocouple, celsius(r.thermocouple), "###0");
  }
  platform::Label* const egt[6] = {&f.EMSEGT1, &f.EMSEGT2, &f.EMSEGT3, &f.EMSEGT4, &f.EMSEGT5, &f.EMSEGT6};
  platform::Label* const cht[6] = {&f.EMSCHT1, &f.EMSCHT2, &f.EMSCHT3, &f.EMSCHT4, &f.EMSCHT5, &f.EMSCHT6};
  for (std::size_t i = 0; i < 6; ++i) show(*egt[i], english ? r.egt[i] : celsius(r.egt[i]), "###0");
  for (std::size_t i = 0; i < 6; ++i) show(*cht[i], english ? r.cht[i] : celsius(r.cht[i]), "##0");
}

std::string_view columns(std::string_view line, std::size_t first, std::size_t count) {
  if (first > line.size()) return {};
  return line.substr(first - 1, count);
}

}  // namespace devices::dynon
