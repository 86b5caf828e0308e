#include "devices/gr_decoder.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/app.h"
#include "devices/gr_field_texts.h"
#include "platform/vb.h"
#include "screens/form11.h"
#include "screens/form5.h"
#include "settings/form2.h"

namespace devices {

// The display texts of every field, one table per display pattern and scale.
struct GrFrameTexts {
  // Engine data screen.
  GrFieldTexts twoDigits{"00", 1, 0, 256};
  GrFieldTexts hours{"#0", 1, 0, 256};
  GrFieldTexts rpm{"#,#00", 1, 0, 65536};
  GrFieldTexts word{"#,##0", 1, 0, 65536};
  GrFieldTexts altitude{"#,##0", 10, 0, 65536};
  GrFieldTexts tenths{"##0.0", 0.1, 0, 65536};
  GrFieldTexts groupedTenths{"#,##0.0", 0.1, 0, 65536};
  GrFieldTexts baro{"00.00", 0.01, 0, 65536};
  // Unit temperature and oil pressure (bytes) and the OAT (byte - 50).
  GrFieldTexts small{"##0", 1, -50, 306};
  GrFieldTexts carb{"###0", 1, -128, 256};
  GrFieldTexts roc{"##,##0", 100, -128, 256};
  // Engine gauge screen.
  GrFieldTexts gaugeWhole{"##0", 1, 0, 65536};
  GrFieldTexts gaugeAltitude{"##,##0", 10, 0, 65536};
  GrFieldTexts gaugeRoc{"###0", 100, -128, 256};
  GrFieldTexts gaugeTenths{"#0.0", 0.1, 0, 65536};
  GrFieldTexts gaugeTemperature{"###0", 1, 0, 65536};
  // Header and time texts being put together.
  std::string scratch;
};

namespace {

using Frame = std::array<std::uint8_t, 301>;

// The two frame headers the monitor sends, as the header text shows them.
constexpr std::string_view kHeaderFEFEFE = "$FE  $FE  $FE";
constexpr std::string_view kHeaderFEFFFE = "$FE  $FF  $FE";

// Indices of EngineTempLimit.
constexpr std::size_t kCHTHighYellow = 0;
constexpr std::size_t kCHTHighRed = 1;
constexpr std::size_t kEGTHighYellow = 2;
constexpr std::size_t kEGTHighRed = 3;
constexpr std::size_t kCHTMin = 4;
constexpr std::size_t kEGTMin = 5;

// Every position a layout reads lies below 73, inside the 301-byte frame
// buffer, whatever the length of the chunk that filled it.
std::int32_t B(const Frame& f, std::size_t k) {
  return f[k];
}
std::int32_t W(const Frame& f, std::size_t k) {
  return f[k] * 256 + f[k + 1];
}
std::int32_t S(const Frame& f, std::size_t k) {
  return f[k] <= 127 ? f[k] : f[k] - 256;
}

// One frame's values, whichever layout it came in. Scaled fields keep their
// raw byte or word: the value shown is raw x 10, x 100, x 0.1 or x 0.01.
struct FrameValues {
  std::int32_t rpm1 = 0;
  std::array<std::int32_t, 6> cht{};
  std::array<std::int32_t, 6> egt{};
  std::array<std::int32_t, 6> aux{};
  std::int32_t airspeed = 0;
  std::int32_t altitudeTens = 0;
  std::int32_t voltageTenths = 0;
  std::int32_t fuelFlowTenths = 0;
  std::int32_t unitTemperature = 0;
  std::int32_t carbTemp = 0;
  std::int32_t rocHundreds = 0;
  std::int32_t oat = 0;
  std::int32_t oilTemp = 0;
  std::int32_t oilPres = 0;
  std::int32_t coolant = 0;
  std::int32_t hourTenths = 0;
  std::int32_t fuelQuantityTenths = 0;
  std::int32_t baroHundredths = 0;
  std::int32_t rpm2 = 0;
};

// "$" hex "  $" hex "  $" hex of the three header bytes: upper-case digits
// without leading zeros, so 00 FE FE reads "$0  $FE  $FE".
std::string_view headerText(const Frame& f, std::string& out) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  out.clear();
  for (std::size_t k = 0; k < 3; ++k) {
    out.append(k == 0 ? "$" : "  $");
    if (f[k] >= 16) out.push_back(kDigits[f[k] >> 4]);
    out.push_back(kDigits[f[k] & 15]);
  }
  return out;
}

// Hours, minutes and seconds side by side, a point before the seconds: "0102.03".
std::string_view timerText(GrFrameTexts& t, std::int32_t h, std::int32_t m, std::int32_t s) {
  t.scratch.assign(t.twoDigits.text(h));
  t.scratch.append(t.twoDigits.text(m));
  t.scratch.push_back('.');
  t.scratch.append(t.twoDigits.text(s));
  return t.scratch;
}

// Hours without a leading zero, then the minutes: "2:05".
std::string_view remainingText(GrFrameTexts& t, std::int32_t h, std::int32_t m) {
  t.scratch.assign(t.hours.text(h));
  t.scratch.push_back(':');
  t.scratch.append(t.twoDigits.text(m));
  return t.scratch;
}

// GR 4000 / 6000, header first:
//   0-2 header  3 RPM  5-15 CHT 1-6  17-27 EGT 1-6  29-31 aux 5-6  33 airspeed
//   35 altitude/10  37 volts x10  39 fuel flow x10  41 unit temperature
//   42 carburettor temperature (signed)  43 rate of climb/100 (signed)
//   44 OAT + 50  45 oil temperature  47 oil pressure  48-54 aux 1-4
//   56 coolant  58 hour meter x10  60 fuel quantity x10
//   62-64 flight timer h m s  65-66 time remaining h m  67 baro x100
//   69 or 71 second RPM, by the header
// Words are big-endian; single numbers are bytes.
FrameValues decode4000(const Frame& f) {
  FrameValues v;
  v.rpm1 = W(f, 3);
  for (std::size_t i = 0; i < 6; ++i) {
    v.cht[i] = W(f, 5 + 2 * i);
    v.egt[i] = W(f, 17 + 2 * i);
  }
  v.aux = {W(f, 48), W(f, 50), W(f, 52), W(f, 54), W(f, 29), W(f, 31)};
  v.airspeed = W(f, 33);
  v.altitudeTens = W(f, 35);
  v.voltageTenths = W(f, 37);
  v.fuelFlowTenths = W(f, 39);
  v.unitTemperature = B(f, 41);
  v.carbTemp = S(f, 42);
  v.rocHundreds = S(f, 43);
  v.oat = B(f, 44) - 50;
  v.oilTemp = W(f, 45);
  v.oilPres = B(f, 47);
  v.coolant = W(f, 56);
  v.hourTenths = W(f, 58);
  v.fuelQuantityTenths = W(f, 60);
  v.baroHundredths = W(f, 67);
  return v;
}

// GR 2000, header first: two cylinders, no carburettor temperature, no second RPM.
//   0-2 header  3 RPM  5-7 CHT 1-2  9-11 EGT 1-2  13 airspeed  15 altitude/10
//   17 volts x10  19 fuel flow x10  21 unit temperature  22 rate of climb/100
//   (signed)  23 OAT + 50  24 coolant  26 oil temperature  28 oil pressure
//   29-31 aux 1-2  33 hour meter x10  35 fuel quantity x10
//   37-39 flight timer h m s  40-41 time remaining h m  42 baro x100
FrameValues decode2000(const Frame& f) {
  FrameValues v;
  v.rpm1 = W(f, 3);
  v.cht[0] = W(f, 5);
  v.cht[1] = W(f, 7);
  v.egt[0] = W(f, 9);
  v.egt[1] = W(f, 11);
  v.aux[0] = W(f, 29);
  v.aux[1] = W(f, 31);
  v.airspeed = W(f, 13);
  v.altitudeTens = W(f, 15);
  v.voltageTenths = W(f, 17);
  v.fuelFlowTenths = W(f, 19);
  v.unitTemperature = B(f, 21);
  v.rocHundreds = S(f, 22);
  v.oat = B(f, 23) - 50;
  v.oilTemp = W(f, 26);
  v.oilPres = B(f, 28);
  v.coolant = W(f, 24);
  v.hourTenths = W(f, 33);
  v.fuelQuantityTenths = W(f, 35);
  v.baroHundredths = W(f, 42);
  return v;
}

// The data screen's value labels, from the engine speed to the second RPM.
void showValues(screens::Form5& s, const FrameValues& v, GrFrameTexts& t) {
  using L = platform::Label screens::Form5::*;
  static constexpr std::array<L, 6> kCHT{&screens::Form5::GRCHT1, &screens::Form5::GRCHT2,
                                         &screens::Form5::GRCHT3, &screens::Form5::GRCHT4,
                                         &screens::Form5::GRCHT5, &screens::Form5::GRCHT6};
  static constexpr std::array<L, 6> kEGT{&screens::Form5::GREGT1, &screens::Form5::GREGT2,
                                         &screens::Form5::GREGT3, &screens::Form5::GREGT4,
                                         &screens::Form5::GREGT5, &screens::Form5::GREGT6};
  static constexpr std::array<L, 6> kAux{&screens::Form5::GRAux1, &screens::Form5::GRAux2,
                                         &screens::Form5::GRAux3, &screens::Form5::GRAux4,
                                         &screens::Form5::GRAux5, &screens::Form5::GRAux6};
  s.GRRPM1.setCaption(t.rpm.text(v.rpm1));
  for (std::size_t i = 0; i < 6; ++i) (s.*kCHT[i]).setCaption(t.word.text(v.cht[i]));
  for (std::size_t i = 0; i < 6; ++i) (s.*kEGT[i]).setCaption(t.word.text(v.egt[i]));
  for (std::size_t i = 0; i < 6; ++i) (s.*kAux[i]).setCaption(t.word.text(v.aux[i]));
  s.GRAirspeed.setCaption(t.word.text(v.airspeed));
  s.GRAltitude.setCaption(t.altitude.text(v.altitudeTens));
  s.GRVoltage.setCaption(t.tenths.text(v.voltageTenths));
  s.GRFuelFlow.setCaption(t.tenths.text(v.fuelFlowTenths));
  s.GRUnitTemperature.setCaption(t.small.text(v.unitTemperature));
  s.GRCarbTemp.setCaption(t.carb.text(v.carbTemp));
  s.GRROC.setCaption(t.roc.text(v.rocHundreds));
  s.GROAT.setCaption(t.small.text(v.oat));
  s.GROilTemp.setCaption(t.word.text(v.oilTemp));
  s.GROilPres.setCaption(t.small.text(v.oilPres));
  s.GRCoolantTemp.setCaption(t.word.text(v.coolant));
  s.GRHourMeter.setCaption(t.groupedTenths.text(v.hourTenths));
  s.GRFuelQuantity.setCaption(t.groupedTenths.text(v.fuelQuantityTenths));
  s.GRBaroSetting.setCaption(t.baro.text(v.baroHundredths));
  s.GRRPM2.setCaption(t.rpm.text(v.rpm2));
}

// A bar and its "same value" marker on pointer 1.
void setBar(platform::LinearGauge& bar, double value) {
  bar.setPosition(value);
  bar.setAdditionalPointerPosition(1, value);
}

// Limit colours: a value equal to a limit takes the lower colour.
platform::OleColor chtColor(std::int32_t cht, const std::array<std::int16_t, 6>& limit) {
  if (cht > limit[kCHTHighRed]) return platform::color::Red;
  if (cht > limit[kCHTHighYellow]) return platform::color::Yellow;
  return platform::color::Green;
}

platform::OleColor egtColor(std::int32_t egt, const std::array<std::int16_t, 6>& limit) {
  if (egt > limit[kEGTHighRed]) return platform::color::Red;
  if (egt > limit[kEGTHighYellow]) return platform::color::Yellow;
  return platform::color::White;
}

// The gauge screen: dials, bars, readouts, and the cylinder bars with the
// EGT placed on the CHT scale on pointers 1 and 2.
void showGauges(screens::Form11& g, const FrameValues& v, GrFrameTexts& t,
                const std::array<std::int16_t, 6>& limit, float egtToCht) {
  const double airspeed = v.airspeed;
  g.AirspeedGuage.setAirspeed(airspeed);
  g.AirspeedLabel.setCaption(t.gaugeWhole.text(v.airspeed));

  g.AltitudeGuage.setAltitude(v.altitudeTens * 10.0);
  g.AltitudeGuage.setBaroSetting(v.baroHundredths * 0.01);
  g.AltitudeLabel.setCaption(t.gaugeAltitude.text(v.altitudeTens));

  setBar(g.VerticalSpeedGuage, v.rocHundreds * 100.0);
  g.VerticalSpeedLabel.setCaption(t.gaugeRoc.text(v.rocHundreds));

  g.TachGuage.setPosition(v.rpm1);
  g.TachLabel.setValue(v.rpm1);

  setBar(g.VoltageGuage, v.voltageTenths * 0.1);
  g.VoltageLabel.setCaption(t.gaugeTenths.text(v.voltageTenths));
  setBar(g.FuelQtyGuage, v.fuelQuantityTenths * 0.1);
  g.FuelQtyLabel.setCaption(t.gaugeTenths.text(v.fuelQuantityTenths));
  setBar(g.FuelFlowGuage, v.fuelFlowTenths * 0.1);
  g.FuelFlowLabel.setCaption(t.gaugeTenths.text(v.fuelFlowTenths));

  g.OilPresGuage.setPosition(v.oilPres);
  g.OilPresLabel.setCaption(t.gaugeWhole.text(v.oilPres));
  g.OilTempGuage.setPosition(v.oilTemp);
  g.OilTempLabel.setCaption(t.gaugeWhole.text(v.oilTemp));

  for (int i = 0; i < 6; ++i) {
    const std::int32_t cht = v.cht[static_cast<std::size_t>(i)];
    g.CHTLabel[i].setCaption(t.gaugeTemperature.text(cht));
    platform::LinearGauge& bar = g.CHTGuage[i];
    bar.setPosition(cht);
    bar.setPointerColor(chtColor(cht, limit));
  }
  // EGTMin lands on the bar's CHTMin and EGTMax on its CHTMax.
  const double egtMin = limit[kEGTMin];
  const double chtMin = limit[kCHTMin];
  const double scale = egtToCht;
  for (int i = 0; i < 6; ++i) {
    const std::int32_t egt = v.egt[static_cast<std::size_t>(i)];
    g.EGTLabel[i].setCaption(t.gaugeTemperature.text(egt));
    platform::LinearGauge& bar = g.CHTGuage[i];
    const platform::OleColor color = egtColor(egt, limit);
    bar.setAdditionalPointerColor(1, color);
    bar.setAdditionalPointerColor(2, color);
    const double onChtScale = (egt - egtMin) * scale + chtMin;
    bar.setAdditionalPointerPosition(1, onChtScale);
    bar.setAdditionalPointerPosition(2, onChtScale);
  }
}

}  // namespace

