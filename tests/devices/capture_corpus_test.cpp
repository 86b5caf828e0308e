// The golden capture corpus: short captures of every device format, each with
// damaged lines among its records, replayed through the headless program in
// virtual time at the pace the device simulator sent them, as a live port
// raises their data events (a Dynon CSV log through the engine player). What
// the program made of them is compared byte for byte with reviewed files
// beside each capture under tests/data:
//   <stem>.values.txt        every change that each data event (and the
//                            timers between them) made: the decoded values,
//                            data ages, and every control of the screens, in
//                            the knots unit set;
//   <stem>.<units>.TXT       the record file, header and records, in each of
//                            the four unit sets of the settings screen;
//   <stem>.<EFIS|EMS|GPS>.DAT  each raw capture file written.
// A missing file fails. TALBREN_WRITE_GOLDEN=1 writes them instead (and
// fails), for review before they are committed; scripts/golden does that for
// the tests named.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <concepts>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "app/app.h"
#include "devices/devices.h"
#include "devices/gps_decoder.h"
#include "devices/serial_links.h"
#include "platform/timer.h"
#include "screens/form4.h"
#include "settings/form2.h"
#include "shell/lifecycle.h"
#include "shell/main_handlers.h"
#include "shell/shell.h"
#include "support/screen_state.h"
#include "support/sent_log.h"
#include "support/test_platform.h"

