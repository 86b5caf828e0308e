// The number rules at the edges where their whole-number shortcuts meet the
// general decimal conversion: exact halves of the 15th or 7th digit, the ends
// of the shortcut ranges, values that round up to a new digit, trailing "#"
// places, signs of values that round to zero, long and odd number texts.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/numbers.h"

namespace {

using platform::formatNumber;
using platform::numberText;
using platform::readNumber;
using platform::roundHalfEven;

TEST(NumberEdges, FormatDoubleByPattern) {
  const struct {
    double v;
    const char* pattern;
    const char* expected;
  } cases[] = {
      // 1234567.001953125 is exact in binary: its 16th digit is a 5 exactly, and
      // the value keeps 15 digits rounded to even before the pattern rounds.
      {1234567.001953125, "0.00000000", "1234567.00195312"},
      {1234567.001953125, "0.000000000", "1234567.001953120"},
      {2.384185791015625e-07, "0.0000000000000000", "0.0000002384185791"},
      {1e-5, "0.000000", "0.000010"},
      {9.9999999999999991e-06, "0.00000000", "0.00001000"},
      {999999999999999.88, "0", "1000000000000000"},  // rounds up to a new digit
      {1e15, "0", "1000000000000000"},
      {0.5, "0", "1"},
      {2.5, "0", "3"},   // patterns round halves away from zero
      {-0.4, "0", "0"},  // no "-0"
      {-0.5, "0", "-1"},
      {0.125, "0.00", "0.13"},
      {1.005, "0.00", "1.01"},  // on its decimal value 1.00500000000000
      {99.995, "#0.00", "100.00"},
      {-99.995, "#0.00", "-100.00"},
      {1013.7999075, "0000", "1014"},
      {0.310275, "0.00", "0.31"},
      {0.05, "#.##", ".05"},
      {0, "#.##", "."},
      {0, "#", ""},
      {5, "#.", "5."},
      {123, "0000000", "0000123"},
      {1e7, "##0", "10000000"},
      {12345678.5, "0", "12345679"},
      {-32768, "##0", "-32768"},
      {4.9e-05, "0.0000", "0.0000"},
      {5e-05, "0.0000", "0.0001"},
      {3.10275, "#0.0#", "3.1"},
      {47.3125, "##0.0", "47.3"},
  };
  for (const auto& c : cases) EXPECT_EQ(formatNumber(c.v, c.pattern), c.expected) << c.v << " " << c.pattern;
}

TEST(NumberEdges, FormatSingleByPattern) {
  const struct {
    float v;
    const char* pattern;
    const char* expected;
  } cases[] = {
      {29.92f, "00.00", "29.92"},      {424.9f, "###0", "425"}, {1400.5f, "###0", "1401"},
      {9999999.0f, "0", "9999999"},    {1e7f, "0", "10000000"}, {0.3f, "#0.00", "0.30"},
      {1e-6f, "0.000000", "0.000001"}, {18.0f, "#0.0", "18.0"}, {-0.05f, "0.0", "-0.1"},
      {123456.75f, "0.0", "123456.8"},
  };
  for (const auto& c : cases) EXPECT_EQ(formatNumber(c.v, c.pattern), c.expected) << c.v << " " << c.pattern;
}

TEST(NumberEdges, NumberText) {
  const struct {
    double v;
    const char* expected;
  } doubles[] = {
      {13.75, "13.75"},
      {1048575.9375, "1048575.9375"},
      {-0.5, "-0.5"},
      {999999999999999, "999999999999999"},
      {1e15, "1E+15"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {0.000123456789, "0.000123456789"},
      {1e-5, "1E-05"},
      {-2048, "-2048"},
      {2.384185791015625e-07, "2.38418579101562E-07"},  // a half of the 15th digit goes to even
      {-0.0, "0"},
  };
  for (const auto& c : doubles) EXPECT_EQ(numberText(c.v), c.expected) << c.v;
  const struct {
    float v;
    const char* expected;
  } singles[] = {{9999999.0f, "9999999"}, {1e7f, "1E+07"}, {0.1f, "0.1"},
                 {13.8f, "13.8"},         {-5.3f, "-5.3"}, {16777215.0f, "1.677722E+07"}};
  for (const auto& c : singles) EXPECT_EQ(numberText(c.v), c.expected) << c.v;
}

TEST(NumberEdges, ReadNumber) {
  const struct {
    const char* text;
    double expected;
  } cases[] = {
      {"212", 212},
      {"29.92", 29.92},
      {" 1 2.5", 12.5},
      {"-.5", -0.5},
      {"0000000000000000000001.5", 1.5},
      {"1234567890123456789", 1234567890123456789.0},
      {"0.0000000000000000000000001", 1e-25},
      {"12.3.4", 12.3},
      {"1e5", 1},
      {"+7", 7},
      {"- 5", -5},
  };
  for (const auto& c : cases) EXPECT_EQ(readNumber(c.text), c.expected) << c.text;
  EXPECT_FALSE(std::signbit(readNumber("-0")));
}

TEST(NumberEdges, RoundHalfEven) {
  const struct {
    double v;
    double expected;
  } cases[] = {{2.5, 2},
               {3.5, 4},
               {-2.5, -2},
               {-3.5, -4},
               {0.49999999999999994, 0},
               {4503599627370495.5, 4503599627370496},
               {1e300, 1e300},
               {32767.5, 32768}};
  for (const auto& c : cases) EXPECT_EQ(roundHalfEven(c.v), c.expected) << c.v;
  EXPECT_TRUE(std::signbit(roundHalfEven(-0.3)));
}

}  // namespace
