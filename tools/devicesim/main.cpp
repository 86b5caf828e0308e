// devicesim: stands in for the serial devices of the recorder. Each device
// is a pseudo-terminal mapped as a COM port for the program (a COMn link in a
// ports folder), which then receives synthetic but well-formed EFIS records,
// Dynon engine records, Grand Rapids frames or GPS sentences at the device's
// own rate, a capture file played back, or the faults asked for. Everything
// written to each device's line is logged, byte for byte, so a test can
// compare what the program made of it. See the README's developers' section.

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/numbers.h"
#include "tools/devicesim/records.h"

namespace {

using devicesim::Generator;
using devicesim::Kind;
using SteadyClock = std::chrono::steady_clock;

volatile std::sig_atomic_t stopRequested = 0;
extern "C" void onStopSignal(int) {
  stopRequested = 1;
}

constexpr const char* kUsage = R"(usage: devicesim --ports-dir DIR [options] DEVICE...

DEVICE is KIND:COMn[:key=value...] with KIND one of
  efis     EFIS records (51 characters and CR), 64 a second
  dynon    Dynon engine records (119 characters, CR LF), 16 a second
  gr4000   Grand Rapids 4000/6000 frames (header FE FF FE, or FE FE FE with
           header=FEFEFE), 5 a second
  gr2000   Grand Rapids 2000 frames (header FE FF FE), 5 a second
  gps      GPS sentences, one set a second ($GPGGA $GPRMC $GPVTG $GPGSV, and
           $PGRMF $PGRMZ $PGRME; format=nmea or format=garmin for one kind)
keys:
  rate=R       records (GPS: sets of sentences) a second; 0 sends back to back
  baud=B       line speed that paces the bytes (default 115200; 0: no pacing)
  delay=S      seconds between the program opening the port and the first byte
  duration=S   seconds of streaming (default: --duration)
  wait=0       stream at once instead of waiting for the program to open the port
  replay=FILE  play a capture file's lines into the port instead of synthetic data
  name=NAME    name of the device's log files (default: the kind)
  format=F     gps: nmea, garmin or both (default both)
  header=H     gr4000: FEFFFE (default) or FEFEFE
faults, at S seconds after the stream starts (N bytes where it applies):
  garbage@S=N     N bytes of every value (default 200)
  truncated@S     one record cut short
  long@S=N        a line of N characters (default 5000) before its delimiter
  burst@S=N       N bytes holding no delimiter (default 70000)
  unplug@S        the adapter is pulled out: the line falls quiet, then closes
  replug@S        the adapter is back: a new line under the same COMn, streaming
                  on whether or not the program opens it again

options:
  --ports-dir DIR   where the COMn links are written (the program's TALBREN_PORTS_DIR)
  --sent-dir DIR    logs what each device sent: NAME.bytes (every byte, in order)
                    and NAME.log (one line per event: milliseconds since the
                    start, event, offset and length in NAME.bytes)
  --duration S      default streaming time of every device (default 5)
  --hold S          keep the ports open S seconds after the last device is done
                    (default 0; -1 until SIGTERM or SIGINT)
  --seed N          seed of the garbage bytes (default 1)
Status lines go to standard output: "port NAME COMn PATH", "open NAME",
"stream NAME", "unplug NAME", "replug NAME PATH", "done NAME", and "done" when
every device has finished.
)";

[[noreturn]] void usage(const std::string& problem) {
  std::cerr << "devicesim: " << problem << "\n\n" << kUsage;
  std::exit(2);
}

double number(std::string_view text, const std::string& what) {
  if (!platform::isNumberText(text)) usage("not a number for " + what + ": " + std::string(text));
  return platform::readNumber(text);
}

struct Fault {
  enum Action { Garbage, Truncated, Long, Burst, Unplug, Replug } action;
  double at = 0;
  std::size_t length = 0;
  bool done = false;
};

std::string_view actionName(Fault::Action a) {
  switch (a) {
    case Fault::Garbage:
      return "garbage";
    case Fault::Truncated:
      return "truncated";
    case Fault::Long:
      return "long";
    case Fault::Burst:
      return "burst";
    case Fault::Unplug:
      return "unplug";
    case Fault::Replug:
      return "replug";
  }
  return "";
}

// A pseudo-terminal master whose slave the program opens as its port.
struct Line {
  int master = -1;
  std::string slave;

