// Holding events while a long task runs: timer ticks and serial data wait and
// come out at the end in the order they came, nothing lost or doubled, and
// the input that ends the task runs after them.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/event_hold.h"
#include "platform/timer.h"
#include "platform/virtual_scheduler.h"
#include "support/test_platform.h"

namespace {

using platform::Timer;
using platform::VirtualScheduler;

TEST(EventHold, HeldTicksAndDataComeOutInOrderAfterTheTaskThenTheStopWork) {
  VirtualScheduler s;
  std::vector<std::string> log;
  Timer fast(s, "fast", 10);
  fast.onTick = [&] { log.push_back("fast"); };
  Timer slow(s, "slow", 100);
  slow.onTick = [&] { log.push_back("slow"); };
  testsupport::FakeSerialLink link;
  link.setEventHold(&s.hold());
  link.setPortOpen(true);
  link.OnRead = [&](const std::string& chunk) { log.push_back("line " + chunk); };

  {
    const platform::HoldEvents hold(s.hold());
    s.advance(150);  // fast due 15 times, slow once: one tick each
    link.feed("a\rb");
    link.feed("\rc\r");
    s.hold().stopWith([&] { log.push_back("stop work"); });
    EXPECT_TRUE(s.hold().stopRequested());
    // A hold inside the hold releases nothing.
    s.hold().begin();
    s.hold().end();
    EXPECT_TRUE(log.empty());
  }
  EXPECT_EQ(log, (std::vector<std::string>{"fast", "slow", "line a\r", "line b\r", "line c\r", "stop work"}));
  EXPECT_FALSE(s.hold().stopRequested());

  // Afterwards the timers run on their own time again.
  log.clear();
  s.advance(10);
  EXPECT_EQ(log, (std::vector<std::string>{"fast"}));
}

TEST(EventHold, ASourceThatGoesAwayLeavesNothingBehind) {
  VirtualScheduler s;
  int ticks = 0;
  auto t = std::make_unique<Timer>(s, "t", 10);
  t->onTick = [&] { ++ticks; };
  auto link = std::make_unique<testsupport::FakeSerialLink>();
  link->setEventHold(&s.hold());
  link->setPortOpen(true);
  {
    const platform::HoldEvents hold(s.hold());
    s.advance(30);
    link->feed("x\r");
    EXPECT_TRUE(s.hold().keeps(t.get()));
    EXPECT_TRUE(s.hold().keeps(link.get()));
    t.reset();
    link.reset();
  }
  EXPECT_EQ(ticks, 0);
}

TEST(EventHold, StopWorkOutsideAHoldRunsAtOnce) {
  platform::EventHold hold;
  int runs = 0;
  hold.stopWith([&] { ++runs; });
  EXPECT_EQ(runs, 1);
  EXPECT_FALSE(hold.stopRequested());
}

}  // namespace
