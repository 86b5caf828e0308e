// The record file: one tab-separated text file per day in the recorder
// folder, a header line of column titles at each start of recording and one
// record line per sample. Every field is followed by one TAB and every line
// ends CR LF. At the real-time and quarter-second intervals records are
// gathered in memory and appended 61 at a time.

#include <array>
#include <string>
#include <string_view>

#include "app/app.h"
#include "platform/datetime.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "recorder/recorder.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "settings/form2.h"
#include "shell/form1.h"

namespace recorder {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kSaveDataFile = "Error Number at Save Data File ";
constexpr std::string_view kSaveNewFile = "Error Number at Save New File ";
// Written before every header while a Grand Rapids 4000/6000 is the engine
// monitor: its values are recorded as that monitor shows them.
constexpr std::string_view kGrandRapidsNote =
    "Grand Rapids Monitor - There is no unit conversion for the Grand Rapids Monitor. The units "
    "recorded here are the same units that are displayed on the Grand Rapids display";
// A write gathers 61 records in the buffered intervals.
constexpr std::int16_t kBufferedRecords = 60;
// While writes keep failing the recorder holds at most this much; beyond it
// the held lines are given up and the next record starts a new section.
constexpr std::size_t kHeldLimit = std::size_t{4} << 20;
constexpr platform::OleColor kLinkGood = platform::color::BrightGreen;

// A label copied unchanged into a record, with its column title.
template <class Screen>
struct LabelColumn {
  std::string_view title;
  platform::Label Screen::*label;
};

constexpr std::array<LabelColumn<shell::Form1>, 9> kGPSColumns{{
    {"GPS TIME", &shell::Form1::GPSTime},
    {"GPS MAG", &shell::Form1::GPSDataHeadingMag},
    {"GPS TRUE", &shell::Form1::GPSDataHeading},
    {"GPS GND SPEED", &shell::Form1::GPSDataAirspeed},
    {"GPS ALTITUDE", &shell::Form1::GPSDataAltitude},
    {"GPS LATITUDE", &shell::Form1::DataLatitude},
    {"GPS LONGITUDE", &shell::Form1::DataLongitude},
    {"GPS MODE", &shell::Form1::GPSFixMode},
    {"GPS SATS USED", &shell::Form1::GPSSatsUsed},
}};

constexpr std::array<std::string_view, 12> kEFISTitles{
    "EFIS TIME",     "EFIS PITCH",     "EFIS ROLL",       "EFIS YAW",     "EFIS AIRSPEED", "EFIS PRES ALT",
    "EFIS 2992 ALT", "EFIS TURN RATE", "EFIS CLIMB RATE", "EFIS LAT G's", "EFIS VERT G's", "EFIS AOA",
};

using screens::Form4;
constexpr std::array<LabelColumn<Form4>, 28> kDynonColumns{{
    {"EMS TIME", &Form4::EMSTime},
    {"RPM", &Form4::EMSRPM},
    {"MANIFOLD PRES", &Form4::EMSManPres},
    {"OIL TEMP", &Form4::EMSOilTemp},
    {"OIL PRES ", &Form4::EMSOilPres},
    {"VOLTS", &Form4::EMSVoltage},
    {"AMPS", &Form4::EMSAmps},
    {"EGT 1", &Form4::EMSEGT1},
    {"EGT 2", &Form4::EMSEGT2},
    {"EGT 3", &Form4::EMSEGT3},
    {"EGT 4", &Form4::EMSEGT4},
    {"EGT 5", &Form4::EMSEGT5},
    {"EGT 6", &Form4::EMSEGT6},
    {"CHT 1", &Form4::EMSCHT1},
    {"CHT 2", &Form4::EMSCHT2},
    {"CHT 3", &Form4::EMSCHT3},
    {"CHT 4", &Form4::EMSCHT4},
    {"CHT 5", &Form4::EMSCHT5},
    {"CHT 6", &Form4::EMSCHT6},
    {"FUEL PRES", &Form4::EMSFuelPressure},
    {"FUEL FLOW", &Form4::EMSFuelFlow},
    {"QUANTITY 1", &Form4::EMSQuantity1},
    {"QUANTITY 2", &Form4::EMSQuantity2},
    {"FUEL REMAINING", &Form4::EMSFuelRemaining},
    {"GP 1", &Form4::EMSGP1},
    {"GP 2", &Form4::EMSGP2},
    {"GP 3", &Form4::EMSGP3},
    {"THERMOCOUPLE", &Form4::EMSGPThermocouple},
}};

using screens::Form5;
constexpr std::array<LabelColumn<Form5>, 37> kGrandRapidsColumns{{
    {"HEADER", &Form5::HeaderType},
    {"FLIGHT TIMER", &Form5::GRTime},
    {"HOUR METER", &Form5::GRHourMeter},
    {"OIL TEMP", &Form5::GROilTemp},
    {"OIL PRES", &Form5::GROilPres},
    {"CARB TEMP", &Form5::GRCarbTemp},
    {"COOLANT TEMP", &Form5::GRCoolantTemp},
    {"RPM1", &Form5::GRRPM1},
    {"RPM2", &Form5::GRRPM2},
    {"VOLTS", &Form5::GRVoltage},
    {"EGT1", &Form5::GREGT1},
    {"EGT2", &Form5::GREGT2},
    {"EGT3", &Form5::GREGT3},
    {"EGT4", &Form5::GREGT4},
    {"EGT5", &Form5::GREGT5},
    {"EGT6", &Form5::GREGT6},
    {"CHT1", &Form5::GRCHT1},
    {"CHT2", &Form5::GRCHT2},
    {"CHT3", &Form5::GRCHT3},
    {"CHT4", &Form5::GRCHT4},
    {"CHT5", &Form5::GRCHT5},
    {"CHT6", &Form5::GRCHT6},
    {"FUEL", &Form5::GRFuelQuantity},
    {"FLOW", &Form5::GRFuelFlow},
    {"TIME REMAIN", &Form5::GRTimeRemaining},
    {"AIRSPEED", &Form5::GRAirspeed},
    {"ALTITUDE", &Form5::GRAltitude},
    {"ROC", &Form5::GRROC},
    {"BARO", &Form5::GRBaroSetting},
    {"OAT", &Form5::GROAT},
    {"INT TEMP", &Form5::GRUnitTemperature},
    {"AUX1", &Form5::GRAux1},
    {"AUX2", &Form5::GRAux2},
    {"AUX3", &Form5::GRAux3},
    {"AUX4", &Form5::GRAux4},
    {"AUX5", &Form5::GRAux5},
    {"AUX6", &Form5::GRAux6},
}};

void field(std::string& line, std::string_view text) {
  platform::appendTabField(line, text);
}

template <class Screen, std::size_t N>
void titles(std::string& line, const std::array<LabelColumn<Screen>, N>& columns) {
  for (const auto& c : columns) field(line, c.title);
}

template <class Screen, std::size_t N>
void captions(std::string& line, Screen& screen, const std::array<LabelColumn<Screen>, N>& columns) {
  for (const auto& c : columns) field(line, (screen.*c.label).caption());
}

bool assigned(const platform::Label& port) {
  return port.caption() != "NONE";
}

// "OK" only while the supervisor shows the link's data as fresh.
std::string_view linkStatus(const platform::Shape& light) {
  return light.backColor() == kLinkGood ? "OK" : "BAD";
}

enum class EngineBlock { None, Dynon, GrandRapids };

EngineBlock engineBlock(App& app) {
  if (!assigned(app.form1().EMSCommPort)) return EngineBlock::None;
  settings::Form2& f2 = app.form2();
  if (f2.EMSDYNON.value()) return EngineBlock::Dynon;
  // The Grand Rapids 2000 has no columns of its own.
  if (f2.EMSGRANDRAPIDS.value()) return EngineBlock::GrandRapids;
  return EngineBlock::None;
}

// The folder a record file lies in, created when it is missing.
void createFolderOf(const std::string& path) {
  const platform::PathParts parts = platform::splitPath(path);
  if (!parts.folder.empty()) platform::createFolder(parts.folder);
}

// Appends the held lines to the file; a missing recorder folder is created
// and the write tried once more, so the lines in hand are not lost.
void appendCreatingFolder(const std::string& path, platform::PendingLines& lines) {
  try {
    lines.appendTo(path);
    return;
  } catch (const platform::FileError& e) {
    if (e.number() != platform::fileerr::PathNotFound) throw;
  }
  createFolderOf(path);
  lines.appendTo(path);
}

}  // namespace

