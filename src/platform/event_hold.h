#pragma once
// Holding events while a long task runs on the event thread (the export of a
// loaded file). From begin() to end() timer ticks and the serial links' data
// events are not delivered but kept: a timer keeps one tick, however many came
// due, and a link keeps its bytes in its own buffer with one delivery waiting.
// end() delivers what was kept, in the order it came, so nothing received in
// the meantime is lost and the task's own work sees none of it.
//
// The task takes input at its pauses only (UiHost::pauseForInput): input that
// ends the task (its stop button, a shut-down request) asks for the stop and
// leaves its own work to run after everything kept, once the hold is over.

#include <cstddef>
#include <functional>
#include <vector>

namespace platform {

class EventHold {
 public:
  EventHold() = default;
  EventHold(const EventHold&) = delete;
  EventHold& operator=(const EventHold&) = delete;

  bool active() const { return depth_ > 0; }
  // Holds may nest; only the outermost end() delivers.
  void begin();
  // Delivers the kept events in the order they came, then runs the work of
  // the input that asked for the stop; the stop request is cleared.
  void end();

  // Keeps an event of `source` for the end of the hold; a source that has one
  // waiting already keeps that one (its place in the order stays).
  void keep(const void* source, std::function<void()> event);
  // The source is going away: its waiting event is dropped.
  void forget(const void* source);
  bool keeps(const void* source) const;

  // Input that ends the task: the task stops at its next pause, and `work`
  // runs once the hold is over. Outside a hold it runs at once.
  void stopWith(std::function<void()> work);
  bool stopRequested() const { return stopRequested_; }

 private:
  struct Kept {
    const void* source;
    std::function<void()> event;
  };
  int depth_ = 0;
  bool stopRequested_ = false;
  std::vector<Kept> kept_;
  std::vector<std::function<void()>> afterStop_;
};

// Holds for as long as it lives.
class HoldEvents {
 public:
  explicit HoldEvents(EventHold& hold) : hold_(hold) { hold_.begin(); }
  ~HoldEvents() { hold_.end(); }
  HoldEvents(const HoldEvents&) = delete;
  HoldEvents& operator=(const HoldEvents&) = delete;

 private:
  EventHold& hold_;
};

}  // namespace platform
