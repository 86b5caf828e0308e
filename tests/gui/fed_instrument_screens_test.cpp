// The instrument and GPS sentence screens fed through their real links and
// decoders, painted offscreen and saved as screenshots for review in
// build/screenshots: the EFIS screen in level flight, banked at an airspeed
// and altitude off round values, pitched steeply and stale; the GPS screen
// with a fix; the engine screens with cylinders in every colour; the combined
// screen after ENGINE; the GPS sentence screens. The scale marks of the EFIS
// screen's G and climb tapes line up with the separate labels naming them.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <string>
#include <vector>

#include "app/app.h"
#include "gui_support.h"
#include "platform/qt/screen_window.h"
#include "platform/virtual_scheduler.h"
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
#include "shell/shell.h"
#include "shell/supervisor.h"
#include "support/fed_links.h"

namespace {

// An EFIS record from its fields: time, pitch (3+1 columns: "-05" "3" is
// -5.3), roll (4+1), heading, airspeed m/s (3+1), altitude m, rate (3+1),
// lateral G (2+1), vertical G (2+1), angle of attack, status. Status 000000
// carries the displayed altitude and the turn rate, 000001 the pressure
// altitude and the vertical speed (feet a second).
struct EfisFields {
  const char *time, *pitch, *roll, *heading, *airspeed, *altitude, *rate, *lateral, *vertical, *aoa, *status;
};

std::string efisRecord(const EfisFields& f) {
  return std::string(f.time) + "32" + f.pitch + f.roll + f.heading + f.airspeed + f.altitude + f.rate +
         f.lateral + f.vertical + f.aoa + f.status + "4A2C\r";
}

// A moment of flight: the record with the altitude, then the one with the
// vertical speed.
struct Flight {
  EfisFields altitude, climb;
};

// Level: pitch 0, roll 0, heading 090, 100 kt, 3281 ft, level, 1.0 G, AOA 18.
const Flight kLevel = {
    {"120000", "0000", "00000", "090", "0514", "01000", "0000", "000", "010", "18", "000000"},
    {"120000", "0000", "00000", "090", "0514", "01000", "0000", "000", "010", "18", "000001"}};
// Banked: pitch 8.5, roll 25.3 right, heading 047, 87.3 kt, 4127 ft, climbing
// 510 ft/min, 1.2 G, AOA 24 (past the yellow limit).
const Flight kBanked = {
    {"120001", "0085", "00253", "047", "0449", "01258", "0030", "000", "012", "24", "000000"},
    {"120001", "0085", "00253", "047", "0449", "01258", "0085", "000", "012", "24", "000001"}};
// Pitched up: pitch 55, roll 10 left, heading 200, 58.3 kt, 4921 ft, climbing
// 1500 ft/min, 2.5 G, AOA 33 (past the red limit).
const Flight kPitched = {
    {"120002", "0550", "-0100", "200", "0300", "01500", "-015", "000", "025", "33", "000000"},
    {"120002", "0550", "-0100", "200", "0300", "01500", "0250", "000", "025", "33", "000001"}};

// Cylinder 6's EGT reads 0: a missing probe, far below its bar.
std::string dynonWithMissingEgt() {
  std::string line = testsupport::kDynonRecord;
  const auto at = line.find("15001501380");
  line.replace(at, 11, "15000000380");
  return line;
}

class FedInstrumentScreens : public guitest::ProgramFolder {
 protected:
  void SetUp() override {
    ProgramFolder::SetUp();
    app = std::make_unique<App>(Services{scheduler, virtualClock, boxes, dialogs, tray, fakeSerial, ui});
    links = std::make_unique<testsupport::FedLinks>(*app, fakeSerial);
    // Values as they arrive, without the ten-reading smoothing.
    app->form13().EFIS_FilterDisplay.setValue(0);
    app->form13().FilterDisplay.setValue(0);
  }
  void TearDown() override {
    links.reset();
    app.reset();
    ProgramFolder::TearDown();
  }

  // Shows the screen, lets its window catch up and saves it.
  void shot(platform::Screen& s, const char* name) {
    s.show();
    guitest::processPending();
    EXPECT_TRUE(guitest::saveShot(s, QString::fromLatin1(name))) << name;
  }

  QWidget* widgetOf(platform::Screen& s, const platform::Control& c) {
    platform::qt::ScreenWindow* w = ui.windowOf(s);
    platform::qt::ControlView* v = w ? w->viewOf(c) : nullptr;
    return v ? v->widget() : nullptr;
  }

  void fly(const Flight& f) {
    links->efis(efisRecord(f.altitude));
    links->efis(efisRecord(f.climb));
  }

  // The Form8 set-up with colour words typed for the airspeed bands.
  void setUpEfisScreen() {
    const char* const colours[] = {"RED", "WHITE", "GREEN", "YELLOW", "RED"};
    for (int i = 0; i <= 4; ++i) app->form13().AirspeedMarkingsColor[i].setText(colours[i]);
    app->instruments().setups().Update_Form8_data();
  }

