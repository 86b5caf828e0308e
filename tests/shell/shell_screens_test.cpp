// Structure of the main window and the raw port-data view: names, layout,
// design captions, timers and menus.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/screen.h"
#include "platform/timer.h"
#include "platform/virtual_scheduler.h"
#include "shell/form1.h"
#include "shell/form3.h"

namespace {

using platform::Control;
using platform::ControlKind;
using platform::Screen;

struct Box {
  int left, top, width, height;
};

Box boxOf(const Control& c) {
  return {c.left(), c.top(), c.width(), c.height()};
}

// Room inside a container: the screen's client area, or a frame below its caption.
constexpr int kFrameCaption = 240;

std::string where(const Control& c) {
  return c.objectName() + (c.container() ? " in " + c.container()->objectName() : " on the screen");
}

// Every visible control lies inside its container, clear of a frame's caption.
void expectInside(const Screen& s) {
  for (const Control* c : s.controls()) {
    if (!c->visible()) continue;
    int w = c->container() ? c->container()->width() : s.width();
    int h = c->container() ? c->container()->height() : s.height();
    int minTop = c->container() && c->container()->kind() == ControlKind::Frame ? kFrameCaption : 0;
    if (c->container()) {
      EXPECT_EQ(c->container()->screen(), &s) << where(*c);
      EXPECT_EQ(c->container()->kind(), ControlKind::Frame) << where(*c);
    }
    EXPECT_GT(c->width(), 0) << where(*c);
    EXPECT_GT(c->height(), 0) << where(*c);
    EXPECT_GE(c->left(), 0) << where(*c);
    EXPECT_GE(c->top(), minTop) << where(*c);
    EXPECT_LE(c->left() + c->width(), w) << where(*c);
    EXPECT_LE(c->top() + c->height(), h) << where(*c);
    if (c->kind() == ControlKind::Line) {
      auto* line = static_cast<const platform::Line*>(c);
      for (auto [x, y] : {std::pair{line->x1(), line->y1()}, std::pair{line->x2(), line->y2()}}) {
        EXPECT_TRUE(x >= 0 && x <= w && y >= minTop && y <= h) << where(*c) << " point " << x << "," << y;
      }
    }
  }
}

// No two visible controls of one container share any area.
void expectNoOverlap(const Screen& s) {
  const auto& all = s.controls();
  for (std::size_t i = 0; i < all.size(); ++i) {
    for (std::size_t j = i + 1; j < all.size(); ++j) {
      const Control& a = *all[i];
      const Control& b = *all[j];
      if (!a.visible() || !b.visible() || a.container() != b.container()) continue;
      Box p = boxOf(a), q = boxOf(b);
      bool apart = p.left + p.width <= q.left || q.left + q.width <= p.left || p.top + p.height <= q.top ||
                   q.top + q.height <= p.top;
      EXPECT_TRUE(apart) << a.objectName() << " overlaps " << b.objectName();
    }
  }
}

void expectUniqueNames(const Screen& s) {
  std::set<std::string> names;
  for (const Control* c : s.controls()) EXPECT_TRUE(names.insert(c->objectName()).second) << c->objectName();
}

class ShellScreens : public ::testing::Test {
 protected:
  platform::VirtualScheduler scheduler;
  shell::Form1 form1{scheduler};
  shell::Form3 form3{scheduler};
};

TEST_F(ShellScreens, BothScreens_HaveUniqueNamesAndAClearLayout) {
  for (const Screen* s : {static_cast<const Screen*>(&form1), static_cast<const Screen*>(&form3)}) {
    SCOPED_TRACE(s->name());
    expectUniqueNames(*s);
    expectInside(*s);
    expectNoOverlap(*s);
  }
}

// The settings apply either recorder layout; both stay clear.
TEST_F(ShellScreens, RecorderGroup_EitherMethodLayoutStaysClear) {
  for (bool startStop : {true, false}) {
    SCOPED_TRACE(startStop ? "START-STOP" : "continuous");
    form1.RecorderFolderName.setVisible(!startStop);
    form1.Label2.setVisible(!startStop);
    form1.Label13.setCaption(startStop ? "Folder/File" : "File");
    form1.RecorderStartStopButton.setVisible(startStop);
    form1.Line5.setVisible(startStop);
    expectInside(form1);
    expectNoOverlap(form1);
  }
}

struct Design {
  const char* name;
  ControlKind kind;
  const char* caption;
  const char* toolTip;
};

void expectDesign(const Screen& s, const std::vector<Design>& table) {
  for (const Design& d : table) {
    const Control* c = s.findControl(d.name);
    ASSERT_NE(c, nullptr) << d.name;
    EXPECT_EQ(c->kind(), d.kind) << d.name;
    EXPECT_EQ(c->caption(), d.caption) << d.name;
    EXPECT_EQ(c->toolTip(), d.toolTip) << d.name;
  }
}

TEST_F(ShellScreens, Form1_DesignCaptionsAndToolTips) {
  using K = ControlKind;
  EXPECT_EQ(form1.caption(), "  Talbren Ruvove Zavi Zaredido");
  expectDesign(
      form1,
      {
          {"Command1", K::CommandButton, "GPS INSTRUMENTS", ""},
          {"Command2", K::CommandButton, "EFIS INSTRUMENTS", ""},
          {"Command3", K::CommandButton, "ENGINE DATA SCREEN", "Click to view the Engine Monitor Screen"},
          {"Command4", K::CommandButton, "ENGINE INSTRUMENTS", ""},
          {"ConfigCommPorts", K::CommandButton, "CONFIGURATION", ""},
          {"UpdateNow", K::CommandButton, "UPDATE NOW", ""},
          {"SetTime", K::CommandButton, "SET",
           "Click to set the computer time to the GPS time (corrected for time zone)"},
          {"EFISSettings", K::Label, "EFIS SETTINGS", ""},
          {"EMSSettings", K::Label, "EMSS SETTINGS", ""},
          {"GPSSettings", K::Label, "GPS SETTINGS", ""},
          {"EFISCommPort", K::Label, "NONE", ""},
          {"EMSCommPort", K::Label, "NONE", ""},
          {"GPSCommPort", K::Label, "NONE", ""},
          {"EFISRecording", K::Label, "C", ""},
          {"EMSRecording", K::Label, "C", ""},
          {"GPSRecording", K::Label, "C", ""},
          {"GPSSelected", K::Label, "GPS", ""},
          {"SampleInterval", K::Label, "SAMPLE INTERVAL", ""},
          {"MainInterval", K::Label, "SAMPLE INTERVAL", ""},
          {"EFISInterval", K::Label, "SAMPLE INTERVAL", ""},
          {"Label35", K::Label, "RECORDER", ""},
          {"Label38", K::Label, "MAIN", ""},
          {"Label39", K::Label, "EFIS", ""},
          {"Label2", K::Label, "Folder", ""},
          {"Label13", K::Label, "File", ""},
          {"Label27", K::Label, "MODE C CODE >", ""},
          {"RecordFileName", K::Label, "*.TXT", ""},
          {"RecorderFolderName", K::Label, "C:\\RAZERI VAREROZE",
           "Click to change Folder Location to store recorder files. Example:  C:\\EFIS"},
          {"RecorderStartStopButton", K::CommandButton, "PRESS (F1) TO START",
           "Click here, or use F1 to start/stop the recorder"},
          {"FILE_OPS", K::Frame, "EFIS PLAYBACK FILE", ""},
          {"FastSpeedButton", K::CommandButton, "FAST", "Click to set replay speed at MAXIMUM"},
          {"MedSpeedButton", K::CommandButton, "PLAYBACK SPEED", "Click to set replay speed at MEDIUM"},
          {"StopSpeedButton", K::CommandButton, "STOP", "Click to STOP replay"},
          {"PlaybackSpeed", K::Slider, "", "Replay Speed Control"},
          {"DataPointerSlider", K::Slider, "", ""},
          {"Label30", K::Label, "RECORD #    OF     RECORDS", ""},
          {"RecordPointer", K::Label, "0", "Record currently displayed"},
          {"RecordCount", K::Label, "0", "Number of records in the data file"},
          {"DataFileName", K::Label, "", ""},
          {"ModeCGrayCode", K::Label, "", ""},
          {"ComputerTime", K::Label, "", ""},
          {"EFISCommOK", K::Shape, "", ""},
          {"EMSCommOK", K::Shape, "", ""},
          {"GPSCommOK", K::Shape, "", ""},
          {"ModeCValid", K::Shape, "", ""},
          {"RecorderBlinkLight", K::Shape, "", ""},
          {"GPSTrackingLight", K::Shape, "", ""},
          {"DataParseCorrectly", K::Shape, "", ""},
          {"Line5", K::Line, "", ""},
      });

  // Readouts the program writes: every one exists as a label, blank at design.
  for (const char* name : {"EFISHHMMSS",
                           "DataPitch",
                           "DataRoll",
                           "DataYaw",
                           "DataAirspeed",
                           "DataAltitude",
                           "DataPressureAltitude",
                           "DataVerticalSpeed",
                           "DataTurnRate",
                           "DataLateralG",
                           "DataVerticalG",
                           "DataAOA",
                           "GPSTime",
                           "DataLatitude",
                           "DataLongitude",
                           "GPSFixMode",
                           "GPSSatsUsed",
                           "GPSDataAirspeed",
                           "GPSDataAltitude",
                           "GPSDataHeadingMag",
                           "GPSDataHeading"}) {
    const Control* c = form1.findControl(name);
    ASSERT_NE(c, nullptr) << name;
    EXPECT_EQ(c->kind(), K::Label) << name;
    EXPECT_EQ(c->caption(), "") << name;
    EXPECT_TRUE(c->enabled() && c->visible()) << name;
  }
}

TEST_F(ShellScreens, Form1_DesignStateOfLampsSlidersAndMarkers) {
  // The fix light must not start bright green: that would enable SET and the
  // GPS readouts before any fix.
  EXPECT_NE(form1.GPSTrackingLight.fillColor(), platform::color::BrightGreen);
  EXPECT_EQ(form1.DataParseCorrectly.fillColor(), platform::color::BrightGreen);
  EXPECT_EQ(form1.RecorderStartStopButton.backColor(), platform::color::Pink);
  EXPECT_TRUE(form1.RecorderStartStopButton.graphical());
  // Capture markers show only while raw capture runs.
  EXPECT_FALSE(form1.EFISRecording.visible());
  EXPECT_FALSE(form1.EMSRecording.visible());
  EXPECT_FALSE(form1.GPSRecording.visible());

  EXPECT_EQ(form1.PlaybackSpeed.min(), 0);
  EXPECT_EQ(form1.PlaybackSpeed.max(), 10);
  EXPECT_EQ(form1.PlaybackSpeed.smallChange(), 1);
  EXPECT_EQ(form1.PlaybackSpeed.value(), 0);
  EXPECT_EQ(form1.DataPointerSlider.min(), 0);
}

// Hiding a group's frame hides all of it: the EFIS player with FILE_OPS, the
// recorder parts with their frame.
TEST_F(ShellScreens, Form1_GroupsSitInTheirFrames) {
  struct In {
    const Control* frame;
    std::vector<const Control*> members;
  };
  const std::vector<In> table = {
      {&form1.FILE_OPS,
       {&form1.DataPointerSlider, &form1.PlaybackSpeed, &form1.FastSpeedButton, &form1.MedSpeedButton,
        &form1.StopSpeedButton, &form1.RecordPointer, &form1.RecordCount, &form1.DataParseCorrectly,
        &form1.DataFileName, &form1.Label30}},
      {&form1.Frame6,
       {&form1.RecordFileName, &form1.RecorderFolderName, &form1.Label2, &form1.Label13,
        &form1.RecorderStartStopButton, &form1.Line5, &form1.RecorderBlinkLight}},
      {&form1.Frame1, {&form1.EFISCommOK, &form1.EFISCommPort, &form1.EFISRecording, &form1.EFISSettings}},
      {&form1.Frame2,
       {&form1.GPSCommOK, &form1.GPSCommPort, &form1.GPSRecording, &form1.GPSSettings,
        &form1.GPSTrackingLight, &form1.GPSSelected}},
      {&form1.Frame3,
       {&form1.EMSCommOK, &form1.EMSCommPort, &form1.EMSRecording, &form1.EMSSettings, &form1.Command3,
        &form1.Command4}},
  };
  for (const In& group : table)
    for (const Control* c : group.members) EXPECT_EQ(c->container(), group.frame) << c->objectName();
}

TEST_F(ShellScreens, Form1_TimersKeepTheirDesignIntervalsAndStayStillUntilTheProgramStarts) {
  struct T {
    platform::Timer* timer;
    const char* name;
    int interval;
  };
  const T timers[] = {T{&form1.StartupDelay, "StartupDelay", 1500},
                      T{&form1.Quartersecondtimer, "Quartersecondtimer", 250},
                      T{&form1.ChectGRHeader, "ChectGRHeader", 3000},
                      T{&form1.DisplayUpdateTimer, "DisplayUpdateTimer", 0},
                      T{&form1.EFIS_DataDisplayTimer, "EFIS_DataDisplayTimer", 100},
                      T{&form1.EFIS_DisplayTimer, "EFIS_DisplayTimer", 100},
                      T{&form1.PlaybackSpeedTimer, "PlaybackSpeedTimer", 1000}};
  // The window object alone sets nothing in motion: the program's start does.
  int ticks = 0;
  for (const T& t : timers) {
    EXPECT_EQ(t.timer->name(), t.name);
    EXPECT_EQ(t.timer->interval(), t.interval) << t.name;
    EXPECT_FALSE(t.timer->enabled()) << t.name;
    t.timer->onTick = [&ticks] { ++ticks; };
  }
  scheduler.advance(5000);
  EXPECT_EQ(ticks, 0);
}

// The tray pop-up takes the first menu of the bar, so the order matters.
TEST_F(ShellScreens, Form1_MenuBarOrderAndEntries) {
  const auto& bar = form1.menuBar();
  ASSERT_EQ(bar.size(), 3u);
  EXPECT_EQ(bar[0], &form1.menu1);
  EXPECT_EQ(bar[1], &form1.menuHideMain);
  EXPECT_EQ(bar[2], &form1.MenuExit);
  EXPECT_EQ(form1.menu1.caption(), std::string(181, ' '));
  EXPECT_EQ(form1.menuHideMain.caption(), "Screen");
  EXPECT_EQ(form1.MenuExit.caption(), "Exit");
  EXPECT_TRUE(form1.MenuExit.entries().empty());

  auto captions = [](const platform::Menu& m) {
    std::vector<std::string> out;
    for (const platform::Menu* e : m.entries()) out.push_back(e->name() + "=" + e->caption());
    return out;
  };
  EXPECT_EQ(captions(form1.menu1), (std::vector<std::string>{"menu2=Show", "mhide=Hide", "mexit=Exit"}));
  EXPECT_EQ(captions(form1.menuHideMain),
            (std::vector<std::string>{"menu_Minimize_All=Minimize ALL",
                                      "menu_Minimize_All_Except=Minimize ALL except Instrument Screens"}));
}

TEST_F(ShellScreens, Form3_TwentyLinesOldestAtTopInsideTheFrame) {
  EXPECT_EQ(form3.caption(), "COMM PORT RAW DATA");
  ASSERT_EQ(form3.Label1.lbound(), 0);
  ASSERT_EQ(form3.Label1.ubound(), 19);
  ASSERT_EQ(form3.Label1.size(), 20u);
  int lastTop = -1;
  for (int i = 0; i <= 19; ++i) {
    const platform::Label& line = form3.Label1[i];
    EXPECT_EQ(line.container(), &form3.Frame1) << i;
    EXPECT_EQ(line.caption(), "Label1") << i;
    EXPECT_GT(line.top(), lastTop) << "line " << i << " must sit below line " << i - 1;
    lastTop = line.top();
  }
  expectDesign(form3, {
                          {"Frame1", ControlKind::Frame, "EFIS DATA", ""},
                          {"ReturnButton", ControlKind::CommandButton, "RETURN", ""},
                          {"FreezeButton", ControlKind::CommandButton, "FREEZE", ""},
                          {"ClearButton", ControlKind::CommandButton, "CLEAR", ""},
                      });
  // The freeze state is shown by the button's colour, so it must paint it.
  EXPECT_TRUE(form3.FreezeButton.graphical());
  EXPECT_EQ(form3.FreezeButton.backColor(), platform::color::ButtonFace);
}

}  // namespace
