// The real program, started offscreen in a temporary program folder: it shows
// its main window, 1.5 s later its chosen start screen, and a SIGTERM ends it
// through the shut-down sequence with exit status 0. The screens on view are
// followed through the screen log (TALBREN_SCREEN_LOG); the start screen is
// chosen with TALBREN_START_SCREEN, so no configuration file is needed.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/test_platform.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto end = Clock::now() + timeout;
  while (!done()) {
    if (Clock::now() > end) return done();
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The program as a child process with the given environment settings added.
class Program {
 public:
  Program(const std::vector<std::pair<std::string, std::string>>& settings, const std::string& output) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
      const std::string entry = *e;
      bool replaced = false;
      for (const auto& [name, value] : settings) replaced = replaced || entry.starts_with(name + "=");
      if (!replaced) env.push_back(entry);
    }
    for (const auto& [name, value] : settings) env.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_adddup2(&files, STDOUT_FILENO, STDERR_FILENO);
    std::string path = TALBREN_EXECUTABLE;
    char* argv[] = {path.data(), nullptr};
    started_ = Clock::now();
    if (posix_spawn(&pid_, path.c_str(), &files, nullptr, argv, envp.data()) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&files);
  }
  ~Program() {
    if (pid_ > 0 && !status_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool started() const { return pid_ > 0; }
  Clock::time_point startedAt() const { return started_; }
  void signal(int sig) const { kill(pid_, sig); }
  // The wait status once the program has ended, empty while it runs.
  std::optional<int> exitStatus() {
    if (!status_ && pid_ > 0) {
      int st = 0;
      if (waitpid(pid_, &st, WNOHANG) == pid_) status_ = st;
    }
    return status_;
  }

 private:
  pid_t pid_ = -1;
  Clock::time_point started_;
  std::optional<int> status_;
};

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
    return linesOf(testsupport::readFile(folder.file("screens.log")));
  }
  bool logged(const std::string& line) const {
    const auto lines = screenLog();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  std::vector<std::pair<std::string, std::string>> environment(int option) const {
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
  Program program(environment(c.option), folder.file("output.txt"));
  ASSERT_TRUE(program.started());

  ASSERT_TRUE(waitFor([&] { return logged("Form1 shown"); }, 15s))
      << testsupport::readFile(folder.file("output.txt"));
  if (chosen != "Form1") {
    // Nothing but the main window within the first 1.5 s (less a margin for
    // the time between reading the clock and reading the log).
    if (Clock::now() - program.startedAt() < 1400ms) {
      EXPECT_FALSE(logged(chosen + " shown")) << "the start screen came before its 1.5 s";
    }
    ASSERT_TRUE(waitFor([&] { return logged(chosen + " shown"); }, 10s));
    EXPECT_GE(Clock::now() - program.startedAt(), 1500ms);
    EXPECT_EQ(screenLog(), (std::vector<std::string>{"Form1 shown", "Form1 hidden", chosen + " shown"}));
  } else {
    // Well past the start sequence the main window is still the only screen.
    std::this_thread::sleep_until(program.startedAt() + 2500ms);
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
