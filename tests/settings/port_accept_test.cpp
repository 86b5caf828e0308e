// The settings text that ACCEPT and the configuration load put on the main
// window, and what ACCEPT does with a failure that escapes the link's opener.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "config/config.h"
#include "config/config_fixture.h"
#include "devices/devices.h"
#include "devices/serial_links.h"

namespace configtest {
namespace {

TEST(SettingsText, SpeedParityInitialDataAndStopBitsInLowerCase) {
  struct Case {
    const char *speed, *parity, *dataBits, *stopBits, *text;
  };
  for (const Case& c : std::vector<Case>{
           {"9600", "NONE", "8", "1", "9600,n,8,1"},
           {"115200", "EVEN", "7", "1.5", "115200,e,7,1.5"},
           {"110", "ODD", "8", "2", "110,o,8,2"},
           {"256000", "MARK", "8", "1", "256000,m,8,1"},
           {"300", "SPACE", "7", "1", "300,s,7,1"},
           // Typed texts go in as they are, only lower-cased.
           {"9600X", "Even", "", "ONE", "9600x,e,,one"},
       })
    EXPECT_EQ(config::settingsText(c.speed, c.parity, c.dataBits, c.stopBits), c.text) << c.text;
}

using PortAcceptTest = ConfigTest;

// The opener reports a refused port itself; anything else that fails (here a
// link that will not close) gives one box with the error number, and the
// edits are thrown away as by CANCEL.
TEST_F(PortAcceptTest, AFailureEscapingTheOpenerIsReportedWithItsNumberThenCancelled) {
  platform.serial.ports = {3};
  startUp();
  settings::Form2& f = f2();
  f.EFIS_CommPort.setText("COM3");
  f.EFIS_PortOK.click();
  auto& link = static_cast<testsupport::FakeSerialLink&>(*app->devices().links().MSPort2);
  ASSERT_TRUE(link.PortOpen());
  EXPECT_EQ(f1().EFISCommPort.caption(), "COM3");

  link.failClose = true;
  f.EFIS_CommPort.setText("NONE");
  f.EMS_PortOK.setBackColor(platform::color::Pink);
  app->ConvertAbort = false;
  platform.messages.expect(1);
  f.EFIS_PortOK.click();
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown[0].text, "(EFIS) Illegal Port or assignment 8002");
  EXPECT_EQ(platform.messages.shown[0].buttons, platform::msg::OkOnly);
  EXPECT_EQ(platform.messages.beeps, 1);
  EXPECT_TRUE(app->ConvertAbort.isTrue());
  EXPECT_EQ(f.EMS_PortOK.backColor(), platform::color::ButtonFace);
  EXPECT_TRUE(takeEscapes().empty());
}

// A save that fails shows its own message; the button's other steps run all
// the same.
TEST_F(PortAcceptTest, AFailedSaveIsReportedAndTheButtonGoesOn) {
  platform.serial.ports = {3};
  startUp();
  // A folder where the file should be: it cannot be written.
  std::filesystem::create_directory(path());
  settings::Form2& f = f2();
  platform.messages.expect(2);
  f.EFIS_CommPort.setText("COM3");
  f.EFIS_PortOK.click();
  EXPECT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(f1().EFISCommPort.caption(), "COM3");
  EXPECT_EQ(f1().EFISSettings.caption(), "115200,n,8,1");
  EXPECT_TRUE(app->devices().links().MSPort2->PortOpen());

  f.show();
  f.Command1.click();  // RETURN
  EXPECT_EQ(platform.messages.shown.size(), 2u);
  EXPECT_TRUE(f1().visible());
  EXPECT_FALSE(f.visible());
  EXPECT_TRUE(takeEscapes().empty());
}

}  // namespace
}  // namespace configtest
