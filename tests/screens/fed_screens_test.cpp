// Instrument and GPS sentence screens fed known data through their own serial
// link and decoder, after the set-up their screen button runs. Each whole
// screen is compared with a reviewed golden text under tests/data/screens:
// every caption, tool tip, visibility, scale, band, pointer, readout and dial
// value the decoders and set-ups write (the layout's geometry aside).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/app.h"
#include "screens/dynon_gauges.h"
#include "screens/form10.h"
#include "screens/form11.h"
#include "screens/form12.h"
#include "screens/form20.h"
#include "screens/form21.h"
#include "screens/form8.h"
#include "screens/form9.h"
#include "screens/gr_gauges.h"
#include "screens/screen_setups.h"
#include "screens/screens.h"
#include "settings/form13.h"
#include "settings/form2.h"
#include "support/fed_links.h"
#include "support/screen_state.h"
#include "support/test_platform.h"

namespace {

using testsupport::expectGolden;
using testsupport::kDynonRecord;
using testsupport::kEfisRecord;
using testsupport::kFrame2000;
using testsupport::kFrame4000;
using testsupport::kGpsSentences;
using testsupport::screenState;

class FedScreens : public testsupport::AppTest {
 protected:
  FedScreens() {
    // Values as they arrive, without the ten-reading smoothing.
    app->form13().EFIS_FilterDisplay.setValue(0);
    app->form13().FilterDisplay.setValue(0);
  }
  settings::Form2& options() { return app->form2(); }
  screens::ScreenSetups& setups() { return app->instruments().setups(); }

  testsupport::FedLinks links{*app, platform.serial};
};

TEST_F(FedScreens, EfisRecordOnTheHorizonScreenAfterItsSetUp) {
  // Knots; typed colour words; row 0 keeps its design text and is not applied.
  const char* const colours[] = {"RED", "WHITE", "GREEN", "YELLOW", "RED"};
  for (int i = 0; i <= 4; ++i) app->form13().AirspeedMarkingsColor[i].setText(colours[i]);
  setups().Update_Form8_data();
  links.efis(kEfisRecord);
  expectGolden("screens/form8_efis_record.txt", screenState(app->form8(), {"AltitudeLabel.left"}).text());
  EXPECT_EQ(takeEscapes(), std::vector<std::string>{});
}

TEST_F(FedScreens, DynonRecordOnTheEngineGaugeScreen) {
  app->instruments().dynon().Update_Form10_data();
  links.engine(kDynonRecord);
  expectGolden("screens/form10_dynon_record.txt", screenState(app->form10()).text());
  EXPECT_EQ(takeEscapes(), std::vector<std::string>{});
}

struct GrandRapidsCase {
  const char* name;
  bool gr2000;
  const char* frame;
  const char* golden;
};

class FedGrandRapidsScreen : public FedScreens, public ::testing::WithParamInterface<GrandRapidsCase> {};

TEST_P(FedGrandRapidsScreen, FrameOnTheEngineGaugeScreenAfterItsSetUp) {
  const GrandRapidsCase& c = GetParam();
  (c.gr2000 ? options().EMSGR2000 : options().EMSGRANDRAPIDS).setValue(true);
  app->instruments().grandRapids().Update_Form11_data();
  links.frame(c.frame);
  expectGolden(c.golden, screenState(app->form11()).text());
  EXPECT_EQ(takeEscapes(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Models, FedGrandRapidsScreen,
    ::testing::Values(GrandRapidsCase{"GR4000", false, kFrame4000, "screens/form11_gr4000_frame.txt"},
                      GrandRapidsCase{"GR2000", true, kFrame2000, "screens/form11_gr2000_frame.txt"}),
    [](const ::testing::TestParamInfo<GrandRapidsCase>& p) { return p.param.name; });

TEST_F(FedScreens, GrandRapidsFrameThroughTheCombinedScreensEngineButton) {
  options().EMSGRANDRAPIDS.setValue(true);
  links.frame(kFrame4000);
  app->form12().Command4.click();
  EXPECT_TRUE(app->form12().visible());
  expectGolden("screens/form12_engine.txt", screenState(app->form12()).text());
  EXPECT_EQ(takeEscapes(), std::vector<std::string>{});
}

TEST_F(FedScreens, GpsSentencesOnTheGpsScreens) {
  // The sky plot's pictures by signal strength, from the program folder.
  std::filesystem::create_directories(programDir.file("photo"));
  for (const char* c : {"GREEN", "YELLOW", "RED"})
    testsupport::writeFile(programDir.file(std::string("photo/GPS_") + c + "_Small.bmp"), "BM");
  app->NMEASource = true;
  app->GarminSource = false;
  setups().Update_Form9_data();
  links.gps(kGpsSentences);
  expectGolden("screens/form9_gps.txt", screenState(app->form9()).text());
  expectGolden("screens/form20_garmin.txt", screenState(app->form20()).text());
  std::string plot = screenState(app->form21(), {"Sat_Green", "GPS_SV_Number"}).text();
  for (std::size_t at; (at = plot.find(programDir.path())) != std::string::npos;)
    plot.replace(at, programDir.path().size(), "<program folder>");
  expectGolden("screens/form21_nmea.txt", plot);
  EXPECT_EQ(takeEscapes(), std::vector<std::string>{});
}

}  // namespace
