// The settings screen through its real widgets: the tabs and their frames, the
// option groups, APPLY, CANCEL and RETURN, the recorder folder box and FILE
// MAINTENANCE, and the nine show-data buttons with the way back from each.

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "devices/devices.h"
#include "devices/serial_links.h"
#include "recorder/form15.h"
#include "recorder/form6.h"
#include "recorder/form7.h"
#include "settings/form2_tabs.h"
#include "settings_walk.h"
#include "shell/form3.h"

namespace {

using guitest::processPending;

class SettingsScreen : public guitest::SettingsWalk {
 protected:
  QRadioButton* option(const char* name) { return find<QRadioButton>(app->form2(), name); }
  QPushButton* button(platform::Screen& s, const char* name) { return find<QPushButton>(s, name); }
};

TEST_F(SettingsScreen, EachTabShowsExactlyItsFrames) {
  startOnMainWindow();
  openSettings();
  settings::Form2& f = app->form2();
  const std::vector<const char*> frames{"EFIS_PortFrame", "EMS_PortFrame",     "EMS_TypeFrame",
                                        "GPS_PortFrame",  "GPS_Sentance_Type", "RecorderOptionsFrame",
                                        "TimeFrame",      "UnitsFrame",        "StartupFrame",
                                        "MainScreenRate", "EFISScreenRate"};
  const auto& shows = settingstest::form2TabFrames();
  for (int tab = 1; tab <= 8; ++tab) {
    SCOPED_TRACE(f.TabStrip1.tabCaption(tab));
    clickTab(f, tab);
    std::set<std::string> onView;
    for (const char* name : frames) {
      auto* frame = find<QGroupBox>(f, name);
      ASSERT_NE(frame, nullptr) << name;
      if (frame->isVisible()) onView.insert(name);
    }
    EXPECT_EQ(onView, shows[static_cast<std::size_t>(tab - 1)]);
    for (const char* name : {"InstrumentSettingButton", "CancelButton", "SaveConfig", "Command1"})
      EXPECT_TRUE(button(f, name)->isVisible()) << name;
    shot(f, ("settings_tab_" + std::to_string(tab)).c_str());
  }
}

TEST_F(SettingsScreen, OptionGroupsApplyTheirChoiceAtOnce) {
  startOnMainWindow();
  openSettings(6);
  shell::Form1& main = app->form1();
  struct Interval {
    const char* option;
    int ms;
    const char* caption;
  };
  for (const Interval& row :
       {Interval{"IntervalHalfSecond", 250, "250 ms"}, Interval{"IntervalOneSecond", 1000, "1 Second"},
        Interval{"IntervalFiveSecond", 5000, "5 Seconds"}, Interval{"IntervalTenSecond", 10000, "10 Seconds"},
        Interval{"IntervalThirtySecond", 30000, "30 Seconds"}, Interval{"RealTime", 250, "REAL TIME (F8)"}}) {
    click(option(row.option));
    EXPECT_EQ(main.DisplayUpdateTimer.interval(), row.ms) << row.option;
    EXPECT_EQ(main.SampleInterval.caption(), row.caption) << row.option;
  }
  // Each rate array drives its own timer and caption, and only those.
  struct Rates {
    const char* array;
    platform::Timer& timer;
    platform::Label& caption;
    platform::Label& other;
  };
  const std::vector<int> rateMs{75, 75, 250, 500, 1000};
  const std::vector<std::string> rateCaption{"REAL TIME", "75 ms", "250 ms", "500 ms", "1 Sec"};
  for (const Rates& r :
       {Rates{"EFISUpdateRate_", main.EFIS_DataDisplayTimer, main.MainInterval, main.EFISInterval},
        Rates{"MainUpdateRate_", main.EFIS_DisplayTimer, main.EFISInterval, main.MainInterval}}) {
    for (int i : {4, 3, 2, 1, 0}) {
      const std::string name = r.array + std::to_string(i);
      click(option(name.c_str()));
      EXPECT_EQ(r.timer.interval(), rateMs[static_cast<std::size_t>(i)]) << name;
      EXPECT_EQ(r.caption.caption(), rateCaption[static_cast<std::size_t>(i)]) << name;
      EXPECT_EQ(r.other.caption(), "REAL TIME") << name;
    }
  }

  // A unit choice applies the settings again.
  clickTab(app->form2(), 8);
  for (const char* unit : {"UnitsMeter", "UnitKiloMeters", "UnitMiles", "UnitsKnots"}) {
    main.SampleInterval.setCaption("");
    click(option(unit));
    EXPECT_TRUE(static_cast<platform::OptionButton*>(app->form2().findControl(unit))->value()) << unit;
    EXPECT_EQ(main.SampleInterval.caption(), "REAL TIME (F8)") << unit;
  }

  clickTab(app->form2(), 3);
  click(option("GPS_Sentance_Garmin"));
  EXPECT_EQ(main.GPSSelected.caption(), "Garmin");
  EXPECT_TRUE(app->GarminSource.isTrue());
  click(option("GPS_Sentance_NMEA"));
  EXPECT_EQ(main.GPSSelected.caption(), "GPS");
  EXPECT_TRUE(app->NMEASource.isTrue());

  // The ampersand of the Grand Rapids option is shown as itself: the toolkit
  // draws a doubled one as one "&" and takes no shortcut from it.
  clickTab(app->form2(), 2);
  EXPECT_EQ(app->form2().EMSGRANDRAPIDS.caption(), "GR- 4000 & GR- 6000");
  EXPECT_EQ(option("EMSGRANDRAPIDS")->text(), QStringLiteral("GR- 4000 && GR- 6000"));
  EXPECT_TRUE(option("EMSGRANDRAPIDS")->shortcut().isEmpty());
}

// RETURN applies what the option clicks do not apply themselves (the
// start-stop layout, the engine button's caption), saves, and goes home
// with the ACCEPT marks kept; APPLY only saves.
TEST_F(SettingsScreen, ReturnAppliesSavesAndGoesHomeWhileApplyOnlySaves) {
  startOnMainWindow();
  shell::Form1& main = app->form1();
  settings::Form2& f = app->form2();
  EXPECT_EQ(main.Command3.caption(), "ENGINE DATA SCREEN");
  openSettings(5);
  click(option("RecordContinously"));
  EXPECT_TRUE(app->RecorderOn.isTrue());
  click(button(f, "SaveConfig"));
  EXPECT_EQ(configElement("SHOW_RECORD_BUTTON"), "      <SHOW_RECORD_BUTTON>False</SHOW_RECORD_BUTTON>");
  EXPECT_TRUE(main.RecorderStartStopButton.visible());
  EXPECT_EQ(main.Label13.caption(), "Folder/File");
  EXPECT_TRUE(onView(f));

  clickTab(f, 1);
  choose(f, "EFIS_PortSpeed", "9600");
  click(button(f, "Command1"));
  EXPECT_EQ(screensOnView(), std::vector<std::string>{"Form1"});
  EXPECT_TRUE(app->RecorderOn.isTrue());
  EXPECT_FALSE(main.RecorderStartStopButton.visible());
  EXPECT_FALSE(main.Line5.visible());
  EXPECT_TRUE(main.RecorderFolderName.visible());
  EXPECT_TRUE(main.Label2.visible());
  EXPECT_EQ(main.Label13.caption(), "File");
  // The speed is saved for the next start, the link is not reopened with it.
  EXPECT_EQ(configElement("EFIS_PORT_SPEED"), "      <EFIS_PORT_SPEED>9600</EFIS_PORT_SPEED>");
  EXPECT_EQ(f.EFIS_PortOK.backColor(), platform::color::Pink);
  EXPECT_EQ(main.EFISSettings.caption(), "115200,n,8,1");

  openSettings(5);
  click(option("ShowStartStopButton"));
  click(button(f, "Command1"));
  EXPECT_FALSE(app->RecorderOn.isTrue());
  EXPECT_TRUE(main.RecorderStartStopButton.visible());
  EXPECT_EQ(main.RecorderStartStopButton.caption(), "PRESS (F1) TO START");
  EXPECT_FALSE(main.RecorderFolderName.visible());
  EXPECT_EQ(main.Label13.caption(), "Folder/File");

  // The main window's engine button names the monitor after RETURN (the
  // Dynon one since the first); with the Grand Rapids 2000 it keeps what it
  // had.
  struct Type {
    const char* option;
    const char* caption;
  };
  for (const Type& t :
       {Type{"EMSGR2000", "DYNON EMS10 MONITOR"}, Type{"EMSGRANDRAPIDS", "GRAND RAPIDS MONITOR"},
        Type{"EMSGR2000", "GRAND RAPIDS MONITOR"}, Type{"EMSDYNON", "DYNON EMS10 MONITOR"}}) {
    openSettings(2);
    click(option(t.option));
    click(button(f, "Command1"));
    EXPECT_EQ(main.Command3.caption(), t.caption) << t.option;
    EXPECT_EQ(find<QPushButton>(main, "Command3")->text(), QString::fromLatin1(t.caption)) << t.option;
  }
}

TEST_F(SettingsScreen, CancelRestoresEditsOnSeveralTabsAndKeepsTheTab) {
  startOnMainWindow();
  settings::Form2& f = app->form2();
  openSettings(5);
  type(f, "DataFolder", QStringLiteral("D:\\SAVED"));
  click(button(f, "SaveConfig"));

  type(f, "DataFolder", QStringLiteral("D:\\UNSAVED"));
  type(f, "SaveEFISCaptureFileSize", QStringLiteral("77"));
  click(option("RecordContinously"));
  clickTab(f, 8);
  click(option("UnitsMeter"));
  clickTab(f, 6);
  click(option("IntervalTenSecond"));
  clickTab(f, 2);
  choose(f, "EMS_PortParity", "ODD");
  click(option("EMSGR2000"));
  click(button(f, "CancelButton"));

  EXPECT_EQ(f.DataFolder.text(), "D:\\SAVED");
  EXPECT_EQ(find<QLineEdit>(f, "DataFolder")->text(), QStringLiteral("D:\\SAVED"));
  EXPECT_EQ(app->form1().RecorderFolderName.caption(), "D:\\SAVED");
  EXPECT_EQ(f.SaveEFISCaptureFileSize.text(), "1");
  EXPECT_EQ(app->form6().SaveEFISCaptureFileSize.caption(), "1");
  EXPECT_TRUE(f.ShowStartStopButton.value());
  EXPECT_FALSE(app->RecorderOn.isTrue());
  EXPECT_TRUE(f.UnitsKnots.value());
  EXPECT_TRUE(f.RealTime.value());
  EXPECT_EQ(app->form1().DisplayUpdateTimer.interval(), 250);
  EXPECT_EQ(f.EMS_PortParity.text(), "NONE");
  EXPECT_EQ(f.EMS_PortOK.backColor(), platform::color::ButtonFace);
  EXPECT_TRUE(f.EMSDYNON.value());
  EXPECT_TRUE(app->ConvertAbort.isTrue());
  EXPECT_EQ(f.TabStrip1.selectedTab(), 2);
  EXPECT_TRUE(onView(f));
}

// A mouse click in the folder box marks it and opens the file manager; the
// folder itself is typed into the box, reached with Tab, which is no click.
TEST_F(SettingsScreen, FolderBoxClickAndFileMaintenanceOpenTheFileManager) {
  startOnMainWindow();
  settings::Form2& f = app->form2();
  recorder::Form6& files = app->form6();
  openSettings(5);
  click(find<QLineEdit>(f, "DataFolder"));
  EXPECT_EQ(screensOnView(), std::vector<std::string>{"Form6"});
  EXPECT_EQ(f.DataFolder.backColor(), platform::color::Pink);
  click(button(files, "ReturnButton"));
  EXPECT_EQ(screensOnView(), std::vector<std::string>{"Form1"});

  // The mark stays on the screen until APPLY, RETURN or CANCEL.
  openSettings();
  EXPECT_EQ(f.DataFolder.backColor(), platform::color::Pink);
  click(button(f, "SaveConfig"));
  EXPECT_EQ(f.DataFolder.backColor(), platform::color::WindowBackground);
  for (const char* leave : {"Command1", "CancelButton"}) {
    if (!onView(f)) openSettings();
    click(find<QLineEdit>(f, "DataFolder"));
    click(button(files, "ReturnButton"));
    openSettings();
    click(button(f, leave));
    EXPECT_EQ(f.DataFolder.backColor(), platform::color::WindowBackground) << leave;
  }

  if (!onView(f)) openSettings();
  click(button(f, "Command2"));
  EXPECT_EQ(screensOnView(), std::vector<std::string>{"Form6"});
  click(button(files, "ReturnButton"));
  EXPECT_EQ(screensOnView(), std::vector<std::string>{"Form1"});

  openSettings();
  QWidget* window = top(f);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  auto* box = find<QLineEdit>(f, "DataFolder");
  for (int i = 0; i < 60 && !box->hasFocus(); ++i) {
    QWidget* at = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(at, Qt::Key_Tab);
  }
  ASSERT_TRUE(box->hasFocus());
  // Tab focus selects the whole text, so typing replaces it.
  QTest::keyClicks(box, QStringLiteral("D:\\LOGBOOK"));
  processPending();
  EXPECT_EQ(screensOnView(), std::vector<std::string>{"Form2"});
  EXPECT_EQ(f.DataFolder.backColor(), platform::color::WindowBackground);
  EXPECT_EQ(f.DataFolder.text(), "D:\\LOGBOOK");
  EXPECT_NE(app->form1().RecorderFolderName.caption(), "D:\\LOGBOOK");
  clickTab(f, 6);
  EXPECT_EQ(app->form1().RecorderFolderName.caption(), "D:\\LOGBOOK");
}

TEST_F(SettingsScreen, EachShowButtonOpensItsScreenAndItsReturnComesBack) {
  startOnMainWindow();
  settings::Form2& f = app->form2();
  shell::Form3& raw = app->form3();
  using Names = std::vector<std::string>;
  struct Row {
    int tab;
    const char* button;
    const char* engineType;
    Names onView;
    Names cameFrom;
    std::function<void()> check;
    ScreenId returnScreen;
    const char* returnButton;  // null: the opened screen has no way back of its own
    Names afterReturn;
  };
  // An earlier look at the raw view left it frozen on another device.
  auto frozenOnGps = [&] {
    app->RawViewFrozen = true;
    app->RawViewGPS = true;
    raw.FreezeButton.setBackColor(platform::color::Pink);
    raw.Label1[5].setCaption("old line");
  };
  auto rawView = [&](const char* caption, bool efis, bool ems) {
    return [&, caption, efis, ems] {
      EXPECT_EQ(raw.Frame1.caption(), caption);
      EXPECT_EQ(raw.Label1[5].caption(), "");
      EXPECT_FALSE(app->RawViewFrozen.isTrue());
      EXPECT_EQ(raw.FreezeButton.backColor(), platform::color::ButtonFace);
      EXPECT_EQ(app->RawViewEFIS.isTrue(), efis);
      EXPECT_EQ(app->RawViewEMS.isTrue(), ems);
      EXPECT_FALSE(app->RawViewGPS.isTrue());
    };
  };
  const std::vector<Row> rows{
      {1,
       "EFIS_ShowDataButton",
       "EMSDYNON",
       {"Form3"},
       {"Form2"},
       rawView("EFIS COMM PORT DATA", true, false),
       ScreenId::Form3,
       "ReturnButton",
       {"Form2"}},
      {2,
       "EMS_ShowDataButton",
       "EMSDYNON",
       {"Form3"},
       {"Form2"},
       [&, check = rawView("EMS COMM PORT DATA", false, true)] {
         check();
         // The engine link's lines come in at the bottom.
         app->devices().links().MSPort3_OnRead("121530 ENGINE LINE\r\n");
         processPending();
         EXPECT_EQ(find<QLabel>(raw, "Label1_19")->text(), QStringLiteral("121530 ENGINE LINE"));
         shot(raw, "settings_ems_show_comm_raw_view");
       },
       ScreenId::Form3,
       "ReturnButton",
       {"Form2"}},
      {3,
       "GPS_ShowDataButton",
       "EMSDYNON",
       {"Form2", "form21"},
       {"Form1"},
       [] {},
       ScreenId::form21,
       "ReturnButton",
       {"Form1", "Form2"}},
      {1,
       "EFIS_ShowDataScreen",
       "EMSDYNON",
       {"Form1"},
       {"Form2"},
       [&] { EXPECT_EQ(configElement("EMS_DYNON"), "      <EMS_DYNON>True</EMS_DYNON>"); },
       ScreenId::Form1,
       nullptr,
       {}},
      {2,
       "EMS_ShowDataScreen",
       "EMSDYNON",
       {"Form4"},
       {"Form2"},
       [] {},
       ScreenId::Form4,
       "Command1",
       {"Form2"}},
      {2,
       "EMS_ShowDataScreen",
       "EMSGR2000",
       {"Form5"},
       {"Form2"},
       [] {},
       ScreenId::Form5,
       "Command1",
       {"Form2"}},
      {3,
       "GPS_ShowDataScreen",
       "EMSDYNON",
       {"form20"},
       {"Form1"},
       [] {},
       ScreenId::form20,
       "ReturnButton",
       {"Form1"}},
      {1,
       "EFIS_ShowFileButton",
       "EMSDYNON",
       {"form15"},
       {"Form2"},
       [&] { EXPECT_EQ(app->form15().caption(), "EFIS DATA FILE - "); },
       ScreenId::form15,
       "ReturnButton",
       {"Form2"}},
      {2,
       "EMS_ShowFileButton",
       "EMSDYNON",
       {"form7"},
       {"Form2"},
       [&] { EXPECT_EQ(app->form7().caption(), "EMS DATA FILE - ENGINE.DAT"); },
       ScreenId::form7,
       "ReturnButton",
       {"Form2"}},
      // GPS files are never played back: the button does nothing.
      {3, "GPS_ShowFileButton", "EMSDYNON", {"Form2"}, {"Form1"}, [] {}, ScreenId::Form2, nullptr, {}},
  };
  f.EMS_DataFileName.setCaption("ENGINE.DAT");
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.button) + " " + row.engineType);
    backToMainWindow();
    static_cast<platform::OptionButton*>(f.findControl(row.engineType))->setValue(true);
    frozenOnGps();
    openSettings(row.tab);
    click(button(f, row.button));
    EXPECT_EQ(screensOnView(), row.onView);
    EXPECT_EQ(cameFrom(), row.cameFrom);
    row.check();
    if (!row.returnButton) continue;
    click(button(app->screen(row.returnScreen), row.returnButton));
    EXPECT_EQ(screensOnView(), row.afterReturn);
  }
}

}  // namespace
