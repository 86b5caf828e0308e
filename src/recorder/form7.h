#pragma once
// The "DATA FILE" list of the loaded engine monitor playback file: one entry per
// record, the store that playback and the export read by index, with the
// record position and count and the lamp that shows whether the last played
// record decoded.

#include "platform/controls.h"
#include "platform/screen.h"

namespace platform {
class Scheduler;
}

namespace recorder {

class form7 : public platform::Screen {
 public:
  explicit form7(platform::Scheduler& scheduler);

  // A click on an entry decodes that record onto the Dynon engine data screen.
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