  void open() {
    master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
      std::cerr << "devicesim: cannot open a pseudo-terminal: " << std::strerror(errno) << "\n";
      std::exit(1);
    }
    slave = ::ptsname(master);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    // Raw mode is kept by the line while the master stays open; opening and
    // closing the slave once also makes the master report a hang-up until the
    // program opens the port.
    const int s = ::open(slave.c_str(), O_RDWR | O_NOCTTY);
    if (s >= 0) {
      termios tio{};
      if (::tcgetattr(s, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(s, TCSANOW, &tio);
      }
      ::close(s);
    }
  }
  void close() {
    if (master >= 0) ::close(master);
    master = -1;
  }
  // True while some process has the port open.
  bool listened() const {
    if (master < 0) return false;
    pollfd p{master, POLLOUT, 0};
    if (::poll(&p, 1, 0) < 0) return false;
    return (p.revents & POLLHUP) == 0;
  }
};

struct Device {
  enum class State { WaitOpen, Delay, Streaming, Quiet, Unplugged, Done };

  Kind kind{};
  std::string name;
  int port = 0;
  double rate = 0;
  double baud = 115200;
  double delay = 0;
  double duration = -1;
  bool wait = true;
  std::string replayFile;
  devicesim::GeneratorOptions options;
  std::vector<Fault> faults;

  std::unique_ptr<Generator> generator;
  std::vector<std::string> replayLines;
  Line line;
  State state = State::WaitOpen;
  SteadyClock::time_point openedAt, streamStart, quietUntil, lastPace;
  std::int64_t index = 0;  // next step
  std::string queue;       // bytes waiting for the line
  double credit = 0;       // bytes the line speed allows now
  std::uint64_t offset = 0;
  bool announced = false;  // "done" told, every byte written
  std::ofstream bytesLog, eventLog;
};

std::string portLinkPath(const std::string& portsDir, int port) {
  return portsDir + "/COM" + platform::numberText(port);
}

// Points COMn at the device's slave; a new link replaces the old in one step.
void mapPort(const std::string& portsDir, const Device& d) {
  const std::string link = portLinkPath(portsDir, d.port);
  const std::string temp = link + ".new";
  std::error_code ec;
  std::filesystem::remove(temp, ec);
  std::filesystem::create_symlink(d.line.slave, temp, ec);
  if (!ec) std::filesystem::rename(temp, link, ec);
  if (ec) {
    std::cerr << "devicesim: cannot map " << link << ": " << ec.message() << "\n";
    std::exit(1);
  }
}

devicesim::Stamp stampNow() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  ::localtime_r(&t, &local);
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  return {local.tm_year + 1900, local.tm_mon + 1,         local.tm_mday, local.tm_hour, local.tm_min,
          local.tm_sec,         static_cast<int>(ms / 10)};
}

// The lines of a capture file as the device sent them: each capture line ends
// CR LF; an EFIS line keeps the CR that ended its record and goes out as it
// is, every other line goes out with CR LF again.
std::vector<std::string> replayLinesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) usage("cannot read the capture file " + path);
  std::ostringstream ss;
  ss << in.rdbuf();
  const std::string text = ss.str();
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r')
      lines.push_back(line);
    else
      lines.push_back(line + "\r\n");
    start = end + 2;
  }
  return lines;
}

