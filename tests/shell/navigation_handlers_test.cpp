// The doors between the screens: the main window's clicks and the screen
// buttons of the engine, instrument and GPS screens, each followed by the
// RETURN or MAIN that leads back.

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "recorder/form15.h"
#include "screens/form10.h"
#include "screens/form11.h"
#include "screens/form12.h"
#include "screens/form20.h"
#include "screens/form21.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "screens/form8.h"
#include "screens/form9.h"
#include "settings/form13.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "shell/form3.h"
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

enum class Engine { Dynon, GR, GR2000 };

void chooseEngine(App& app, Engine e) {
  settings::Form2& s = app.form2();
  if (e == Engine::Dynon) s.EMSDYNON.setValue(true);
  if (e == Engine::GR) s.EMSGRANDRAPIDS.setValue(true);
  if (e == Engine::GR2000) s.EMSGR2000.setValue(true);
}

// ---- The main window's doors

struct DoorRow {
  const char* name;
  std::function<void(App&)> setUp;
  std::function<platform::Control&(shell::Form1&)> control;
  std::vector<std::string> opened;  // on view after the click
  int tab;                          // settings tab selected, 0 for none
  // The RETURN of the opened screen, when it has one.
  std::function<void(App&)> back;
};

void PrintTo(const DoorRow& row, std::ostream* os) {
  *os << row.name;
}

class MainDoorTest : public ShellTest, public testing::WithParamInterface<DoorRow> {};

TEST_P(MainDoorTest, EachDoorOpensItsScreenAndReturnShowsTheMainWindowAgain) {
  const DoorRow& row = GetParam();
  start();
  for (platform::Control* c : app->form1().controls()) c->setEnabled(true);
  if (row.setUp) row.setUp(*app);
  app->CameFromForm[idx(ScreenId::Form8)] = true;  // left from an earlier opening
  showOnly(*app, {ScreenId::Form1});

  row.control(app->form1()).click();
  EXPECT_EQ(onView(*app), row.opened);
  EXPECT_TRUE(app->CameFromForm[idx(ScreenId::Form1)]);
  for (ScreenId id : kAllScreens)
    if (id != ScreenId::Form1) {
      EXPECT_FALSE(app->CameFromForm[idx(id)]) << screenName(id);
    }
  if (row.tab) {
    EXPECT_EQ(app->form2().TabStrip1.selectedTab(), row.tab);
  }
  if (row.back) {
    row.back(*app);
    EXPECT_EQ(onView(*app), std::vector<std::string>{"Form1"});
  }
}

void form3Return(App& app) {
  app.form3().ReturnButton.click();
}

