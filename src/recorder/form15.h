#pragma once
// The "DATA FILE" list of the loaded EFIS playback file.

#include "recorder/data_file_list.h"

namespace platform {
class Scheduler;
}

namespace recorder {

class form15 : public DataFileList {
 public:
  explicit form15(platform::Scheduler& scheduler);
};

}  // namespace recorder
