// "SET": the PC clock from the GPS date and time, moved to local time by the
// time-zone bias. The virtual clock records the call; this machine's clock is
// never touched.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/datetime.h"
#include "shell/clock_setter.h"
#include "shell/form1.h"
#include "shell/shell.h"
#include "shell/shell_fixture.h"

namespace {

using platform::DateTime;
using platform::TimeZoneInformation;
using shelltest::ShellTest;

struct GpsParts {
  std::string month, day, year, hour, minute, second;
};

void receive(App& app, const GpsParts& p) {
  app.GPSMonth = p.month;
  app.GPSDay = p.day;
  app.GPSYear = p.year;
  app.GPSHour = p.hour;
  app.GPSMinute = p.minute;
  app.GPSSecond = p.second;
}

class ClockTest : public ShellTest {
 protected:
  // Presses SET as the user does: the button is enabled while there is a fix.
  void press() {
    app->form1().SetTime.setEnabled(true);
    app->form1().SetTime.click();
  }
};

struct ClockRow {
  const char* name;
  TimeZoneInformation zone;
  GpsParts gps;
  float offset;  // hours west of Greenwich
  DateTime local;
};

void PrintTo(const ClockRow& row, std::ostream* os) {
  *os << row.name;
}

class SetTimeTest : public ClockTest, public testing::WithParamInterface<ClockRow> {};

TEST_P(SetTimeTest, ClockIsSetToTheGpsTimeLessTheOffset) {
  const ClockRow& row = GetParam();
  start();
  platform.clock.zone = row.zone;
  receive(*app, row.gps);
  EXPECT_EQ(app->shell().clockSetter().GetTimeZoneOffset(), row.offset);
  press();
  ASSERT_EQ(platform.clock.setCalls.size(), 1u);
  EXPECT_EQ(platform.clock.setCalls[0], row.local);
}

// Biases in minutes, UTC = local + bias + (standard or daylight bias).
INSTANTIATE_TEST_SUITE_P(Zones, SetTimeTest,
                         testing::Values(
                             // 5 hours west, standard time: 00:30 UTC on New Year's day is 19:30 the
                             // evening before.
                             ClockRow{"StandardTimeWest",
                                      {1, 300, 0, -60},
                                      {"01", "01", "09", "00", "30", "00"},
                                      5.0f,
                                      {2008, 12, 31, 19, 30, 0, 0}},
                             // The same zone in daylight time: one hour less west.
                             ClockRow{"DaylightTimeWest",
                                      {2, 300, 0, -60},
                                      {"01", "01", "09", "00", "30", "00"},
                                      4.0f,
                                      {2008, 12, 31, 20, 30, 0, 0}},
                             // Half an hour zone east of Greenwich rolls into the next day.
                             ClockRow{"HalfHourEast",
                                      {0, -330, 0, 0},
                                      {"10", "19", "08", "20", "00", "00"},
                                      -5.5f,
                                      {2008, 10, 20, 1, 30, 0, 0}},
                             // A failed call gives no offset: the clock is set to UTC, seconds whole
                             // as received.
                             ClockRow{"FailedCallSetsUtc",
                                      {-1, 300, 0, -60},
                                      {"10", "19", "08", "23", "07", "45"},
                                      0.0f,
                                      {2008, 10, 19, 23, 7, 45, 0}},
                             // Crossing midnight backwards from the first of March of a leap year
                             // lands on the 29th of February.
                             ClockRow{"LeapDayBackwards",
                                      {1, 300, 0, -60},
                                      {"03", "01", "08", "02", "15", "10"},
                                      5.0f,
                                      {2008, 2, 29, 21, 15, 10, 0}},
                             // An odd number of minutes is not exact in single precision: -797/60
                             // hours is 13:17:00.0016 east and -800/60 hours 13:19:59.9989; the
                             // clock takes the whole second. The first also reaches a leap day.
                             ClockRow{"RoundedDownOntoALeapDay",
                                      {1, -797, 0, 0},
                                      {"02", "28", "08", "12", "00", "00"},
                                      static_cast<float>(-797 / 60.0),
                                      {2008, 2, 29, 1, 17, 0, 0}},
                             ClockRow{"RoundedUp",
                                      {1, -800, 0, 0},
                                      {"06", "15", "08", "10", "00", "00"},
                                      static_cast<float>(-800 / 60.0),
                                      {2008, 6, 15, 23, 20, 0, 0}}),
                         [](const testing::TestParamInfo<ClockRow>& p) { return std::string(p.param.name); });

// Nothing valid to set from: the clock is not asked and no box shows (a box
// would fail the test).
TEST_F(ClockTest, EmptyOrInvalidGpsPartsDoNothing) {
  start();
  for (const GpsParts& parts :
       {GpsParts{"", "", "", "", "", ""}, GpsParts{"13", "01", "08", "12", "00", "00"},
        GpsParts{"02", "30", "08", "12", "00", "00"}, GpsParts{"10", "19", "08", "24", "00", "00"},
        GpsParts{"10", "19", "08", "12", "", "00"}}) {
    receive(*app, parts);
    press();
  }
  EXPECT_TRUE(platform.clock.setCalls.empty());
  EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(ClockTest, RefusedChangeShowsNothingAndLeavesTheProgramAsItWas) {
  start();
  platform.clock.acceptSet = false;
  platform.clock.zone = {1, 0, 0, 0};
  receive(*app, {"10", "19", "08", "23", "07", "45"});
  const DateTime before = platform.clock.now();
  press();
  ASSERT_EQ(platform.clock.setCalls.size(), 1u);
  EXPECT_TRUE(platform.messages.shown.empty());
  EXPECT_EQ(platform.clock.now(), before);
  EXPECT_TRUE(takeEscapes().empty());
}

TEST_F(ClockTest, DisabledButtonSetsNothing) {
  start();
  receive(*app, {"10", "19", "08", "23", "07", "45"});
  ASSERT_FALSE(app->form1().SetTime.enabled());  // no fix
  app->form1().SetTime.click();
  EXPECT_TRUE(platform.clock.setCalls.empty());
}

}  // namespace
