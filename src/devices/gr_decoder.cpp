#include "devices/gr_decoder.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/app.h"
#include "devices/engine_limits.h"
#include "devices/gr_field_texts.h"
#include "platform/numbers.h"
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

// The fields of a frame: in a layout, where the model keeps each (the index
// of its byte or big-endian word in the frame buffer, header first; 0, the
// header's place, for a field the model does not send, which shows 0); in a
// frame, their values, scaled fields as raw bytes or words (the value shown
// is raw x 10, x 100, x 0.1 or x 0.01).
template <typename T>
struct FrameFields {
  T rpm1 = 0;
  std::array<T, 6> cht{}, egt{}, aux{};
  T airspeed = 0, altitudeTens = 0, voltageTenths = 0, fuelFlowTenths = 0;
  // Bytes: unit temperature, carburettor temperature and rate of climb (these
  // two signed), OAT (+ 50 in the frame), oil pressure.
  T unitTemperature = 0, carbTemp = 0, rocHundreds = 0, oat = 0, oilPres = 0;
  T oilTemp = 0, coolant = 0, hourTenths = 0, fuelQuantityTenths = 0, baroHundredths = 0;
};
using FrameValues = FrameFields<std::int32_t>;

// Every index lies below 73, inside the frame buffer, whatever the length of
// the chunk that filled it.
struct Layout {
  FrameFields<std::size_t> at;
  std::size_t timer = 0, remaining = 0;  // bytes: hours minutes seconds; hours minutes
  // The header forms the model sends, each with where it puts the second RPM.
  struct Header {
    std::string_view text;
    std::size_t rpm2 = 0;
  };
  std::array<Header, 2> headers{};
};

// The two frame headers, as the header text shows them.
constexpr std::string_view kHeaderFEFEFE = "$FE  $FE  $FE";
constexpr std::string_view kHeaderFEFFFE = "$FE  $FF  $FE";

// GR 4000 / 6000, header first:
//   0-2 header  3 RPM  5-15 CHT 1-6  17-27 EGT 1-6  29-31 aux 5-6  33 airspeed
//   35 altitude/10  37 volts x10  39 fuel flow x10  41 unit temperature
//   42 carburettor temperature (signed)  43 rate of climb/100 (signed)
//   44 OAT + 50  45 oil temperature  47 oil pressure  48-54 aux 1-4
//   56 coolant  58 hour meter x10  60 fuel quantity x10
//   62-64 flight timer h m s  65-66 time remaining h m  67 baro x100
//   69 or 71 second RPM, by the header
// clang-format off
constexpr Layout kGR4000{
    .at = {.rpm1 = 3, .cht = {5, 7, 9, 11, 13, 15}, .egt = {17, 19, 21, 23, 25, 27}, .aux = {48, 50, 52, 54, 29, 31},
           .airspeed = 33, .altitudeTens = 35, .voltageTenths = 37, .fuelFlowTenths = 39,
           .unitTemperature = 41, .carbTemp = 42, .rocHundreds = 43, .oat = 44, .oilPres = 47,
           .oilTemp = 45, .coolant = 56, .hourTenths = 58, .fuelQuantityTenths = 60, .baroHundredths = 67},
    .timer = 62, .remaining = 65,
    .headers = {{{kHeaderFEFEFE, 71}, {kHeaderFEFFFE, 69}}}};

// GR 2000, header first: two cylinders, no carburettor temperature, no second
// RPM, one header form.
//   0-2 header  3 RPM  5-7 CHT 1-2  9-11 EGT 1-2  13 airspeed  15 altitude/10
//   17 volts x10  19 fuel flow x10  21 unit temperature  22 rate of climb/100
//   (signed)  23 OAT + 50  24 coolant  26 oil temperature  28 oil pressure
//   29-31 aux 1-2  33 hour meter x10  35 fuel quantity x10
//   37-39 flight timer h m s  40-41 time remaining h m  42 baro x100
constexpr Layout kGR2000{
    .at = {.rpm1 = 3, .cht = {5, 7}, .egt = {9, 11}, .aux = {29, 31},
           .airspeed = 13, .altitudeTens = 15, .voltageTenths = 17, .fuelFlowTenths = 19,
           .unitTemperature = 21, .rocHundreds = 22, .oat = 23, .oilPres = 28,
           .oilTemp = 26, .coolant = 24, .hourTenths = 33, .fuelQuantityTenths = 35, .baroHundredths = 42},
    .timer = 37, .remaining = 40,
    .headers = {{{kHeaderFEFFFE}}}};
// clang-format on

// Reading a frame: a byte, a big-endian word, a byte as signed; 0 for a field
// the layout does not have.
struct FrameReader {
  const Frame& f;
  std::int32_t B(std::size_t k) const { return k == 0 ? 0 : f[k]; }
  std::int32_t W(std::size_t k) const { return k == 0 ? 0 : f[k] * 256 + f[k + 1]; }
  std::int32_t S(std::size_t k) const { return k == 0 ? 0 : f[k] <= 127 ? f[k] : f[k] - 256; }

