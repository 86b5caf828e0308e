#include "platform/numbers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>
#include <utility>

#include "platform/vb.h"

namespace platform {

namespace {

constexpr bool isBlank(char c) {
  return c == ' ' || c == '\t';
}
constexpr bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
// A digit place of a display pattern.
constexpr bool isPlaceholder(char c) {
  return c == '0' || c == '#';
}

// Powers of ten that a double holds exactly.
constexpr std::array<double, 23> kExactPow10 = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Significant digits kept when reading; anything beyond only decides the
// rounding, through one sticky digit.
constexpr int kMaxReadDigits = 100;

// A non-negative decimal value: digits (no leading zeros, no trailing zeros)
// with the decimal point after `point` of them, so 4807.038 is "4807038" with
// point 4 and 0.0123 is "123" with point -1. Zero has no digits. At most 15
// significant digits are ever held, plus one from rounding up.
struct Decimal {
  bool negative = false;
  std::array<char, 24> digits{};
  int count = 0;
  int point = 0;
};

void trimTrailingZeros(Decimal& d) {
  while (d.count > 0 && d.digits[static_cast<std::size_t>(d.count - 1)] == '0') --d.count;
}

__extension__ typedef unsigned __int128 Wide;

// Powers of ten as whole numbers, 10^0 to 10^19.
constexpr std::array<std::uint64_t, 20> kPow10Int = [] {
  std::array<std::uint64_t, 20> t{};
  std::uint64_t p = 1;
  for (std::uint64_t& x : t) {
    x = p;
    p *= 10;
  }
  return t;
}();

// The common case in exact integer arithmetic: a value a from 1E-5 up to
// 1E+15 rounded to `significant` digits, as t x 10^-q (t has `significant`
// digits, or is 10^significant after rounding up), with e the decimal exponent
// of a (10^e <= a < 10^(e+1)). A value exactly halfway between two results,
// and anything outside that range, is left to the general conversion (false).
bool exactDigits(double a, int significant, std::uint64_t& t, int& q, int& e) {
  if (!(a >= 1e-5 && a < 1e15)) return false;
  // a = m x 2^-s exactly, with 3 <= s <= 70.
  const auto bits = std::bit_cast<std::uint64_t>(a);
  const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int s = 1075 - static_cast<int>((bits >> 52) & 0x7FF);
  // The decimal exponent from the binary one, then one exact comparison with
  // the next power of ten.
  const int binary = 52 - s;
  e = (binary * 78913) >> 18;  // floor(binary x log10(2))
  const int next = e + 1;
  // Powers of ten from 1 up are exact doubles, so a plain comparison is exact.
  const bool above = next >= 0 ? a >= kExactPow10[static_cast<std::size_t>(next)]
                               : Wide{m} * kPow10Int[static_cast<std::size_t>(-next)] >= (Wide{1} << s);
  if (above) ++e;
  q = significant - 1 - e;
  if (q < 0 || q > 19) return false;
  const Wide scaled = Wide{m} * kPow10Int[static_cast<std::size_t>(q)];
  t = static_cast<std::uint64_t>(scaled >> s);
  const Wide rest = scaled & ((Wide{1} << s) - 1);
  const Wide half = Wide{1} << (s - 1);
  if (rest == half) return false;
  if (rest > half) ++t;
  return true;
}

bool fastDecimalOf(double a, int significant, Decimal& d) {
  std::uint64_t t = 0;
  int q = 0, e = 0;
  if (!exactDigits(a, significant, t, q, e)) return false;
  // t has `significant` digits, or one more after rounding up to 10^significant.
  const int count = t >= kPow10Int[static_cast<std::size_t>(significant)] ? significant + 1 : significant;
  d.point = e + 1 + (count > significant ? 1 : 0);
  // Drop the trailing zeros first, then write what is left.
  int kept = count;
  for (const auto& [power, zeros] :
       {std::pair<std::uint64_t, int>{100000000, 8}, {10000, 4}, {100, 2}, {10, 1}}) {
    if (t % power == 0) {
      t /= power;
      kept -= zeros;
    }
  }
  d.count = kept;
  for (int i = kept; i > 0; --i, t /= 10)
    d.digits[static_cast<std::size_t>(i - 1)] = static_cast<char>('0' + t % 10);
  return true;
}

// t / 10^k for 0 <= k <= 19: each case divides by a constant, which compiles
// to a multiplication instead of a division.
std::uint64_t divPow10(std::uint64_t t, int k) {
  switch (k) {
    case 1:
      return t / 10ull;
    case 2:
      return t / 100ull;
    case 3:
      return t / 1000ull;
    case 4:
      return t / 10000ull;
    case 5:
      return t / 100000ull;
    case 6:
      return t / 1000000ull;
    case 7:
      return t / 10000000ull;
    case 8:
      return t / 100000000ull;
    case 9:
      return t / 1000000000ull;
    case 10:
      return t / 10000000000ull;
    case 11:
      return t / 100000000000ull;
    case 12:
      return t / 1000000000000ull;
    case 13:
      return t / 10000000000000ull;
    case 14:
      return t / 100000000000000ull;
    case 15:
      return t / 1000000000000000ull;
    case 16:
      return t / 10000000000000000ull;
    case 17:
      return t / 100000000000000000ull;
    case 18:
      return t / 1000000000000000000ull;
    case 19:
      return t / 10000000000000000000ull;
    default:
      return t;
  }
}

// The magnitude a rounded half away from zero at `places` decimals, in units
// of 10^-places, by one multiplication. The product differs from the value's
// decimal form (rounded to `significant` digits) by less than a known
// fraction of itself, so its rounding is the decimal one unless it lies that
// close to a half; then, and for products too large for the bound to help,
// false leaves it to the exact way.
bool roundedByProduct(double a, int significant, int places, std::uint64_t& n) {
  if (places >= static_cast<int>(kExactPow10.size())) return false;
  const double x = a * kExactPow10[static_cast<std::size_t>(places)];
  const bool single = significant <= 7;
  if (!(x < (single ? 1e5 : 1e13))) return false;
  // Half a unit of the last significant digit, relative, and the product's
  // own rounding.
  const double margin = x * (single ? 6e-7 : 6e-15);
  const auto whole = static_cast<std::uint64_t>(x);
  const double fraction = x - static_cast<double>(whole);  // exact
  if (std::fabs(fraction - 0.5) <= margin) return false;
  n = whole + (fraction > 0.5 ? 1 : 0);
  return true;
}

}  // namespace

// The patterns of digit places and one decimal point ("##0", "#0.00",
// "0000") with the value in the range of exactDigits: the same rounding in
// whole numbers. The text is written backwards to the end of the buffer of
// NumberChars::kCapacity characters; false leaves it to formatDecimal.
bool DisplayPattern::plainText(double v, int significant, char* buffer, std::size_t& first,
                               std::size_t& size) const {
  if (!plain_) return false;
  const int places = places_;
  std::uint64_t n = 0;  // the magnitude in units of 10^-places
  const double a = std::fabs(v);
  if (roundedByProduct(a, significant, places, n)) {
    // The usual case.
  } else if (a < 1e7 && static_cast<double>(static_cast<std::int64_t>(a)) == a && places <= 11) {
    // A whole number of at most 7 digits is its own rounded decimal value.
    n = static_cast<std::uint64_t>(a) * kPow10Int[static_cast<std::size_t>(places)];
  } else {
    std::uint64_t t = 0;
    int q = 0, e = 0;
    if (!exactDigits(a, significant, t, q, e)) return false;
    if (q <= places) {
      if (significant + 1 + places - q > 19) return false;
      n = t * kPow10Int[static_cast<std::size_t>(places - q)];
    } else {
      // Half away from zero at the last place.
      const std::uint64_t unit = kPow10Int[static_cast<std::size_t>(q - places)];
      n = divPow10(t, q - places);
      const std::uint64_t r = t - n * unit;
      if (r >= unit - r) ++n;
    }
  }
  // A value that rounds to zero shows without sign.
  const bool sign = std::signbit(v) && n != 0;

  char* const end = buffer + NumberChars::kCapacity;
  char* p = end;
  for (int k = 0; k < places; ++k, n /= 10) *--p = static_cast<char>('0' + n % 10);
  if (point_) *--p = '.';
  // The whole digits, at least minDigits of them (none for a whole part of
  // zero when no "0" place asks for one).
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  char* const point = p;
  for (; n >= 10; n /= 100) {
    const auto pair = static_cast<std::size_t>(n % 100) * 2;
    *--p = kPairs[pair + 1];
    *--p = kPairs[pair];
  }
  if (n > 0) *--p = static_cast<char>('0' + n);
  while (point - p < minDigits_) *--p = '0';
  if (sign) *--p = '-';
  // Trailing "#" places show only significant digits.
  char* last = end;
  for (int k = 0; k < trailingHashes_ && last[-1] == '0'; ++k) --last;
  first = static_cast<std::size_t>(p - buffer);
  size = static_cast<std::size_t>(last - p);
  return true;
}

namespace {

// decimalOf by the general conversion alone, for every finite non-zero value.
template <typename T>
Decimal generalDecimalOf(T v, int significant) {
  Decimal d;
  if (v == 0 || !std::isfinite(v)) return d;
  d.negative = std::signbit(v);
  std::array<char, 64> buf{};
  auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(v), std::chars_format::scientific,
                           significant - 1);
  // "d.ddddde+XX"
  const char* p = buf.data();
  const char* end = res.ptr;
  while (p < end && *p != 'e') {
    if (isDigit(*p)) d.digits[static_cast<std::size_t>(d.count++)] = *p;
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
  trimTrailingZeros(d);
  d.point = exp10 + 1;
  return d;
}

// The value rounded to `significant` decimal digits: the decimal value that a
// double (15 digits) or a single (7 digits) stands for.
template <typename T>
Decimal decimalOf(T v, int significant) {
  Decimal d;
  if (v == 0 || !std::isfinite(v)) return d;
  d.negative = std::signbit(v);
  if (fastDecimalOf(std::fabs(static_cast<double>(v)), significant, d)) return d;
  return generalDecimalOf(v, significant);
}

// Rounds half away from zero so that `places` decimals remain.
void roundToPlaces(Decimal& d, int places) {
  const int keep = d.point + places;
  if (keep < 0) {
    d.count = 0;
    d.point = 0;
    return;
  }
  if (keep >= d.count) return;
  const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
  d.count = keep;
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
      d.digits[static_cast<std::size_t>(i)] = '0';
      --i;
    }
    if (i < 0) {
      // All nines: the value becomes 1 followed by zeros, one place up.
      d.digits[0] = '1';
      d.count = 1;
      ++d.point;
    } else {
      ++d.digits[static_cast<std::size_t>(i)];
    }
  }
  trimTrailingZeros(d);
  if (d.count == 0) d.point = 0;
}

