#include "platform/datetime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/vb.h"

namespace platform {
namespace {

DateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  return DateTime{y, mo, d, h, mi, s, ms};
}

TEST(DateTime, ValidDates) {
  EXPECT_TRUE(isValidDate(2008, 2, 29));
  EXPECT_FALSE(isValidDate(2009, 2, 29));
  EXPECT_FALSE(isValidDate(1900, 2, 29));
  EXPECT_TRUE(isValidDate(2000, 2, 29));
  EXPECT_TRUE(isValidDate(2008, 12, 31));
  EXPECT_FALSE(isValidDate(2008, 4, 31));
  EXPECT_FALSE(isValidDate(2008, 13, 1));
  EXPECT_FALSE(isValidDate(2008, 0, 1));
  EXPECT_FALSE(isValidDate(2008, 1, 0));
  EXPECT_FALSE(isValidDate(2008, 1, 32));
}

TEST(DayNumber, WholeDaysSinceThirtiethDecember1899) {
  struct Case {
    DateTime t;
    double days;
  };
  const Case cases[] = {
      {at(1899, 12, 30), 0},
      {at(1899, 12, 31), 1},
      {at(1900, 1, 1), 2},
      {at(1900, 3, 1), 61},
      {at(2000, 1, 1), 36526},
      {at(2008, 1, 1), 39448},
      {at(2008, 10, 19), 39740},
      {at(2008, 10, 19, 12), 39740.5},
      {at(2008, 10, 19, 23, 7, 45), 39740 + 83265.0 / 86400},
      {at(1899, 12, 30, 6), 0.25},
      // Before day 0 the time still counts forward from that day's midnight.
      {at(1899, 12, 29, 6), -1.25},
      {at(1899, 12, 29), -1},
      {at(1800, 1, 1), -36522},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(toDayNumber(c.t), c.days) << c.days;
    EXPECT_EQ(fromDayNumber(c.days), c.t) << c.days;
  }
}

TEST(DayNumber, BackFromDayNumberRoundsToTheMillisecond) {
  EXPECT_EQ(fromDayNumber(39740.963715277778), at(2008, 10, 19, 23, 7, 45));
  EXPECT_EQ(fromDayNumber(1.0 + 2.4 / 86400000), at(1899, 12, 31, 0, 0, 0, 2));
  // Just short of midnight rounds into the next day.
  EXPECT_EQ(fromDayNumber(1.9999999999), at(1900, 1, 1));
  EXPECT_EQ(fromDayNumber(-1.9999999999), at(1899, 12, 30));
}

TEST(DayNumber, RoundTripsEveryFewDays) {
  for (int day = -1000; day < 120000; day += 37) {
    for (int ms : {0, 1, 43'199'999, 45'296'789, 86'399'999}) {
      const double n = day + (day < 0 ? -1.0 : 1.0) * ms / 86400000.0;
      const DateTime t = fromDayNumber(n);
      ASSERT_TRUE(isValidDate(t.year, t.month, t.day)) << n;
      ASSERT_EQ(fromDayNumber(toDayNumber(t)), t) << n;
      ASSERT_EQ(((t.hour * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond, ms) << n;
    }
  }
}

TEST(DayNumber, OffsetInHoursMovesAcrossMidnight) {
  // GPS time converted to local time by an offset in hours, one hour being
  // 0.0416666666666667 of a day.
  const double hour = 0.0416666666666667;
  const double newYear = toDayNumber(at(2009, 1, 1, 0, 30));
  EXPECT_EQ(fromDayNumber(newYear - 5 * hour), at(2008, 12, 31, 19, 30));
  EXPECT_EQ(fromDayNumber(newYear - 4 * hour), at(2008, 12, 31, 20, 30));
  EXPECT_EQ(fromDayNumber(toDayNumber(at(2008, 10, 19, 20)) - (-5.5) * hour), at(2008, 10, 20, 1, 30));
}

TEST(DayNumber, OutsideTheDateRangeIsOverflow) {
  EXPECT_THROW((void)fromDayNumber(std::nan("")), RunError);
  EXPECT_THROW((void)fromDayNumber(std::numeric_limits<double>::infinity()), RunError);
  EXPECT_THROW((void)fromDayNumber(1e12), RunError);
}

TEST(DateTime, AddMillisecondsRollsOver) {
  EXPECT_EQ(addMilliseconds(at(2008, 12, 31, 23, 59, 59, 999), 1), at(2009, 1, 1));
  EXPECT_EQ(addMilliseconds(at(2008, 2, 28, 12), 86'400'000), at(2008, 2, 29, 12));
  EXPECT_EQ(addMilliseconds(at(2009, 2, 28, 12), 86'400'000), at(2009, 3, 1, 12));
  EXPECT_EQ(addMilliseconds(at(2008, 3, 1), -1), at(2008, 2, 29, 23, 59, 59, 999));
  EXPECT_EQ(addMilliseconds(at(1900, 1, 1, 6), -3 * 86'400'000LL), at(1899, 12, 29, 6));
  EXPECT_EQ(addMilliseconds(at(2008, 10, 19, 14, 23, 5), 250), at(2008, 10, 19, 14, 23, 5, 250));
}

TEST(DateTime, DayOfWeek) {
  EXPECT_EQ(dayOfWeek(at(2008, 10, 19)), 0);  // Sunday
  EXPECT_EQ(dayOfWeek(at(1899, 12, 30)), 6);  // Saturday
  EXPECT_EQ(dayOfWeek(at(2000, 1, 1)), 6);
  EXPECT_EQ(dayOfWeek(at(1970, 1, 1)), 4);
  EXPECT_EQ(dayOfWeek(at(1969, 12, 31)), 3);
  EXPECT_EQ(dayOfWeek(at(2009, 3, 5)), 4);
}

TEST(FormatDateTime, Patterns) {
  const DateTime afternoon = at(2008, 10, 19, 14, 23, 5);
  const DateTime morning = at(2009, 3, 5, 4, 7, 9);
  struct Case {
    DateTime t;
    const char* pattern;
    const char* expected;
  };
  const Case cases[] = {
      {afternoon, "hhMm:Ss", "1423:05"},
      {morning, "hhMm:Ss", "0407:09"},
      {afternoon, "hh:mm:ss", "14:23:05"},
      {afternoon, "Hh:Nn:Ss", "14:23:05"},
      {afternoon, "mmddyy", "101908"},
      {morning, "mmddyy", "030509"},
      {afternoon, "hh", "14"},
      {morning, "hh", "04"},
      {morning, "h:n:s", "4:7:9"},
      {morning, "m/d/yy", "3/5/09"},
      {morning, "mm:ss", "07:09"},
      {afternoon, "dd-mm-yyyy", "19-10-2008"},
      {afternoon, "yyyy-mm-dd hh:nn:ss", "2008-10-19 14:23:05"},
      {at(2000, 1, 2), "yy", "00"},
      {morning, "dddd d mmmm", "Thursday 5 March"},
      {morning, "ddd mmm", "Thu Mar"},
      {afternoon, "", ""},
      {afternoon, "_ 12 _", "_ 12 _"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(formatDateTime(c.t, c.pattern), c.expected) << '"' << c.pattern << '"';
}

TEST(ParseMonthDayYearTime, ValidTexts) {
  struct Case {
    const char* text;
    DateTime expected;
  };
  const Case cases[] = {
      {"10-19-08  23:07:45", at(2008, 10, 19, 23, 7, 45)},
      {"10/19/08 23:07:45", at(2008, 10, 19, 23, 7, 45)},
      {"01-01-09  00:30:00", at(2009, 1, 1, 0, 30)},
      {"1-2-29 1:2:3", at(2029, 1, 2, 1, 2, 3)},
      {"1-2-30  00:00:00", at(1930, 1, 2)},
      {"12-31-99  23:59:59", at(1999, 12, 31, 23, 59, 59)},
      {"12-31-1999  23:59:59", at(1999, 12, 31, 23, 59, 59)},
      {"02-29-08  00:00:00", at(2008, 2, 29)},
      {"10-19-08  23:07", at(2008, 10, 19, 23, 7)},
      {"10-19-08", at(2008, 10, 19)},
  };
  for (const auto& c : cases) {
    const auto t = parseMonthDayYearTime(c.text);
    ASSERT_TRUE(t.has_value()) << c.text;
    EXPECT_EQ(*t, c.expected) << c.text;
  }
}

TEST(ParseMonthDayYearTime, InvalidTextsGiveNothing) {
  const char* bad[] = {
      "",
      "--  ::",
      "13-01-08  00:00:00",
      "00-01-08  00:00:00",
      "01-32-08  00:00:00",
      "02-30-08  00:00:00",
      "02-29-09  00:00:00",
      "10-19-08  24:00:00",
      "10-19-08  23:60:00",
      "10-19-08  23:07:60",
      "10-19-08  23:07:45x",
      "10-19-0823:07:45",
      "10-19-  23:07:45",
      "10-19-08  :07:45",
      "10.19.08  23:07:45",
  };
  for (const char* text : bad) EXPECT_FALSE(parseMonthDayYearTime(text).has_value()) << text;
}

}  // namespace
}  // namespace platform
