#pragma once
// The record lists of the two playback files: the EFIS list (form15) and the
// engine monitor list (form7). Each list shows the records of its store; the
// engine list decodes a clicked record onto the Dynon engine data screen, and
// both lists lead to their data screen and back.

#include <array>
#include <cstddef>

#include "app/screen_id.h"
#include "recorder/record_store.h"

class App;

namespace recorder {

class DataFileList;

// The two players' files: EFIS and engine monitor.
enum class PlaybackFile { EFIS = 0, Engine = 1 };

class RecordLists {
 public:
  explicit RecordLists(App& app);
  void wire(ScreenId id);

  // The records of a loaded file: the store that playback, the lists and the
  // export read.
  RecordStore& records(PlaybackFile file) { return stores_[index(file)]; }
  // The list screen of a file (form15 or form7).
  DataFileList& list(PlaybackFile file);

  // Empties a file's list and lets go of its file.
  void clearList(PlaybackFile file);
  // What adding each record of a load to its list leaves, for every record
  // the store read at once: the entries in file order, FileLine the last
  // record handed over, and the list's extent widened to its widest entry.
  void PopulateList(PlaybackFile file);

  // A click on an engine record: decoded onto the Dynon engine data screen.
  void EntryList_Click();
  // DISPLAY DATA: the engine list leads to the engine data screen (whose
  // RETURN brings the list back), the EFIS list to the main window.
  void ShowDataScreen_Click(PlaybackFile file);
  void ReturnButton_Click(PlaybackFile file);

 private:
  static std::size_t index(PlaybackFile file) { return static_cast<std::size_t>(file); }

  App& app_;
  std::array<RecordStore, 2> stores_;
  // The widest entry each list has shown over the program's life, in
  // twips, two leading blanks included; a new load never narrows it.
  std::array<long long, 2> widestWidth_{};
};

}  // namespace recorder
