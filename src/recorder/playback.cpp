#include "app/app.h"
#include "recorder/recorder.h"

namespace recorder {

void Recorder::UpdateEFISRecordedData() {}
void Recorder::UpdateEMSRecordedData() {}

}  // namespace recorder
