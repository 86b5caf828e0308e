#include "recorder/playback.h"

#include <string>

#include "app/app.h"
#include "devices/devices.h"
#include "devices/dynon_decoder.h"
#include "devices/efis_decoder.h"
#include "recorder/form15.h"
#include "recorder/form7.h"
#include "recorder/record_lists.h"
#include "recorder/recorder.h"
#include "screens/form4.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "shell/shell.h"
#include "shell/supervisor.h"

namespace recorder {

namespace {

platform::OleColor lamp(std::int16_t parseError) {
  return parseError != 0 ? platform::color::Red : platform::color::BrightGreen;
}

}  // namespace

Playback::Playback(App& app) : app_(app) {}

void Playback::wire(ScreenId id) {
  if (id != ScreenId::Form1 && id != ScreenId::Form4) return;
  platform::CommandButton* fast;
  platform::CommandButton* med;
  platform::CommandButton* stop;
  if (id == ScreenId::Form1) {
    shell::Form1& f = app_.form1();
    fast = &f.FastSpeedButton;
    med = &f.MedSpeedButton;
    stop = &f.StopSpeedButton;
  } else {
    screens::Form4& f = app_.form4();
    fast = &f.FastSpeedButton;
    med = &f.MedSpeedButton;
    stop = &f.StopSpeedButton;
  }
  fast->onClick = [this, id] { FastSpeedButton_Click(id); };
  med->onClick = [this, id] { MedSpeedButton_Click(id); };
  stop->onClick = [this, id] { StopSpeedButton_Click(id); };
  Player p = player(id);
  p.speed.onMouseDown = [this, id] { PlaybackSpeed_Mouse(id); };
  p.speed.onMouseUp = [this, id] { PlaybackSpeed_Mouse(id); };
  p.timer.onTick = [this, id] { PlaybackSpeedTimer_Timer(id); };
}

Playback::Player Playback::player(ScreenId screen) {
  if (screen == ScreenId::Form4) {
    screens::Form4& f = app_.form4();
    return {f.PlaybackSpeed, f.PlaybackSpeedTimer, f.DataPointerSlider};
  }
  shell::Form1& f = app_.form1();
  return {f.PlaybackSpeed, f.PlaybackSpeedTimer, f.DataPointerSlider};
}

void Playback::setSpeed(Player p, std::int32_t position, bool enabled, int intervalMs) {
  p.speed.setValue(position);
  p.timer.setEnabled(enabled);
  p.timer.setInterval(intervalMs);
}

void Playback::FastSpeedButton_Click(ScreenId screen) {
  setSpeed(player(screen), 9, true, 25);
}
void Playback::MedSpeedButton_Click(ScreenId screen) {
  setSpeed(player(screen), 4, true, 500);
}
void Playback::StopSpeedButton_Click(ScreenId screen) {
  setSpeed(player(screen), 0, false, 1000);
}

// Speed positions 1 (slowest) to 9 (fastest) run the timer, 0 stops it; any
// other position leaves it as it is.
void Playback::PlaybackSpeed_Mouse(ScreenId screen) {
  static constexpr int kIntervals[] = {1000, 2000, 1000, 750, 500, 250, 100, 75, 50, 25};
  Player p = player(screen);
  const std::int32_t position = p.speed.value();
  if (position < 0 || position > 9) return;
  p.timer.setEnabled(position != 0);
  p.timer.setInterval(kIntervals[position]);
}

// The next record, back to the first after the last: with the maximum at the
// count + 1 the timer plays positions 1 to the count over and over. The tick
// then returns to the event loop, which is its one yield to pending events.
void Playback::PlaybackSpeedTimer_Timer(ScreenId screen) {
  platform::Slider& record = player(screen).record;
  std::int64_t next = static_cast<std::int64_t>(record.value()) + 1;
  if (next >= record.max()) next = 1;
  record.setValue(static_cast<std::int32_t>(next));
  if (screen == ScreenId::Form4)
    UpdateEMSRecordedData();
  else
    UpdateEFISRecordedData();
}

// Position p shows record p, the list's entry p - 1. A position without a
// record (0, or beyond the count) shows nothing and leaves every caption,
// value and lamp as it was.
void Playback::UpdateEFISRecordedData() {
  shell::Form1& f1 = app_.form1();
  const std::int32_t p = f1.DataPointerSlider.value();
  app_.shell().supervisor().efisFollower().shown(p);
  const RecordStore& store = app_.recorder().lists().records(PlaybackFile::EFIS);
  if (p < 1 || p > store.count()) return;
  form15& list = app_.form15();
  const std::string pointer = std::to_string(p);
  f1.RecordPointer.setCaption(pointer);
  list.RecordPointer.setCaption(pointer);
  app_.EFISLine = store.record(p - 1);
  app_.devices().efis().ParseEFISData();
  list.DataParseCorrectly.setFillColor(lamp(app_.EFISParseError));
  f1.DataParseCorrectly.setFillColor(lamp(app_.EFISParseError));
}

// The engine player feeds the Dynon decoders whatever the engine monitor type:
// the CSV record decoder for a file whose name ends in "csv" (lower case),
// the text record decoder otherwise.
void Playback::UpdateEMSRecordedData() {
  screens::Form4& f4 = app_.form4();
  const std::int32_t p = f4.DataPointerSlider.value();
  app_.shell().supervisor().engineFollower().shown(p);
  const RecordStore& store = app_.recorder().lists().records(PlaybackFile::Engine);
  if (p < 1 || p > store.count()) return;
  form7& list = app_.form7();
  const std::string pointer = std::to_string(p);
  f4.RecordPointer.setCaption(pointer);
  list.RecordPointer.setCaption(pointer);
  app_.EMSLine = store.record(p - 1);
  const std::string& name = app_.form2().EMS_DataFileName.caption();
  devices::DynonDecoder& dynon = app_.devices().dynon();
  if (name.size() >= 3 && name.compare(name.size() - 3, 3, "csv") == 0)
    dynon.ParseCSVRecordOrMarkBad();
  else
    dynon.ParseEMSDynonData();
  list.DataParseCorrectly.setFillColor(lamp(app_.EMSParseError));
  f4.DataParseCorrectly.setFillColor(lamp(app_.EMSParseError));
}

}  // namespace recorder
