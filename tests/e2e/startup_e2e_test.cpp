// The real program, started offscreen in a temporary program folder: it shows
// its main window, 1.5 s later its chosen start screen, and a SIGTERM ends it
// through the shut-down sequence with exit status 0. The screens on view are
// followed through the screen log (TALBREN_SCREEN_LOG); the start screen is
// chosen with TALBREN_START_SCREEN, so no configuration file is needed.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "e2e_support.h"
#include "support/test_platform.h"

namespace {

using e2e::Clock;
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
  e2e::Environment environment(int option) const {
    return {{"QT_QPA_PLATFORM", "offscreen"},
            {"XDG_RUNTIME_DIR", folder.file("xdg")},
            {"HOME", folder.file("home")},
            {"TALBREN_PROGRAM_DIR", folder.path()},
            {"TALBREN_SCREEN_LOG", folder.file("screens.log")},
            {"TALBREN_MESSAGE_LOG", folder.file("messages.log")},
            {"TALBREN_START_SCREEN", std::to_string(option)}};
  }

  testsupport::TempDir folder;
};

TEST_P(StartupEndToEnd, ShowsMainWindowThenTheStartScreenAndEndsCleanlyOnSigterm) {
  const StartCase c = GetParam();
  const std::string chosen = c.screen;
  const Clock::time_point startedAt = Clock::now();
  e2e::Process program(TALBREN_EXECUTABLE, {}, environment(c.option), folder.file("output.txt"));
  ASSERT_TRUE(program.started());

  ASSERT_TRUE(waitFor([&] { return logged("Form1 shown"); }, 15s))
      << testsupport::readFile(folder.file("output.txt"));
  if (chosen != "Form1") {
    // Nothing but the main window within the first 1.5 s (less a margin for
    // the time between reading the clock and reading the log).
    if (Clock::now() - startedAt < 1400ms) {
      EXPECT_FALSE(logged(chosen + " shown")) << "the start screen came before its 1.5 s";
    }
    ASSERT_TRUE(waitFor([&] { return logged(chosen + " shown"); }, 10s));
    EXPECT_GE(Clock::now() - startedAt, 1500ms);
    EXPECT_EQ(screenLog(), (std::vector<std::string>{"Form1 shown", "Form1 hidden", chosen + " shown"}));
  } else {
    // Well past the start sequence the main window is still the only screen.
    std::this_thread::sleep_until(startedAt + 2500ms);
    EXPECT_EQ(screenLog(), std::vector<std::string>{"Form1 shown"});
  }
  ASSERT_FALSE(program.exitStatus());

  program.signal(SIGTERM);
  ASSERT_TRUE(waitFor([&] { return program.exitStatus().has_value(); }, 10s));
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
