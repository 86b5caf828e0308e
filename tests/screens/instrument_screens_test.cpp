// Structure of the instrument screens: names, layout and design-time values of
// the EFIS, GPS, Dynon, Grand Rapids and combined instrument screens.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/gauges.h"
#include "platform/virtual_scheduler.h"
#include "screens/form10.h"
#include "screens/form11.h"
#include "screens/form12.h"
#include "screens/form8.h"
#include "screens/form9.h"

namespace {

using platform::Control;
using platform::ControlKind;
using platform::OleColor;
using platform::Screen;
namespace color = platform::color;

class InstrumentScreens : public ::testing::Test {
 protected:
  InstrumentScreens() {
    screens_.push_back(std::make_unique<screens::Form8>(scheduler_));
    screens_.push_back(std::make_unique<screens::Form9>(scheduler_));
    screens_.push_back(std::make_unique<screens::Form10>(scheduler_));
    screens_.push_back(std::make_unique<screens::Form11>(scheduler_));
    screens_.push_back(std::make_unique<screens::form12>(scheduler_));
  }

  Screen& screen(const std::string& name) {
    for (auto& s : screens_)
      if (s->name() == name) return *s;
    throw std::runtime_error("no screen " + name);
  }

  Control& control(const std::string& screenName, const std::string& objectName) {
    Control* c = screen(screenName).findControl(objectName);
    if (!c) throw std::runtime_error("no control " + screenName + "." + objectName);
    return *c;
  }

  template <class T>
  T& as(const std::string& screenName, const std::string& objectName) {
    auto* t = dynamic_cast<T*>(&control(screenName, objectName));
    if (!t) throw std::runtime_error("wrong kind: " + screenName + "." + objectName);
    return *t;
  }

