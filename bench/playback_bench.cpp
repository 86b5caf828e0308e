// Loading and playing files of hundreds of megabytes (generated on first use,
// see bench_files.h), with the file in the page cache:
//
//   EfisCaptureLoad   a 500 MB EFIS capture through the EFIS loader; aim: at
//                     most 0.5 s, and peak resident memory growing by at most
//                     1.1 times the file's size (counter peak_growth_x_file)
//   DynonCsvLoad      a 500 MB Dynon CSV log through the engine loader; aim:
//                     at most 1 s, within the same memory
//   PlaybackStep      one EFIS playback step at a random position of that
//                     capture, both EFIS displays at "Real Time"; aim: under
//                     50 us

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/app.h"
#include "bench_files.h"
#include "recorder/loaders.h"
#include "recorder/playback.h"
#include "recorder/record_lists.h"
#include "recorder/recorder.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "support/test_platform.h"

namespace {

struct Fixture {
  testsupport::TestPlatform platform;
  App app{platform.services()};
  Fixture() { app.form1(); }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

// Runs the device's loader on `path` as its picker would, measuring the peak
// growth of resident memory over the load.
void load(benchmark::State& state, const std::string& path, bool efis) {
  Fixture& f = fixture();
  settings::Form2& s = f.app.form2();
  platform::Label& label = efis ? s.EFIS_DataFileName : s.EMS_DataFileName;
  const platform::PathParts parts = platform::splitPath(path);
  label.setToolTip(path);
  label.setCaption(parts.name);
  f.app.DataFileExtension = parts.extension;
  const auto file = efis ? recorder::PlaybackFile::EFIS : recorder::PlaybackFile::Engine;
  recorder::RecordLists& lists = f.app.recorder().lists();
  benchfiles::warm(path);
  long growthKb = 0;
  for (auto _ : state) {
    state.PauseTiming();
    lists.clearList(file);
    ::malloc_trim(0);
    const long before = benchfiles::statusKb("VmRSS:");
    benchfiles::resetPeak();
    state.ResumeTiming();
    if (efis)
      f.app.recorder().loaders().LoadRawEFISDataFile();
    else
      f.app.recorder().loaders().LoadRawEMSDataFile();
    state.PauseTiming();
    growthKb = std::max(growthKb, benchfiles::statusKb("VmHWM:") - before);
    state.ResumeTiming();
  }
  const double bytes = static_cast<double>(benchfiles::fileSize(path));
  state.counters["records"] = static_cast<double>(lists.records(file).count());
  state.counters["file_MB"] = bytes / 1e6;
  state.counters["peak_growth_MB"] = static_cast<double>(growthKb) * 1024 / 1e6;
  state.counters["peak_growth_x_file"] = static_cast<double>(growthKb) * 1024 / bytes;
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
}

void EfisCaptureLoad(benchmark::State& state) {
  load(state, benchfiles::efisCapture(), true);
}
void DynonCsvLoad(benchmark::State& state) {
  load(state, benchfiles::dynonCsv(), false);
}

void PlaybackStep(benchmark::State& state) {
  Fixture& f = fixture();
  recorder::RecordStore& store = f.app.recorder().lists().records(recorder::PlaybackFile::EFIS);
  if (store.count() == 0) {
    const std::string path = benchfiles::efisCapture();
    f.app.form2().EFIS_DataFileName.setToolTip(path);
    f.app.DataFileExtension = "DAT";
    f.app.recorder().loaders().LoadRawEFISDataFile();
  }
  settings::Form2& s = f.app.form2();
  s.MainUpdateRate[0].setValue(true);
  s.EFISUpdateRate[0].setValue(true);
  std::mt19937 random(17);
  std::uniform_int_distribution<std::int32_t> position(1, store.count());
  std::vector<std::int32_t> positions(4096);
  for (auto& p : positions) p = position(random);
  platform::Slider& slider = f.app.form1().DataPointerSlider;
  std::size_t i = 0;
  for (auto _ : state) {
    slider.setValue(positions[i]);
    f.app.recorder().playback().UpdateEFISRecordedData();
    if (++i == positions.size()) i = 0;
  }
  benchmark::DoNotOptimize(f.app.EFISAirspeed);
  state.counters["records"] = static_cast<double>(store.count());
}

BENCHMARK(EfisCaptureLoad)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(DynonCsvLoad)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(PlaybackStep)->Unit(benchmark::kMicrosecond);

}  // namespace
