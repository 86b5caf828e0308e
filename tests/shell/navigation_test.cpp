// The came-from and was-visible memories: RETURN shows the screens a screen
// was opened from; hiding everything and showing it again brings back exactly
// the screens that were on view.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/navigation.h"
#include "shell/shell.h"
#include "shell/shell_fixture.h"

namespace {

using shelltest::ShellTest;

std::vector<std::string> onView(App& app) {
  std::vector<std::string> on;
  for (ScreenId id : kAllScreens)
    if (app.screenExists(id) && app.screen(id).visible()) on.emplace_back(screenName(id));
  return on;
}

void showOnly(App& app, const std::vector<ScreenId>& ids) {
  for (ScreenId id : kAllScreens)
    if (app.screenExists(id)) app.screen(id).hide();
  for (ScreenId id : ids) app.screen(id).setVisible(true);
}

TEST_F(ShellTest, ReturnShowsTheCameFromScreensInTableOrderAndKeepsTheFlags) {
  app->screen(ScreenId::Form3).setVisible(true);  // the screen whose RETURN runs it
  app->CameFromForm[idx(ScreenId::Form4)] = true;
  app->CameFromForm[idx(ScreenId::Form1)] = true;
  app->CameFromForm[idx(ScreenId::Form6)] = true;  // the file manager has no flag
  log.lines.clear();

  app->shell().navigation().ReturnToForm();
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Form1 shown", "Form4 shown"}));
  EXPECT_TRUE(app->screen(ScreenId::Form3).visible());  // the caller hides itself
  EXPECT_FALSE(app->screenExists(ScreenId::Form6));
  EXPECT_TRUE(app->CameFromForm[idx(ScreenId::Form1)]);
  EXPECT_TRUE(app->CameFromForm[idx(ScreenId::Form4)]);

  app->shell().navigation().ClearCameFrom();
  for (ScreenId id : kAllScreens) EXPECT_FALSE(app->CameFromForm[idx(id)]) << screenName(id);
}

struct HideRow {
  const char* name;
  std::vector<ScreenId> onView;
  bool keepInstruments;
  std::vector<std::string> afterHide;
  std::vector<std::string> afterShow;
};

class HideShowTest : public ShellTest, public testing::WithParamInterface<HideRow> {};

TEST_P(HideShowTest, ShowBringsBackWhatTheHideFound) {
  const HideRow& row = GetParam();
  showOnly(*app, row.onView);
  app->KeepInstrumentScreens = row.keepInstruments;

  app->shell().navigation().GetHideForms();
  EXPECT_EQ(onView(*app), row.afterHide);
  // Asking whether a screen is visible creates it: every screen of the rule
  // exists now, the slider list excepted.
  for (ScreenId id : kAllScreens)
    if (id != ScreenId::form16) {
      EXPECT_TRUE(app->screenExists(id)) << screenName(id);
    }

  app->shell().navigation().GetShowForms();
  EXPECT_EQ(onView(*app), row.afterShow);
  // The flags stay: a second show shows the same screens.
  for (ScreenId id : kAllScreens)
    if (id != ScreenId::form16) app->screen(id).hide();
  app->shell().navigation().GetShowForms();
  EXPECT_EQ(onView(*app), row.afterShow);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HideShowTest,
    testing::Values(
        HideRow{"MinimizeAllWithInstruments",
                {ScreenId::Form1, ScreenId::Form8, ScreenId::Form11},
                false,
                {},
                {"Form1", "Form8", "Form11"}},
        HideRow{"MinimizeAllExceptInstruments",
                {ScreenId::Form1, ScreenId::Form2, ScreenId::Form8, ScreenId::Form11},
                true,
                {"Form8", "Form11"},
                {"Form1", "Form2", "Form8", "Form11"}},
        // No instrument screen was ever on view: the main window comes back too.
        HideRow{"FileManager", {ScreenId::Form6}, false, {}, {"Form1", "Form6"}},
        HideRow{"InstrumentScreenOnlyLeavesTheMainWindowHidden", {ScreenId::Form9}, false, {}, {"Form9"}},
        // The slider list is neither hidden nor shown by these rules.
        HideRow{"SliderListUntouched",
                {ScreenId::Form2, ScreenId::form16},
                false,
                {"form16"},
                {"Form1", "Form2", "form16"}}),
    [](const testing::TestParamInfo<HideRow>& p) { return std::string(p.param.name); });

TEST_F(ShellTest, ShowBeforeAnyHideShowsTheMainWindowOnly) {
  app->shell().navigation().GetShowForms();
  EXPECT_EQ(onView(*app), std::vector<std::string>{"Form1"});
}

TEST_F(ShellTest, OnceAnInstrumentScreenWasHiddenTheMainWindowComesBackOnlyIfItWasOnView) {
  showOnly(*app, {ScreenId::Form8});
  app->shell().navigation().GetHideForms();
  showOnly(*app, {ScreenId::Form2});
  app->shell().navigation().GetHideForms();
  app->shell().navigation().GetShowForms();
  EXPECT_EQ(onView(*app), std::vector<std::string>{"Form2"});
}

TEST_F(ShellTest, ScreenBroughtBackIsRestoredFromMinimised) {
  showOnly(*app, {ScreenId::Form2});
  app->screen(ScreenId::Form2).setWindowState(platform::WindowState::Minimized);
  app->shell().navigation().GetHideForms();
  app->shell().navigation().GetShowForms();
  EXPECT_TRUE(app->screen(ScreenId::Form2).visible());
  EXPECT_EQ(app->screen(ScreenId::Form2).windowState(), platform::WindowState::Normal);
}

}  // namespace
