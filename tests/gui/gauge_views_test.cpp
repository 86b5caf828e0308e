// Gauge views painted offscreen: every kind draws an instrument, the cached
// scale is repainted only when a setting of it changes, bands stay at their
// values on a moving tape, and a stale colour shows on the next refresh.

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <limits>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "gui_support.h"
#include "platform/gauges.h"
#include "platform/qt/gauge_parts.h"
#include "platform/qt/gauge_views.h"
#include "platform/qt/qt_text.h"
#include "platform/screen.h"

namespace {

using namespace platform;
using platform::qt::ControlView;
using platform::qt::GaugeWidget;

// One of each gauge kind and dial mode, laid out as a screen would hold them.
class GaugeScreen : public Screen {
 public:
  GaugeScreen() : Screen("GaugeScreen", "Gauges") {
    tape.setGeometry(0, 0, 900, 3000);
    tape.setMovingScale(true);
    tape.setSectionCount(3);
    tape.setSectionColor(1, color::White);
    tape.setSectionColor(2, color::BrightGreen);
    tape.setSectionColor(3, color::Yellow);
    tape.setSectionEnd(1, 60);
    tape.setSectionEnd(2, 120);
    tape.setPointerColor(0xFF00FF);

    cht.setGeometry(0, 0, 450, 2400);
    cht.setPointerStyle(PointerStyle::ColorBar);
    cht.setPositionMax(500);
    cht.setPointerColor(color::BrightGreen);

    fuel.setGeometry(0, 0, 2400, 750);
    fuel.setOrientation(Orientation::Horizontal);
    fuel.setSectionCount(3);
    fuel.setSectionColor(1, color::Red);
    fuel.setSectionColor(2, color::Yellow);
    fuel.setSectionColor(3, color::BrightGreen);
    fuel.setSectionEnd(1, 10);
    fuel.setSectionEnd(2, 25);
    fuel.setPositionMax(60);
    fuel.setPointerColor(0xFF00FF);

    tach.setGeometry(0, 0, 2400, 2400);
    tach.setPositionMax(3000);
    tach.setSectionCount(5);
    tach.setSectionColor(1, 0x408000);
    tach.setSectionColor(2, color::Yellow);
    tach.setSectionColor(3, color::BrightGreen);
    tach.setSectionColor(4, color::Yellow);
    tach.setSectionColor(5, color::Red);
    tach.setSectionEnd(1, 800);
    tach.setSectionEnd(2, 1200);
    tach.setSectionEnd(3, 2500);
    tach.setSectionEnd(4, 2700);
    tach.setPointerColor(color::White);

    oilTemp.setGeometry(0, 0, 1800, 1800);
    oilTemp.setReverseScale(true);
    oilTemp.setPositionMax(250);
    oilTemp.setSectionCount(3);
    oilTemp.setSectionEnd(1, 100);
    oilTemp.setSectionEnd(2, 220);

    readout.setGeometry(0, 0, 1500, 450);
    readout.setFont({"MS Sans Serif", 14, true});
    label.setGeometry(0, 0, 1500, 375);
    label.setFont({"MS Sans Serif", 12, true});
    compass.setGeometry(0, 0, 4500, 600);
    for (AviationDial* d : {&attitude, &airspeed, &altimeter, &heading, &climb})
      d->setGeometry(0, 0, 3000, 3000);
  }

