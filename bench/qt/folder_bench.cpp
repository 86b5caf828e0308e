// The file manager offscreen, its screen shown, over a recorder folder of
// 30,000 files of every class (made on first use in TALBREN_BENCH_DIR):
//
//   FolderListing       populatedirectory with the list on screen; aim: at
//                       most 0.5 s
//   FolderColumnClick   a click on the SIZE header, the list sorted and shown
//                       again; aim: at most 0.1 s

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include <QApplication>
#include <QWidget>

#include "app/app.h"
#include "bench_files.h"
#include "platform/qt/screen_window.h"
#include "qt/qt_bench_main.h"
#include "recorder/folder_manager.h"
#include "recorder/form6.h"
#include "recorder/recorder.h"
#include "shell/form1.h"
#include "support/test_platform.h"

namespace {

constexpr int kFiles = 30'000;

std::string folderOfFiles() {
  const std::string folder = benchfiles::folder() + "/folder30k";
  platform::createFolder(folder);
  if (platform::listFolder(folder).size() >= kFiles) return folder;
  static const char* const kPrefixes[] = {"TBRC_EFIS_", "TBRC_EMS_", "TBRC_GPS_", "TBRC_", "other_"};
  for (int i = 0; i < kFiles; ++i) {
    const char* prefix = kPrefixes[i % 5];
    const std::string ext = i % 5 == 3 ? ".TXT" : ".DAT";
    platform::writeBytes(folder + "/" + prefix + std::to_string(100000 + i) + ext, std::string(i % 977, 'x'));
  }
  return folder;
}

struct Fixture {
  Fixture() {
    ::setenv("TALBREN_PROGRAM_DIR", dir.path().c_str(), 1);
    app.form1().RecorderFolderName.setCaption(folderOfFiles());
    app.form6().show();
    QApplication::processEvents();
  }
  void shown() {
    window.flush();
    window.widgetUpToDate()->repaint();
  }
  testsupport::TempDir dir;
  testsupport::TestPlatform platform;
  App app{platform.services()};
  platform::qt::ScreenWindow window{app.form6()};
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void FolderListing(benchmark::State& state) {
  Fixture& f = fixture();
  for (auto _ : state) {
    f.app.recorder().populatedirectory();
    f.shown();
  }
  state.counters["files"] = f.app.form6().ListView1.itemCount();
}

void FolderColumnClick(benchmark::State& state) {
  Fixture& f = fixture();
  f.app.recorder().populatedirectory();
  f.shown();
  for (auto _ : state) {
    f.app.form6().ListView1.userColumnClick(4);
    f.shown();
  }
  state.counters["files"] = f.app.form6().ListView1.itemCount();
}

BENCHMARK(FolderListing)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(FolderColumnClick)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  return runQtBenchmarks(argc, argv);
}
