// The export's pauses offscreen, with the settings screen shown and the
// EFIS export of one million records (export_bench's file):
//
//   ExportLoopHold   the longest the event loop waits during the export, as a
//                    5 ms timer of the toolkit sees it (counter max_hold_ms);
//                    aim: never over 50 ms
//   ExportCancel     from a CANCEL click on the real button, 300 ms into the
//                    export, to its end state (counter cancel_ms); aim: at
//                    most 100 ms

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "app/app.h"
#include "bench_files.h"
#include "platform/qt/qt_scheduler.h"
#include "platform/qt/qt_serial.h"
#include "platform/qt/screen_window.h"
#include "platform/qt/tray.h"
#include "platform/qt/ui_host.h"
#include "platform/system_clock.h"
#include "platform/timer.h"
#include "qt/qt_bench_main.h"
#include "recorder/export.h"
#include "recorder/loaders.h"
#include "recorder/recorder.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "support/test_platform.h"

namespace {

constexpr int kRecords = 1'000'000;

// The EFIS capture of export_bench, made the same way if it is not there yet.
std::string efisFile() {
  const std::string path = benchfiles::folder() + "/export_efis_" + std::to_string(kRecords) + ".DAT";
  if (benchfiles::fileSize(path) > 0) return path;
  std::ofstream out(path + ".part", std::ios::binary | std::ios::trunc);
  std::string line;
  for (int i = 0; i < kRecords; ++i) {
    line.clear();
    const int s = i / 64 % 86400;
    benchfiles::twoDigits(line, s / 3600);
    benchfiles::twoDigits(line, s / 60 % 60);
    benchfiles::twoDigits(line, s % 60);
    line += "32-053-0127123051401000-015-02010050000004A2C\r\r\n";
    out << line;
  }
  out.close();
  std::rename((path + ".part").c_str(), path.c_str());
  return path;
}

class NoBoxes : public platform::MessageBoxes {
 public:
  int show(std::string_view, int, std::string_view) override { return platform::msg::ResultOk; }
  void beep() override {}
};

struct Program {
  Program() {
    ::setenv("TALBREN_PROGRAM_DIR", dir.path().c_str(), 1);
    app = std::make_unique<App>(Services{scheduler, clock, boxes, dialogs, tray, serial, ui});
    settings::Form2& f = app->form2();
    f.EFIS_FILE.setValue(true);
    f.EFIS_DataFileName.setToolTip(efisFile());
    f.EFIS_DataFileName.setCaption("export_efis.DAT");
    app->DataFileExtension = "DAT";
    app->recorder().loaders().LoadRawEFISDataFile();
    f.show();
    app->form1();
    QApplication::processEvents();
    out = dir.path() + "/out.txt";
  }
  // Runs one export from inside the event loop; `during` runs as it starts.
  void exportOnce(const std::function<void()>& during) {
    QEventLoop loop;
    QTimer::singleShot(0, [&] {
      dialogs.answers.push_back(out);
      if (during) during();
      app->form2().EFIS_ConvertFile.click();
      loop.quit();
    });
    loop.exec();
  }

  testsupport::TempDir dir;
  platform::qt::QtScheduler scheduler;
  platform::SystemClock clock;
  NoBoxes boxes;
  testsupport::ScriptedFileDialogs dialogs;
  platform::qt::QtTray tray;
  platform::qt::QtSerialFactory serial;
  platform::qt::QtUiHost ui;
  std::unique_ptr<App> app;
  std::string out;
};

Program& program() {
  static Program p;
  return p;
}

void ExportLoopHold(benchmark::State& state) {
  Program& p = program();
  double maxHold = 0;
  for (auto _ : state) {
    QElapsedTimer clock;
    qint64 last = -1;
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    QObject::connect(&watch, &QTimer::timeout, [&] {
      const qint64 now = clock.elapsed();
      if (last >= 0) maxHold = std::max(maxHold, static_cast<double>(now - last));
      last = now;
    });
    p.exportOnce([&] {
      clock.start();
      watch.start(5);
    });
    watch.stop();
  }
  state.counters["max_hold_ms"] = maxHold;
  state.counters["records"] = kRecords;
}

void ExportCancel(benchmark::State& state) {
  Program& p = program();
  double cancelMs = 0;
  for (auto _ : state) {
    QElapsedTimer clock;
    qint64 clicked = -1, ended = -1;
    // A timer of the program: held during the export, its first tick after
    // the click comes with the end state, before CANCEL's own steps.
    platform::Timer probe(p.scheduler, "probe", 1);
    probe.onTick = [&] {
      if (clicked >= 0 && ended < 0) ended = clock.elapsed();
    };
    QTimer::singleShot(300, [&] {
      QWidget* button = p.ui.windowOf(p.app->form2())->viewOf(p.app->form2().CancelButton)->widget();
      const QPointF at(button->width() / 2.0, button->height() / 2.0);
      clicked = clock.elapsed();
      QMouseEvent press(QEvent::MouseButtonPress, at, button->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
      QMouseEvent release(QEvent::MouseButtonRelease, at, button->mapToGlobal(at), Qt::LeftButton,
                          Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(button, &press);
      QApplication::sendEvent(button, &release);
    });
    p.exportOnce([&] { clock.start(); });
    QApplication::processEvents();
    cancelMs = clicked >= 0 && ended >= 0 ? static_cast<double>(ended - clicked) : -1;
  }
  state.counters["cancel_ms"] = cancelMs;
}

BENCHMARK(ExportLoopHold)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(ExportCancel)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  return runQtBenchmarks(argc, argv);
}
