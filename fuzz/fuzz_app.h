#pragma once
// The program a fuzz target drives: one App per fuzzing process, started on
// the headless test services (virtual time that never moves, message boxes
// recorded and answered, fake serial links), with its program folder and home
// folder in temporary folders. Inputs change its settings and feed its
// decoders; each target resets what could make one input's outcome depend on
// the inputs before it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/app.h"

namespace fuzz {

// The started program, created on first use.
App& app();
const std::string& programDir();
const std::string& homeDir();

// The settings that steer the decoders, chosen by the bits of one byte.
enum class Units { Knots, Miles, KiloMeters, Meters };
void selectUnits(App& a, Units units);
inline Units unitsOf(std::uint8_t bits) {
  return static_cast<Units>(bits & 3U);
}

// Every data age back to stale, as after start-up, so an input never relies
// on the links' health the inputs before it left.
void resetAges(App& a);

// The pieces of data after each delimiter byte (delimiter kept), and the rest
// without one at the end when there is any.
std::vector<std::string_view> piecesAfter(std::string_view data, std::string_view delimiters);

// Deletes the recorder folder with every record and capture file in it; the
// next write makes it anew.
void clearRecorderFolder();

}  // namespace fuzz
