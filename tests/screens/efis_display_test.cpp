// The EFIS readouts of the main window and the EFIS instrument screen drive:
// captions and gauges from the EFIS values, the display timers, the moving
// scales, the ten-sample smoothing (heading on the circle) and the
// angle-of-attack colours.

#include <gtest/gtest.h>

#include <string>

#include "screens/efis_display.h"
#include "screens/form8.h"
#include "screens/screens.h"
#include "settings/form13.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "shell/lifecycle.h"
#include "shell/shell.h"
#include "support/test_platform.h"

namespace {

class EfisDisplayTest : public testsupport::AppTest {
 protected:
  screens::EfisDisplay& display() { return app->instruments().efis(); }
  shell::Form1& f1() { return app->form1(); }
  screens::Form8& f8() { return app->form8(); }
  settings::form13& limits() { return app->form13(); }
  void smoothing(bool on) { limits().EFIS_FilterDisplay.setValue(on ? 1 : 0); }
};

TEST_F(EfisDisplayTest, ReadoutsShowEveryValue) {
  app->EFISPitch = -5.3F;
  app->EFISRoll = 0.5F;
  app->EFISHeading = 7;
  app->EFISVerticalSpeed = -27.432F;
  app->EFISTurnRate = 12.0F;
  app->EFISLateralG = -0.2F;
  app->EFISVerticalG = 1.1F;
  app->EFISAOA = -3;
  app->EFISHour = 14;
  app->EFISMinute = 5;
  app->EFISSecond = 9;
  app->EFISSecondCount = 3;
  app->EFISAirspeed = 99.91132F;
  app->EFISAltitude = -0.04F;
  app->EFISPressureAltitude = 4999.95F;
  display().ShowEFISData();
  // Number text: at most 7 significant digits of a single, no trailing zeros,
  // "0.5" with its zero; "#0.0" rounds half away from zero and never shows "-0".
  EXPECT_EQ(f1().DataPitch.caption(), "-5.3");
  EXPECT_EQ(f1().DataRoll.caption(), "0.5");
  EXPECT_EQ(f1().DataYaw.caption(), "7");
  EXPECT_EQ(f1().DataVerticalSpeed.caption(), "-27.432");
  EXPECT_EQ(f1().DataTurnRate.caption(), "12");
  EXPECT_EQ(f1().DataLateralG.caption(), "-0.2");
  EXPECT_EQ(f1().DataVerticalG.caption(), "1.1");
  EXPECT_EQ(f1().DataAOA.caption(), "-3");
  EXPECT_EQ(f1().EFISHHMMSS.caption(), "1405:09.03");
  EXPECT_EQ(f1().DataAirspeed.caption(), "99.9");
  EXPECT_EQ(f1().DataAltitude.caption(), "0.0");
  EXPECT_EQ(f1().DataPressureAltitude.caption(), "5000.0");  // 4999.95 rounds up
}

TEST_F(EfisDisplayTest, BeforeAnyRecordEverythingShowsZero) {
  display().ShowEFISData();
  display().UpdateEFISScreen();
  EXPECT_EQ(f1().DataPitch.caption(), "0");
  EXPECT_EQ(f1().DataAirspeed.caption(), "0.0");
  EXPECT_EQ(f1().EFISHHMMSS.caption(), "0000:00.00");
  EXPECT_EQ(f8().Air1.pitch(), 0.0);
  EXPECT_EQ(f8().Air1.roll(), 0.0);
  EXPECT_EQ(f8().HeadingLabel.caption(), "000");
  EXPECT_EQ(f8().AirspeedGuage.positionMin(), -15.0);
  EXPECT_EQ(f8().AirspeedGuage.positionMax(), 15.0);
  EXPECT_EQ(f8().AltitudeGuage.positionMin(), -1000.0);
  EXPECT_EQ(f8().AltitudeGuage.positionMax(), 1000.0);
  EXPECT_EQ(f8().AltitudeLabel.caption(), "0");
  EXPECT_FALSE(f8().visible());  // driven while hidden
}

TEST_F(EfisDisplayTest, ScreenShowsTheValuesOnMovingScales) {
  smoothing(false);
  app->EFISPitch = 4.5F;
  app->EFISRoll = -20.0F;
  app->EFISHeading = 95;
  app->EFISVerticalG = 1.2F;
  app->EFISAirspeed = 100.4F;
  app->EFISAltitude = 5500.0F;
  app->EFISVerticalSpeed = -90.0F;
  app->EFISAOA = 8;
  display().UpdateEFISScreen();
  const screens::Form8& f = f8();
  EXPECT_EQ(f.Air1.pitch(), 4.5);
  EXPECT_EQ(f.Air1.roll(), -20.0);
  EXPECT_EQ(f.iSlidingCompassX1.heading(), 95.0);
  EXPECT_EQ(f.HeadingLabel.caption(), "095");
  EXPECT_FLOAT_EQ(static_cast<float>(f.VerticalGs.position()), 1.2F);
  EXPECT_FLOAT_EQ(static_cast<float>(f.VerticalGs_Label.value()), 1.2F);
  // Airspeed: a window of 30 units centred on the value; altitude: 2000.
  EXPECT_FLOAT_EQ(static_cast<float>(f.AirspeedGuage.position()), 100.4F);
  EXPECT_FLOAT_EQ(static_cast<float>(f.AirspeedGuage.positionMax()), 115.4F);
  EXPECT_FLOAT_EQ(static_cast<float>(f.AirspeedGuage.positionMin()), 85.4F);
  EXPECT_EQ(f.AirspeedLabel.caption(), "100");
  EXPECT_EQ(f.AltitudeGuage.position(), 5500.0);
  EXPECT_EQ(f.AltitudeGuage.positionMax(), 6500.0);
  EXPECT_EQ(f.AltitudeGuage.positionMin(), 4500.0);
  EXPECT_EQ(f.AltitudeLabel.caption(), "5,500");
  EXPECT_EQ(f.VerticalSpeedGuage.position(), -90.0);
  EXPECT_EQ(f.VerticalSpeedGuage_Label.value(), -90.0);
  EXPECT_EQ(f.AOAGuage.position(), 8.0);
  EXPECT_EQ(f.AOAGuage_Label.value(), 8.0);
}

TEST_F(EfisDisplayTest, AngleOfAttackColourTakesTheLowerColourAtALimit) {
  smoothing(false);
  struct Case {
    const char* red;
    const char* yellow;
    std::int16_t aoa;
    platform::OleColor colour;
  };
  const Case cases[] = {
      {"30", "22", 30, platform::color::Yellow},
      {"30", "22", 31, platform::color::Red},
      {"30", "22", 22, platform::color::Green},
      {"30", "22", 23, platform::color::Yellow},
      {"30", "22", -5, platform::color::Green},
      // Limits are the leading number of their text; none reads 0.
      {"12 deg", "x", 5, platform::color::Yellow},
      {"", "", 0, platform::color::Green},
      {"", "", 1, platform::color::Red},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.red) + "/" + c.yellow + " " + std::to_string(c.aoa));
    limits().AOAHighRed.setText(c.red);
    limits().AOAHighYellow.setText(c.yellow);
    app->EFISAOA = c.aoa;
    display().UpdateEFISScreen();
    EXPECT_EQ(f8().AOAGuage.pointerColor(), c.colour);
  }
}