#define MAIN(member) [](shell::Form1& f) -> platform::Control& { return f.member; }

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Doors, MainDoorTest,
    testing::Values(
        DoorRow{"Configuration", nullptr, MAIN(ConfigCommPorts), {"Form2"}, 0, nullptr},
        DoorRow{"RecorderFolder", nullptr, MAIN(RecorderFolderName), {"Form2"}, 0, nullptr},
        DoorRow{"EfisSettings", nullptr, MAIN(EFISSettings), {"Form2"}, 1, nullptr},
        DoorRow{"EmsSettings", nullptr, MAIN(EMSSettings), {"Form2"}, 2, nullptr},
        DoorRow{"GpsSettings", nullptr, MAIN(GPSSettings), {"Form2"}, 3, nullptr},
        DoorRow{"SampleInterval", nullptr, MAIN(SampleInterval), {"Form2"}, 6, nullptr},
        DoorRow{"EfisIntervalCaption", nullptr, MAIN(Label39), {"Form2"}, 6, nullptr},
        DoorRow{"EfisPortLabel", nullptr, MAIN(EFISCommPort), {"Form3"}, 0, form3Return},
        DoorRow{"EfisReadoutOpensTheRawView", nullptr, MAIN(DataPitch), {"Form3"}, 0, form3Return},
        // Playing a recorded EFIS file: the EFIS data-file list instead.
        DoorRow{"EfisAirspeedWhilePlayingAFile", [](App& a) { a.form2().EFIS_FILE.setValue(true); },
                MAIN(DataAirspeed), {"form15"}, 0, nullptr},
        DoorRow{"EnginePortLabel", nullptr, MAIN(EMSCommPort), {"Form3"}, 0, form3Return},
        DoorRow{"GpsPortLabelGarmin", [](App& a) { a.GarminSource = true; a.NMEASource = false; },
                MAIN(GPSCommPort), {"form20"}, 0, [](App& a) { a.form20().ReturnButton.click(); }},
        DoorRow{"GpsTimeReadoutNmea", [](App& a) { a.GarminSource = false; a.NMEASource = true; },
                MAIN(GPSTime), {"form21"}, 0, [](App& a) { a.form21().ReturnButton.click(); }},
        DoorRow{"GpsPortLabelBothSources", [](App& a) { a.GarminSource = true; a.NMEASource = true; },
                MAIN(GPSCommPort), {"form20", "form21"}, 0, nullptr},
        // The instrument doors leave the main window on view.
        DoorRow{"EfisInstruments", nullptr, MAIN(Command2), {"Form1", "Form8"}, 0, nullptr},
        DoorRow{"GpsInstruments", nullptr, MAIN(Command1), {"Form1", "Form9"}, 0, nullptr},
        DoorRow{"EngineInstrumentsDynon", [](App& a) { chooseEngine(a, Engine::Dynon); },
                MAIN(Command4), {"Form1", "Form10"}, 0, nullptr},
        DoorRow{"EngineInstrumentsGrandRapids", [](App& a) { chooseEngine(a, Engine::GR); },
                MAIN(Command4), {"Form1", "Form11"}, 0, nullptr},
        DoorRow{"EngineInstrumentsGR2000", [](App& a) { chooseEngine(a, Engine::GR2000); },
                MAIN(Command4), {"Form1", "Form11"}, 0, nullptr},
        DoorRow{"EngineDataDynon", [](App& a) { chooseEngine(a, Engine::Dynon); },
                MAIN(Command3), {"Form4"}, 0, [](App& a) { a.form4().Command1.click(); }},
        DoorRow{"EngineDataGrandRapids", [](App& a) { chooseEngine(a, Engine::GR); },
                MAIN(Command3), {"Form5"}, 0, [](App& a) { a.form5().Command1.click(); }}),
    [](const testing::TestParamInfo<DoorRow>& p) { return std::string(p.param.name); });
// clang-format on

#undef MAIN

TEST_F(ShellTest, DisabledReadoutTakesNoClick) {
  start();
  shell::Form1& f = app->form1();
  ASSERT_FALSE(f.DataAirspeed.enabled());  // EFIS port "NONE", no file
  f.DataAirspeed.click();
  EXPECT_FALSE(app->screenExists(ScreenId::Form3) && app->form3().visible());
  EXPECT_TRUE(f.visible());
}

TEST_F(ShellTest, RawViewFromTheMainWindowOpensUnfrozenAndTitledForItsDevice) {
  start();
  shell::Form1& f = app->form1();
  f.EMSCommPort.click();
  EXPECT_EQ(app->form3().Frame1.caption(), "ENGINE COMM PORT DATA");
  EXPECT_TRUE(app->RawViewEMS);
  app->form3().FreezeButton.click();
  app->form3().ReturnButton.click();

  f.EFISCommPort.click();
  shell::Form3& view = app->form3();
  EXPECT_EQ(view.Frame1.caption(), "EFIS COMM PORT DATA");
  EXPECT_FALSE(app->RawViewFrozen);
  EXPECT_EQ(view.FreezeButton.backColor(), platform::color::ButtonFace);
  EXPECT_TRUE(app->RawViewEFIS);
  EXPECT_FALSE(app->RawViewEMS || app->RawViewGPS);
}

TEST_F(ShellTest, EngineDataDoorHidesTheMainWindowBeforeTheDataScreenShows) {
  start();
  log.lines.clear();
  app->form1().Command3.click();
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Form1 hidden", "Form4 shown"}));
}

TEST_F(ShellTest, EngineInstrumentsSetUpTheGaugeScreenBeforeItShows) {
  start();
  chooseEngine(*app, Engine::GR);
  app->form13().CHTMax.setText("600");  // (600 - 150) / (1600 - 800)
  app->form1().Command4.click();
  EXPECT_FLOAT_EQ(app->EGTToCHTScale, 0.5625f);
}