  LinearGauge tape{this, "AirspeedGuage"};
  LinearGauge cht{this, "CHTGuage", 0};
  LinearGauge fuel{this, "FuelQtyGuage"};
  AngularGauge tach{this, "TachGuage"};
  AngularGauge oilTemp{this, "OilTempGuage"};
  AnalogDisplay readout{this, "TachLabel"};
  GaugeLabel label{this, "AltitudeLabel"};
  SlidingCompass compass{this, "iSlidingCompassX1"};
  AviationDial attitude{this, "Air1", DialMode::Attitude};
  AviationDial airspeed{this, "AirspeedGuage_Dial", DialMode::Airspeed};
  AviationDial altimeter{this, "AltitudeGuage", DialMode::Altimeter};
  AviationDial heading{this, "HeadingGuage", DialMode::Heading};
  AviationDial climb{this, "Air2", DialMode::Climb};
};

class GaugeViewsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (Control* c : screen.controls()) {
      auto view = platform::qt::createGaugeView(*c, &host);
      ASSERT_NE(view, nullptr) << c->objectName();
      // What the window applies to every view.
      view->widget()->setGeometry(0, 0, platform::qt::px(c->width()), platform::qt::px(c->height()));
      view->widget()->setFont(platform::qt::toQFont(c->font()));
      views.push_back(std::move(view));
    }
  }

  ControlView& view(const Control& c) {
    for (auto& v : views)
      if (v->widget()->objectName() == QString::fromStdString(c.objectName())) return *v;
    throw std::runtime_error("no view for " + c.objectName());
  }

  // Refreshes the view and paints it as the screen would.
  QImage paint(const Control& c) {
    ControlView& v = view(c);
    v.refresh();
    return v.widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  int rebuilds(const Control& c) { return dynamic_cast<GaugeWidget&>(*view(c).widget()).staticRebuilds(); }

  QWidget host;
  GaugeScreen screen;
  std::vector<std::unique_ptr<ControlView>> views;
};

std::size_t distinctColours(const QImage& img) {
  std::set<QRgb> seen;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) seen.insert(img.pixel(x, y));
  return seen.size();
}

bool rowHas(const QImage& img, int y, QRgb colour) {
  for (int x = 0; x < img.width(); ++x)
    if (img.pixel(x, y) == colour) return true;
  return false;
}

bool imageHas(const QImage& img, QRgb colour) {
  for (int y = 0; y < img.height(); ++y)
    if (rowHas(img, y, colour)) return true;
  return false;
}

TEST_F(GaugeViewsTest, EveryKindAndDialModePaintsAnInstrument) {
  screen.tape.setPositionMax(70);  // a moving tape sets its maximum first
  screen.tape.setPositionMin(100);
  screen.tape.setPosition(85);
  screen.cht.setPosition(380);
  screen.cht.setAdditionalPointerPosition(1, 420);
  screen.cht.setAdditionalPointerColor(1, color::Red);
  screen.fuel.setPosition(-5);  // below the scale: the marker sits at its start
  screen.tach.setPosition(2350);
  screen.oilTemp.setPosition(180);
  screen.readout.setValue(2345.67);
  screen.readout.setPrecision(0);
  screen.readout.setUnitsText(" RPM");
  screen.readout.setDisplayColor(color::Red);
  screen.label.setCaption(" 4500 Ft");
  screen.compass.setHeading(-47.5);
  screen.attitude.setPitch(8);
  screen.attitude.setRoll(20);
  screen.attitude.setDisplayColor(color::LightAqua);
  screen.airspeed.setIndicatorMax(200);
  screen.airspeed.setVs1(50);
  screen.airspeed.setVfe(85);
  screen.airspeed.setVno(130);
  screen.airspeed.setVne(160);
  screen.airspeed.setValue(112);
  screen.altimeter.setAltitude(4520);
  screen.altimeter.setBaroSetting(30);
  screen.heading.setValue(225);
  screen.climb.setTitle("CLIMB");
  screen.climb.setSubtitle("100 ft/min");
  screen.climb.setValue(700);

  for (Control* c : screen.controls()) {
    const QImage img = paint(*c);
    guitest::saveShot(img, QString::fromStdString("gauge_" + c->objectName()));
    EXPECT_GE(distinctColours(img), 3u) << c->objectName() << " looks blank";
  }
  // The pointer below the fuel scale is still drawn (clamped to the start).
  EXPECT_TRUE(imageHas(paint(screen.fuel), qRgb(255, 0, 255)));
}

