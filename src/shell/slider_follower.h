#pragma once
// Follows one playback slider for the supervisor: when the slider stands at a
// position other than the one last shown, the player's step runs once and the
// position the slider holds after the step becomes the one shown. Each player
// has its own follower, so the two players never re-trigger each other, and
// each playback step tells its follower the position it handled, so a record
// the player's timer has just shown is not decoded a second time.

#include <cstdint>

#include "platform/controls.h"

namespace shell {

class SliderFollower {
 public:
  // Runs step when the slider moved since the last call that ran it.
  template <class Step>
  void follow(const platform::Slider& slider, Step&& step) {
    if (slider.value() == lastShown_) return;
    step();
    // The step may move the slider itself (a player advancing): what it left
    // there is what is now on view.
    lastShown_ = slider.value();
  }
  // A playback step handled this position.
  void shown(std::int32_t position) { lastShown_ = position; }
  std::int32_t lastShown() const { return lastShown_; }

 private:
  std::int32_t lastShown_ = 0;
};

}  // namespace shell
