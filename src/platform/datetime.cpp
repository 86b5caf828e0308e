#include "platform/datetime.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "platform/vb.h"

namespace platform {

namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

constexpr bool isLeap(int y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m) {
  constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (m == 2 && isLeap(y)) return 29;
  return kDays[static_cast<std::size_t>(m - 1)];
}

// Days since 1 January 1970 of a proleptic Gregorian date.
constexpr std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void civilFromDays(std::int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

// Day 0 of the date-time type, 30 December 1899, in days since 1970.
constexpr std::int64_t kEpochShift = daysFromCivil(1899, 12, 30);

std::int64_t msOfDay(const DateTime& t) {
  return ((static_cast<std::int64_t>(t.hour) * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond;
}

DateTime fromLinear(std::int64_t day, std::int64_t ms) {
  DateTime t;
  civilFromDays(day + kEpochShift, t.year, t.month, t.day);
  t.hour = static_cast<int>(ms / 3'600'000);
  t.minute = static_cast<int>(ms / 60'000 % 60);
  t.second = static_cast<int>(ms / 1000 % 60);
  t.millisecond = static_cast<int>(ms % 1000);
  return t;
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

void appendNumber(std::string& out, int v, int width) {
  std::string s = std::to_string(v < 0 ? -v : v);
  if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<std::size_t>(width) - s.size(), '0');
  if (v < 0) out.push_back('-');
  out += s;
}

constexpr std::array<const char*, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};
constexpr std::array<const char*, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};

char lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isTokenLetter(char c) {
  const char l = lower(c);
  return l == 'd' || l == 'm' || l == 'y' || l == 'h' || l == 'n' || l == 's';
}

struct Token {
  char kind = 0;  // 0 literal, else d m y h n s
  int length = 0;
  std::string_view literal;
};

// Splits a date-time pattern into tokens; letter runs longer than a token are
// split into several tokens (four y give the full year, two the short one).
// NOLINTNEXTLINE(readability-function-cognitive-complexity)
std::vector<Token> tokenize(std::string_view pattern) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (!isTokenLetter(c)) {
      std::size_t j = i;
      while (j < pattern.size() && !isTokenLetter(pattern[j])) ++j;
      tokens.push_back({0, 0, pattern.substr(i, j - i)});
      i = j;
      continue;
    }
    const char kind = lower(c);
    std::size_t j = i;
    while (j < pattern.size() && lower(pattern[j]) == kind) ++j;
    int run = static_cast<int>(j - i);
    while (run > 0) {
      int take;
      switch (kind) {
        case 'd':
        case 'm':
          take = run >= 4 ? 4 : run;
          break;
        case 'y':
          take = run >= 4 ? 4 : (run >= 2 ? 2 : 1);
          break;
        default:
          take = run >= 2 ? 2 : 1;
          break;
      }
      tokens.push_back({kind, take, {}});
      run -= take;
    }
    i = j;
  }
  return tokens;
}

int parseUInt(std::string_view s, std::size_t& i, int maxDigits) {
  int v = 0;
  int n = 0;
  while (i < s.size() && n < maxDigits && s[i] >= '0' && s[i] <= '9') {
    v = v * 10 + (s[i] - '0');
    ++i;
    ++n;
  }
  return n == 0 ? -1 : v;
}

}  // namespace

bool isValidDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  return day <= daysInMonth(year, month);
}

double toDayNumber(const DateTime& t) {
  const std::int64_t day = daysFromCivil(t.year, t.month, t.day) - kEpochShift;
  const double fraction = static_cast<double>(msOfDay(t)) / static_cast<double>(kMsPerDay);
  // Before day 0 the time of day still counts forward from midnight, so it is
  // carried by the magnitude: 29 December 1899 06:00 is -1.25.
  return day < 0 ? static_cast<double>(day) - fraction : static_cast<double>(day) + fraction;
}

DateTime fromDayNumber(double days) {
  // The date-time type runs from the year 100 to 9999.
  if (!std::isfinite(days) || days < -657435.0 || days > 2958466.0) throw RunError(err::Overflow, "Overflow");
  double whole = std::trunc(days);
  std::int64_t ms = std::llround(std::fabs(days - whole) * static_cast<double>(kMsPerDay));
  std::int64_t day = static_cast<std::int64_t>(whole);
  if (ms >= kMsPerDay) {
    ms -= kMsPerDay;
    day += 1;
  }
  return fromLinear(day, ms);
}

DateTime addMilliseconds(const DateTime& t, std::int64_t ms) {
  const std::int64_t day = daysFromCivil(t.year, t.month, t.day) - kEpochShift;
  const std::int64_t total = day * kMsPerDay + msOfDay(t) + ms;
  const std::int64_t newDay = floorDiv(total, kMsPerDay);
  return fromLinear(newDay, total - newDay * kMsPerDay);
}

