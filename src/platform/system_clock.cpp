#include "platform/system_clock.h"

#include <ctime>

namespace platform {

DateTime SystemClock::now() const {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  tm local{};
  localtime_r(&ts.tv_sec, &local);
  DateTime t;
  t.year = local.tm_year + 1900;
  t.month = local.tm_mon + 1;
  t.day = local.tm_mday;
  t.hour = local.tm_hour;
  t.minute = local.tm_min;
  // A leap second shows as the last second of its minute.
  t.second = local.tm_sec > 59 ? 59 : local.tm_sec;
  t.millisecond = static_cast<int>(ts.tv_nsec / 1000000);
  return t;
}

TimeZoneInformation SystemClock::timeZone() const {
  tzset();
  const time_t now = time(nullptr);
  tm cur{};
  if (!localtime_r(&now, &cur)) return TimeZoneInformation{-1, 0, 0, 0};

  // The standard and daylight offsets in force this year: the offsets of the
  // dates nearest to today, a week apart, half a year either way.
  bool haveStd = cur.tm_isdst <= 0, haveDst = cur.tm_isdst > 0;
  long stdOffset = haveStd ? cur.tm_gmtoff : 0;
  long dstOffset = haveDst ? cur.tm_gmtoff : 0;
  constexpr time_t kWeek = time_t{7} * 24 * 3600;
  for (int k = 1; k <= 27 && !(haveStd && haveDst); ++k) {
    for (time_t t : {now + k * kWeek, now - k * kWeek}) {
      tm probe{};
      if (!localtime_r(&t, &probe)) continue;
      if (probe.tm_isdst > 0 && !haveDst) {
        haveDst = true;
        dstOffset = probe.tm_gmtoff;
      } else if (probe.tm_isdst <= 0 && !haveStd) {
        haveStd = true;
        stdOffset = probe.tm_gmtoff;
      }
    }
  }
  if (!haveStd) stdOffset = -timezone;  // daylight time all year round

  TimeZoneInformation info;
  info.bias = static_cast<std::int32_t>(-stdOffset / 60);
  info.standardBias = 0;
  if (!haveDst) {
    info.result = 0;
    info.daylightBias = 0;
  } else {
    info.result = cur.tm_isdst > 0 ? 2 : 1;
    info.daylightBias = static_cast<std::int32_t>(-(dstOffset - stdOffset) / 60);
  }
  return info;
}

bool SystemClock::setLocalTime(const DateTime& local) {
  if (!isValidDate(local.year, local.month, local.day)) return false;
  if (local.hour < 0 || local.hour > 23 || local.minute < 0 || local.minute > 59 || local.second < 0 ||
      local.second > 59 || local.millisecond < 0 || local.millisecond > 999)
    return false;
  tm t{};
  t.tm_year = local.year - 1900;
  t.tm_mon = local.month - 1;
  t.tm_mday = local.day;
  t.tm_hour = local.hour;
  t.tm_min = local.minute;
  t.tm_sec = local.second;
  t.tm_isdst = -1;
  const time_t seconds = mktime(&t);
  if (seconds == static_cast<time_t>(-1)) return false;
  timespec ts{};
  ts.tv_sec = seconds;
  ts.tv_nsec = static_cast<long>(local.millisecond) * 1000000L;
  return clock_settime(CLOCK_REALTIME, &ts) == 0;
}

}  // namespace platform
