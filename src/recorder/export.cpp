#include "recorder/export.h"

#include <memory>
#include <optional>
#include <string_view>

#include "app/app.h"
#include "devices/devices.h"
#include "devices/dynon_decoder.h"
#include "devices/efis_decoder.h"
#include "platform/files.h"
#include "recorder/record_columns.h"
#include "recorder/record_lists.h"
#include "recorder/recorder.h"
#include "screens/form4.h"
#include "settings/form2.h"
#include "shell/form1.h"

namespace recorder {

namespace {

using columns::field;

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kSaveNewFile = "Error Number at Save New File ";
constexpr std::string_view kTextFilter = "All Files (*.*)|*.*|Text Files (*.txt)|*.txt|";

constexpr std::string_view kContactTitles[6] = {"CONTACT  1", "CONTACT  2", "CONTACT  3",
                                                "CONTACT  4", "CONTACT  5", "CONTACT  6"};

// The export's EFIS titles are the recorder's, but for the altitude's.
void efisTitles(std::string& header) {
  for (std::size_t i = 0; i < columns::kEFISTitles.size(); ++i)
    field(header, i == 5 ? std::string_view("EFIS ALTITUDE") : columns::kEFISTitles[i]);
}

// The Dynon columns: the engine time, the two hour meters, the recorder's
// other Dynon columns and the six contacts.
void dynonTitles(std::string& header) {
  field(header, columns::kDynonColumns[0].title);
  field(header, "HOBBS TIME");
  field(header, "TACH TIME");
  for (std::size_t i = 1; i < columns::kDynonColumns.size(); ++i)
    field(header, columns::kDynonColumns[i].title);
  for (std::string_view t : kContactTitles) field(header, t);
}

void dynonFields(std::string& row, screens::Form4& f) {
  field(row, f.EMSTime.caption());
  field(row, f.HobbsTime.caption());
  field(row, f.TachTime.caption());
  for (std::size_t i = 1; i < columns::kDynonColumns.size(); ++i)
    field(row, (f.*columns::kDynonColumns[i].label).caption());
  // The text decoder leaves every contact lamp dark green; the CSV decoder
  // lights those that are closed.
  for (int n = 0; n < 6; ++n)
    field(row, f.EMS_Contact[n].fillColor() == platform::color::Green ? "OFF" : "ON");
}

// A device's progress bar over the export of its records: it runs from 0 to
// the number of records less one (0 to 1 with fewer than two), so no value
// of the export is outside it, and it moves only when the position it shows
// changes (one step per pixel of its width).
class Progress {
 public:
  Progress(platform::ProgressBar& bar, std::int32_t records) : bar_(bar) {
    max_ = records < 2 ? 1 : records - 1;
    bar_.setMin(0);
    bar_.setMax(static_cast<double>(max_));
    bar_.setValue(0);
    const int pixels = bar_.width() / 15;
    pixels_ = pixels < 1 ? 1 : pixels;
  }
  void at(std::int32_t i) {
    const std::int64_t shown = static_cast<std::int64_t>(i) * pixels_ / max_;
    if (shown == shown_) return;
    shown_ = shown;
    bar_.setValue(i);
  }

