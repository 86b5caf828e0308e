// When records are written: the record clock's tick and, at the real-time
// interval, every EFIS record run the same record step while recording; the
// recorder button and F1 start and stop recording, F8 slows the real-time
// record clock to once a second.

#include "app/app.h"
#include "config/config.h"
#include "recorder/recorder.h"
#include "settings/form2.h"
#include "shell/form1.h"

namespace recorder {

namespace {
constexpr int kKeyF1 = 112;
constexpr int kKeyF8 = 119;
}  // namespace

void Recorder::RecordStep() {
  if (app_.NewFilePending) {
    app_.NewFilePending = false;
    StartNewFile();
  }
  WriteRecord();
}

void Recorder::DisplayUpdateTimer_Timer() {
  if (app_.RecorderOn) {
    RecordStep();
  } else if (!RecordBuffer.empty()) {
    // Recording was stopped from elsewhere (the settings, a reload): what it
    // gathered goes to its file before anything else is written.
    flush();
  }
}

void Recorder::ToggleRecorderOnOff() {
  shell::Form1& f1 = app_.form1();
  if (app_.RecorderOn) {
    f1.RecorderStartStopButton.setCaption("PRESS (F1) TO START");
    f1.RecorderStartStopButton.setBackColor(platform::color::Pink);
    app_.RecorderOn = false;
    // The next start writes a header of its own.
    app_.NewFilePending = true;
    // The records gathered so far belong to this stretch of recording.
    flush();
  } else {
    f1.RecorderStartStopButton.setCaption("PRESS (F1) TO STOP");
    app_.RecorderOn = true;
  }
}

void Recorder::RecorderStartStopButton_Click() {
  ToggleRecorderOnOff();
}

void Recorder::Form_KeyDown(int keyCode, int /*shift*/) {
  settings::Form2& f2 = app_.form2();
  if (keyCode == kKeyF1) {
    // With continuous recording there is nothing to start or stop.
    if (f2.ShowStartStopButton.value()) ToggleRecorderOnOff();
  } else if (keyCode == kKeyF8) {
    if (f2.RealTime.value()) {
      app_.OneSecondSample = !app_.OneSecondSample;
      // Applying the settings sets the record clock to 1000 or 250 ms.
      app_.config().UpdateNow_Click();
    }
  }
}

}  // namespace recorder
