// The real program, started offscreen in a temporary program folder: it shows
// its main window, then (its start sequence, 1.5 s later) its chosen start
// screen, and a SIGTERM ends it through the shut-down sequence with exit
// status 0. The screens on view are followed through the screen log
// (TALBREN_SCREEN_LOG); the start screen is chosen with TALBREN_START_SCREEN,
// so no configuration file is needed. The loop-stats hook (TALBREN_LOOP_STATS)
// writes its file once the start sequence has run: the test waits for that,
// never for a time.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "support/test_platform.h"

namespace {

using e2e::waitFor;
using namespace std::chrono_literals;

struct StartCase {
  int option;          // element of the start-screen options
  const char* screen;  // the screen on view after 1.5 s
};

class StartupEndToEnd : public testing::TestWithParam<StartCase> {
 protected:
  void SetUp() override {
    // A program folder as installed: it holds the window icon.
    const auto icon = std::filesystem::path(TALBREN_EXECUTABLE).parent_path() / "Recorder.ico";
    if (std::filesystem::exists(icon)) std::filesystem::copy_file(icon, folder.file("Recorder.ico"));
    std::filesystem::create_directory(folder.file("home"));
    std::filesystem::create_directory(folder.file("xdg"));
    chmod(folder.file("xdg").c_str(), 0700);
  }
  std::vector<std::string> screenLog() const {
    return e2e::textLines(testsupport::readFile(folder.file("screens.log")));
  }
  bool logged(const std::string& line) const {
    const auto lines = screenLog();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  // The loop-stats hook has begun counting: the start sequence has run.
  bool startSequenceRan() const {
    for (const std::string& line : e2e::textLines(testsupport::readFile(folder.file("loop.txt"))))
      if (line.starts_with("started_ms ") && line != "started_ms -1") return true;
    return false;
  }
  e2e::Environment environment(int option) const {
    return {{"QT_QPA_PLATFORM", "offscreen"},
            {"XDG_RUNTIME_DIR", folder.file("xdg")},
            {"HOME", folder.file("home")},
            {"TALBREN_PROGRAM_DIR", folder.path()},
            {"TALBREN_SCREEN_LOG", folder.file("screens.log")},
            {"TALBREN_MESSAGE_LOG", folder.file("messages.log")},
            {"TALBREN_LOOP_STATS", folder.file("loop.txt")},
            {"TALBREN_START_SCREEN", std::to_string(option)}};
  }

  testsupport::TempDir folder;
};

TEST_P(StartupEndToEnd, ShowsMainWindowThenTheStartScreenAndEndsCleanlyOnSigterm) {
  const StartCase c = GetParam();
  const std::string chosen = c.screen;
  e2e::Process program(TALBREN_EXECUTABLE, {}, environment(c.option), folder.file("output.txt"));
  ASSERT_TRUE(program.started());

  ASSERT_TRUE(waitFor([&] { return logged("Form1 shown"); }, 30s))
      << "the main window never showed\n"
      << testsupport::readFile(folder.file("output.txt"));
  ASSERT_TRUE(waitFor([&] { return startSequenceRan(); }, 30s))
      << "the start sequence never ran\n"
      << testsupport::readFile(folder.file("output.txt"));
  // The main window first, then the start sequence put the chosen screen in
  // its place (or left the main window alone when it is the one chosen).
  if (chosen != "Form1") {
    EXPECT_EQ(screenLog(), (std::vector<std::string>{"Form1 shown", "Form1 hidden", chosen + " shown"}));
  } else {
    EXPECT_EQ(screenLog(), std::vector<std::string>{"Form1 shown"});
  }
  ASSERT_FALSE(program.exitStatus());

  program.signal(SIGTERM);
  ASSERT_TRUE(waitFor([&] { return program.exitStatus().has_value(); }, 30s)) << "the program did not end";
  const int status = *program.exitStatus();
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  // The shut-down sequence unloaded the screen on view.
  EXPECT_EQ(screenLog().back(), chosen + " hidden");
  EXPECT_EQ(testsupport::readFile(folder.file("messages.log")), "");
}

INSTANTIATE_TEST_SUITE_P(StartScreens, StartupEndToEnd,
                         testing::Values(StartCase{0, "Form1"}, StartCase{3, "Form8"}, StartCase{1, "Form4"}),
                         [](const testing::TestParamInfo<StartCase>& p) {
                           return std::string(p.param.screen);
                         });

}  // namespace