Device parseDevice(std::string_view deviceArg, double defaultDuration) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t colon = deviceArg.find(':', start);
    parts.emplace_back(deviceArg.substr(start, colon == std::string_view::npos ? colon : colon - start));
    if (colon == std::string_view::npos) break;
    start = colon + 1;
  }
  if (parts.size() < 2) usage("a device is KIND:COMn[:key=value...]: " + std::string(deviceArg));
  Device d;
  if (!devicesim::kindOf(parts[0], d.kind)) usage("unknown device kind " + parts[0]);
  d.name = std::string(devicesim::kindName(d.kind));
  if (!parts[1].starts_with("COM")) usage("a port is COMn: " + parts[1]);
  d.port = static_cast<int>(number(std::string_view(parts[1]).substr(3), "the port"));
  if (d.port < 1) usage("a port is COM1 or above: " + parts[1]);
  d.duration = defaultDuration;
  double rate = -1;
  for (std::size_t k = 2; k < parts.size(); ++k) {
    const std::string& p = parts[k];
    const std::size_t eq = p.find('=');
    const std::string key = p.substr(0, eq);
    const std::string value = eq == std::string::npos ? "" : p.substr(eq + 1);
    if (const std::size_t at = key.find('@'); at != std::string::npos) {
      Fault f{};
      const std::string action = key.substr(0, at);
      f.at = number(key.substr(at + 1), key);
      if (action == "garbage") {
        f.action = Fault::Garbage;
        f.length = 200;
      } else if (action == "truncated") {
        f.action = Fault::Truncated;
      } else if (action == "long") {
        f.action = Fault::Long;
        f.length = 5000;
      } else if (action == "burst") {
        f.action = Fault::Burst;
        f.length = 70000;
      } else if (action == "unplug") {
        f.action = Fault::Unplug;
      } else if (action == "replug") {
        f.action = Fault::Replug;
      } else {
        usage("unknown fault " + action);
      }
      if (!value.empty()) f.length = static_cast<std::size_t>(number(value, key));
      d.faults.push_back(f);
    } else if (key == "rate") {
      rate = number(value, key);
    } else if (key == "baud") {
      d.baud = number(value, key);
    } else if (key == "delay") {
      d.delay = number(value, key);
    } else if (key == "duration") {
      d.duration = number(value, key);
    } else if (key == "wait") {
      d.wait = number(value, key) != 0;
    } else if (key == "replay") {
      d.replayFile = value;
    } else if (key == "name") {
      d.name = value;
    } else if (key == "format") {
      if (value != "nmea" && value != "garmin" && value != "both") usage("format is nmea, garmin or both");
      d.options.gpsFormat = value;
    } else if (key == "header") {
      if (value != "FEFFFE" && value != "FEFEFE") usage("header is FEFFFE or FEFEFE");
      d.options.headerFEFEFE = value == "FEFEFE";
    } else {
      usage("unknown key " + key);
    }
  }
  std::stable_sort(d.faults.begin(), d.faults.end(),
                   [](const Fault& a, const Fault& b) { return a.at < b.at; });
  d.generator = std::make_unique<Generator>(d.kind, d.options);
  d.rate = rate >= 0 ? rate : d.generator->defaultRate();
  if (!d.replayFile.empty()) {
    if (d.kind == Kind::GR4000 || d.kind == Kind::GR2000)
      usage("Grand Rapids data has no capture file to replay");
    d.replayLines = replayLinesOf(d.replayFile);
  }
  return d;
}

class Simulator {
 public:
  Simulator(std::vector<Device> devices, std::string portsDir, std::string sentDir, unsigned seed)
      : devices_(std::move(devices)),
        portsDir_(std::move(portsDir)),
        sentDir_(std::move(sentDir)),
        rng_(seed) {}

  int run(double hold) {
    start_ = SteadyClock::now();
    std::filesystem::create_directories(portsDir_);
    if (!sentDir_.empty()) std::filesystem::create_directories(sentDir_);
    for (Device& d : devices_) {
      if (!sentDir_.empty()) {
        d.bytesLog.open(sentDir_ + "/" + d.name + ".bytes", std::ios::binary | std::ios::trunc);
        d.eventLog.open(sentDir_ + "/" + d.name + ".log", std::ios::trunc);
      }
      d.line.open();
      mapPort(portsDir_, d);
      status("port " + d.name + " COM" + platform::numberText(d.port) + " " + d.line.slave);
      if (!d.wait) opened(d, SteadyClock::now());
    }
    status("ready");

    bool announcedDone = false;
    std::optional<SteadyClock::time_point> holdUntil;
    while (!stopRequested) {
      const auto now = SteadyClock::now();
      bool allDone = true;
      for (Device& d : devices_) {
        advance(d, now);
        allDone = allDone && d.announced;
      }
      if (allDone) {
        if (!announcedDone) {
          announcedDone = true;
          status("done");
          if (hold >= 0) holdUntil = now + seconds(hold);
        }
        if (holdUntil && now >= *holdUntil) break;
      }
      ::usleep(1000);
    }
    for (Device& d : devices_) {
      d.line.close();
      std::error_code ec;
      // The COMn link goes with its line, unless it already names another one.
      const std::string link = portLinkPath(portsDir_, d.port);
      if (std::filesystem::read_symlink(link, ec) == d.line.slave) std::filesystem::remove(link, ec);
    }
    return 0;
  }

