// The real main window, built by the application object over the Qt
// services, in a temporary program folder.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>

#include "app/app.h"
#include "gui_support.h"
#include "platform/qt/qt_scheduler.h"
#include "platform/qt/qt_serial.h"
#include "platform/qt/tray.h"
#include "platform/qt/ui_host.h"
#include "platform/system_clock.h"
#include "shell/form1.h"

namespace {

using guitest::IconFile;
using guitest::ProgramFolder;

class MainWindowTest : public ProgramFolder, public testing::WithParamInterface<IconFile> {
 protected:
  void SetUp() override {
    ProgramFolder::SetUp();
    writeIcon(GetParam());
  }
};

TEST_P(MainWindowTest, StartShowsTheMainWindowWithItsTitleVersionAndIcon) {
  App app(services());
  app.start();
  guitest::processPending();

  platform::qt::ScreenWindow* window = ui.windowOf(app.form1());
  ASSERT_NE(window, nullptr);
  QWidget* top = window->builtWidget();
  ASSERT_NE(top, nullptr);
  EXPECT_TRUE(top->isVisible());
  EXPECT_EQ(top->windowTitle(), QStringLiteral("  Talbren Ruvove Zavi Zaredido"));
  auto* rev = top->findChild<QLabel*>(QStringLiteral("RevNumber"));
  ASSERT_NE(rev, nullptr);
  EXPECT_EQ(rev->text(), QStringLiteral("Version 3.3.16   19 Oct 2008"));
  // A missing or unreadable icon file leaves the default icon.
  EXPECT_EQ(top->windowIcon().isNull(), GetParam() != IconFile::Valid);
  if (GetParam() == IconFile::Valid) {
    EXPECT_TRUE(guitest::saveShot(app.form1(), QStringLiteral("main_window")));
  }
  // Offscreen there is no tray.
  EXPECT_FALSE(tray.available());
}

TEST_F(ProgramFolder, CloseBoxOfTheMainWindowShutsTheProgramDown) {
  App app(services());
  app.start();
  guitest::processPending();
  QWidget* top = ui.windowOf(app.form1())->builtWidget();
  ASSERT_NE(top, nullptr);
  top->close();
  EXPECT_TRUE(ui.quitRequested());
  EXPECT_EQ(ui.run(), 0);
  EXPECT_FALSE(top->isVisible());
  guitest::processPending();  // the unloaded window's widgets go
  EXPECT_EQ(ui.windowOf(app.form1())->builtWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(IconFiles, MainWindowTest,
                         testing::Values(IconFile::Valid, IconFile::Unreadable, IconFile::Missing),
                         [](const testing::TestParamInfo<IconFile>& p) {
                           switch (p.param) {
                             case IconFile::Valid:
                               return std::string("ValidIcon");
                             case IconFile::Unreadable:
                               return std::string("UnreadableIcon");
                             case IconFile::Missing:
                               return std::string("MissingIcon");
                           }
                           return std::string("Unknown");
                         });

}  // namespace
