// The Qt platform services: colours, the scheduler, message boxes, file
// dialogs, the tray, ending the program and the termination signals.

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPalette>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include "gui_support.h"
#include "platform/qt/control_view.h"
#include "platform/qt/file_dialogs.h"
#include "platform/qt/loop_stats.h"
#include "platform/qt/message_boxes.h"
#include "platform/qt/qt_scheduler.h"
#include "platform/qt/termination.h"
#include "platform/qt/tray.h"
#include "platform/qt/ui_host.h"
#include "platform/timer.h"

using namespace platform;
using namespace platform::qt;

namespace {

std::string readFile(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(QtColors, OleColoursAndSystemColours) {
  const QPalette pal = QGuiApplication::palette();
  struct Case {
    OleColor ole;
    QColor expected;
  };
  const Case cases[] = {
      {0x0000FF, QColor(255, 0, 0)},  // red is the low byte
      {0xFF0000, QColor(0, 0, 255)},
      {0x123456, QColor(0x56, 0x34, 0x12)},
      {color::Orange, QColor(255, 128, 0)},
      {0x8000000F, pal.color(QPalette::Button)},
      {0x80000005, pal.color(QPalette::Base)},
      {0x80000008, pal.color(QPalette::WindowText)},
      {0x80000012, pal.color(QPalette::ButtonText)},
      {0x8000000D, pal.color(QPalette::Highlight)},
      {0x8000000E, pal.color(QPalette::HighlightedText)},
      {0x80000063, pal.color(QPalette::Window)},
  };
  for (const auto& c : cases) EXPECT_EQ(toQColor(c.ole), c.expected) << std::hex << c.ole;
}

TEST(QtSchedulerTest, TimersTickRestartAndStop) {
  QtScheduler scheduler;
  Timer fast(scheduler, "fast", 10);
  int ticks = 0;
  fast.onTick = [&] { ++ticks; };
  ASSERT_TRUE(guitest::processUntil([&] { return ticks >= 3; }));

  fast.setEnabled(false);
  const int stopped = ticks;
  guitest::processUntil([] { return false; }, 60);
  EXPECT_EQ(ticks, stopped);

  fast.setEnabled(true);
  fast.setInterval(0);  // 0 never ticks
  guitest::processUntil([] { return false; }, 60);
  EXPECT_EQ(ticks, stopped);

  // A timer destroyed from another timer's tick never ticks again.
  auto victim = std::make_unique<Timer>(scheduler, "victim", 1);
  int victimTicks = 0;
  victim->onTick = [&] { ++victimTicks; };
  Timer killer(scheduler, "killer", 5);
  killer.onTick = [&] {
    victim.reset();
    killer.setEnabled(false);
  };
  EXPECT_TRUE(guitest::processUntil([&] { return !victim; }));
  const int seen = victimTicks;
  guitest::processUntil([] { return false; }, 20);
  EXPECT_EQ(victimTicks, seen);
  // The scheduler's clock moves on with real time.
  const std::int64_t t0 = scheduler.nowMs();
  EXPECT_TRUE(guitest::processUntil([&] { return scheduler.nowMs() >= t0 + 20; }));
}

TEST(QtSchedulerTest, PostedEventsRunInOrderAfterTheCurrentOneAndYieldsNest) {
  QtScheduler scheduler;
  std::vector<int> order;
  scheduler.post([&] {
    order.push_back(1);
    scheduler.post([&] { order.push_back(3); });
    order.push_back(2);
  });
  scheduler.post([&] { throw std::runtime_error("a failing event is dropped"); });
  scheduler.post([&] { order.push_back(4); });
  EXPECT_TRUE(order.empty());
  guitest::processPending();
  EXPECT_EQ(order, (std::vector<int>{1, 2, 4, 3}));

  // Each level yields and posts the next; nesting stops at the limit instead
  // of growing the stack, and the rest runs from the outer levels.
  int deepest = 0, runs = 0;
  std::function<void()> level = [&] {
    ++runs;
    deepest = std::max(deepest, scheduler.depth());
    if (runs < 50) scheduler.post(level);
    scheduler.yieldToEvents();
  };
  scheduler.post(level);
  ASSERT_TRUE(guitest::processUntil([&] { return runs >= 50; }));
  EXPECT_EQ(deepest, QtScheduler::kMaxDepth);
}

class EnvFile : public testing::Test {
 protected:
  void set(const char* var, const std::string& content = {}) {
    ASSERT_TRUE(dir.isValid());
    path = dir.filePath(QStringLiteral("hook.txt"));
    if (!content.empty()) std::ofstream(path.toStdString(), std::ios::binary) << content;
    setenv(var, path.toLocal8Bit().constData(), 1);
    name = var;
  }
  void TearDown() override {
    if (name) unsetenv(name);
  }
  QTemporaryDir dir;
  QString path;
  const char* name = nullptr;
};

using MessageLog = EnvFile;

TEST_F(MessageLog, BoxesAreLoggedAndAnsweredWithoutShowing) {
  set("TALBREN_MESSAGE_LOG");
  QtMessageBoxes boxes;
  EXPECT_EQ(boxes.show("EFISS PORT ERROR : no port", msg::OkOnly | msg::Critical), msg::ResultOk);
  EXPECT_EQ(boxes.show("Save the settings?\r\nThey changed.", msg::YesNo, "Settings"), msg::ResultYes);
  EXPECT_EQ(boxes.show("Keep going?", msg::YesNoCancel, "Q"), msg::ResultYes);
  EXPECT_EQ(boxes.show("Stop?", msg::OkCancel, "Q"), msg::ResultOk);
  EXPECT_EQ(readFile(path),
            "Talbren Ruvove Zavi Zaredido\nEFISS PORT ERROR : no port\n----\n"
            "Settings\nSave the settings?\r\nThey changed.\n----\n"
            "Q\nKeep going?\n----\n"
            "Q\nStop?\n----\n");
}

using LoopStatsHook = EnvFile;

// The hook counts only in the running event loop and only once the program
// says it has started; a hold-up the test makes is reported in full.
TEST_F(LoopStatsHook, CountsFromTheStartInTheRunningLoopAndReportsAHoldUp) {
  set("TALBREN_LOOP_STATS");
  bool started = false;
  int asked = 0;
  const auto stats = LoopStats::fromEnvironment([&] {
    ++asked;
    return started;
  });
  ASSERT_NE(stats, nullptr);
  // Yields outside a running loop are start-up: the hook does not even ask.
  guitest::processUntil([] { return false; }, 60);
  EXPECT_EQ(asked, 0);
  EXPECT_FALSE(stats->counting());

  // In the loop: asked until the program has started, then counting; one
  // handler holds the loop up for 100 ms.
  constexpr int kHoldUpMs = 100;
  QEventLoop loop;
  bool heldUp = false;
  QTimer step;
  QObject::connect(&step, &QTimer::timeout, [&] {
    if (asked >= 3) started = true;
    if (!stats->counting()) return;
    if (!heldUp && stats->ticks() >= 5) {
      heldUp = true;
      QThread::msleep(kHoldUpMs);
    }
    if (heldUp && stats->ticks() >= 20) loop.exit(0);
  });
  step.start(5);
  QTimer::singleShot(30000, [&] { loop.exit(1); });
  ASSERT_EQ(loop.exec(), 0) << "the hook did not count 20 ticks";
  step.stop();

  stats->write();
  std::map<std::string, std::int64_t> figures;
  std::int64_t longestLateLine = 0;
  std::istringstream in(readFile(path));
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string key;
    std::int64_t value = 0;
    words >> key >> value;
    if (key == "late") {
      std::int64_t late = 0;
      words >> late;
      longestLateLine = std::max(longestLateLine, late);
    } else {
      figures[key] = value;
    }
  }
  EXPECT_GE(figures["started_ms"], 0);
  EXPECT_EQ(figures["ticks"], stats->ticks());
  EXPECT_GE(figures["max_late_ms"], kHoldUpMs - LoopStats::kIntervalMs);
  EXPECT_EQ(longestLateLine, figures["max_late_ms"]);
  EXPECT_LE(figures["p99_late_ms"], figures["max_late_ms"]);
  EXPECT_EQ(figures.count("max_busy_cpu_ms"), 1u);
}

// Each write puts a whole new file in place: a reader that opened the file
// before keeps reading the whole of what it opened, and nothing is left
// aside.
TEST_F(LoopStatsHook, EachWriteSwapsAWholeFileIntoPlace) {
  set("TALBREN_LOOP_STATS");
  const auto stats = LoopStats::fromEnvironment([] { return true; });
  ASSERT_NE(stats, nullptr);
  QEventLoop loop;
  QTimer step;
  std::int64_t until = 0;
  QObject::connect(&step, &QTimer::timeout, [&] {
    if (stats->counting() && stats->ticks() >= until) loop.exit(0);
  });
  step.start(5);
  QTimer::singleShot(30000, [&] { loop.exit(1); });
  ASSERT_EQ(loop.exec(), 0) << "the hook did not begin counting";
  stats->write();
  const std::string first = readFile(path);
  std::ifstream before(path.toStdString(), std::ios::binary);
  ASSERT_TRUE(before.is_open());

  until = stats->ticks() + 2;
  ASSERT_EQ(loop.exec(), 0) << "the hook did not count two more ticks";
  stats->write();
  const std::string second = readFile(path);
  EXPECT_NE(second, first);
  EXPECT_NE(second.find("ticks " + std::to_string(stats->ticks()) + "\n"), std::string::npos) << second;
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(before), {}), first);
  EXPECT_FALSE(std::ifstream(path.toStdString() + ".new").is_open());
}

