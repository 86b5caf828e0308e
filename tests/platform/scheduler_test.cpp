#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/timer.h"
#include "platform/virtual_scheduler.h"

namespace {

using namespace platform;

TEST(VirtualTime, FiresDueTicksInTimeOrder) {
  VirtualScheduler s;
  std::vector<std::string> log;
  Timer quarter(s, "q", 250);
  Timer once(s, "once", 1500);
  Timer off(s, "off", 0);
  quarter.onTick = [&] { log.push_back("q" + std::to_string(s.nowMs())); };
  once.onTick = [&] {
    once.setEnabled(false);
    log.push_back("once" + std::to_string(s.nowMs()));
  };
  off.onTick = [&] { log.push_back("off"); };
  s.advance(1600);
  // The quarter timer was armed first, so at 1500 it fires before the one-shot.
  std::vector<std::string> want{"q250", "q500", "q750", "q1000", "q1250", "q1500", "once1500"};
  EXPECT_EQ(log, want);
  EXPECT_EQ(s.nowMs(), 1600);
}

TEST(VirtualTime, ChangingTheIntervalRestartsTheCountdown) {
  VirtualScheduler s;
  int ticks = 0;
  Timer t(s, "t", 1000);
  t.onTick = [&] { ++ticks; };
  s.advance(900);
  t.setInterval(1000);
  s.advance(900);
  EXPECT_EQ(ticks, 0);
  s.advance(100);
  EXPECT_EQ(ticks, 1);
}

TEST(VirtualTime, YieldInsideAHandlerRunsOtherEventsButNeverTheSameTimer) {
  VirtualScheduler s;
  int outer = 0, posted = 0;
  Timer t(s, "t", 100);
  t.onTick = [&] {
    ++outer;
    s.post([&] { ++posted; });
    s.yieldToEvents();
    s.yieldToEvents();
  };
  s.advance(300);
  EXPECT_EQ(outer, 3);
  EXPECT_EQ(posted, 3);
}

TEST(VirtualTime, AFailingTickDoesNotStopTheTimer) {
  VirtualScheduler s;
  int ticks = 0;
  Timer t(s, "t", 100);
  t.onTick = [&] {
    ++ticks;
    throw std::runtime_error("bad data");
  };
  s.advance(250);
  EXPECT_EQ(ticks, 2);
}

}  // namespace

namespace {

TEST(VirtualTime, ATimerMayBeDestroyedInsideItsOwnTick) {
  platform::VirtualScheduler s;
  auto t = std::make_unique<platform::Timer>(s, "t", 100);
  int ticks = 0;
  t->onTick = [&] {
    ++ticks;
    t.reset();  // its screen unloaded from inside the tick
  };
  s.advance(500);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(t, nullptr);
}

}  // namespace
