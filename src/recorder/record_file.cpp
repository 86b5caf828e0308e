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
#include "recorder/record_columns.h"
#include "recorder/recorder.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "settings/form2.h"
#include "shell/form1.h"

namespace recorder {

namespace {

using columns::captions;
using columns::field;
using columns::kDynonColumns;
using columns::kEFISTitles;
using columns::kGPSColumns;
using columns::kGrandRapidsColumns;
using columns::kGrandRapidsNote;
using columns::titles;

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kSaveDataFile = "Error Number at Save Data File ";
constexpr std::string_view kSaveNewFile = "Error Number at Save New File ";
// A write gathers 61 records in the buffered intervals.
constexpr std::int16_t kBufferedRecords = 60;
// While writes keep failing the recorder holds at most this much; beyond it
// the held lines are given up and the next record starts a new section.
constexpr std::size_t kHeldLimit = std::size_t{4} << 20;
constexpr platform::OleColor kLinkGood = platform::color::BrightGreen;

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

// Whether held text begins with a heading: the Grand Rapids note or the line
// of column titles. A record line begins with the computer's time instead.
bool startsSection(std::string_view text) {
  return text.starts_with(kGrandRapidsNote) || text.starts_with("COMPUTER TIME\t");
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
  shell::Form1& f1 = app_.form1();
  std::string line;
  field(line, f1.ComputerTime.caption());
  field(line, app_.UnitsWord);
  if (assigned(f1.GPSCommPort)) {
    field(line, linkStatus(f1.GPSCommOK));
    captions(line, f1, kGPSColumns);
  }
  if (assigned(f1.EFISCommPort)) {
    field(line, linkStatus(f1.EFISCommOK));
    columns::appendEFISFields(line, app_);
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
  // A record file that went away after it was written (deleted by hand or by
  // a purge) is made anew with a heading, so its records never stand without
  // their column titles.
  if (writtenPath_ == bufferPath_ && !startsSection(RecordBuffer.text()) &&
      !platform::fileExists(bufferPath_))
    RecordBuffer.addInFront(sectionHeading());
  // A write lands whole or not at all: lines of a failed write stay held, in
  // order, and go out with the next write that succeeds.
  appendCreatingFolder(bufferPath_, RecordBuffer);
  writtenPath_ = bufferPath_;
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

std::string Recorder::sectionHeading() {
  std::string text;
  // The note depends on the monitor type alone, also with its port "NONE".
  if (app_.form2().EMSGRANDRAPIDS.value()) {
    text += kGrandRapidsNote;
    text += kLineEnd;
  }
  text += headerLine();
  text += kLineEnd;
  return text;
}

void Recorder::StartNewFile() {
  Failure failure;
  try {
    const std::string text = sectionHeading();
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
