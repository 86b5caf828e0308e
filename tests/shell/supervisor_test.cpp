// The 250 ms supervisor in virtual time: link ages and lights, the GPS
// sentence lights, the clock and the record-file name across midnight, the
// tray icon, the recorder's lights, stale-data flashing and the playback
// follow-up.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "devices/devices.h"
#include "devices/serial_links.h"
#include "platform/gauges.h"
#include "platform/screen.h"
#include "screens/form10.h"
#include "screens/form11.h"
#include "screens/form20.h"
#include "screens/form21.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "screens/form8.h"
#include "screens/form9.h"
#include "settings/form13.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "shell/shell.h"
#include "shell/shell_fixture.h"
#include "shell/slider_follower.h"

namespace {

using platform::OleColor;
using shelltest::ShellTest;
namespace color = platform::color;

// ---- link lights

struct LinkRow {
  LinkIndex link;
  const char* port;
  std::int16_t ageBefore;
  OleColor light;
  std::int16_t ageAfter;
};

class LinkLightTest : public ShellTest, public testing::WithParamInterface<LinkRow> {};

// The age is raised first, the light coloured from the raised value, the age
// clamped last.
TEST_P(LinkLightTest, LightShowsTheRaisedAgeAndTheAgeIsClampedAfter) {
  const LinkRow& row = GetParam();
  start();
  shell::Form1& f = app->form1();
  platform::Label* ports[] = {&f.GPSCommPort, &f.EFISCommPort, &f.EMSCommPort};
  ports[row.link]->setCaption(row.port);
  f.ModeCValid.setBackColor(color::Black);
  app->form13().ModeCValid.setBackColor(color::Black);
  app->SourceDataAge[row.link] = row.ageBefore;

  ticks(1);
  EXPECT_EQ(app->SourceDataAge[row.link], row.ageAfter);
  settings::Form2& s = app->form2();
  switch (row.link) {
    case kGPS:
      EXPECT_EQ(f.GPSCommOK.backColor(), row.light);
      EXPECT_EQ(s.GPS_CommOK.backColor(), row.light);
      break;
    case kEFIS: {
      EXPECT_EQ(f.EFISCommOK.backColor(), row.light);
      EXPECT_EQ(s.EFIS_CommOK.backColor(), row.light);
      // No Mode C code while the EFIS data on an assigned port are lost;
      // otherwise the lamps keep what the Mode C step gave them.
      if (row.light == color::Red) {
        EXPECT_EQ(f.ModeCValid.backColor(), color::Red);
        EXPECT_EQ(app->form13().ModeCValid.backColor(), color::Red);
      } else {
        EXPECT_NE(f.ModeCValid.backColor(), color::Red);
        EXPECT_NE(app->form13().ModeCValid.backColor(), color::Red);
      }
      break;
    }
    case kEMS:
      EXPECT_EQ(f.EMSCommOK.backColor(), row.light);
      EXPECT_EQ(app->form5().GRValidHeader.backColor(), row.light);
      EXPECT_EQ(s.EMS_CommOK.backColor(), row.light);
      EXPECT_EQ(app->form4().EMS_CommOK.backColor(), row.light);
      break;
  }
}

std::vector<LinkRow> linkRows() {
  std::vector<LinkRow> rows;
  for (LinkIndex link : {kGPS, kEFIS, kEMS}) {
    // A decoder drove it far below zero between two ticks.
    rows.push_back({link, "COM1", -20, color::BrightGreen, 0});
    rows.push_back({link, "COM1", 5, color::BrightGreen, 6});
    rows.push_back({link, "COM1", 6, color::Red, 7});
    // No port chosen: dark green, not red, however old the data.
    rows.push_back({link, "NONE", 6, color::Green, 7});
    rows.push_back({link, "COM1", 10, color::Red, 10});
    rows.push_back({link, "COM1", 32767, color::Red, 10});
  }
  return rows;
}

std::string linkRowName(const testing::TestParamInfo<LinkRow>& p) {
  static const char* const names[] = {"GPS", "EFIS", "EMS"};
  const int a = p.param.ageBefore;
  return std::string(names[p.param.link]) + (a < 0 ? "Minus" : "") + std::to_string(a < 0 ? -a : a) +
         (std::string(p.param.port) == "NONE" ? "NoPort" : "");
}

INSTANTIATE_TEST_SUITE_P(Ages, LinkLightTest, testing::ValuesIn(linkRows()), linkRowName);

// ---- the EFIS light fed through the data event and the EFIS decoder

// A complete Dynon EFIS record is 51 characters and the carriage return that
// ended it: 12:00:00, pitch 5.3, roll 10.2, heading 90, airspeed 51.4 m/s,
// altitude 1000 m, status 000000. Shorter lengths cut the unread tail.
std::string efisChunk(std::size_t length) {
  const std::string record =
      "120000"
      "00"
      "0053"
      "00102"
      "090"
      "0514"
      "01000"
      "0000"
      "000"
      "010"
      "05"
      "000000"
      "0000";
  // The line feed ending the previous record starts the chunk; the data event
  // drops it and keeps the carriage return.
  return "\n" + record.substr(0, length - 1) + "\r";
}

struct EfisRow {
  int perTick;
  std::size_t length;
  int greenAtTick;  // 0: never
};

class EfisLightTest : public ShellTest, public testing::WithParamInterface<EfisRow> {};

TEST_P(EfisLightTest, LightTurnsGreenOnlyWhenRecordsOutpaceTheSupervisor) {
  const EfisRow& row = GetParam();
  start();
  devices::SerialLinks& port = app->devices().links();
  const std::int16_t before = app->SourceDataAge[kEFIS];
  port.MSPort2_OnRead(efisChunk(52));
  if (app->SourceDataAge[kEFIS] == before)
    GTEST_SKIP() << "the EFIS data event and decoder are not in place yet";
  app->SourceDataAge[kEFIS] = 10;

  // Two complete records a tick lower the age by two against the supervisor's
  // one: 10 -> 8 -> 9, 7 -> 8, 6 -> 7, 5 -> 6: green at the fourth tick. One
  // a tick holds it at 10; a 51-character record is no link activity at all.
  int green = 0;
  for (int tick = 1; tick <= 40; ++tick) {
    for (int i = 0; i < row.perTick; ++i) port.MSPort2_OnRead(efisChunk(row.length));
    ticks(1);
    const bool isGreen = app->form1().EFISCommOK.backColor() == color::BrightGreen;
    if (isGreen && green == 0) green = tick;
    if (green != 0) {
      EXPECT_TRUE(isGreen) << "tick " << tick;
    }
  }
  EXPECT_EQ(green, row.greenAtTick);
}

INSTANTIATE_TEST_SUITE_P(Records, EfisLightTest,
                         testing::Values(EfisRow{2, 52, 4}, EfisRow{1, 52, 0}, EfisRow{2, 51, 0},
                                         EfisRow{3, 51, 0}),
                         [](const testing::TestParamInfo<EfisRow>& p) {
                           return std::to_string(p.param.perTick) + "PerTickOf" +
                                  std::to_string(p.param.length);
                         });

// ---- GPS sentence lights

TEST_F(ShellTest, SentenceLightTurnsActiveAndIdleAtTheSecondsItsCounterGives) {
  start();
  // New seconds come at 250 ms, then on every whole second.
  auto toSecond = [this](int n) {
    platform.scheduler.advance((n == 1 ? 250 : (n - 1) * 1000) - platform.scheduler.nowMs());
  };
  platform::Shape& light = app->form21().ComOK_GPGGA;
  std::int16_t& age = app->SentenceDataAge[kGPGGA];

  // One $GPGGA a second up to the 20th new second: the decoder lowers the
  // counter by 2, the supervisor raises it by 1. From 10 it reaches -1 (set
  // to 0, active) at the 12th second; without sentences it passes 10 (idle)
  // at the 31st, eleven seconds after the last one.
  std::vector<int> active;
  for (int n = 1; n <= 40; ++n) {
    if (n >= 2 && n <= 20) changeAge(age, -2);
    toSecond(n);
    if (light.fillColor() == color::BrightGreen) active.push_back(n);
    EXPECT_TRUE(light.fillColor() == color::BrightGreen || light.fillColor() == color::Green) << n;
  }
  ASSERT_FALSE(active.empty());
  EXPECT_EQ(active.front(), 12);
  EXPECT_EQ(active.back(), 30);
  EXPECT_EQ(active.size(), 19u);
}

TEST_F(ShellTest, SentencesThatStopClearTheirTerrainAlertAndMagneticHeading) {
  start();
  shell::Form1& f = app->form1();
  auto second = [&](std::int16_t pgrmh, std::int16_t gpvtg) {
    app->TerrainAlert = true;
    f.GPSDataHeadingMag.setCaption("123");
    app->SentenceDataAge[kPGRMH] = pgrmh;
    app->SentenceDataAge[kGPVTG] = gpvtg;
    platform.scheduler.advance(platform.scheduler.nowMs() == 0 ? 250
                                                               : 1000 - platform.scheduler.nowMs() % 1000);
  };
  second(10, 5);  // $PGRMH stopped (its counter passes 10), $GPVTG still coming
  EXPECT_FALSE(app->TerrainAlert);
  EXPECT_EQ(f.GPSDataHeadingMag.caption(), "123");
  second(3, 10);  // the other way round
  EXPECT_TRUE(app->TerrainAlert);
  EXPECT_EQ(f.GPSDataHeadingMag.caption(), "");
}

// ---- clock, record file, tray

struct MidnightRow {
  platform::DateTime start;  // two seconds before midnight
  const char* before;
  const char* after;
};

class MidnightTest : public ShellTest, public testing::WithParamInterface<MidnightRow> {};

TEST_P(MidnightTest, RecordFileNameAndClockChangeAtTheFirstTickOfTheNewDay) {
  const MidnightRow& row = GetParam();
  platform.clock.setNow(row.start);
  start();
  shell::Form1& f = app->form1();
  const std::string folder = homeDir.path() + "/RAZERI VAREROZE/";

  ticks(1);  // 23:59:58.250
  EXPECT_EQ(f.ComputerTime.caption(), "2359:58");
  EXPECT_EQ(f.RecordFileName.caption(), row.before);
  EXPECT_EQ(f.RecordFileName.toolTip(), folder + row.before);

  ticks(6);  // 23:59:59.750
  EXPECT_EQ(f.ComputerTime.caption(), "2359:59");
  EXPECT_EQ(f.RecordFileName.caption(), row.before);

  ticks(1);  // 00:00:00.000
  EXPECT_EQ(f.ComputerTime.caption(), "0000:00");
  EXPECT_EQ(f.RecordFileName.caption(), row.after);
  EXPECT_EQ(f.RecordFileName.toolTip(), folder + row.after);
}

INSTANTIATE_TEST_SUITE_P(
    Days, MidnightTest,
    testing::Values(MidnightRow{{2008, 10, 19, 23, 59, 58, 0}, "TBRC_101908.TXT", "TBRC_102008.TXT"},
                    MidnightRow{{2008, 12, 31, 23, 59, 58, 0}, "TBRC_123108.TXT", "TBRC_010109.TXT"},
                    MidnightRow{{2012, 2, 28, 23, 59, 58, 0}, "TBRC_022812.TXT", "TBRC_022912.TXT"}));

TEST_F(ShellTest, ClockTextShowsHourAndMinuteWithoutSeparator) {
  platform.clock.setNow({2008, 10, 19, 14, 23, 5, 0});
  start();
  ticks(1);
  EXPECT_EQ(app->form1().ComputerTime.caption(), "1423:05");
}

TEST_F(ShellTest, TrayIconIsPutOnceAtTheThirdNewSecond) {
  start();
  platform.scheduler.advance(1999);  // new seconds at 250 and 1000 ms
  EXPECT_EQ(tray.adds, 0);
  platform.scheduler.advance(1);  // the third, at 2000 ms
  EXPECT_EQ(tray.adds, 1);
  EXPECT_EQ(tray.tip, "Talbren Ruvove Zavi Zaredido");
  EXPECT_EQ(tray.icon, programDir.file("Recorder.ico"));
  platform.scheduler.advance(60000);
  EXPECT_EQ(tray.adds, 1);
  EXPECT_EQ(app->TrayTipCountdown, 0);
}

// ---- recorder lights and the SET button

TEST_F(ShellTest, RecorderButtonBlinksWhileRecordingAndTheRecordLightGoesDarkEveryTick) {
  start();
  shell::Form1& f = app->form1();
  f.RecorderStartStopButton.setBackColor(color::ButtonFace);
  // Only the supervisor's part: the record clock stays still.
  f.DisplayUpdateTimer.setEnabled(false);
  app->RecorderOn = true;
  std::vector<OleColor> seen;
  for (int i = 0; i < 4; ++i) {
    f.RecorderBlinkLight.setBackColor(color::BrightGreen);  // a record was written
    ticks(1);
    seen.push_back(f.RecorderStartStopButton.backColor());
    EXPECT_EQ(f.RecorderBlinkLight.backColor(), color::Green);
  }
  EXPECT_EQ(seen, (std::vector<OleColor>{color::ActiveBorder, color::MidGreen, color::ActiveBorder,
                                         color::MidGreen}));
  app->RecorderOn = false;
  ticks(3);
  EXPECT_EQ(f.RecorderStartStopButton.backColor(), color::MidGreen);
}

TEST_F(ShellTest, SetButtonIsEnabledOnlyWhileTheFixLightIsBrightGreen) {
  start();
  shell::Form1& f = app->form1();
  for (OleColor light : {color::BrightGreen, color::Yellow, color::BrightGreen, color::Red}) {
    f.GPSTrackingLight.setFillColor(light);
    ticks(1);
    EXPECT_EQ(f.SetTime.enabled(), light == color::BrightGreen);
  }
}

// ---- stale-data flashing

struct Painted {
  std::string name;
  std::function<OleColor()> get;
  std::function<void(OleColor)> set;
  OleColor restoring;
};

template <class T>
void paint(std::vector<Painted>& v, const char* screen, T& c, OleColor restoring) {
  v.push_back({std::string(screen) + "." + c.objectName(), [&c] { return c.displayColor(); },
               [&c](OleColor x) { c.setDisplayColor(x); }, restoring});
}

// Every control that flashes, with its normal colour.
std::vector<Painted> flashing(App& app, StaleIndex which) {
  std::vector<Painted> v;
  if (which == kStaleEFIS) {
    screens::Form8& s = app.form8();
    for (auto* c : {&s.AirspeedLabel, &s.HeadingLabel, &s.AltitudeLabel}) paint(v, "Form8", *c, color::Aqua);
    for (auto* c : {&s.VerticalGs_Label, &s.AOAGuage_Label, &s.VerticalSpeedGuage_Label})
      paint(v, "Form8", *c, color::Aqua);
    paint(v, "Form8", s.Air1, color::LightAqua);
  } else if (which == kStaleGPS) {
    screens::Form9& s = app.form9();
    for (auto* c : {&s.AirspeedLabel, &s.AltitudeLabel, &s.HeadingLabel}) paint(v, "Form9", *c, color::Aqua);
    for (auto* c : {&s.AirspeedGuage, &s.AltitudeGuage, &s.HeadingGuage}) paint(v, "Form9", *c, color::White);
  } else {
    screens::Form10& d = app.form10();
    for (auto* c :
         {&d.iLabelX1, &d.iLabelX2, &d.iLabelX3, &d.iLabelX4, &d.iLabelX7, &d.iLabelX8, &d.iLabelX10,
          &d.iLabelX11, &d.OilTempLabel, &d.OilPresLabel, &d.VoltageLabel, &d.AmpsLabel, &d.FuelQtyLeftLabel,
          &d.FuelQtyRightLabel, &d.FuelPresLabel, &d.FuelFlowLabel})
      paint(v, "Form10", *c, color::Aqua);
    for (auto& c : d.CHTLabel) paint(v, "Form10", c, color::Aqua);
    for (auto& c : d.EGTLabel) paint(v, "Form10", c, color::Aqua);
    for (auto* c : {&d.ManifoldPressureLabel, &d.TachLabel}) paint(v, "Form10", *c, color::Aqua);
    screens::Form11& g = app.form11();
    for (auto* c :
         {&g.iLabelX2, &g.iLabelX3, &g.iLabelX4, &g.iLabelX7, &g.iLabelX8, &g.iLabelX10, &g.iLabelX11,
          &g.OilPresLabel, &g.OilTempLabel, &g.VoltageLabel, &g.FuelQtyLabel, &g.FuelFlowLabel,
          &g.AirspeedLabel, &g.AltitudeLabel, &g.VertLabel, &g.VerticalSpeedLabel})
      paint(v, "Form11", *c, color::Aqua);
    for (auto& c : g.CHTLabel) paint(v, "Form11", c, color::Aqua);
    for (auto& c : g.EGTLabel) paint(v, "Form11", c, color::Aqua);
    paint(v, "Form11", g.TachLabel, color::Aqua);
    for (auto* c : {&g.AirspeedGuage, &g.AltitudeGuage}) paint(v, "Form11", *c, color::White);
  }
  return v;
}

// "red" every control red, "normal" every control in its normal colour.
std::string state(const std::vector<Painted>& controls) {
  bool red = true, normal = true;
  for (const Painted& p : controls) {
    red = red && p.get() == color::Red;
    normal = normal && p.get() == p.restoring;
  }
  return red ? "red" : normal ? "normal" : "mixed";
}

class StaleTest : public ShellTest {
 protected:
  void SetUp() override {
    start();
    for (StaleIndex which : {kStaleEFIS, kStaleGPS, kStaleEMS})
      for (const Painted& p : flashing(*app, which)) p.set(color::Black);
  }
  // The new seconds come at 250 ms, then on every whole second; the first is
  // a restoring one.
  void toSecond(int n) {
    platform.scheduler.advance((n == 1 ? 250 : (n - 1) * 1000) - platform.scheduler.nowMs());
  }
  std::string efis() { return state(flashing(*app, kStaleEFIS)); }
  std::string gps() { return state(flashing(*app, kStaleGPS)); }
  std::string engine() { return state(flashing(*app, kStaleEMS)); }
};

TEST_F(StaleTest, WithoutDataEveryInstrumentScreenFlashesRedAndNormalEachSecond) {
  screens::Form9& gpsScreen = app->form9();
  std::vector<std::string> seen;
  for (int n = 1; n <= 4; ++n) {
    toSecond(n);
    seen.push_back(efis() + "/" + gps() + "/" + engine() +
                   (gpsScreen.GPSNoSignal.visible() ? "/NO SIGNAL" : ""));
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"normal/normal/normal", "red/red/red/NO SIGNAL",
                                            "normal/normal/normal", "red/red/red/NO SIGNAL"}));
  EXPECT_FALSE(app->form8().FilePlaybackMode.visible());
}

