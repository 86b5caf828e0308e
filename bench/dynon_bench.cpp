// Decoding Dynon engine records into the engine data screen and the engine
// gauge screen: the text record of the port (smoothed, as live data are) and
// the CSV record of a played-back log. Each iteration is one record.
//
// Three streams per format: a log of 256 records whose values drift and
// jitter as an engine's do in flight; a worst case of two records that differ
// in every field, so every caption changes on every record; and noise, every
// value drawn at random on every record.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "devices/devices.h"
#include "devices/dynon_decoder.h"
#include "screens/dynon_gauges.h"
#include "screens/screens.h"
#include "settings/form2.h"
#include "support/test_platform.h"

namespace {

// Zero-padded fixed-width fields of the test records.
std::string decimal(std::int64_t v, int width) {
  std::string s(static_cast<std::size_t>(width), '0');
  const bool negative = v < 0;
  if (negative) v = -v;
  for (int i = width - 1; i >= 0 && v > 0; --i, v /= 10)
    s[static_cast<std::size_t>(i)] = static_cast<char>('0' + v % 10);
  if (negative) s[0] = '-';
  return s;
}

std::string hex(std::int64_t v, int width) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  auto u = static_cast<std::uint64_t>(v) & ((std::uint64_t{1} << (4 * width)) - 1);  // two's complement
  std::string s(static_cast<std::size_t>(width), '0');
  for (int i = width - 1; i >= 0; --i, u >>= 4) s[static_cast<std::size_t>(i)] = kDigits[u & 15];
  return s;
}

// Engine values of record i of a flight: slow drifts with a jitter on the
// temperatures and the fuel flow.
struct Engine {
  explicit Engine(int i)
      : rpm(2400 + 10 * ((i / 16) % 5)),
        manPres100(2400 + (i / 8) % 7),
        oilTemp(190 + (i / 32) % 3),
        oilPres(60 + (i / 16) % 3),
        fuelPres10(45 + (i / 24) % 3),
        volts10(138 + (i / 64) % 2),
        amps(5 + (i / 40) % 2),
        flow10(95 + (i * 7) % 5),
        remaining10(350 - i / 8),
        qty1_10(180 - i / 16),
        qty2_10(175 - i / 16) {
    for (int k = 0; k < 6; ++k) {
      egt[k] = 1350 + 10 * k + (i * 3 + k * 7) % 9 - 4;
      cht[k] = 380 + 5 * k + ((i + k) / 4) % 5;
    }
  }
  int rpm, manPres100, oilTemp, oilPres, fuelPres10, volts10, amps, flow10, remaining10, qty1_10, qty2_10;
  int egt[6]{}, cht[6]{};
};

std::string textRecord(const Engine& e, int i) {
  std::string r = decimal(1200 + i / 60, 4) + decimal(i % 60, 2) + "00";
  r += decimal(e.manPres100, 4) + decimal(e.oilTemp, 3) + decimal(e.oilPres, 3) + decimal(e.fuelPres10, 3);
  r += decimal(e.volts10, 3) + decimal(e.amps, 3) + decimal(e.rpm / 10, 3) + decimal(e.flow10, 3);
  r += decimal(e.remaining10, 4) + decimal(e.qty1_10, 3) + decimal(e.qty2_10, 3);
  r += "GP1 12.5GP2100.0GP3  0.0" + decimal(350, 4);
  for (int k = 0; k < 6; ++k) r += decimal(e.egt[k], 4);
  for (int k = 0; k < 6; ++k) r += decimal(e.cht[k], 3);
  return r + "ZZZZZZ";  // 119 characters
}

std::string csvRecord(const Engine& e, int i) {
  std::string r = "XX" + hex(12, 2) + hex(i / 60, 2) + hex(i % 60, 2) + hex(e.oilPres, 2);
  r += hex(e.manPres100 * 16 / 100, 4) + hex(e.oilTemp, 4) + hex(e.fuelPres10 * 16 / 10, 4);
  r += hex(e.volts10 * 16 / 10, 4) + hex(e.amps * 16, 4) + hex(e.rpm, 4) + hex(e.flow10 * 16 / 10, 4);
  r += hex(e.remaining10 * 16 / 10, 4) + hex(e.qty1_10 * 16 / 10, 4) + hex(e.qty2_10 * 16 / 10, 4);
  r += hex(25, 4) + hex(-8, 4) + hex(0, 4) + hex(350, 4);
  for (int k = 0; k < 6; ++k) r += hex(e.egt[k], 3);
  for (int k = 0; k < 6; ++k) r += hex(e.cht[k], 3);
  return r + hex(i % 4, 2) + hex(50000 + i / 64, 6) + hex(40000 + i / 64, 6);  // 116 characters
}