  platform::VirtualScheduler scheduler_;
  std::vector<std::unique_ptr<Screen>> screens_;
};

struct Box {
  int left, top, right, bottom;
};

Box boxOf(const Control& c) {
  return {c.left(), c.top(), c.left() + c.width(), c.top() + c.height()};
}

bool overlaps(const Box& a, const Box& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Shown on screen: visible itself and in every container up to the screen.
bool shown(const Control& c) {
  for (const Control* p = &c; p; p = p->container())
    if (!p->visible()) return false;
  return true;
}

TEST_F(InstrumentScreens, ScreensHaveTheirCaptionsOnBlack) {
  const std::pair<const char*, const char*> captions[] = {{"Form8", "ARTIFICIAL HORIZON"},
                                                          {"Form9", "GPS FLIGHT INSTRUMENT"},
                                                          {"Form10", "DYNON ENGINE MONITOR"},
                                                          {"Form11", "GRAND RAPIDS ENGINE MONITOR"},
                                                          {"form12", "G Z FORMAT"}};
  for (const auto& [name, caption] : captions) {
    SCOPED_TRACE(name);
    EXPECT_EQ(screen(name).caption(), caption);
    EXPECT_EQ(screen(name).backColor(), color::Black);
    EXPECT_FALSE(screen(name).visible()) << "screens are created hidden";
  }
}

TEST_F(InstrumentScreens, ObjectNamesAreUnique) {
  for (auto& s : screens_) {
    std::set<std::string> names;
    for (const Control* c : s->controls())
      EXPECT_TRUE(names.insert(c->objectName()).second) << s->name() << " repeats " << c->objectName();
  }
}

TEST_F(InstrumentScreens, ShownControlsLieInsideTheirContainerAndDoNotOverlap) {
  for (auto& s : screens_) {
    const auto& controls = s->controls();
    for (const Control* c : controls) {
      if (!shown(*c)) continue;
      SCOPED_TRACE(s->name() + "." + c->objectName());
      const Control* parent = c->container();
      const int width = parent ? parent->width() : s->width();
      const int height = parent ? parent->height() : s->height();
      EXPECT_GT(c->width(), 0);
      EXPECT_GT(c->height(), 0);
      EXPECT_GE(c->left(), 0);
      EXPECT_GE(c->top(), 0);
      EXPECT_LE(c->left() + c->width(), width);
      EXPECT_LE(c->top() + c->height(), height);
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
      for (std::size_t j = i + 1; j < controls.size(); ++j) {
        const Control& a = *controls[i];
        const Control& b = *controls[j];
        if (a.container() != b.container() || !shown(a) || !shown(b)) continue;
        EXPECT_FALSE(overlaps(boxOf(a), boxOf(b)))
            << s->name() << ": " << a.objectName() << " overlaps " << b.objectName();
      }
    }
  }
}

TEST_F(InstrumentScreens, HiddenBannersHaveRoomOfTheirOwn) {
  // The banners and the no-signal warning are shown by the supervisor; when
  // they are, they must not cover a gauge.
  const std::pair<const char*, const char*> hidden[] = {
      {"Form8", "FilePlaybackMode"}, {"Form10", "FilePlaybackMode"}, {"Form9", "GPSNoSignal"}};
  for (const auto& [screenName, objectName] : hidden) {
    SCOPED_TRACE(std::string(screenName) + "." + objectName);
    Control& banner = control(screenName, objectName);
    EXPECT_FALSE(banner.visible());
    for (const Control* c : screen(screenName).controls()) {
      if (c == &banner || c->container() != banner.container() || !shown(*c)) continue;
      EXPECT_FALSE(overlaps(boxOf(banner), boxOf(*c))) << "covers " << c->objectName();
    }
  }
}

TEST_F(InstrumentScreens, AltitudeReadoutStaysInItsPanelWhenShiftedRight) {
  // With the vertical speed display hidden the altitude readout moves from 480
  // to 495 inside its panel.
  auto& s = dynamic_cast<screens::Form8&>(screen("Form8"));
  EXPECT_EQ(s.AltitudeLabel.container(), &s.Frame1);
  EXPECT_EQ(s.AltitudeLabel.left(), 480);
  s.AltitudeLabel.setLeft(495);
  EXPECT_LE(s.AltitudeLabel.left() + s.AltitudeLabel.width(), s.Frame1.width());
  for (const Control* c : s.controls()) {
    if (c == &s.AltitudeLabel || c->container() != &s.Frame1) continue;
    EXPECT_FALSE(overlaps(boxOf(s.AltitudeLabel), boxOf(*c))) << c->objectName();
  }
}

TEST_F(InstrumentScreens, DesignCaptionsAndToolTips) {
  struct Row {
    const char* screen;
    const char* object;
    const char* caption;
    const char* toolTip;
  };
  const Row rows[] = {
      {"Form8", "Command1", "MAIN", ""},
      {"Form8", "Command2", "GPS", ""},
      {"Form8", "Command3", "ENGINE", ""},
      {"Form8", "Command4", "EFIS", ""},
      {"Form8", "Command5", "ADC", ""},
      {"Form8", "Command6", "HIDE", ""},
      {"Form8", "FilePlaybackMode", "CHECK ALTITUDE", ""},
      {"Form8", "AirspeedUnits", "Knots", "Knots - Nautical miles per hour"},
      {"Form8", "AltitudeUnits", "Feet", "Feet"},
      {"Form8", "HeadingLabel", "000", ""},
      {"Form8", "VertSpdMax_0", "2000", ""},
      {"Form8", "VertSpdMax_1", "2000", ""},
      {"Form8", "VertSpdMid_0", "1000", ""},
      {"Form8", "VertSpdMid_1", "1000", ""},
      {"Form8", "VertSpeedLabel_0", "-2", ""},
      {"Form8", "VertSpeedLabel_2", "0", ""},
      {"Form8", "VertSpeedLabel_7", "5", ""},
      {"Form9", "Command1", "MAIN", ""},
      {"Form9", "Command2", "EFIS", ""},
      {"Form9", "Command3", "GPS", ""},
      {"Form9", "Command4", "ENGINE", ""},
      {"Form9", "Command5", "ADC", ""},
      {"Form9", "Command6", "HIDE", ""},
      {"Form9", "GPSNoSignal", "NO SIGNAL", ""},
      {"Form10", "Command1", "MAIN", ""},
      {"Form10", "Command2", "EFIS", ""},
      {"Form10", "Command3", "GPS", ""},
      {"Form10", "Command4", "ENGINE", ""},
      {"Form10", "Command5", "ADC", ""},
      {"Form10", "Command6", "HIDE", ""},
      {"Form10", "FilePlaybackMode", "FILE PLAYBACK MODE", ""},
      {"Form10", "iLabelX1", "in Hg", ""},
      {"Form10", "iLabelX2", "RPM", ""},
      {"Form10", "iLabelX3", "QUANTITY", "Fuel Quantity - Gallons"},
      {"Form10", "iLabelX4", "OIL PRES", "Oil Pressure - PSI"},
      {"Form10", "iLabelX7", "OIL TEMP", "Oil Temperature - Deg F"},
      {"Form10", "iLabelX8", "FUEL", ""},
      {"Form10", "iLabelX10", "CHT", "Cylinder Head Temperature - Deg F"},
      {"Form10", "iLabelX11", "EGT", "Exhaust Gas Temperature - Deg F"},
      {"Form10", "CHTLabel_6", "PRES", "Fuel Pressure - PSI"},
      {"Form10", "CHTLabel_7", "VOLTS", ""},
      {"Form10", "CHTLabel_8", "FLOW", "Fuel Flow - Gallons Per Hour"},
      {"Form10", "CHTLabel_9", "AMPS", ""},
      {"Form10", "CHTLabel_10", "LEFT", ""},
      {"Form10", "CHTLabel_11", "RIGHT", ""},
      {"Form10", "ManifoldPressureGuage", "", "Manifold Pressure - Inches of Mecury"},
      {"Form10", "TachGuage", "", ""},
      {"Form11", "Command1", "MAIN", ""},
      {"Form11", "Command2", "EFIS", ""},
      {"Form11", "Command3", "GPS", ""},
      {"Form11", "Command4", "ENGINE", ""},
      {"Form11", "Command5", "MAIN", "Return to MAIN screen"},
      {"Form11", "Command6", "HIDE", ""},
      {"Form11", "Command7", "ADC", ""},
      {"Form11", "AirspeedGuage", "", "Airspeed from GR"},
      {"Form11", "AltitudeGuage", "", "Altitude and Berometer setting from GR"},
      {"Form11", "VertLabel", "VERT", ""},
      {"Form11", "VertSpdMax_0", "2000", ""},
      {"Form11", "VertSpdMid_1", "1000", ""},
      {"Form11", "iLabelX2", "RPM", ""},
      {"Form11", "iLabelX3", "QUANTITY", ""},
      {"Form11", "iLabelX4", "OIL PRES", ""},
      {"Form11", "iLabelX7", "OIL TEMP", ""},
      {"Form11", "iLabelX8", "FUEL", ""},
      {"Form11", "iLabelX10", "CHT", ""},
      {"Form11", "iLabelX11", "EGT", ""},
      {"Form11", "CHTLabel_7", "VOLTS", ""},
      {"Form11", "CHTLabel_8", "FLOW", ""},
      {"form12", "Command1", "MAIN", ""},
      {"form12", "Command2", "EFIS", ""},
      {"form12", "Command3", "GPS", ""},
      {"form12", "Command4", "ENGINE", ""},
      {"form12", "Command5", "MAIN", "Return to MAIN screen"},
      {"form12", "Command6", "HIDE", ""},
      {"form12", "Command7", "ADC", ""},
      {"form12", "AirspeedGuage", "", "Airspeed from GR"},
      {"form12", "AltitudeGuage", "", "Altitude and Berometer setting from GR"},
      {"form12", "Air1", "", "Altitude and Berometer setting from GR"},
      {"form12", "iLabelX3", "QUANTITY", ""},
      {"form12", "iLabelX8", "FUEL", ""},
      {"form12", "CHTLabel_8", "FLOW", ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.screen) + "." + r.object);
    const Control& c = control(r.screen, r.object);
    EXPECT_EQ(c.caption(), r.caption);
    EXPECT_EQ(c.toolTip(), r.toolTip);
  }
  const auto& climb = as<platform::AviationDial>("form12", "Air2");
  EXPECT_EQ(climb.title(), "CLIMB");
  EXPECT_EQ(climb.subtitle(), "100 ft/min");
}

TEST_F(InstrumentScreens, ControlKindsAndArrayBounds) {
  struct Row {
    const char* screen;
    const char* object;
    ControlKind kind;
  };
  const Row rows[] = {
      {"Form8", "Air1", ControlKind::AviationDial},
      {"Form8", "iSlidingCompassX1", ControlKind::SlidingCompass},
      {"Form8", "AirspeedLabel", ControlKind::GaugeLabel},
      {"Form8", "HeadingLabel", ControlKind::GaugeLabel},
      {"Form8", "AltitudeLabel", ControlKind::GaugeLabel},
      {"Form8", "VerticalGs_Label", ControlKind::AnalogDisplay},
      {"Form8", "AOAGuage_Label", ControlKind::AnalogDisplay},
      {"Form8", "VerticalSpeedGuage_Label", ControlKind::AnalogDisplay},
      {"Form8", "VerticalGs", ControlKind::LinearGauge},
      {"Form8", "AOAGuage", ControlKind::LinearGauge},
      {"Form8", "AirspeedGuage", ControlKind::LinearGauge},
      {"Form8", "AltitudeGuage", ControlKind::LinearGauge},
      {"Form8", "VerticalSpeedGuage", ControlKind::LinearGauge},
      {"Form8", "FilePlaybackMode", ControlKind::CommandButton},
      {"Form9", "AirspeedLabel", ControlKind::AnalogDisplay},
      {"Form9", "AltitudeLabel", ControlKind::AnalogDisplay},
      {"Form9", "HeadingLabel", ControlKind::AnalogDisplay},
      {"Form9", "AirspeedGuage", ControlKind::AviationDial},
      {"Form9", "AltitudeGuage", ControlKind::AviationDial},
      {"Form9", "HeadingGuage", ControlKind::AviationDial},
      {"Form9", "DataLatitude", ControlKind::Label},
      {"Form9", "DataLongitude", ControlKind::Label},
      {"Form9", "GPSFixMode", ControlKind::Label},
      {"Form9", "GPSSatsUsed", ControlKind::Label},
      {"Form9", "SatellitesInView", ControlKind::Label},
      {"Form9", "GPSTrackingLight", ControlKind::Shape},
      {"Form9", "SatelliteNumber_0", ControlKind::Label},
      {"Form9", "SatelliteNumber_11", ControlKind::Label},
      {"Form9", "SatelliteStrength_0", ControlKind::LinearGauge},
      {"Form9", "SatelliteStrength_11", ControlKind::LinearGauge},
      {"Form10", "ManifoldPressureGuage", ControlKind::AngularGauge},
      {"Form10", "FuelQtyRightGuage", ControlKind::AngularGauge},
      {"Form10", "AmpsGuage", ControlKind::LinearGauge},
      {"Form10", "CHTGuage_5", ControlKind::LinearGauge},
      {"Form10", "ManifoldPressureLabel", ControlKind::AnalogDisplay},
      {"Form10", "TachLabel", ControlKind::AnalogDisplay},
      {"Form10", "FuelQtyLeftLabel", ControlKind::GaugeLabel},
      {"Form10", "CHTLabel_11", ControlKind::GaugeLabel},
      {"Form10", "EGTLabel_5", ControlKind::GaugeLabel},
      {"Form11", "AirspeedGuage", ControlKind::AviationDial},
      {"Form11", "AltitudeGuage", ControlKind::AviationDial},
      {"Form11", "TachGuage", ControlKind::AngularGauge},
      {"Form11", "OilTempGuage", ControlKind::AngularGauge},
      {"Form11", "VerticalSpeedGuage", ControlKind::LinearGauge},
      {"Form11", "FuelQtyGuage", ControlKind::LinearGauge},
      {"Form11", "CHTGuage_0", ControlKind::LinearGauge},
      {"Form11", "TachLabel", ControlKind::AnalogDisplay},
      {"Form11", "VerticalSpeedLabel", ControlKind::GaugeLabel},
      {"Form11", "CHTLabel_5", ControlKind::GaugeLabel},
      {"Form11", "CHTLabel_8", ControlKind::GaugeLabel},
      {"Form11", "EGTLabel_5", ControlKind::GaugeLabel},
      {"form12", "AirspeedGuage", ControlKind::AviationDial},
      {"form12", "Air2", ControlKind::AviationDial},
      {"form12", "FuelFlowGuage", ControlKind::LinearGauge},
      {"form12", "FuelQtyGuage", ControlKind::LinearGauge},
      {"form12", "FuelFlowLabel", ControlKind::GaugeLabel},
      {"form12", "AltitudeLabel", ControlKind::GaugeLabel},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.screen) + "." + r.object);
    EXPECT_EQ(control(r.screen, r.object).kind(), r.kind);
  }
  // Elements outside the arrays' bounds do not exist.
  const std::pair<const char*, const char*> absent[] = {
      {"Form9", "SatelliteStrength_12"}, {"Form9", "SatelliteNumber_12"}, {"Form10", "CHTGuage_6"},
      {"Form10", "CHTLabel_12"},         {"Form10", "EGTLabel_6"},        {"Form11", "CHTLabel_6"},
      {"Form11", "CHTLabel_9"},          {"Form11", "iLabelX1"},          {"Form8", "VertSpeedLabel_8"},
      {"form12", "CHTLabel_7"}};
  for (const auto& [screenName, objectName] : absent)
    EXPECT_EQ(screen(screenName).findControl(objectName), nullptr) << screenName << "." << objectName;
  auto& grand = dynamic_cast<screens::Form11&>(screen("Form11"));
  EXPECT_THROW(grand.CHTLabel[6], platform::RunError);
  EXPECT_EQ(grand.CHTLabel.size(), 8u);
}

