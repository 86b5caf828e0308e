#pragma once
// The two players of loaded files: the EFIS player on the main window and the
// engine monitor player on the Dynon engine data screen. Each picks records
// from its file's store by its record slider, at a speed set by its speed
// slider and buttons, and feeds them to the same decoders as live data.

#include <cstdint>

#include "app/screen_id.h"

class App;

namespace platform {
class Slider;
class Timer;
}  // namespace platform

namespace recorder {

class Playback {
 public:
  explicit Playback(App& app);
  void wire(ScreenId id);

  // The playback steps: show the record under the player's record slider.
  void UpdateEFISRecordedData();
  void UpdateEMSRecordedData();

  // The speed controls and the timer of the player on `screen` (Form1 or Form4).
  void FastSpeedButton_Click(ScreenId screen);
  void MedSpeedButton_Click(ScreenId screen);
  void StopSpeedButton_Click(ScreenId screen);
  // Both mouse events of the speed slider: a press and a release.
  void PlaybackSpeed_Mouse(ScreenId screen);
  void PlaybackSpeedTimer_Timer(ScreenId screen);

 private:
  struct Player {
    platform::Slider& speed;
    platform::Timer& timer;
    platform::Slider& record;
  };
  Player player(ScreenId screen);
  static void setSpeed(Player p, std::int32_t position, bool enabled, int intervalMs);

  App& app_;
};

}  // namespace recorder
