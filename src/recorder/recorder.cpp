#include "recorder/recorder.h"

#include "app/app.h"
#include "recorder/export.h"
#include "recorder/folder_manager.h"
#include "recorder/loaders.h"
#include "recorder/playback.h"
#include "recorder/record_lists.h"
#include "shell/form1.h"

namespace recorder {

Recorder::Recorder(App& app)
    : app_(app),
      lists_(std::make_unique<RecordLists>(app)),
      loaders_(std::make_unique<DataFileLoaders>(app)),
      playback_(std::make_unique<Playback>(app)),
      export_(std::make_unique<TextExport>(app)),
      folders_(std::make_unique<FolderManager>(app)) {}
Recorder::~Recorder() = default;

void Recorder::UpdateEFISRecordedData() {
  playback_->UpdateEFISRecordedData();
}
void Recorder::UpdateEMSRecordedData() {
  playback_->UpdateEMSRecordedData();
}

void Recorder::wire(ScreenId id) {
  lists_->wire(id);
  loaders_->wire(id);
  playback_->wire(id);
  export_->wire(id);
  folders_->wire(id);
  if (id != ScreenId::Form1) return;
  shell::Form1& f1 = app_.form1();
  f1.DisplayUpdateTimer.onTick = [this] { DisplayUpdateTimer_Timer(); };
  f1.RecorderStartStopButton.onClick = [this] { RecorderStartStopButton_Click(); };
  f1.onKeyDown = [this](int keyCode, int shift) { Form_KeyDown(keyCode, shift); };
}

}  // namespace recorder