// Each case changes one property; only settings of the static part repaint
// the cached layer.
TEST_F(GaugeViewsTest, StaticLayerRepaintsOnlyWhenASettingOfItChanges) {
  struct Case {
    const char* what;
    Control* gauge;
    std::function<void()> change;
    bool repaintsScale;
  };
  auto& s = screen;
  const std::vector<Case> cases = {
      {"bar position", &s.tape, [&] { s.tape.setPosition(77); }, false},
      {"bar extra pointer", &s.cht, [&] { s.cht.setAdditionalPointerPosition(2, 300); }, false},
      {"bar pointer colour", &s.cht, [&] { s.cht.setPointerColor(color::Red); }, false},
      {"bar band end", &s.tape, [&] { s.tape.setSectionEnd(2, 110); }, true},
      {"bar band colour", &s.tape, [&] { s.tape.setSectionColor(3, color::Red); }, true},
      {"tape moves", &s.tape,
       [&] {
         s.tape.setPosition(93.7);
         s.tape.setPositionMax(108.7);
         s.tape.setPositionMin(78.7);
       },
       false},
      {"dial position", &s.tach, [&] { s.tach.setPosition(1900); }, false},
      {"dial maximum", &s.tach, [&] { s.tach.setPositionMax(3500); }, true},
      {"compass heading", &s.compass, [&] { s.compass.setHeading(123.4); }, false},
      {"attitude", &s.attitude, [&] { s.attitude.setRoll(-15); }, false},
      {"stale attitude", &s.attitude, [&] { s.attitude.setDisplayColor(color::Red); }, true},
      {"airspeed needle", &s.airspeed, [&] { s.airspeed.setAirspeed(95); }, false},
      {"airspeed vne", &s.airspeed, [&] { s.airspeed.setVne(150); }, true},
      {"altimeter hands", &s.altimeter, [&] { s.altimeter.setAltitude(9870); }, false},
      {"baro setting", &s.altimeter, [&] { s.altimeter.setBaroSetting(30.12); }, true},
      {"heading card", &s.heading, [&] { s.heading.setValue(10); }, false},
      {"stale heading", &s.heading, [&] { s.heading.setDisplayColor(color::Red); }, true},
      {"climb needle", &s.climb, [&] { s.climb.setValue(-800); }, false},
  };
  for (const auto& c : cases) {
    paint(*c.gauge);
    const int before = rebuilds(*c.gauge);
    c.change();
    paint(*c.gauge);
    EXPECT_EQ(rebuilds(*c.gauge) - before, c.repaintsScale ? 1 : 0) << c.what;
  }
}

// The stale marking flips a dial's display colour once a second: each colour's
// layer is painted once, and a dial flipped back looks exactly as it did.
// A change of another setting in between paints both anew.
TEST_F(GaugeViewsTest, AStaleMarkingFlippingBackAndForthPaintsEachLayerOnce) {
  for (AviationDial* dial : {&screen.heading, &screen.airspeed, &screen.attitude}) {
    dial->setDisplayColor(color::White);
    const QImage white = paint(*dial);
    const int before = rebuilds(*dial);
    dial->setDisplayColor(color::Red);
    const QImage red = paint(*dial);
    EXPECT_NE(red, white) << dial->objectName();
    for (int flip = 0; flip < 3; ++flip) {
      dial->setDisplayColor(color::White);
      EXPECT_EQ(paint(*dial), white) << dial->objectName() << " flip " << flip;
      dial->setDisplayColor(color::Red);
      EXPECT_EQ(paint(*dial), red) << dial->objectName() << " flip " << flip;
    }
    EXPECT_EQ(rebuilds(*dial) - before, 1) << dial->objectName();

    dial->setTitle("OTHER");
    paint(*dial);
    dial->setDisplayColor(color::White);
    paint(*dial);
    EXPECT_EQ(rebuilds(*dial) - before, 3) << dial->objectName();
    dial->setTitle("");
  }
}

