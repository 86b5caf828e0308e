#include "recorder/folder_manager.h"

#include <algorithm>
#include <array>

#include "app/app.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "recorder/form6.h"
#include "recorder/recorder.h"
#include "shell/form1.h"

namespace recorder {

namespace {

constexpr double kGigabyte = 1e9;
constexpr double kMegabyte = 1e6;

// The class rows of the screen, in the order a purge takes them.
struct ClassRow {
  std::string_view type;
  platform::Label Form6::*files;
  platform::Label Form6::*size;
  platform::Label Form6::*limit;
  double unit;
};

constexpr std::array<ClassRow, 4> kClassRows{{
    {"EFIS", &Form6::EFISFiles, &Form6::EFISFileSize, &Form6::SaveEFISCaptureFileSize, kGigabyte},
    {"EMS", &Form6::EMSFiles, &Form6::EMSFileSize, &Form6::SaveEMSCaptureFileSize, kMegabyte},
    {"GPS", &Form6::GPSFiles, &Form6::GPSFileSize, &Form6::SaveGPSCaptureFileSize, kMegabyte},
    {"TXT", &Form6::TXTFiles, &Form6::TXTFileSize, &Form6::SaveExcelDataFileSize, kGigabyte},
}};

// The creation time as the CREATED column shows it.
constexpr std::string_view kCreatedPattern = "yyyy-mm-dd hh:nn:ss";

bool startsWith(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && s.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

std::string_view fileClass(std::string_view name) {
  if (startsWith(name, "TBRC_EFIS_")) return "EFIS";
  if (startsWith(name, "TBRC_EMS_")) return "EMS";
  if (startsWith(name, "TBRC_GPS_")) return "GPS";
  if (startsWith(name, "TBRC_") && name.size() >= 4 && name.substr(name.size() - 4) == ".TXT") return "TXT";
  return {};
}

std::vector<std::string> purgePlan(const std::vector<ListedFile>& files,
                                   const std::vector<PurgeLimit>& limits) {
  std::vector<std::string> doomed;
  for (const PurgeLimit& c : limits) {
    if (c.type.empty() || !(c.limit > 0) || !(c.limit < c.shown)) continue;
    // Files of one instant: the later in the list (by name, so by date and
    // hour for capture files) counts as the newer.
    std::vector<const ListedFile*> newestFirst;
    for (auto f = files.rbegin(); f != files.rend(); ++f)
      if (f->type == c.type) newestFirst.push_back(&*f);
    std::stable_sort(newestFirst.begin(), newestFirst.end(),
                     [](const ListedFile* a, const ListedFile* b) { return a->createdAt > b->createdAt; });
    std::uint64_t total = 0;
    bool reached = false;
    for (const ListedFile* f : newestFirst) {
      if (reached) {
        doomed.push_back(f->name);
        continue;
      }
      total += f->size;
      reached = static_cast<double>(total) / c.unit > c.limit;
    }
  }
  return doomed;
}

FolderManager::FolderManager(App& app) : app_(app) {}

void FolderManager::wire(ScreenId id) {
  if (id != ScreenId::Form6) return;
  Form6& f = app_.form6();
  f.ListView1.onColumnClick = [this](int column) { ListView1_ColumnClick(column); };
  f.Command1.onClick = [this] { Command1_Click(); };
  f.DeleteFileButton.onClick = [this] { DeleteFileButton_Click(); };
  f.PurgeFilesButton.onClick = [this] { PurgeFilesButton_Click(); };
  f.ReturnButton.onClick = [this] { ReturnButton_Click(); };
}

// A folder that is missing or cannot be read lists nothing; a file that
// goes while it is listed is left out.
void FolderManager::populatedirectory() {
  Form6& f = app_.form6();
  f.ListView1.clearItems();
  listed_.clear();
  std::vector<platform::ListView::Item> items;
  try {
    for (platform::FolderEntry& e : platform::listFolder(app_.form1().RecorderFolderName.caption())) {
      if (e.isFolder) continue;
      const std::string_view type = fileClass(e.name);
      items.push_back({e.name,
                       {std::string(type), platform::formatDateTime(e.created, kCreatedPattern),
                        platform::numberText(e.size)},
                       {}});
      listed_.push_back({std::move(e.name), std::string(type), e.size, e.createdAt});
    }
  } catch (const platform::FileError&) {
    items.clear();
    listed_.clear();
  }
  // The list is filled at once and sorted once per key.
  f.ListView1.setItems(std::move(items));
  SortColumn = 2;
  SortColumns();
  SortColumn = 1;
  SortColumns();

  // Sizes and totals are 64-bit: capture files pass 2 GB.
  for (const ClassRow& row : kClassRows) {
    std::int64_t count = 0;
    std::uint64_t total = 0;
    for (const ListedFile& file : listed_) {
      if (file.type != row.type) continue;
      ++count;
      total += file.size;
    }
    (f.*row.files).setCaption(platform::formatNumber(count, "##0"));
    platform::Label& size = f.*row.size;
    size.setCaption(platform::formatNumber(static_cast<double>(total) / row.unit, "##0.000"));
    size.setToolTip("TOTAL > " + platform::formatNumber(total, "###,###,###") + " k");
  }
}

void FolderManager::SortColumns() {
  sortBy(SortColumn, 0);
}

void FolderManager::ListView1_ColumnClick(int column) {
  const int key = column - 1;
  platform::ListView& list = app_.form6().ListView1;
  const bool again = list.sorted() && list.sortKey() == key;
  sortBy(key, again ? 1 - list.sortOrder() : 0);
}

void FolderManager::sortBy(int key, int order) {
  platform::ListView& list = app_.form6().ListView1;
  list.sortBy(key, order);
  if (list.itemCount() == 0) return;
  for (int c = 0; c < static_cast<int>(list.columns().size()); ++c)
    list.setColumnForeColor(c, c == key ? platform::color::Blue : platform::color::Black);
}

void FolderManager::Command1_Click() {
  populatedirectory();
}

void FolderManager::ReturnButton_Click() {
  app_.form1().show();
  app_.form6().hide();
}

// Exactly the one file named, never a pattern and never the folder; one that
// cannot be deleted (read-only among them) stays, without a message.
void FolderManager::DeleteFileButton_Click() {
  Form6& f = app_.form6();
  const platform::ListView& list = f.ListView1;
  const int selected = list.selectedItem();
  const std::string name = selected >= 0 && selected < list.itemCount()
                               ? list.items()[static_cast<std::size_t>(selected)].text
                               : "";
  namespace msg = platform::msg;
  const int answer = app_.messages().show("DELETE -  " + name + "\r\n\r\nDo you want to continue ?",
                                          msg::YesNo + msg::Critical + msg::DefaultButton2, "DELETE FILE");
  if (answer == msg::ResultYes && !name.empty()) {
    try {
      platform::removeListedFile(platform::joinPath(app_.form1().RecorderFolderName.caption(), name));
    } catch (const platform::FileError&) {
    }
  }
  populatedirectory();
}

// No question is asked. A file that cannot be deleted is skipped and the
// purge goes on; one message at the end tells of the first such file.
void FolderManager::PurgeFilesButton_Click() {
  Form6& f = app_.form6();
  SortColumn = 2;
  SortColumns();
  SortColumn = 1;
  SortColumns();
  std::vector<PurgeLimit> limits;
  limits.reserve(std::size(kClassRows));
  for (const ClassRow& row : kClassRows)
    limits.push_back({row.type, platform::readNumber((f.*row.limit).caption()),
                      platform::readNumber((f.*row.size).caption()), row.unit});
  const std::string folder = app_.form1().RecorderFolderName.caption();
  int failure = 0;
  std::string failedPath;
  for (const std::string& name : purgePlan(listed_, limits)) {
    const std::string path = platform::joinPath(folder, name);
    try {
      platform::removeListedFile(path);
    } catch (const platform::FileError& e) {
      if (failure == 0) {
        failure = e.number();
        failedPath = e.path();
      }
    }
  }
  if (failure != 0) {
    app_.messages().beep();
    app_.messages().show(
        recordFileErrorMessage(failure, "Error Number at Purge Files ") + "\r\n\r\nFilename > " + failedPath,
        platform::msg::OkOnly, "");
  }
  populatedirectory();
}

void Recorder::populatedirectory() {
  folders_->populatedirectory();
}

}  // namespace recorder
