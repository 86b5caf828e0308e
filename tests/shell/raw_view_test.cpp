// The raw port-data view: twenty lines scrolled per received line, long engine
// lines cut into three pieces and a blank, FREEZE, CLEAR and RETURN, and the
// openers on the engine data and GPS sentence screens.

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "platform/numbers.h"
#include "screens/form20.h"
#include "screens/form21.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "screens/form8.h"
#include "shell/form1.h"
#include "shell/form3.h"
#include "shell/raw_view.h"
#include "shell/shell.h"
#include "shell/shell_fixture.h"

namespace {

using shelltest::ShellTest;

std::vector<std::string> lines(App& app) {
  std::vector<std::string> out;
  for (platform::Label& l : app.form3().Label1) out.push_back(l.caption());
  return out;
}

// Twenty lines: blanks on top, then the given lines, newest last.
std::vector<std::string> bottom(const std::vector<std::string>& newest) {
  std::vector<std::string> out(20 - newest.size());
  out.insert(out.end(), newest.begin(), newest.end());
  return out;
}

std::string rep(char c, std::size_t n) {
  return std::string(n, c);
}

// The engine event's hexadecimal text of a Grand Rapids chunk: " $" and two
// upper-case digits per byte, six blanks after every tenth byte.
std::string hexText(const std::vector<std::uint8_t>& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string s;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    s += " $";
    s += digits[bytes[i] >> 4];
    s += digits[bytes[i] & 15];
    if ((i + 1) % 10 == 0) s += "      ";
  }
  return s;
}

// " $XX" for each byte value from first to last.
std::string groups(int first, int last) {
  std::vector<std::uint8_t> b;
  for (int v = first; v <= last; ++v) b.push_back(static_cast<std::uint8_t>(v));
  std::string s = hexText(b);
  return s.substr(0, 4 * b.size());
}

enum class Device { EFIS, EMS, GPS };

struct LineRow {
  const char* name;
  Device device;
  std::string line;
  std::vector<std::string> shown;  // the new bottom lines, newest last
};

void PrintTo(const LineRow& row, std::ostream* os) {
  *os << row.name;
}

class RawLineTest : public ShellTest, public testing::WithParamInterface<LineRow> {};

TEST_P(RawLineTest, OneRecordScrollsTheViewAndShowsItsLines) {
  const LineRow& row = GetParam();
  start();
  shell::Form1& f = app->form1();
  // Each port label opens the view on its own device, blank.
  if (row.device == Device::EFIS) f.EFISCommPort.click();
  if (row.device == Device::EMS) f.EMSCommPort.click();
  if (row.device == Device::GPS) {
    app->NMEASource = true;
    app->form21().Label25.click();
  }
  ASSERT_EQ(lines(*app), bottom({}));
  app->form3().Label1[19].setCaption("older record");

  app->EFISLine = row.device == Device::EFIS ? row.line : "not this";
  app->EMSLine = row.device == Device::EMS ? row.line : "not this";
  app->GPSLine = row.device == Device::GPS ? row.line : "not this";
  app->shell().rawView().UpdateCommDataScreen();

  std::vector<std::string> expected{"older record"};
  expected.insert(expected.end(), row.shown.begin(), row.shown.end());
  EXPECT_EQ(lines(*app), bottom(expected));
}

// Lines longer than 250 characters are shown as characters 1-133, 140-272
// with three blanks, 278-410 with four blanks, and an empty line. The
// lettered runs make a cut one character off show a wrong letter.
const std::string k251 = rep('A', 133) + rep('b', 6) + rep('C', 112);
const std::string k420 =
    rep('A', 133) + rep('b', 6) + rep('C', 133) + rep('d', 5) + rep('E', 133) + rep('f', 10);

// An 80-byte chunk, bytes 00 to 4F: 8 blocks of 10 bytes, each 40 characters
// of groups and 6 blanks, 368 characters in all. Block k covers characters
// 46k+1 to 46k+46, so:
//   1-133:   blocks 0 and 1 (1-92), then 93-133 = the ten groups of block 2
//            and one of its blanks;
//   134-139: the other five blanks of block 2 and the leading blank of
//            block 3, not shown;
//   140-272: block 3 less its leading blank (140-184), block 4 (185-230), the
//            ten groups of block 5 and two of its blanks (231-272), then "   ";
//   273-277: its other four blanks and the leading blank of block 6, not shown;
//   278-368: block 6 less its leading blank, block 7, then "    ".
std::vector<std::uint8_t> chunk80() {
  std::vector<std::uint8_t> b;
  for (int v = 0; v < 80; ++v) b.push_back(static_cast<std::uint8_t>(v));
  return b;
}
const std::string kSix = rep(' ', 6);
const std::string kGr80Piece1 =
    groups(0x00, 0x09) + kSix + groups(0x0A, 0x13) + kSix + groups(0x14, 0x1D) + " ";
