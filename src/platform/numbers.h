#pragma once
// The number and text rules every subsystem uses: reading numbers from text,
// storing into 16- and 32-bit integers, display patterns and number text.
// Nobody else calls strtod, stoi or printf for these.

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

namespace platform {

// Leading decimal number of a text: blanks (spaces and tabs) ignored anywhere
// before and inside it, optional sign, digits, at most one decimal point, no
// exponent; text that does not begin with a number reads 0.
// "29.X2" reads 29, "." reads 0, " 1 2.5" reads 12.5, "-.5" reads -0.5.
double readNumber(std::string_view text);
// True when the whole text, blanks around it aside, is one decimal number of
// that form (optional sign, digits, at most one decimal point, at least one
// digit). A field formatted "as text" stays unchanged when this is false.
bool isNumberText(std::string_view text);

// Hexadecimal digits 0-9, A-F (a-f too) from the start of the text; reading
// stops at the first other character. Returns the unsigned value of the digits
// read (at most 16 digits count) and, through digits, how many were read.
std::uint64_t readHex(std::string_view text, int* digits = nullptr);

// Storing into a 16-bit integer: round half to even; a value outside
// -32768..32767 (or not a number) throws RunError 6 "Overflow".
// 2.5 gives 2, 3.5 gives 4, 40000 fails.
std::int16_t toInt16(double v);
// The same for 32-bit integers.
std::int32_t toInt32(double v);
// Round half to even to a whole number in double, no range check.
double roundHalfEven(double v);

// Formats a number by a display pattern of "0" (digit always shown), "#" (digit
// shown when significant), "," (thousands separator), "." (decimal point) and
// literal characters (such as ":"). The value is rounded half away from zero at
// the pattern's last place on its decimal value (7 significant digits for a
// single-precision value, 15 for a double); "-0" never appears.
// formatNumber(12345.6, "##,##0") is "12,346"; formatNumber(4807.038, "00:00.0000")
// is "48:07.0380".
std::string formatNumber(double v, std::string_view pattern);
std::string formatNumber(float v, std::string_view pattern);
// A text is read as a number first (readNumber), then formatted.
std::string formatNumber(std::string_view text, std::string_view pattern);
// Whole numbers (16-bit values, counts, 64-bit sizes) are formatted as doubles;
// without this a 16-bit argument would match the double and single forms alike.
template <std::integral T>
std::string formatNumber(T v, std::string_view pattern) {
  return formatNumber(static_cast<double>(v), pattern);
}

// The text of one number, held in place: a usual length needs no allocation
// (a longer text, from a huge value or a long pattern, is kept in a string).
class NumberChars {
 public:
  static constexpr std::size_t kCapacity = 48;
  std::string_view view() const { return spill_.empty() ? std::string_view(chars_ + first_, size_) : spill_; }
  operator std::string_view() const { return view(); }
  std::string str() const { return std::string(view()); }

 private:
  friend class DisplayPattern;
  char chars_[kCapacity];
  std::size_t first_ = 0;
  std::size_t size_ = 0;
  std::string spill_;
};

// A display pattern read once and used for many values: each gives the same
// text as formatNumber with the pattern, without reading the pattern again
// and without building a string. Meant for constants:
//   static constexpr platform::DisplayPattern kOilTemperature{"##0"};
//   label.setCaption(kOilTemperature(value));
class DisplayPattern {
 public:
  constexpr explicit DisplayPattern(std::string_view pattern) : pattern_(pattern) {
    // Digit places and at most one point are formatted by the quick way;
    // thousands separators and literals by the general one.
    bool afterZero = false;
    for (const char c : pattern) {
      if (c == '0' || c == '#') {
        if (point_) {
          ++places_;
          trailingHashes_ = c == '#' ? trailingHashes_ + 1 : 0;
        } else {
          ++intPlaces_;
          afterZero = afterZero || c == '0';
          if (afterZero) ++minDigits_;
        }
      } else if (c == '.' && !point_) {
        point_ = true;
      } else {
        plain_ = false;
      }
    }
    if (intPlaces_ > 20 || places_ > 18) plain_ = false;
  }

