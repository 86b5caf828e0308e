#include "recorder/loaders.h"

#include <exception>
#include <optional>
#include <vector>

#include "app/app.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "recorder/form15.h"
#include "recorder/form7.h"
#include "recorder/record_lists.h"
#include "recorder/recorder.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "settings/form2.h"
#include "shell/form1.h"

namespace recorder {

// The controls one loader works on.
struct LoaderControls {
  PlaybackFile file;
  platform::Label& picker;  // the settings screen's playback file label
  platform::Label& count;   // the settings screen's count label
  platform::CommandButton& convert;
  std::vector<platform::Label*> otherCounts;
  std::vector<platform::Label*> names;  // the players' file name labels
  std::vector<platform::Slider*> sliders;
  bool efis;
};

namespace {

constexpr const char* kEFISFilter = "All Files (*.*)|*.*|Data Files (*.dat)|*.dat|Text Files (*.txt)|*.txt|";
constexpr const char* kEMSFilter =
    "All Files (*.*)|*.*|Data Files (*.dat)|*.dat|Text Files (*.txt)|*.txt|Dynon CSV (*.csv)|*.csv|";
constexpr const char* kGPSFilter = "All Files (*.*)|*.*|Text Files (*.txt)|*.txt|";

LoaderControls efisControls(App& app) {
  settings::Form2& f2 = app.form2();
  shell::Form1& f1 = app.form1();
  return {PlaybackFile::EFIS,
          f2.EFIS_DataFileName,
          f2.EFIS_RecordCount,
          f2.EFIS_ConvertFile,
          {&app.form15().RecordCount, &f1.RecordCount},
          {&f1.DataFileName},
          {&f1.DataPointerSlider},
          true};
}

LoaderControls emsControls(App& app) {
  settings::Form2& f2 = app.form2();
  screens::Form4& f4 = app.form4();
  screens::Form5& f5 = app.form5();
  return {PlaybackFile::Engine,
          f2.EMS_DataFileName,
          f2.EMS_RecordCount,
          f2.EMS_ConvertFile,
          {&app.form7().RecordCount, &f4.RecordCount, &f5.RecordCount},
          {&f4.DataFileName, &f5.DataFileName},
          {&f4.DataPointerSlider, &f5.DataPointerSlider},
          false};
}

}  // namespace

DataFileLoaders::DataFileLoaders(App& app) : app_(app) {}

void DataFileLoaders::wire(ScreenId id) {
  if (id != ScreenId::Form2) return;
  settings::Form2& f = app_.form2();
  f.EFIS_DataFileName.onClick = [this] { EFIS_DataFileName_Click(); };
  f.EMS_DataFileName.onClick = [this] { EMS_DataFileName_Click(); };
  f.GPS_DataFileName.onClick = [this] { GPS_DataFileName_Click(); };
}

void DataFileLoaders::EFIS_DataFileName_Click() {
  pick(Device::EFIS);
}
void DataFileLoaders::EMS_DataFileName_Click() {
  pick(Device::EMS);
}
void DataFileLoaders::GPS_DataFileName_Click() {
  pick(Device::GPS);
}

void DataFileLoaders::pick(Device device) {
  settings::Form2& f = app_.form2();
  platform::CommandButton& convert = device == Device::EFIS
                                         ? f.EFIS_ConvertFile
                                         : (device == Device::EMS ? f.EMS_ConvertFile : f.GPS_ConvertFile);
  platform::Label& label = device == Device::EFIS
                               ? f.EFIS_DataFileName
                               : (device == Device::EMS ? f.EMS_DataFileName : f.GPS_DataFileName);
  std::int32_t& saved =
      device == Device::EFIS ? savedCountEFIS_ : (device == Device::EMS ? savedCountEMS_ : savedCountGPS_);

  convert.setEnabled(false);
  saved = app_.LoadedRecordCount;
  app_.LoadedRecordCount = 0;
  std::string path;
  try {
    platform::FileDialogRequest& dialog = f.CommonDialog1;
    dialog.title = device == Device::EFIS ? "EFIS FILE" : (device == Device::EMS ? "EMS FILE" : "GPS FILE");
    dialog.filter = device == Device::EFIS ? kEFISFilter : (device == Device::EMS ? kEMSFilter : kGPSFilter);
    dialog.filterIndex = 2;
    dialog.initialFolder = app_.form1().RecorderFolderName.caption();
    dialog.fileName.clear();
    const std::optional<std::string> chosen = app_.dialogs().openFile(dialog);
    if (!chosen || chosen->empty()) {
      app_.LoadedRecordCount = saved;
      return;
    }
    path = *chosen;
    const platform::PathParts parts = platform::splitPath(path);
    label.setToolTip(path);
    app_.DataFileExtension = parts.extension;
    app_.DataFileDrive = parts.drive;
    app_.DataFileFolder = parts.folder;
    app_.DataFileNameOnly = parts.name;
    label.setCaption(app_.DataFileNameOnly);
  } catch (const std::exception&) {
    app_.LoadedRecordCount = saved;
    return;
  }
  if (device == Device::EFIS) LoadRawEFISDataFile();
  if (device == Device::EMS) LoadRawEMSDataFile();
}

void DataFileLoaders::LoadRawEFISDataFile() {
  load(efisControls(app_));
}
void DataFileLoaders::LoadRawEMSDataFile() {
  load(emsControls(app_));
}

// Reads the whole file on the window thread without yielding: the list, the
// counts and the slider ranges change together when the load ends, or when
// it stops at an error, with the records read before it.
void DataFileLoaders::load(const LoaderControls& c) {
  RecordLists& lists = app_.recorder().lists();
  RecordStore& store = lists.records(c.file);
  lists.clearList(c.file);
  const std::string path = c.picker.toolTip();
  int failure = 0;
  try {
    app_.FileLine.clear();
    app_.LoadedRecordCount = 0;
    store.open(path);
    // Only a lower-case "csv" marks a Dynon CSV file; any other file is read
    // line by line.
    if (app_.DataFileExtension == "csv")
      store.readCsvColumn();
    else
      store.readLines();
  } catch (...) {
    failure = platform::failureNumber();
  }
  // The records read so far are listed, also when the reading stopped early.
  app_.LoadedRecordCount = store.count();
  try {
    lists.PopulateList(c.file);
  } catch (...) {
    if (failure == 0) failure = platform::failureNumber();
  }
  if (failure != 0) {
    failed(c, failure, path);
    return;
  }

  const std::string caption = platform::formatNumber(app_.LoadedRecordCount, "###,###,##0");
  c.count.setCaption(caption);
  for (platform::Label* l : c.otherCounts) l->setCaption(caption);
  for (platform::Label* l : c.names) {
    l->setCaption(c.picker.caption());
    l->setToolTip(c.picker.toolTip());
  }
  // Playback shows positions 1 to the count.
  const std::int32_t maximum = app_.LoadedRecordCount < 1 ? 1 : app_.LoadedRecordCount + 1;
  for (platform::Slider* s : c.sliders) s->setMax(maximum);
  if (app_.LoadedRecordCount >= 1) c.convert.setEnabled(true);
}

void DataFileLoaders::failed(const LoaderControls& c, int number, const std::string& path) {
  app_.messages().beep();
  std::string text = recordFileErrorMessage(number, "Error Reading INI file ");
  namespace fe = platform::fileerr;
  const bool clearFile = number == fe::BadFileNameOrNumber || number == fe::FileNotFound ||
                         number == fe::PathNotFound || (c.efis && number == fe::BadFileName);
  if (clearFile) {
    c.count.setCaption("");
    for (platform::Label* l : c.otherCounts) l->setCaption("");
    for (platform::Label* l : c.names) {
      l->setCaption("");
      l->setToolTip("");
    }
    c.picker.setCaption("");
    c.picker.setToolTip("");
    if (!c.efis) {
      // The engine monitor goes back to its port; the option's click brings
      // the settings screen's controls and the engine player into line.
      settings::Form2& f = app_.form2();
      f.EMS_COMM.setValue(true);
      f.EMS_FILE.setValue(false);
    }
  }
  text += "\r\n\r\nFilename > " + path;
  app_.messages().show(text, platform::msg::OkOnly, "");
}

}  // namespace recorder
