// The computer's clock. The tests never set it: only the time-zone record
// under a few zones and the local time are checked.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "platform/system_clock.h"

namespace {

class ZoneGuard {
 public:
  explicit ZoneGuard(const char* tz) {
    if (const char* old = std::getenv("TZ")) saved_ = old;
    setenv("TZ", tz, 1);
    tzset();
  }
  ~ZoneGuard() {
    if (saved_)
      setenv("TZ", saved_->c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }

 private:
  std::optional<std::string> saved_;
};

bool daylightNow() {
  const time_t now = time(nullptr);
  tm t{};
  localtime_r(&now, &t);
  return t.tm_isdst > 0;
}

TEST(SystemClockTest, TimeZoneRecordUnderSeveralZones) {
  struct Case {
    const char* tz;
    bool hasDaylight;
    int bias, daylightBias;
  };
  const Case cases[] = {
      {"UTC0", false, 0, 0},
      {"JST-9", false, -540, 0},
      {"IST-5:30", false, -330, 0},
      {"EST5EDT,M3.2.0,M11.1.0", true, 300, -60},
      {"NZST-12NZDT,M9.5.0,M4.1.0/3", true, -720, -60},       // daylight time in the southern summer
      {"LHST-10:30LHDT-11,M10.1.0,M4.1.0", true, -630, -30},  // half an hour of daylight saving
  };
  platform::SystemClock clock;
  for (const auto& c : cases) {
    ZoneGuard zone(c.tz);
    const platform::TimeZoneInformation info = clock.timeZone();
    const int expectedResult = !c.hasDaylight ? 0 : (daylightNow() ? 2 : 1);
    EXPECT_EQ(info.result, expectedResult) << c.tz;
    EXPECT_EQ(info.bias, c.bias) << c.tz;
    EXPECT_EQ(info.standardBias, 0) << c.tz;
    EXPECT_EQ(info.daylightBias, c.daylightBias) << c.tz;
  }
}

TEST(SystemClockTest, NowIsTheLocalTime) {
  ZoneGuard zone("JST-9");
  platform::SystemClock clock;
  const time_t before = time(nullptr);
  const platform::DateTime now = clock.now();
  tm t{};
  t.tm_year = now.year - 1900;
  t.tm_mon = now.month - 1;
  t.tm_mday = now.day;
  t.tm_hour = now.hour;
  t.tm_min = now.minute;
  t.tm_sec = now.second;
  t.tm_isdst = -1;
  const time_t seen = mktime(&t);
  EXPECT_GE(seen, before);
  EXPECT_LE(seen, before + 2);
  EXPECT_GE(now.millisecond, 0);
  EXPECT_LE(now.millisecond, 999);
}

}  // namespace