TEST(QtFileDialogsTest, FiltersConvertToQtForm) {
  struct Case {
    const char* filter;
    int index;
    const char* qt;
    const char* selected;
  };
  // Each entry shows its description as given; the patterns after it match
  // regardless of case.
  const Case cases[] = {
      {"Text (*.txt)|*.txt|All Files (*.*)|*.*", 2, "Text (*.txt) (*.[tT][xX][tT]);;All Files (*.*) (*.*)",
       "All Files (*.*) (*.*)"},
      {"Record files|*.TXT|All|*.*", 1, "Record files (*.[tT][xX][tT]);;All (*.*)",
       "Record files (*.[tT][xX][tT])"},
      {"Data|*.csv;*.txt", 1, "Data (*.[cC][sS][vV] *.[tT][xX][tT])", "Data (*.[cC][sS][vV] *.[tT][xX][tT])"},
      {"Text|*.txt|All|*.*", 7, "Text (*.[tT][xX][tT]);;All (*.*)", "Text (*.[tT][xX][tT])"},
      {"", 1, "", ""},
  };
  for (const auto& c : cases) {
    const QtFilter f = convertFilter(c.filter, c.index);
    EXPECT_EQ(f.filter, QString::fromLatin1(c.qt)) << c.filter;
    EXPECT_EQ(f.selected, QString::fromLatin1(c.selected)) << c.filter;
  }
}