  // The supervisor's seconds come from a clock the test moves on.
  platform::VirtualScheduler clockTime;
  testsupport::VirtualClock virtualClock{clockTime};
  testsupport::FakeSerialFactory fakeSerial;
  std::unique_ptr<App> app;
  std::unique_ptr<testsupport::FedLinks> links;
};

// Rows of the tape's widget where a major mark is drawn: the marks' ink at
// the tape's outer edge, which only major marks reach.
std::vector<int> majorMarkRows(QWidget* tape) {
  const QImage img = tape->grab().toImage();
  std::vector<int> rows;
  for (int y = 0; y < img.height(); ++y)
    if (qGray(img.pixel(1, y)) > 160) rows.push_back(y);
  return rows;
}

TEST_F(FedInstrumentScreens, EfisScreenLevelBankedPitchedAndStale) {
  setUpEfisScreen();
  screens::Form8& f = app->form8();
  fly(kLevel);
  shot(f, "fed_Form8_level");

  // The separate scale labels name the tapes' marks: each sits on a major
  // mark of its tape, within 2 pixels.
  struct Marks {
    const platform::LinearGauge& tape;
    std::vector<const platform::GaugeLabel*> labels;
  };
  const std::vector<Marks> marks = {
      {f.VerticalSpeedGuage, {&f.VertSpdMax[0], &f.VertSpdMid[0], &f.VertSpdMid[1], &f.VertSpdMax[1]}},
      {f.VerticalGs,
       {&f.VertSpeedLabel[0], &f.VertSpeedLabel[1], &f.VertSpeedLabel[2], &f.VertSpeedLabel[3],
        &f.VertSpeedLabel[4], &f.VertSpeedLabel[5], &f.VertSpeedLabel[6], &f.VertSpeedLabel[7]}},
  };
  for (const Marks& m : marks) {
    QWidget* tape = widgetOf(f, m.tape);
    ASSERT_NE(tape, nullptr) << m.tape.objectName();
    const std::vector<int> rows = majorMarkRows(tape);
    for (const platform::GaugeLabel* label : m.labels) {
      QWidget* w = widgetOf(f, *label);
      ASSERT_NE(w, nullptr) << label->objectName();
      const int centre = w->mapTo(w->window(), QPoint(0, w->height() / 2)).y() -
                         tape->mapTo(tape->window(), QPoint(0, 0)).y();
      int nearest = 1000;
      for (int y : rows) nearest = std::min(nearest, std::abs(y - centre));
      EXPECT_LE(nearest, 2) << label->objectName() << " \"" << label->caption() << "\" at " << centre;
    }
  }

  fly(kBanked);
  shot(f, "fed_Form8_banked");
  fly(kPitched);
  shot(f, "fed_Form8_pitched");

  // No more records: the supervisor's quarter-second ticks mark the screen stale.
  for (int tick = 0; tick < 400 && f.Air1.displayColor() != platform::color::Red; ++tick) {
    clockTime.advance(250);
    app->shell().supervisor().Quartersecondtimer_Timer();
  }
  ASSERT_EQ(f.Air1.displayColor(), platform::color::Red) << "the EFIS screen was never marked stale";
  shot(f, "fed_Form8_stale");
}

TEST_F(FedInstrumentScreens, GpsScreensWithAFix) {
  // The sky plot's pictures by signal strength, in the program folder.
  QDir(folder.path()).mkpath(QStringLiteral("photo"));
  for (auto [name, colour] :
       {std::pair{"GREEN", Qt::green}, std::pair{"YELLOW", Qt::yellow}, std::pair{"RED", Qt::red}}) {
    QImage dot(14, 14, QImage::Format_RGB32);
    dot.fill(Qt::black);
    QPainter p(&dot);
    p.setBrush(QColor(colour));
    p.drawEllipse(1, 1, 12, 12);
    p.end();
    ASSERT_TRUE(
        dot.save(folder.filePath(QStringLiteral("photo/GPS_%1_Small.bmp").arg(QLatin1String(name))), "BMP"));
  }
  app->NMEASource = true;
  app->GarminSource = false;
  app->instruments().setups().Update_Form9_data();
  links->gps(testsupport::kGpsSentences);
  shot(app->form9(), "fed_Form9_fix");
  shot(app->form20(), "fed_form20");
  shot(app->form21(), "fed_form21");
}

TEST_F(FedInstrumentScreens, EngineScreens) {
  app->instruments().dynon().Update_Form10_data();
  links->engine(dynonWithMissingEgt());
  shot(app->form10(), "fed_Form10_cylinders");

  for (auto [gr2000, frame, name] : {std::tuple{false, testsupport::kFrame4000, "fed_Form11_gr4000"},
                                     std::tuple{true, testsupport::kFrame2000, "fed_Form11_gr2000"}}) {
    (gr2000 ? app->form2().EMSGR2000 : app->form2().EMSGRANDRAPIDS).setValue(true);
    app->instruments().grandRapids().Update_Form11_data();
    links->frame(frame);
    shot(app->form11(), name);
    app->form11().hide();
  }

  app->form2().EMSGRANDRAPIDS.setValue(true);
  links->frame(testsupport::kFrame4000);
  app->form12().Command4.click();
  ASSERT_TRUE(app->form12().visible());
  shot(app->form12(), "fed_form12_engine");
}

}  // namespace