char digitAt(const Decimal& d, int index) {
  if (index < 0 || index >= d.count) return '0';
  return d.digits[static_cast<std::size_t>(index)];
}

// NOLINTNEXTLINE(readability-function-cognitive-complexity)
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
  if (d.count == 0) d.negative = false;

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
  // Integer digits: the first `point` digits of the value; from the first "0"
  // place on, every place shows a digit.
  const int minDigits = firstZero < 0 ? 0 : intPlaces - firstZero;
  const int shown = std::max(std::max(d.point, 0), minDigits);
  // Digit at place k counted from the right (0 = units).
  auto placeDigit = [&](int k) { return k < d.point ? digitAt(d, d.point - 1 - k) : '0'; };

  std::string out(1 + pattern.size() + static_cast<std::size_t>(shown + shown / 3), '\0');
  char* w = out.data();
  if (d.negative) *w++ = '-';
  auto putDigit = [&](int k) {
    *w++ = placeDigit(k);
    if (grouping && k > 0 && k % 3 == 0) *w++ = ',';
  };

  std::size_t i = 0;
  // Literals before the first digit place come first ...
  for (; i < intPat.size() && !isPlaceholder(intPat[i]); ++i)
    if (intPat[i] != ',') *w++ = intPat[i];
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
      *w++ = c;
    }
  }

  if (pointAt != std::string_view::npos) {
    auto fracDigit = [&](int j) { return digitAt(d, d.point + j); };
    // Trailing "#" places show only significant digits.
    int fracShown = fracPlaces;
    {
      int j = fracPlaces - 1;
      for (auto it = fracPat.rbegin(); it != fracPat.rend() && j >= 0; ++it) {
        if (!isPlaceholder(*it)) continue;
        if (*it == '#' && fracDigit(j) == '0') {
          fracShown = j;
          --j;
        } else {
          break;
        }
      }
    }
    *w++ = '.';
    int j = 0;
    for (char c : fracPat) {
      if (isPlaceholder(c)) {
        if (j < fracShown) *w++ = fracDigit(j);
        ++j;
      } else {
        *w++ = c;
      }
    }
  }
  out.resize(static_cast<std::size_t>(w - out.data()));
  return out;
}

