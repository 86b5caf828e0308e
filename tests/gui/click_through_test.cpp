// A user's walk through the real windows: from the main window to the
// settings, the engine data screen, the raw port-data view and back, clicking
// the real widgets, with a screenshot of every screen on the way.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include "app/app.h"
#include "gui_support.h"
#include "platform/screen.h"
#include "screens/form4.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "shell/form3.h"
#include "shell/raw_view.h"
#include "shell/shell.h"

namespace {

using ClickThrough = guitest::WindowTest;

TEST_F(ClickThrough, MainWindowToSettingsEngineDataRawViewAndBack) {
  writeIcon(guitest::IconFile::Valid);
  App app(services());
  ASSERT_NO_FATAL_FAILURE(startProgram(app));
  shell::Form1& main = app.form1();
  ASSERT_TRUE(onView(main));
  shot(main, "walk_1_main_window");

  // CONFIGURATION opens the settings screen in place of the main window.
  click(find<QPushButton>(main, "ConfigCommPorts"));
  settings::Form2& settings = app.form2();
  EXPECT_TRUE(onView(settings));
  EXPECT_FALSE(onView(main));
  EXPECT_TRUE(app.CameFromForm[idx(ScreenId::Form1)]);
  shot(settings, "walk_2_settings");
  // Its RETURN leads back to the main window.
  click(find<QPushButton>(settings, "Command1"));
  EXPECT_FALSE(onView(settings));
  ASSERT_TRUE(onView(main));

  // ENGINE DATA SCREEN: the Dynon monitor is the built-in choice.
  click(find<QPushButton>(main, "Command3"));
  screens::Form4& engine = app.form4();
  EXPECT_TRUE(onView(engine));
  EXPECT_FALSE(onView(main));
  shot(engine, "walk_3_engine_data");

  // A value label opens the raw view on the engine port.
  click(find<QLabel>(engine, "EMSRPM"));
  shell::Form3& raw = app.form3();
  ASSERT_TRUE(onView(raw));
  EXPECT_FALSE(onView(engine));
  EXPECT_EQ(raw.Frame1.caption(), "ENGINE COMM PORT DATA");
  // Two records as the engine port's data event hands them over; the second
  // is long enough to be cut into pieces.
  app.EMSLine = "001234567890 a short engine record";
  app.shell().rawView().UpdateCommDataScreen();
  app.EMSLine = std::string(133, '1') + std::string(6, '-') + std::string(133, '2') + std::string(5, '-') +
                std::string(40, '3');
  app.shell().rawView().UpdateCommDataScreen();
  guitest::processPending();
  QLabel* newest = find<QLabel>(raw, "Label1_19");
  QLabel* firstPiece = find<QLabel>(raw, "Label1_16");
  ASSERT_NE(newest, nullptr);
  ASSERT_NE(firstPiece, nullptr);
  EXPECT_EQ(newest->text(), QString());
  EXPECT_EQ(firstPiece->text(), QString(133, QLatin1Char('1')));
  EXPECT_EQ(find<QLabel>(raw, "Label1_15")->text(), QStringLiteral("001234567890 a short engine record"));
  shot(raw, "walk_4_raw_view_engine");

  click(find<QPushButton>(raw, "FreezeButton"));
  EXPECT_TRUE(app.RawViewFrozen);
  shot(raw, "walk_5_raw_view_frozen");
  click(find<QPushButton>(raw, "ClearButton"));
  EXPECT_FALSE(app.RawViewFrozen);
  EXPECT_EQ(firstPiece->text(), QString());

  // RETURN leads back to the engine data screen, whose RETURN leads home.
  click(find<QPushButton>(raw, "ReturnButton"));
  EXPECT_FALSE(onView(raw));
  EXPECT_TRUE(onView(engine));
  click(find<QPushButton>(engine, "Command1"));
  EXPECT_FALSE(onView(engine));
  ASSERT_TRUE(onView(main));

  // The EFIS port label opens the raw view on the EFIS stream.
  click(find<QLabel>(main, "EFISCommPort"));
  ASSERT_TRUE(onView(raw));
  EXPECT_EQ(raw.Frame1.caption(), "EFIS COMM PORT DATA");
  app.EFISLine = "0123456789ABCDEF01234567890123456789ABCDEF0123456789";
  app.shell().rawView().UpdateCommDataScreen();
  guitest::processPending();
  EXPECT_EQ(newest->text(), QStringLiteral("0123456789ABCDEF01234567890123456789ABCDEF0123456789"));
  shot(raw, "walk_6_raw_view_efis");
  click(find<QPushButton>(raw, "ReturnButton"));
  EXPECT_TRUE(onView(main));
  EXPECT_FALSE(onView(raw));
  shot(main, "walk_7_main_window_again");
}

// Offscreen there is no tray: "Minimize ALL" leaves the main window minimised
// on view, and "Show" from its menu bar restores it.
TEST_F(ClickThrough, WithoutATrayMinimizeAllKeepsTheMainWindowWithinReach) {
  App app(services());
  ASSERT_NO_FATAL_FAILURE(startProgram(app));
  ASSERT_FALSE(tray.available());
  shell::Form1& main = app.form1();
  QAction* minimizeAll = find<QAction>(main, "menu_Minimize_All");
  QAction* show = find<QAction>(main, "menu2");
  ASSERT_NE(minimizeAll, nullptr);
  ASSERT_NE(show, nullptr);

  minimizeAll->trigger();
  guitest::processPending();
  EXPECT_TRUE(main.visible());
  EXPECT_EQ(main.windowState(), platform::WindowState::Minimized);
  EXPECT_TRUE(onView(main));

  show->trigger();
  guitest::processPending();
  EXPECT_EQ(main.windowState(), platform::WindowState::Normal);
  EXPECT_TRUE(onView(main));
  EXPECT_FALSE(top(main)->isMinimized());
}

}  // namespace
