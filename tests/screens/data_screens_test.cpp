// Structure of the engine data and GPS sentence screens: names, layout,
// option groups, design captions and the sky plot geometry.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/virtual_scheduler.h"
#include "screens/form20.h"
#include "screens/form21.h"
#include "screens/form4.h"
#include "screens/form5.h"

namespace {

using platform::Control;
using platform::ControlKind;
using platform::Screen;

struct Rect {
  int left, top, right, bottom;
};

Rect rectOf(const Control& c) {
  return {c.left(), c.top(), c.left() + c.width(), c.top() + c.height()};
}

bool overlaps(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Shown when it and every container above it are visible.
bool shown(const Control& c) {
  for (const Control* p = &c; p; p = p->container())
    if (!p->visible()) return false;
  return true;
}

class DataScreens : public ::testing::Test {
 protected:
  platform::VirtualScheduler scheduler;
  screens::Form4 form4{scheduler};
  screens::Form5 form5{scheduler};
  screens::form20 form20{scheduler};
  screens::form21 form21{scheduler};

  std::vector<Screen*> all() { return {&form4, &form5, &form20, &form21}; }

  Control& find(Screen& s, const std::string& name) {
    Control* c = s.findControl(name);
    if (!c) throw std::runtime_error(s.name() + " has no control " + name);
    return *c;
  }
};

TEST_F(DataScreens, ObjectNamesAreUniqueOnEachScreen) {
  for (Screen* s : all()) {
    std::set<std::string> seen;
    for (const Control* c : s->controls())
      EXPECT_TRUE(seen.insert(c->objectName()).second) << s->name() << ": " << c->objectName() << " twice";
  }
}

TEST_F(DataScreens, EveryControlLiesInsideItsContainerAndTheScreen) {
  for (Screen* s : all()) {
    for (const Control* c : s->controls()) {
      const Control* box = c->container();
      int width = s->width(), height = s->height();
      if (box) {
        EXPECT_EQ(box->screen(), s) << c->objectName();
        EXPECT_EQ(box->kind(), ControlKind::Frame) << c->objectName() << " sits in a non-frame";
        EXPECT_EQ(box->container(), nullptr) << "frames sit on the screen itself";
        width = box->width();
        height = box->height();
      }
      const Rect r = rectOf(*c);
      EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height)
          << s->name() << "." << c->objectName() << " at " << r.left << "," << r.top << " to " << r.right
          << "," << r.bottom << " outside " << width << "x" << height;
      if (c->kind() == ControlKind::Line) {
        const auto& line = static_cast<const platform::Line&>(*c);
        for (auto [x, y] : {std::pair{line.x1(), line.y1()}, std::pair{line.x2(), line.y2()}})
          EXPECT_TRUE(x >= 0 && y >= 0 && x <= width && y <= height) << c->objectName();
      }
    }
  }
}

TEST_F(DataScreens, ShownControlsDoNotOverlapTheirNeighbours) {
  // The sky plot is drawn in layers on purpose: background, compass points and markers.
  const std::set<std::string> plotLayer = {"Shape1",  "Shape2",  "Shape3",  "Line1",  "Line2",
                                           "Label34", "Label35", "Label36", "Label37"};
  for (Screen* s : all()) {
    const auto& cs = s->controls();
    for (std::size_t i = 0; i < cs.size(); ++i) {
      for (std::size_t j = i + 1; j < cs.size(); ++j) {
        const Control& a = *cs[i];
        const Control& b = *cs[j];
        if (a.container() != b.container() || !shown(a) || !shown(b)) continue;
        if (s == &form21 && plotLayer.count(a.objectName()) && plotLayer.count(b.objectName())) continue;
        EXPECT_FALSE(overlaps(rectOf(a), rectOf(b)))
            << s->name() << ": " << a.objectName() << " and " << b.objectName();
      }
    }
  }
}

TEST_F(DataScreens, SatelliteDisplayOptionsFormOneGroupOfTheirOwn) {
  Control* box = form21.SatDisplay[0].container();
  ASSERT_NE(box, nullptr);
  for (const Control* c : form21.controls())
    if (c->kind() == ControlKind::OptionButton && c->container() == box) {
      EXPECT_EQ(c->name(), "SatDisplay");
    }
  for (Screen* s :
       {static_cast<Screen*>(&form4), static_cast<Screen*>(&form5), static_cast<Screen*>(&form20)})
    for (const Control* c : s->controls()) EXPECT_NE(c->kind(), ControlKind::OptionButton) << c->objectName();

  EXPECT_TRUE(form21.SatDisplay[0].value()) << "pictures by signal strength at design";
  for (int pick : {2, 1, 0}) {
    form21.SatDisplay[pick].click();
    for (int i = 0; i <= 2; ++i) EXPECT_EQ(form21.SatDisplay[i].value(), i == pick) << pick << "/" << i;
  }
}

TEST_F(DataScreens, DesignCaptionsAndToolTips) {
  struct Row {
    Screen* screen;
    const char* name;
    const char* caption;
    const char* toolTip;  // nullptr: not checked
  };
  const Row rows[] = {
      {&form4, "Frame1", "", nullptr},
      {&form4, "Frame2", "FUEL", nullptr},
      {&form4, "Frame3", "MISC", nullptr},
      {&form4, "FILE_OPS", "FILES", nullptr},
      {&form4, "Label1", "ENTRY TIME", nullptr},
      {&form4, "Label3", "MAN PRES", nullptr},
      {&form4, "Label8", "HOBBS TIME", nullptr},
      {&form4, "Label9", "TACH TIME", nullptr},
      {&form4, "Label10", "CHT", nullptr},
      {&form4, "Label11", "EGT", nullptr},
      {&form4, "Label17", "6", nullptr},
      {&form4, "Label22", "REMAIN", nullptr},
      {&form4, "Label26", "Temp", nullptr},
      {&form4, "Label33", "RECORD #    OF     RECORDS", nullptr},
      {&form4, "Label34", "Length", nullptr},
      {&form4, "EMSTime", "", "Time from EMS"},
      {&form4, "HobbsTime", "", "Time from EMS"},
      {&form4, "TachTime", "", "Time from EMS"},
      {&form4, "EMSManPres", "", ""},
      {&form4, "RecordLength", "0", "Record Length (how many characters in this record)"},
      {&form4, "RecordPointer", "0", "Current Record displayed"},
      {&form4, "RecordCount", "0", ""},
      {&form4, "FastSpeedButton", "FAST", ""},
      {&form4, "MedSpeedButton", "PLAYBACK SPEED", ""},
      {&form4, "StopSpeedButton", "STOP", ""},
      {&form4, "Command1", "RETURN", ""},
      {&form4, "Command4", "ENGINE INSTRUMENTS", "Click to view the EFIS Screen"},

      {&form5, "Frame1", "FLIGHT", nullptr},
      {&form5, "Frame2", "ENGINE", nullptr},
      {&form5, "Frame3", "FUEL", nullptr},
      {&form5, "Frame4", "MISC", nullptr},
      {&form5, "Label1", "OAT TEMP", nullptr},
      {&form5, "Label12", "FLIGHT", nullptr},
      {&form5, "Label16", "TIME", nullptr},
      {&form5, "Label20", "RPM 1", nullptr},
      {&form5, "Label24", "COOLANT", nullptr},
      {&form5, "Label33", "HEADER", nullptr},
      {&form5, "Label39", "AUX 6", nullptr},
      {&form5, "GROAT", "", "Outside Air Temp"},
      {&form5, "GRROC", "", "Rate Of Climb"},
      {&form5, "GRBaroSetting", "", "Barometer setting in inches xx.xx"},
      {&form5, "GRUnitTemperature", "", "Internal temperature of GR Unit"},
      {&form5, "GRAirspeed", "", "Airspeed in units from GR"},
      {&form5, "GRAltitude", "", "Altitude in Feet  "},
      {&form5, "GRTime", "", "Flight Timer"},
      {&form5, "GRHourMeter", "", "Hour Meter X.X"},
      {&form5, "GROilTemp", "", "Oil Temperature"},
      {&form5, "GROilPres", "", "Oil Pressure"},
      {&form5, "GRRPM1", "", "Tachometer"},
      {&form5, "GRRPM2", "", "Tachometer"},
      {&form5, "GRCarbTemp", "", "Carb Temperature"},
      {&form5, "GRVoltage", "", "Volt Meter"},
      {&form5, "GRCoolantTemp", "", "Coolant Temperature"},
      {&form5, "GRCHT1", "", ""},
      {&form5, "GREGT6", "", ""},
      {&form5, "GRFuelFlow", "", "Fuel flow"},
      {&form5, "GRFuelQuantity", "", "Fuel remaining"},
      {&form5, "GRTimeRemaining", "", "Time remaining until fuel exhausted"},
      {&form5, "HeaderType", "",
       "Data Stream 3 character Header - Used to identify version information.   BRIGHT GREEN - Receiving "
       "Comm data"},
      {&form5, "GRAux4", "", ""},
      {&form5, "Command1", "RETURN", "Return to main unit"},
      {&form5, "Command4", "ENGINE INSTRUMENTS", "Click to view the EFIS Screen"},

      {&form20, "Frame1", "$PGRMP -  Fix Data Sentance", nullptr},
      {&form20, "Frame2", "$PGRME - Estimated Error Information", nullptr},
      {&form20, "Frame3", "$PGRMZ - Altitude Data", nullptr},
      {&form20, "Frame4", "$PGRMV - 3D Velocity Information", nullptr},
      {&form20, "Frame5", "$PGRMH - Aviation Height and VNAV Data", nullptr},
      {&form20, "Frame6", "$PGRMM - Map Datum", nullptr},
      {&form20, "Frame7", "$PGRMB - DGPS Beacon Information", nullptr},
      {&form20, "Frame8", "$PGRMT - Sensor Status Information", nullptr},
      {&form20, "Command1", "GPS NMEA-0183", nullptr},
      {&form20, "ShowGPSInstrumentsScreen", "GPS INSTRUMENTS", nullptr},
      {&form20, "ReturnButton", "RETURN", "Return to main unit"},

      {&form21, "Frame1", "$GPGGA - Essential Fix Data Sentance", nullptr},
      {&form21, "Frame2", "$GPRMC - Essential Fix Data Sentance", nullptr},
      {&form21, "Frame3", "$GPGSA - DOP and Active Satellites", nullptr},
      {&form21, "Frame4", "$GPVTG - Velocity Made Good", nullptr},
      {&form21, "Frame5", "$GPBOD - Bearing - Origin to Destination", nullptr},
      {&form21, "GPSSVFrame", "$GPGSV - Vehicle Status", nullptr},
      {&form21, "Label1", "SV # Used", nullptr},
      {&form21, "Label25", "Geoid Height", nullptr},
      {&form21, "SatDisplay_0", "SNR #", nullptr},
      {&form21, "SatDisplay_1", "SAT #", nullptr},
      {&form21, "SatDisplay_2", "FIX", nullptr},
      {&form21, "GPS_SV_Number_0", "00", nullptr},
      {&form21, "GPS_SV_Number_49", "49", nullptr},
      {&form21, "Command1", "GARMIN SENTENCE", nullptr},
      {&form21, "ShowGPSInstrumentsScreen", "GPS INSTRUMENTS", nullptr},
      {&form21, "ReturnButton", "RETURN", "Return to main unit"},
  };
  for (const Row& r : rows) {
    Control& c = find(*r.screen, r.name);
    EXPECT_EQ(c.caption(), r.caption) << r.screen->name() << "." << r.name;
    if (r.toolTip) {
      EXPECT_EQ(c.toolTip(), r.toolTip) << r.screen->name() << "." << r.name;
    }
  }
  EXPECT_EQ(form4.caption(), "DYNON EMS 10");
  EXPECT_EQ(form5.caption(), "GRAND RAPIDS 4000 / 6000");
  EXPECT_EQ(form20.caption(), "GPS GARMIN SENTENCE");
  EXPECT_EQ(form21.caption(), "GPS STANDARD NMEA SENTENCE");
}

// The decoders, the recorder, the export and the supervisor find these by
// name; each must be there with its kind and, for values, start empty.
TEST_F(DataScreens, ValueLabelsAndLampsExistByNameAndStartEmpty) {
  auto expand = [](std::vector<std::string> names, const std::string& stem, int from, int to) {
    for (int i = from; i <= to; ++i) names.push_back(stem + std::to_string(i));
    return names;
  };
  struct Group {
    Screen* screen;
    std::vector<std::string> names;
    ControlKind kind;
  };
  std::vector<std::string> dynon = {"EMSTime",     "EMSRPM",       "EMSManPres",   "EMSOilTemp",
                                    "EMSOilPres",  "EMSVoltage",   "EMSAmps",      "EMSFuelPressure",
                                    "EMSFuelFlow", "EMSQuantity1", "EMSQuantity2", "EMSFuelRemaining",
                                    "EMSGP1",      "EMSGP2",       "EMSGP3",       "EMSGPThermocouple",
                                    "HobbsTime",   "TachTime",     "DataFileName"};
  dynon = expand(expand(dynon, "EMSEGT", 1, 6), "EMSCHT", 1, 6);
  std::vector<std::string> gr = {"HeaderType",      "GRTime",     "GRHourMeter",       "GROilTemp",
                                 "GROilPres",       "GRCarbTemp", "GRCoolantTemp",     "GRRPM1",
                                 "GRRPM2",          "GRVoltage",  "GRFuelQuantity",    "GRFuelFlow",
                                 "GRTimeRemaining", "GRAirspeed", "GRAltitude",        "GRROC",
                                 "GRBaroSetting",   "GROAT",      "GRUnitTemperature", "DataFileName"};
  gr = expand(expand(expand(gr, "GREGT", 1, 6), "GRCHT", 1, 6), "GRAux", 1, 6);
  const Group groups[] = {
      {&form4, dynon, ControlKind::Label},
      {&form4, expand({"EMS_CommOK", "DataParseCorrectly"}, "EMS_Contact_", 0, 7), ControlKind::Shape},
      {&form4, {"DataPointerSlider", "PlaybackSpeed"}, ControlKind::Slider},
      {&form5, gr, ControlKind::Label},
      {&form5, {"GRValidHeader"}, ControlKind::Shape},
      {&form5, {"DataPointerSlider"}, ControlKind::Slider},
      {&form20,
       {"GPSHorizontalError",
        "GPSVerticalError",
        "GPSPositionError",
        "GPSWeekNumber",
        "GPSSecondsNumber",
        "GPSUTCDate",
        "GPSUTCTime",
        "GPSLeapSecondCount",
        "GPSLatitude",
        "GPSHemisphereNS",
        "GPSLongitude",
        "GPSHemisphereEW",
        "GPSMode",
        "GPSFixType",
        "GPSSpeed",
        "GPSCourse",
        "GPSPDP",
        "GPSTDP",
        "GPSMapDatum",
        "GPSDataStatus",
        "GPSVerticalSpeed",
        "GPSProfileError",
        "GPSVertSpeedToTarget",
        "GPSVertSpeedToWayPoint",
        "GPSEstAGL",
        "GPSDesiredTrack",
        "GPSNextTrack",
        "GPS_Model",
        "GPSSensorTemperature",
        "GPSEastVelocity",
        "GPSNorthVelocity",
        "GPSUpVelocity",
        "GPSAltitude",
        "GPSAltitudeFixType",
        "GPSBeaconFreq",
        "GPSBeaconBitRate",
        "GPSBeaconSNR",
        "GPSBeaconDataQuality",
        "GPSBeaconDistance",
        "GPSBeaconStatus",
        "GPSBeaconSource",
        "GPSBeaconMode"},
       ControlKind::Label},
      {&form20,
       {"LightROMChecksum", "LightReceiver", "LightStored", "LightClock", "LightOscDrift",
        "LightDataCollection", "LightConfiguration", "ComOK_PGRME", "ComOK_PGRMP", "ComOK_PGRMM",
        "ComOK_PGRMH", "ComOK_PGRMV", "ComOK_PGRMZ", "ComOK_PGRMB"},
       ControlKind::Shape},
      {&form21,
       {"GPGGAFixTime",
        "GPGGALatitude",
        "GPGGALongitude",
        "GPGGAFixType",
        "GPGGASatelliteTracked",
        "GPGGAHorizonDilution",
        "GPGGAAltitude",
        "GPGGAGeoidHeight",
        "GPRMCFixTime",
        "GPRMCStatus",
        "GPRMCLatitude",
        "GPRMCLongitude",
        "GPRMCSpeed",
        "GPRMCTrack",
        "GPRMCFixDate",
        "GPRMCMagVariation",
        "GPVTG_TrueTrack",
        "GPVTG_MagneticTrack",
        "GPVTG_SpeedKnots",
        "GPVTG_SpeedKPH",
        "GPBODTrue",
        "GPBODMagnetic",
        "GPBODStartWaypoint",
        "GPBODDestWaypoint",
        "GPGSVSentenances",
        "GPGSVNumberSatellites",
        "GPSPDOP",
        "GPSVerticalDilution_GPGSA",
        "GPSHorizonDilution_GPGSA",
        "GPGSA_Fix",
        "GPGSA_Selection",
        "GPSPRNUsed"},
       ControlKind::Label},
      {&form21,
       {"ComOK_GPGGA", "ComOK_GPRMC", "ComOK_GPVTG", "ComOK_GPGSV", "ComOK_GPBOD", "ComOK_GPGSA"},
       ControlKind::Shape},
  };
  for (const Group& g : groups) {
    for (const std::string& name : g.names) {
      Control& c = find(*g.screen, name);
      EXPECT_EQ(c.kind(), g.kind) << g.screen->name() << "." << name;
      if (g.kind == ControlKind::Label) {
        EXPECT_EQ(c.caption(), "") << g.screen->name() << "." << name;
      }
    }
  }
}

TEST_F(DataScreens, LampsStartDarkAndTheParseLampGreen) {
  for (auto& lamp : form4.EMS_Contact) EXPECT_EQ(lamp.fillColor(), platform::color::Green);
  EXPECT_EQ(form4.DataParseCorrectly.fillColor(), platform::color::BrightGreen);
  // The link lights show their back colour, which the supervisor copies in.
  for (const platform::Shape* s : {&form4.EMS_CommOK, &form5.GRValidHeader}) {
    EXPECT_EQ(s->fillStyle(), 1) << s->name();
    EXPECT_TRUE(s->opaque()) << s->name();
  }
  for (const Screen* s : {static_cast<Screen*>(&form20), static_cast<Screen*>(&form21)})
    for (const Control* c : s->controls())
      if (c->kind() == ControlKind::Shape && c->name().rfind("Shape", 0) != 0) {
        EXPECT_EQ(static_cast<const platform::Shape*>(c)->fillColor(), platform::color::Green) << c->name();
      }
}

TEST_F(DataScreens, EnginePlayerStartsStoppedAndHidden) {
  EXPECT_FALSE(form4.PlaybackSpeedTimer.enabled());
  EXPECT_FALSE(form4.PlaybackSpeedTimer.active());
  EXPECT_EQ(form4.PlaybackSpeed.min(), 0);
  EXPECT_EQ(form4.PlaybackSpeed.max(), 10);
  EXPECT_EQ(form4.PlaybackSpeed.value(), 0);
  EXPECT_EQ(form4.PlaybackSpeed.smallChange(), 1);
  EXPECT_EQ(form4.DataPointerSlider.min(), 0);
  EXPECT_EQ(form5.DataPointerSlider.min(), 0);
  // The built-in engine source is the port, under which the player is hidden.
  EXPECT_FALSE(form4.FILE_OPS.visible());
  for (const Control* c : std::initializer_list<const Control*>{
           &form4.DataFileName, &form4.RecordLength, &form4.DataParseCorrectly, &form4.DataPointerSlider,
           &form4.RecordPointer, &form4.RecordCount, &form4.PlaybackSpeed, &form4.FastSpeedButton,
           &form4.MedSpeedButton, &form4.StopSpeedButton, &form4.Label33, &form4.Label34})
    EXPECT_EQ(c->container(), &form4.FILE_OPS) << c->name();
  EXPECT_EQ(form4.Command1.container(), nullptr) << "RETURN stays on view with the player hidden";
  scheduler.advance(5000);  // a disabled timer never ticks
}

// The GPS decoder places a marker's corner at
//   1515 + 14.17 r cos(a) - 120, 1635 + 14.17 r sin(a) - 120
// with r = 90 - elevation and a = azimuth - 90 degrees, in the satellites
// frame's coordinates. Every such place must be on the plot and clear of the
// frame's other controls.
TEST_F(DataScreens, SkyPlotFitsTheMarkerGeometry) {
  const Control& frame = form21.GPSSVFrame;
  const platform::Shape& horizon = form21.Shape1;
  ASSERT_EQ(horizon.container(), &frame);
  EXPECT_EQ(horizon.left() + horizon.width() / 2, 1395 + 120);
  EXPECT_EQ(horizon.top() + horizon.height() / 2, 1515 + 120);
  EXPECT_NEAR(horizon.width() / 2.0, 1275.3, 1.0);
  EXPECT_EQ(horizon.width(), horizon.height());

  // Later controls draw on top: the background comes before the compass
  // points, and both before the markers.
  const auto& cs = form21.controls();
  auto position = [&cs](const Control* c) { return std::find(cs.begin(), cs.end(), c) - cs.begin(); };
  for (const Control* layer : std::initializer_list<const Control*>{
           &form21.Shape1, &form21.Shape2, &form21.Shape3, &form21.Line1, &form21.Line2}) {
    for (const Control* above : std::initializer_list<const Control*>{
             &form21.Label34, &form21.Label35, &form21.Label36, &form21.Label37, &form21.Sat_Green[0],
             &form21.GPS_SV_Number[0]})
      EXPECT_LT(position(layer), position(above)) << layer->name() << " over " << above->objectName();
  }

  std::vector<const Control*> others;
  for (const Control* c : cs)
    if (c->container() == &frame && c->visible() && c->kind() != ControlKind::Shape &&
        c->kind() != ControlKind::Line && c->name() != "Sat_Green" && c->name() != "GPS_SV_Number" &&
        c->objectName() != "Label34" && c->objectName() != "Label35" && c->objectName() != "Label36" &&
        c->objectName() != "Label37")
      others.push_back(c);
  others.push_back(&form21.ComOK_GPGSV);
  ASSERT_GE(others.size(), 8u);

  const int markerWidth = form21.Sat_Green[1].width(), markerHeight = form21.Sat_Green[1].height();
  EXPECT_EQ(form21.GPS_SV_Number[1].width(), 220);
  for (int elevation : {0, 30, 60, 90}) {
    for (int azimuth = 0; azimuth < 360; azimuth += 15) {
      const double r = 90 - elevation;
      const double a = (azimuth - 90) * 0.0174532925199433;
      const int left = static_cast<int>(std::lround(1515 + 14.17 * r * std::cos(a) - 120));
      const int top = static_cast<int>(std::lround(1635 + 14.17 * r * std::sin(a) - 120));
      const Rect marker{left, top, left + std::max(markerWidth, 220), top + markerHeight};
      EXPECT_TRUE(marker.left >= 0 && marker.top >= 0 && marker.right <= frame.width() &&
                  marker.bottom <= frame.height())
          << "elevation " << elevation << " azimuth " << azimuth;
      for (const Control* c : others)
        EXPECT_FALSE(overlaps(marker, rectOf(*c)))
            << c->objectName() << " under elevation " << elevation << " azimuth " << azimuth;
    }
  }
  // At rest every marker is hidden on the zenith.
  for (auto& m : form21.Sat_Green) {
    EXPECT_FALSE(m.visible());
    EXPECT_EQ(m.left(), 1395);
    EXPECT_EQ(m.top(), 1515);
  }
  EXPECT_EQ(form21.Sat_Green.lbound(), 0);
  EXPECT_EQ(form21.Sat_Green.ubound(), 50);
  EXPECT_EQ(form21.GPS_SV_Number.ubound(), 49);
}

}  // namespace