TEST_F(StaleTest, FreshDataLeaveTheScreensNormalButNoFixStillMarksTheGpsScreen) {
  app->form1().GPSTrackingLight.setFillColor(color::BrightGreen);
  for (int tick = 0; tick < 8; ++tick) {  // through the marking second at 1000 ms
    app->SourceDataAge = {0, 0, 0};
    ticks(1);
  }
  EXPECT_EQ(efis() + "/" + gps() + "/" + engine(), "normal/normal/normal");
  for (std::size_t i : {kStaleEFIS, kStaleEMS, kStaleGPS}) EXPECT_FALSE(app->StaleMarked[i]) << i;

  app->form1().GPSTrackingLight.setFillColor(color::Red);  // fix lost, data still fresh
  for (int tick = 0; tick < 4; ++tick) {                   // through the next marking second at 3000 ms
    app->SourceDataAge = {0, 0, 0};
    ticks(1);
  }
  EXPECT_EQ(efis() + "/" + gps() + "/" + engine(), "normal/red/normal");
  EXPECT_TRUE(app->form9().GPSNoSignal.visible());
}

struct BannerRow {
  bool efisFile;
  bool terrainAlert;
  const char* caption;  // empty: the banner stays hidden
  OleColor back;
};

class BannerTest : public StaleTest, public testing::WithParamInterface<BannerRow> {};

