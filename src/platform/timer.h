#pragma once
// Timers: interval in milliseconds, enabled, tick handler, driven by a
// Scheduler (precise Qt timers in the program, virtual time in tests).

#include <cstdint>
#include <functional>
#include <string>

#include "platform/event_hold.h"

namespace platform {

class Scheduler;

class Timer {
 public:
  Timer(Scheduler& scheduler, std::string name, int intervalMs = 0, bool enabled = true);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& name() const { return name_; }
  int interval() const { return interval_; }
  // Setting the interval or enabling restarts the countdown; 0 never ticks.
  void setInterval(int ms);
  bool enabled() const { return enabled_; }
  void setEnabled(bool e);
  // Ticks only while enabled with a positive interval.
  bool active() const { return enabled_ && interval_ > 0; }

  std::function<void()> onTick;

  // Called by the scheduler when the interval has elapsed. A tick that comes
  // while this timer's own handler is still running (inside a yield) is
  // skipped; one that comes while the scheduler holds events waits for the
  // end of the hold.
  void fire();
  bool running() const { return running_; }

  // Scheduler bookkeeping.
  std::int64_t dueAt = 0;
  std::uint64_t armedAs = 0;  // order of arming, for ties at one instant
  void* schedulerData = nullptr;

 private:
  Scheduler& scheduler_;
  std::string name_;
  int interval_;
  bool enabled_;
  bool running_ = false;
  bool* alive_ = nullptr;
};

// The event-thread services of the platform: timers, queued events and the
// yield to pending events. Everything runs on one thread.
class Scheduler {
 public:
  virtual ~Scheduler() = default;
  // Milliseconds on a monotonic clock.
  virtual std::int64_t nowMs() const = 0;
  // A timer's interval or enabled state changed: (re)arm or disarm it.
  virtual void timerChanged(Timer& t) = 0;
  virtual void timerRemoved(Timer& t) = 0;
  // Queues an event to run on the event thread after the current one.
  virtual void post(std::function<void()> event) = 0;
  // Processes pending events (queued events, due timers, input, serial data)
  // and returns. Safe to call from inside an event handler, also re-entrantly.
  virtual void yieldToEvents() = 0;

  // While a long task runs, timer ticks, queued events and the serial links'
  // data events wait here (platform/event_hold.h).
  EventHold& hold() { return hold_; }

 private:
  EventHold hold_;
};

}  // namespace platform
