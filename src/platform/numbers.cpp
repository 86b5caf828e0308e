#include "platform/numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

#include "platform/vb.h"

namespace platform {

namespace {

constexpr bool isBlank(char c) { return c == ' ' || c == '\t'; }
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Powers of ten that a double holds exactly.
constexpr std::array<double, 23> kExactPow10 = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Significant digits kept when reading; anything beyond only decides the
// rounding, through one sticky digit.
constexpr int kMaxReadDigits = 100;

// A non-negative decimal value: digits (no leading zeros, no trailing zeros)
// with the decimal point after `point` of them, so 4807.038 is "4807038" with
// point 4 and 0.0123 is "123" with point -1. Zero has no digits.
struct Decimal {
  bool negative = false;
  std::string digits;
  int point = 0;
};

// The value rounded to `significant` decimal digits: the decimal value that a
// double (15 digits) or a single (7 digits) stands for.
template <typename T>
Decimal decimalOf(T v, int significant) {
  Decimal d;
  if (v == 0 || !std::isfinite(v)) return d;
  d.negative = std::signbit(v);
  std::array<char, 64> buf{};
  auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(v),
                           std::chars_format::scientific, significant - 1);
  // "d.ddddde+XX"
  const char* p = buf.data();
  const char* end = res.ptr;
  while (p < end && *p != 'e') {
    if (isDigit(*p)) d.digits.push_back(*p);
    ++p;
  }
  int exp10 = 0;
  if (p < end) {
    ++p;
    bool negExp = false;
    if (p < end && (*p == '+' || *p == '-')) negExp = *p++ == '-';
    while (p < end && isDigit(*p)) exp10 = exp10 * 10 + (*p++ - '0');
    if (negExp) exp10 = -exp10;
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  d.point = exp10 + 1;
  return d;
}

// Rounds half away from zero so that `places` decimals remain.
void roundToPlaces(Decimal& d, int places) {
  const int keep = d.point + places;
  if (keep < 0) {
    d.digits.clear();
    d.point = 0;
    return;
  }
  if (keep >= static_cast<int>(d.digits.size())) return;
  const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
  d.digits.resize(static_cast<std::size_t>(keep));
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
      d.digits[static_cast<std::size_t>(i)] = '0';
      --i;
    }
    if (i < 0) {
      d.digits.insert(d.digits.begin(), '1');
      ++d.point;
    } else {
      ++d.digits[static_cast<std::size_t>(i)];
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.point = 0;
}

char digitAt(const Decimal& d, int index) {
  if (index < 0 || index >= static_cast<int>(d.digits.size())) return '0';
  return d.digits[static_cast<std::size_t>(index)];
}

bool isPlaceholder(char c) { return c == '0' || c == '#'; }

std::string formatDecimal(Decimal d, std::string_view pattern) {
  const std::size_t pointAt = pattern.find('.');
  const std::string_view intPat = pattern.substr(0, pointAt);
  const std::string_view fracPat =
      pointAt == std::string_view::npos ? std::string_view{} : pattern.substr(pointAt + 1);

  int fracPlaces = 0;
  for (char c : fracPat)
    if (isPlaceholder(c)) ++fracPlaces;
  roundToPlaces(d, fracPlaces);
  // A value that rounds to zero shows without sign.
  if (d.digits.empty()) d.negative = false;

  // Integer digits, most significant first.
  std::string intDigits;
  for (int i = 0; i < d.point; ++i) intDigits.push_back(digitAt(d, i));

  int intPlaces = 0;
  int firstZero = -1;
  bool grouping = false;
  for (char c : intPat) {
    if (isPlaceholder(c)) {
      if (c == '0' && firstZero < 0) firstZero = intPlaces;
      ++intPlaces;
    } else if (c == ',') {
      grouping = true;
    }
  }
  // From the first "0" place on, every place shows a digit.
  const int minDigits = firstZero < 0 ? 0 : intPlaces - firstZero;
  const int shown = std::max(static_cast<int>(intDigits.size()), minDigits);
  intDigits.insert(0, static_cast<std::size_t>(shown) - intDigits.size(), '0');

  std::string out;
  out.reserve(pattern.size() + intDigits.size() + 4);
  if (d.negative) out.push_back('-');

  // Digit at place k counted from the right (0 = units).
  auto putDigit = [&](int k) {
    out.push_back(intDigits[static_cast<std::size_t>(shown - 1 - k)]);
    if (grouping && k > 0 && k % 3 == 0) out.push_back(',');
  };

  std::size_t i = 0;
  // Literals before the first digit place come first ...
  for (; i < intPat.size() && !isPlaceholder(intPat[i]); ++i)
    if (intPat[i] != ',') out.push_back(intPat[i]);
  // ... then the digits that the pattern has no places for ...
  for (int k = shown - 1; k >= intPlaces; --k) putDigit(k);
  // ... then the places, with the literals where they stand.
  int place = 0;
  for (; i < intPat.size(); ++i) {
    const char c = intPat[i];
    if (isPlaceholder(c)) {
      const int k = intPlaces - 1 - place++;
      if (k < shown) putDigit(k);
    } else if (c != ',') {
      out.push_back(c);
    }
  }

  if (pointAt != std::string_view::npos) {
    std::string frac;
    for (int j = 0; j < fracPlaces; ++j) frac.push_back(digitAt(d, d.point + j));
    // Trailing "#" places show only significant digits.
    int fracShown = fracPlaces;
    {
      int j = fracPlaces - 1;
      for (auto it = fracPat.rbegin(); it != fracPat.rend() && j >= 0; ++it) {
        if (!isPlaceholder(*it)) continue;
        if (*it == '#' && frac[static_cast<std::size_t>(j)] == '0') {
          fracShown = j;
          --j;
        } else {
          break;
        }
      }
    }
    out.push_back('.');
    int j = 0;
    for (char c : fracPat) {
      if (isPlaceholder(c)) {
        if (j < fracShown) out.push_back(frac[static_cast<std::size_t>(j)]);
        ++j;
      } else {
        out.push_back(c);
      }
    }
  }
  return out;
}

std::string nonFiniteText(double v) {
  if (std::isnan(v)) return "NaN";
  return v < 0 ? "-Infinity" : "Infinity";
}

std::string decimalText(const Decimal& d, int significant) {
  if (d.digits.empty()) return "0";
  std::string out;
  if (d.negative) out.push_back('-');
  const int exp10 = d.point - 1;
  const int n = static_cast<int>(d.digits.size());
  // Values of `significant` or more integer digits, and values below 1E-4,
  // are written in exponent form.
  if (exp10 >= significant || exp10 < -4) {
    out.push_back(d.digits[0]);
    if (n > 1) {
      out.push_back('.');
      out.append(d.digits, 1, std::string::npos);
    }
    out.push_back('E');
    out.push_back(exp10 < 0 ? '-' : '+');
    const int a = std::abs(exp10);
    if (a < 10) out.push_back('0');
    out += std::to_string(a);
    return out;
  }
  if (d.point <= 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-d.point), '0');
    out += d.digits;
  } else if (d.point >= n) {
    out += d.digits;
    out.append(static_cast<std::size_t>(d.point - n), '0');
  } else {
    out.append(d.digits, 0, static_cast<std::size_t>(d.point));
    out.push_back('.');
    out.append(d.digits, static_cast<std::size_t>(d.point), std::string::npos);
  }
  return out;
}

}  // namespace

