#pragma once
// The program's scheduler: one precise QTimer per timer model, queued events
// through the Qt event queue, and the yield to pending events.

#include <QElapsedTimer>
#include <QObject>

#include "platform/timer.h"

namespace platform::qt {

class QtScheduler : public QObject, public Scheduler {
 public:
  QtScheduler();
  ~QtScheduler() override;

  std::int64_t nowMs() const override;
  void timerChanged(Timer& t) override;
  void timerRemoved(Timer& t) override;
  void post(std::function<void()> event) override;
  // Processes pending events once. Nested calls are fine; beyond kMaxDepth
  // levels a call returns at once and the outer levels deliver the rest.
  void yieldToEvents() override;

  static constexpr int kMaxDepth = 8;
  int depth() const { return depth_; }

 private:
  QElapsedTimer clock_;
  int depth_ = 0;
};

}  // namespace platform::qt