// ---- Screen buttons

TEST_F(ShellTest, EngineOnEveryInstrumentScreenFollowsTheMonitorType) {
  start();
  chooseEngine(*app, Engine::GR);
  std::vector<std::function<platform::Control&()>> engineButtons{
      [this]() -> platform::Control& { return app->form8().Command3; },
      [this]() -> platform::Control& { return app->form9().Command4; },
      [this]() -> platform::Control& { return app->form10().Command4; },
      [this]() -> platform::Control& { return app->form11().Command4; }};
  for (auto& button : engineButtons) {
    showOnly(*app, {});
    platform::Control& b = button();
    b.screen()->setVisible(true);
    b.click();
    EXPECT_TRUE(app->form11().visible()) << b.screen()->name();
    if (b.screen() != &app->form10()) {
      EXPECT_FALSE(app->form10().visible()) << b.screen()->name();
    }
    EXPECT_TRUE(b.screen()->visible()) << b.screen()->name();  // stays on view
  }

  // With the Dynon monitor, ENGINE on the Dynon gauge screen leaves it in place.
  chooseEngine(*app, Engine::Dynon);
  showOnly(*app, {ScreenId::Form10});
  app->form10().Command4.click();
  EXPECT_EQ(onView(*app), std::vector<std::string>{"Form10"});
}

struct ButtonRow {
  const char* name;
  ScreenId screen;
  std::function<platform::Control&(App&)> button;
  std::vector<std::string> after;  // on view after the click, from the screen alone
};

void PrintTo(const ButtonRow& row, std::ostream* os) {
  *os << row.name;
}

class ScreenButtonTest : public ShellTest, public testing::WithParamInterface<ButtonRow> {};

TEST_P(ScreenButtonTest, ButtonShowsItsTarget) {
  const ButtonRow& row = GetParam();
  start();
  chooseEngine(*app, Engine::Dynon);
  showOnly(*app, {row.screen});
  row.button(*app).click();
  EXPECT_EQ(onView(*app), row.after);
}

#define BUTTON(screen, member) [](App& a) -> platform::Control& { return a.screen().member; }

