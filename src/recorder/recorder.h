#pragma once
// Recorder and playback: record scheduling and the record file, playback of
// loaded files, the loaders, the export and the recorder-folder manager.

#include "app/screen_id.h"

class App;

namespace recorder {

class Recorder {
 public:
  explicit Recorder(App& app);
  ~Recorder();
  void wire(ScreenId id);

  // The record step shared by the record clock and the EFIS decoder's
  // real-time step: a new file section first when one is due, then a record.
  void RecordStep();
  void StartNewFile();
  void WriteRecord();
  void DisplayUpdateTimer_Timer();
  void ToggleRecorderOnOff();
  void RecorderStartStopButton_Click();
  // F1 and F8 on the main window.
  void Form_KeyDown(int keyCode, int shift);
  // Writes every buffered record (recorder stopped, new day, shut-down).
  void flush();

  // Playback steps of the EFIS and engine players.
  void UpdateEFISRecordedData();
  void UpdateEMSRecordedData();
  // Lists the recorder folder in the file manager.
  void populatedirectory();

 private:
  App& app_;
};

}  // namespace recorder
