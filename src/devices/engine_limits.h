#pragma once
// The colour rule of the cylinder bars of both engine gauge screens, from the
// shared engine limits (EngineTempLimit, its places named in
// screens/setup_support.h): red above the high red limit, yellow above the
// high yellow one, else the normal colour; a value equal to a limit takes the
// lower colour. T is the type the value is compared in (a frame's whole
// number, a single read back from a caption).

#include <array>
#include <cstdint>

#include "platform/vb.h"
#include "screens/setup_support.h"

namespace devices {

template <typename T>
platform::OleColor limitColour(T value, std::int16_t highYellow, std::int16_t highRed,
                               platform::OleColor normal) {
  if (value > static_cast<T>(highRed)) return platform::color::Red;
  if (value > static_cast<T>(highYellow)) return platform::color::Yellow;
  return normal;
}

// A CHT bar: green below its limits.
template <typename T>
platform::OleColor chtColour(T cht, const std::array<std::int16_t, 6>& limit) {
  return limitColour(cht, limit[screens::kCHTHighYellow], limit[screens::kCHTHighRed],
                     platform::color::Green);
}

// The EGT pointers on a CHT bar: white below their limits.
template <typename T>
platform::OleColor egtColour(T egt, const std::array<std::int16_t, 6>& limit) {
  return limitColour(egt, limit[screens::kEGTHighYellow], limit[screens::kEGTHighRed],
                     platform::color::White);
}

}  // namespace devices