int dayOfWeek(const DateTime& t) {
  const std::int64_t z = daysFromCivil(t.year, t.month, t.day);
  // 1 January 1970 was a Thursday.
  return static_cast<int>(z >= -4 ? (z + 4) % 7 : (z + 5) % 7 + 6);
}

// NOLINTNEXTLINE(readability-function-cognitive-complexity)
std::string formatDateTime(const DateTime& t, std::string_view pattern) {
  const std::vector<Token> tokens = tokenize(pattern);
  std::string out;
  out.reserve(pattern.size() + 8);
  auto neighbour = [&](std::size_t i, int step) -> const Token* {
    for (std::ptrdiff_t j = static_cast<std::ptrdiff_t>(i) + step;
         j >= 0 && j < static_cast<std::ptrdiff_t>(tokens.size()); j += step) {
      if (tokens[static_cast<std::size_t>(j)].kind != 0) return &tokens[static_cast<std::size_t>(j)];
    }
    return nullptr;
  };
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const Token& tk = tokens[i];
    switch (tk.kind) {
      case 0:
        out += tk.literal;
        break;
      case 'd':
        if (tk.length <= 2)
          appendNumber(out, t.day, tk.length);
        else if (tk.length == 3)
          out.append(kDayNames[static_cast<std::size_t>(dayOfWeek(t))], 3);
        else
          out += kDayNames[static_cast<std::size_t>(dayOfWeek(t))];
        break;
      case 'm': {
        // A month token right after an hour token, or right before a seconds
        // token, stands for the minutes ("hh:mm:ss", "hhMm:Ss").
        const Token* before = neighbour(i, -1);
        const Token* after = neighbour(i, +1);
        const bool minutes =
            tk.length <= 2 && ((before && before->kind == 'h') || (after && after->kind == 's'));
        if (minutes)
          appendNumber(out, t.minute, tk.length);
        else if (tk.length <= 2)
          appendNumber(out, t.month, tk.length);
        else if (t.month >= 1 && t.month <= 12)
          out += std::string_view(kMonthNames[static_cast<std::size_t>(t.month - 1)])
                     .substr(0, tk.length == 3 ? 3 : std::string_view::npos);
        break;
      }
      case 'y':
        if (tk.length == 4) {
          appendNumber(out, t.year, 4);
        } else if (tk.length == 2) {
          appendNumber(out, t.year % 100, 2);
        } else {
          const std::int64_t doy = daysFromCivil(t.year, t.month, t.day) - daysFromCivil(t.year, 1, 1) + 1;
          appendNumber(out, static_cast<int>(doy), 1);
        }
        break;
      case 'h':
        appendNumber(out, t.hour, tk.length);
        break;
      case 'n':
        appendNumber(out, t.minute, tk.length);
        break;
      case 's':
        appendNumber(out, t.second, tk.length);
        break;
      default:
        break;
    }
  }
  return out;
}

// NOLINTNEXTLINE(readability-function-cognitive-complexity)
std::optional<DateTime> parseMonthDayYearTime(std::string_view text) {
  std::size_t i = 0;
  auto skipBlanks = [&] {
    std::size_t start = i;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    return i - start;
  };
  auto separator = [&] {
    if (i < text.size() && (text[i] == '-' || text[i] == '/')) {
      ++i;
      return true;
    }
    return false;
  };

  skipBlanks();
  DateTime t;
  t.month = parseUInt(text, i, 2);
  if (t.month < 0 || !separator()) return std::nullopt;
  t.day = parseUInt(text, i, 2);
  if (t.day < 0 || !separator()) return std::nullopt;
  const std::size_t yearStart = i;
  int year = parseUInt(text, i, 4);
  if (year < 0) return std::nullopt;
  if (i - yearStart <= 2) year += year < 30 ? 2000 : 1900;
  t.year = year;
  if (!isValidDate(t.year, t.month, t.day)) return std::nullopt;

  const std::size_t blanks = skipBlanks();
  if (i == text.size()) return t;  // a date alone is midnight
  if (blanks == 0) return std::nullopt;
  t.hour = parseUInt(text, i, 2);
  if (t.hour < 0 || i >= text.size() || text[i] != ':') return std::nullopt;
  ++i;
  t.minute = parseUInt(text, i, 2);
  if (t.minute < 0) return std::nullopt;
  t.second = 0;
  if (i < text.size() && text[i] == ':') {
    ++i;
    t.second = parseUInt(text, i, 2);
    if (t.second < 0) return std::nullopt;
  }
  skipBlanks();
  if (i != text.size()) return std::nullopt;
  if (t.hour > 23 || t.minute > 59 || t.second > 59) return std::nullopt;
  return t;
}

}  // namespace platform
