#include "e2e/e2e_support.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <thread>

#include "app/app.h"
#include "config/config_file.h"
#include "devices/devices.h"
#include "devices/serial_links.h"
#include "platform/numbers.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "shell/form1.h"

extern char** environ;

namespace e2e {

namespace fs = std::filesystem;

bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto end = Clock::now() + timeout;
  while (!done()) {
    if (Clock::now() > end) return done();
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

std::vector<std::string> textLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// ---- Process

Process::Process(const std::string& path, const std::vector<std::string>& args, const Environment& settings,
                 const std::string& output) {
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

  std::vector<std::string> argStore{path};
  argStore.insert(argStore.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : argStore) argv.push_back(a.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&files, STDOUT_FILENO, STDERR_FILENO);
  if (posix_spawn(&pid_, path.c_str(), &files, nullptr, argv.data(), envp.data()) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&files);
}

Process::~Process() {
  if (pid_ > 0 && !exitStatus()) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

void Process::signal(int sig) const {
  if (pid_ > 0 && !status_) kill(pid_, sig);
}

std::optional<int> Process::exitStatus() {
  if (!status_ && pid_ > 0) {
    int st = 0;
    if (waitpid(pid_, &st, WNOHANG) == pid_) status_ = st;
  }
  return status_;
}

std::optional<int> Process::stop(int sig, std::chrono::milliseconds timeout) {
  signal(sig);
  waitFor([&] { return exitStatus().has_value(); }, timeout);
  return exitStatus();
}

// ---- Record lines

Fields fieldsOf(const std::string& line) {
  Fields out;
  std::size_t start = 0;
  while (start < line.size()) {
    const std::size_t tab = line.find('\t', start);
    if (tab == std::string::npos) {
      // Text after the last TAB: a line that is not a record line.
      out.push_back(line.substr(start));
      break;
    }
    out.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  return out;
}

std::vector<std::string> recordLines(const std::string& file) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < file.size()) {
    std::size_t end = file.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(file.substr(start));
      break;
    }
    lines.push_back(file.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string efisCapture(const std::string& sent) {
  std::string out;
  for (char c : sent) out += c == '\r' ? std::string("\r\r\n") : std::string(1, c);
  return out;
}

// ---- Run

namespace {
// File names that sort by the date (and hour) in them: "TBRC_" mmddyy ".TXT"
// or <prefix> mmddyy "_" hh ".DAT" sort as yymmdd(hh).
std::string dateKey(const std::string& name, std::size_t at) {
  const std::string d = name.substr(at, 6);
  const std::string hour = name.size() >= at + 9 && name[at + 6] == '_' ? name.substr(at + 7, 2) : "";
  return d.substr(4, 2) + d.substr(0, 2) + d.substr(2, 2) + hour;
}

std::string joinFiles(const std::string& folder, const std::string& prefix, const std::string& extension,
                      std::size_t nameLength) {
  std::vector<std::pair<std::string, std::string>> files;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.size() == nameLength && name.starts_with(prefix) && name.ends_with(extension))
      files.emplace_back(dateKey(name, prefix.size()), entry.path().string());
  }
  std::sort(files.begin(), files.end());
  std::string out;
  for (const auto& [key, path] : files) out += testsupport::readFile(path);
  return out;
}
}  // namespace

ProgramRun::ProgramRun() {
  for (const char* d : {"prog", "home", "xdg", "ports", "rec", "sent"}) fs::create_directory(path(d));
  chmod(path("xdg").c_str(), 0700);
  const auto icon = fs::path(TALBREN_EXECUTABLE).parent_path() / "Recorder.ico";
  if (fs::exists(icon)) fs::copy_file(icon, path("prog/Recorder.ico"));
}

ProgramRun::~ProgramRun() {
  program_.reset();
  simulator_.reset();
}

void ProgramRun::configure(const Elements& elements) {
  Elements all{{"DIRECTORY", recorderFolder()}};
  all.insert(all.end(), elements.begin(), elements.end());
  testsupport::writeFile(path("prog/") + std::string(config::kConfigurationFileName), configuration(all));
}

void ProgramRun::startSimulator(const std::vector<std::string>& devices, double duration) {
  std::vector<std::string> args{"--ports-dir", path("ports"), "--sent-dir",
                                path("sent"),  "--duration",  platform::numberText(duration),
                                "--hold",      "-1"};
  args.insert(args.end(), devices.begin(), devices.end());
  simulator_ = std::make_unique<Process>(TALBREN_DEVICESIM, args, Environment{}, path("simulator.txt"));
  ASSERT_TRUE(simulator_->started());
  ASSERT_TRUE(waitSimulator("ready", 30s)) << "the simulator did not start\n"
                                           << testsupport::readFile(path("simulator.txt"));
}

std::vector<std::string> ProgramRun::simulatorStatus() const {
  return textLines(testsupport::readFile(path("simulator.txt")));
}

bool ProgramRun::waitSimulator(const std::string& line, std::chrono::milliseconds timeout) const {
  return waitFor(
      [&] {
        const auto lines = simulatorStatus();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
      },
      timeout);
}

Sent ProgramRun::sent(const std::string& device) const {
  return testsupport::readSent(path("sent/" + device + ".bytes"), path("sent/" + device + ".log"));
}

void ProgramRun::startProgram(const Environment& extra) {
  Environment env{{"QT_QPA_PLATFORM", "offscreen"},
                  {"XDG_RUNTIME_DIR", path("xdg")},
                  {"HOME", path("home")},
                  {"TALBREN_PROGRAM_DIR", path("prog")},
                  {"TALBREN_PORTS_DIR", path("ports")},
                  {"TALBREN_SCREEN_LOG", path("screens.log")},
                  {"TALBREN_MESSAGE_LOG", path("messages.log")},
                  // The hook runs in every run, so a fault of its own shows.
                  {"TALBREN_LOOP_STATS", path("loop.txt")}};
  for (const auto& [name, value] : extra) {
    const auto same = std::find_if(env.begin(), env.end(), [&](const auto& e) { return e.first == name; });
    if (same != env.end())
      same->second = value;
    else
      env.emplace_back(name, value);
  }
  program_ =
      std::make_unique<Process>(TALBREN_EXECUTABLE, std::vector<std::string>{}, env, path("output.txt"));
  ASSERT_TRUE(program_->started());
}

bool ProgramRun::programRunning() {
  return program_ && !program_->exitStatus();
}

int ProgramRun::stopProgram() {
  const auto status = program_->stop(SIGTERM, 30s);
  if (!status) {
    ADD_FAILURE() << "the program did not end on SIGTERM";
    return -1;
  }
  if (!WIFEXITED(*status)) {
    ADD_FAILURE() << "the program ended by signal " << (WIFSIGNALED(*status) ? WTERMSIG(*status) : 0) << "\n"
                  << programOutput();
    return -1;
  }
  return WEXITSTATUS(*status);
}

void ProgramRun::signalProgram(int sig) {
  if (program_) program_->signal(sig);
}

std::optional<int> ProgramRun::waitProgramEnd(std::chrono::milliseconds timeout) {
  if (!program_) return std::nullopt;
  waitFor([&] { return program_->exitStatus().has_value(); }, timeout);
  return program_->exitStatus();
}

void ProgramRun::stopSimulator() {
  if (simulator_) simulator_->stop(SIGTERM, 30s);
}

std::string ProgramRun::programOutput() const {
  return testsupport::readFile(path("output.txt"));
}

std::string ProgramRun::messages() const {
  return testsupport::readFile(path("messages.log"));
}

std::string ProgramRun::recordFile() const {
  // TBRC_mmddyy.TXT
  return joinFiles(recorderFolder(), "TBRC_", ".TXT", 15);
}

namespace {
// TBRC_<device>_mmddyy_hh.DAT
std::string captureIn(const std::string& folder, const std::string& device) {
  const std::string prefix = "TBRC_" + device + "_";
  return joinFiles(folder, prefix, ".DAT", prefix.size() + 13);
}
}  // namespace

std::string ProgramRun::captureFile(const std::string& device) const {
  return captureIn(recorderFolder(), device);
}

// ---- Replica

namespace {

Fields captions(const std::vector<const platform::Label*>& labels) {
  Fields out;
  for (const platform::Label* l : labels) out.push_back(l->caption());
  return out;
}

}  // namespace

std::vector<Fields> Replica::run(platform::SerialLink& link, const std::vector<std::string>& pieces,
                                 const std::function<Fields()>& take) {
  std::vector<Fields> states;
  auto* fake = dynamic_cast<testsupport::FakeSerialLink*>(&link);
  EXPECT_TRUE(fake && fake->PortOpen()) << "the replica's link is not open";
  if (!fake || !fake->PortOpen()) return states;
  const auto handler = link.OnRead;
  link.OnRead = [&](const std::string& data) {
    handler(data);
    states.push_back(take());
  };
  for (const std::string& p : pieces) fake->feed(p);
  link.OnRead = handler;
  return states;
}

std::vector<Fields> Replica::gps(const std::vector<std::string>& pieces) {
  shell::Form1& f = app().form1();
  App& a = app();
  platform::SerialLink& link = *a.devices().links().MSPort1;
  // $GPVTG counted as arriving steadily: every magnetic track is shown.
  const auto handler = link.OnRead;
  link.OnRead = [&a, handler](const std::string& data) {
    a.SentenceDataAge[kGPVTG] = 0;
    handler(data);
  };
  std::vector<Fields> states = run(link, pieces, [&f] {
    return captions({&f.GPSTime, &f.GPSDataHeadingMag, &f.GPSDataHeading, &f.GPSDataAirspeed,
                     &f.GPSDataAltitude, &f.DataLatitude, &f.DataLongitude, &f.GPSFixMode, &f.GPSSatsUsed});
  });
  link.OnRead = handler;
  return states;
}

std::vector<Fields> Replica::efis(const std::vector<std::string>& pieces) {
  App& a = app();
  return run(*a.devices().links().MSPort2, pieces, [&a] {
    using platform::formatNumber;
    // EFIS TIME is hhmm:ss.nn with nn the record's number within its second.
    return Fields{formatNumber(a.EFISHour, "00") + formatNumber(a.EFISMinute, "00") + ":" +
                      formatNumber(a.EFISSecond, "00") + "." + formatNumber(a.EFISSecondCount, "00"),
                  formatNumber(a.EFISPitch, "#0.0"),
                  formatNumber(a.EFISRoll, "#0.0"),
                  formatNumber(a.EFISHeading, "000"),
                  formatNumber(a.EFISAirspeed, "#0.0"),
                  formatNumber(a.EFISAltitude, "#0.0"),
                  formatNumber(a.EFISPressureAltitude, "#0.0"),
                  formatNumber(a.EFISTurnRate, "#0.0"),
                  formatNumber(a.EFISVerticalSpeed, "#0.0"),
                  formatNumber(a.EFISLateralG, "#0.0"),
                  formatNumber(a.EFISVerticalG, "#0.0"),
                  formatNumber(a.EFISAOA, "#0")};
  });
}

std::vector<Fields> Replica::dynon(const std::vector<std::string>& pieces) {
  screens::Form4& f = app().form4();
  return run(*app().devices().links().MSPort3, pieces, [&f] {
    return captions({&f.EMSTime,     &f.EMSRPM,       &f.EMSManPres,   &f.EMSOilTemp,
                     &f.EMSOilPres,  &f.EMSVoltage,   &f.EMSAmps,      &f.EMSEGT1,
                     &f.EMSEGT2,     &f.EMSEGT3,      &f.EMSEGT4,      &f.EMSEGT5,
                     &f.EMSEGT6,     &f.EMSCHT1,      &f.EMSCHT2,      &f.EMSCHT3,
                     &f.EMSCHT4,     &f.EMSCHT5,      &f.EMSCHT6,      &f.EMSFuelPressure,
                     &f.EMSFuelFlow, &f.EMSQuantity1, &f.EMSQuantity2, &f.EMSFuelRemaining,
                     &f.EMSGP1,      &f.EMSGP2,       &f.EMSGP3,       &f.EMSGPThermocouple});
  });
}

std::vector<Fields> Replica::grandRapids(const std::vector<std::string>& pieces, const std::string& header) {
  screens::Form5& f = app().form5();
  platform::SerialLink& link = *app().devices().links().MSPort3;
  link.setReadDelimiter(header);
  return run(link, pieces, [&f] {
    return captions({&f.HeaderType,
                     &f.GRTime,
                     &f.GRHourMeter,
                     &f.GROilTemp,
                     &f.GROilPres,
                     &f.GRCarbTemp,
                     &f.GRCoolantTemp,
                     &f.GRRPM1,
                     &f.GRRPM2,
                     &f.GRVoltage,
                     &f.GREGT1,
                     &f.GREGT2,
                     &f.GREGT3,
                     &f.GREGT4,
                     &f.GREGT5,
                     &f.GREGT6,
                     &f.GRCHT1,
                     &f.GRCHT2,
                     &f.GRCHT3,
                     &f.GRCHT4,
                     &f.GRCHT5,
                     &f.GRCHT6,
                     &f.GRFuelQuantity,
                     &f.GRFuelFlow,
                     &f.GRTimeRemaining,
                     &f.GRAirspeed,
                     &f.GRAltitude,
                     &f.GRROC,
                     &f.GRBaroSetting,
                     &f.GROAT,
                     &f.GRUnitTemperature,
                     &f.GRAux1,
                     &f.GRAux2,
                     &f.GRAux3,
                     &f.GRAux4,
                     &f.GRAux5,
                     &f.GRAux6});
  });
}

std::string Replica::captureFile(const std::string& device) {
  app().devices().links().flushCaptures();
  return captureIn(program_.recorderFolder(), device);
}

// ---- Matching records to states

Fields block(const Fields& record, std::size_t at, std::size_t count) {
  if (record.size() < at + count) return {};
  return Fields(record.begin() + static_cast<std::ptrdiff_t>(at),
                record.begin() + static_cast<std::ptrdiff_t>(at + count));
}

namespace {
std::string show(const Fields& f) {
  std::string out;
  for (const std::string& s : f) out += "[" + s + "]";
  return out;
}
}  // namespace

Walk walk(const std::vector<Fields>& records, std::size_t at, std::size_t count,
          const std::vector<Fields>& allStates, const std::vector<std::size_t>& loose) {
  auto strict = [&loose](Fields f) {
    for (std::size_t i : loose)
      if (i < f.size()) f[i].clear();
    return f;
  };
  std::vector<Fields> states;
  for (const Fields& s : allStates) states.push_back(strict(s));
  Walk w;
  // Skip the leading records that hold no sent value yet.
  std::size_t r = 0;
  std::size_t state = 0;
  for (; r < records.size(); ++r) {
    const Fields values = strict(block(records[r], at + 1, count));
    const auto it = std::find(states.begin(), states.end(), values);
    if (it != states.end()) {
      state = static_cast<std::size_t>(it - states.begin());
      break;
    }
  }
  w.firstMatched = r;
  if (r == records.size()) {
    w.failure = "no record holds a value that was sent";
    return w;
  }
  for (; r < records.size(); ++r) {
    const Fields values = strict(block(records[r], at + 1, count));
    const auto it = std::find(states.begin() + static_cast<std::ptrdiff_t>(state), states.end(), values);
    if (it == states.end()) {
      w.failure =
          "record " + std::to_string(r) + " holds " + show(values) +
          ", which no state from the one of the record before it matches (that one: " + show(states[state]) +
          ")";
      return w;
    }
    state = static_cast<std::size_t>(it - states.begin());
    w.states.push_back(state);
    std::size_t last = state;
    while (last + 1 < states.size() && states[last + 1] == states[state]) ++last;
    w.latest.push_back(last);
  }
  return w;
}

bool ProgramRun::waitForRecordLines(std::size_t lines) const {
  return waitFor([&] { return recordLines(recordFile()).size() >= lines; }, 60s);
}

std::int64_t ProgramRun::loopTicks() const {
  std::int64_t ticks = -1;
  bool counting = false;
  for (const std::string& line : textLines(testsupport::readFile(path("loop.txt")))) {
    std::istringstream in(line);
    std::string word;
    std::int64_t value = 0;
    in >> word >> value;
    if (word == "started_ms") counting = value >= 0;
    if (word == "ticks" && counting) ticks = value;
  }
  return ticks;
}

void ProgramRun::runToTheEnd() {
  ASSERT_TRUE(waitSimulator("done", 60s)) << "the simulator did not finish\n"
                                          << testsupport::readFile(path("simulator.txt"));
  // Everything sent is in the program's input by now. The program reads it
  // in its next pass of the event loop; thirty 20 ms ticks of the loop later
  // its 250 ms record clock has ticked at least twice after that, and its
  // links, aged once a supervisor tick, are still fresh. A loop held up
  // skips ticks of both clocks alike.
  const std::int64_t ticksAtTheEnd = loopTicks();
  ASSERT_GE(ticksAtTheEnd, 0) << "the program's loop is not counting\n" << programOutput();
  ASSERT_TRUE(waitFor([&] { return loopTicks() >= ticksAtTheEnd + 40 || !programRunning(); }, 60s))
      << "the program's event loop did not run on\n"
      << programOutput();
  ASSERT_TRUE(programRunning()) << programOutput();
  EXPECT_EQ(stopProgram(), 0);
  stopSimulator();
}

}  // namespace e2e
