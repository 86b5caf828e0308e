// Decoding rate of the GPS decoder on a receiver's once-a-second output: fix
// data, recommended minimum, track and speed, a cycle of three satellites-in-
// view sentences, and the Garmin altitude and aviation height sentences.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "devices/devices.h"
#include "devices/gps_decoder.h"
#include "support/test_platform.h"

namespace {

const std::vector<std::string> kSecond = {
    "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47",
    "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A",
    "$GPVTG,084.4,T,081.2,M,022.4,N,041.5,K*48",
    "$GPGSV,3,1,09,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75",
    "$GPGSV,3,2,09,15,90,000,35,16,00,180,10,20,45,135,,21,60,300,36*00",
    "$GPGSV,3,3,09,25,13,062,*41",
    "$PGRMZ,1789,f,3*23",
    "$PGRMH,A,-2,0,-5,-3,1500,270,275*3F",
};

void decodeMix(benchmark::State& state, bool nmea) {
  // A program folder of its own with the marker pictures, as the program has.
  const std::string dir =
      (std::filesystem::temp_directory_path() / ("gps_bench_program_" + std::to_string(::getpid()))).string();
  std::filesystem::create_directories(dir + "/photo");
  for (const char* colour : {"GREEN", "YELLOW", "RED"})
    testsupport::writeFile(dir + "/photo/GPS_" + colour + "_Small.bmp", "BM");
  ::setenv("TALBREN_PROGRAM_DIR", dir.c_str(), 1);
  testsupport::TestPlatform platform;
  auto app = std::make_unique<App>(platform.services());
  app->NMEASource = nmea;
  app->GarminSource = !nmea;
  devices::GpsDecoder& gps = app->devices().gps();

  std::size_t i = 0;
  for (auto _ : state) {
    app->GPSLine = kSecond[i];
    gps.ParseGPSSentence();
    if (++i == kSecond.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
  benchmark::DoNotOptimize(app->GPSAltitudeText);
  app.reset();
  std::filesystem::remove_all(dir);
}

void BM_GpsMixNmeaSource(benchmark::State& state) {
  decodeMix(state, true);
}
void BM_GpsMixGarminSource(benchmark::State& state) {
  decodeMix(state, false);
}

}  // namespace

BENCHMARK(BM_GpsMixNmeaSource);
BENCHMARK(BM_GpsMixGarminSource);
