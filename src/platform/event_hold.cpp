#include "platform/event_hold.h"

#include <algorithm>

#include "platform/controls.h"

namespace platform {

void EventHold::begin() {
  ++depth_;
}

void EventHold::end() {
  if (depth_ == 0 || --depth_ > 0) return;
  // A kept event may keep another source's event only once the hold is over,
  // so it runs at once; the lists are taken before anything runs.
  std::vector<Kept> kept;
  kept.swap(kept_);
  std::vector<std::function<void()>> work;
  work.swap(afterStop_);
  stopRequested_ = false;
  for (Kept& k : kept) runEvent(k.event, "held event");
  for (auto& w : work) runEvent(w, "held input");
}

void EventHold::keep(const void* source, std::function<void()> event) {
  if (source != nullptr && keeps(source)) return;
  kept_.push_back({source, std::move(event)});
}

void EventHold::forget(const void* source) {
  std::erase_if(kept_, [source](const Kept& k) { return k.source == source; });
}

bool EventHold::keeps(const void* source) const {
  return std::any_of(kept_.begin(), kept_.end(), [source](const Kept& k) { return k.source == source; });
}

void EventHold::stopWith(std::function<void()> work) {
  if (!active()) {
    runEvent(work, "input");
    return;
  }
  stopRequested_ = true;
  afterStop_.push_back(std::move(work));
}

}  // namespace platform
