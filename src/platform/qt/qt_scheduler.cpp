#include "platform/qt/qt_scheduler.h"

#include <QCoreApplication>
#include <QTimer>

#include "platform/controls.h"

namespace platform::qt {

QtScheduler::QtScheduler() {
  clock_.start();
}

QtScheduler::~QtScheduler() = default;

std::int64_t QtScheduler::nowMs() const {
  return clock_.elapsed();
}

void QtScheduler::timerChanged(Timer& t) {
  auto* qtimer = static_cast<QTimer*>(t.schedulerData);
  if (!qtimer) {
    qtimer = new QTimer(this);
    qtimer->setTimerType(Qt::PreciseTimer);
    Timer* model = &t;
    QObject::connect(qtimer, &QTimer::timeout, qtimer, [model] { model->fire(); });
    t.schedulerData = qtimer;
  }
  // Starting again restarts the countdown, as a new interval or enabling does.
  if (t.active())
    qtimer->start(t.interval());
  else
    qtimer->stop();
}

void QtScheduler::timerRemoved(Timer& t) {
  auto* qtimer = static_cast<QTimer*>(t.schedulerData);
  if (!qtimer) return;
  t.schedulerData = nullptr;
  qtimer->stop();
  QObject::disconnect(qtimer, nullptr, nullptr, nullptr);
  // The timer may be going away inside its own tick.
  qtimer->deleteLater();
}

void QtScheduler::post(std::function<void()> event) {
  QMetaObject::invokeMethod(
      this,
      [this, ev = std::move(event)] {
        if (hold().active())
          hold().keep(nullptr, ev);
        else
          runEvent(ev, "queued event");
      },
      Qt::QueuedConnection);
}

void QtScheduler::yieldToEvents() {
  if (depth_ >= kMaxDepth) return;
  ++depth_;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  --depth_;
}

}  // namespace platform::qt