// Counts the paints a widget gets.
class PaintCount : public QObject {
 public:
  explicit PaintCount(QWidget* w) { w->installEventFilter(this); }
  int paints = 0;
  QRect painted;  // the area of the last paint

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() != QEvent::Paint) return false;
    ++paints;
    painted = static_cast<QPaintEvent*>(e)->rect();
    return false;
  }
};

// A pointer that moves repaints only the strip it moves in, a readout only the
// strip of its text. Shown in a window of its own, each gauge goes through
// moves large and small, colour changes and pegged values, each readout
// through long and short texts; after each paint the window holds exactly the
// picture that a paint of the whole gauge gives, and some paints covered only
// part of it.
TEST_F(GaugeViewsTest, PaintingTheMovingPartsAloneLeavesThePictureOfAWholePaint) {
  auto& s = screen;
  struct Case {
    Control* gauge;
    std::vector<std::function<void()>> steps;
  };
  const std::vector<Case> cases = {
      {&s.fuel,
       {[&] { s.fuel.setPosition(5); }, [&] { s.fuel.setPosition(30); }, [&] { s.fuel.setPosition(30.4); },
        [&] { s.fuel.setPosition(58); }, [&] { s.fuel.setPosition(-5); }, [&] { s.fuel.setPosition(20); },
        [&] { s.fuel.setPosition(70); }, [&] { s.fuel.setPointerColor(color::Red); },
        [&] { s.fuel.setPosition(40); }}},
      {&s.cht,
       {[&] {
          s.cht.setPosition(380);
          s.cht.setAdditionalPointerVisible(1, true);
          s.cht.setAdditionalPointerPosition(1, 420);
          s.cht.setAdditionalPointerColor(1, color::Red);
        },
        [&] { s.cht.setPosition(100); },
        [&] {
          s.cht.setAdditionalPointerPosition(1, 300);
          s.cht.setPointerColor(color::Yellow);
        },
        [&] { s.cht.setPosition(490); }, [&] { s.cht.setPosition(600); }, [&] { s.cht.setPosition(250); },
        [&] { s.cht.setAdditionalPointerPosition(1, -40); },
        [&] { s.cht.setAdditionalPointerPosition(1, 260); }}},
      {&s.tach,
       {[&] { s.tach.setPosition(2350); }, [&] { s.tach.setPosition(100); }, [&] { s.tach.setPosition(101); },
        [&] { s.tach.setPosition(2999); }, [&] { s.tach.setPosition(3500); },
        [&] { s.tach.setPosition(1500); }, [&] { s.tach.setPointerColor(color::Red); },
        [&] { s.tach.setPosition(1200); }}},
      {&s.oilTemp,
       {[&] { s.oilTemp.setPosition(20); }, [&] { s.oilTemp.setPosition(240); },
        [&] { s.oilTemp.setPosition(125.5); }, [&] { s.oilTemp.setPosition(-10); },
        [&] { s.oilTemp.setPosition(60); }}},
      // A new text repaints the strips of the old and the new one: a long
      // reading followed by a short one leaves nothing of the long one.
      {&s.readout,
       {[&] { s.readout.setValue(2345); }, [&] { s.readout.setValue(7); },
        [&] { s.readout.setUnitsText("RPM"); }, [&] { s.readout.setValue(-12.5); },
        [&] { s.readout.setPrecision(3); }, [&] { s.readout.setValue(1e9); }, [&] { s.readout.setValue(8); },
        [&] { s.readout.setDisplayColor(color::Red); }, [&] { s.readout.setUnitsText(""); },
        [&] { s.readout.setBackColor(color::White); }, [&] { s.readout.setValue(99); }}},
      {&s.label,
       {[&] { s.label.setCaption("4,500"); }, [&] { s.label.setCaption("12"); },
        [&] { s.label.setAlignment(Alignment::Left); }, [&] { s.label.setCaption("  9 Ft "); },
        [&] { s.label.setAlignment(Alignment::Right); }, [&] { s.label.setCaption(""); },
        [&] { s.label.setCaption("SPS MODE"); },
        [&] { s.label.setCaption("A caption far too long for the box it has"); },
        [&] { s.label.setCaption("3"); }, [&] { s.label.setDisplayColor(color::Red); },
        [&] { s.label.setBackColor(color::Yellow); }, [&] { s.label.setCaption("10"); }}},
  };
  for (const Case& c : cases) {
    QWidget window;
    auto view = platform::qt::createGaugeView(*c.gauge, &window);
    QWidget* w = view->widget();
    w->setGeometry(0, 0, platform::qt::px(c.gauge->width()), platform::qt::px(c.gauge->height()));
    w->setFont(platform::qt::toQFont(c.gauge->font()));
    window.resize(w->size());
    PaintCount count(w);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window)) << c.gauge->objectName();
    ASSERT_TRUE(guitest::processUntil([&] { return count.paints > 0; })) << c.gauge->objectName();
    int step = 0, partial = 0;
    for (const auto& change : c.steps) {
      ++step;
      const int before = count.paints;
      change();
      view->refresh();
      ASSERT_TRUE(guitest::processUntil([&] { return count.paints > before; }))
          << c.gauge->objectName() << " step " << step << " was not painted";
      if (count.painted != w->rect()) ++partial;
      const QImage shown =
          window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
      const QImage whole = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
      ASSERT_EQ(shown.size(), whole.size()) << c.gauge->objectName();
      EXPECT_TRUE(shown == whole) << c.gauge->objectName() << " step " << step;
    }
    EXPECT_GT(partial, 0) << c.gauge->objectName() << " always repainted whole";
  }
}

