#pragma once
// The computer's clock: local time, the time-zone record and setting the time
// (POSIX).

#include "platform/services.h"

namespace platform {

class SystemClock : public Clock {
 public:
  DateTime now() const override;
  // Biases in minutes with UTC = local + bias (+ daylightBias while daylight
  // time is in force): New York gives bias 300, daylightBias -60.
  TimeZoneInformation timeZone() const override;
  // Sets the system clock to a local date and time; false when the time is
  // invalid or the system refuses (no permission).
  bool setLocalTime(const DateTime& local) override;
};

}  // namespace platform
