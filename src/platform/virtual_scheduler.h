#pragma once
// Virtual time for tests: nothing happens until advance() moves the clock,
// which fires every due tick in time order.

#include <deque>
#include <functional>
#include <vector>

#include "platform/timer.h"

namespace platform {

class VirtualScheduler : public Scheduler {
 public:
  std::int64_t nowMs() const override { return now_; }
  void timerChanged(Timer& t) override;
  void timerRemoved(Timer& t) override;
  void post(std::function<void()> event) override;
  // Runs queued events and the ticks due at the current time, without moving it.
  void yieldToEvents() override;

  // Moves virtual time forward by ms, running queued events and firing each due
  // tick in order (a timer due at the same instant as another fires in the
  // order the timers were armed).
  void advance(std::int64_t ms);
  // Runs queued events only.
  void runPending();
  std::size_t pendingEvents() const { return queue_.size(); }
  // How many times yieldToEvents was called (tests check the yields of a sequence).
  int yieldCount() const { return yields_; }

 private:
  void runDue(std::int64_t upTo);
  Timer* nextDue(std::int64_t upTo);
  std::int64_t now_ = 0;
  std::vector<Timer*> timers_;
  std::deque<std::function<void()>> queue_;
  std::uint64_t armSeq_ = 0;
  int yields_ = 0;
  int depth_ = 0;
};

}  // namespace platform
