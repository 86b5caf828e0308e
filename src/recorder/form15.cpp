#include "recorder/form15.h"

namespace recorder {

form15::form15(platform::Scheduler& /*scheduler*/) : DataFileList("form15") {}

}  // namespace recorder
