#pragma once
// Test hook: with TALBREN_LOOP_STATS=<file> set, a 20 ms timer on the event
// loop measures how late each of its ticks comes, which is how long the loop
// was held up by whatever ran before it, from the loop's first tick on. At
// exit the file gets:
//   ticks <count>
//   max_late_ms <the largest lateness>
//   late <ms since start> <lateness in ms>     (one line per tick 20 ms late or more)

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace platform::qt {

class LoopStats : public QObject {
 public:
  explicit LoopStats(std::string path);
  ~LoopStats() override;
  LoopStats(const LoopStats&) = delete;
  LoopStats& operator=(const LoopStats&) = delete;

  static constexpr int kIntervalMs = 20;

  // The hook of this process; empty while the variable is unset.
  static std::unique_ptr<LoopStats> fromEnvironment();
  // Writes the file (also done on destruction).
  void write() const;

 private:
  void tick();

  std::string path_;
  QTimer timer_;
  QElapsedTimer clock_;
  std::int64_t last_ = 0;
  std::int64_t ticks_ = 0;
  std::int64_t maxLate_ = 0;
  std::vector<std::pair<std::int64_t, std::int64_t>> late_;
};

}  // namespace platform::qt
