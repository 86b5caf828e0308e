// Grand Rapids frame decoding rate: frames as the engine link's data event
// leaves them in the frame buffer, decoded into the engine data screen and
// the engine gauge screen. Every frame differs from the one before, so the
// captions and gauges change on each decode.
//
// Flight frames hold values in the ranges an engine and airframe show (every
// field still varies from frame to frame); noise frames hold random bytes
// everywhere, the worst case for the decoder's remembered texts.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "app/app.h"
#include "devices/devices.h"
#include "devices/gr_decoder.h"
#include "settings/form2.h"
#include "support/test_platform.h"

namespace {

using Frame = std::array<std::uint8_t, 301>;

class FrameMaker {
 public:
  explicit FrameMaker(std::uint32_t seed) : rng_(seed) {}
  int any(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  void byte(Frame& f, std::size_t k, int lo, int hi) { f[k] = static_cast<std::uint8_t>(any(lo, hi) & 0xFF); }
  void word(Frame& f, std::size_t k, int lo, int hi) {
    const int v = any(lo, hi);
    f[k] = static_cast<std::uint8_t>(v >> 8);
    f[k + 1] = static_cast<std::uint8_t>(v & 0xFF);
  }

 private:
  std::mt19937 rng_;
};

Frame header(std::uint8_t middle) {
  Frame f{};
  f[0] = 0xFE;
  f[1] = middle;
  f[2] = 0xFE;
  return f;
}

// GR 4000 / 6000 frames of a flight.
std::vector<Frame> flight4000() {
  FrameMaker m(9);
  std::vector<Frame> out;
  for (int n = 0; n < 256; ++n) {
    Frame f = header(0xFE);
    m.word(f, 3, 2200, 2700);                                            // RPM
    for (std::size_t k = 5; k <= 15; k += 2) m.word(f, k, 250, 480);     // CHT
    for (std::size_t k = 17; k <= 27; k += 2) m.word(f, k, 1100, 1550);  // EGT
    m.word(f, 29, 0, 500);                                               // aux 5, 6
    m.word(f, 31, 0, 500);
    m.word(f, 33, 60, 160);                                          // airspeed
    m.word(f, 35, 100, 1200);                                        // altitude / 10
    m.word(f, 37, 120, 145);                                         // volts x 10
    m.word(f, 39, 40, 120);                                          // fuel flow x 10
    m.byte(f, 41, 10, 50);                                           // unit temperature
    m.byte(f, 42, -10, 40);                                          // carburettor temperature
    m.byte(f, 43, -15, 15);                                          // rate of climb / 100
    m.byte(f, 44, 30, 90);                                           // OAT + 50
    m.word(f, 45, 150, 230);                                         // oil temperature
    m.byte(f, 47, 30, 90);                                           // oil pressure
    for (std::size_t k = 48; k <= 54; k += 2) m.word(f, k, 0, 500);  // aux 1-4
    m.word(f, 56, 150, 220);                                         // coolant
    m.word(f, 58, 4000, 4100);                                       // hour meter x 10
    m.word(f, 60, 50, 400);                                          // fuel quantity x 10
    m.byte(f, 62, 0, 5);                                             // flight timer
    m.byte(f, 63, 0, 59);
    m.byte(f, 64, 0, 59);
    m.byte(f, 65, 0, 5);  // time remaining
    m.byte(f, 66, 0, 59);
    m.word(f, 67, 2950, 3050);  // baro x 100
    m.word(f, 71, 2200, 2700);  // second RPM
    out.push_back(f);
  }
  return out;
}

// GR 2000 frames of a flight.
std::vector<Frame> flight2000() {
  FrameMaker m(20);
  std::vector<Frame> out;
  for (int n = 0; n < 256; ++n) {
    Frame f = header(0xFF);
    m.word(f, 3, 2200, 2700);
    m.word(f, 5, 250, 480);
    m.word(f, 7, 250, 480);
    m.word(f, 9, 1100, 1550);
    m.word(f, 11, 1100, 1550);
    m.word(f, 13, 60, 160);
    m.word(f, 15, 100, 1200);
    m.word(f, 17, 120, 145);
    m.word(f, 19, 40, 120);
    m.byte(f, 21, 10, 50);
    m.byte(f, 22, -15, 15);
    m.byte(f, 23, 30, 90);
    m.word(f, 24, 150, 220);
    m.word(f, 26, 150, 230);
    m.byte(f, 28, 30, 90);
    m.word(f, 29, 0, 500);
    m.word(f, 31, 0, 500);
    m.word(f, 33, 4000, 4100);
    m.word(f, 35, 50, 400);
    m.byte(f, 37, 0, 5);
    m.byte(f, 38, 0, 59);
    m.byte(f, 39, 0, 59);
    m.byte(f, 40, 0, 5);
    m.byte(f, 41, 0, 59);
    m.word(f, 42, 2950, 3050);
    out.push_back(f);
  }
  return out;
}

// Random bytes after the header.
std::vector<Frame> noise(std::uint8_t middle, std::size_t length) {
  FrameMaker m(1);
  std::vector<Frame> out;
  for (int n = 0; n < 256; ++n) {
    Frame f = header(middle);
    for (std::size_t k = 3; k < length; ++k) m.byte(f, k, 0, 255);
    out.push_back(f);
  }
  return out;
}

void decode(benchmark::State& state, bool gr2000, const std::vector<Frame>& input) {
  testsupport::TestPlatform platform;
  App app(platform.services());
  if (gr2000)
    app.form2().EMSGR2000.setValue(true);
  else
    app.form2().EMSGRANDRAPIDS.setValue(true);
  app.EngineTempLimit = {425, 450, 1400, 1500, 150, 800};
  app.EGTToCHTScale = 0.5f;
  devices::GrandRapidsDecoder& decoder = app.devices().grandRapids();
  std::size_t i = 0;
  for (auto _ : state) {
    app.EMSBytes = input[i++ & 255];
    decoder.ParseEMSGrandRapidsData();
  }
  benchmark::DoNotOptimize(app.SourceDataAge);
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

void BM_Gr4000FlightFrames(benchmark::State& state) {
  decode(state, false, flight4000());
}
void BM_Gr2000FlightFrames(benchmark::State& state) {
  decode(state, true, flight2000());
}
void BM_Gr4000NoiseFrames(benchmark::State& state) {
  decode(state, false, noise(0xFE, 73));
}
void BM_Gr2000NoiseFrames(benchmark::State& state) {
  decode(state, true, noise(0xFF, 44));
}

}  // namespace

BENCHMARK(BM_Gr4000FlightFrames);
BENCHMARK(BM_Gr2000FlightFrames);
BENCHMARK(BM_Gr4000NoiseFrames);
BENCHMARK(BM_Gr2000NoiseFrames);