std::string recordFileErrorMessage(int number, std::string_view heading) {
  const std::string_view text = platform::fileErrorText(number);
  if (text.empty()) return std::string(heading) + platform::numberText(number);
  switch (number) {
    case platform::fileerr::BadFileNameOrNumber:
      return "\r\n  " + std::string(text);
    case platform::fileerr::FileNotFound:
      return "\r\n   " + std::string(text);
    default:
      return std::string(text);
  }
}

std::string Recorder::recordFilePath() const {
  shell::Form1& f1 = app_.form1();
  const std::string& tip = f1.RecordFileName.toolTip();
  if (!tip.empty()) return platform::nativePath(tip);
  const std::string name = "TBRC_" + platform::formatDateTime(app_.clock().now(), "mmddyy") + ".TXT";
  return platform::joinPath(f1.RecorderFolderName.caption(), name);
}

std::string Recorder::unitsWord() {
  settings::Form2& f2 = app_.form2();
  std::string word = "MPS/METERS";
  if (f2.UnitKiloMeters.value()) word = "KPH/METERS";
  if (f2.UnitsKnots.value()) word = "KNOTS/FEET";
  if (f2.UnitMiles.value()) word = "MPH/FEET";
  return word;
}

bool Recorder::bufferedInterval() {
  settings::Form2& f2 = app_.form2();
  return f2.RealTime.value() || f2.IntervalHalfSecond.value();
}

