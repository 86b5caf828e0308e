#pragma once
// What the screen set-ups share: reading an instrument limit, showing a group
// of controls together, the speed marks and starting values of the Grand
// Rapids dials, and the engine colour limits with the EGT-to-CHT scale.

#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "platform/gauges.h"

class App;

namespace settings {
class form13;
}
namespace screens {
class Form5;

// Places of the shared EngineTempLimit values.
enum EngineTempLimitIndex : std::size_t {
  kCHTHighYellow,
  kCHTHighRed,
  kEGTHighYellow,
  kEGTHighRed,
  kCHTMin,
  kEGTMin
};

// A limit as typed: the number its text begins with, 0 when there is none. It
// is used in the units the screen shows; nothing is converted.
double readLimit(const platform::TextBox& box);

// The whole number a caption such as "5,500" shows, its thousands separators
// skipped; an empty caption gives 0.
double shownWholeNumber(std::string_view caption);

void showAll(bool visible, std::initializer_list<platform::Control*> controls);

// The maximum and the four band ends of a dial or bar.
void setBands(platform::ScaledGauge& gauge, const platform::TextBox& max, const platform::TextBox& end1,
              const platform::TextBox& end2, const platform::TextBox& end3, const platform::TextBox& end4);
// The maximum and the red and yellow band ends of a fuel tank gauge.
void setBands(platform::ScaledGauge& gauge, const platform::TextBox& max, const platform::TextBox& red,
              const platform::TextBox& yellow);

// A vertical speed tape from -v to v for the number v in the box (above 0):
// its full-scale marks show the box's text as typed, its half-scale marks v / 2.
void setClimbScale(platform::LinearGauge& tape, platform::ControlArray<platform::GaugeLabel>& fullScale,
                   platform::ControlArray<platform::GaugeLabel>& halfScale, const platform::TextBox& box);

// Indicator maximum, Vne, Vno, Vfe and Vs1 from the airspeed rows 5 to 1.
void setSpeedMarks(platform::AviationDial& dial, const settings::form13& limits);

// The altimeter starts from what the Grand Rapids data screen shows, until the
// next frame sets it.
void startAltimeter(platform::AviationDial& dial, const Form5& data);

// Stores the six engine colour limits and the EGT-to-CHT scale from the
// instrument limits. Every engine set-up stores them here, so whichever ran
// last leaves the same values.
void StoreEngineTempLimits(App& app);

}  // namespace screens