TEST_F(InstrumentScreens, DialModes) {
  using platform::DialMode;
  const std::tuple<const char*, const char*, DialMode> rows[] = {
      {"Form8", "Air1", DialMode::Attitude},           {"Form9", "AirspeedGuage", DialMode::Airspeed},
      {"Form9", "AltitudeGuage", DialMode::Altimeter}, {"Form9", "HeadingGuage", DialMode::Heading},
      {"Form11", "AirspeedGuage", DialMode::Airspeed}, {"Form11", "AltitudeGuage", DialMode::Altimeter},
      {"form12", "AirspeedGuage", DialMode::Airspeed}, {"form12", "AltitudeGuage", DialMode::Altimeter},
      {"form12", "Air1", DialMode::Altimeter},         {"form12", "Air2", DialMode::Climb}};
  for (const auto& [screenName, objectName, mode] : rows)
    EXPECT_EQ(as<platform::AviationDial>(screenName, objectName).mode(), mode)
        << screenName << "." << objectName;
  // The horizon's normal colour is the one the stale flash restores.
  EXPECT_EQ(as<platform::AviationDial>("Form8", "Air1").displayColor(), color::LightAqua);
}

TEST_F(InstrumentScreens, GaugeScalesAndBandsAsDesigned) {
  constexpr OleColor R = color::Red, Y = color::Yellow, G = color::Green, S = 0x408000;
  struct Row {
    const char* screen;
    const char* object;
    double min, max;
    std::vector<OleColor> colors;
    std::vector<double> ends;
    bool reversed;
  };
  const Row rows[] = {
      // No colour until the set-up applies the typed colour words.
      {"Form8", "AirspeedGuage", -15, 15, {0, 0, 0, 0, 0}, {60, 80, 140, 210}, false},
      {"Form8", "AltitudeGuage", -1000, 1000, {}, {}, false},
      {"Form8", "VerticalSpeedGuage", -2000, 2000, {}, {}, false},
      {"Form8", "VerticalGs", -2, 5, {}, {}, false},
      {"Form8", "AOAGuage", 15, 40, {}, {}, false},
      {"Form10", "ManifoldPressureGuage", 0, 30, {S, Y, R}, {28, 29}, false},
      {"Form10", "TachGuage", 0, 3000, {S, Y, G, Y, R}, {2100, 2200, 2650, 2700}, false},
      {"Form10", "OilPresGuage", 0, 100, {R, Y, G, Y, R}, {15, 25, 80, 99}, false},
      {"Form10", "OilTempGuage", 0, 300, {R, Y, G, Y, R}, {60, 120, 260, 280}, true},
      {"Form10", "VoltageGuage", 0, 20, {R, Y, G, Y, R}, {9, 12, 16, 18}, false},
      {"Form10", "AmpsGuage", -60, 60, {R, Y, G, Y, R}, {-2, 2, 50, 55}, false},
      {"Form10", "FuelPresGuage", 0, 10, {R, Y, G, Y, R}, {2, 3, 9, 9}, false},
      {"Form10", "FuelFlowGuage", 0, 15, {R, Y, G, Y, R}, {1, 2, 14, 14}, false},
      {"Form10", "FuelQtyLeftGuage", 0, 25, {R, Y, G}, {4, 8}, false},
      {"Form10", "FuelQtyRightGuage", 0, 25, {R, Y, G}, {4, 8}, true},
      {"Form10", "CHTGuage_0", 0, 100, {}, {}, false},
      {"Form11", "VerticalSpeedGuage", -2000, 2000, {}, {}, false},
      {"Form11", "TachGuage", 0, 3000, {S, Y, G, Y, R}, {2100, 2200, 2650, 2700}, false},
      {"Form11", "OilPresGuage", 0, 100, {R, Y, G, Y, R}, {15, 25, 80, 99}, false},
      {"Form11", "OilTempGuage", 0, 300, {R, Y, G, Y, R}, {60, 120, 260, 280}, true},
      {"Form11", "VoltageGuage", 0, 20, {R, Y, G, Y, R}, {9, 12, 16, 18}, false},
      {"Form11", "FuelFlowGuage", 0, 15, {R, Y, G, Y, R}, {1, 2, 14, 14}, false},
      {"Form11", "FuelQtyGuage", 0, 15, {R, Y, G}, {1, 2}, false},
      {"Form11", "CHTGuage_5", 0, 100, {}, {}, false},
      {"form12", "FuelFlowGuage", 0, 15, {R, Y, G, Y, R}, {1, 2, 14, 14}, false},
      {"form12", "FuelQtyGuage", 0, 15, {R, Y, G}, {1, 2}, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.screen) + "." + r.object);
    const auto& g = as<platform::ScaledGauge>(r.screen, r.object);
    EXPECT_EQ(g.positionMin(), r.min);
    EXPECT_EQ(g.positionMax(), r.max);
    EXPECT_EQ(g.reverseScale(), r.reversed);
    ASSERT_EQ(g.sectionCount(), static_cast<int>(r.colors.size()));
    for (std::size_t i = 0; i < r.colors.size(); ++i)
      EXPECT_EQ(g.sectionColor(static_cast<int>(i) + 1), r.colors[i]);
    for (std::size_t i = 0; i < r.ends.size(); ++i)
      EXPECT_EQ(g.sectionEnd(static_cast<int>(i) + 1), r.ends[i]);
  }
}