// Bands on a tape stay at their values: a tape from 40 to 70 with a band
// change at 60 is white below and green above, whichever order the limits
// come in; moved on to 80..110 it is all green.
TEST_F(GaugeViewsTest, BandsScrollWithAMovingTape) {
  const QRgb white = qRgb(255, 255, 255), green = qRgb(0, 255, 0);
  auto& tape = screen.tape;
  tape.setShowTickLabels(false);
  tape.setTickMajorCount(0);
  tape.setPosition(-100);  // keep the marker out of the sampled rows
  const int h = platform::qt::px(tape.height());
  const int low = h * 4 / 5, high = h / 5;
  for (auto [min, max] : {std::pair{40.0, 70.0}, std::pair{70.0, 40.0}}) {
    tape.setPositionMin(min);
    tape.setPositionMax(max);
    const QImage img = paint(tape);
    EXPECT_TRUE(rowHas(img, low, white)) << min << ".." << max;
    EXPECT_FALSE(rowHas(img, low, green)) << min << ".." << max;
    EXPECT_TRUE(rowHas(img, high, green)) << min << ".." << max;
  }
  tape.setPositionMax(110);
  tape.setPositionMin(80);
  const QImage moved = paint(tape);
  EXPECT_TRUE(rowHas(moved, low, green));
  EXPECT_FALSE(rowHas(moved, low, white));
}

// The airspeed tape at its size on the EFIS screen, at 87.3 knots: major
// marks at 80, 90 and 100 exactly, each on the pixel row of its value, and
// none at the window's edges.
TEST_F(GaugeViewsTest, TapeMarksSitAtTheirValuesPixels) {
  auto& tape = screen.tape;
  tape.setPosition(87.3);
  tape.setPositionMax(102.3);
  tape.setPositionMin(72.3);
  QWidget* w = view(tape).widget();
  w->resize(88, 360);
  const QImage img = paint(tape);
  // A major mark is the one run of ink of ten pixels or so right of the labels.
  std::vector<int> majors;
  for (int y = 0; y < img.height(); ++y) {
    int run = 0, longest = 0;
    for (int x = img.width() * 6 / 10; x < img.width(); ++x) {
      run = img.pixel(x, y) == qRgb(255, 255, 255) ? run + 1 : 0;
      longest = std::max(longest, run);
    }
    if (longest >= 8) majors.push_back(y);
  }
  const double inset = platform::kBarScaleInset, perKnot = (360 - 2 * inset) / 30.0;
  std::vector<int> expected;
  for (double v : {100.0, 90.0, 80.0})
    expected.push_back(static_cast<int>(std::lround(inset + (102.3 - v) * perKnot)));
  ASSERT_EQ(majors.size(), expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k) EXPECT_NEAR(majors[k], expected[k], 1) << k;
}