const std::string kGr80Piece2 =
    groups(0x1E, 0x27).substr(1) + kSix + groups(0x28, 0x31) + kSix + groups(0x32, 0x3B) + "  " + "   ";
const std::string kGr80Piece3 = groups(0x3C, 0x45).substr(1) + kSix + groups(0x46, 0x4F) + kSix + "    ";

INSTANTIATE_TEST_SUITE_P(
    Lines, RawLineTest,
    testing::Values(
        LineRow{"EfisRecord", Device::EFIS, "an EFIS record as received", {"an EFIS record as received"}},
        LineRow{"GpsSentence", Device::GPS, "$GPRMC,225446,A,4916.45,N", {"$GPRMC,225446,A,4916.45,N"}},
        LineRow{"DynonLineOf119", Device::EMS, rep('7', 119), {rep('7', 119)}},
        LineRow{"EngineLineOf250IsShownWhole", Device::EMS, rep('A', 250), {rep('A', 250)}},
        // The third piece starts beyond the end of the line: only its blanks.
        LineRow{"EngineLineOf251", Device::EMS, k251, {rep('A', 133), rep('C', 112) + "   ", "    ", ""}},
        LineRow{"EngineLineOf420",
                Device::EMS,
                k420,
                {rep('A', 133), rep('C', 133) + "   ", rep('E', 133) + "    ", ""}},
        LineRow{"GrandRapidsChunkOf80Bytes",
                Device::EMS,
                hexText(chunk80()),
                {kGr80Piece1, kGr80Piece2, kGr80Piece3, ""}}),
    [](const testing::TestParamInfo<LineRow>& p) { return std::string(p.param.name); });

TEST(RawViewPieces, GrandRapidsHexTextHasTheLengthTheCutsAssume) {
  EXPECT_EQ(hexText(chunk80()).size(), 368u);
  EXPECT_EQ(kGr80Piece1.size(), 133u);
  EXPECT_EQ(kGr80Piece2.size(), 136u);
  EXPECT_EQ(kGr80Piece3.size(), 95u);
}

TEST_F(ShellTest, ScrollingDropsTheOldestLineAndKeepsTheOrder) {
  start();
  app->form1().EFISCommPort.click();
  for (int i = 1; i <= 22; ++i) {
    app->EFISLine = "record " + std::to_string(i);
    app->shell().rawView().UpdateCommDataScreen();
  }
  std::vector<std::string> expected;
  for (int i = 3; i <= 22; ++i) expected.push_back("record " + std::to_string(i));
  EXPECT_EQ(lines(*app), expected);
}

TEST_F(ShellTest, FreezeTogglesItsColourAndClearBlanksAndUnfreezes) {
  start();
  app->form1().EMSCommPort.click();
  shell::Form3& view = app->form3();
  app->EMSLine = "first";
  app->shell().rawView().UpdateCommDataScreen();

  view.FreezeButton.click();
  EXPECT_TRUE(app->RawViewFrozen);
  EXPECT_EQ(view.FreezeButton.backColor(), 0xC0C0FFu);
  view.FreezeButton.click();
  EXPECT_FALSE(app->RawViewFrozen);
  EXPECT_EQ(view.FreezeButton.backColor(), platform::color::ButtonFace);

  view.FreezeButton.click();
  view.ClearButton.click();
  EXPECT_EQ(lines(*app), bottom({}));
  EXPECT_FALSE(app->RawViewFrozen);
  EXPECT_EQ(view.FreezeButton.backColor(), platform::color::ButtonFace);
  EXPECT_TRUE(app->RawViewEMS);  // still watching the engine port
  // The next record lands at the bottom with nineteen empty lines above it.
  app->EMSLine = "next";
  app->shell().rawView().UpdateCommDataScreen();
  EXPECT_EQ(lines(*app), bottom({"next"}));
}

TEST_F(ShellTest, ReturnWhileFrozenKeepsTheFreezeUntilTheNextOpener) {
  start();
  shell::Form1& f = app->form1();
  f.EFISCommPort.click();
  shell::Form3& view = app->form3();
  view.FreezeButton.click();
  log.lines.clear();

  view.ReturnButton.click();
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Form3 hidden", "Form1 shown"}));
  EXPECT_FALSE(app->RawViewEFIS || app->RawViewEMS || app->RawViewGPS);
  EXPECT_TRUE(app->RawViewFrozen);
  // The lines survive hiding until an opener clears them.
  view.Label1[19].setCaption("kept");

  f.EFISCommPort.click();
  EXPECT_FALSE(app->RawViewFrozen);
  EXPECT_EQ(view.FreezeButton.backColor(), platform::color::ButtonFace);
  EXPECT_EQ(lines(*app), bottom({}));
}