std::string Recorder::headerLine() {
  shell::Form1& f1 = app_.form1();
  std::string line;
  field(line, "COMPUTER TIME");
  field(line, "UNITS");
  if (assigned(f1.GPSCommPort)) {
    field(line, "GPS COMM");
    titles(line, kGPSColumns);
  }
  if (assigned(f1.EFISCommPort)) {
    field(line, "EFIS COMM");
    for (std::string_view t : kEFISTitles) field(line, t);
  }
  switch (engineBlock(app_)) {
    case EngineBlock::Dynon:
      field(line, "EMS COMM");
      titles(line, kDynonColumns);
      break;
    case EngineBlock::GrandRapids:
      field(line, "EMS COMM");
      titles(line, kGrandRapidsColumns);
      break;
    case EngineBlock::None:
      break;
  }
  return line;
}

std::string Recorder::recordLine() {
  using platform::formatNumber;
  shell::Form1& f1 = app_.form1();
  std::string line;
  field(line, f1.ComputerTime.caption());
  field(line, app_.UnitsWord);
  if (assigned(f1.GPSCommPort)) {
    field(line, linkStatus(f1.GPSCommOK));
    captions(line, f1, kGPSColumns);
  }
  if (assigned(f1.EFISCommPort)) {
    const App& a = app_;
    field(line, linkStatus(f1.EFISCommOK));
    // Hours and minutes, seconds, and the number of the record within its
    // second, so records of one second stay apart.
    field(line, formatNumber(a.EFISHour, "00") + formatNumber(a.EFISMinute, "00") + ":" +
                    formatNumber(a.EFISSecond, "00") + "." + formatNumber(a.EFISSecondCount, "00"));
    field(line, formatNumber(a.EFISPitch, "#0.0"));
    field(line, formatNumber(a.EFISRoll, "#0.0"));
    field(line, formatNumber(a.EFISHeading, "000"));
    field(line, formatNumber(a.EFISAirspeed, "#0.0"));
    field(line, formatNumber(a.EFISAltitude, "#0.0"));
    field(line, formatNumber(a.EFISPressureAltitude, "#0.0"));
    field(line, formatNumber(a.EFISTurnRate, "#0.0"));
    field(line, formatNumber(a.EFISVerticalSpeed, "#0.0"));
    field(line, formatNumber(a.EFISLateralG, "#0.0"));
    field(line, formatNumber(a.EFISVerticalG, "#0.0"));
    field(line, formatNumber(a.EFISAOA, "#0"));
  }
  switch (engineBlock(app_)) {
    case EngineBlock::Dynon:
      field(line, linkStatus(f1.EMSCommOK));
      captions(line, app_.form4(), kDynonColumns);
      break;
    case EngineBlock::GrandRapids:
      field(line, linkStatus(f1.EMSCommOK));
      captions(line, app_.form5(), kGrandRapidsColumns);
      break;
    case EngineBlock::None:
      break;
  }
  return line;
}