TEST_P(BannerTest, EfisBannerShowsPlaybackOrTerrainAlertOnMarkingSeconds) {
  const BannerRow& row = GetParam();
  if (row.efisFile) app->form2().EFIS_FILE.setValue(true);
  app->TerrainAlert = row.terrainAlert;
  app->SentenceDataAge[kPGRMH] = 0;  // $PGRMH still coming in: the alert stands
  platform::CommandButton& banner = app->form8().FilePlaybackMode;

  toSecond(1);
  EXPECT_FALSE(banner.visible());
  toSecond(2);
  EXPECT_EQ(banner.visible(), *row.caption != '\0');
  if (banner.visible()) {
    EXPECT_EQ(banner.caption(), row.caption);
    EXPECT_EQ(banner.backColor(), row.back);
    EXPECT_TRUE(app->StaleMarked[kStaleEFIS]);
  }
  toSecond(3);
  EXPECT_FALSE(banner.visible());
}

INSTANTIATE_TEST_SUITE_P(Sources, BannerTest,
                         testing::Values(BannerRow{false, false, "", 0},
                                         BannerRow{true, false, "FILE PLAYBACK MODE", color::Orange},
                                         BannerRow{false, true, "CHECK ALTITUDE", color::Red},
                                         // Playback wins over a terrain alert.
                                         BannerRow{true, true, "FILE PLAYBACK MODE", color::Orange}));

