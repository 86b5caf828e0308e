#include "recorder/form7.h"

namespace recorder {

form7::form7(platform::Scheduler& /*scheduler*/) : DataFileList("form7") {}

}  // namespace recorder
