// The real program keeps every record and capture line whole and once: on a
// disk that fills for a while, through a slow start, and on every way out
// (SIGHUP, SIGQUIT, SIGUSR1, two SIGTERMs in a row, the display connection
// lost).

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "e2e/e2e_support.h"
#include "platform/numbers.h"

namespace {

using namespace e2e;
namespace fs = std::filesystem;

const Elements kThreeDevices{{"EFIS_PORT_NAME", "COM41"},     {"GPS_PORT_NAME", "COM42"},
                             {"EMS_PORT_NAME", "COM43"},      {"EFIS_COMM_CAPTURE", "1"},
                             {"GPS_COMM_CAPTURE", "1"},       {"EMS_COMM_CAPTURE", "1"},
                             {"SHOW_RECORD_BUTTON", "False"}, {"RECORD_UNITS_KNOTS", "True"}};
const Layout kThreeBlocks{true, true, 29};

// Exactly 122 EFIS lines (two whole capture batches), sent last; 8 GPS
// sentences and 16 engine lines, done a second before, each leaving lines of
// a batch pending in its capture writer.
std::vector<std::string> devices(double efisSeconds) {
  const std::string others = platform::numberText(efisSeconds - 1);
  return {"efis:COM41:rate=61:duration=" + platform::numberText(efisSeconds),
          "gps:COM42:format=nmea:rate=2:duration=" + others, "dynon:COM43:duration=" + others};
}

// Waits until the program has taken every byte sent: the EFIS line sent last
// completes a capture batch, so the EFIS capture file then holds them all; or,
// where that batch waits for its file (written at the end), a record written
// since holds the values of that last line.
void waitUntilEverythingArrived(ProgramRun& run) {
  ASSERT_TRUE(run.waitSimulator("done", 60s)) << testsupport::readFile(run.path("simulator.txt"));
  const Sent efis = run.sent("efis");
  const std::string expected = efisCapture(efis.bytes);
  const Fields last = Replica(kThreeDevices).efis(efis.allPieces()).back();
  const auto lastRecorded = [&] {
    // The file may be read while a write is under way: only whole records count.
    for (const std::string& line : recordLines(run.recordFile())) {
      const Fields r = fieldsOf(line);
      if (r.size() == kThreeBlocks.width() && block(r, kThreeBlocks.efisAt() + 1, 12) == last) return true;
    }
    return false;
  };
  ASSERT_TRUE(waitFor([&] { return run.captureFile("EFIS") == expected || lastRecorded(); }, 60s))
      << "the program never took the last EFIS line sent\n"
      << run.programOutput();
}

std::vector<Fields> recordsOf(const std::string& file) {
  std::vector<Fields> records;
  const std::vector<std::string> lines = recordLines(file);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].starts_with("COMPUTER TIME\t")) continue;
    Fields f = fieldsOf(lines[i]);
    EXPECT_EQ(f.size(), kThreeBlocks.width()) << "line " << i << " is torn: " << lines[i].substr(0, 200);
    if (f.size() == kThreeBlocks.width()) records.push_back(std::move(f));
  }
  return records;
}

// Everything sent is in the files, once, whole and in order: each capture
// file byte for byte; every record line whole, the record file starting with
// its header; the records walk through every EFIS line sent, never going
// back (a batch written twice would), up to the last one, and reach the last
// values of the other devices.
void expectNothingLost(ProgramRun& run) {
  const Sent efis = run.sent("efis");
  const Sent gps = run.sent("gps");
  const Sent dynon = run.sent("dynon");
  EXPECT_EQ(run.captureFile("EFIS"), efisCapture(efis.bytes));
  EXPECT_EQ(run.captureFile("GPS"), gps.bytes);
  EXPECT_EQ(run.captureFile("EMS"), dynon.bytes);

  const std::string file = run.recordFile();
  EXPECT_TRUE(file.starts_with("COMPUTER TIME\t")) << file.substr(0, 200);
  EXPECT_TRUE(file.ends_with("\r\n"));
  const std::vector<Fields> records = recordsOf(file);
  ASSERT_FALSE(records.empty());
  Replica replica(kThreeDevices);
  const std::vector<Fields> efisStates = replica.efis(efis.allPieces());
  const Walk e = walk(records, kThreeBlocks.efisAt(), 12, efisStates);
  ASSERT_EQ(e.failure, "");
  EXPECT_EQ(std::set<std::size_t>(e.states.begin(), e.states.end()).size(), efisStates.size());
  EXPECT_EQ(e.states.back(), efisStates.size() - 1);
  const std::vector<Fields> dynonStates = replica.dynon(dynon.allPieces());
  const Walk d = walk(records, kThreeBlocks.engineAt(), 28, dynonStates);
  ASSERT_EQ(d.failure, "");
  EXPECT_EQ(d.states.back(), dynonStates.size() - 1);
  const std::vector<Fields> gpsStates = replica.gps(gps.allPieces());
  const Walk g = walk(records, kThreeBlocks.gpsAt(), 9, gpsStates, {1});
  ASSERT_EQ(g.failure, "");
  EXPECT_EQ(g.latest.back(), gpsStates.size() - 1);
}