// A band of colour 0 is unmarked scale: the strip looks exactly as where no
// band lies at all, never a black stripe; the coloured bands either side show.
TEST_F(GaugeViewsTest, BandOfColourZeroLeavesTheStripUnpainted) {
  auto& fuel = screen.fuel;  // 160 x 50 pixels, 0 to 60, bands to 10, 25 and beyond
  fuel.setPosition(50);
  fuel.setSectionColor(2, 0);
  const QImage banded = paint(fuel);
  fuel.setSectionCount(0);
  const QImage plain = paint(fuel);
  const double inset = platform::kBarScaleInset, perUnit = (160 - 2 * inset) / 60.0;
  const auto column = [&](double v) { return static_cast<int>(inset + v * perUnit); };
  for (int x = column(12); x <= column(23); ++x)
    for (int y = 0; y < plain.height(); ++y)
      ASSERT_EQ(banded.pixel(x, y), plain.pixel(x, y)) << x << "," << y;
  bool redShows = false;
  for (int x = column(2); x <= column(8); ++x)
    for (int y = 0; y < plain.height(); ++y) redShows = redShows || banded.pixel(x, y) != plain.pixel(x, y);
  EXPECT_TRUE(redShows);
}

// An EGT marker on a cylinder bar filled yellow, in yellow itself: its dark
// outline shows on the bar and it reaches beyond the bar's edges.
TEST_F(GaugeViewsTest, EgtMarkerShowsOnAYellowBar) {
  auto& cht = screen.cht;
  cht.setPointerColor(color::Yellow);
  cht.setPosition(450);
  cht.setAdditionalPointerColor(1, color::Yellow);
  cht.setAdditionalPointerPosition(1, 250);
  const QImage marked = paint(cht);
  cht.setAdditionalPointerVisible(1, false);
  const QImage bare = paint(cht);
  const QRgb yellow = qRgb(255, 255, 0);
  bool outlineOnBar = false, beyondBar = false;
  for (int y = 0; y < bare.height(); ++y)
    for (int x = 0; x < bare.width(); ++x) {
      if (marked.pixel(x, y) == bare.pixel(x, y)) continue;
      outlineOnBar = outlineOnBar || (bare.pixel(x, y) == yellow && qGray(marked.pixel(x, y)) < 60);
      beyondBar = beyondBar || (bare.pixel(x, y) != yellow && marked.pixel(x, y) == yellow);
    }
  EXPECT_TRUE(outlineOnBar);
  EXPECT_TRUE(beyondBar);
}

// A value beyond a scale's end is drawn pegged at that end, unlike a reading
// of the end itself: on bars, colour bars, EGT markers, tapes and dials.
TEST_F(GaugeViewsTest, PeggedValuesLookUnlikeTheScaleEnd) {
  auto& s = screen;
  s.tape.setPositionMin(40);
  s.tape.setPositionMax(70);
  s.airspeed.setIndicatorMax(200);
  struct Case {
    const char* what;
    Control* gauge;
    std::function<void(double)> set;
    double end, beyond;
  };
  const std::vector<Case> cases = {
      {"bar below", &s.fuel, [&](double v) { s.fuel.setPosition(v); }, 0, -5},
      {"bar above", &s.fuel, [&](double v) { s.fuel.setPosition(v); }, 60, 80},
      {"colour bar below", &s.cht, [&](double v) { s.cht.setPosition(v); }, 0, -50},
      {"colour bar above", &s.cht, [&](double v) { s.cht.setPosition(v); }, 500, 600},
      {"EGT marker below", &s.cht, [&](double v) { s.cht.setAdditionalPointerPosition(1, v); }, 0, -300},
      {"tape", &s.tape, [&](double v) { s.tape.setPosition(v); }, 40, 30},
      {"round dial below", &s.tach, [&](double v) { s.tach.setPosition(v); }, 0, -100},
      {"round dial above", &s.tach, [&](double v) { s.tach.setPosition(v); }, 3000, 3500},
      {"airspeed dial", &s.airspeed, [&](double v) { s.airspeed.setValue(v); }, 200, 250},
      {"climb dial", &s.climb, [&](double v) { s.climb.setValue(v); }, -2000, -2600},
  };
  for (const Case& c : cases) {
    c.set(c.end);
    const QImage atEnd = paint(*c.gauge);
    c.set(c.beyond);
    EXPECT_NE(paint(*c.gauge), atEnd) << c.what;
  }
}

