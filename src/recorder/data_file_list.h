#pragma once
// The "DATA FILE" list of a loaded playback file (engine monitor or EFIS):
// one entry per record, the store that playback and the export read by
// index, with the record position and count and the lamp that shows whether
// the last played record decoded. The engine and EFIS lists are alike.

#include <string>

#include "platform/controls.h"
#include "platform/screen.h"

namespace recorder {

class DataFileList : public platform::Screen {
 public:
  explicit DataFileList(std::string name);

  // The entries show in a fixed-pitch font (9 points, each byte 0.6 of its
  // height wide): every byte takes one cell of this many twips.
  static constexpr int kCellTwips = 108;

  platform::ListBox EntryList{this, "EntryList"};
  platform::CommandButton ShowDataScreen{this, "ShowDataScreen"};
  platform::CommandButton ReturnButton{this, "ReturnButton"};
  // Green while the last played record decoded, red when the decoder flagged it.
  platform::Shape DataParseCorrectly{this, "DataParseCorrectly"};
  platform::Label Label2{this, "Label2"};
  platform::Label RecordPointer{this, "RecordPointer"};
  platform::Label RecordCount{this, "RecordCount"};
};

}  // namespace recorder
