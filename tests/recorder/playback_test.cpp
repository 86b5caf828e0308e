// The two players in virtual time: the speed slider and buttons, the timer's
// walk through the records, positions without a record, one decode per
// position shown, the engine player's choice of decoder, and both players
// running side by side.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "playback_fixture.h"
#include "recorder/playback.h"

namespace playbacktest {
namespace {

using Playback = PlaybackTest;

std::string lines(int count, int firstSecond = 0) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += efisRecord(firstSecond + i) + "\r\n";
  return bytes;
}

struct SpeedControls {
  platform::Slider& speed;
  platform::Timer& timer;
  platform::CommandButton& fast;
  platform::CommandButton& med;
  platform::CommandButton& stop;
};

TEST_F(Playback, SpeedSliderSetsItsOwnScreensTimerOnPressAndOnRelease) {
  struct Row {
    int position;
    bool enabled;
    int interval;
  };
  // Before each event the timer runs at 333 ms, so "unchanged" shows.
  const std::vector<Row> table = {{0, false, 1000}, {1, true, 2000}, {2, true, 1000}, {3, true, 750},
                                  {4, true, 500},   {5, true, 250},  {6, true, 100},  {7, true, 75},
                                  {8, true, 50},    {9, true, 25},   {10, true, 333}};
  const std::vector<SpeedControls> players = {
      {f1().PlaybackSpeed, f1().PlaybackSpeedTimer, f1().FastSpeedButton, f1().MedSpeedButton,
       f1().StopSpeedButton},
      {f4().PlaybackSpeed, f4().PlaybackSpeedTimer, f4().FastSpeedButton, f4().MedSpeedButton,
       f4().StopSpeedButton}};
  for (const SpeedControls& p : players) {
    SpeedControls other = &p == &players[0] ? players[1] : players[0];
    for (const bool press : {true, false}) {
      for (const Row& r : table) {
        SCOPED_TRACE(p.speed.screen()->name() + (press ? " press at " : " release at ") +
                     std::to_string(r.position));
        p.timer.setEnabled(true);
        p.timer.setInterval(333);
        other.timer.setEnabled(false);
        other.timer.setInterval(444);
        p.speed.setValue(r.position);
        (press ? p.speed.onMouseDown : p.speed.onMouseUp)();
        EXPECT_EQ(p.timer.enabled(), r.enabled);
        EXPECT_EQ(p.timer.interval(), r.interval);
        EXPECT_FALSE(other.timer.enabled());
        EXPECT_EQ(other.timer.interval(), 444);
      }
    }
  }
}

TEST_F(Playback, FastMedAndStopSetTheirSpeedSliderAndTimer) {
  struct Row {
    const char* button;
    int position;
    bool enabled;
    int interval;
  };
  const std::vector<Row> table = {{"FAST", 9, true, 25},
                                  {"PLAYBACK SPEED", 4, true, 500},
                                  {"STOP", 0, false, 1000},
                                  {"STOP", 0, false, 1000}};
  for (SpeedControls p : {SpeedControls{f1().PlaybackSpeed, f1().PlaybackSpeedTimer, f1().FastSpeedButton,
                                        f1().MedSpeedButton, f1().StopSpeedButton},
                          SpeedControls{f4().PlaybackSpeed, f4().PlaybackSpeedTimer, f4().FastSpeedButton,
                                        f4().MedSpeedButton, f4().StopSpeedButton}}) {
    for (const Row& r : table) {
      SCOPED_TRACE(p.speed.screen()->name() + " " + r.button);
      platform::CommandButton& b = r.position == 9 ? p.fast : (r.position == 4 ? p.med : p.stop);
      ASSERT_EQ(b.caption(), r.button);
      b.click();
      EXPECT_EQ(p.speed.value(), r.position);
      EXPECT_EQ(p.timer.enabled(), r.enabled);
      EXPECT_EQ(p.timer.interval(), r.interval);
    }
  }
}

TEST_F(Playback, TheTimerPlaysPositionsOneToTheCountOverAndOverAcrossANewLoad) {
  chooseEFIS(write("five.dat", lines(5)));
  ASSERT_EQ(f1().DataPointerSlider.max(), 6);
  f1().FastSpeedButton.click();
  std::vector<std::string> shown;
  for (int i = 0; i < 6; ++i) {
    platform.scheduler.advance(25);
    shown.push_back(f1().RecordPointer.caption());
    EXPECT_EQ(efisList().RecordPointer.caption(), shown.back());
    EXPECT_EQ(app->EFISLine, efisRecord(std::stoi(shown.back()) - 1));
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"1", "2", "3", "4", "5", "1"}));
  EXPECT_EQ(f1().DataParseCorrectly.fillColor(), platform::color::BrightGreen);
  EXPECT_EQ(efisList().DataParseCorrectly.fillColor(), platform::color::BrightGreen);

  // A new load leaves the timer running; it carries on over the new records.
  f1().DataPointerSlider.setValue(4);
  chooseEFIS(write("two.dat", lines(2, 30)));
  EXPECT_TRUE(f1().PlaybackSpeedTimer.enabled());
  platform.scheduler.advance(25);
  EXPECT_EQ(f1().RecordPointer.caption(), "1");
  EXPECT_EQ(app->EFISLine, efisRecord(30));
}