// Empty, reversed and absurd scales paint at once, with a few marks.
TEST_F(GaugeViewsTest, AbsurdScalesPaint) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::pair<double, double> ranges[] = {{5, 5},          {100, 0}, {0, 1e40},
                                              {-1e300, 1e300}, {nan, 3}, {1e17, 1e17 + 64}};
  for (auto [min, max] : ranges)
    for (ScaledGauge* g :
         std::initializer_list<ScaledGauge*>{&screen.tape, &screen.fuel, &screen.cht, &screen.tach}) {
      g->setPositionMax(max);
      g->setPositionMin(min);
      g->setPosition(max);
      EXPECT_GE(distinctColours(paint(*g)), 2u) << g->objectName() << " " << min << ".." << max;
    }
}

// The supervisor marks stale data with display colour 255: pure red (not blue)
// on the very next refresh, and back to normal the same way.
TEST_F(GaugeViewsTest, StaleDisplayColourShowsOnTheNextRefresh) {
  const QRgb red = qRgb(255, 0, 0);
  screen.readout.setValue(12.5);
  screen.readout.setPrecision(1);
  screen.label.setCaption("120 Kts");
  std::vector<std::pair<Control*, std::function<void(OleColor)>>> displays = {
      {&screen.readout, [&](OleColor c) { screen.readout.setDisplayColor(c); }},
      {&screen.label, [&](OleColor c) { screen.label.setDisplayColor(c); }},
      {&screen.attitude, [&](OleColor c) { screen.attitude.setDisplayColor(c); }},
      {&screen.altimeter, [&](OleColor c) { screen.altimeter.setDisplayColor(c); }},
  };
  for (auto& [gauge, setColour] : displays) {
    setColour(color::Aqua);
    EXPECT_FALSE(imageHas(paint(*gauge), red)) << gauge->objectName();
    setColour(color::Red);
    const QImage stale = paint(*gauge);
    EXPECT_TRUE(imageHas(stale, red)) << gauge->objectName();
    guitest::saveShot(stale, QString::fromStdString("gauge_" + gauge->objectName() + "_stale"));
    setColour(color::Aqua);
    EXPECT_FALSE(imageHas(paint(*gauge), red)) << gauge->objectName();
  }
}

// Sky and ground paint every pixel of the attitude indicator at any pitch
// and roll: a pixel left out would show whatever the window held before.
TEST_F(GaugeViewsTest, TheHorizonLeavesNoPixelUnpaintedAtAnyAttitude) {
  QWidget* w = view(screen.attitude).widget();
  const QRgb unpainted = qRgb(255, 0, 255);
  for (double pitch : {-90.0, -61.0, -30.0, -4.5, 0.0, 12.25, 45.0, 90.0}) {
    for (double roll : {0.0, 17.0, 45.0, 90.0, 135.5, 180.0, -60.0, -171.0}) {
      screen.attitude.setPitch(pitch);
      screen.attitude.setRoll(roll);
      view(screen.attitude).refresh();
      QImage shown(w->size(), QImage::Format_RGB32);
      shown.fill(unpainted);
      w->render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
      EXPECT_FALSE(imageHas(shown, unpainted)) << "pitch " << pitch << " roll " << roll;
    }
  }
}

