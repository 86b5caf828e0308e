// The EFIS record list (form15) offscreen, with the 500 MB EFIS capture of
// bench_files.h loaded (about 9.3 million records):
//
//   ListFirstShow     building and showing the list's window; aim: under 100 ms
//   ListJumpToLast    selecting the last record and painting the list there;
//                     aim: under 100 ms

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include <QApplication>
#include <QWidget>

#include "app/app.h"
#include "bench_files.h"
#include "platform/qt/screen_window.h"
#include "qt/qt_bench_main.h"
#include "recorder/form15.h"
#include "recorder/loaders.h"
#include "recorder/record_lists.h"
#include "recorder/recorder.h"
#include "settings/form2.h"
#include "support/test_platform.h"

namespace {

struct Fixture {
  testsupport::TestPlatform platform;
  App app{platform.services()};
  Fixture() {
    app.form2().EFIS_DataFileName.setToolTip(benchfiles::efisCapture());
    app.DataFileExtension = "DAT";
    app.recorder().loaders().LoadRawEFISDataFile();
  }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void ListFirstShow(benchmark::State& state) {
  Fixture& f = fixture();
  recorder::form15& list = f.app.form15();
  for (auto _ : state) {
    state.PauseTiming();
    list.hide();
    auto window = std::make_unique<platform::qt::ScreenWindow>(list);
    state.ResumeTiming();
    list.show();
    window->widgetUpToDate()->repaint();
    QApplication::processEvents();
    state.PauseTiming();
    list.hide();
    window.reset();
    list.setObserver(nullptr);
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["records"] = list.EntryList.listCount();
}

void ListJumpToLast(benchmark::State& state) {
  Fixture& f = fixture();
  recorder::form15& list = f.app.form15();
  platform::qt::ScreenWindow window(list);
  list.show();
  QApplication::processEvents();
  const int last = list.EntryList.listCount() - 1;
  for (auto _ : state) {
    state.PauseTiming();
    list.EntryList.setListIndex(0);
    window.flush();
    QApplication::processEvents();
    state.ResumeTiming();
    list.EntryList.setListIndex(last);
    window.flush();
    window.widgetUpToDate()->repaint();
  }
  state.counters["records"] = list.EntryList.listCount();
  list.hide();
  list.setObserver(nullptr);
}

BENCHMARK(ListFirstShow)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(ListJumpToLast)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  return runQtBenchmarks(argc, argv);
}