namespace {

using testsupport::Elements;
using testsupport::HeadlessProgram;

const std::string kData = TALBREN_TEST_DATA_DIR;

// ---- The cases

enum class Port { GPS, EFIS, EMS };

// One device's capture: what the simulator sent on its line (<stem>.bytes,
// <stem>.log), started this long after the start-up timer has opened the
// links. A Grand Rapids monitor's first frames wait for the delimiter
// watchdog: it sets a frame header only at a tick that found no frame.
struct Capture {
  Port port;
  std::string stem;
  std::int64_t leadInMs = 0;
};

struct Case {
  std::string name;
  // Stem of the expected files, under tests/data.
  std::string expected;
  std::vector<Capture> captures;
  // A Dynon CSV log that the engine player plays, under tests/data.
  std::string csv;
  Elements elements;
  // The capture files the run writes ("EFIS", "EMS", "GPS").
  std::vector<std::string> captureFiles;
  // Whether the values file is kept (the combined runs keep records only).
  bool values = true;
};

const Elements kEfis{{"EFIS_PORT_NAME", "COM1"}, {"EFIS_COMM_CAPTURE", "1"}};
const Elements kGps{{"GPS_PORT_NAME", "COM2"}, {"GPS_COMM_CAPTURE", "1"}};
const Elements kGarmin{{"GPS_FORMAT_NMEA", "False"}, {"GPS_FORMAT_GARMIN", "True"}};
const Elements kDynon{{"EMS_PORT_NAME", "COM3"}, {"EMS_COMM_CAPTURE", "1"}};
const Elements kGrandRapids{{"EMS_DYNON", "False"}, {"EMS_GRAND_RAPIDS", "True"}};
const Elements kGrandRapids2000{{"EMS_DYNON", "False"}, {"EMS_GR_2000", "True"}};
// The engine monitor's port stays assigned while a file plays, so records
// keep its block.
const Elements kEngineFile{{"EMS_PORT_NAME", "COM3"}};

Elements join(std::initializer_list<Elements> parts) {
  Elements all;
  for (const Elements& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// A replay starts at 1.6 s, once the start-up timer has opened the links. The
// delimiter watchdog ticks every 3 s from the program's start: a capture
// begun 1.5 s later finds the FE FF FE its first tick chose, one begun 4.5 s
// later the FE FE FE of its second. One begun at once sends its first frames
// while the link still cuts at carriage returns.
constexpr std::int64_t kAfterFirstWatchdogTick = 1500;
constexpr std::int64_t kAfterSecondWatchdogTick = 4500;

const std::vector<Case>& cases() {
  static const std::vector<Case> all = {
      {"efis", "efis/flight", {{Port::EFIS, "efis/flight"}}, "", kEfis, {"EFIS"}},
      {"dynon_text", "dynon/text", {{Port::EMS, "dynon/text"}}, "", kDynon, {"EMS"}},
      {"dynon_csv", "dynon/log", {}, "dynon/log.csv", kEngineFile, {}},
      {"gr4000_fefffe",
       "grand_rapids/gr4000_fefffe",
       {{Port::EMS, "grand_rapids/gr4000_fefffe"}},
       "",
       join({kDynon, kGrandRapids}),
       {}},
      {"gr4000_fefefe",
       "grand_rapids/gr4000_fefefe",
       {{Port::EMS, "grand_rapids/gr4000_fefefe", kAfterSecondWatchdogTick}},
       "",
       join({kDynon, kGrandRapids}),
       {}},
      {"gr2000",
       "grand_rapids/gr2000",
       {{Port::EMS, "grand_rapids/gr2000", kAfterFirstWatchdogTick}},
       "",
       join({kDynon, kGrandRapids2000}),
       {}},
      {"gps_nmea", "gps/nmea", {{Port::GPS, "gps/nmea"}}, "", kGps, {"GPS"}},
      {"gps_garmin", "gps/garmin", {{Port::GPS, "gps/garmin"}}, "", join({kGps, kGarmin}), {"GPS"}},
      // Three devices at once: every block of the record line.
      {"flight_dynon",
       "flight/dynon",
       {{Port::GPS, "gps/nmea"}, {Port::EFIS, "efis/flight"}, {Port::EMS, "dynon/text"}},
       "",
       join({kGps, kEfis, kDynon}),
       {"EFIS", "EMS", "GPS"},
       false},
      {"flight_grand_rapids",
       "flight/grand_rapids",
       {{Port::GPS, "gps/garmin", kAfterFirstWatchdogTick},
        {Port::EFIS, "efis/flight", kAfterFirstWatchdogTick},
        {Port::EMS, "grand_rapids/gr4000_fefffe", kAfterFirstWatchdogTick}},
       "",
       join({kGps, kGarmin, kEfis, kDynon, kGrandRapids}),
       {"EFIS", "GPS"},
       false},
  };
  return all;
}

// The four unit options of the settings screen.
struct Units {
  std::string name;
  std::string element;
};
const std::vector<Units> kUnits{{"knots", "RECORD_UNITS_KNOTS"},
                                {"miles", "RECORD_UNITS_MILES"},
                                {"kilometres", "RECORD_UNITS_KPH"},
                                {"metres", "RECORD_UNITS_MPS"}};

// ---- What a run shows

constexpr char kHexDigits[] = "0123456789ABCDEF";

void appendHex(std::string& out, unsigned char c) {
  out += kHexDigits[c >> 4];
  out += kHexDigits[c & 0xF];
}

// Binary bytes as hexadecimal pairs: "FE FF FE 07".
std::string hexBytes(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (!out.empty()) out += ' ';
    appendHex(out, c);
  }
  return out;
}

// A text with every byte outside printable ASCII as \xHH (with `named`, CR,
// LF and TAB as \r \n \t, and a backslash or quotation mark behind a
// backslash), so that captions holding received garbage stay readable.
std::string printable(const std::string& text, bool named = false) {
  std::string out;
  for (unsigned char c : text) {
    if (named && (c == '\r' || c == '\n' || c == '\t')) {
      out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : "\\t";
    } else if (named && (c == '\\' || c == '"')) {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      out += "\\x";
      appendHex(out, c);
    }
  }
  return out;
}

// Bytes as a quoted text.
std::string quotedBytes(const std::string& bytes) {
  return "\"" + printable(bytes, true) + "\"";
}

// The shortest text that reads back as the same single: every bit of a
// decoded value shows.
std::string exact(float v) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

template <std::integral T>
std::string text(T v) {
  return std::to_string(v);
}
std::string text(platform::VbBool v) {
  return std::to_string(v.raw());
}

template <class T>
std::string list(const T& values) {
  std::string out;
  for (const auto& v : values) out += (out.empty() ? "" : ",") + text(v);
  return out;
}

// The screens of each device that its decoder writes to, besides the main
// window. They are made at the start, so that each change a data event makes
// shows, also on a screen it creates.
std::vector<ScreenId> screensOf(Port port, bool grandRapids) {
  switch (port) {
    case Port::GPS:
      return {ScreenId::Form9, ScreenId::form20, ScreenId::form21};
    case Port::EFIS:
      return {ScreenId::Form8, ScreenId::form12, ScreenId::form15};
    case Port::EMS:
      break;
  }
  if (grandRapids) return {ScreenId::Form5, ScreenId::Form11, ScreenId::form12};
  return {ScreenId::Form4, ScreenId::form7, ScreenId::Form10, ScreenId::form12};
}

// Positions the logic sets, where a screen has them.
std::set<std::string> placedOn(ScreenId id) {
  if (id == ScreenId::Form8) return {"AltitudeLabel.left"};
  if (id == ScreenId::form21) return {"Sat_Green", "GPS_SV_Number"};
  return {};
}

// Everything a run can show, as named items of properties, and what changed
// since the last look: the decoded values, data ages and health of the shared
// state, every control of the watched screens (as tests/data/screens shows
// them), message boxes, beeps and failures that escaped an event handler.
class Observer {
 public:
  Observer(HeadlessProgram& program, const std::vector<Port>& ports) : program_(program) {
    const bool grandRapids = !program_.app().form2().EMSDYNON.value();
    watched_.push_back(ScreenId::Form1);
    for (Port port : ports)
      for (ScreenId id : screensOf(port, grandRapids))
        if (std::find(watched_.begin(), watched_.end(), id) == watched_.end()) watched_.push_back(id);
    for (ScreenId id : watched_) program_.app().screen(id);
    changes();
  }

  // One line per item that changed since the last call, with the properties
  // that changed (one that went away shows as "-"), each indented, ended LF.
  std::string changes() {
    std::string out;
    for (const auto& [name, properties] : look()) {
      Properties& last = last_[name];
      std::string changed;
      for (const auto& [key, value] : properties) {
        const auto was =
            std::find_if(last.begin(), last.end(), [&](const auto& p) { return p.first == key; });
        if (was == last.end() || was->second != value) changed += " " + key + "=" + printable(value);
      }
      for (const auto& [key, value] : last) {
        const bool kept =
            std::any_of(properties.begin(), properties.end(), [&](const auto& p) { return p.first == key; });
        if (!kept) changed += " " + key + "=-";
      }
      last = properties;
      if (!changed.empty()) out += "    " + name + ":" + changed + "\n";
    }
    for (const std::string& e : program_.takeEscapes()) out += "    failure escaped: " + e + "\n";
    return hidePaths(out);
  }

 private:
  using Properties = std::vector<std::pair<std::string, std::string>>;
  using Items = std::vector<std::pair<std::string, Properties>>;

  Items look() {
    App& a = program_.app();
    Items items;
    auto item = [&](const std::string& name, Properties properties) {
      items.emplace_back(name, std::move(properties));
    };
    std::string bits;
    for (std::size_t i = a.EFISStatusBits.size(); i > 0; --i) bits += a.EFISStatusBits[i - 1] ? '1' : '0';
    item("EFIS", {{"time", text(a.EFISHour) + ":" + text(a.EFISMinute) + ":" + text(a.EFISSecond)},
                  {"count", text(a.EFISSecondCount)},
                  {"pitch", exact(a.EFISPitch)},
                  {"roll", exact(a.EFISRoll)},
                  {"heading", text(a.EFISHeading)},
                  {"airspeed", exact(a.EFISAirspeed)},
                  {"altitude", exact(a.EFISAltitude)},
                  {"pressure", exact(a.EFISPressureAltitude)},
                  {"turn", exact(a.EFISTurnRate)},
                  {"climb", exact(a.EFISVerticalSpeed)},
                  {"lateral", exact(a.EFISLateralG)},
                  {"vertical", exact(a.EFISVerticalG)},
                  {"AOA", text(a.EFISAOA)},
                  {"status", bits},
                  {"modeC", text(a.ModeCAltitude)}});
    item("GPS", {{"altitude", quotedBytes(a.GPSAltitudeText)},
                 {"speed", quotedBytes(a.GPSSpeedText)},
                 {"track", quotedBytes(a.GPSTrackText)},
                 {"status", quotedBytes(a.GPSStatusText)},
                 {"date", quotedBytes(a.GPSMonth + "/" + a.GPSDay + "/" + a.GPSYear)},
                 {"time", quotedBytes(a.GPSHour + ":" + a.GPSMinute + ":" + a.GPSSecond)},
                 {"garminTime", quotedBytes(a.devices().gps().GPSTimeText())}});
    item("ages", {{"links", list(a.SourceDataAge)}, {"sentences", list(a.SentenceDataAge)}});
    item("health", {{"stale", list(a.StaleMarked)},
                    {"EFISError", text(a.EFISParseError)},
                    {"EMSError", text(a.EMSParseError)},
                    {"terrain", text(a.TerrainAlert)}});
    item("GrandRapids", {{"headerSeen", text(a.GRHeaderSeen)},
                         {"lastIndex", text(a.EMSBytesUBound)},
                         {"delimiter", hexBytes(a.devices().links().MSPort3->ReadDelimiter())}});
    item("engine", {{"limits", list(a.EngineTempLimit)}, {"scale", exact(a.EGTToCHTScale)}});
    item("recorder", {{"on", text(a.RecorderOn)}, {"units", a.UnitsWord}});
    for (ScreenId id : watched_) {
      const testsupport::ScreenState state = testsupport::screenState(a.screen(id), placedOn(id));
      for (const auto& [name, control] : state.controls())
        item(std::string(screenName(id)) + "." + name, control.properties());
    }
    const auto& boxes = program_.platform().messages.shown;
    for (std::size_t i = 0; i < boxes.size(); ++i)
      item("box " + text(i), {{"text", quotedBytes(boxes[i].text)}, {"title", quotedBytes(boxes[i].title)}});
    item("messages", {{"beeps", text(program_.platform().messages.beeps)}});
    return items;
  }

  // The temporary folders of the run and the test data's folder (wherever
  // the source tree lies) by name.
  std::string hidePaths(std::string out) const {
    const std::pair<std::string, std::string> folders[] = {{program_.recorderFolder(), "<recorder folder>"},
                                                           {program_.programFolder(), "<program folder>"},
                                                           {kData, "<test data>"}};
    for (const auto& [path, name] : folders)
      for (std::size_t at; (at = out.find(path)) != std::string::npos;) out.replace(at, path.size(), name);
    return out;
  }

  HeadlessProgram& program_;
  std::vector<ScreenId> watched_;
  std::map<std::string, Properties> last_;
};

// ---- The replay

testsupport::FakeSerialLink& fakeLink(App& app, Port port) {
  devices::SerialLinks& links = app.devices().links();
  platform::SerialLink* link = port == Port::GPS    ? links.MSPort1.get()
                               : port == Port::EFIS ? links.MSPort2.get()
                                                    : links.MSPort3.get();
  auto* fake = dynamic_cast<testsupport::FakeSerialLink*>(link);
  if (!fake) throw std::logic_error("the link is not a test link");
  return *fake;
}

const char* portName(Port port) {
  return port == Port::GPS ? "GPS" : port == Port::EFIS ? "EFIS" : "EMS";
}

// One piece of bytes that the simulator sent, at its virtual time.
struct Piece {
  std::int64_t at = 0;
  Port port{};
  std::string kind;
  std::string bytes;
};

std::vector<Piece> piecesOf(const std::vector<Capture>& captures, std::int64_t start) {
  std::vector<Piece> pieces;
  for (const Capture& c : captures) {
    const testsupport::Sent sent =
        testsupport::readSent(kData + "/" + c.stem + ".bytes", kData + "/" + c.stem + ".log");
    EXPECT_FALSE(sent.bytes.empty()) << "the capture " << c.stem << " is missing";
    const testsupport::SentEvent* stream = sent.first("stream");
    const std::int64_t from = stream ? stream->ms : 0;
    for (const testsupport::SentEvent& e : sent.events)
      if (e.length > 0) pieces.push_back({start + c.leadInMs + e.ms - from, c.port, e.kind, sent.piece(e)});
  }
  std::stable_sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) { return a.at < b.at; });
  return pieces;
}