 private:
  platform::ProgressBar& bar_;
  std::int64_t max_ = 1;
  std::int64_t pixels_ = 1;
  std::int64_t shown_ = 0;
};

}  // namespace

TextExport::TextExport(App& app) : app_(app) {}

void TextExport::wire(ScreenId id) {
  if (id != ScreenId::Form2) return;
  settings::Form2& f = app_.form2();
  f.EFIS_ConvertFile.onClick = [this] { EFIS_ConvertFile_Click(); };
  f.EMS_ConvertFile.onClick = [this] { EMS_ConvertFile_Click(); };
  f.GPS_ConvertFile.onClick = [this] { GPS_ConvertFile_Click(); };
}

void TextExport::EFIS_ConvertFile_Click() {
  click(Device::EFIS);
}
void TextExport::EMS_ConvertFile_Click() {
  click(Device::EMS);
}
void TextExport::GPS_ConvertFile_Click() {
  click(Device::GPS);
}

void TextExport::click(Device device) {
  settings::Form2& f = app_.form2();
  const platform::Label& name = device == Device::EFIS  ? f.EFIS_DataFileName
                                : device == Device::EMS ? f.EMS_DataFileName
                                                        : f.GPS_DataFileName;
  ConvertSourcePath = name.toolTip();
  ConvertEFISFile = device == Device::EFIS;
  ConvertEMSFile = device == Device::EMS;
  ConvertGPSFile = device == Device::GPS;
  f.EFIS_ConvertFile.setEnabled(false);
  f.EMS_ConvertFile.setEnabled(false);
  f.GPS_ConvertFile.setEnabled(false);
  SelectConvertFileName();
}

// A cancelled dialog, a file name of fewer than four characters or any other
// failure ends it silently, the device's flag set and the buttons disabled
// until the next click or load.
void TextExport::SelectConvertFileName() {
  App& a = app_;
  try {
    const platform::PathParts parts = platform::splitPath(ConvertSourcePath);
    a.DataFileExtension = parts.extension;
    a.DataFileDrive = parts.drive;
    a.DataFileFolder = parts.folder;
    a.DataFileNameOnly = parts.name;
    // The point and a three-letter extension go; no extension is added.
    if (a.DataFileNameOnly.size() < 4) return;
    a.DataFileNameOnly.resize(a.DataFileNameOnly.size() - 4);

    // No title is set: the dialog keeps the one its last use left.
    platform::FileDialogRequest& dialog = a.form2().CommonDialog1;
    dialog.fileName = platform::joinPath(a.DataFileFolder, "TBRC_" + a.DataFileNameOnly);
    dialog.filter = kTextFilter;
    dialog.filterIndex = 2;
    const std::optional<std::string> chosen = a.dialogs().saveFile(dialog);
    if (!chosen || chosen->empty()) return;
    ConvertOutputPath = *chosen;
  } catch (const std::exception&) {
    return;
  }
  ConvertRawDataFile();
}

void TextExport::ConvertRawDataFile() {
  App& a = app_;
  settings::Form2& f = a.form2();
  RecordLists& lists = a.recorder().lists();
  // Timer ticks and serial data wait from here until the export has ended;
  // then they run, and after them a CANCEL or shut-down that came meanwhile.
  const platform::HoldEvents hold(a.scheduler().hold());
  std::unique_ptr<platform::NewFileWriter> out;
  try {
    a.ConvertAbort = false;
    a.UnitsWord = a.recorder().unitsWord();
    std::string header;
    field(header, "UNITS");
    if (f.GPS_FILE.value() && ConvertGPSFile) {
      columns::titles(header, columns::kGPSColumns);
      f.GPS_ConvertFile.setEnabled(false);
    }
    if (f.EFIS_FILE.value() && ConvertEFISFile) {
      const Progress range(f.EFIS_ProgressBar, lists.records(PlaybackFile::EFIS).count());
      f.EFIS_ProgressBar.setVisible(true);
      f.EFIS_ConvertFile.setEnabled(false);
      efisTitles(header);
    }
    if (f.EMS_FILE.value() && ConvertEMSFile) {
      const Progress range(f.EMS_ProgressBar, lists.records(PlaybackFile::Engine).count());
      f.EMS_ProgressBar.setVisible(true);
      f.EMS_ConvertFile.setEnabled(false);
      if (f.EMSDYNON.value()) dynonTitles(header);
      // The Grand Rapids 2000 has no columns of its own.
      if (f.EMSGRANDRAPIDS.value()) {
        field(header, "EMS COMM");
        columns::titles(header, columns::kGrandRapidsColumns);
      }
    }

    out = std::make_unique<platform::NewFileWriter>(ConvertOutputPath);
    if (f.EMSGRANDRAPIDS.value()) {
      out->write(columns::kGrandRapidsNote);
      out->write(kLineEnd);
    }
    header += kLineEnd;
    out->write(header);

    lastPause_ = a.scheduler().nowMs() - kPauseMs;
    if (ConvertEFISFile) efisRows(*out);
    if (ConvertEMSFile) {
      const platform::PathParts parts = platform::splitPath(f.EMS_DataFileName.caption());
      a.DataFileExtension = parts.extension;
      a.DataFileDrive = parts.drive;
      a.DataFileFolder = parts.folder;
      a.DataFileNameOnly = parts.name;
      if (f.EMSDYNON.value()) dynonRows(*out);
    }
    out->close();
  } catch (...) {
    const int number = platform::failureNumber();
    a.messages().beep();
    a.messages().show(recordFileErrorMessage(number, kSaveNewFile), platform::msg::OkOnly, "");
    // The rows written before the failure stay.
    try {
      if (out) out->close();
    } catch (...) {
    }
  }
  endState();
}

// Each record of the EFIS file's own list, whichever file was picked last.
void TextExport::efisRows(platform::NewFileWriter& out) {
  App& a = app_;
  const RecordStore& store = a.recorder().lists().records(PlaybackFile::EFIS);
  Progress progress(a.form2().EFIS_ProgressBar, store.count());
  devices::EfisDecoder& efis = a.devices().efis();
  RecordStore::Reader records(store);
  std::string row;
  for (std::int32_t i = 0; i < store.count(); ++i) {
    progress.at(i);
    records.read(i, a.EFISLine);
    // Neither the real-time record step nor the immediate displays run.
    efis.ParseEFISDataForExport();
    row.clear();
    field(row, a.UnitsWord);
    columns::appendEFISFields(row, a);
    row += kLineEnd;
    out.write(row);
    if (a.ConvertAbort || pauseStops()) break;
  }
}

// Each record of the engine file's own list: a CSV record (a file whose
// extension is "csv" exactly) whose decoding fails is written with what its
// decoder left, as a bad text record is.
void TextExport::dynonRows(platform::NewFileWriter& out) {
  App& a = app_;
  const RecordStore& store = a.recorder().lists().records(PlaybackFile::Engine);
  Progress progress(a.form2().EMS_ProgressBar, store.count());
  devices::DynonDecoder& dynon = a.devices().dynon();
  screens::Form4& f4 = a.form4();
  const bool csv = a.DataFileExtension == "csv";
  RecordStore::Reader records(store);
  std::string row;
  for (std::int32_t i = 0; i < store.count(); ++i) {
    progress.at(i);
    records.read(i, a.EMSLine);
    if (csv)
      dynon.ParseCSVRecordOrMarkBad();
    else
      dynon.ParseEMSDynonData();
    row.clear();
    field(row, a.UnitsWord);
    dynonFields(row, f4);
    row += kLineEnd;
    out.write(row);
    if (a.ConvertAbort || pauseStops()) break;
  }
}

// Pauses are due kPauseMs after the start of the one before, so the work in
// between never runs longer, however long a pause takes.
bool TextExport::pauseStops() {
  App& a = app_;
  const std::int64_t now = a.scheduler().nowMs();
  if (now - lastPause_ < kPauseMs) return false;
  lastPause_ = now;
  a.services().ui.pauseForInput(a.form2().CancelButton, a.form1());
  return a.ConvertAbort || a.scheduler().hold().stopRequested();
}

// Also after a failure. GPS_ConvertFile stays disabled until the settings
// screen enables the GPS file controls again.
void TextExport::endState() {
  settings::Form2& f = app_.form2();
  f.EFIS_ProgressBar.setVisible(false);
  f.EFIS_ConvertFile.setEnabled(true);
  f.EMS_ProgressBar.setVisible(false);
  f.EMS_ConvertFile.setEnabled(true);
  ConvertEFISFile = false;
  ConvertEMSFile = false;
  ConvertGPSFile = false;
  app_.ConvertAbort = false;
}

}  // namespace recorder