INSTANTIATE_TEST_SUITE_P(
    Buttons, ScreenButtonTest,
    testing::Values(
        // MAIN brings back the main window (nothing else was hidden yet).
        ButtonRow{"Form8Main", ScreenId::Form8, BUTTON(form8, Command1), {"Form1", "Form8"}},
        ButtonRow{"Form9Main", ScreenId::Form9, BUTTON(form9, Command1), {"Form1", "Form9"}},
        ButtonRow{"Form10Main", ScreenId::Form10, BUTTON(form10, Command1), {"Form1", "Form10"}},
        ButtonRow{"Form11Main", ScreenId::Form11, BUTTON(form11, Command5), {"Form1", "Form11"}},
        ButtonRow{"form12Main", ScreenId::form12, BUTTON(form12, Command5), {"Form1", "form12"}},
        ButtonRow{"Form8Gps", ScreenId::Form8, BUTTON(form8, Command2), {"Form8", "Form9"}},
        ButtonRow{"Form8Engine", ScreenId::Form8, BUTTON(form8, Command3), {"Form8", "Form10"}},
        ButtonRow{"Form8EfisHasNoAction", ScreenId::Form8, BUTTON(form8, Command4), {"Form8"}},
        ButtonRow{"Form8Adc", ScreenId::Form8, BUTTON(form8, Command5), {"Form8", "form12"}},
        ButtonRow{"Form8Hide", ScreenId::Form8, BUTTON(form8, Command6), {"Form1"}},
        ButtonRow{"Form8Banner", ScreenId::Form8, BUTTON(form8, FilePlaybackMode), {"Form1"}},
        ButtonRow{"Form9Efis", ScreenId::Form9, BUTTON(form9, Command2), {"Form8", "Form9"}},
        ButtonRow{"Form9GpsInPlace", ScreenId::Form9, BUTTON(form9, Command3), {"Form9"}},
        ButtonRow{"Form9Adc", ScreenId::Form9, BUTTON(form9, Command5), {"Form9", "form12"}},
        ButtonRow{"Form9Hide", ScreenId::Form9, BUTTON(form9, Command6), {"Form1"}},
        ButtonRow{"Form10Efis", ScreenId::Form10, BUTTON(form10, Command2), {"Form8", "Form10"}},
        ButtonRow{"Form10Gps", ScreenId::Form10, BUTTON(form10, Command3), {"Form9", "Form10"}},
        ButtonRow{"Form10Adc", ScreenId::Form10, BUTTON(form10, Command5), {"Form10", "form12"}},
        ButtonRow{"Form10Hide", ScreenId::Form10, BUTTON(form10, Command6), {"Form1"}},
        ButtonRow{"Form10Banner", ScreenId::Form10, BUTTON(form10, FilePlaybackMode), {"Form1"}},
        ButtonRow{"Form11MainHides", ScreenId::Form11, BUTTON(form11, Command1), {"Form1"}},
        ButtonRow{"Form11Efis", ScreenId::Form11, BUTTON(form11, Command2), {"Form8", "Form11"}},
        ButtonRow{"Form11Gps", ScreenId::Form11, BUTTON(form11, Command3), {"Form9", "Form11"}},
        ButtonRow{"Form11Hide", ScreenId::Form11, BUTTON(form11, Command6), {"Form1"}},
        ButtonRow{"Form11Adc", ScreenId::Form11, BUTTON(form11, Command7), {"Form11", "form12"}},
        ButtonRow{"form12MainHides", ScreenId::form12, BUTTON(form12, Command1), {"Form1"}},
        ButtonRow{"form12Efis", ScreenId::form12, BUTTON(form12, Command2), {"Form8", "form12"}},
        ButtonRow{"form12Gps", ScreenId::form12, BUTTON(form12, Command3), {"Form9", "form12"}},
        ButtonRow{"form12EngineDynon", ScreenId::form12, BUTTON(form12, Command4), {"Form10", "form12"}},
        ButtonRow{"form12Hide", ScreenId::form12, BUTTON(form12, Command6), {"Form1"}},
        ButtonRow{"form12AdcHasNoAction", ScreenId::form12, BUTTON(form12, Command7), {"form12"}},
        ButtonRow{"Form5EngineInstruments", ScreenId::Form5, BUTTON(form5, Command4), {"Form5", "Form10"}},
        ButtonRow{"form20ToNmea", ScreenId::form20, BUTTON(form20, Command1), {"form21"}},
        ButtonRow{"form20GpsInstruments",
                  ScreenId::form20,
                  BUTTON(form20, ShowGPSInstrumentsScreen),
                  {"Form9", "form20"}},
        ButtonRow{"form21ToGarmin", ScreenId::form21, BUTTON(form21, Command1), {"form20"}},
        ButtonRow{"form21GpsInstruments",
                  ScreenId::form21,
                  BUTTON(form21, ShowGPSInstrumentsScreen),
                  {"Form9", "form21"}}),
    [](const testing::TestParamInfo<ButtonRow>& p) { return std::string(p.param.name); });

#undef BUTTON

TEST_F(ShellTest, CombinedScreenEngineWithGrandRapidsStaysOnTheCombinedScreen) {
  start();
  chooseEngine(*app, Engine::GR);
  showOnly(*app, {ScreenId::form12});
  app->form12().Command4.click();
  EXPECT_EQ(onView(*app), std::vector<std::string>{"form12"});
}

TEST_F(ShellTest, HideRecordsTheMainWindowOnlyOnTheEfisScreen) {
  start();
  for (ScreenId id : {ScreenId::Form8, ScreenId::Form9}) {
    app->FormWasVisible[idx(ScreenId::Form1)] = false;
    showOnly(*app, {id});
    if (id == ScreenId::Form8) app->form8().Command6.click();
    if (id == ScreenId::Form9) app->form9().Command6.click();
    EXPECT_EQ(onView(*app), std::vector<std::string>{"Form1"});
    EXPECT_EQ(static_cast<bool>(app->FormWasVisible[idx(ScreenId::Form1)]), id == ScreenId::Form8)
        << screenName(id);
  }
}