std::string nonFiniteText(double v) {
  if (std::isnan(v)) return "NaN";
  return v < 0 ? "-Infinity" : "Infinity";
}

std::string decimalText(const Decimal& d, int significant) {
  if (d.count == 0) return "0";
  // Sign, at most 16 digits, "0." and up to three zeros, or an exponent.
  char buf[48];
  char* w = buf;
  if (d.negative) *w++ = '-';
  const int exp10 = d.point - 1;
  const int n = d.count;
  const char* digits = d.digits.data();
  // Values of `significant` or more integer digits, and values below 1E-4,
  // are written in exponent form.
  if (exp10 >= significant || exp10 < -4) {
    *w++ = digits[0];
    if (n > 1) {
      *w++ = '.';
      std::memcpy(w, digits + 1, static_cast<std::size_t>(n - 1));
      w += n - 1;
    }
    *w++ = 'E';
    *w++ = exp10 < 0 ? '-' : '+';
    const int a = std::abs(exp10);
    if (a < 10) *w++ = '0';
    w = std::to_chars(w, buf + sizeof buf, a).ptr;
    return std::string(buf, w);
  }
  if (d.point <= 0) {
    *w++ = '0';
    *w++ = '.';
    for (int z = 0; z < -d.point; ++z) *w++ = '0';
    std::memcpy(w, digits, static_cast<std::size_t>(n));
    w += n;
  } else if (d.point >= n) {
    std::memcpy(w, digits, static_cast<std::size_t>(n));
    w += n;
    for (int z = 0; z < d.point - n; ++z) *w++ = '0';
  } else {
    std::memcpy(w, digits, static_cast<std::size_t>(d.point));
    w += d.point;
    *w++ = '.';
    std::memcpy(w, digits + d.point, static_cast<std::size_t>(n - d.point));
    w += n - d.point;
  }
  return std::string(buf, w);
}

