// The tray icon's pop-up menu and the main window's "Screen" menu: hide to
// the tray, minimise all or all but the instrument screens, show back; and,
// where the desktop has no tray, minimising in place of hiding.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screens/form8.h"
#include "shell/form1.h"
#include "shell/shell.h"
#include "shell/shell_fixture.h"

namespace {

using platform::WindowState;
using shelltest::ShellTest;

std::vector<std::string> onView(App& app) {
  std::vector<std::string> on;
  for (ScreenId id : kAllScreens)
    if (app.screenExists(id) && app.screen(id).visible()) on.emplace_back(screenName(id));
  return on;
}

std::vector<std::string> minimised(App& app) {
  std::vector<std::string> on;
  for (ScreenId id : kAllScreens)
    if (app.screenExists(id) && app.screen(id).windowState() == WindowState::Minimized)
      on.emplace_back(screenName(id));
  return on;
}

void showOnly(App& app, const std::vector<ScreenId>& ids) {
  for (ScreenId id : kAllScreens)
    if (app.screenExists(id)) app.screen(id).hide();
  for (ScreenId id : ids) app.screen(id).setVisible(true);
}

class TrayTest : public ShellTest {
 protected:
  // Starts the program and waits for the icon, which goes in at the third
  // new second.
  void startWithIcon() {
    start();
    platform.scheduler.advance(2000);
    ASSERT_TRUE(tray.inTray());
    tray.tip.clear();
  }
  // The user asks for the pop-up menu and picks the entry with that caption.
  void pick(const std::string& caption) {
    tray.popups.clear();
    ASSERT_TRUE(tray.onMenuRequest);
    tray.onMenuRequest();
    ASSERT_EQ(tray.popups.size(), 1u);
    for (platform::Menu* m : tray.popups[0]->entries())
      if (m->caption() == caption) return m->click();
    FAIL() << "no entry " << caption;
  }
};

TEST_F(TrayTest, PopUpIsTheFirstMenuOfTheMainWindow) {
  startWithIcon();
  tray.onMenuRequest();
  ASSERT_EQ(tray.popups.size(), 1u);
  EXPECT_EQ(tray.popups[0], &app->form1().menu1);
}

TEST_F(TrayTest, HideTakesEveryScreenAwayAndShowBringsBackExactlyThose) {
  startWithIcon();
  showOnly(*app, {ScreenId::Form1, ScreenId::Form2, ScreenId::Form8});
  pick("Hide");
  EXPECT_TRUE(onView(*app).empty());
  EXPECT_EQ(app->form1().windowState(), WindowState::Minimized);
  EXPECT_EQ(tray.tip, "Talbren Ruvove Zavi Zaredido");

  pick("Show");
  EXPECT_EQ(onView(*app), (std::vector<std::string>{"Form1", "Form2", "Form8"}));
  EXPECT_TRUE(minimised(*app).empty());
}

TEST_F(TrayTest, HideBeforeTheIconIsInTheTrayLeavesTheMainWindowUnminimised) {
  start();
  ASSERT_FALSE(tray.inTray());
  showOnly(*app, {ScreenId::Form1, ScreenId::Form9});
  app->form1().mhide.click();
  EXPECT_TRUE(onView(*app).empty());
  EXPECT_EQ(app->form1().windowState(), WindowState::Normal);
  EXPECT_EQ(tray.tip, "");
}

TEST_F(TrayTest, MinimizeAllThenShowFromTheTray) {
  startWithIcon();
  showOnly(*app, {ScreenId::Form1, ScreenId::Form6, ScreenId::Form8, ScreenId::Form11});
  app->form1().menu_Minimize_All.click();
  EXPECT_TRUE(onView(*app).empty());
  pick("Show");
  EXPECT_EQ(onView(*app), (std::vector<std::string>{"Form1", "Form6", "Form8", "Form11"}));
}

TEST_F(TrayTest, MinimizeAllButInstrumentsLeavesThemAndShowBringsTheMainWindowOnlyIfItWasOnView) {
  startWithIcon();
  showOnly(*app, {ScreenId::Form1, ScreenId::Form2, ScreenId::Form8});
  app->form1().menu_Minimize_All_Except.click();
  EXPECT_EQ(onView(*app), std::vector<std::string>{"Form8"});
  pick("Show");
  EXPECT_EQ(onView(*app), (std::vector<std::string>{"Form1", "Form2", "Form8"}));

  // A second round with the main window already away: it stays away.
  showOnly(*app, {ScreenId::Form2, ScreenId::Form8});
  app->form1().menu_Minimize_All_Except.click();
  pick("Show");
  EXPECT_EQ(onView(*app), (std::vector<std::string>{"Form2", "Form8"}));
}

// A hide that found nothing on view after an instrument screen was once
// hidden would leave "Show" with nothing to bring back: the main window comes.
TEST_F(TrayTest, ShowThatWouldBringBackNothingShowsTheMainWindow) {
  startWithIcon();
  showOnly(*app, {ScreenId::Form8});
  app->form1().menu_Minimize_All.click();
  showOnly(*app, {});
  app->form1().menu_Minimize_All.click();
  pick("Show");
  EXPECT_EQ(onView(*app), std::vector<std::string>{"Form1"});
  EXPECT_EQ(app->form1().windowState(), WindowState::Normal);
}

TEST_F(TrayTest, ExitFromThePopUpEndsTheProgramAndTakesTheIconAway) {
  startWithIcon();
  pick("Exit");
  EXPECT_EQ(ui.quits, 1);
  EXPECT_FALSE(tray.inTray());
  EXPECT_GE(log.find("tray removed"), 0);
}

// Without a tray nothing could bring a hidden window back: each screen the
// hide took away stays on the task bar, minimised, and "Show" from the menu
// bar restores them.
TEST_F(TrayTest, WithoutATrayHidingMinimisesSoNoWindowIsLost) {
  tray.availableFlag = false;
  start();
  platform.scheduler.advance(2000);
  ASSERT_FALSE(tray.inTray());
  for (auto hide : {&shell::Form1::mhide, &shell::Form1::menu_Minimize_All}) {
    showOnly(*app, {ScreenId::Form1, ScreenId::Form2, ScreenId::Form9});
    (app->form1().*hide).click();
    EXPECT_EQ(onView(*app), (std::vector<std::string>{"Form1", "Form2", "Form9"}));
    EXPECT_EQ(minimised(*app), (std::vector<std::string>{"Form1", "Form2", "Form9"}));
    app->form1().menu2.click();
    EXPECT_EQ(onView(*app), (std::vector<std::string>{"Form1", "Form2", "Form9"}));
    EXPECT_TRUE(minimised(*app).empty());
  }

  // The instrument screens kept on view are not minimised.
  showOnly(*app, {ScreenId::Form1, ScreenId::Form8});
  app->form1().menu_Minimize_All_Except.click();
  EXPECT_EQ(minimised(*app), std::vector<std::string>{"Form1"});
  EXPECT_EQ(app->form8().windowState(), WindowState::Normal);
}

}  // namespace