TEST_F(EfisDisplayTest, SmoothingAveragesTheLastTenRefreshes) {
  ASSERT_EQ(limits().EFIS_FilterDisplay.value(), 1);
  ASSERT_TRUE(app->form2().EFIS_COMM.value());
  // The windows start as ten zeros: a steady pitch of 10 shows 1, 2, ... 10.
  app->EFISPitch = 10.0F;
  app->EFISAirspeed = 100.0F;
  app->EFISAOA = 25;
  limits().AOAHighRed.setText("30");
  limits().AOAHighYellow.setText("22");
  for (int i = 1; i <= 12; ++i) {
    SCOPED_TRACE(i);
    display().UpdateEFISScreen();
    const int n = i < 10 ? i : 10;
    EXPECT_FLOAT_EQ(static_cast<float>(f8().Air1.pitch()), static_cast<float>(n));
    // The scale follows the smoothed airspeed: 10, 20, ... 100.
    EXPECT_FLOAT_EQ(static_cast<float>(f8().AirspeedGuage.position()), 10.0F * static_cast<float>(n));
    EXPECT_FLOAT_EQ(static_cast<float>(f8().AirspeedGuage.positionMax()),
                    10.0F * static_cast<float>(n) + 15.0F);
    // The colour warns on the smoothed angle: 2.5 ... 25, yellow from 22.5 on.
    EXPECT_EQ(f8().AOAGuage.pointerColor(), n >= 9 ? platform::color::Yellow : platform::color::Green);
  }
  // The readouts are never smoothed.
  app->EFISPitch = 3.0F;
  display().ShowEFISData();
  EXPECT_EQ(f1().DataPitch.caption(), "3");
  // (3 + nine samples of 10) / 10 = 9.3
  display().UpdateEFISScreen();
  EXPECT_FLOAT_EQ(static_cast<float>(f8().Air1.pitch()), 9.3F);
}

