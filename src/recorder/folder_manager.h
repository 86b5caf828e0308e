#pragma once
// The recorder folder's file manager (Form6): the folder's files listed with
// their class, creation time and size, sortable by any column; per class the
// number of files and their total size against the size limit; one file
// deleted at a time, or every class purged down to its limit, newest files
// kept.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/screen_id.h"

class App;

namespace recorder {

// A file as the last listing found it.
struct ListedFile {
  std::string name;
  std::string type;  // "EFIS", "EMS", "GPS", "TXT" or empty
  std::uint64_t size = 0;
  std::int64_t createdAt = 0;  // nanoseconds since the epoch
};

// The class of a file by its name, compared case-sensitively, first match
// winning: "TBRC_EFIS_", "TBRC_EMS_" and "TBRC_GPS_" capture files, "TBRC_"
// record files ending ".TXT", and empty for anything else (listed, but never
// counted or purged).
std::string_view fileClass(std::string_view name);

// One class as a purge sees it: its limit and its total as the size label
// shows it, both in the class's unit (gigabytes or megabytes), and the unit
// in bytes.
struct PurgeLimit {
  std::string_view type;
  double limit = 0;
  double shown = 0;
  double unit = 1;
};

// The files a purge deletes, class by class in the order given. A limit that
// is not a positive number, or that is not below the shown size, leaves its
// class alone. Otherwise the class's files are walked from the newest to the
// oldest creation time, their sizes added up: the file whose running total
// first passes the limit stays, and every older file goes.
std::vector<std::string> purgePlan(const std::vector<ListedFile>& files,
                                   const std::vector<PurgeLimit>& limits);

class FolderManager {
 public:
  explicit FolderManager(App& app);
  void wire(ScreenId id);

  // Lists the recorder folder (the main window's folder caption): ordered by
  // class and within a class by creation, the counts and totals per class.
  void populatedirectory();
  // Sorts ascending by SortColumn and shows that column in blue.
  void SortColumns();
  // A click on the header of column `column` (counted from 1): sorts by it,
  // ascending, or the other way round when the list is sorted by it already.
  void ListView1_ColumnClick(int column);
  void Command1_Click();          // REFRESH
  void DeleteFileButton_Click();  // DELETE FILE
  void PurgeFilesButton_Click();  // PURGE FILES
  void ReturnButton_Click();      // RETURN

  // The column SortColumns sorts by (0 to 3).
  std::int16_t SortColumn = 0;
  // What the last listing found, in the folder's order.
  const std::vector<ListedFile>& listed() const { return listed_; }

 private:
  void sortBy(int key, int order);

  App& app_;
  std::vector<ListedFile> listed_;
};

}  // namespace recorder
