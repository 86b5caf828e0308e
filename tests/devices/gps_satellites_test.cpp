// Satellites in view: the signal bars of the GPS instruments, the satellite
// table and the sky plot, drawn one cycle late.

#include <filesystem>
#include <string>
#include <string_view>

#include "devices/devices.h"
#include "devices/gps_decoder.h"
#include "platform/numbers.h"
#include "screens/form21.h"
#include "screens/form9.h"
#include "screens/screen_setups.h"
#include "screens/screens.h"
#include "support/test_platform.h"

namespace {

// A cycle of three sentences, nine satellites. Positions in twips, by
//   left = 1515 + 14.17 (90 - elev) cos(az - 90) - 120
//   top  = 1635 + 14.17 (90 - elev) sin(az - 90) - 120, halves to even:
//   sat elev  az  SNR   left  top   picture
//    01   40  083  46   2098  1429  green
//    02   17  308  41    580   878  green
//    12   07  344  39   1071   384  green
//    14   22  228  45    679  2160  green
//    15   90  000  35   1395  1515  yellow (35 is not above 35)
//    16   00  180  10   1395  2790  red    (10 is not above 10)
//    20   45  135  ""   1846  1966  red
//    21   60  300  36   1027  1302  green
//    25   13  062  ""   2358  1003  red
constexpr std::string_view kCycleA[] = {
    "$GPGSV,3,1,09,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75",
    "$GPGSV,3,2,09,15,90,000,35,16,00,180,10,20,45,135,,21,60,300,36*00",
    "$GPGSV,3,3,09,25,13,062,*41",
};
// Sat 01 at elev 41 az 084: left 2086, top 1442; sat 30 at 05, 010: 1604, 329.
constexpr std::string_view kCycleB = "$GPGSV,1,1,02,01,41,084,47,30,05,010,20*70";
constexpr std::string_view kNoSatellites = "$GPGSV,1,1,00*79";

struct Marker {
  int sat;
  int left;
  int top;
  const char* colour;  // picture name part
};
constexpr Marker kCycleAMarkers[] = {
    {1, 2098, 1429, "GREEN"}, {2, 580, 878, "GREEN"},     {12, 1071, 384, "GREEN"},
    {14, 679, 2160, "GREEN"}, {15, 1395, 1515, "YELLOW"}, {16, 1395, 2790, "RED"},
    {20, 1846, 1966, "RED"},  {21, 1027, 1302, "GREEN"},  {25, 2358, 1003, "RED"},
};

class GpsSatellitesTest : public testsupport::AppTest {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(programDir.file("photo"));
    for (const char* c : {"GREEN", "YELLOW", "RED"}) testsupport::writeFile(picture(c), "BM");
    app->SentenceDataAge.fill(10);
  }
  void feed(std::string_view line) {
    app->GPSLine = line;
    app->devices().gps().ParseGPSSentence();
  }
  void feedCycleA() {
    for (std::string_view s : kCycleA) feed(s);
  }
  std::string picture(const std::string& colour) const {
    return programDir.file("photo/GPS_" + colour + "_Small.bmp");
  }
  // Every satellite marker's visibility, as 49 characters "0"/"1".
  std::string visiblePictures() {
    std::string v;
    for (int i = 1; i <= 49; ++i) v += f21().Sat_Green[i].visible() ? '1' : '0';
    return v;
  }
  std::string visibleNumbers() {
    std::string v;
    for (int i = 1; i <= 49; ++i) v += f21().GPS_SV_Number[i].visible() ? '1' : '0';
    return v;
  }
  static std::string only(std::initializer_list<int> sats) {
    std::string v(49, '0');
    for (int s : sats) v[static_cast<std::size_t>(s - 1)] = '1';
    return v;
  }
  screens::Form9& f9() { return app->form9(); }
  screens::form21& f21() { return app->form21(); }
  const devices::GpsDecoder& gps() { return app->devices().gps(); }
};

