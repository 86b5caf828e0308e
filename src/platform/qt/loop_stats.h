#pragma once
// Test hook: with TALBREN_LOOP_STATS=<file> set, a 20 ms timer on the event
// loop measures how late each of its ticks comes, which is how long the loop
// was held up by whatever ran before it. It counts from the first tick of the
// running loop at which the program says it has started (the load sequence,
// the first build of the windows and the start sequence are not hold-ups of
// a running loop). The file is written when counting begins, every
// kWriteEvery ticks counted (so a test outside can follow the running loop)
// and at exit:
//   started_ms <ms since the hook was made when counting began; -1: never>
//   ticks <ticks counted>
//   max_late_ms <the largest lateness>
//   p99_late_ms <the lateness that 99 % of the ticks counted stay within>
//   max_busy_cpu_ms <the most CPU time this thread spent between two ticks>
//   late <ms since the hook was made> <lateness in ms> <CPU ms of that gap>
//        (one line per tick 20 ms late or more)
// Lateness is wall-clock time and includes waiting for a processor; the CPU
// time of a gap is the program's own work in it, which other processes on
// the machine cannot inflate. The longest dispatch of an event takes no more
// CPU time than the busiest gap.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace platform::qt {

class LoopStats : public QObject {
 public:
  // `started` tells whether the program has started; counting begins at the
  // first tick inside the running event loop at which it holds.
  LoopStats(std::string path, std::function<bool()> started);
  ~LoopStats() override;
  LoopStats(const LoopStats&) = delete;
  LoopStats& operator=(const LoopStats&) = delete;

  static constexpr int kIntervalMs = 20;
  static constexpr int kWriteEvery = 10;

  // The hook of this process; empty while the variable is unset.
  static std::unique_ptr<LoopStats> fromEnvironment(std::function<bool()> started);
  // Writes the file (also done when counting begins and on destruction).
  void write() const;

  bool counting() const { return startedAt_ >= 0; }
  std::int64_t ticks() const { return ticks_; }
  std::int64_t maxLate() const { return maxLate_; }
  // The smallest lateness that at least 99 % of the counted ticks stay within.
  std::int64_t p99Late() const;
  std::int64_t maxBusyCpu() const { return maxBusyCpu_; }

 private:
  void tick();

  std::string path_;
  std::function<bool()> started_;
  QTimer timer_;
  QElapsedTimer clock_;
  std::int64_t startedAt_ = -1;
  std::int64_t last_ = 0;
  std::int64_t lastCpuUs_ = 0;
  std::int64_t ticks_ = 0;
  std::int64_t maxLate_ = 0;
  std::int64_t maxBusyCpu_ = 0;
  // Ticks counted by lateness in whole ms (early ticks count as 0).
  std::vector<std::int64_t> histogram_;
  struct Late {
    std::int64_t at, late, cpu;
  };
  std::vector<Late> late_;
};

}  // namespace platform::qt
