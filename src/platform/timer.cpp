#include "platform/timer.h"

#include "platform/controls.h"

namespace platform {

Timer::Timer(Scheduler& scheduler, std::string name, int intervalMs, bool enabled)
    : scheduler_(scheduler), name_(std::move(name)), interval_(intervalMs), enabled_(enabled) {
  scheduler_.timerChanged(*this);
}

Timer::~Timer() {
  // A timer may be destroyed from inside its own tick (its screen unloaded).
  if (alive_) *alive_ = false;
  scheduler_.hold().forget(this);
  scheduler_.timerRemoved(*this);
}

void Timer::setInterval(int ms) {
  if (ms < 0) ms = 0;
  interval_ = ms;
  scheduler_.timerChanged(*this);
}

void Timer::setEnabled(bool e) {
  if (enabled_ == e) return;
  enabled_ = e;
  scheduler_.timerChanged(*this);
}

void Timer::fire() {
  if (running_ || !active() || !onTick) return;
  if (EventHold& hold = scheduler_.hold(); hold.active()) {
    hold.keep(this, [this] { fire(); });
    return;
  }
  running_ = true;
  bool alive = true;
  alive_ = &alive;
  // Copy the handler: the tick may replace it while it runs.
  auto handler = onTick;
  const std::string what = name_;
  runEvent(handler, what.c_str());
  if (!alive) return;
  alive_ = nullptr;
  running_ = false;
}

}  // namespace platform