// Runs `handler` and then `after`, also when the handler fails (the failure
// goes on to the event's own catch).
template <class... Args>
std::function<void(Args...)> followed(std::type_identity_t<std::function<void(Args...)>> handler,
                                      std::type_identity_t<std::function<void(Args...)>> after) {
  return [handler = std::move(handler), after = std::move(after)](Args... args) {
    try {
      handler(args...);
    } catch (...) {
      after(args...);
      throw;
    }
    after(args...);
  };
}

// The ports a case feeds; a CSV log plays into the engine monitor's screens.
std::vector<Port> portsOf(const Case& c) {
  std::vector<Port> ports;
  for (const Capture& capture : c.captures) ports.push_back(capture.port);
  if (!c.csv.empty()) ports.push_back(Port::EMS);
  return ports;
}

class Replay {
 public:
  Replay(const Case& c, const Units& units)
      : case_(c),
        program_(join(
            {c.elements,
             {{"SHOW_RECORD_BUTTON", "False"}, {"RECORD_UNITS_KNOTS", "False"}, {units.element, "True"}}})),
        observer_(program_, portsOf(c)) {}

  App& app() { return program_.app(); }
  std::string recorderFolder() { return program_.recorderFolder(); }
  const std::string& values() const { return values_; }

  void run() {
    for (const Capture& c : case_.captures) watchPort(c.port);
    values_ = "Replay of " + case_.expected +
              " in knots. At each virtual time: the bytes fed to a port, each data event's chunk and what it "
              "changed (a property back at its default shows -), and what the timers changed in between.\n";
    const std::int64_t start = now();
    note("started with the links open");
    for (const Piece& p : piecesOf(case_.captures, start)) {
      moveTo(p.at);
      note(std::string(portName(p.port)) + " " + p.kind + ", " + std::to_string(p.bytes.size()) + " bytes");
      fakeLink(app(), p.port).feed(p.bytes);
    }
    if (!case_.csv.empty()) playCsv();
    // The last records are taken, then the program ends as it always does.
    moveTo(now() + 1000);
    app().shell().lifecycle().Shutdown();
    note("shut down");
  }

