// Applying the settings to the main window: readouts, recorder layout, the
// record clock and the two EFIS display timers with their captions.

#include <gtest/gtest.h>

#include "config_fixture.h"
#include "shell/lifecycle.h"
#include "shell/shell.h"

namespace configtest {
namespace {

using ApplyTest = ConfigTest;

TEST_F(ApplyTest, RecordIntervalSetsTheClockAndItsCaption) {
  struct Case {
    platform::OptionButton settings::Form2::*option;
    bool oneSecondBefore;
    int interval;
    const char* caption;
    bool oneSecondAfter;
  };
  // Real time keeps the F8 one-second mode; every fixed interval ends it.
  const std::vector<Case> cases{
      {&settings::Form2::RealTime, false, 250, "REAL TIME (F8)", false},
      {&settings::Form2::RealTime, true, 1000, "1 SEC (F8)", true},
      {&settings::Form2::IntervalHalfSecond, true, 250, "250 ms", false},
      {&settings::Form2::IntervalOneSecond, true, 1000, "1 Second", false},
      {&settings::Form2::IntervalFiveSecond, false, 5000, "5 Seconds", false},
      {&settings::Form2::IntervalTenSecond, true, 10000, "10 Seconds", false},
      {&settings::Form2::IntervalThirtySecond, false, 30000, "30 Seconds", false},
  };
  for (const Case& c : cases) {
    // Choosing applies once through the click; the flag is set after it.
    (f2().*c.option).setValue(true);
    app->OneSecondSample = c.oneSecondBefore;
    app->config().UpdateNow_Click();
    EXPECT_EQ(f1().DisplayUpdateTimer.interval(), c.interval) << c.caption;
    EXPECT_EQ(f1().SampleInterval.caption(), c.caption);
    EXPECT_EQ(app->OneSecondSample.isTrue(), c.oneSecondAfter) << c.caption;
  }
}

TEST_F(ApplyTest, RatesSetTheirOwnTimerAndCaption) {
  const std::vector<std::pair<int, const char*>> rates{
      {75, "REAL TIME"}, {75, "75 ms"}, {250, "250 ms"}, {500, "500 ms"}, {1000, "1 Sec"}};
  for (int i = 0; i < 5; ++i) {
    const auto& [ms, caption] = rates[static_cast<std::size_t>(i)];
    f2().EFISUpdateRate[i].setValue(true);
    f2().MainUpdateRate[4 - i].setValue(true);
    app->config().UpdateNow_Click();
    EXPECT_EQ(f1().EFIS_DataDisplayTimer.interval(), ms) << i;
    EXPECT_EQ(f1().MainInterval.caption(), caption);
    const auto& [otherMs, otherCaption] = rates[static_cast<std::size_t>(4 - i)];
    EXPECT_EQ(f1().EFIS_DisplayTimer.interval(), otherMs) << i;
    EXPECT_EQ(f1().EFISInterval.caption(), otherCaption);
  }
}

TEST_F(ApplyTest, NothingChosenKeepsWhatTheTimersHad) {
  app->config().UpdateNow_Click();
  f2().RealTime.setValue(false);
  f2().EFISUpdateRate[0].setValue(false);
  f2().MainUpdateRate[0].setValue(false);
  f1().DisplayUpdateTimer.setInterval(1234);
  app->config().UpdateNow_Click();
  EXPECT_EQ(f1().DisplayUpdateTimer.interval(), 1234);
  EXPECT_EQ(f1().SampleInterval.caption(), "REAL TIME (F8)");
  EXPECT_EQ(f1().EFIS_DataDisplayTimer.interval(), 75);
  EXPECT_EQ(f1().EFISInterval.caption(), "REAL TIME");
}

// F8 flips the one-second flag and applies again: only real time follows it.
TEST_F(ApplyTest, F8TogglesTheRecordClockOnlyInRealTime) {
  auto f8 = [this] {
    app->OneSecondSample = !app->OneSecondSample.isTrue();
    app->config().UpdateNow_Click();
  };
  app->config().UpdateNow_Click();
  EXPECT_EQ(f1().DisplayUpdateTimer.interval(), 250);
  f8();
  EXPECT_EQ(f1().DisplayUpdateTimer.interval(), 1000);
  EXPECT_EQ(f1().SampleInterval.caption(), "1 SEC (F8)");
  f8();
  EXPECT_EQ(f1().DisplayUpdateTimer.interval(), 250);
  EXPECT_EQ(f1().SampleInterval.caption(), "REAL TIME (F8)");

  f2().IntervalHalfSecond.setValue(true);
  f8();
  EXPECT_EQ(f1().DisplayUpdateTimer.interval(), 250);
  EXPECT_EQ(f1().SampleInterval.caption(), "250 ms");
  EXPECT_FALSE(app->OneSecondSample.isTrue());
}

TEST_F(ApplyTest, TheRecordClockTicksAtItsNewInterval) {
  int ticks = 0;
  f1().DisplayUpdateTimer.onTick = [&ticks] { ++ticks; };
  app->shell().lifecycle().startTimers();
  platform.scheduler.advance(5000);
  EXPECT_EQ(ticks, 0);  // no interval until the settings are applied
  f2().IntervalOneSecond.setValue(true);
  app->config().UpdateNow_Click();
  platform.scheduler.advance(3000);
  EXPECT_EQ(ticks, 3);
}

TEST_F(ApplyTest, UnassignedPortsBlankTheirReadouts) {
  struct Case {
    const char* efisPort;
    const char* gpsPort;
    bool efisBlank;
    bool gpsBlank;
  };
  for (const Case& c : std::vector<Case>{
           {"NONE", "COM1", true, false}, {"COM2", "NONE", false, true}, {"none", "NONE ", false, false}}) {
    f1().EFISCommPort.setCaption(c.efisPort);
    f1().GPSCommPort.setCaption(c.gpsPort);
    for (platform::Label* l : {&f1().EFISHHMMSS, &f1().DataAOA, &f1().DataPitch, &f1().GPSTime,
                               &f1().GPSDataAltitude, &f1().DataLongitude})
      l->setCaption("x");
    f1().GPSTrackingLight.setFillColor(platform::color::BrightGreen);
    app->config().UpdateNow_Click();
    EXPECT_EQ(f1().EFISHHMMSS.caption().empty(), c.efisBlank) << c.efisPort;
    EXPECT_EQ(f1().DataAOA.caption().empty(), c.efisBlank) << c.efisPort;
    EXPECT_EQ(f1().DataPitch.caption().empty(), c.efisBlank) << c.efisPort;
    EXPECT_EQ(f1().GPSTime.caption().empty(), c.gpsBlank) << c.gpsPort;
    EXPECT_EQ(f1().GPSDataAltitude.caption().empty(), c.gpsBlank) << c.gpsPort;
    EXPECT_EQ(f1().DataLongitude.caption().empty(), c.gpsBlank) << c.gpsPort;
    EXPECT_EQ(f1().GPSTrackingLight.fillColor(),
              c.gpsBlank ? platform::color::Green : platform::color::BrightGreen);
  }
}

TEST_F(ApplyTest, RecorderGroupFollowsTheMethodAndPlaybackFollowsTheEfisSource) {
  app->config().UpdateNow_Click();
  EXPECT_FALSE(f1().RecorderFolderName.visible());
  EXPECT_FALSE(f1().Label2.visible());
  EXPECT_EQ(f1().Label13.caption(), "Folder/File");
  EXPECT_TRUE(f1().RecorderStartStopButton.visible());
  EXPECT_TRUE(f1().Line5.visible());
  EXPECT_FALSE(f1().FILE_OPS.visible());

  f2().RecordContinously.setValue(true);
  f2().EFIS_FILE.setValue(true);
  const bool recorderOn = app->RecorderOn.isTrue();
  app->config().UpdateNow_Click();
  EXPECT_TRUE(f1().RecorderFolderName.visible());
  EXPECT_TRUE(f1().Label2.visible());
  EXPECT_EQ(f1().Label13.caption(), "File");
  EXPECT_FALSE(f1().RecorderStartStopButton.visible());
  EXPECT_FALSE(f1().Line5.visible());
  EXPECT_TRUE(f1().FILE_OPS.visible());
  EXPECT_EQ(app->RecorderOn.isTrue(), recorderOn);  // the apply never starts or stops recording
}

TEST_F(ApplyTest, TheUpdateNowButtonApplies) {
  f2().IntervalFiveSecond.setValue(true);
  f1().UpdateNow.click();
  EXPECT_EQ(f1().DisplayUpdateTimer.interval(), 5000);
}

}  // namespace
}  // namespace configtest