TEST_F(InstrumentScreens, CylinderBarsFillWithColourAndReadoutsKeepTheirDecimals) {
  for (const char* name : {"Form10", "Form11"}) {
    for (int i = 0; i <= 5; ++i) {
      const auto& bar = as<platform::LinearGauge>(name, "CHTGuage_" + std::to_string(i));
      EXPECT_EQ(bar.pointerStyle(), platform::PointerStyle::ColorBar) << name << " cylinder " << i + 1;
      EXPECT_FALSE(bar.additionalPointerVisible(1));
      EXPECT_FALSE(bar.additionalPointerVisible(2));
    }
  }
  const std::tuple<const char*, const char*, int, const char*> readouts[] = {
      {"Form8", "VerticalGs_Label", 1, ""},
      {"Form8", "AOAGuage_Label", 1, ""},
      {"Form8", "VerticalSpeedGuage_Label", 1, "Ft/m"},
      {"Form9", "HeadingLabel", 0, " Deg"},
      {"Form10", "ManifoldPressureLabel", 2, ""},
      {"Form10", "TachLabel", 0, ""},
      {"Form11", "TachLabel", 0, ""}};
  for (const auto& [screenName, objectName, precision, units] : readouts) {
    SCOPED_TRACE(std::string(screenName) + "." + objectName);
    const auto& d = as<platform::AnalogDisplay>(screenName, objectName);
    EXPECT_EQ(d.precision(), precision);
    EXPECT_EQ(d.unitsText(), units);
    EXPECT_EQ(d.displayColor(), color::Aqua);
  }
}

TEST_F(InstrumentScreens, SatelliteBarsSitInTheirFrameInOrder) {
  auto& gps = dynamic_cast<screens::Form9&>(screen("Form9"));
  for (int i = 0; i <= 11; ++i) {
    EXPECT_EQ(gps.SatelliteStrength[i].container(), &gps.Frame1);
    EXPECT_EQ(gps.SatelliteNumber[i].container(), &gps.Frame1);
    if (i > 0) {
      EXPECT_GT(gps.SatelliteStrength[i].left(), gps.SatelliteStrength[i - 1].left());
    }
  }
  EXPECT_EQ(gps.GPSTrackingLight.shape(), platform::ShapeType::Circle);
}

}  // namespace