  std::array<std::int32_t, 6> words(const std::array<std::size_t, 6>& at) const {
    return {W(at[0]), W(at[1]), W(at[2]), W(at[3]), W(at[4]), W(at[5])};
  }
  // The layout is a constant, so each field's place is one too.
  // clang-format off
  template <const Layout& kLayout>
  FrameValues values() const {
    constexpr const FrameFields<std::size_t>& at = kLayout.at;
    return {.rpm1 = W(at.rpm1), .cht = words(at.cht), .egt = words(at.egt), .aux = words(at.aux),
            .airspeed = W(at.airspeed), .altitudeTens = W(at.altitudeTens), .voltageTenths = W(at.voltageTenths),
            .fuelFlowTenths = W(at.fuelFlowTenths), .unitTemperature = B(at.unitTemperature),
            .carbTemp = S(at.carbTemp), .rocHundreds = S(at.rocHundreds), .oat = B(at.oat) - 50,
            .oilPres = B(at.oilPres), .oilTemp = W(at.oilTemp), .coolant = W(at.coolant),
            .hourTenths = W(at.hourTenths), .fuelQuantityTenths = W(at.fuelQuantityTenths),
            .baroHundredths = W(at.baroHundredths)};
  }
  // clang-format on
};

// "$" hex "  $" hex "  $" hex of the three header bytes: upper-case digits
// without leading zeros, so 00 FE FE reads "$0  $FE  $FE".
std::string_view headerText(const Frame& f, std::string& out) {
  out.clear();
  for (std::size_t k = 0; k < 3; ++k) {
    out.append(k == 0 ? "$" : "  $");
    platform::appendHex(out, f[k]);
  }
  return out;
}

// Hours, minutes and seconds side by side, a point before the seconds: "0102.03".
std::string_view timerText(GrFrameTexts& t, const FrameReader& r, std::size_t at) {
  t.scratch.assign(t.twoDigits.text(r.B(at)));
  t.scratch.append(t.twoDigits.text(r.B(at + 1)));
  t.scratch.push_back('.');
  t.scratch.append(t.twoDigits.text(r.B(at + 2)));
  return t.scratch;
}

// Hours without a leading zero, then the minutes: "2:05".
std::string_view remainingText(GrFrameTexts& t, const FrameReader& r, std::size_t at) {
  t.scratch.assign(t.hours.text(r.B(at)));
  t.scratch.push_back(':');
  t.scratch.append(t.twoDigits.text(r.B(at + 1)));
  return t.scratch;
}

// The data screen's value labels, from the engine speed to the second RPM.
void showValues(screens::Form5& s, const FrameValues& v, std::int32_t rpm2, GrFrameTexts& t) {
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
  s.GRRPM2.setCaption(t.rpm.text(rpm2));
}

// A bar and its "same value" marker on pointer 1.
void setBar(platform::LinearGauge& bar, double value) {
  bar.setPosition(value);
  bar.setAdditionalPointerPosition(1, value);
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
    bar.setPointerColor(chtColour(cht, limit));
  }
  // EGTMin lands on the bar's CHTMin and EGTMax on its CHTMax.
  const double egtMin = limit[screens::kEGTMin];
  const double chtMin = limit[screens::kCHTMin];
  const double scale = egtToCht;
  for (int i = 0; i < 6; ++i) {
    const std::int32_t egt = v.egt[static_cast<std::size_t>(i)];
    g.EGTLabel[i].setCaption(t.gaugeTemperature.text(egt));
    platform::LinearGauge& bar = g.CHTGuage[i];
    const platform::OleColor color = egtColour(egt, limit);
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

void GrandRapidsDecoder::ParseEMSGrandRapidsData() {
  if (!texts_) texts_ = std::make_unique<GrFrameTexts>();
  GrFrameTexts& t = *texts_;
  const FrameReader frame{app_.EMSBytes};
  settings::Form2& options = app_.form2();
  screens::Form5& data = app_.form5();

  FrameValues v;
  std::int32_t rpm2 = 0;
  auto decode = [&]<const Layout & kLayout>() {
    data.HeaderType.setCaption(headerText(frame.f, t.scratch));
    v = frame.values<kLayout>();
    rpm2 = 0;
    data.GRTime.setCaption(timerText(t, frame, kLayout.timer));
    data.GRTimeRemaining.setCaption(remainingText(t, frame, kLayout.remaining));
    // A recognised header tells the delimiter watchdog that the link is
    // aligned; each form of it puts the second RPM in its own place.
    for (const Layout::Header& h : kLayout.headers) {
      if (h.text.empty() || data.HeaderType.caption() != h.text) continue;
      app_.GRHeaderSeen = true;
      changeAge(app_.SourceDataAge[kEMS], -app_.SourceDataAge[kEMS]);
      rpm2 = frame.W(h.rpm2);
    }
  };
  if (options.EMSGRANDRAPIDS.value()) decode.operator()<kGR4000>();
  if (options.EMSGR2000.value()) decode.operator()<kGR2000>();

  // An unrecognised header gates nothing: the frame is shown all the same.
  showValues(data, v, rpm2, t);
  showGauges(app_.form11(), v, t, app_.EngineTempLimit, app_.EGTToCHTScale);
  // The supervisor clamps the age; after a recognised frame it stands at -2.
  changeAge(app_.SourceDataAge[kEMS], -2);
}

}  // namespace devices
