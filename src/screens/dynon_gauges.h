#pragma once
// The Dynon engine gauge screen: its set-up and the gauge drive.

#include <array>
#include <cstddef>

#include "screens/setup_support.h"

class App;

namespace screens {

class DynonGauges {
 public:
  explicit DynonGauges(App& app);

  // Reads the engine data screen's captions back and drives the gauges. It
  // has no error handling of its own: a failure (an EGT pointer beyond the
  // 16-bit range) ends the update and passes to the calling decoder.
  void PopulateEMSGuages();
  // Scales, colour sections, visibility and the shared engine limits.
  void Update_Form10_data();

  // The engine values read back, in reading order.
  static constexpr std::size_t kReadings = 22;
  // The ten most recent raw readings kept for smoothing.
  static constexpr std::size_t kWindow = 10;

 private:
  bool englishUnits();
  void smooth(std::array<float, kReadings>& values);

  App& app_;
  // Smoothing windows of live data: the last kWindow readings of every engine
  // value, all zeros at start-up and never cleared; slot next_ holds the
  // oldest readings.
  std::array<std::array<float, kReadings>, kWindow> history_{};
  std::size_t next_ = 0;
};

}  // namespace screens