  NumberChars operator()(double v) const { return text(v, 15); }
  NumberChars operator()(float v) const { return text(static_cast<double>(v), 7); }
  // Whole numbers are formatted as doubles.
  template <std::integral T>
  NumberChars operator()(T v) const {
    return text(static_cast<double>(v), 15);
  }
  std::string_view pattern() const { return pattern_; }

 private:
  // The value with `significant` decimal digits (15 for a double, 7 for a
  // single).
  NumberChars text(double v, int significant) const;
  // The quick way, into chars [first, first + size) of a buffer of
  // NumberChars::kCapacity; false leaves the value to the general formatting.
  bool plainText(double v, int significant, char* buffer, std::size_t& first, std::size_t& size) const;
  friend std::string formatNumber(double v, std::string_view pattern);
  friend std::string formatNumber(float v, std::string_view pattern);

  std::string_view pattern_;
  bool plain_ = true;
  bool point_ = false;
  int intPlaces_ = 0;
  int minDigits_ = 0;  // integer digits always shown: from the first "0" place on
  int places_ = 0;
  int trailingHashes_ = 0;  // "#" places at the end of the decimals
};

// Number text, as many decimals as the value needs: at most 7 significant
// digits for a single-precision value and 15 for a double, trailing zeros
// dropped, "0.5" with its leading zero, "-" for negatives, no leading blank,
// "." as decimal separator; exponent form ("1E+16", "1.5E-07") where the
// digits do not fit: from 1E+15 up for a double (1E+07 for a single) and
// below 0.0001 in magnitude (0.0001 stays, 0.00001 is "1E-05").
std::string numberText(double v);
std::string numberText(float v);
std::string numberText(std::int64_t v);
inline std::string numberText(int v) {
  return numberText(static_cast<std::int64_t>(v));
}
inline std::string numberText(std::int16_t v) {
  return numberText(static_cast<std::int64_t>(v));
}
std::string numberText(std::uint64_t v);
// Every other whole-number type, by its signedness.
template <std::integral T>
std::string numberText(T v) {
  if constexpr (std::is_signed_v<T>)
    return numberText(static_cast<std::int64_t>(v));
  else
    return numberText(static_cast<std::uint64_t>(v));
}

// The same conversions by the general route alone, without the shortcuts that
// formatNumber and numberText take for common values and patterns (whole
// numbers, digit places with one decimal point, values from 1E-5 to 1E+15).
// The shortcuts must agree with these byte for byte; a test holds them to it.
std::string formatNumberGeneral(double v, std::string_view pattern);
std::string formatNumberGeneral(float v, std::string_view pattern);
std::string numberTextGeneral(double v);
std::string numberTextGeneral(float v);

// Appends v in upper-case hexadecimal digits, at least minDigits of them
// (leading zeros fill up): 254 gives "FE", 0 gives "0", 5 with two digits "05".
// Whether a finite double lies beyond what a single can hold (an infinity or
// NaN is not: it converts to a single of its own kind).
inline bool beyondSingle(double v) {
  constexpr double kLargestSingle = std::numeric_limits<float>::max();
  return v > kLargestSingle || v < -kLargestSingle;
}

inline constexpr char kHexDigits[] = "0123456789ABCDEF";
void appendHexDigits(std::string& out, std::uint64_t v, int minDigits);
inline void appendHex(std::string& out, std::uint64_t v, int minDigits = 1) {
  // A byte, the usual case, in one or two digits.
  if (v >= 256 || minDigits > 2) return appendHexDigits(out, v, minDigits);
  if (v >= 16 || minDigits == 2) out.push_back(kHexDigits[v >> 4]);
  out.push_back(kHexDigits[v & 15]);
}

// Texts of one-byte characters.
std::string leftText(std::string_view s, std::int64_t n);
std::string rightText(std::string_view s, std::int64_t n);
// Characters from 1-based position start, n of them (n < 0: to the end); a
// start beyond the end gives "". A start below 1 throws RunError 5.
std::string midText(std::string_view s, std::int64_t start, std::int64_t n = -1);
std::string trimText(std::string_view s);
std::string upperText(std::string_view s);

// Appends one field of a tab-separated line and its closing TAB. A TAB, CR or
// LF inside the field is written as one blank, so a field never adds a
// column or breaks its line, whatever bytes a decoder put into it.
void appendTabField(std::string& line, std::string_view field);

}  // namespace platform
