#include "platform/numbers.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "platform/vb.h"

namespace platform {
namespace {

struct ReadCase {
  const char* text;
  double value;
};

TEST(ReadNumber, LeadingDecimalNumberWithBlanksIgnored) {
  const ReadCase cases[] = {
      {"", 0},
      {"abc", 0},
      {".", 0},
      {"-", 0},
      {"-.", 0},
      {"+-5", 0},
      {"&H10", 0},
      {"+5", 5},
      {"29.X2", 29},
      {" 1 2.5", 12.5},
      {"-.5", -0.5},
      {"1,234", 1},
      {"  -  3.25xyz", -3.25},
      {"\t7", 7},
      {"1.2.3", 1.2},
      {"1e5", 1},
      {"5-", 5},
      {"00012", 12},
      {"0.1", 0.1},
      {"2 9 . 9 2", 29.92},
      {"0.30000000000000004", 0.30000000000000004},
      {"3.14159265358979323846", 3.14159265358979323846},
      {"4807.038", 4807.038},
      {"0.000000000000000000000000001", 1e-27},
      {"123456789012345678901234567890", 123456789012345678901234567890.0},
      // 2^53 + 1 lies halfway between two doubles: ties go to the even one.
      {"9007199254740993", 9007199254740992.0},
      {"9007199254740993.0000000000000000000000000001", 9007199254740994.0},
  };
  for (const auto& c : cases) EXPECT_EQ(readNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(ReadNumber, ZeroReadsWithoutSign) {
  EXPECT_FALSE(std::signbit(readNumber("-0")));
  EXPECT_FALSE(std::signbit(readNumber("-0.000")));
}

TEST(ReadNumber, AgreesWithCorrectlyRoundedConversionOnManyValues) {
  // Fixed-notation texts of random doubles of every magnitude the program
  // meets, and beyond: each must read back as the nearest double.
  std::mt19937_64 rng(12345);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-30, 30);
  std::uniform_int_distribution<int> precision(0, 25);
  for (int i = 0; i < 20000; ++i) {
    const double v = mantissa(rng) * std::pow(10.0, exponent(rng));
    char buf[128];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, precision(rng));
    ASSERT_EQ(res.ec, std::errc());
    const std::string text(buf, res.ptr);
    double expected = 0;
    std::from_chars(buf, res.ptr, expected);
    ASSERT_EQ(readNumber(text), expected) << text;
  }
}

TEST(IsNumberText, WholeTextMustBeOneNumber) {
  EXPECT_TRUE(isNumberText("4807.038"));
  EXPECT_TRUE(isNumberText("  12 "));
  EXPECT_TRUE(isNumberText("-.5"));
  EXPECT_TRUE(isNumberText("+7"));
  EXPECT_TRUE(isNumberText("01131.000"));
  EXPECT_FALSE(isNumberText(""));
  EXPECT_FALSE(isNumberText("A"));
  EXPECT_FALSE(isNumberText("."));
  EXPECT_FALSE(isNumberText("1.2.3"));
  EXPECT_FALSE(isNumberText("12a"));
  EXPECT_FALSE(isNumberText("1 2"));
}

TEST(ReadHex, DigitsUntilFirstOtherCharacter) {
  struct Case {
    const char* text;
    std::uint64_t value;
    int digits;
  };
  const Case cases[] = {
      {"1F", 31, 2},
      {"ff", 255, 2},
      {"7FFF ", 32767, 4},
      {"0x10", 0, 1},
      {"", 0, 0},
      {"G1", 0, 0},
      {"00A", 10, 3},
      {"FFFFFFFFFFFFFFFF", 0xFFFFFFFFFFFFFFFFull, 16},
      {"123456789ABCDEF01", 0x123456789ABCDEF0ull, 16},
  };
  for (const auto& c : cases) {
    int digits = -1;
    EXPECT_EQ(readHex(c.text, &digits), c.value) << c.text;
    EXPECT_EQ(digits, c.digits) << c.text;
  }
  EXPECT_EQ(readHex("2A"), 42u);
}

TEST(ToInt16, RoundsHalfToEvenWithinRange) {
  struct Case {
    double v;
    std::int16_t expected;
  };
  const Case cases[] = {
      {2.5, 2},         {3.5, 4},           {-2.5, -2},         {-3.5, -4},
      {0.5, 0},         {1.5, 2},           {1.4999, 1},        {-0.4, 0},
      {32767.4, 32767}, {-32768.5, -32768}, {-32768.0, -32768}, {0.49999999999999994, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(toInt16(c.v), c.expected) << c.v;
}

TEST(ToInt16, OutOfRangeOrNotANumberIsOverflow) {
  const double bad[] = {32767.5,
                        40000,
                        -32769,
                        -32768.51,
                        std::nan(""),
                        std::numeric_limits<double>::infinity(),
                        -std::numeric_limits<double>::infinity(),
                        1e300};
  for (double v : bad) {
    try {
      (void)toInt16(v);
      ADD_FAILURE() << v << " stored without error";
    } catch (const RunError& e) {
      EXPECT_EQ(e.number(), err::Overflow);
      EXPECT_EQ(e.description(), "Overflow");
    }
  }
}

TEST(ToInt32, RoundsHalfToEvenAndChecksRange) {
  EXPECT_EQ(toInt32(2.5), 2);
  EXPECT_EQ(toInt32(-3.5), -4);
  EXPECT_EQ(toInt32(40000.0), 40000);
  EXPECT_EQ(toInt32(2147483647.4), 2147483647);
  EXPECT_EQ(toInt32(-2147483648.5), std::numeric_limits<std::int32_t>::min());
  EXPECT_THROW((void)toInt32(2147483647.5), RunError);
  EXPECT_THROW((void)toInt32(1e10), RunError);
  EXPECT_THROW((void)toInt32(std::nan("")), RunError);
}

TEST(RoundHalfEven, WholeNumbersAndHalves) {
  EXPECT_EQ(roundHalfEven(0.5), 0.0);
  EXPECT_EQ(roundHalfEven(-1.5), -2.0);
  EXPECT_EQ(roundHalfEven(4.5), 4.0);
  EXPECT_EQ(roundHalfEven(4.51), 5.0);
  EXPECT_EQ(roundHalfEven(4503599627370497.0), 4503599627370497.0);
  EXPECT_EQ(roundHalfEven(1e300), 1e300);
}

struct FormatCase {
  double v;
  const char* pattern;
  const char* expected;
};

TEST(FormatNumber, DisplayPatterns) {
  const FormatCase cases[] = {
      // Zero-padded integers, digits beyond the places still shown.
      {7.0, "00", "07"},
      {123.0, "00", "123"},
      {0.0, "00", "00"},
      {-3.0, "00", "-03"},
      {0.0, "000", "000"},
      {7.0, "000", "007"},
      {359.6, "000", "360"},
      {12345.0, "0", "12345"},
      {0.0, "0000", "0000"},
      {1013.2072, "0000", "1013"},
      // "#" places show significant digits only; an all-"#" zero shows nothing.
      {0.0, "#", ""},
      {3.0, "#0", "3"},
      {-2.5, "#0", "-3"},
      {212.0, "##0", "212"},
      {0.0, "##0", "0"},
      {-17.792, "##0", "-18"},
      {1234.56, "###0", "1235"},
      {7.0, "###0", "7"},
      // Decimals: rounded half away from zero at the pattern's last place.
      {12.34, "#0.0", "12.3"},
      {0.05, "#0.0", "0.1"},
      {-0.05, "#0.0", "-0.1"},
      {-0.04, "#0.0", "0.0"},
      {99.95, "##0.0", "100.0"},
      {1234.56, "###0.0", "1234.6"},
      {545.4, "0.0", "545.4"},
      {2.675, "0.00", "2.68"},
      {9.996, "0.00", "10.00"},
      {-0.004, "0.00", "0.00"},
      {-0.005, "0.00", "-0.01"},
      {0.5, "#0.00", "0.50"},
      {29.92, "00.00", "29.92"},
      {0.0, "00.00", "00.00"},
      {1.23456, "##0.000", "1.235"},
      {0.0, "##0.000", "0.000"},
      {0.5, "#.00", ".50"},
      {-0.4, "0", "0"},
      {-0.5, "0", "-1"},
      {2.5, "0", "3"},
      // The 15 significant digits of a double decide, not its binary tail.
      {(0.1 + 0.7) * 10, "0", "8"},
      {1.005, "0.00", "1.01"},
      {1e20, "0", "100000000000000000000"},
      // Trailing "#" decimals only when significant.
      {1.5, "0.##", "1.5"},
      {1.0, "0.##", "1."},
      {1.005, "0.##", "1.01"},
      // Thousands separators.
      {12345.6, "##,##0", "12,346"},
      {999.4, "##,##0", "999"},
      {-12345.6, "##,##0", "-12,346"},
      {1234567.0, "#,##0", "1,234,567"},
      {-1234.5, "#,##0.0", "-1,234.5"},
      {0.0, "#,##0.0", "0.0"},
      {5.0, "#,#00", "05"},
      {2700.0, "#,#00", "2,700"},
      {1234.0, "###,###,##0", "1,234"},
      {0.0, "###,###,##0", "0"},
      {0.0, "###,###,###", ""},
      {1234.0, "###,###,###", "1,234"},
      {123456789012.0, "###,###,###", "123,456,789,012"},
      // Literals keep their place among the digit places.
      {4807.038, "00:00.0000", "48:07.0380"},
      {5.5, "00:00.0000", "00:05.5000"},
      {12345.6789, "00:00.0000", "123:45.6789"},
      {1131.0, "000:00.0000", "011:31.0000"},
      {-5.5, "00:00.0000", "-00:05.5000"},
      {123.0, "x0", "x123"},
      {-5.0, "x0", "-x5"},
      // No pattern: the number text.
      {0.5, "", "0.5"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(formatNumber(c.v, c.pattern), c.expected) << c.v << " \"" << c.pattern << '"';
}

TEST(FormatNumber, SinglesRoundOnTheirSevenDigits) {
  EXPECT_EQ(formatNumber(0.125f, "0.00"), "0.13");
  EXPECT_EQ(formatNumber(2.675f, "0.00"), "2.68");
  EXPECT_EQ(formatNumber(-5.3f, "#0.00"), "-5.30");
  EXPECT_EQ(formatNumber(1234.5f, "#,##0"), "1,235");
  // 1.005f is 1.00499999523...: seven digits make it 1.005, fifteen do not.
  EXPECT_EQ(formatNumber(1.005f, "0.00"), "1.01");
  EXPECT_EQ(formatNumber(static_cast<double>(1.005f), "0.00"), "1.00");
  EXPECT_EQ(formatNumber(-0.004f, "0.00"), "0.00");
}

TEST(FormatNumber, WholeNumbers) {
  EXPECT_EQ(formatNumber(static_cast<std::int16_t>(7), "00"), "07");
  EXPECT_EQ(formatNumber(static_cast<std::int16_t>(-32768), "#,##0"), "-32,768");
  EXPECT_EQ(formatNumber(49, "00"), "49");
  EXPECT_EQ(formatNumber(std::uint64_t{5'368'709'120}, "###,###,###"), "5,368,709,120");
  EXPECT_EQ(formatNumber(std::int64_t{0}, "###,###,###"), "");
}

TEST(FormatNumber, PreparedPatternHoldsLongTexts) {
  const DisplayPattern wide("0.000000000000000000");
  EXPECT_EQ(wide(1e30).view(), formatNumber(1e30, "0.000000000000000000"));
  EXPECT_EQ(wide(1e30).view().size(), 50u);
  EXPECT_EQ(DisplayPattern("##,##0")(-12345.6).view(), "-12,346");
  EXPECT_EQ(DisplayPattern("0.0")(std::numeric_limits<double>::quiet_NaN()).view(), "NaN");
  EXPECT_EQ(DisplayPattern("")(0.5).view(), "0.5");
  EXPECT_EQ(DisplayPattern("00")(std::int16_t{7}).view(), "07");
}

TEST(AppendHex, UpperCaseDigitsWithoutLeadingZeros) {
  std::string out = "$";
  appendHex(out, 0xFE);
  appendHex(out, 0);
  appendHex(out, 5, 2);
  appendHex(out, 0xABC, 2);
  appendHex(out, 0xFFFFFFFFFFFFFFFFull);
  EXPECT_EQ(out, "$FE005ABCFFFFFFFFFFFFFFFF");
}

TEST(FormatNumber, TextIsReadAsANumberFirst) {
  EXPECT_EQ(formatNumber(std::string_view("4807.038"), "00:00.0000"), "48:07.0380");
  EXPECT_EQ(formatNumber(std::string_view("01131.000"), "000:00.0000"), "011:31.0000");
  EXPECT_EQ(formatNumber(std::string_view("545.4"), "0.0"), "545.4");
  EXPECT_EQ(formatNumber(std::string_view("12345.6"), "##,##0"), "12,346");
  EXPECT_EQ(formatNumber(std::string_view(" 1 2.5"), "0.0"), "12.5");
  EXPECT_EQ(formatNumber(std::string_view("abc"), "0.0"), "0.0");
  EXPECT_EQ(formatNumber(std::string_view(""), "#0"), "0");
}

TEST(NumberText, DoublesWithFifteenDigits) {
  struct Case {
    double v;
    const char* expected;
  };
  const Case cases[] = {
      {static_cast<double>(-5.3f), "-5.30000019073486"},
      {0.5, "0.5"},
      {100.0, "100"},
      {0.0, "0"},
      {-0.0, "0"},
      {13.75, "13.75"},
      {2700.0, "2700"},
      {-2.0, "-2"},
      {0.1, "0.1"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {123456789.0, "123456789"},
      {999999999999999.0, "999999999999999"},
      {1e15, "1E+15"},
      {1e16, "1E+16"},
      {-1.25e20, "-1.25E+20"},
      {1.5e300, "1.5E+300"},
      {0.0001, "0.0001"},
      {0.00012, "0.00012"},
      {0.00001, "1E-05"},
      {1.5e-7, "1.5E-07"},
      {-1e-10, "-1E-10"},
  };
  for (const auto& c : cases) EXPECT_EQ(numberText(c.v), c.expected) << c.v;
}

TEST(NumberText, SinglesWithSevenDigits) {
  EXPECT_EQ(numberText(-5.3f), "-5.3");
  EXPECT_EQ(numberText(0.1f), "0.1");
  EXPECT_EQ(numberText(1.0f / 3), "0.3333333");
  EXPECT_EQ(numberText(9999999.0f), "9999999");
  EXPECT_EQ(numberText(1e7f), "1E+07");
  EXPECT_EQ(numberText(12345678.0f), "1.234568E+07");
  EXPECT_EQ(numberText(2.5e-5f), "2.5E-05");
  EXPECT_EQ(numberText(-0.0f), "0");
}

TEST(NumberText, Integers) {
  EXPECT_EQ(numberText(std::int64_t{0}), "0");
  EXPECT_EQ(numberText(static_cast<std::int16_t>(-32768)), "-32768");
  EXPECT_EQ(numberText(42), "42");
  EXPECT_EQ(numberText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
  EXPECT_EQ(numberText(std::numeric_limits<std::uint64_t>::max()), "18446744073709551615");
  EXPECT_EQ(numberText(5u), "5");
  EXPECT_EQ(numberText(-7LL), "-7");
}

TEST(TextHelpers, BytePositions) {
  EXPECT_EQ(leftText("ABCDEF", 3), "ABC");
  EXPECT_EQ(leftText("ABCDEF", 0), "");
  EXPECT_EQ(leftText("ABCDEF", 10), "ABCDEF");
  EXPECT_EQ(rightText("ABCDEF", 2), "EF");
  EXPECT_EQ(rightText("ABCDEF", 10), "ABCDEF");
  EXPECT_EQ(midText("ABCDEF", 2, 3), "BCD");
  EXPECT_EQ(midText("ABCDEF", 5), "EF");
  EXPECT_EQ(midText("ABCDEF", 6, 5), "F");
  EXPECT_EQ(midText("ABCDEF", 7, 2), "");
  EXPECT_EQ(midText("ABCDEF", 100), "");
  EXPECT_EQ(midText("\xB0\xB1\xB2", 2, 1), "\xB1");
  EXPECT_EQ(trimText("  a b  "), "a b");
  EXPECT_EQ(trimText("\ta "), "\ta");
  EXPECT_EQ(trimText("   "), "");
  EXPECT_EQ(upperText("abz1\xC3\xA9"), "ABZ1\xC3\xA9");
}

TEST(TextHelpers, InvalidPositionIsError5) {
  for (auto call : {+[] { (void)midText("ABC", 0, 1); }, +[] { (void)leftText("ABC", -1); },
                    +[] { (void)rightText("ABC", -1); }}) {
    try {
      call();
      ADD_FAILURE() << "no error";
    } catch (const RunError& e) {
      EXPECT_EQ(e.number(), err::InvalidCall);
    }
  }
}

}  // namespace
}  // namespace platform