TEST_F(ShellTest, MainAfterMinimizeAllBringsBackTheMainWindowAndWhatWasOnView) {
  start();
  showOnly(*app, {ScreenId::Form9});
  app->form1().menu_Minimize_All.click();
  EXPECT_TRUE(onView(*app).empty());
  // The EFIS screen opened later; its MAIN brings the main window back with
  // the GPS screen that the hide put away.
  app->form8().setVisible(true);
  app->form8().Command1.click();
  EXPECT_EQ(onView(*app), (std::vector<std::string>{"Form1", "Form8", "Form9"}));
}

TEST_F(ShellTest, EngineInstrumentsFromTheDynonDataScreenThenReturnShowsMainAndSettings) {
  start();
  chooseEngine(*app, Engine::Dynon);
  app->form1().Command3.click();  // the Dynon data screen
  app->form4().Command4.click();
  EXPECT_EQ(onView(*app), (std::vector<std::string>{"Form4", "Form10"}));
  // Only the Dynon data screen's own flag is set now.
  app->form10().hide();
  app->form4().Command1.click();
  EXPECT_EQ(onView(*app), (std::vector<std::string>{"Form1", "Form2"}));
}

TEST_F(ShellTest, DynonDataScreenReturnEndsTheRawViewWatchTheOthersLeaveIt) {
  start();
  for (ScreenId id : {ScreenId::Form4, ScreenId::Form5, ScreenId::form20, ScreenId::form21}) {
    app->RawViewGPS = true;
    app->RawViewFrozen = true;
    app->form3().FreezeButton.setBackColor(0xC0C0FF);
    app->shell().navigation().ClearCameFrom();
    app->CameFromForm[idx(ScreenId::Form1)] = true;
    showOnly(*app, {id});
    if (id == ScreenId::Form4) app->form4().Command1.click();
    if (id == ScreenId::Form5) app->form5().Command1.click();
    if (id == ScreenId::form20) app->form20().ReturnButton.click();
    if (id == ScreenId::form21) app->form21().ReturnButton.click();
    EXPECT_EQ(onView(*app), std::vector<std::string>{"Form1"}) << screenName(id);
    const bool reset = id == ScreenId::Form4;
    EXPECT_EQ(static_cast<bool>(app->RawViewGPS), !reset) << screenName(id);
    EXPECT_EQ(static_cast<bool>(app->RawViewFrozen), !reset) << screenName(id);
    EXPECT_EQ(app->form3().FreezeButton.backColor(), reset ? platform::color::ButtonFace : 0xC0C0FFu)
        << screenName(id);
  }
}

TEST_F(ShellTest, NmeaRawViewReturnsToTheSentenceScreenWhoseReturnShowsTheMainWindow) {
  start();
  app->NMEASource = true;
  app->form1().GPSCommPort.click();
  EXPECT_EQ(onView(*app), std::vector<std::string>{"form21"});
  app->form21().Label1.click();
  EXPECT_EQ(onView(*app), std::vector<std::string>{"Form3"});
  app->form3().ReturnButton.click();
  EXPECT_EQ(onView(*app), std::vector<std::string>{"form21"});
  app->form21().ReturnButton.click();
  EXPECT_EQ(onView(*app), std::vector<std::string>{"Form1"});
}

}  // namespace

namespace {

class CloseBoxTest : public testsupport::AppTest {};

TEST_F(CloseBoxTest, ClosingTheLastScreenOnViewBringsTheMainWindowBack) {
  App& a = *app;
  a.form1().hide();
  a.form2().show();
  a.form8().show();
  a.form2().requestClose();  // another screen is still on view
  EXPECT_FALSE(a.form2().visible());
  EXPECT_FALSE(a.form1().visible());
  a.form1().setWindowState(platform::WindowState::Minimized);
  a.form8().requestClose();  // the last one
  EXPECT_FALSE(a.form8().visible());
  EXPECT_TRUE(a.form1().visible());
  EXPECT_EQ(a.form1().windowState(), platform::WindowState::Normal);
  EXPECT_EQ(platform.ui.quits, 0);
}

}  // namespace
