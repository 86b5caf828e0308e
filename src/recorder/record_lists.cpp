#include "recorder/record_lists.h"

#include <algorithm>
#include <climits>
#include <string>

#include "app/app.h"
#include "devices/devices.h"
#include "devices/dynon_decoder.h"
#include "platform/files.h"
#include "recorder/form15.h"
#include "recorder/form7.h"
#include "screens/form4.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "shell/navigation.h"
#include "shell/shell.h"

namespace recorder {

namespace {
constexpr long long kTwipsPerPixel = 15;
}  // namespace

RecordLists::RecordLists(App& app) : app_(app) {}

DataFileList& RecordLists::list(PlaybackFile file) {
  if (file == PlaybackFile::EFIS) return app_.form15();
  return app_.form7();
}

void RecordLists::wire(ScreenId id) {
  PlaybackFile file;
  if (id == ScreenId::form15)
    file = PlaybackFile::EFIS;
  else if (id == ScreenId::form7)
    file = PlaybackFile::Engine;
  else
    return;
  DataFileList& screen = list(file);
  screen.EntryList.setSource(&records(file));
  screen.ShowDataScreen.onClick = [this, file] { ShowDataScreen_Click(file); };
  screen.ReturnButton.onClick = [this, file] { ReturnButton_Click(file); };
  // Clicking an EFIS entry only selects it.
  if (file == PlaybackFile::Engine) screen.EntryList.onClick = [this] { EntryList_Click(); };
}

void RecordLists::clearList(PlaybackFile file) {
  records(file).clear();
  list(file).EntryList.sourceChanged();
}

void RecordLists::PopulateList(PlaybackFile file) {
  const RecordStore& store = records(file);
  DataFileList& screen = list(file);
  if (store.count() > 0) app_.FileLine = store.record(store.count() - 1);
  // Entries are drawn in a fixed-pitch font: the width of an entry is its
  // bytes and the two blanks before it, one cell each.
  const long long cells = static_cast<long long>(std::min<std::size_t>(store.longestEntry(), INT_MAX)) + 2;
  widestWidth_[index(file)] = std::max(widestWidth_[index(file)], cells * DataFileList::kCellTwips);
  const long long extent = (widestWidth_[index(file)] + kTwipsPerPixel / 2) / kTwipsPerPixel;
  screen.EntryList.setHorizontalExtent(static_cast<int>(std::min<long long>(extent, INT_MAX)));
  screen.EntryList.sourceChanged();
}

void RecordLists::EntryList_Click() {
  form7& screen = app_.form7();
  const int entry = screen.EntryList.listIndex();
  if (entry < 0) return;
  const platform::PathParts parts = platform::splitPath(app_.form2().EMS_DataFileName.caption());
  app_.DataFileExtension = parts.extension;
  app_.DataFileDrive = parts.drive;
  app_.DataFileFolder = parts.folder;
  app_.DataFileNameOnly = parts.name;
  screen.RecordPointer.setCaption(std::to_string(entry));
  app_.EMSLine = records(PlaybackFile::Engine).record(entry);
  devices::DynonDecoder& dynon = app_.devices().dynon();
  if (app_.DataFileExtension == "csv")
    dynon.ParseCSVRecordOrMarkBad();
  else
    dynon.ParseEMSDynonData();
  screen.DataParseCorrectly.setFillColor(app_.EMSParseError != 0 ? platform::color::Red
                                                                 : platform::color::BrightGreen);
}

void RecordLists::ShowDataScreen_Click(PlaybackFile file) {
  if (file == PlaybackFile::Engine) {
    app_.shell().navigation().ClearCameFrom();
    app_.CameFromForm[idx(ScreenId::form7)] = true;
    app_.form7().hide();
    app_.form4().show();
  } else {
    app_.form15().hide();
    app_.form1().show();
  }
}

void RecordLists::ReturnButton_Click(PlaybackFile file) {
  app_.shell().navigation().ReturnFromScreen(file == PlaybackFile::EFIS ? ScreenId::form15 : ScreenId::form7);
}

}  // namespace recorder