TEST_F(EfisDisplayTest, PlaybackIsNeverSmoothedAndFreezesTheHistory) {
  app->EFISPitch = 10.0F;
  for (int i = 0; i < 10; ++i) display().UpdateEFISScreen();
  ASSERT_FLOAT_EQ(static_cast<float>(f8().Air1.pitch()), 10.0F);

  app->form2().EFIS_FILE.setValue(true);
  app->EFISPitch = -4.0F;
  for (int i = 0; i < 5; ++i) display().UpdateEFISScreen();
  EXPECT_EQ(f8().Air1.pitch(), -4.0);

  // Smoothing switched off freezes it too.
  app->form2().EFIS_COMM.setValue(true);
  smoothing(false);
  display().UpdateEFISScreen();
  EXPECT_EQ(f8().Air1.pitch(), -4.0);

  // Back on: the ten old samples of 10 are still there.
  smoothing(true);
  app->EFISPitch = 0.0F;
  display().UpdateEFISScreen();
  EXPECT_FLOAT_EQ(static_cast<float>(f8().Air1.pitch()), 9.0F);
}

TEST_F(EfisDisplayTest, SmoothedHeadingIsAMeanDirection) {
  // Alternating 359 and 1 through north: the mean is north, not south.
  for (int i = 0; i < 10; ++i) {
    app->EFISHeading = i % 2 == 0 ? 359 : 1;
    display().UpdateEFISScreen();
  }
  EXPECT_NEAR(f8().iSlidingCompassX1.heading(), 0.0, 1e-4);
  EXPECT_EQ(f8().HeadingLabel.caption(), "000");

  // Ten samples of 350 and 10 around north, weighted 7 to 3: the mean lies
  // west of north, at 360 - atan(4 sin 10 / (10 cos 10)) = 360 - 4.03 = 355.97.
  for (int i = 0; i < 10; ++i) {
    app->EFISHeading = i < 7 ? 350 : 10;
    display().UpdateEFISScreen();
  }
  EXPECT_NEAR(f8().iSlidingCompassX1.heading(), 356.0, 0.05);
  EXPECT_EQ(f8().HeadingLabel.caption(), "356");

  // A steady heading settles on itself.
  app->EFISHeading = 270;
  for (int i = 0; i < 10; ++i) display().UpdateEFISScreen();
  EXPECT_FLOAT_EQ(static_cast<float>(f8().iSlidingCompassX1.heading()), 270.0F);
  EXPECT_EQ(f8().HeadingLabel.caption(), "270");
}

TEST_F(EfisDisplayTest, TimersRefreshTheReadoutsAndTheScreen) {
  shell::Form1& main = f1();
  app->EFISHeading = 42;
  app->EFISAirspeed = 60.0F;
  smoothing(false);
  main.DataYaw.setCaption("-");
  f8().HeadingLabel.setCaption("-");
  main.EFIS_DataDisplayTimer.setInterval(250);
  main.EFIS_DisplayTimer.setInterval(500);
  app->shell().lifecycle().startTimers();

  platform.scheduler.advance(250);
  EXPECT_EQ(main.DataYaw.caption(), "42");
  EXPECT_EQ(f8().HeadingLabel.caption(), "-");
  platform.scheduler.advance(250);
  EXPECT_EQ(f8().HeadingLabel.caption(), "042");
  EXPECT_EQ(f8().AirspeedGuage.positionMax(), 75.0);
}

}  // namespace
