// The Mode C encoder: the Gillham code table, the averaged and corrected
// altitude with its code on the main window and the instrument settings, and
// the click that opens the Mode C settings.

#include <gtest/gtest.h>

#include <bit>
#include <string>

#include "devices/devices.h"
#include "devices/efis_decoder.h"
#include "devices/mode_c.h"
#include "settings/form13.h"
#include "shell/form1.h"
#include "support/test_platform.h"

namespace {

using platform::color::BrightGreen;
using platform::color::Green;

// Reads a code back into feet the way a transponder decoder does, without the
// table's own construction: the 500-ft count is the Gray code D2 D4 A1 A2 A4
// B1 B2 B4 turned back into binary; the C bits C1 C2 C4, read as a Gray code,
// give 1, 2, 3, 4 or 7 (standing for 5) hundreds, counted backwards in odd
// 500-ft steps; the code's zero lies at -1,300 ft.
int decodeFeet(int code) {
  auto bit = [code](int b) { return (code >> b) & 1; };
  // D1 D2 D4 A1 A2 A4 B1 B2 B4, most significant first (bits 9 10 11 0 1 2 3 4 5).
  const int order[9] = {9, 10, 11, 0, 1, 2, 3, 4, 5};
  int gray = 0;
  for (int b : order) gray = (gray << 1) | bit(b);
  int fiveHundreds = 0;
  for (int g = gray; g != 0; g >>= 1) fiveHundreds ^= g;
  const int cGray = (bit(6) << 2) | (bit(7) << 1) | bit(8);  // C1 C2 C4
  int hundreds = 0;
  for (int g = cGray; g != 0; g >>= 1) hundreds ^= g;
  if (hundreds == 7) hundreds = 5;
  if (fiveHundreds % 2 == 1) hundreds = 6 - hundreds;
  return fiveHundreds * 500 + hundreds * 100 - 1300;
}

class ModeCTest : public testsupport::AppTest {
 protected:
  ModeCTest() { app->devices().modeC().LoadModeCTable(); }
  devices::ModeC& modeC() { return app->devices().modeC(); }
  settings::form13& s() { return app->form13(); }
  shell::Form1& f1() { return app->form1(); }
  // Supervisor ticks at one altitude (hundreds of feet).
  void ticks(int n, std::int16_t altitude) {
    app->ModeCAltitude = altitude;
    for (int i = 0; i < n; ++i) modeC().UpdateModeCGrayCode();
  }
  void expectCode(int code) {
    EXPECT_EQ(f1().ModeCGrayCode.caption(), devices::ModeC::codeText(static_cast<std::int16_t>(code)));
    for (int b = 0; b < 12; ++b)
      EXPECT_EQ(s().ModeCGrayCode[b].fillColor(), ((code >> b) & 1) ? BrightGreen : Green) << "bit " << b;
  }
};

TEST_F(ModeCTest, TableHoldsTheGillhamCodeOfEvery100Feet) {
  const auto& table = app->ModeCTable;
  for (int n = 0; n < 1280; ++n) {
    SCOPED_TRACE(n);
    const int code = table[static_cast<std::size_t>(n)];
    EXPECT_EQ(decodeFeet(code), -1200 + 100 * n);
    EXPECT_EQ(code & ~0xFFF, 0);
    EXPECT_EQ(code & (1 << 9), 0);  // D1 is never used
    // Neighbouring altitudes differ in exactly one pulse.
    if (n > 0) {
      EXPECT_EQ(std::popcount(static_cast<unsigned>(code ^ table[static_cast<std::size_t>(n - 1)])), 1);
    }
  }
  for (int n = 1280; n <= 1300; ++n) EXPECT_EQ(table[static_cast<std::size_t>(n)], 0) << n;
}

TEST_F(ModeCTest, CodesWorkedOutByHand) {
  struct Case {
    int feet;
    int code;
    const char* text;  // A1 A2 A4  B1 B2 B4  C1 C2 C4  D1 D2 D4
  };
  // index n = (feet + 1200) / 100, m = n div 5, r = n mod 5, Gray(m) = m xor m/2
  // over D1 D2 D4 A1 A2 A4 B1 B2 B4, C1 C2 C4 from c = r (m even) or 4 - r (m odd):
  //  -1,200: n 0,    m 0,  r 0, Gray 0,                          c 0 = 001: C4              = 256
  //  -1,100: n 1,    m 0,  r 1, Gray 0,                          c 1 = 011: C2 C4           = 384
  //  -1,000: n 2,    m 0,  r 2, Gray 0,                          c 2 = 010: C2              = 128
  //       0: n 12,   m 2,  r 2, Gray 3   = 000000011: B2 B4,     c 2 = 010: C2     16+32+128 = 176
  //   3,300: n 45,   m 9,  r 0, Gray 13  = 000001101: A4 B1 B4,  c 4 = 100: C1   4+8+32+64 = 108
  //  35,000: n 362,  m 72, r 2, Gray 108 = 001101100: D4 A1 A4 B1, c 2 = 010: C2
  //                                                           2048+1+4+8+128 = 2189
  // 126,700: n 1279, m 255, r 4, Gray 128 = 010000000: D2,    c 0 = 001: C4     1024+256 = 1280
  const Case cases[] = {
      {-1200, 256, "000  000  001  000"},   {-1100, 384, "000  000  011  000"},
      {-1000, 128, "000  000  010  000"},   {0, 176, "000  011  010  000"},
      {3300, 108, "001  101  100  000"},    {35000, 2189, "101  100  010  001"},
      {126700, 1280, "000  000  001  010"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.feet);
    const std::size_t n = static_cast<std::size_t>((c.feet + 1200) / 100);
    EXPECT_EQ(app->ModeCTable[n], c.code);
    EXPECT_EQ(devices::ModeC::codeText(app->ModeCTable[n]), c.text);
  }
}

TEST_F(ModeCTest, WithoutPressureAltitudeTheCodeIsThatOfZeroFeet) {
  f1().ModeCValid.setBackColor(platform::color::Red);
  s().ModeCValid.setBackColor(platform::color::Red);
  ticks(1, 0);
  EXPECT_EQ(s().DataPressureAltitude.caption(), "0");
  EXPECT_EQ(s().ModeCCorrectedAltitude.caption(), "0");
  EXPECT_EQ(f1().ModeCGrayCode.caption(), "000  011  010  000");
  expectCode(176);
  EXPECT_EQ(f1().ModeCValid.backColor(), BrightGreen);
  EXPECT_EQ(s().ModeCValid.backColor(), BrightGreen);
}

TEST_F(ModeCTest, AltitudeIsAveragedOverTheLastTwentyTicks) {
  // A ramp of 500 ft per tick: after t ticks (t <= 20) the window holds
  // 5, 10, ... 5t and zeros, so the average is 5 t (t + 1) / 2 / 20 hundreds of
  // feet = 12.5 t (t + 1) ft; from tick 20 on it holds 5 (t - 19) ... 5 t, an
  // average of 5 t - 47.5 hundreds = 500 t - 4,750 ft.
  struct Step {
    int tick;
    const char* average;
    int codeFeet;  // the corrected average rounded down to 100 ft
  };
  const Step steps[] = {
      {1, "25", 0},          {2, "75", 0},          {3, "150", 100},     {4, "250", 200},
      {10, "1,375", 1300},   {19, "4,750", 4700},   {20, "5,250", 5200}, {21, "5,750", 5700},
      {30, "10,250", 10200}, {40, "15,250", 15200},
  };
  int tick = 0;
  for (const Step& st : steps) {
    while (tick < st.tick) {
      ++tick;
      ticks(1, static_cast<std::int16_t>(5 * tick));
    }
    SCOPED_TRACE(st.tick);
    EXPECT_EQ(s().DataPressureAltitude.caption(), st.average);
    // No corrections: the corrected altitude is the average.
    EXPECT_EQ(s().ModeCCorrectedAltitude.caption(), st.average);
    const int code = app->ModeCTable[static_cast<std::size_t>((st.codeFeet + 1200) / 100)];
    expectCode(code);
    EXPECT_EQ(f1().ModeCGrayCode.caption().size(), 18U);
  }
}

TEST_F(ModeCTest, EfisPressureAltitudeReachesTheCodeInTwentyTicks) {
  // 01006 m x 0.032808 = 33.005 -> 33 hundreds of feet.
  app->form1();
  app->EFISLine = "09595900012500300359100001006-015001-0512A000034A2C\r";
  app->devices().efis().ParseEFISData();
  ASSERT_EQ(app->ModeCAltitude, 33);
  // One tick after the step the average is 33 / 20 = 1.65 hundreds.
  modeC().UpdateModeCGrayCode();
  EXPECT_EQ(s().DataPressureAltitude.caption(), "165");
  expectCode(app->ModeCTable[13]);  // 100 ft
  for (int i = 1; i < 20; ++i) modeC().UpdateModeCGrayCode();
  EXPECT_EQ(s().DataPressureAltitude.caption(), "3,300");
  expectCode(108);
}

TEST_F(ModeCTest, CorrectionsAccumulateAboveTheirThresholds) {
  // Row 0 applies above -2,500 ft, row 1 above 0 ft, row 2 above 2,500 ft.
  s().ModeCCorrection[0].setText("20");
  s().ModeCCorrection[1].setText("100");
  s().ModeCCorrection[2].setText("50");
  s().ModeCCorrection[3].setText("7 ft");  // the leading number counts
  struct Case {
    std::int16_t average;  // hundreds of feet, held for 20 ticks
    const char* uncorrected;
    const char* corrected;
  };
  // 3,300 ft: rows 0, 1, 2 (+170), and row 3 from 5,000 ft up not yet;
  // exactly 0 ft: row 0 alone (thresholds are strict); exactly 2,500 ft: rows
  // 0 and 1; 5,100 ft: rows 0 to 3 (+177); -2,500 ft: none.
  const Case cases[] = {
      {33, "3,300", "3,470"},    {0, "0", "20"}, {25, "2,500", "2,620"}, {51, "5,100", "5,277"},
      {-25, "-2,500", "-2,500"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.average);
    ticks(20, c.average);
    EXPECT_EQ(s().DataPressureAltitude.caption(), c.uncorrected);
    EXPECT_EQ(s().ModeCCorrectedAltitude.caption(), c.corrected);
  }
}

TEST_F(ModeCTest, CorrectedAltitudeIsRoundedDownToItsHundred) {
  struct Case {
    const char* correction;  // row 0 and row 1 both apply to an average of 12 (1,200 ft) ...
    std::int16_t average;
    const char* corrected;
    int codeFeet;
  };
  const Case cases[] = {
      {"25", 12, "1,250", 1200},  // 12 + 0.25 + 0.25 = 12.5 -> 1,200 ft
      {"0", 0, "0", 0},
      {"-50", 0, "-50", -100},         // only row 0 applies at 0: -0.5 -> -100 ft
      {"-1200", 12, "-1,200", -1200},  // 12 - 24 = -12 -> index 0
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.corrected);
    s().ModeCCorrection[0].setText(c.correction);
    s().ModeCCorrection[1].setText(c.correction);
    ticks(20, c.average);
    EXPECT_EQ(s().ModeCCorrectedAltitude.caption(), c.corrected);
    expectCode(app->ModeCTable[static_cast<std::size_t>((c.codeFeet + 1200) / 100)]);
    EXPECT_EQ(f1().ModeCValid.backColor(), BrightGreen);
  }
}