// The program ends on its own with the exit status `code`, not by a signal,
// and has lost nothing.
void expectEndedLosingNothing(ProgramRun& run, int code) {
  const auto status = run.waitProgramEnd(30s);
  run.stopSimulator();
  ASSERT_TRUE(status) << "the program did not end";
  ASSERT_TRUE(WIFEXITED(*status)) << "ended by signal " << (WIFSIGNALED(*status) ? WTERMSIG(*status) : 0)
                                  << "\n"
                                  << run.programOutput();
  EXPECT_EQ(WEXITSTATUS(*status), code);
  // Its last steps ran on sound objects, also when the toolkit ended it.
  const std::string output = run.programOutput();
  EXPECT_EQ(output.find("runtime error"), std::string::npos) << output;
  EXPECT_EQ(output.find("Sanitizer"), std::string::npos) << output;
  expectNothingLost(run);
}

// The boxes of the message log, their texts.
std::vector<std::string> boxes(const std::string& log) {
  std::vector<std::string> out;
  std::string text;
  bool title = true;
  for (const std::string& line : textLines(log)) {
    if (line == "----") {
      out.push_back(text);
      text.clear();
      title = true;
    } else if (title) {
      title = false;
    } else {
      text += text.empty() ? line : "\n" + line;
    }
  }
  return out;
}

// A small file system of its own at a folder, for as long as it lives.
class SmallFileSystem {
 public:
  SmallFileSystem(std::string folder, const char* size) : folder_(std::move(folder)) {
    const std::string options = std::string("size=") + size;
    if (::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options.c_str()) == 0)
      mounted_ = true;
    else
      error_ = std::strerror(errno);
  }
  ~SmallFileSystem() {
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
  }
  bool mounted() const { return mounted_; }
  const std::string& error() const { return error_; }

  // Takes every byte still free with a file of its own.
  void fill() {
    const int fd = ::open((folder_ + "/filler").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    ASSERT_GE(fd, 0) << std::strerror(errno);
    const std::string block(65536, 'f');
    for (std::size_t size = block.size(); size > 0; size /= 2)
      while (::write(fd, block.data(), size) == static_cast<ssize_t>(size)) {
      }
    ::close(fd);
  }
  void makeRoom() { fs::remove(folder_ + "/filler"); }

 private:
  std::string folder_;
  bool mounted_ = false;
  std::string error_;
};

TEST(DataSafetyEndToEnd, DiskFullForAWhileLosesNothingAndWritesNothingTwice) {
  ProgramRun run;
  if (::geteuid() != 0) GTEST_SKIP() << "a small file system of its own needs root to mount it";
  SmallFileSystem disk(run.recorderFolder(), "2m");
  if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small file system here: " << disk.error();
  run.configure(kThreeDevices);
  ASSERT_NO_FATAL_FAILURE(run.startSimulator(devices(10), 10));
  ASSERT_NO_FATAL_FAILURE(run.startProgram());

  // Once records and capture lines are in their files, the disk fills and
  // stays full until two writers have told of it (those whose batches are
  // larger than what the last page of their file still takes).
  ASSERT_TRUE(waitFor([&] { return !run.recordFile().empty() && !run.captureFile("EFIS").empty(); }, 60s))
      << run.programOutput();
  const auto diskFullBoxes = [&] {
    const auto b = boxes(run.messages());
    return std::count(b.begin(), b.end(), "Disk full");
  };
  // Whatever room the writers give back is taken again at once, so the disk
  // stays full however the file system counts its free space.
  EXPECT_TRUE(waitFor(
      [&] {
        disk.fill();
        return diskFullBoxes() >= 2;
      },
      30s))
      << run.messages();
  disk.makeRoom();

  ASSERT_NO_FATAL_FAILURE(waitUntilEverythingArrived(run));
  EXPECT_EQ(run.stopProgram(), 0);
  run.stopSimulator();
  // Nothing was dropped: every box told of the full disk.
  for (const std::string& box : boxes(run.messages())) EXPECT_EQ(box, "Disk full");
  expectNothingLost(run);
}