TEST_F(GpsSatellitesTest, CycleFillsBarsAndTableButDrawsNothingYet) {
  app->instruments().setups().initializeDisplay();
  feedCycleA();

  const char* numbers[] = {"01", "02", "12", "14", "15", "16", "20", "21", "25"};
  const double strengths[] = {46, 41, 39, 45, 35, 10, 0, 36, 0};
  for (int bar = 0; bar < 9; ++bar) {
    EXPECT_EQ(f9().SatelliteNumber[bar].caption(), numbers[bar]);
    EXPECT_DOUBLE_EQ(f9().SatelliteStrength[bar].position(), strengths[bar]);
  }
  EXPECT_EQ(f9().SatelliteStrength[0].toolTip(), "SV=01  SNR=46   ELEV=40   AZ=083");
  EXPECT_EQ(f9().SatelliteStrength[6].toolTip(), "SV=20  SNR=   ELEV=45   AZ=135");
  EXPECT_EQ(f9().SatelliteStrength[8].toolTip(), "SV=25  SNR=   ELEV=13   AZ=062");
  EXPECT_EQ(f9().SatelliteNumber[9].caption(), "");
  EXPECT_EQ(gps().SatelliteBarIndex(), 9);

  EXPECT_EQ(f21().GPGSVSentenances.caption(), " 3");
  EXPECT_EQ(f21().GPGSVNumberSatellites.caption(), "09");
  EXPECT_EQ(f9().SatellitesInView.caption(), "09");
  EXPECT_EQ(app->SentenceDataAge[kGPGSV], 4);

  // Stored for the next drawing, not yet shown.
  for (const Marker& m : kCycleAMarkers) {
    const auto i = static_cast<std::size_t>(m.sat);
    EXPECT_TRUE(gps().SatActive()[i]) << m.sat;
    EXPECT_EQ(gps().SatLeft()[i], m.left) << m.sat;
    EXPECT_EQ(gps().SatTop()[i], m.top) << m.sat;
  }
  EXPECT_EQ(gps().SatToolTip()[25], "SV=25  SNR=   ELEV=13   AZ=062");
  EXPECT_EQ(visiblePictures(), only({}));
}

TEST_F(GpsSatellitesTest, NextCycleDrawsThePreviousOneWithPicturesBySignal) {
  app->instruments().setups().initializeDisplay();
  feedCycleA();
  feed(kCycleB);

  EXPECT_EQ(visiblePictures(), only({1, 2, 12, 14, 15, 16, 20, 21, 25}));
  for (const Marker& m : kCycleAMarkers) {
    const platform::Image& marker = f21().Sat_Green[m.sat];
    EXPECT_EQ(marker.left(), m.left) << m.sat;
    EXPECT_EQ(marker.top(), m.top) << m.sat;
    EXPECT_EQ(marker.picture(), picture(m.colour)) << m.sat;
  }
  // Satellite 01 is drawn where cycle A saw it, with cycle A's tool tip.
  EXPECT_EQ(f21().Sat_Green[1].toolTip(), "SV=01  SNR=46   ELEV=40   AZ=083");
  // The number markers are the other kind: left as they were.
  EXPECT_EQ(visibleNumbers(), only({}));

  // The new cycle starts at bar 0.
  EXPECT_EQ(f9().SatelliteNumber[0].caption(), "01");
  EXPECT_EQ(f9().SatelliteNumber[1].caption(), "30");
  EXPECT_EQ(f9().SatelliteStrength[0].toolTip(), "SV=01  SNR=47   ELEV=41   AZ=084");
  EXPECT_EQ(f9().SatelliteNumber[2].caption(), "12");  // from cycle A, not refreshed
  EXPECT_EQ(gps().SatelliteBarIndex(), 2);
  EXPECT_EQ(f9().SatellitesInView.caption(), "02");

  // A receiver that sees no satellite: cycle B is drawn, and the satellites
  // it no longer reports are hidden.
  feed(kNoSatellites);
  EXPECT_EQ(f21().GPGSVNumberSatellites.caption(), "00");
  EXPECT_EQ(f9().SatellitesInView.caption(), "00");
  EXPECT_EQ(visiblePictures(), only({1, 30}));
  EXPECT_EQ(f21().Sat_Green[1].left(), 2086);
  EXPECT_EQ(f21().Sat_Green[1].top(), 1442);
  EXPECT_EQ(f21().Sat_Green[30].left(), 1604);
  EXPECT_EQ(f21().Sat_Green[30].top(), 329);
  EXPECT_EQ(f21().Sat_Green[30].picture(), picture("YELLOW"));

  feed(kNoSatellites);
  EXPECT_EQ(visiblePictures(), only({}));
}

TEST_F(GpsSatellitesTest, NumberMarkersAreColouredBySignal) {
  f21().SatDisplay[1].setValue(true);
  app->instruments().setups().initializeDisplay();
  feedCycleA();
  feed(kCycleB);

  EXPECT_EQ(visibleNumbers(), only({1, 2, 12, 14, 15, 16, 20, 21, 25}));
  EXPECT_EQ(visiblePictures(), only({}));
  for (const Marker& m : kCycleAMarkers) {
    const platform::Label& marker = f21().GPS_SV_Number[m.sat];
    const std::string colour = m.colour;
    const platform::OleColor expected = colour == "GREEN" ? 8421376u : colour == "YELLOW" ? 65535u : 255u;
    EXPECT_EQ(marker.foreColor(), expected) << m.sat;
    EXPECT_EQ(marker.left(), m.left) << m.sat;
    EXPECT_EQ(marker.top(), m.top) << m.sat;
    EXPECT_EQ(marker.caption(), platform::formatNumber(m.sat, "00"));
  }
  EXPECT_EQ(f21().GPS_SV_Number[15].toolTip(), "SV=15  SNR=35   ELEV=90   AZ=000");
}

