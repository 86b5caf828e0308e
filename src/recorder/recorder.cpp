#include "recorder/recorder.h"

#include "app/app.h"

namespace recorder {

Recorder::Recorder(App& app) : app_(app) {}
Recorder::~Recorder() = default;
void Recorder::wire(ScreenId) {}

void Recorder::RecordStep() {}
void Recorder::StartNewFile() {}
void Recorder::WriteRecord() {}
void Recorder::DisplayUpdateTimer_Timer() {}
void Recorder::ToggleRecorderOnOff() {}
void Recorder::RecorderStartStopButton_Click() {}
void Recorder::Form_KeyDown(int, int) {}
void Recorder::flush() {}

}  // namespace recorder