// The common case of readNumber after its sign: digits with at most one
// point, no blank inside, at most 15 significant digits. False leaves the text
// to the general reading.
bool readPlainNumber(const char* p, const char* end, double& value) {
  std::uint64_t m = 0;
  int significant = 0;  // digits from the first that is not 0 on
  int exp10 = 0;
  for (; p < end && isDigit(*p); ++p) {
    m = m * 10 + static_cast<std::uint64_t>(*p - '0');
    if (m != 0) ++significant;
  }
  if (p < end && *p == '.') {
    for (++p; p < end && isDigit(*p); ++p) {
      m = m * 10 + static_cast<std::uint64_t>(*p - '0');
      if (m != 0) ++significant;
      --exp10;
    }
  }
  // Blanks inside the number and longer numbers take the general way.
  if (significant > 15 || exp10 < -22 || (p < end && isBlank(*p))) return false;
  value = static_cast<double>(m);
  if (exp10 != 0 && m != 0) value /= kExactPow10[static_cast<std::size_t>(-exp10)];
  return true;
}

// readNumber from the first character after the sign: blanks inside the
// number, many digits, a power of ten beyond the exact ones.
// NOLINTNEXTLINE(readability-function-cognitive-complexity)
[[gnu::noinline]] double readGeneralNumber(const char* p, const char* end, bool negative) {
  char digits[kMaxReadDigits + 1];
  int count = 0;        // significant digits kept
  int exp10 = 0;        // value = digits x 10^exp10
  bool sticky = false;  // a dropped digit was not zero
  bool seenDigit = false;
  bool seenPoint = false;
  std::uint64_t m = 0;  // the first 15 significant digits as a whole number
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
      if (count < 15) m = m * 10 + static_cast<std::uint64_t>(c - '0');
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

}  // namespace

double readNumber(std::string_view text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end && isBlank(*p)) ++p;
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
  if (double plain = 0; readPlainNumber(p, end, plain)) return negative && plain != 0 ? -plain : plain;
  return readGeneralNumber(p, end, negative);
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
  // The value of each hexadecimal digit character, -1 for any other.
  static constexpr std::array<std::int8_t, 256> kHexDigit = [] {
    std::array<std::int8_t, 256> t{};
    t.fill(-1);
    for (std::size_t c = 0; c < 10; ++c) t['0' + c] = static_cast<std::int8_t>(c);
    for (std::size_t c = 0; c < 6; ++c) {
      t['A' + c] = static_cast<std::int8_t>(10 + c);
      t['a' + c] = static_cast<std::int8_t>(10 + c);
    }
    return t;
  }();
  std::uint64_t v = 0;
  int n = 0;
  for (char c : text) {
    if (n == 16) break;
    const std::int8_t d = kHexDigit[static_cast<unsigned char>(c)];
    if (d < 0) break;
    v = (v << 4) | static_cast<std::uint64_t>(d);
    ++n;
  }
  if (digits) *digits = n;
  return v;
}

double roundHalfEven(double v) {
  if (!std::isfinite(v)) return v;
  // From 2^52 up every double is a whole number.
  if (!(std::fabs(v) < 4503599627370496.0)) return v;
  const auto whole = static_cast<std::int64_t>(v);         // toward zero
  const double fraction = v - static_cast<double>(whole);  // exact
  std::int64_t r = whole;
  if (fraction > 0.5 || (fraction == 0.5 && (whole & 1) != 0))
    ++r;
  else if (fraction < -0.5 || (fraction == -0.5 && (whole & 1) != 0))
    --r;
  // A value that rounds to zero keeps its sign, as -0.3 gives -0.
  return r == 0 ? std::copysign(0.0, v) : static_cast<double>(r);
}

