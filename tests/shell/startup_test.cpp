// The main window's load sequence and the start sequence that shows the first
// screen 1500 ms after start, in virtual time.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "devices/devices.h"
#include "devices/serial_links.h"
#include "platform/numbers.h"
#include "recorder/recorder.h"
#include "screens/form21.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "shell/lifecycle.h"
#include "shell/shell.h"
#include "shell/shell_fixture.h"

namespace {

using shelltest::ShellTest;

// The screens whose visibility the start sequence sets.
const std::vector<ScreenId> kTen{ScreenId::Form1, ScreenId::Form2, ScreenId::Form3, ScreenId::Form4,
                                 ScreenId::Form5, ScreenId::Form6, ScreenId::form7, ScreenId::Form8,
                                 ScreenId::Form9, ScreenId::Form10};

std::vector<std::string> visibleOf(App& app, const std::vector<ScreenId>& ids) {
  std::vector<std::string> on;
  for (ScreenId id : ids)
    if (app.screenExists(id) && app.screen(id).visible()) on.emplace_back(screenName(id));
  return on;
}

TEST_F(ShellTest, LoadSequenceLeavesEverySourceStaleAndTheMainWindowShown) {
  app->EMSBytes.fill(7);
  app->SentenceDataAge[kGPBOD] = 3;
  start();

  shell::Form1& f = app->form1();
  EXPECT_TRUE(f.visible());
  EXPECT_EQ(f.RevNumber.caption(), "Version 3.3.16   19 Oct 2008");
  EXPECT_EQ(links.created.size(), 3u);  // MSPort1, MSPort2, MSPort3, all closed
  for (auto* link : links.created) EXPECT_FALSE(link->PortOpen());
  EXPECT_EQ(f.icon(), programDir.file("Recorder.ico"));
  EXPECT_EQ(app->TrayTipCountdown, 3);
  EXPECT_FALSE(f.SetTime.enabled());
  EXPECT_TRUE(app->NewFilePending);

  // The Grand Rapids buffer's first hundred bytes are cleared, the rest kept.
  for (std::size_t i = 0; i < app->EMSBytes.size(); ++i) EXPECT_EQ(app->EMSBytes[i], i < 100 ? 0 : 7) << i;
  // Every link and sentence counter starts stale, except $GPBOD's.
  for (std::size_t link : {kGPS, kEFIS, kEMS}) EXPECT_EQ(app->SourceDataAge[link], 10) << link;
  for (std::size_t s = 0; s < kSentenceKinds; ++s)
    EXPECT_EQ(app->SentenceDataAge[s], s == kGPBOD ? 3 : 10) << s;

  screens::form21& sky = app->form21();
  for (int i = 0; i <= 49; ++i) {
    EXPECT_EQ(sky.GPS_SV_Number[i].caption(), platform::formatNumber(i, "00"));
    EXPECT_EQ(sky.GPS_SV_Number[i].width(), 220);
  }
  EXPECT_EQ(sky.GPS_SV_Number[7].caption(), "07");
  // Only the main window is on view until the start sequence runs.
  EXPECT_EQ(visibleOf(*app, std::vector<ScreenId>(kAllScreens.begin(), kAllScreens.end())),
            std::vector<std::string>{"Form1"});
}

// A slow start lets record ticks and port data run at the yields of the load
// sequence, before it has put the configured recorder folder in place: what
// they would write waits and goes to the configured folder, header first, and
// nothing is made in the default folder.
TEST_F(ShellTest, NothingIsWrittenBeforeTheConfiguredRecorderFolderIsInPlace) {
  const std::string configured = homeDir.file("flights");
  std::string config = testsupport::readFile(std::string(TALBREN_TEST_DATA_DIR) + "/config/default.XML");
  auto set = [&config](const std::string& element, const std::string& value) {
    const std::size_t from = config.find("<" + element + ">") + element.size() + 2;
    config.replace(from, config.find("</", from) - from, value);
  };
  set("DIRECTORY", configured);
  set("SHOW_RECORD_BUTTON", "False");
  set("RECORD_TIME_REAL", "False");
  set("RECORD_TIME_1", "True");
  set("GPS_COMM_CAPTURE", "1");
  testsupport::writeFile(programDir.file("TalbrenRuvoveZaviZaredido.XML"), config);
  platform.clock.setNow({2012, 10, 26, 14, 5, 9, 0});

  // Runs at the first yield, right after the configuration is loaded.
  int records = 0;
  platform.scheduler.post([&] {
    app->form1().ComputerTime.setCaption("early");
    for (int i = 1; i <= 7; ++i) app->devices().links().MSPort1_OnRead("$G" + std::to_string(i) + "\r\n");
    app->recorder().RecordStep();
    ++records;
  });
  start();
  EXPECT_EQ(records, 1);
  app->form1().ComputerTime.setCaption("later");
  app->recorder().RecordStep();
  app->shell().lifecycle().Shutdown();

  EXPECT_FALSE(std::filesystem::exists(homeDir.file("RAZERI VAREROZE")));
  const std::string recordFile = testsupport::readFile(configured + "/TBRC_102612.TXT");
  // The load sequence marks a new file due after that yield, so the later
  // record brings a header of its own.
  EXPECT_EQ(recordFile,
            "COMPUTER TIME\tUNITS\t\r\nearly\tKNOTS/FEET\t\r\n"
            "COMPUTER TIME\tUNITS\t\r\nlater\tKNOTS/FEET\t\r\n");
  EXPECT_EQ(testsupport::readFile(configured + "/TBRC_GPS_102612_14.DAT"),
            "$G1\r\n$G2\r\n$G3\r\n$G4\r\n$G5\r\n$G6\r\n$G7\r\n");
}

// Touching the main window sets nothing going; the program's start sets
// every timer of the program's life going. The player's clock stays still.
TEST_F(ShellTest, OnlyTheProgramsStartSetsTheMainWindowsTimersGoing) {
  shell::Form1& f = app->form1();
  platform.scheduler.advance(5000);
  EXPECT_EQ(links.created.size(), 0u);
  EXPECT_FALSE(f.visible());
  EXPECT_FALSE(app->screenExists(ScreenId::Form2));

  start();
  std::vector<std::string> enabled;
  for (const platform::Timer* t :
       {&f.StartupDelay, &f.Quartersecondtimer, &f.ChectGRHeader, &f.DisplayUpdateTimer,
        &f.EFIS_DataDisplayTimer, &f.EFIS_DisplayTimer, &f.PlaybackSpeedTimer})
    if (t->enabled()) enabled.push_back(t->name());
  EXPECT_EQ(enabled,
            (std::vector<std::string>{"StartupDelay", "Quartersecondtimer", "ChectGRHeader",
                                      "DisplayUpdateTimer", "EFIS_DataDisplayTimer", "EFIS_DisplayTimer"}));
  // The start sequence opens the links 1500 ms after the start.
  platform.scheduler.advance(1499);
  EXPECT_TRUE(f.StartupDelay.enabled());
  platform.scheduler.advance(1);
  EXPECT_FALSE(f.StartupDelay.enabled());
}

struct StartRow {
  int option;          // element of StartupDisplayScreen that is set
  bool grandRapids;    // a Grand Rapids engine monitor configured
  const char* screen;  // the only one of the ten on view afterwards
};

class StartScreenTest : public ShellTest, public testing::WithParamInterface<StartRow> {};

TEST_P(StartScreenTest, ChosenScreenIsTheOnlyOneOfTheTenOnViewAfter1500Ms) {
  const StartRow row = GetParam();
  start();
  settings::Form2& s = app->form2();
  s.StartupDisplayScreen[row.option].setValue(true);
  if (row.grandRapids) s.EMSGRANDRAPIDS.setValue(true);
  // Screens outside the ten are left as they are.
  app->screen(ScreenId::Form11).setVisible(true);
  app->screen(ScreenId::form20).setVisible(true);

  platform.scheduler.advance(1499);
  EXPECT_EQ(visibleOf(*app, kTen), std::vector<std::string>{"Form1"});

  platform.scheduler.advance(1);
  EXPECT_EQ(visibleOf(*app, kTen), std::vector<std::string>{row.screen});
  EXPECT_TRUE(app->screen(ScreenId::Form11).visible());
  EXPECT_TRUE(app->screen(ScreenId::form20).visible());
  EXPECT_FALSE(app->form1().StartupDelay.enabled());

  // It runs once: a screen shown later stays on view.
  app->form2().setVisible(true);
  platform.scheduler.advance(5000);
  EXPECT_TRUE(app->screen(ScreenId::Form2).visible());
}

INSTANTIATE_TEST_SUITE_P(Options, StartScreenTest,
                         testing::Values(StartRow{0, false, "Form1"}, StartRow{1, false, "Form4"},
                                         StartRow{2, false, "Form5"}, StartRow{3, false, "Form8"},
                                         StartRow{4, false, "Form9"}, StartRow{5, false, "Form10"},
                                         // The Dynon gauge screen whatever the engine monitor.
                                         StartRow{5, true, "Form10"}),
                         [](const testing::TestParamInfo<StartRow>& p) {
                           return "Option" + std::to_string(p.param.option) +
                                  (p.param.grandRapids ? "GrandRapids" : "");
                         });

TEST_F(ShellTest, WithNoStartOptionSetTheStartSequenceShowsAndHidesNothing) {
  start();
  app->form2().StartupDisplayScreen[0].setValue(false);
  for (int i = 0; i <= 5; ++i) ASSERT_FALSE(app->form2().StartupDisplayScreen[i].value());
  app->form1().hide();
  app->screen(ScreenId::Form4).setVisible(true);

  platform.scheduler.advance(1500);
  EXPECT_EQ(visibleOf(*app, kTen), std::vector<std::string>{"Form4"});
  EXPECT_FALSE(app->form1().StartupDelay.enabled());
}

}  // namespace