TEST_F(ModeCTest, AltitudeOutsideTheTableShowsTheZeroCodeWithLampsDark) {
  struct Case {
    const char* name;
    std::int16_t average;
    const char* correction;  // row 0
    bool inTable;
  };
  // -1,250 ft rounds down to -1,300 ft (index -1); 129,000 ft is index 1302;
  // 128,800 ft is index 1300, the last of the table, which holds 0.
  const Case cases[] = {
      {"below", 0, "-1250", false},
      {"above", 1290, "0", false},
      {"last", 1288, "0", true},
      {"far below", 0, "-99999999999999999999", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    s().ModeCCorrection[0].setText(c.correction);
    ticks(20, c.average);
    EXPECT_EQ(f1().ModeCGrayCode.caption(), "000  000  000  000");
    expectCode(0);
    const platform::OleColor valid = c.inTable ? BrightGreen : Green;
    EXPECT_EQ(f1().ModeCValid.backColor(), valid);
    EXPECT_EQ(s().ModeCValid.backColor(), valid);
    // Back inside the table, the code and the validity lamps return.
    s().ModeCCorrection[0].setText("0");
    ticks(20, 0);
    expectCode(176);
    EXPECT_EQ(s().ModeCValid.backColor(), BrightGreen);
  }
}

TEST_F(ModeCTest, ClickingTheCodeOpensTheModeCSettings) {
  shell::Form1& main = f1();
  main.show();
  ASSERT_FALSE(s().visible());
  main.ModeCGrayCode.click();
  EXPECT_TRUE(s().visible());
  EXPECT_EQ(s().TabStrip1.tabCaption(s().TabStrip1.selectedTab()), "MODE C");
  EXPECT_FALSE(main.visible());
}

}  // namespace
