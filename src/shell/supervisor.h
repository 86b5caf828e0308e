#pragma once
// The 250 ms supervisor of the main window and its memory: the clock text of
// the last second processed, the position each playback slider last showed,
// and which half of the two-second flash cycle the next new second is.

#include <string>

#include "platform/datetime.h"
#include "platform/vb.h"

#include "app/screen_id.h"
#include "shell/slider_follower.h"

class App;

namespace shell {

class Supervisor {
 public:
  explicit Supervisor(App& app) : app_(app) {}
  // The main window's quarter-second timer.
  void wire(ScreenId id);

  void Quartersecondtimer_Timer();
  // What the supervisor last showed of each player's record slider.
  SliderFollower& efisFollower() { return efisSlider_; }
  SliderFollower& engineFollower() { return emsSlider_; }
  // The record file's name of the day and, as its tool tip, its full path.
  void showRecordFileName(const platform::DateTime& now);
  // Its clock text: hour and minute without separator, a colon, the seconds.
  static constexpr const char* kClockPattern = "hhMm:Ss";

 private:
  void playbackFollowUp();
  void newSecond(const platform::DateTime& now, const std::string& clockText);
  void markingPass();
  void restoringPass();
  void trayCountdown();
  void sentenceActivity();
  void linkLights();
  void paintForm8(platform::OleColor labels, platform::OleColor horizon);
  void paintForm9(platform::OleColor labels, platform::OleColor dials);
  void paintEngineScreens(platform::OleColor labels, platform::OleColor dials);

  App& app_;
  std::string LastClockText;
  SliderFollower efisSlider_;
  SliderFollower emsSlider_;
  // A restoring second comes first.
  bool MarkPhase = false;
};

}  // namespace shell