 private:
  static SteadyClock::duration seconds(double s) {
    return std::chrono::duration_cast<SteadyClock::duration>(std::chrono::duration<double>(s));
  }
  double sinceStart(SteadyClock::time_point t) const {
    return std::chrono::duration<double>(t - start_).count();
  }

  void status(const std::string& text) { std::cout << text << std::endl; }

  void logEvent(Device& d, std::string_view event, std::size_t length) {
    if (d.eventLog.is_open()) {
      const auto ms =
          std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - start_).count();
      d.eventLog << ms << ' ' << event << ' ' << d.offset + d.queue.size() << ' ' << length << std::endl;
    }
  }

  // Queues bytes for the line and logs them as the given event.
  void send(Device& d, std::string_view event, const std::string& bytes) {
    logEvent(d, event, bytes.size());
    d.queue += bytes;
  }

  void opened(Device& d, SteadyClock::time_point now) {
    d.openedAt = now;
    d.state = Device::State::Delay;
    status("open " + d.name);
    logEvent(d, "open", 0);
  }

  void advance(Device& d, SteadyClock::time_point now) {
    using State = Device::State;
    switch (d.state) {
      case State::WaitOpen:
        if (d.line.listened()) opened(d, now);
        return;
      case State::Delay:
        // A port just opened may still be setting its line: give it a moment.
        if (now >= d.openedAt + seconds(0.2 + d.delay)) {
          d.state = State::Streaming;
          d.streamStart = now;
          d.lastPace = now;
          status("stream " + d.name);
          logEvent(d, "stream", 0);
        }
        return;
      case State::Done:
        drain(d, now);
        if (d.queue.empty() && !d.announced) {
          d.announced = true;
          status("done " + d.name);
          logEvent(d, "done", 0);
        }
        return;
      case State::Streaming:
      case State::Quiet:
      case State::Unplugged:
        break;
    }

    const double t = std::chrono::duration<double>(now - d.streamStart).count();
    for (Fault& f : d.faults) {
      if (f.done || t < f.at) continue;
      if (f.action == Fault::Unplug) {
        if (d.state != State::Streaming) {
          f.done = true;
          continue;
        }
        // Everything already sent reaches the program before the line goes.
        d.state = State::Quiet;
        d.quietUntil = now + seconds(0.3);
        f.done = true;
        continue;
      }
      if (f.action == Fault::Replug) {
        if (d.state != State::Unplugged) {
          if (d.state == State::Quiet) break;  // after the unplug has happened
          f.done = true;
          continue;
        }
        d.line.open();
        mapPort(portsDir_, d);
        status("replug " + d.name + " " + d.line.slave);
        logEvent(d, "replug", 0);
        d.state = State::Streaming;
        d.lastPace = now;
        d.credit = 0;
        f.done = true;
        continue;
      }
      if (d.state != State::Streaming) {
        // Nothing reaches a line that is out; a quiet line sends it later.
        if (d.state == State::Unplugged) f.done = true;
        continue;
      }
      f.done = true;
      const Generator& g = *d.generator;
      std::string bytes;
      switch (f.action) {
        case Fault::Garbage:
          bytes = g.garbage(f.length, rng_);
          break;
        case Fault::Truncated:
          bytes = g.truncated(d.index, stampNow());
          break;
        case Fault::Long:
          bytes = g.overlong(f.length, rng_);
          break;
        case Fault::Burst:
          bytes = g.burst(f.length, rng_);
          break;
        default:
          break;
      }
      send(d, actionName(f.action), bytes);
    }

    if (d.state == State::Quiet) {
      drain(d, now);
      if (d.queue.empty() && now >= d.quietUntil) {
        d.line.close();
        d.queue.clear();
        d.state = State::Unplugged;
        status("unplug " + d.name);
        logEvent(d, "unplug", 0);
      }
      return;
    }
    if (d.state == State::Unplugged) {
      // Records keep their schedule while the adapter is out.
      d.index = static_cast<std::int64_t>(t * d.rate);
      if (!pendingFaults(d)) finish(d);
      return;
    }

    // Streaming: the records whose time has come.
    const bool over = d.duration >= 0 && t >= d.duration;
    while (!over) {
      const double due = d.rate > 0 ? static_cast<double>(d.index) / d.rate : 0;
      if (due > t) break;
      // Back to back (rate 0): only as fast as the line takes them.
      if (d.rate <= 0 && d.queue.size() > 4096) break;
      if (!d.replayLines.empty() || !d.replayFile.empty()) {
        if (static_cast<std::size_t>(d.index) >= d.replayLines.size()) break;
        send(d, "replay", d.replayLines[static_cast<std::size_t>(d.index)]);
      } else {
        for (const std::string& r : d.generator->step(d.index, stampNow())) send(d, "record", r);
      }
      ++d.index;
    }
    drain(d, now);
    const bool replayEnded =
        !d.replayFile.empty() && static_cast<std::size_t>(d.index) >= d.replayLines.size();
    if ((over || replayEnded) && !pendingFaults(d)) finish(d);
  }

  bool pendingFaults(const Device& d) const {
    return std::any_of(d.faults.begin(), d.faults.end(), [](const Fault& f) { return !f.done; });
  }

  // The device sends nothing more; a line that stays out stays closed.
  void finish(Device& d) { d.state = Device::State::Done; }

  // Writes what the line speed allows.
  void drain(Device& d, SteadyClock::time_point now) {
    if (d.queue.empty() || d.line.master < 0) {
      d.lastPace = now;
      return;
    }
    std::size_t allowed = d.queue.size();
    if (d.baud > 0) {
      // Ten bits a character (start, eight data, stop).
      d.credit += std::chrono::duration<double>(now - d.lastPace).count() * d.baud / 10;
      d.credit = std::min(d.credit, std::max(64.0, d.baud / 10 / 50));
      allowed = std::min(allowed, static_cast<std::size_t>(d.credit));
    }
    d.lastPace = now;
    if (allowed == 0) return;
    // A device sends whether or not anyone listens: while no program has the
    // port open (an adapter plugged back in that nobody reopened), its bytes
    // go nowhere.
    const ssize_t n =
        d.line.listened() ? ::write(d.line.master, d.queue.data(), allowed) : static_cast<ssize_t>(allowed);
    if (n > 0) {
      const auto written = static_cast<std::size_t>(n);
      if (d.bytesLog.is_open()) d.bytesLog.write(d.queue.data(), static_cast<std::streamsize>(written));
      d.offset += written;
      d.queue.erase(0, written);
      if (d.baud > 0) d.credit -= static_cast<double>(written);
      if (d.queue.empty()) d.bytesLog.flush();
    }
  }

  std::vector<Device> devices_;
  std::string portsDir_;
  std::string sentDir_;
  std::mt19937 rng_;
  SteadyClock::time_point start_;
};

}  // namespace