std::int16_t toInt16(double v) {
  // A whole number in range, the usual case, is its own result.
  if (v >= -32768.0 && v <= 32767.0) {
    const auto whole = static_cast<std::int32_t>(v);
    if (static_cast<double>(whole) == v) return static_cast<std::int16_t>(whole);
  }
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
  char quick[NumberChars::kCapacity];
  std::size_t first = 0, size = 0;
  if (DisplayPattern(pattern).plainText(v, 15, quick, first, size)) return std::string(quick + first, size);
  return formatDecimal(decimalOf(v, 15), pattern);
}

std::string formatNumber(float v, std::string_view pattern) {
  if (!std::isfinite(v)) return nonFiniteText(v);
  if (pattern.empty()) return numberText(v);
  char quick[NumberChars::kCapacity];
  std::size_t first = 0, size = 0;
  if (DisplayPattern(pattern).plainText(static_cast<double>(v), 7, quick, first, size))
    return std::string(quick + first, size);
  return formatDecimal(decimalOf(v, 7), pattern);
}

NumberChars DisplayPattern::text(double v, int significant) const {
  NumberChars out;
  if (std::isfinite(v) && !pattern_.empty() && plainText(v, significant, out.chars_, out.first_, out.size_))
    return out;
  std::string general =
      significant <= 7 ? formatNumber(static_cast<float>(v), pattern_) : formatNumber(v, pattern_);
  if (general.size() <= NumberChars::kCapacity) {
    std::memcpy(out.chars_, general.data(), general.size());
    out.first_ = 0;
    out.size_ = general.size();
  } else {
    out.spill_ = std::move(general);
  }
  return out;
}

std::string formatNumberGeneral(double v, std::string_view pattern) {
  if (!std::isfinite(v)) return nonFiniteText(v);
  if (pattern.empty()) return numberTextGeneral(v);
  return formatDecimal(generalDecimalOf(v, 15), pattern);
}

std::string formatNumberGeneral(float v, std::string_view pattern) {
  if (!std::isfinite(v)) return nonFiniteText(v);
  if (pattern.empty()) return numberTextGeneral(v);
  return formatDecimal(generalDecimalOf(v, 7), pattern);
}

std::string numberTextGeneral(double v) {
  if (!std::isfinite(v)) return nonFiniteText(v);
  return decimalText(generalDecimalOf(v, 15), 15);
}

std::string numberTextGeneral(float v) {
  if (!std::isfinite(v)) return nonFiniteText(v);
  return decimalText(generalDecimalOf(v, 7), 7);
}

std::string formatNumber(std::string_view text, std::string_view pattern) {
  return formatNumber(readNumber(text), pattern);
}

std::string numberText(double v) {
  if (!std::isfinite(v)) return nonFiniteText(v);
  // A whole number of at most 15 digits is its own text.
  if (std::fabs(v) < 1e15 && static_cast<double>(static_cast<std::int64_t>(v)) == v)
    return numberText(static_cast<std::int64_t>(v));
  return decimalText(decimalOf(v, 15), 15);
}

std::string numberText(float v) {
  if (!std::isfinite(v)) return nonFiniteText(v);
  // A whole number of at most 7 digits is its own text.
  if (std::fabs(v) < 1e7f && static_cast<float>(static_cast<std::int32_t>(v)) == v)
    return numberText(static_cast<std::int64_t>(v));
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

void appendHexDigits(std::string& out, std::uint64_t v, int minDigits) {
  char buf[16];
  int n = 0;
  do {
    buf[n++] = kHexDigits[v & 15];
    v >>= 4;
  } while (v != 0);
  for (int k = n; k < minDigits; ++k) out.push_back('0');
  while (n > 0) out.push_back(buf[--n]);
}

std::string leftText(std::string_view s, std::int64_t n) {
  if (n < 0) throw RunError(err::InvalidCall, "Invalid procedure call or argument");
  return std::string(
      s.substr(0, static_cast<std::size_t>(std::min<std::int64_t>(n, static_cast<std::int64_t>(s.size())))));
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

void appendTabField(std::string& line, std::string_view field) {
  const std::size_t at = line.size();
  line += field;
  for (std::size_t i = at; i < line.size(); ++i)
    if (line[i] == '\t' || line[i] == '\r' || line[i] == '\n') line[i] = ' ';
  line += '\t';
}

std::string upperText(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

}  // namespace platform
