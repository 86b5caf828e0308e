// The instrument limits screen through its real widgets: reached by
// INSTRUMENTS and by the main window's Mode C code, one frame per tab, the
// engine rows of the chosen monitor type, APPLY reaching the gauges and the
// file, CANCEL reading the file back, and the two ways back that save nothing.

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <set>
#include <string>
#include <vector>

#include "screens/form10.h"
#include "settings/form13.h"
#include "settings_walk.h"

namespace {

class InstrumentLimits : public guitest::SettingsWalk {
 protected:
  settings::form13& limits() { return app->form13(); }
  // INSTRUMENTS on the settings screen.
  void openLimits() {
    if (!onView(app->form2())) openSettings();
    click(find<QPushButton>(app->form2(), "InstrumentSettingButton"));
    ASSERT_EQ(screensOnView(), std::vector<std::string>{"form13"});
  }
  std::set<std::string> framesOnView() {
    std::set<std::string> names;
    for (const char* name : {"AirspeedMarkingFrame", "EngineMarkingFrame", "GPS_Frame", "ModeCFrame"})
      if (find<QGroupBox>(limits(), name)->isVisible()) names.insert(name);
    return names;
  }
  bool widgetOnView(const char* name) {
    QWidget* w = top(limits())->findChild<QWidget*>(QString::fromLatin1(name));
    return w && w->isVisible();
  }
};

TEST_F(InstrumentLimits, InstrumentsOpensOnTheSelectedTabAndEachTabShowsOneFrame) {
  startOnMainWindow();
  openLimits();
  EXPECT_EQ(framesOnView(), std::set<std::string>{"AirspeedMarkingFrame"});
  shot(limits(), "limits_tab_1");
  const std::vector<const char*> frames{"AirspeedMarkingFrame", "EngineMarkingFrame", "GPS_Frame",
                                        "ModeCFrame"};
  for (int tab : {2, 3, 4, 1}) {
    clickTab(limits(), tab);
    EXPECT_EQ(framesOnView(), std::set<std::string>{frames[static_cast<std::size_t>(tab - 1)]}) << tab;
    shot(limits(), ("limits_tab_" + std::to_string(tab)).c_str());
  }
  // The tab stays as left from one visit to the next.
  clickTab(limits(), 3);
  click(find<QPushButton>(limits(), "COMMSettingButton"));
  EXPECT_EQ(screensOnView(), std::vector<std::string>{"Form2"});
  openLimits();
  EXPECT_EQ(framesOnView(), std::set<std::string>{"GPS_Frame"});
}

TEST_F(InstrumentLimits, EngineRowsFollowTheEngineMonitorType) {
  startOnMainWindow();
  struct Type {
    const char* option;
    bool dynonRows;
    const char* leftFuel;
  };
  const std::vector<const char*> dynonOnly{
      "Label5_0",    "ManPresMax",     "ManPresMin", "Label5_4",     "AmpsScaleMax", "AmpsLowRed", "Label5_5",
      "FuelPresMax", "FuelPresLowRed", "Label5_8",   "FuelRightMax", "FuelRightRed", "Line1"};
  for (const Type& t : {Type{"EMSGRANDRAPIDS", false, "Quantity"}, Type{"EMSDYNON", true, "Fuel Left"},
                        Type{"EMSGR2000", false, "Quantity"}}) {
    SCOPED_TRACE(t.option);
    openSettings(2);
    click(find<QRadioButton>(app->form2(), t.option));
    openLimits();
    clickTab(limits(), 2);
    for (const char* name : dynonOnly) EXPECT_EQ(widgetOnView(name), t.dynonRows) << name;
    EXPECT_TRUE(widgetOnView("OilTempMax"));
    EXPECT_TRUE(widgetOnView("FuelLeftMax"));
    EXPECT_EQ(find<QLabel>(limits(), "Label5_7")->text(), QString::fromLatin1(t.leftFuel));
    if (std::string(t.option) == "EMSGRANDRAPIDS") shot(limits(), "limits_engine_marking_grand_rapids");
    click(find<QPushButton>(limits(), "ReturnButton"));
    click(find<QPushButton>(app->form2(), "Command1"));
  }
}

// Whatever the boxes hold, APPLY sets every screen up and saves: a maximum of
// 0 hides its gauge.
TEST_F(InstrumentLimits, ApplyHidesAGaugeWhoseMaximumIsZeroAndSavesTheTexts) {
  startOnMainWindow();
  openLimits();
  clickTab(limits(), 2);
  ASSERT_TRUE(app->form10().OilTempGuage.visible());
  type(limits(), "OilTempMax", QStringLiteral("0"));
  type(limits(), "CHTMax", QStringLiteral("abc"));
  type(limits(), "EGTMin", QStringLiteral("99999999"));
  click(find<QPushButton>(limits(), "ApplyConfigButton"));
  EXPECT_FALSE(app->form10().OilTempGuage.visible());
  EXPECT_EQ(configElement("ENGINE_OIL_TEMP_MAX"), "      <ENGINE_OIL_TEMP_MAX>0</ENGINE_OIL_TEMP_MAX>");
  EXPECT_EQ(configElement("ENGINE_CHT_MAX"), "      <ENGINE_CHT_MAX>abc</ENGINE_CHT_MAX>");
  EXPECT_EQ(configElement("ENGINE_EGT_MIN"), "      <ENGINE_EGT_MIN>99999999</ENGINE_EGT_MIN>");
  EXPECT_EQ(screensOnView(), std::vector<std::string>{"form13"});
}

// RETURN and COMM  RECORDER go back to the settings screen and save nothing,
// whatever RETURN's tool tip says.
TEST_F(InstrumentLimits, ReturnAndCommRecorderLeaveTheFileAsItWas) {
  startOnMainWindow();
  openLimits();
  click(find<QPushButton>(limits(), "ApplyConfigButton"));
  const std::string saved = configFile();
  ASSERT_FALSE(saved.empty());
  for (const char* back : {"ReturnButton", "COMMSettingButton"}) {
    clickTab(limits(), 1);
    type(limits(), "G_Meter_Max", QStringLiteral("9"));
    click(find<QPushButton>(limits(), back));
    EXPECT_EQ(screensOnView(), std::vector<std::string>{"Form2"}) << back;
    EXPECT_EQ(configFile(), saved) << back;
    openLimits();
  }
}

// CANCEL reads both screens back from the file; a screen that a tab click
// already set up with the edit keeps it until the next tab click.
TEST_F(InstrumentLimits, CancelRestoresTheFieldWhileTheGaugeKeepsTheEditUntilTheNextTab) {
  startOnMainWindow();
  openLimits();
  click(find<QPushButton>(limits(), "ApplyConfigButton"));
  clickTab(limits(), 2);
  type(limits(), "OilTempMax", QStringLiteral("0"));
  clickTab(limits(), 3);
  ASSERT_FALSE(app->form10().OilTempGuage.visible());
  click(find<QPushButton>(limits(), "CancelButton"));
  EXPECT_EQ(limits().OilTempMax.text(), "300");
  EXPECT_FALSE(app->form10().OilTempGuage.visible());
  EXPECT_EQ(screensOnView(), std::vector<std::string>{"form13"});
  clickTab(limits(), 2);
  EXPECT_EQ(find<QLineEdit>(limits(), "OilTempMax")->text(), QStringLiteral("300"));
  EXPECT_TRUE(app->form10().OilTempGuage.visible());
}

TEST_F(InstrumentLimits, TheMainWindowsModeCCodeOpensTheModeCFrame) {
  startOnMainWindow();
  click(find<QLabel>(app->form1(), "ModeCGrayCode"));
  EXPECT_EQ(screensOnView(), std::vector<std::string>{"form13"});
  EXPECT_EQ(framesOnView(), std::set<std::string>{"ModeCFrame"});
}

}  // namespace