using DialogAnswers = EnvFile;

TEST_F(DialogAnswers, EachDialogTakesTheNextLineAndEmptyIsCancel) {
  set("TALBREN_FILE_DIALOG_ANSWERS", "/tmp/a.txt\n\n/tmp/b c.csv\r\n");
  QtFileDialogs dialogs;
  FileDialogRequest request;
  EXPECT_EQ(dialogs.openFile(request), std::optional<std::string>("/tmp/a.txt"));
  EXPECT_EQ(dialogs.saveFile(request), std::nullopt);
  EXPECT_EQ(dialogs.openFile(request), std::optional<std::string>("/tmp/b c.csv"));
  EXPECT_EQ(dialogs.openFile(request), std::nullopt);  // no lines left
}

TEST(QtTrayTest, WithoutATrayNothingIsInIt) {
  QtTray tray;
  ASSERT_FALSE(tray.available());  // offscreen
  tray.add("Recorder", "/no/such/icon.ico");
  EXPECT_FALSE(tray.inTray());
  tray.setToolTip("x");
  tray.remove();
  EXPECT_FALSE(tray.inTray());
}

// Runs last in this file: it ends the application's event loop.
TEST(QtUiHostTest, QuitInsideAModalBoxEndsTheProgramWithItsStatus) {
  QtUiHost ui;
  QtMessageBoxes boxes;
  int answer = -1;
  bool after = false;
  QTimer::singleShot(0, [&] {
    QTimer::singleShot(50, [&] {
      EXPECT_NE(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()), nullptr);
      ui.quit(3);
    });
    answer = boxes.show("Waiting", msg::OkOnly);
    after = true;
    // A box after the quit does not wait either.
    boxes.show("After the end", msg::OkOnly);
  });
  EXPECT_EQ(ui.run(), 3);
  EXPECT_TRUE(after);
  EXPECT_EQ(answer, msg::ResultOk);
  EXPECT_TRUE(ui.quitRequested());
  // A quit that comes before the loop runs returns at once.
  EXPECT_EQ(ui.run(), 3);
}

TEST(TerminationTest, SignalRunsTheHandlerOnTheEventThread) {
  int calls = 0;
  installTerminationHandler([&] { ++calls; });
  std::raise(SIGTERM);
  EXPECT_EQ(calls, 0);  // not inside the signal handler
  EXPECT_TRUE(guitest::processUntil([&] { return calls == 1; }));
  std::raise(SIGINT);
  EXPECT_TRUE(guitest::processUntil([&] { return calls == 2; }));
  // A closed terminal or a logout, the quit key and the user signals take
  // the same way out.
  for (int sig : {SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2}) {
    const int before = calls;
    std::raise(sig);
    EXPECT_TRUE(guitest::processUntil([&] { return calls == before + 1; })) << sig;
  }
  // A broken pipe is no reason to end.
  struct sigaction pipe {};
  sigaction(SIGPIPE, nullptr, &pipe);
  EXPECT_EQ(pipe.sa_handler, SIG_IGN);
  removeTerminationHandler();
  // Once the program is ending, a late signal cannot cut its last steps short.
  for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2}) {
    struct sigaction action {};
    sigaction(sig, nullptr, &action);
    EXPECT_EQ(action.sa_handler, SIG_IGN) << sig;
  }
  std::raise(SIGTERM);
  EXPECT_EQ(calls, 6);
}

}  // namespace
