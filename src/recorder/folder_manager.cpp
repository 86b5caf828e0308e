#include "app/app.h"
#include "recorder/recorder.h"

namespace recorder {

void Recorder::populatedirectory() {}

}  // namespace recorder
