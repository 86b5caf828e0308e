#include "platform/qt/loop_stats.h"

#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <QThread>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace platform::qt {

namespace {

// CPU time of the calling thread in microseconds; 0 where it is not known.
std::int64_t threadCpuUs() {
  timespec t{};
  if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t) != 0) return 0;
  return static_cast<std::int64_t>(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

}  // namespace

LoopStats::LoopStats(std::string path, std::function<bool()> started)
    : path_(std::move(path)), started_(std::move(started)) {
  clock_.start();
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(kIntervalMs);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
  timer_.start();
}

LoopStats::~LoopStats() {
  write();
}

std::unique_ptr<LoopStats> LoopStats::fromEnvironment(std::function<bool()> started) {
  const char* path = std::getenv("TALBREN_LOOP_STATS");
  if (!path || !*path) return nullptr;
  return std::make_unique<LoopStats>(path, std::move(started));
}

void LoopStats::tick() {
  const std::int64_t now = clock_.elapsed();
  const std::int64_t cpuUs = threadCpuUs();
  if (!counting()) {
    // Ticks delivered by a yield before the loop runs belong to start-up.
    if (QThread::currentThread()->loopLevel() == 0) return;
    if (started_ && !started_()) return;
    startedAt_ = now;
    last_ = now;
    lastCpuUs_ = cpuUs;
    write();
    return;
  }
  const std::int64_t late = now - last_ - kIntervalMs;
  const std::int64_t cpu = (cpuUs - lastCpuUs_) / 1000;
  last_ = now;
  lastCpuUs_ = cpuUs;
  ++ticks_;
  if (late > maxLate_) maxLate_ = late;
  if (cpu > maxBusyCpu_) maxBusyCpu_ = cpu;
  const auto bucket = static_cast<std::size_t>(late > 0 ? late : 0);
  if (bucket >= histogram_.size()) histogram_.resize(bucket + 1, 0);
  ++histogram_[bucket];
  if (late >= kIntervalMs) late_.push_back({now, late, cpu});
  if (ticks_ % kWriteEvery == 0) write();
}

std::int64_t LoopStats::p99Late() const {
  // The smallest bucket b with at least 99 % of the ticks at b or below.
  const std::int64_t needed = (ticks_ * 99 + 99) / 100;
  std::int64_t seen = 0;
  for (std::size_t b = 0; b < histogram_.size(); ++b) {
    seen += histogram_[b];
    if (seen >= needed) return static_cast<std::int64_t>(b);
  }
  return 0;
}

void LoopStats::write() const {
  std::ostringstream text;
  text << "started_ms " << startedAt_ << "\n"
       << "ticks " << ticks_ << "\n"
       << "max_late_ms " << maxLate_ << "\n"
       << "p99_late_ms " << p99Late() << "\n"
       << "max_busy_cpu_ms " << maxBusyCpu_ << "\n";
  for (const Late& l : late_) text << "late " << l.at << " " << l.late << " " << l.cpu << "\n";
  const std::string bytes = text.str();
  // Written aside as a new file and swapped into place, so a reader never
  // sees half a file. Swapping leaves the old file aside, to be removed;
  // renaming over it would have the file system write the new file out to
  // disk first, which costs milliseconds five times a second.
  const std::string aside = path_ + ".new";
  const int fd = ::open(aside.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return;
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (done < bytes.size()) {
    ::unlink(aside.c_str());
    return;
  }
  if (::renameat2(AT_FDCWD, aside.c_str(), AT_FDCWD, path_.c_str(), RENAME_EXCHANGE) == 0)
    ::unlink(aside.c_str());
  else
    std::rename(aside.c_str(), path_.c_str());
}

}  // namespace platform::qt
