#pragma once
// The "DATA FILE" list of the loaded engine monitor playback file.
// A click on an entry decodes that record onto the Dynon engine data screen.

#include "recorder/data_file_list.h"

namespace platform {
class Scheduler;
}

namespace recorder {

class form7 : public DataFileList {
 public:
  explicit form7(platform::Scheduler& scheduler);
};

}  // namespace recorder
