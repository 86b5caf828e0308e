#pragma once
// The fields of the fixed-column records (EFIS, Dynon text and CSV): a field
// is a run of columns, counted from 1, read as text, as a decimal or a
// hexadecimal number, or joined with others into one caption. The columns
// beyond the end of a short record are missing: such a field reads as empty
// text, and so as 0.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/numbers.h"

namespace devices::columns {

// Columns first .. first + count - 1 of a record, as far as it reaches.
inline std::string_view text(std::string_view line, std::size_t first, std::size_t count) {
  if (first > line.size()) return {};
  return line.substr(first - 1, count);
}

// A text joined from a few fields and separators (at most 32 characters),
// built in place.
class Joined {
 public:
  Joined& operator<<(std::string_view part) {
    const std::size_t n = std::min(part.size(), sizeof text_ - size_);
    std::copy_n(part.data(), n, text_ + size_);
    size_ += n;
    return *this;
  }
  std::string_view view() const { return {text_, size_}; }
  operator std::string_view() const { return view(); }

 private:
  char text_[32];
  std::size_t size_ = 0;
};

// Digits only, the usual field: their value and count, up to 9 of them; false
// for any other text (a sign, a blank), which is read by the general rule.
inline bool digitsOnly(std::string_view t, std::uint32_t& value) {
  if (t.size() > 9) return false;
  std::uint32_t v = 0;
  for (const char c : t) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + static_cast<std::uint32_t>(c - '0');
  }
  value = v;
  return true;
}

// The number the columns begin with, stored in 16 bits (halves to even; a
// number outside the range fails the step).
inline std::int16_t integer(std::string_view line, std::size_t first, std::size_t count) {
  const std::string_view t = text(line, first, count);
  if (std::uint32_t v = 0; t.size() <= 4 && digitsOnly(t, v)) return static_cast<std::int16_t>(v);
  return platform::toInt16(platform::readNumber(t));
}

// The integer-part columns, a point and the fraction columns that follow them
// read as one number, held in single precision: "-05" and "3" give -5.3.
inline float decimal(std::string_view line, std::size_t first, std::size_t intCount, std::size_t fracCount) {
  const std::string_view whole = text(line, first, intCount);
  const std::string_view fraction = text(line, first + intCount, fracCount);
  // Digits on both sides: read as readNumber reads them, all digits as one
  // whole number divided by the power of ten of the fraction's length.
  std::uint32_t w = 0, f = 0;
  if (whole.size() + fraction.size() <= 9 && digitsOnly(whole, w) && digitsOnly(fraction, f)) {
    static constexpr double kPow10[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    const double m = static_cast<double>(w) * kPow10[fraction.size()] + static_cast<double>(f);
    return static_cast<float>(fraction.empty() ? m : m / kPow10[fraction.size()]);
  }
  Joined joined;
  joined << whole << "." << fraction;
  return static_cast<float>(platform::readNumber(joined));
}

// Hexadecimal digits, unsigned; reading stops at the first character that is
// not one.
inline std::uint32_t hex(std::string_view line, std::size_t first, std::size_t digits) {
  return static_cast<std::uint32_t>(platform::readHex(text(line, first, digits)));
}

// Four hexadecimal digits in 16-bit two's complement: 8000 to FFFF are
// negative (FFE0 is -32).
inline std::int32_t signedHex(std::string_view line, std::size_t first) {
  const auto v = static_cast<std::int32_t>(hex(line, first, 4));
  return v >= 0x8000 ? v - 0x10000 : v;
}

}  // namespace devices::columns