// Every value label of the engine data screens opens the view on the engine
// port; the counters, the frame kind and the fourth aux input do not.
TEST_F(ShellTest, EngineValueLabelsOpenTheEngineViewAndReturnBringsTheScreenBack) {
  start();
  screens::Form4& dynon = app->form4();
  screens::Form5& gr = app->form5();
  int opening = 0;
  for (platform::Control* c : dynon.controls()) {
    if (c->kind() != platform::ControlKind::Label || !c->onClick) continue;
    ++opening;
  }
  EXPECT_EQ(opening, 28);
  opening = 0;
  for (platform::Control* c : gr.controls())
    if (c->kind() == platform::ControlKind::Label && c->onClick) ++opening;
  EXPECT_EQ(opening, 35);
  for (platform::Label* quiet : {&dynon.HobbsTime, &dynon.TachTime, &gr.HeaderType, &gr.GRAux4})
    EXPECT_FALSE(quiet->onClick) << quiet->name();

  // The view is frozen on the GPS port, with an unrelated came-from flag set.
  app->RawViewGPS = true;
  app->RawViewFrozen = true;
  app->form3().FreezeButton.setBackColor(0xC0C0FF);
  app->form3().Label1[5].setCaption("gps line");
  for (ScreenId id :
       {ScreenId::Form1, ScreenId::Form2, ScreenId::Form3, ScreenId::Form5, ScreenId::form7, ScreenId::Form8})
    app->CameFromForm[idx(id)] = true;
  dynon.show();
  log.lines.clear();

  dynon.EMSGP2.click();
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Form3 shown", "Form4 hidden"}));
  shell::Form3& view = app->form3();
  EXPECT_EQ(view.Frame1.caption(), "ENGINE COMM PORT DATA");
  EXPECT_EQ(lines(*app), bottom({}));
  EXPECT_EQ(view.FreezeButton.backColor(), platform::color::ButtonFace);
  EXPECT_TRUE(app->RawViewEMS);
  EXPECT_FALSE(app->RawViewGPS || app->RawViewEFIS || app->RawViewFrozen);
  // Only the flags the engine screens name change; Form8's stays.
  for (ScreenId id : {ScreenId::Form1, ScreenId::Form2, ScreenId::Form3, ScreenId::Form5, ScreenId::form7})
    EXPECT_FALSE(app->CameFromForm[idx(id)]) << screenName(id);
  EXPECT_TRUE(app->CameFromForm[idx(ScreenId::Form4)]);
  EXPECT_TRUE(app->CameFromForm[idx(ScreenId::Form8)]);

  log.lines.clear();
  view.ReturnButton.click();
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Form3 hidden", "Form4 shown", "Form8 shown"}));

  // The Grand Rapids screen clears the Dynon screen's flag.
  gr.show();
  gr.GRRPM1.click();
  EXPECT_TRUE(app->CameFromForm[idx(ScreenId::Form5)]);
  EXPECT_FALSE(app->CameFromForm[idx(ScreenId::Form4)]);
  EXPECT_FALSE(gr.visible());
}

TEST_F(ShellTest, GarminFieldOpensTheGpsViewAndReturnBringsBackThatScreenOnly) {
  start();
  // The view is frozen on the engine port.
  app->form1().EMSCommPort.click();
  app->form3().FreezeButton.click();
  app->EMSLine = "engine";
  app->shell().rawView().UpdateCommDataScreen();
  screens::form20& garmin = app->form20();
  garmin.show();
  log.lines.clear();

  garmin.GPSSpeed.click();
  shell::Form3& view = app->form3();
  EXPECT_EQ(view.Frame1.caption(), "GPS COMM PORT DATA");
  EXPECT_EQ(lines(*app), bottom({}));
  EXPECT_FALSE(app->RawViewFrozen);
  EXPECT_EQ(view.FreezeButton.backColor(), platform::color::ButtonFace);
  EXPECT_TRUE(app->RawViewGPS);
  EXPECT_FALSE(app->RawViewEMS || app->RawViewEFIS);

  log.lines.clear();
  view.ReturnButton.click();
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Form3 hidden", "form20 shown"}));
}

TEST_F(ShellTest, OnlyTheTwoCaptionLabelsOfTheNmeaScreenOpenTheView) {
  start();
  screens::form21& nmea = app->form21();
  int opening = 0;
  for (platform::Control* c : nmea.controls())
    if (c->kind() == platform::ControlKind::Label && c->onClick) ++opening;
  EXPECT_EQ(opening, 2);
  nmea.show();
  nmea.Label1.click();
  EXPECT_TRUE(app->form3().visible());
  EXPECT_FALSE(nmea.visible());
  EXPECT_TRUE(app->CameFromForm[idx(ScreenId::form21)]);
}

}  // namespace
