#pragma once
// Display texts of one kind of Grand Rapids frame field, remembered per raw
// value. A frame field is a byte or a 16-bit word, so the texts it can show
// form a small closed set; each is formatted by its display pattern once, on
// first use, and a frame's captions then cost a look-up each instead of a
// pattern formatting each. Every text comes from formatNumber, so the display
// rules stay those of the number module.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace devices {

class GrFieldTexts {
 public:
  // Raw values lowest .. lowest + count - 1; the text of raw value r is the
  // value r * scale formatted by pattern.
  GrFieldTexts(std::string_view pattern, double scale, std::int32_t lowest, std::int32_t count);

  // The text of a raw value inside the range; a raw value outside it (never
  // the case for the fields of a frame) is formatted afresh.
  std::string_view text(std::int32_t raw);

 private:
  // Up to seven characters and, in the last byte, their count; a count of 0
  // marks an entry not yet formatted (no pattern here gives an empty text).
  using Entry = std::array<char, 8>;
  static constexpr std::size_t kCount = 7;
  std::string_view format(std::int32_t raw, Entry* entry);

  std::string pattern_;
  double scale_;
  std::int32_t lowest_;
  std::int32_t count_;
  std::vector<Entry> entries_;  // allocated on first use
  std::string spill_;           // a text too long for an entry
};

}  // namespace devices
