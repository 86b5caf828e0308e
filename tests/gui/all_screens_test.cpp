// Every screen of the program built by the generic window builder: each
// shows, has a real window and is saved as a screenshot for review.

#include <gtest/gtest.h>

#include <QWidget>

#include "app/app.h"
#include "gui_support.h"
#include "platform/screen.h"

namespace {

using AllScreens = guitest::ProgramFolder;

TEST_F(AllScreens, EveryScreenShowsInAWindowOfItsOwn) {
  App app(services());
  for (ScreenId id : kAllScreens) {
    platform::Screen& s = app.screen(id);
    s.show();
    guitest::processPending();
    platform::qt::ScreenWindow* window = ui.windowOf(s);
    ASSERT_NE(window, nullptr) << screenName(id);
    QWidget* top = window->builtWidget();
    ASSERT_NE(top, nullptr) << screenName(id);
    EXPECT_TRUE(top->isVisible()) << screenName(id);
    EXPECT_EQ(top->windowTitle().toStdString(), s.caption());
    EXPECT_TRUE(guitest::saveShot(s, QString("screen_") + screenName(id))) << screenName(id);
    s.hide();
  }
}

}  // namespace
