// Export to text of large playback files, headless: the screens hidden and the
// pauses taking no time, so the figures are the export's own work.
//
//   ExportEfis/1000000    one million EFIS records; aim: at most 3 s
//   ExportDynon/1000000   one million Dynon text records; aim: at most 5 s
//   ExportMemory/N        the peak memory the export adds over N EFIS records
//                         (counter added_kb); aim: the same for 100,000 and
//                         1,000,000 records
//
// The files are generated on first use into TALBREN_BENCH_DIR (default
// /tmp/talbren-bench) and kept there; the exported files are written beside
// them and removed again.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "app/app.h"
#include "bench_files.h"
#include "recorder/export.h"
#include "recorder/loaders.h"
#include "recorder/record_lists.h"
#include "recorder/recorder.h"
#include "settings/form2.h"
#include "support/test_platform.h"

namespace {

// Writes `count` lines from `line(i)` unless the file is there already.
template <class Line>
std::string records(const std::string& name, int count, Line line) {
  const std::string path = benchfiles::folder() + "/" + name;
  if (benchfiles::fileSize(path) > 0) return path;
  const std::string partial = path + ".part";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    std::string chunk;
    for (int i = 0; i < count; ++i) {
      line(i, chunk);
      if (chunk.size() >= (1u << 20) || i + 1 == count) {
        out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        chunk.clear();
      }
    }
  }
  std::rename(partial.c_str(), path.c_str());
  return path;
}

// An EFIS capture of a flight: 64 records a second, values that change from
// record to record, both record kinds; lines end CR CR LF as captured.
std::string efisFile(int count) {
  return records("export_efis_" + std::to_string(count) + ".DAT", count, [](int i, std::string& out) {
    const int s = i / 64 % 86400;
    benchfiles::twoDigits(out, s / 3600);
    benchfiles::twoDigits(out, s / 60 % 60);
    benchfiles::twoDigits(out, s % 60);
    out += "32";
    out += i % 7 < 3 ? '-' : '0';
    benchfiles::twoDigits(out, i % 60);
    out += static_cast<char>('0' + i % 10);
    out += "-01271230514010";
    benchfiles::twoDigits(out, i % 100);
    out += "-015-0201005000000";
    out += i % 2 ? '1' : '0';
    out += "A2C\r\r\n";
  });
}

// A Dynon capture: 119-character records of an engine whose values drift.
std::string dynonFile(int count) {
  return records("export_dynon_" + std::to_string(count) + ".DAT", count, [](int i, std::string& out) {
    const int s = i / 16;
    benchfiles::twoDigits(out, 12 + s / 3600 % 12);
    benchfiles::twoDigits(out, s / 60 % 60);
    benchfiles::twoDigits(out, s % 60);
    benchfiles::twoDigits(out, i % 16);
    out += "2992212045045138-05";
    out += static_cast<char>('2' + i / 1000 % 3);
    benchfiles::twoDigits(out, i % 100);
    out += "1250356180175GP1 12.5GP2100.0GP3  0.00350136013801";
    benchfiles::twoDigits(out, i % 97);
    out += "0140115001501380425426450451400ZZZZZZ\r\n";
  });
}

struct Fixture {
  Fixture() {
    ::setenv("TALBREN_PROGRAM_DIR", dir.path().c_str(), 1);
    app = std::make_unique<App>(platform.services());
  }
  void loadEFIS(const std::string& path) {
    settings::Form2& f = app->form2();
    f.EFIS_FILE.setValue(true);
    f.EFIS_DataFileName.setToolTip(path);
    app->DataFileExtension = "DAT";
    app->recorder().loaders().LoadRawEFISDataFile();
  }
  void loadDynon(const std::string& path) {
    settings::Form2& f = app->form2();
    f.EMS_FILE.setValue(true);
    f.EMSDYNON.setValue(true);
    f.EMS_DataFileName.setToolTip(path);
    f.EMS_DataFileName.setCaption(path.substr(path.rfind('/') + 1));
    app->DataFileExtension = "DAT";
    app->recorder().loaders().LoadRawEMSDataFile();
  }
  void exportTo(const std::string& out, bool efis) {
    recorder::TextExport& e = app->recorder().exporter();
    e.ConvertEFISFile = efis;
    e.ConvertEMSFile = !efis;
    e.ConvertOutputPath = out;
    e.ConvertRawDataFile();
  }
  testsupport::TempDir dir;
  testsupport::TestPlatform platform;
  std::unique_ptr<App> app;
};

void run(benchmark::State& state, bool efis) {
  const auto count = static_cast<int>(state.range(0));
  const std::string path = efis ? efisFile(count) : dynonFile(count);
  benchfiles::warm(path);
  Fixture f;
  if (efis)
    f.loadEFIS(path);
  else
    f.loadDynon(path);
  const std::string out = path + ".export.txt";
  for (auto _ : state) f.exportTo(out, efis);
  state.counters["records"] = count;
  state.counters["output_MB"] = static_cast<double>(benchfiles::fileSize(out)) / 1e6;
  state.SetItemsProcessed(state.iterations() * count);
  std::remove(out.c_str());
  if (!f.platform.messages.shown.empty()) state.SkipWithError(f.platform.messages.shown[0].text.c_str());
}

void ExportEfis(benchmark::State& state) {
  run(state, true);
}
void ExportDynon(benchmark::State& state) {
  run(state, false);
}

void ExportMemory(benchmark::State& state) {
  const auto count = static_cast<int>(state.range(0));
  const std::string path = efisFile(count);
  Fixture f;
  f.loadEFIS(path);
  const std::string out = path + ".export.txt";
  long added = 0;
  for (auto _ : state) {
    benchfiles::resetPeak();
    const long before = benchfiles::statusKb("VmRSS:");
    f.exportTo(out, true);
    added = benchfiles::statusKb("VmHWM:") - before;
  }
  state.counters["added_kb"] = static_cast<double>(added);
  std::remove(out.c_str());
}

BENCHMARK(ExportEfis)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ExportDynon)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ExportMemory)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