TEST_F(GaugeViewsTest, OtherKindsGetNoGaugeView) {
  Label plain(&screen, "Label1");
  EXPECT_EQ(platform::qt::createGaugeView(plain, &host), nullptr);
}

// Drawing only the painted parts of a transparent layer leaves its whole
// picture: every painted pixel lies in exactly one part, each part starts and
// ends on a painted column, and an empty stretch of the layer is left out.
TEST(PaintedPartsTest, EveryPaintedPixelLiesInOnePart) {
  struct Case {
    const char* name;
    std::vector<QPoint> dots;
    std::size_t parts;  // expected count
  };
  const std::vector<Case> cases = {
      {"empty", {}, 0},
      {"last pixel", {{99, 39}}, 1},
      {"far apart in one band", {{5, 3}, {70, 9}}, 2},
      {"near in one band", {{5, 3}, {20, 9}}, 1},
      {"one column in two bands", {{40, 2}, {40, 30}}, 2},
  };
  for (const Case& c : cases) {
    QImage layer(100, 40, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    for (QPoint d : c.dots) layer.setPixel(d, qRgba(10, 20, 30, 40));
    const std::vector<QRect> parts = platform::qt::paintedParts(layer);
    EXPECT_EQ(parts.size(), c.parts) << c.name;
    for (QPoint d : c.dots)
      EXPECT_EQ(std::count_if(parts.begin(), parts.end(), [&](const QRect& r) { return r.contains(d); }), 1)
          << c.name;
  }
  // A ring on a clear ground, as a dial's bezel: the parts cover every
  // painted pixel, overlap nowhere and leave most of the clear middle out.
  QImage ring(200, 200, QImage::Format_ARGB32_Premultiplied);
  ring.fill(Qt::transparent);
  {
    QPainter p(&ring);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 6));
    p.drawEllipse(QPointF(100, 100), 90, 90);
  }
  const std::vector<QRect> parts = platform::qt::paintedParts(ring);
  long area = 0;
  for (const QRect& r : parts) {
    area += r.width() * r.height();
    for (const QRect& other : parts) {
      if (&other == &r) continue;
      EXPECT_FALSE(r.intersects(other));
    }
  }
  for (int y = 0; y < ring.height(); ++y) {
    for (int x = 0; x < ring.width(); ++x) {
      if (qAlpha(ring.pixel(x, y)) == 0) continue;
      ASSERT_TRUE(std::any_of(parts.begin(), parts.end(), [&](const QRect& r) { return r.contains(x, y); }))
          << x << "," << y;
    }
  }
  EXPECT_LT(area, 200 * 200 / 2);
}

// Readings are drawn from their glyphs placed one by one, other texts from a
// layout kept for reuse; either way the picture and the size are those of
// the text drawn by the painter itself.
TEST(TextCacheTest, EveryTextLooksAsThePainterDrawsIt) {
  QFont font = QGuiApplication::font();
  font.setPixelSize(19);
  font.setBold(true);
  platform::qt::TextCache cache;
  const auto picture = [&](const std::function<void(QPainter&)>& draw) {
    QImage image(160, 40, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font);
    p.setPen(QColor(0, 255, 0));
    draw(p);
    return image;
  };
  for (const char* text : {"4127", "-12,345.6", "0:07", "+3 ", "12 kt", "N", "1E5", ""}) {
    const QString s = QString::fromLatin1(text);
    const QPointF baseline(7.25, 28);
    const QImage cached = picture([&](QPainter& p) { cache.drawAtBaseline(p, baseline, s); });
    const QImage drawn = picture([&](QPainter& p) { p.drawText(baseline, s); });
    EXPECT_EQ(cached, drawn) << text;
    EXPECT_DOUBLE_EQ(cache.size(s, font).width(), QFontMetricsF(font).horizontalAdvance(s)) << text;
  }
}

}  // namespace