// Records whose every value is drawn at random within its field, so no caption
// repeats a recent one: what the decoders cost when nothing they met before
// comes again.
struct Noise : Engine {
  explicit Noise(std::uint32_t seed) : Engine(0) {
    auto draw = [&seed](int lowest, int highest) {
      seed = seed * 1664525u + 1013904223u;
      return lowest + static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(highest - lowest + 1));
    };
    rpm = 10 * draw(0, 299);
    manPres100 = draw(0, 3500);
    oilTemp = draw(0, 300);
    oilPres = draw(0, 120);
    fuelPres10 = draw(0, 999);
    volts10 = draw(0, 999);
    amps = draw(0, 99);
    flow10 = draw(0, 999);
    remaining10 = draw(0, 9999);
    qty1_10 = draw(0, 999);
    qty2_10 = draw(0, 999);
    for (int k = 0; k < 6; ++k) {
      egt[k] = draw(0, 1800);
      cht[k] = draw(0, 600);
    }
  }
};

std::vector<std::string> flight(std::string (*record)(const Engine&, int)) {
  std::vector<std::string> records;
  for (int i = 0; i < 256; ++i) records.push_back(record(Engine(i), i));
  return records;
}

std::vector<std::string> noise(std::string (*record)(const Engine&, int)) {
  std::vector<std::string> records;
  for (int i = 0; i < 4096; ++i)
    records.push_back(record(Noise(static_cast<std::uint32_t>(i) * 2654435761u), i));
  return records;
}

const std::vector<std::string> kTextWorstCase{
    "123045072992212045045138-052451250356180175GP1 12.5GP2100.0GP3  "
    "0.00350136013801400140115001501380425426450451"
    "400ZZZZZZ",
    "123146082987210046044139-042461260355179174GP1 12.6GP2100.1GP3  "
    "0.10351137013901410141115101511381426427451452"
    "401ZZZZZZ"};
const std::vector<std::string> kCSVWorstCase{
    "XX0C1E2D2D01DF00D4004800DCFFE00A8C00C80238012001180019FFF88000015E5505645785795DC5DD17C1A91AA1C21C319005"
    "00C350001234",
    "XX0C1F2E2E01E000D5004900DDFFE10A9600C90237011F01170018FFF78001015F5515655795805DD5DE17D1AA1AB1C31C419104"
    "00C351001235"};

// An application on test services with the engine screens set up.
struct Fixture {
  Fixture() {
    ::setenv("TALBREN_PROGRAM_DIR", dir.path().c_str(), 1);
    app = std::make_unique<App>(platform.services());
    app->instruments().dynon().Update_Form10_data();
  }
  testsupport::TempDir dir;
  testsupport::TestPlatform platform;
  std::unique_ptr<App> app;
};

void decodeText(benchmark::State& state, const std::vector<std::string>& records) {
  Fixture f;
  std::size_t n = 0;
  for (auto _ : state) {
    f.app->EMSLine = records[n++ % records.size()];
    f.app->devices().dynon().ParseEMSDynonData();
  }
  state.SetItemsProcessed(state.iterations());
}

void decodeCSV(benchmark::State& state, const std::vector<std::string>& records) {
  Fixture f;
  f.app->form2().EMS_FILE.setValue(true);
  std::size_t n = 0;
  for (auto _ : state) {
    f.app->EMSLine = records[n++ % records.size()];
    f.app->devices().dynon().ParseCSVRecordOrMarkBad();
  }
  if (f.app->EMSParseError != 0) state.SkipWithError("a CSV record was marked bad");
  state.SetItemsProcessed(state.iterations());
}

void BM_DynonTextFlight(benchmark::State& state) {
  decodeText(state, flight(textRecord));
}
void BM_DynonTextWorstCase(benchmark::State& state) {
  decodeText(state, kTextWorstCase);
}
void BM_DynonCSVFlight(benchmark::State& state) {
  decodeCSV(state, flight(csvRecord));
}
void BM_DynonCSVWorstCase(benchmark::State& state) {
  decodeCSV(state, kCSVWorstCase);
}
void BM_DynonTextNoise(benchmark::State& state) {
  decodeText(state, noise(textRecord));
}
void BM_DynonCSVNoise(benchmark::State& state) {
  decodeCSV(state, noise(csvRecord));
}
BENCHMARK(BM_DynonTextFlight);
BENCHMARK(BM_DynonTextWorstCase);
BENCHMARK(BM_DynonTextNoise);
BENCHMARK(BM_DynonCSVFlight);
BENCHMARK(BM_DynonCSVWorstCase);
BENCHMARK(BM_DynonCSVNoise);

}  // namespace