void Recorder::writeBuffer() {
  // The count starts again whatever the outcome: a failed batch is retried
  // with the next one, not with every record.
  BufferedRecordCount = 0;
  // Until start-up has applied the configured folder the lines are only
  // gathered: no file is known yet.
  if (RecordBuffer.empty() || bufferPath_.empty()) return;
  // A write lands whole or not at all: lines of a failed write stay held, in
  // order, and go out with the next write that succeeds.
  appendCreatingFolder(bufferPath_, RecordBuffer);
  failing_ = false;
}

void Recorder::retarget(Failure& failure) {
  if (app_.RecorderFolderPending) return;
  const std::string path = recordFilePath();
  if (path == bufferPath_) return;
  // Lines gathered before any file was known belong to the first one.
  if (!RecordBuffer.empty() && !bufferPath_.empty()) {
    try {
      writeBuffer();
    } catch (const platform::RunError& e) {
      // The lines belong to the old file; carried on they would stand in the
      // new one, so they are given up (the message tells of it).
      if (failure.number == 0) failure = {e.number(), kSaveDataFile};
    }
    RecordBuffer.clear();
    BufferedRecordCount = 0;
  }
  bufferPath_ = path;
}

void Recorder::keepAfterFailure() {
  if (RecordBuffer.size() <= kHeldLimit) return;
  // A line already begun in the file is kept, so it is finished.
  RecordBuffer.dropOldest(0);
  BufferedRecordCount = 0;
  // What follows the gap gets a header of its own.
  app_.NewFilePending = true;
}

void Recorder::report(const Failure& failure) {
  if (failure.number == 0) return;
  // A failure repeating before a write has succeeded again, or while the box
  // of an earlier one is still open, shows nothing more.
  if (failing_ || fileErrorBox_.open()) return;
  failing_ = true;
  app_.messages().beep();
  fileErrorBox_.show(app_.messages(), recordFileErrorMessage(failure.number, failure.heading),
                     platform::msg::OkOnly, "");
}

void Recorder::StartNewFile() {
  Failure failure;
  try {
    std::string text;
    // The note depends on the monitor type alone, also with its port "NONE".
    if (app_.form2().EMSGRANDRAPIDS.value()) {
      text += kGrandRapidsNote;
      text += kLineEnd;
    }
    text += headerLine();
    text += kLineEnd;
    retarget(failure);
    // Records still gathered go out first, so none stands under this header.
    RecordBuffer.add(text);
    writeBuffer();
  } catch (const platform::RunError& e) {
    if (failure.number == 0) failure = {e.number(), kSaveNewFile};
    keepAfterFailure();
  }
  report(failure);
}

void Recorder::WriteRecord() {
  Failure failure;
  try {
    app_.UnitsWord = unitsWord();
    std::string line = recordLine();
    line += kLineEnd;
    retarget(failure);
    RecordBuffer.add(line);
    bool written = true;
    if (bufferedInterval()) {
      ++BufferedRecordCount;
      written = BufferedRecordCount > kBufferedRecords;
    }
    // An unbuffered interval takes whatever a buffered one left with it.
    if (written) writeBuffer();
    // The record light flashes once per record, also when it was only gathered.
    app_.form1().RecorderBlinkLight.setBackColor(platform::color::BrightGreen);
  } catch (const platform::RunError& e) {
    if (failure.number == 0) failure = {e.number(), kSaveDataFile};
    keepAfterFailure();
  }
  report(failure);
}

void Recorder::flush() {
  Failure failure;
  try {
    writeBuffer();
  } catch (const platform::RunError& e) {
    failure = {e.number(), kSaveDataFile};
    // Held for the next write that succeeds, ahead of any later header.
    keepAfterFailure();
  }
  report(failure);
}

}  // namespace recorder
