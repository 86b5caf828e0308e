#pragma once
// Calendar date and time, and the day-number value of the date-time type
// (whole days since 30 December 1899, the fraction is the time of day).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct DateTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  friend bool operator==(const DateTime&, const DateTime&) = default;
};

bool isValidDate(int year, int month, int day);
// Day number of the date-time type; the time of day is the fraction.
double toDayNumber(const DateTime& t);
// Back from a day number, rounded to the nearest millisecond.
DateTime fromDayNumber(double days);
// Adds milliseconds, rolling over days, months and years.
DateTime addMilliseconds(const DateTime& t, std::int64_t ms);
// 0 Sunday .. 6 Saturday.
int dayOfWeek(const DateTime& t);

// Formats a date-time by a pattern of the date-time format language:
// d dd (day), m mm (month, or minutes right after an hour token), yy yyyy,
// h hh (hour), n nn (minutes), s ss (seconds); letters are case-insensitive;
// every other character is literal. For example "mmddyy" gives "101908" and
// "hh:mm:ss" gives "23:07:45".
std::string formatDateTime(const DateTime& t, std::string_view pattern);

// Reads "m-d-yy  h:n:s" style text (month first, then day, then year; a
// two-digit year below 30 is 20yy, otherwise 19yy), as the text-to-date
// conversion does. Empty on text that is not a valid date and time.
std::optional<DateTime> parseMonthDayYearTime(std::string_view text);

}  // namespace platform