double readNumber(std::string_view text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end && isBlank(*p)) ++p;
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';

  char digits[kMaxReadDigits + 1];
  int count = 0;        // significant digits kept
  int exp10 = 0;        // value = digits x 10^exp10
  bool sticky = false;  // a dropped digit was not zero
  bool seenDigit = false;
  bool seenPoint = false;
  for (; p < end; ++p) {
    const char c = *p;
    if (isBlank(c)) continue;
    if (c == '.') {
      if (seenPoint) break;
      seenPoint = true;
      continue;
    }
    if (!isDigit(c)) break;
    seenDigit = true;
    if (count == 0 && c == '0') {
      if (seenPoint) --exp10;
      continue;
    }
    if (count < kMaxReadDigits) {
      digits[count++] = c;
      if (seenPoint) --exp10;
    } else {
      if (!seenPoint) ++exp10;
      if (c != '0') sticky = true;
    }
  }
  if (!seenDigit || count == 0) return 0.0;

  double value = 0;
  if (count <= 15 && exp10 >= -22 && exp10 <= 22) {
    // Both the digits and the power of ten are exact, so one operation gives
    // the correctly rounded value.
    std::uint64_t m = 0;
    for (int i = 0; i < count; ++i) m = m * 10 + static_cast<std::uint64_t>(digits[i] - '0');
    value = static_cast<double>(m);
    if (exp10 < 0)
      value /= kExactPow10[static_cast<std::size_t>(-exp10)];
    else
      value *= kExactPow10[static_cast<std::size_t>(exp10)];
  } else {
    char buf[kMaxReadDigits + 16];
    int n = 0;
    std::memcpy(buf, digits, static_cast<std::size_t>(count));
    n = count;
    if (sticky) {
      buf[n++] = '1';
      --exp10;
    }
    buf[n++] = 'e';
    auto res = std::to_chars(buf + n, buf + sizeof buf, exp10);
    auto parsed = std::from_chars(buf, res.ptr, value);
    if (parsed.ec == std::errc::result_out_of_range)
      value = exp10 > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

bool isNumberText(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && isBlank(text[i])) ++i;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  bool digit = false;
  bool point = false;
  for (; i < n; ++i) {
    if (isDigit(text[i])) {
      digit = true;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  while (i < n && isBlank(text[i])) ++i;
  return digit && i == n;
}

std::uint64_t readHex(std::string_view text, int* digits) {
  std::uint64_t v = 0;
  int n = 0;
  for (char c : text) {
    if (n == 16) break;
    int d;
    if (c >= '0' && c <= '9')
      d = c - '0';
    else if (c >= 'A' && c <= 'F')
      d = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
      d = c - 'a' + 10;
    else
      break;
    v = (v << 4) | static_cast<std::uint64_t>(d);
    ++n;
  }
  if (digits) *digits = n;
  return v;
}

double roundHalfEven(double v) {
  if (!std::isfinite(v)) return v;
  const double r = std::round(v);  // halves away from zero
  if (std::fabs(r - v) == 0.5) return 2.0 * std::round(v / 2.0);
  return r;
}

std::int16_t toInt16(double v) {
  const double r = roundHalfEven(v);
  if (!(r >= -32768.0 && r <= 32767.0)) throw RunError(err::Overflow, "Overflow");
  return static_cast<std::int16_t>(r);
}

std::int32_t toInt32(double v) {
  const double r = roundHalfEven(v);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw RunError(err::Overflow, "Overflow");
  return static_cast<std::int32_t>(r);
}

std::string formatNumber(double v, std::string_view pattern) {
  if (!std::isfinite(v)) return nonFiniteText(v);
  if (pattern.empty()) return numberText(v);
  return formatDecimal(decimalOf(v, 15), pattern);
}

std::string formatNumber(float v, std::string_view pattern) {
  if (!std::isfinite(v)) return nonFiniteText(v);
  if (pattern.empty()) return numberText(v);
  return formatDecimal(decimalOf(v, 7), pattern);
}

std::string formatNumber(std::string_view text, std::string_view pattern) {
  return formatNumber(readNumber(text), pattern);
}

std::string numberText(double v) {
  if (!std::isfinite(v)) return nonFiniteText(v);
  return decimalText(decimalOf(v, 15), 15);
}

std::string numberText(float v) {
  if (!std::isfinite(v)) return nonFiniteText(v);
  return decimalText(decimalOf(v, 7), 7);
}

std::string numberText(std::int64_t v) {
  std::array<char, 24> buf{};
  auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v);
  return std::string(buf.data(), res.ptr);
}

std::string numberText(std::uint64_t v) {
  std::array<char, 24> buf{};
  auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v);
  return std::string(buf.data(), res.ptr);
}

