// The one shut-down sequence, from each of the three ways out: links closed
// in the order GPS, EFIS, engine before any screen goes, every screen
// unloaded, the tray icon removed, the program ended; a second entry does
// nothing more.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/form1.h"
#include "shell/lifecycle.h"
#include "shell/shell.h"
#include "shell/shell_fixture.h"

namespace {

using shelltest::ShellTest;

enum class Exit { CloseBox, MenuExit, TrayExit };

void leave(App& app, Exit how) {
  shell::Form1& f = app.form1();
  switch (how) {
    case Exit::CloseBox:
      f.requestClose();
      break;
    case Exit::MenuExit:
      f.MenuExit.click();
      break;
    case Exit::TrayExit:
      f.mexit.click();
      break;
  }
}

class ShutdownTest : public ShellTest, public testing::WithParamInterface<Exit> {
 protected:
  // Running, with all three links open, an instrument screen on view and the
  // tray icon in place (the supervisor puts it there at the third new second).
  void running() {
    start();
    platform.scheduler.advance(3000);
    // Opened after the start-up timer, which closes links whose port is "NONE".
    for (auto* link : links.created) link->setPortOpen(true);
    app->screen(ScreenId::Form8).setVisible(true);
    ASSERT_TRUE(tray.inTray());
    log.lines.clear();
  }
  int first(const std::string& suffix) const {
    for (std::size_t i = 0; i < log.lines.size(); ++i)
      if (log.lines[i].ends_with(suffix)) return static_cast<int>(i);
    return -1;
  }
  int last(const std::string& suffix) const {
    for (std::size_t i = log.lines.size(); i-- > 0;)
      if (log.lines[i].ends_with(suffix)) return static_cast<int>(i);
    return -1;
  }
};

TEST_P(ShutdownTest, LinksCloseInOrderBeforeAnyScreenGoesThenTrayIconThenEnd) {
  running();
  leave(*app, GetParam());

  ASSERT_GE(log.lines.size(), 3u);
  EXPECT_EQ(log.lines[0], "close MSPort1");
  EXPECT_EQ(log.lines[1], "close MSPort2");
  EXPECT_EQ(log.lines[2], "close MSPort3");
  for (auto* link : links.created) EXPECT_FALSE(link->PortOpen());
  EXPECT_GT(first(" unloaded"), 2);

  for (ScreenId id : kAllScreens)
    if (app->screenExists(id)) {
      EXPECT_TRUE(app->screen(id).unloaded()) << screenName(id);
    }
  EXPECT_GT(log.find("tray removed"), last(" unloaded"));
  EXPECT_FALSE(tray.inTray());
  EXPECT_EQ(log.lines.back(), "quit 0");
  EXPECT_EQ(ui.quits, 1);

  // Nothing runs any more, and no way out starts the sequence again.
  const std::vector<std::string> done = log.lines;
  const std::string clock = app->form1().ComputerTime.caption();
  app->SourceDataAge[kGPS] = 3;
  platform.scheduler.advance(5000);
  for (Exit again : {Exit::CloseBox, Exit::MenuExit, Exit::TrayExit}) leave(*app, again);
  app->shell().lifecycle().Shutdown();
  EXPECT_EQ(log.lines, done);
  EXPECT_EQ(ui.quits, 1);
  EXPECT_EQ(app->form1().ComputerTime.caption(), clock);
  EXPECT_EQ(app->SourceDataAge[kGPS], 3);
  EXPECT_FALSE(app->form1().Quartersecondtimer.enabled());
  EXPECT_FALSE(app->form1().DisplayUpdateTimer.enabled());
}

INSTANTIATE_TEST_SUITE_P(EveryExit, ShutdownTest,
                         testing::Values(Exit::CloseBox, Exit::MenuExit, Exit::TrayExit),
                         [](const testing::TestParamInfo<Exit>& p) {
                           switch (p.param) {
                             case Exit::CloseBox:
                               return std::string("CloseBox");
                             case Exit::MenuExit:
                               return std::string("MenuExit");
                             case Exit::TrayExit:
                               return std::string("TrayExit");
                           }
                           return std::string("Unknown");
                         });

TEST_F(ShutdownTest, CloseRequestDuringTheSequenceAddsNothing) {
  running();
  // Runs at the sequence's first yield, right after the GPS link closed.
  platform.scheduler.post([this] { app->form1().requestClose(); });
  app->form1().MenuExit.click();

  EXPECT_EQ(log.count("close MSPort1"), 1);
  EXPECT_EQ(log.count("close MSPort3"), 1);
  EXPECT_EQ(log.count("Form1 unloaded"), 1);
  EXPECT_EQ(log.count("tray removed"), 1);
  EXPECT_EQ(log.count("quit 0"), 1);
  EXPECT_EQ(log.lines.back(), "quit 0");
}

TEST_F(ShutdownTest, FailingStepIsSkippedAndTheProgramStillEnds) {
  start();
  links.created[0]->setPortOpen(true);
  links.created[0]->failClose = true;   // the GPS link refuses to close
  links.created[2]->setPortOpen(true);  // the EFIS link was never opened
  log.lines.clear();

  app->shell().lifecycle().Shutdown();
  EXPECT_EQ(log.find("close MSPort2"), -1);
  EXPECT_EQ(log.lines.front(), "close MSPort3");
  EXPECT_TRUE(app->form1().unloaded());
  // The icon was not in the tray yet: nothing to remove.
  EXPECT_EQ(log.find("tray removed"), -1);
  EXPECT_EQ(log.lines.back(), "quit 0");
}

}  // namespace
