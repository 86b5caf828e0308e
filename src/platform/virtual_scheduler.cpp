#include "platform/virtual_scheduler.h"

#include "platform/controls.h"

#include <algorithm>
#include <limits>

namespace platform {

void VirtualScheduler::timerChanged(Timer& t) {
  if (std::find(timers_.begin(), timers_.end(), &t) == timers_.end()) timers_.push_back(&t);
  t.dueAt = now_ + t.interval();
  // The arming order breaks ties between timers due at the same instant.
  t.armedAs = ++armSeq_;
}

void VirtualScheduler::timerRemoved(Timer& t) {
  auto it = std::find(timers_.begin(), timers_.end(), &t);
  if (it != timers_.end()) timers_.erase(it);
}

void VirtualScheduler::post(std::function<void()> event) {
  queue_.push_back(std::move(event));
}

void VirtualScheduler::runPending() {
  while (!queue_.empty()) {
    auto ev = std::move(queue_.front());
    queue_.pop_front();
    if (hold().active())
      hold().keep(nullptr, std::move(ev));
    else
      runEvent(ev, "queued event");
  }
}

Timer* VirtualScheduler::nextDue(std::int64_t upTo) {
  Timer* best = nullptr;
  for (Timer* t : timers_) {
    if (!t->active() || t->running() || t->dueAt > upTo) continue;
    if (!best || t->dueAt < best->dueAt || (t->dueAt == best->dueAt && t->armedAs < best->armedAs)) best = t;
  }
  return best;
}

void VirtualScheduler::runDue(std::int64_t upTo) {
  runPending();
  while (Timer* t = nextDue(upTo)) {
    if (t->dueAt > now_) now_ = t->dueAt;
    // Re-arm before firing so a handler that changes the timer wins.
    t->dueAt += t->interval();
    t->fire();
    runPending();
  }
}

void VirtualScheduler::yieldToEvents() {
  ++yields_;
  if (depth_ > 16) return;  // deep nesting: the outer levels deliver the rest
  ++depth_;
  runDue(now_);
  --depth_;
}

void VirtualScheduler::advance(std::int64_t ms) {
  std::int64_t target = now_ + ms;
  ++depth_;
  runDue(target);
  --depth_;
  now_ = target;
  runPending();
}

}  // namespace platform