std::string leftText(std::string_view s, std::int64_t n) {
  if (n < 0) throw RunError(err::InvalidCall, "Invalid procedure call or argument");
  return std::string(s.substr(0, static_cast<std::size_t>(std::min<std::int64_t>(
                                     n, static_cast<std::int64_t>(s.size())))));
}

std::string rightText(std::string_view s, std::int64_t n) {
  if (n < 0) throw RunError(err::InvalidCall, "Invalid procedure call or argument");
  const auto size = static_cast<std::int64_t>(s.size());
  const std::int64_t take = std::min(n, size);
  return std::string(s.substr(static_cast<std::size_t>(size - take)));
}

std::string midText(std::string_view s, std::int64_t start, std::int64_t n) {
  if (start < 1) throw RunError(err::InvalidCall, "Invalid procedure call or argument");
  const auto size = static_cast<std::int64_t>(s.size());
  if (start > size) return {};
  const std::int64_t from = start - 1;
  const std::int64_t avail = size - from;
  const std::int64_t take = n < 0 ? avail : std::min(n, avail);
  return std::string(s.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(take)));
}

std::string trimText(std::string_view s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && s[b] == ' ') ++b;
  while (e > b && s[e - 1] == ' ') --e;
  return std::string(s.substr(b, e - b));
}

std::string upperText(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

}  // namespace platform