TEST_F(Playback, APositionWithoutARecordShowsNothing) {
  chooseEFIS(write("five.dat", lines(5)));
  f1().DataPointerSlider.setValue(2);
  app->recorder().UpdateEFISRecordedData();
  ASSERT_EQ(f1().RecordPointer.caption(), "2");
  const float airspeed = app->EFISAirspeed;
  const std::int16_t second = app->EFISSecond;
  // Marks that the step would overwrite.
  f1().DataParseCorrectly.setFillColor(platform::color::Red);
  efisList().DataParseCorrectly.setFillColor(platform::color::Red);
  app->EFISLine = "untouched";

  for (const std::int32_t position : {0, 6}) {
    SCOPED_TRACE(position);
    f1().DataPointerSlider.setValue(position);
    app->recorder().UpdateEFISRecordedData();
    EXPECT_EQ(f1().RecordPointer.caption(), "2");
    EXPECT_EQ(efisList().RecordPointer.caption(), "2");
    EXPECT_EQ(app->EFISLine, "untouched");
    EXPECT_EQ(app->EFISAirspeed, airspeed);
    EXPECT_EQ(app->EFISSecond, second);
    EXPECT_EQ(f1().DataParseCorrectly.fillColor(), platform::color::Red);
    EXPECT_EQ(efisList().DataParseCorrectly.fillColor(), platform::color::Red);
  }
}

// Each record has a second of its own (none the decoder's starting second
// 0): a record decoded a second time would count as the second record
// within its second.
TEST_F(Playback, EachPositionIsDecodedOnceWhetherPlayedOrMovedByHand) {
  chooseEFIS(write("five.dat", lines(5, 1)));
  f1().FastSpeedButton.click();
  for (int tick = 0; tick < 120; ++tick) {
    platform.scheduler.advance(25);
    ASSERT_EQ(app->EFISSecondCount, 0) << "after " << (tick + 1) * 25 << " ms";
  }
  f1().StopSpeedButton.click();
  const std::string stoppedAt = f1().RecordPointer.caption();
  platform.scheduler.advance(1000);
  EXPECT_EQ(f1().RecordPointer.caption(), stoppedAt);
  EXPECT_EQ(app->EFISSecondCount, 0);

  // By hand: the supervisor shows the record under the slider within its
  // 250 ms, once.
  const int other = std::stoi(stoppedAt) == 3 ? 4 : 3;
  f1().DataPointerSlider.userMove(other);
  platform.scheduler.advance(250);
  EXPECT_EQ(f1().RecordPointer.caption(), std::to_string(other));
  EXPECT_EQ(app->EFISLine, efisRecord(other));
  platform.scheduler.advance(1000);
  EXPECT_EQ(app->EFISSecondCount, 0);
}