TEST_F(StaleTest, EngineBannerShowsDuringEnginePlaybackWithItsOwnCaption) {
  app->form2().EMS_FILE.setValue(true);
  platform::CommandButton& banner = app->form10().FilePlaybackMode;
  const std::string caption = banner.caption();
  toSecond(2);
  EXPECT_TRUE(banner.visible());
  EXPECT_EQ(banner.caption(), caption);
  toSecond(3);
  EXPECT_FALSE(banner.visible());
}

// ---- playback follow-up

TEST(SliderFollowerTest, EachPlayerStepsOncePerNewPositionAndKeepsWhereItsStepLeftTheSlider) {
  platform::Screen screen("S", "S");
  platform::Slider efis(&screen, "efis");
  platform::Slider engine(&screen, "engine");
  shell::SliderFollower efisFollower, engineFollower;
  int efisSteps = 0, engineSteps = 0;
  auto round = [&] {
    efisFollower.follow(efis, [&] { ++efisSteps; });
    engineFollower.follow(engine, [&] { ++engineSteps; });
  };

  round();  // both at 0, the position shown at start
  EXPECT_EQ(efisSteps + engineSteps, 0);

  // Sliders at different positions: each player steps once, not every tick.
  efis.setValue(3);
  engine.setValue(9);
  round();
  round();
  EXPECT_EQ(efisSteps, 1);
  EXPECT_EQ(engineSteps, 1);

  // A step that moves its own slider on does not trigger itself again.
  efis.setValue(5);
  efisFollower.follow(efis, [&] {
    ++efisSteps;
    efis.setValue(6);
  });
  round();
  EXPECT_EQ(efisSteps, 2);
  EXPECT_EQ(efisFollower.lastShown(), 6);
}

}  // namespace
