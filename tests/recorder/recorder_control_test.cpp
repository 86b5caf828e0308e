// Starting and stopping the recorder, F1 and F8, and how many records each
// record interval writes and when they reach the day's file.

#include <gtest/gtest.h>

#include "recorder/recorder.h"
#include "recorder_fixture.h"

namespace recordertest {
namespace {

constexpr int kF1 = 112;
constexpr int kF8 = 119;

using RecorderControl = RecorderTest;

TEST_F(RecorderControl, ButtonStartsAndStops_CaptionsColourAndPendingHeader) {
  auto& button = f1().RecorderStartStopButton;
  app->NewFilePending = false;

  button.click();
  EXPECT_TRUE(app->RecorderOn.isTrue());
  EXPECT_EQ(button.caption(), "PRESS (F1) TO STOP");
  // Starting leaves the header flag as it was.
  EXPECT_FALSE(app->NewFilePending.isTrue());

  button.setBackColor(platform::color::MidGreen);  // as the blinking left it
  button.click();
  EXPECT_FALSE(app->RecorderOn.isTrue());
  EXPECT_EQ(button.caption(), "PRESS (F1) TO START");
  EXPECT_EQ(button.backColor(), platform::color::Pink);
  EXPECT_TRUE(app->NewFilePending.isTrue());
  EXPECT_EQ(app->RecorderOn.raw(), 0);
  EXPECT_EQ(app->NewFilePending.raw(), -1);
}

// The record clock may tick at a yield of the load sequence once the settings
// are applied, before that sequence asks for a new file section: the
// program's first record still comes under a header.
TEST_F(RecorderControl, TheProgramsFirstRecordComesUnderAHeader) {
  app = std::make_unique<App>(platform.services());
  f1().RecorderFolderName.setCaption(folder);
  f1().ComputerTime.setCaption("1405:09");
  app->RecorderOn = true;
  rec().DisplayUpdateTimer_Timer();
  rec().flush();
  const std::vector<std::string> written = lines(file());
  ASSERT_EQ(written.size(), 2u);
  EXPECT_TRUE(written[0].starts_with("COMPUTER TIME\t")) << written[0];
  EXPECT_TRUE(written[1].starts_with("1405:09\t")) << written[1];
}

TEST_F(RecorderControl, F1TogglesOnlyWithTheStartStopMethod) {
  f2().ShowStartStopButton.setValue(true);
  f1().keyDown(kF1, 0);
  EXPECT_TRUE(app->RecorderOn.isTrue());
  f1().keyDown(kF1, 1);  // the shift state does not matter
  EXPECT_FALSE(app->RecorderOn.isTrue());

  f2().RecordContinously.setValue(true);
  app->RecorderOn = true;
  app->NewFilePending = false;
  f1().keyDown(kF1, 0);
  EXPECT_TRUE(app->RecorderOn.isTrue());
  EXPECT_FALSE(app->NewFilePending.isTrue());
  EXPECT_EQ(f1().RecorderStartStopButton.caption(), "PRESS (F1) TO START");
}

TEST_F(RecorderControl, F8TogglesTheOneSecondClockOnlyAtRealTime) {
  f2().RealTime.setValue(true);
  f1().keyDown(kF8, 0);
  EXPECT_TRUE(app->OneSecondSample.isTrue());
  f1().keyDown(kF8, 0);
  EXPECT_FALSE(app->OneSecondSample.isTrue());

  for (platform::OptionButton* other : {&f2().IntervalHalfSecond, &f2().IntervalOneSecond,
                                        &f2().IntervalFiveSecond, &f2().IntervalThirtySecond}) {
    other->setValue(true);
    f1().keyDown(kF8, 0);
    EXPECT_FALSE(app->OneSecondSample.isTrue()) << other->name();
  }
  // Any other key is no recorder key.
  f2().RealTime.setValue(true);
  f1().keyDown(113, 0);
  EXPECT_FALSE(app->OneSecondSample.isTrue());
  EXPECT_FALSE(app->RecorderOn.isTrue());
}

TEST_F(RecorderControl, StoppedClockWritesNothing) {
  chooseInterval(f2().IntervalOneSecond, 1000);
  platform.scheduler.advance(5000);
  EXPECT_FALSE(platform::fileExists(file()));
  EXPECT_TRUE(app->NewFilePending.isTrue());
}

TEST_F(RecorderControl, OneSecond_EachTickAppendsOneRecord) {
  chooseInterval(f2().IntervalOneSecond, 1000);
  f1().RecorderStartStopButton.click();
  platform.scheduler.advance(999);
  EXPECT_FALSE(platform::fileExists(file()));
  for (int tick = 1; tick <= 5; ++tick) {
    platform.scheduler.advance(tick == 1 ? 1 : 1000);
    const Counts c = count(file());
    EXPECT_EQ(c.headers, 1);
    EXPECT_EQ(c.records, tick);
  }
  // The record light flashes for the record; the supervisor puts it out.
  EXPECT_EQ(f1().RecorderBlinkLight.backColor(), platform::color::BrightGreen);
  EXPECT_FALSE(app->NewFilePending.isTrue());
}

TEST_F(RecorderControl, QuarterSecond_FileGrowsIn61s_StopWritesTheRest) {
  chooseInterval(f2().IntervalHalfSecond, 250);
  f1().RecorderStartStopButton.click();
  // The header goes out at once; the records wait for the 61st.
  platform.scheduler.advance(250 * 60);
  EXPECT_EQ(count(file()).headers, 1);
  EXPECT_EQ(count(file()).records, 0);
  EXPECT_EQ(f1().RecorderBlinkLight.backColor(), platform::color::BrightGreen);
  platform.scheduler.advance(250);
  EXPECT_EQ(count(file()).records, 61);
  platform.scheduler.advance(250 * 60);
  EXPECT_EQ(count(file()).records, 61);
  platform.scheduler.advance(250);
  EXPECT_EQ(count(file()).records, 122);

  // A stop after 30 more: they go to the file before the stop is done.
  platform.scheduler.advance(250 * 30);
  EXPECT_EQ(count(file()).records, 122);
  f1().RecorderStartStopButton.click();
  EXPECT_EQ(count(file()).records, 152);

  // Starting again writes a second header, then new records after it.
  f1().RecorderStartStopButton.click();
  platform.scheduler.advance(250 * 61);
  const std::vector<std::string> l = lines(file());
  ASSERT_EQ(l.size(), 1u + 152u + 1u + 61u);
  EXPECT_EQ(l[153].rfind("COMPUTER TIME\t", 0), 0u);
}

TEST_F(RecorderControl, RealTime_EveryEFISRecordAndEveryTickAddOne) {
  chooseInterval(f2().RealTime, 250);
  f1().RecorderStartStopButton.click();
  // Between two ticks of the record clock, three EFIS records arrive; the
  // EFIS decoder runs the record step for each.
  for (int tick = 0; tick < 10; ++tick) {
    for (int i = 0; i < 3; ++i) rec().RecordStep();
    platform.scheduler.advance(250);
  }
  // 40 records gathered, none written yet.
  EXPECT_EQ(count(file()).records, 0);
  for (int i = 0; i < 20; ++i) rec().RecordStep();
  EXPECT_EQ(count(file()).records, 0);
  rec().RecordStep();
  EXPECT_EQ(count(file()).records, 61);
  EXPECT_EQ(count(file()).headers, 1);

  // F8 slows only the clock (applying the settings sets it to 1000 ms);
  // each EFIS record still adds one.
  f1().keyDown(kF8, 0);
  ASSERT_TRUE(app->OneSecondSample.isTrue());
  f1().DisplayUpdateTimer.setInterval(1000);
  for (int i = 0; i < 5; ++i) rec().RecordStep();
  platform.scheduler.advance(1000);
  f1().RecorderStartStopButton.click();
  EXPECT_EQ(count(file()).records, 61 + 5 + 1);
}

TEST_F(RecorderControl, BufferedThenOneSecond_NextRecordTakesTheGatheredOnes) {
  chooseInterval(f2().IntervalHalfSecond, 250);
  f1().RecorderStartStopButton.click();
  platform.scheduler.advance(250 * 10);
  EXPECT_EQ(count(file()).records, 0);
  chooseInterval(f2().IntervalOneSecond, 1000);
  platform.scheduler.advance(1000);
  EXPECT_EQ(count(file()).records, 11);
}

TEST_F(RecorderControl, StoppedFromTheSettings_GatheredRecordsReachTheFileOnTheNextTick) {
  chooseInterval(f2().IntervalHalfSecond, 250);
  f1().RecorderStartStopButton.click();
  platform.scheduler.advance(250 * 7);
  // The settings screen stops recording by clearing the flag itself.
  app->RecorderOn = false;
  app->NewFilePending = true;
  platform.scheduler.advance(250);
  EXPECT_EQ(count(file()).records, 7);
  app->RecorderOn = true;
  platform.scheduler.advance(250);
  EXPECT_EQ(count(file()).headers, 2);
  // The header was written after the seven records, not before them.
  const std::vector<std::string> l = lines(file());
  ASSERT_EQ(l.size(), 9u);
  EXPECT_EQ(l[8].rfind("COMPUTER TIME\t", 0), 0u);
}

TEST_F(RecorderControl, Midnight_GatheredRecordsStayInTheirDaysFile) {
  // Ticks at 23:59:50.35, 50.60, ...: the 39th is the day's last.
  platform.clock.setNow({2012, 10, 26, 23, 59, 50, 100});
  chooseInterval(f2().IntervalHalfSecond, 250);
  f1().RecorderStartStopButton.click();
  platform.scheduler.advance(250 * 39);
  EXPECT_EQ(count(file("102612")).records, 0);
  platform.scheduler.advance(250);
  EXPECT_EQ(count(file("102612")).records, 39);
  EXPECT_FALSE(platform::fileExists(file("102712")));
  // Ticks 40 to 100 make a batch of 61 in the new day's file, which starts
  // without a header line.
  platform.scheduler.advance(250 * 60);
  EXPECT_EQ(count(file("102712")).records, 61);
  EXPECT_EQ(count(file("102712")).headers, 0);
  // Shut-down writes what is still gathered.
  platform.scheduler.advance(250 * 19);
  rec().flush();
  EXPECT_EQ(count(file("102712")).records, 80);
  EXPECT_EQ(count(file("102612")).records, 39);
  EXPECT_EQ(count(file("102612")).headers, 1);
}

TEST_F(RecorderControl, ShutdownFlush_WritesEveryGatheredRecordOnce) {
  chooseInterval(f2().RealTime, 250);
  f1().RecorderStartStopButton.click();
  platform.scheduler.advance(250 * 12);
  rec().flush();
  EXPECT_EQ(count(file()).records, 12);
  rec().flush();
  EXPECT_EQ(count(file()).records, 12);
}

}  // namespace
}  // namespace recordertest