TEST_F(Playback, TheEnginePlayerFeedsTheDynonDecodersChosenByTheFileName) {
  const std::string csv =
      "Time,\"EMS raw data\",x\r\n1,\"AB" + csvRecord() + "\",y\r\n2,\"AB" + csvRecord("0A96") + "\",y\r\n";
  const std::string text = dynonRecord("245") + "\r\n" + dynonRecord("246").substr(0, 50) + "\r\n";
  struct Case {
    const char* file;
    std::string bytes;
    bool grandRapids;
    std::string rpm;        // after position 1
    std::string length;     // the CSV decoder sets the record length
    bool secondBad;         // position 2 turns the lamps red
    std::string byHandRpm;  // position 1 shown again by hand, or position 2
  };
  const std::vector<Case> cases = {
      {"engine.csv", csv, false, "2700", "116", false, "2710"},
      {"engine.CSV", text, false, "2450", "0", true, "2450"},
      {"engine.dat", text, true, "2450", "0", true, "2450"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    f4().RecordLength.setCaption("0");
    (c.grandRapids ? f2().EMSGRANDRAPIDS : f2().EMSDYNON).setValue(true);
    chooseEngine(write(c.file, c.bytes));
    f4().DataPointerSlider.setValue(0);
    f4().FastSpeedButton.click();
    platform.scheduler.advance(25);
    EXPECT_EQ(f4().RecordPointer.caption(), "1");
    EXPECT_EQ(engineList().RecordPointer.caption(), "1");
    EXPECT_EQ(f4().EMSRPM.caption(), c.rpm);
    EXPECT_EQ(f4().RecordLength.caption(), c.length);
    EXPECT_EQ(f4().DataParseCorrectly.fillColor(), platform::color::BrightGreen);
    if (c.secondBad) {
      platform.scheduler.advance(25);
      EXPECT_EQ(f4().DataParseCorrectly.fillColor(), platform::color::Red);
      EXPECT_EQ(engineList().DataParseCorrectly.fillColor(), platform::color::Red);
    }
    f4().StopSpeedButton.click();

    // By hand, the supervisor follows the engine slider only for a Dynon monitor.
    f4().RecordPointer.setCaption("by hand?");
    f4().EMSRPM.setCaption("by hand?");
    const int position = c.secondBad ? 1 : 2;
    f4().DataPointerSlider.userMove(position);
    platform.scheduler.advance(250);
    EXPECT_EQ(f4().RecordPointer.caption(), c.grandRapids ? "by hand?" : std::to_string(position));
    EXPECT_EQ(f4().EMSRPM.caption(), c.grandRapids ? "by hand?" : c.byHandRpm);
  }
  EXPECT_TRUE(takeEscapes().empty());
}

TEST_F(Playback, BothPlayersRunSideBySideEachOnItsOwnScreens) {
  chooseEFIS(write("efis.dat", lines(5)));
  chooseEngine(write("engine.dat", dynonRecord("245") + "\r\n" + dynonRecord("246") + "\r\n"));
  f1().FastSpeedButton.click();
  f4().MedSpeedButton.click();
  platform.scheduler.advance(500);
  // 20 EFIS steps through 5 records; one engine step.
  EXPECT_EQ(f1().RecordPointer.caption(), "5");
  EXPECT_EQ(efisList().RecordPointer.caption(), "5");
  EXPECT_EQ(f4().RecordPointer.caption(), "1");
  EXPECT_EQ(engineList().RecordPointer.caption(), "1");
  EXPECT_EQ(f4().EMSRPM.caption(), "2450");

  f4().StopSpeedButton.click();
  f1().DataParseCorrectly.setFillColor(platform::color::Red);
  f4().DataParseCorrectly.setFillColor(platform::color::Yellow);
  platform.scheduler.advance(100);
  // The EFIS player goes on and touches only its own screens.
  EXPECT_EQ(f1().RecordPointer.caption(), "4");
  EXPECT_EQ(f1().DataParseCorrectly.fillColor(), platform::color::BrightGreen);
  EXPECT_EQ(f4().RecordPointer.caption(), "1");
  EXPECT_EQ(engineList().RecordPointer.caption(), "1");
  EXPECT_EQ(f4().DataParseCorrectly.fillColor(), platform::color::Yellow);
  EXPECT_EQ(app->EMSLine, dynonRecord("245"));
}

}  // namespace
}  // namespace playbacktest