// Every plain file named COMn in the ports folder is read whole when the
// port lists are filled: a hundred names of one large file make the start
// slow, so ticks and port data come while the load sequence still runs.
TEST(DataSafetyEndToEnd, SlowStartWritesTheHeaderAndEveryRecordIntoTheConfiguredFolder) {
  ProgramRun run;
  const std::string large = run.path("large");
  {
    std::string text = "/dev/no-such-port\n";
    text.resize(32'000'000, 'x');
    testsupport::writeFile(large, text);
  }
  for (int n = 100; n < 200; ++n) fs::create_hard_link(large, run.path("ports/COM" + std::to_string(n)));
  run.configure(kThreeDevices);
  ASSERT_NO_FATAL_FAILURE(run.startSimulator(devices(2), 2));
  ASSERT_NO_FATAL_FAILURE(run.startProgram());
  ASSERT_NO_FATAL_FAILURE(waitUntilEverythingArrived(run));
  EXPECT_EQ(run.stopProgram(), 0);
  run.stopSimulator();

  EXPECT_FALSE(fs::exists(run.path("home/RAZERI VAREROZE")))
      << "something was written into the default folder";
  EXPECT_EQ(run.messages(), "");
  expectNothingLost(run);
}

struct WayOut {
  const char* name;
  std::vector<int> signals;  // sent 10 ms apart
};

class WaysOut : public testing::TestWithParam<WayOut> {};

TEST_P(WaysOut, EndWithStatusZeroAndWriteEverythingBuffered) {
  ProgramRun run;
  run.configure(kThreeDevices);
  ASSERT_NO_FATAL_FAILURE(run.startSimulator(devices(2), 2));
  ASSERT_NO_FATAL_FAILURE(run.startProgram());
  ASSERT_NO_FATAL_FAILURE(waitUntilEverythingArrived(run));
  const std::vector<int>& signals = GetParam().signals;
  for (std::size_t i = 0; i < signals.size(); ++i) {
    if (i > 0) std::this_thread::sleep_for(10ms);
    run.signalProgram(signals[i]);
  }
  expectEndedLosingNothing(run, 0);
}

INSTANTIATE_TEST_SUITE_P(DataSafetyEndToEnd, WaysOut,
                         testing::Values(WayOut{"Hangup", {SIGHUP}}, WayOut{"Quit", {SIGQUIT}},
                                         WayOut{"User1", {SIGUSR1}},
                                         WayOut{"TwoTerminates", {SIGTERM, SIGTERM}}),
                         [](const testing::TestParamInfo<WayOut>& p) { return std::string(p.param.name); });

// An X server of the test's own, which the test can take away.
class PrivateXServer {
 public:
  explicit PrivateXServer(const std::string& output) : output_(output) {
    for (const char* dir : {"/usr/bin", "/usr/local/bin", "/bin"}) {
      const std::string candidate = std::string(dir) + "/Xvfb";
      if (::access(candidate.c_str(), X_OK) == 0) path_ = candidate;
    }
    if (path_.empty()) return;
    // The server picks a free display and writes its number first.
    server_ = std::make_unique<Process>(
        path_, std::vector<std::string>{"-displayfd", "1", "-nolisten", "tcp"}, Environment{}, output_);
    waitFor([&] { return !display().empty() || server_->exitStatus().has_value(); }, 30s);
  }
  ~PrivateXServer() { stop(); }
  bool installed() const { return !path_.empty(); }
  // ":<n>" once the server runs, else empty.
  std::string display() const {
    for (const std::string& line : textLines(testsupport::readFile(output_)))
      if (!line.empty() && std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return ":" + line;
    return {};
  }
  void stop() {
    if (server_) server_->stop(SIGTERM, 10s);
    server_.reset();
  }

 private:
  std::string output_;
  std::string path_;
  std::unique_ptr<Process> server_;
};

// The toolkit ends the program itself with status 1 when the display goes;
// what is buffered is written on that way out too.
TEST(DataSafetyEndToEnd, LostDisplayStillWritesEverythingBuffered) {
  ProgramRun run;
  PrivateXServer x(run.path("xserver.txt"));
  if (!x.installed()) GTEST_SKIP() << "Xvfb is not installed (scripts/setup installs it)";
  const std::string display = x.display();
  if (display.empty())
    GTEST_SKIP() << "Xvfb did not start: " << testsupport::readFile(run.path("xserver.txt"));
  run.configure(kThreeDevices);
  // The toolkit ends the process from inside itself: what the display's
  // system libraries hold then is theirs, not a leak of the program (this
  // matters only in a sanitizer build).
  testsupport::writeFile(run.path("leaks.supp"), "leak:libdbus-1.so\nleak:libfontconfig.so\n");
  const char* leakOptions = std::getenv("LSAN_OPTIONS");
  const std::string leaks = std::string(leakOptions ? leakOptions : "") +
                            (leakOptions && *leakOptions ? ":" : "") +
                            "suppressions=" + run.path("leaks.supp");
  ASSERT_NO_FATAL_FAILURE(run.startSimulator(devices(2), 2));
  ASSERT_NO_FATAL_FAILURE(
      run.startProgram({{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", display}, {"LSAN_OPTIONS", leaks}}));
  ASSERT_NO_FATAL_FAILURE(waitUntilEverythingArrived(run));
  x.stop();
  expectEndedLosingNothing(run, 1);
}

}  // namespace
