#include "recorder/recorder.h"

#include "app/app.h"
#include "shell/form1.h"

namespace recorder {

Recorder::Recorder(App& app) : app_(app) {}
Recorder::~Recorder() = default;

void Recorder::wire(ScreenId id) {
  if (id == ScreenId::Form6) wireFolderManager();
  if (id != ScreenId::Form1) return;
  shell::Form1& f1 = app_.form1();
  f1.DisplayUpdateTimer.onTick = [this] { DisplayUpdateTimer_Timer(); };
  f1.RecorderStartStopButton.onClick = [this] { RecorderStartStopButton_Click(); };
  f1.onKeyDown = [this](int keyCode, int shift) { Form_KeyDown(keyCode, shift); };
}

}  // namespace recorder
