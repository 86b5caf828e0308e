// "SET": the computer's clock from the last GPS date and time, moved from UTC
// to local time by the system's time-zone bias.

#include "shell/clock_setter.h"

#include <cstdint>
#include <optional>
#include <string>

#include "app/app.h"
#include "platform/datetime.h"
#include "platform/services.h"
#include "shell/form1.h"

namespace shell {

namespace {

// One hour in day-number units, as the conversion has always used it.
constexpr double kHour = 0.0416666666666667;

// The time of day rounded to the whole second: the day-number arithmetic
// leaves a few microseconds either side.
platform::DateTime wholeSecond(const platform::DateTime& t) {
  if (t.millisecond == 0) return t;
  const std::int64_t ms = t.millisecond;
  return platform::addMilliseconds(t, ms >= 500 ? 1000 - ms : -ms);
}

}  // namespace

void ClockSetter::wire(ScreenId id) {
  if (id == ScreenId::Form1) app_.form1().SetTime.onClick = [this] { SetTime_Click(); };
}

// Hours west of Greenwich (local time = UTC - offset), with the daylight bias
// while daylight time is in force; 0 when the system cannot tell.
float ClockSetter::GetTimeZoneOffset() {
  const platform::TimeZoneInformation zone = app_.clock().timeZone();
  std::int64_t minutes = 0;
  switch (zone.result) {
    case 0:  // no daylight-saving rule
    case 1:  // standard time
      minutes = static_cast<std::int64_t>(zone.bias) + zone.standardBias;
      break;
    case 2:  // daylight time
      minutes = static_cast<std::int64_t>(zone.bias) + zone.daylightBias;
      break;
    default:
      return 0;
  }
  // Half- and quarter-hour zones keep their fraction.
  return static_cast<float>(static_cast<double>(minutes) / 60.0);
}

// Nothing happens when no valid date and time has been received yet or when
// the system refuses the change: the clock stays as it is and no box shows.
void ClockSetter::SetTime_Click() {
  const std::string text = app_.GPSMonth + "-" + app_.GPSDay + "-" + app_.GPSYear + "  " + app_.GPSHour +
                           ":" + app_.GPSMinute + ":" + app_.GPSSecond;
  const float offset = GetTimeZoneOffset();
  const std::optional<platform::DateTime> utc = platform::parseMonthDayYearTime(text);
  if (!utc) return;
  const double local = platform::toDayNumber(*utc) - static_cast<double>(offset) * kHour;
  app_.clock().setLocalTime(wholeSecond(platform::fromDayNumber(local)));
}

}  // namespace shell
