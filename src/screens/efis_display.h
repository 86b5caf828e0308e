#pragma once
// The main window's EFIS readouts and the EFIS instrument screen drive.

#include <array>
#include <cstddef>

#include "app/screen_id.h"

class App;

namespace screens {

class EfisDisplay {
 public:
  explicit EfisDisplay(App& app);
  void wire(ScreenId id);

  // Writes the EFIS values to the main window's readouts.
  void ShowEFISData();
  // Drives the EFIS instrument screen from the EFIS values.
  void UpdateEFISScreen();

 private:
  // The ten most recent samples of one smoothed value, taken only on
  // refreshes with smoothing on; starts as ten zeros.
  struct Window {
    std::array<float, 10> samples{};
    std::size_t next = 0;  // the oldest sample, replaced next
    void add(float v);
    float mean() const;
    // Heading is a direction: its mean is taken on the circle, so 359 and 1
    // average to 0.
    float circularMean(float newest) const;
  };
  enum Smoothed : std::size_t {
    kPitch,
    kRoll,
    kHeading,
    kVerticalG,
    kAirspeed,
    kAltitude,
    kVerticalSpeed,
    kAOA,
    kSmoothed
  };

  App& app_;
  std::array<Window, kSmoothed> history_{};
};

}  // namespace screens