GrandRapidsDecoder::GrandRapidsDecoder(App& app) : app_(app) {}
GrandRapidsDecoder::~GrandRapidsDecoder() = default;
void GrandRapidsDecoder::wire(ScreenId) {}

void GrandRapidsDecoder::ParseEMSGrandRapidsData() {
  if (!texts_) texts_ = std::make_unique<GrFrameTexts>();
  GrFrameTexts& t = *texts_;
  const Frame& f = app_.EMSBytes;
  settings::Form2& options = app_.form2();
  screens::Form5& data = app_.form5();
  // A recognised header tells the delimiter watchdog that the link is aligned.
  const auto recognised = [this] {
    app_.GRHeaderSeen = true;
    app_.SourceDataAge[kEMS] = 0;
  };

  FrameValues v;
  if (options.EMSGRANDRAPIDS.value()) {
    data.HeaderType.setCaption(headerText(f, t.scratch));
    v = decode4000(f);
    data.GRTime.setCaption(timerText(t, B(f, 62), B(f, 63), B(f, 64)));
    data.GRTimeRemaining.setCaption(remainingText(t, B(f, 65), B(f, 66)));
    // Either header form is this monitor's; each puts the second RPM elsewhere.
    const std::string& header = data.HeaderType.caption();
    if (header == kHeaderFEFEFE) {
      recognised();
      v.rpm2 = W(f, 71);
    }
    if (header == kHeaderFEFFFE) {
      recognised();
      v.rpm2 = W(f, 69);
    }
  }
  if (options.EMSGR2000.value()) {
    data.HeaderType.setCaption(headerText(f, t.scratch));
    v = decode2000(f);
    data.GRTime.setCaption(timerText(t, B(f, 37), B(f, 38), B(f, 39)));
    data.GRTimeRemaining.setCaption(remainingText(t, B(f, 40), B(f, 41)));
    // The 2000 sends one header form only.
    if (data.HeaderType.caption() == kHeaderFEFFFE) recognised();
  }

  // An unrecognised header gates nothing: the frame is shown all the same.
  showValues(data, v, t);
  showGauges(app_.form11(), v, t, app_.EngineTempLimit, app_.EGTToCHTScale);
  // The supervisor clamps the age; after a recognised frame it stands at -2.
  changeAge(app_.SourceDataAge[kEMS], -2);
}

}  // namespace devices