int main(int argc, char** argv) {
  std::string portsDir, sentDir;
  double duration = 5, hold = 0;
  unsigned seed = 1;
  std::vector<std::string> specs;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](const char* what) -> std::string {
      if (i + 1 >= argc) usage(std::string(what) + " needs a value");
      return argv[++i];
    };
    if (arg == "--ports-dir") {
      portsDir = value("--ports-dir");
    } else if (arg == "--sent-dir") {
      sentDir = value("--sent-dir");
    } else if (arg == "--duration") {
      duration = number(value("--duration"), arg);
    } else if (arg == "--hold") {
      hold = number(value("--hold"), arg);
    } else if (arg == "--seed") {
      seed = static_cast<unsigned>(number(value("--seed"), arg));
    } else if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (arg.starts_with("--")) {
      usage("unknown option " + arg);
    } else {
      specs.push_back(arg);
    }
  }
  if (portsDir.empty()) usage("--ports-dir is needed");
  if (specs.empty()) usage("no device given");
  std::vector<Device> devices;
  for (const std::string& s : specs) devices.push_back(parseDevice(s, duration));

  struct sigaction sa {};
  sa.sa_handler = onStopSignal;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGINT, &sa, nullptr);
  std::signal(SIGPIPE, SIG_IGN);

  Simulator sim(std::move(devices), portsDir, sentDir, seed);
  return sim.run(hold);
}