 private:
  std::int64_t now() { return program_.app().scheduler().nowMs(); }

  // What changed since the last look, under a heading with the virtual time.
  void note(const std::string& what) {
    const std::string changes = observer_.changes();
    values_ += "@" + std::to_string(now()) + " ms " + what + "\n" + changes;
  }

  // The timers up to `at`, and what they changed.
  void moveTo(std::int64_t at) {
    if (at <= now()) return;
    program_.platform().scheduler.advance(at - now());
    const std::string changes = observer_.changes();
    if (!changes.empty()) values_ += "@" + std::to_string(now()) + " ms timers\n" + changes;
  }

  // Every data event of the port notes its chunk and what it changed.
  void watchPort(Port port) {
    platform::SerialLink& link = fakeLink(app(), port);
    const bool binary = port == Port::EMS && !app().form2().EMSDYNON.value();
    link.OnRead = followed<const std::string&>(link.OnRead, [this, port, binary](const std::string& data) {
      values_ += "  " + std::string(portName(port)) + " data " + std::to_string(data.size()) +
                 " bytes: " + (binary ? hexBytes(data) : quotedBytes(data)) + "\n" + observer_.changes();
    });
  }

  // Loads the CSV log through the engine monitor's file label, then plays it
  // at medium speed, one record every 500 ms, each record once.
  void playCsv() {
    screens::Form4& f4 = app().form4();
    // The settings screen's engine monitor tab: READ FILE, the file label,
    // then RETURN.
    app().shell().mainHandlers().ShowSettingsTab(2);
    app().form2().EMS_FILE.click();
    program_.platform().dialogs.answers.emplace_back(kData + "/" + case_.csv);
    app().form2().EMS_DataFileName.click();
    app().form2().Command1.click();
    const std::int32_t count = app().LoadedRecordCount;
    EXPECT_GT(count, 0) << "the log " << case_.csv << " is missing or holds no record";
    note("loaded " + case_.csv + ", " + std::to_string(count) + " records");
    f4.PlaybackSpeedTimer.onTick = followed<>(f4.PlaybackSpeedTimer.onTick, [this, &f4] {
      ++played_;
      values_ += "  engine player record " + std::to_string(f4.DataPointerSlider.value()) + "\n" +
                 observer_.changes();
    });
    f4.MedSpeedButton.click();
    note("MED");
    // Each step is a tick of the record clock; the player ticks at every
    // second one.
    for (std::int32_t steps = 0; played_ < count && steps < 4 * count; ++steps) moveTo(now() + 250);
    EXPECT_EQ(played_, count) << "the player did not play every record";
    f4.StopSpeedButton.click();
    note("STOP");
  }