TEST_F(GpsSatellitesTest, MissingPictureFileKeepsTheMarkersPicture) {
  feedCycleA();
  feed(kCycleB);
  ASSERT_EQ(f21().Sat_Green[15].picture(), picture("YELLOW"));

  std::filesystem::remove(picture("YELLOW"));
  std::filesystem::remove(picture("GREEN"));
  // Cycle: satellite 15 now strong (green wanted), satellite 16 fair.
  feed("$GPGSV,1,1,02,15,90,000,40,16,00,180,20*70");
  feed(kNoSatellites);
  EXPECT_TRUE(f21().Sat_Green[15].visible());
  EXPECT_EQ(f21().Sat_Green[15].picture(), picture("YELLOW"));
  EXPECT_EQ(f21().Sat_Green[16].picture(), picture("RED"));
}

TEST_F(GpsSatellitesTest, SatellitesBeyondTheBarsAndNumbersBeyondThePlot) {
  // Sixteen satellites in one cycle: twelve bars, sixteen markers.
  feed("$GPGSV,4,1,16,01,30,000,40,02,30,090,40,03,30,180,40,04,30,270,40*70");
  feed("$GPGSV,4,2,16,05,30,000,40,06,30,090,40,07,30,180,40,08,30,270,40*70");
  feed("$GPGSV,4,3,16,09,30,000,40,10,30,090,40,11,30,180,40,12,30,270,40*70");
  feed("$GPGSV,4,4,16,13,30,000,40,14,30,090,40,15,30,180,40,16,30,270,40*70");
  EXPECT_EQ(f9().SatelliteNumber[11].caption(), "12");
  EXPECT_EQ(gps().SatelliteBarIndex(), 16);
  EXPECT_TRUE(gps().SatActive()[16]);
  // Elevation 30 at north, east, south, west: 850.2 twips from the zenith.
  EXPECT_EQ(gps().SatLeft()[13], 1395);
  EXPECT_EQ(gps().SatTop()[13], 665);
  EXPECT_EQ(gps().SatLeft()[14], 2245);
  EXPECT_EQ(gps().SatTop()[14], 1515);
  EXPECT_EQ(gps().SatTop()[15], 2365);
  EXPECT_EQ(gps().SatLeft()[16], 545);

  // Satellite 120 shares entry 0, which is never drawn; -5 has no entry; both
  // get their bars. 3520.5 twips rounds to the even 3520.
  feed("$GPGSV,1,1,03,120,45,090,40,-5,45,090,40,07,-60,090,40*70");
  EXPECT_EQ(visiblePictures(), only({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
  EXPECT_EQ(f9().SatelliteNumber[0].caption(), "120");
  EXPECT_EQ(f9().SatelliteNumber[1].caption(), "-5");
  EXPECT_EQ(f9().SatelliteNumber[2].caption(), "07");
  EXPECT_TRUE(gps().SatActive()[0]);
  EXPECT_EQ(gps().SatLeft()[0], 2033);
  EXPECT_EQ(gps().SatLeft()[7], 3520);
  EXPECT_EQ(gps().SatTop()[7], 1515);

  const bool zeroVisible = f21().Sat_Green[0].visible();
  feed(kNoSatellites);
  EXPECT_EQ(visiblePictures(), only({7}));
  EXPECT_EQ(f21().Sat_Green[0].visible(), zeroVisible);
  EXPECT_EQ(f21().Sat_Green[7].left(), 3520);
}

TEST_F(GpsSatellitesTest, SentenceCountShowsWithItsSignPlace) {
  const std::pair<std::string_view, const char*> cases[] = {{"$GPGSV,2,1,00*79", " 2"},
                                                            {"$GPGSV,0,1,00*79", " 0"},
                                                            {"$GPGSV,-1,1,00*79", "-1"},
                                                            {"$GPGSV,,1,00*79", " 0"},
                                                            {"$GPGSV,1.5,1,00*79", " 1.5"}};
  for (const auto& [line, shown] : cases) {
    feed(line);
    EXPECT_EQ(f21().GPGSVSentenances.caption(), shown) << line;
  }
}

TEST_F(GpsSatellitesTest, InitializeDisplayHidesBothKindsOfMarker) {
  for (auto& m : f21().Sat_Green) m.setVisible(true);
  for (auto& m : f21().GPS_SV_Number) m.setVisible(true);
  app->instruments().setups().initializeDisplay();
  for (auto& m : f21().Sat_Green) EXPECT_FALSE(m.visible()) << m.index();
  for (auto& m : f21().GPS_SV_Number) EXPECT_FALSE(m.visible()) << m.index();
}

}  // namespace
