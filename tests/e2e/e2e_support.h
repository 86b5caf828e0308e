#pragma once
// End-to-end support: the real program and the device simulator as child
// processes in one temporary folder, the configuration they share, the files
// the program leaves behind, and a headless replica that decodes what the
// simulator sent through the program's own data events, so a test can say
// what every record must hold.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <sys/types.h>

#include "support/sent_log.h"
#include "support/test_platform.h"

namespace e2e {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Environment = std::vector<std::pair<std::string, std::string>>;
// The configuration elements of a run: name and value, set over the golden
// default configuration.
using testsupport::Elements;

bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout);
std::vector<std::string> textLines(const std::string& text);

// A child process with settings added to this process's environment, its
// standard output and error going to one file.
class Process {
 public:
  Process(const std::string& path, const std::vector<std::string>& args, const Environment& settings,
          const std::string& output);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool started() const { return pid_ > 0; }
  void signal(int sig) const;
  // The wait status once the process has ended, empty while it runs.
  std::optional<int> exitStatus();
  // Signals and waits; the wait status, empty when it did not end in time.
  std::optional<int> stop(int sig, std::chrono::milliseconds timeout);

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

// What one device sent, from the simulator's log: every byte, and the events
// with their place among the bytes.
using testsupport::Sent;
using testsupport::SentEvent;

// A record file line cut into its fields (every field ends with a TAB).
using Fields = std::vector<std::string>;
Fields fieldsOf(const std::string& line);

// One run of the program against the simulator in a fresh temporary folder:
//   prog/   program folder with the configuration   home/  HOME
//   ports/  the COMn links                          rec/   recorder folder
//   sent/   what the simulator sent
class ProgramRun {
 public:
  ProgramRun();
  ~ProgramRun();

  std::string path(const std::string& name) const { return folder_.file(name); }
  std::string recorderFolder() const { return path("rec"); }

  // The configuration file: the golden default with the given elements set
  // (element name, value), the recorder folder already pointed at rec/.
  void configure(const Elements& elements);

  // The simulator with these device arguments; the ports and sent folders are
  // given. It holds its ports open until stopped.
  void startSimulator(const std::vector<std::string>& devices, double duration);
  // The status lines the simulator has written so far.
  std::vector<std::string> simulatorStatus() const;
  bool waitSimulator(const std::string& line, std::chrono::milliseconds timeout) const;
  Sent sent(const std::string& device) const;

  // The program, offscreen unless `extra` says otherwise (settings in it
  // replace those of the run).
  void startProgram(const Environment& extra = {});
  bool programRunning();
  void signalProgram(int sig);
  // Waits for the program to end on its own; its wait status, empty when it
  // did not end in time.
  std::optional<int> waitProgramEnd(std::chrono::milliseconds timeout);
  // SIGTERM, then the exit status; fails the test when the program does not
  // end on its own within the time.
  int stopProgram();
  void stopSimulator();
  // Waits for the simulator to finish, lets the program's event loop run on
  // for a few record ticks (with the last values sent, while the links are
  // still fresh), then ends it with SIGTERM (which must give status 0) and
  // stops the simulator. Fails fatally when either did not run to its end.
  void runToTheEnd();
  // Waits until the record files hold at least `lines` lines.
  bool waitForRecordLines(std::size_t lines) const;
  // The ticks the loop-stats hook has counted in the running event loop so
  // far (as it last wrote them); -1 before it counts.
  std::int64_t loopTicks() const;
  std::string programOutput() const;
  std::string messages() const;

  // The record files of the recorder folder, oldest first, joined.
  std::string recordFile() const;
  // The capture files of one device ("EFIS", "EMS", "GPS"), oldest first, joined.
  std::string captureFile(const std::string& device) const;

 private:
  testsupport::TempDir folder_;
  std::unique_ptr<Process> simulator_;
  std::unique_ptr<Process> program_;
};

// Record lines of a record file (the CR LF line ends taken off).
std::vector<std::string> recordLines(const std::string& file);

// The capture file of EFIS lines sent: each keeps the CR of its record and
// ends CR LF.
std::string efisCapture(const std::string& sent);

// A headless program on test services, started with the configuration of a
// run, whose data events receive the simulator's bytes one sent piece at a
// time. After each chunk it takes the fields a record would hold for that
// device, so every state the program's device passed through is known.
class Replica {
 public:
  explicit Replica(const Elements& elements) : program_(elements) {}
  Replica(const Replica&) = delete;
  Replica& operator=(const Replica&) = delete;

  // GPS block without its link status: GPS TIME ... GPS SATS USED. The
  // program shows the magnetic track only while $GPVTG sentences have been
  // arriving for a while, as its supervisor counts them once a second; the
  // replica has no supervisor and shows every one, so GPS MAG holds the
  // magnetic track of the latest $GPVTG.
  std::vector<Fields> gps(const std::vector<std::string>& pieces);
  // EFIS block without its link status: EFIS TIME ... EFIS AOA, formatted as
  // a record shows them.
  std::vector<Fields> efis(const std::vector<std::string>& pieces);
  // Dynon block without its link status: EMS TIME ... THERMOCOUPLE.
  std::vector<Fields> dynon(const std::vector<std::string>& pieces);
  // Grand Rapids block without its link status: HEADER ... AUX6. The link's
  // delimiter is the given frame header from the start, as the program's is
  // once its watchdog has chosen it.
  std::vector<Fields> grandRapids(const std::vector<std::string>& pieces, const std::string& header);

  // The capture file of one device ("EFIS", "EMS", "GPS") that the replica
  // wrote from what it was fed, pending lines included.
  std::string captureFile(const std::string& device);

  App& app() { return program_.app(); }

 private:
  std::vector<Fields> run(platform::SerialLink& link, const std::vector<std::string>& pieces,
                          const std::function<Fields()>& take);

  testsupport::HeadlessProgram program_;
};

// The golden default configuration with the elements set.
using testsupport::configuration;

// Where each device's block of a record starts, for the blocks present.
struct Layout {
  bool gps = false;
  bool efis = false;
  int engineFields = 0;  // 0, 29 (Dynon) or 38 (Grand Rapids)
  std::size_t gpsAt() const { return 2; }
  std::size_t efisAt() const { return 2 + (gps ? 10 : 0); }
  std::size_t engineAt() const { return efisAt() + (efis ? 13 : 0); }
  std::size_t width() const { return engineAt() + static_cast<std::size_t>(engineFields); }
};

// The record's fields of one block, link status first.
Fields block(const Fields& record, std::size_t at, std::size_t count);

// How the records of one device walked through the states the replica knows.
struct Walk {
  // Index of the first record whose block matched a state; records before it
  // held no sent value.
  std::size_t firstMatched = 0;
  // For every record from firstMatched on, the state it matched (never
  // going back); a record that matched none fails the walk.
  std::vector<std::size_t> states;
  // For the same records, the last state of the run of states equal to the
  // matched one (a record cannot tell those apart).
  std::vector<std::size_t> latest;
  std::string failure;  // empty when every record matched
};
// Walks the records' blocks (link status taken off) through the states in
// order: each record holds the state of its predecessor or a later one. The
// fields listed in `loose` (positions within the block) are left out of the
// comparison, for the test to check on its own.
Walk walk(const std::vector<Fields>& records, std::size_t at, std::size_t count,
          const std::vector<Fields>& states, const std::vector<std::size_t>& loose = {});

}  // namespace e2e