  const Case& case_;
  HeadlessProgram program_;
  Observer observer_;
  std::string values_;
  // Records the engine player has shown.
  std::int32_t played_ = 0;
};

class CaptureCorpus : public ::testing::TestWithParam<std::tuple<std::size_t, std::size_t>> {};

TEST_P(CaptureCorpus, ReplaysAsTheReviewedFilesSay) {
  const Case& c = cases()[std::get<0>(GetParam())];
  const Units& u = kUnits[std::get<1>(GetParam())];
  Replay replay(c, u);
  replay.run();

  // The recorder folder holds the day's record file and the capture files.
  const std::string record = "TBRC_101908.TXT";
  std::set<std::string> expectedNames{record};
  for (const std::string& device : c.captureFiles) expectedNames.insert("TBRC_" + device + "_101908_12.DAT");
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(replay.recorderFolder()))
    names.insert(entry.path().filename().string());
  EXPECT_EQ(names, expectedNames);

  const auto file = [&](const std::string& name) {
    return testsupport::readFile(replay.recorderFolder() + "/" + name);
  };
  testsupport::expectGolden(c.expected + "." + u.name + ".TXT", file(record));
  for (const std::string& device : c.captureFiles)
    testsupport::expectGolden(c.expected + "." + device + ".DAT", file("TBRC_" + device + "_101908_12.DAT"));
  if (c.values && u.name == "knots") testsupport::expectGolden(c.expected + ".values.txt", replay.values());
}

INSTANTIATE_TEST_SUITE_P(Captures, CaptureCorpus,
                         ::testing::Combine(::testing::Range<std::size_t>(0, cases().size()),
                                            ::testing::Range<std::size_t>(0, kUnits.size())),
                         [](const ::testing::TestParamInfo<std::tuple<std::size_t, std::size_t>>& p) {
                           return cases()[std::get<0>(p.param)].name + "_" +
                                  kUnits[std::get<1>(p.param)].name;
                         });

}  // namespace
