// Readout enabling on the main window, and the start state InitScreens gives
// the engine data screens and the raw port-data view.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "shell/form3.h"
#include "shell/main_handlers.h"
#include "shell/shell.h"
#include "shell/shell_fixture.h"

namespace {

using shelltest::ShellTest;
namespace color = platform::color;

struct EnableRow {
  const char* efisPort;
  bool efisFile;
  const char* gpsPort;
  platform::OleColor fixLight;
  bool efisOn, gpsOn, setTime;
};

class EnableTest : public ShellTest, public testing::WithParamInterface<EnableRow> {};

TEST_P(EnableTest, ReadoutsFollowTheSourcesAndTheFixLight) {
  const EnableRow& row = GetParam();
  shell::Form1& f = app->form1();
  f.EFISCommPort.setCaption(row.efisPort);
  f.GPSCommPort.setCaption(row.gpsPort);
  f.GPSTrackingLight.setFillColor(row.fixLight);
  if (row.efisFile) app->form2().EFIS_FILE.setValue(true);
  // Start from the opposite of what is expected, so every label is written.
  for (platform::Control* c : f.controls()) c->setEnabled(!row.efisOn);
  f.SetTime.setEnabled(!row.setTime);

  app->shell().mainHandlers().Enable_DisableButtons();
  for (platform::Label* l : {&f.EFISHHMMSS, &f.DataAirspeed, &f.DataAltitude, &f.DataPitch, &f.DataRoll,
                             &f.DataYaw, &f.DataLateralG, &f.DataVerticalG, &f.DataTurnRate, &f.DataAOA})
    EXPECT_EQ(l->enabled(), row.efisOn) << l->name();
  for (platform::Label* l : {&f.GPSTime, &f.DataLatitude, &f.DataLongitude, &f.GPSFixMode, &f.GPSSatsUsed,
                             &f.GPSDataAirspeed, &f.GPSDataAltitude, &f.GPSDataHeadingMag, &f.GPSDataHeading})
    EXPECT_EQ(l->enabled(), row.gpsOn) << l->name();
  EXPECT_EQ(f.SetTime.enabled(), row.setTime);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, EnableTest,
    testing::Values(EnableRow{"NONE", false, "NONE", color::Green, false, false, false},
                    EnableRow{"COM2", false, "COM1", color::Red, true, true, false},
                    // A recorded EFIS file delivers data without a port.
                    EnableRow{"NONE", true, "NONE", color::Red, true, false, false},
                    // The comparison is exact: "none" is a port name.
                    EnableRow{"none", false, "NONE", color::Red, true, false, false},
                    // A light left green from an earlier fix counts without a port.
                    EnableRow{"NONE", false, "NONE", color::BrightGreen, false, true, true},
                    // A two-dimensional fix (yellow) does not enable SET.
                    EnableRow{"NONE", false, "COM1", color::Yellow, false, true, false}));

TEST_F(ShellTest, InitScreensBlanksTheEngineValuesAndResetsTheRawView) {
  screens::Form4& d = app->form4();
  screens::Form5& g = app->form5();
  for (platform::Control* c : d.controls()) c->setCaption("x");
  for (platform::Control* c : g.controls()) c->setCaption("x");
  app->form1().FILE_OPS.setVisible(true);
  app->form3().FreezeButton.setBackColor(color::Pink);
  app->RawViewFrozen = true;
  app->RawViewEFIS = true;
  app->RawViewGPS = true;
  app->RawViewEMS = true;
  app->StaleMarked = {};

  app->shell().mainHandlers().InitScreens();

  const std::set<std::string> blankDynon{
      "EMSTime", "EMSRPM",          "EMSManPres",  "EMSOilTemp",       "EMSOilPres",   "EMSVoltage",
      "EMSAmps", "EMSEGT1",         "EMSEGT2",     "EMSEGT3",          "EMSEGT4",      "EMSEGT5",
      "EMSEGT6", "EMSCHT1",         "EMSCHT2",     "EMSCHT3",          "EMSCHT4",      "EMSCHT5",
      "EMSCHT6", "EMSFuelPressure", "EMSFuelFlow", "EMSQuantity1",     "EMSQuantity2", "EMSFuelRemaining",
      "EMSGP1",  "EMSGP2",          "EMSGP3",      "EMSGPThermocouple"};
  const std::set<std::string> blankGrandRapids{
      "GRTime",     "GRHourMeter", "GROilTemp",      "GROilPres",     "GRCarbTemp",      "GRCoolantTemp",
      "GRRPM1",     "GRVoltage",   "GREGT1",         "GREGT2",        "GREGT3",          "GREGT4",
      "GREGT5",     "GREGT6",      "GRCHT1",         "GRCHT2",        "GRCHT3",          "GRCHT4",
      "GRCHT5",     "GRCHT6",      "GRFuelQuantity", "GRFuelFlow",    "GRTimeRemaining", "GRAirspeed",
      "GRAltitude", "GRRPM2",      "GRROC",          "GRBaroSetting", "GROAT",           "GRUnitTemperature",
      "GRAux1",     "GRAux2",      "GRAux3",         "GRAux4",        "GRAux5",          "GRAux6"};
  ASSERT_EQ(blankDynon.size(), 28u);
  ASSERT_EQ(blankGrandRapids.size(), 36u);
  // Exactly the value labels go blank: the counters, the frame kind and every
  // static caption keep their text.
  for (platform::Control* c : d.controls())
    EXPECT_EQ(c->caption(), blankDynon.count(c->objectName()) ? "" : "x") << c->objectName();
  for (platform::Control* c : g.controls())
    EXPECT_EQ(c->caption(), blankGrandRapids.count(c->objectName()) ? "" : "x") << c->objectName();

  EXPECT_FALSE(app->form1().FILE_OPS.visible());
  for (std::size_t i : {kStaleEFIS, kStaleEMS, kStaleGPS}) EXPECT_TRUE(app->StaleMarked[i]) << i;
  EXPECT_EQ(app->form3().FreezeButton.backColor(), color::ButtonFace);
  EXPECT_FALSE(app->RawViewFrozen);
  EXPECT_FALSE(app->RawViewEFIS);
  EXPECT_FALSE(app->RawViewGPS);
  EXPECT_FALSE(app->RawViewEMS);
}

}  // namespace
