#include "platform/qt/loop_stats.h"

#include <cstdlib>
#include <fstream>

namespace platform::qt {

LoopStats::LoopStats(std::string path) : path_(std::move(path)) {
  clock_.start();
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(kIntervalMs);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
  timer_.start();
}

LoopStats::~LoopStats() { write(); }

std::unique_ptr<LoopStats> LoopStats::fromEnvironment() {
  const char* path = std::getenv("TALBREN_LOOP_STATS");
  if (!path || !*path) return nullptr;
  return std::make_unique<LoopStats>(path);
}

void LoopStats::tick() {
  const std::int64_t now = clock_.elapsed();
  // Counting starts with the loop: the load sequence before it is not a
  // hold-up of a running loop.
  const std::int64_t late = ticks_ == 0 ? 0 : now - last_ - kIntervalMs;
  last_ = now;
  ++ticks_;
  if (late > maxLate_) maxLate_ = late;
  if (late >= kIntervalMs) late_.emplace_back(now, late);
}

void LoopStats::write() const {
  std::ofstream out(path_, std::ios::trunc);
  out << "ticks " << ticks_ << "\n" << "max_late_ms " << maxLate_ << "\n";
  for (const auto& [at, late] : late_) out << "late " << at << " " << late << "\n";
}

}  // namespace platform::qt
