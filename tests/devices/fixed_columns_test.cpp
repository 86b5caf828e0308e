// The fixed-column readers of the EFIS and Dynon records: their quick way for
// fields of digits gives what the general number rule gives, on any bytes.

#include "devices/fixed_columns.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "platform/numbers.h"
#include "platform/vb.h"

namespace {

using namespace devices;

std::optional<std::int16_t> integerByTheRule(std::string_view t) {
  try {
    return platform::toInt16(platform::readNumber(t));
  } catch (const platform::RunError&) {
    return std::nullopt;
  }
}

std::optional<std::int16_t> integerRead(std::string_view line, std::size_t first, std::size_t count) {
  try {
    return columns::integer(line, first, count);
  } catch (const platform::RunError&) {
    return std::nullopt;
  }
}

TEST(FixedColumns, FieldsBeyondTheEndOfAShortRecordAreEmpty) {
  EXPECT_EQ(columns::text("12345", 4, 3), "45");
  EXPECT_EQ(columns::text("12345", 6, 2), "");
  EXPECT_EQ(columns::text("12345", 9, 2), "");
  EXPECT_EQ(columns::integer("12345", 4, 3), 45);
  EXPECT_EQ(columns::integer("12345", 6, 3), 0);
  EXPECT_EQ(columns::decimal("12345", 4, 2, 1), 45.0f);
  EXPECT_EQ(columns::decimal("-053", 1, 3, 1), -5.3f);
  EXPECT_EQ(columns::decimal("12", 3, 2, 1), 0.0f);
  EXPECT_EQ(columns::hex("XX0C1E", 3, 2), 12u);
  EXPECT_EQ(columns::signedHex("FFE0", 1), -32);
  EXPECT_EQ(columns::signedHex("7FFF", 1), 32767);
  EXPECT_EQ(columns::signedHex("FF", 1), 255);
  EXPECT_EQ(std::string_view(columns::Joined() << "GP1"
                                               << " = "
                                               << " 12.5"),
            "GP1 =  12.5");
}

// Random fields of digits, blanks, signs, points and other bytes, of every
// length the records use and beyond.
TEST(FixedColumns, QuickReadingAgreesWithTheNumberRuleOnManyFields) {
  std::mt19937 rng(71);
  const std::string alphabet = "0123456789000111999 -+.X\t";
  for (int round = 0; round < 200000; ++round) {
    std::string line(rng() % 12, '0');
    for (char& c : line)
      c = round % 4 == 0 ? static_cast<char>('0' + rng() % 10) : alphabet[rng() % alphabet.size()];
    const std::size_t first = 1 + rng() % 4;
    const std::size_t count = rng() % 7;
    const std::size_t fraction = rng() % 4;

    ASSERT_EQ(integerRead(line, first, count), integerByTheRule(columns::text(line, first, count)))
        << '"' << line << "\" " << first << ' ' << count;

    const std::string joined = std::string(columns::text(line, first, count)) + "." +
                               std::string(columns::text(line, first + count, fraction));
    const auto expected = static_cast<float>(platform::readNumber(joined));
    ASSERT_EQ(std::bit_cast<std::uint32_t>(columns::decimal(line, first, count, fraction)),
              std::bit_cast<std::uint32_t>(expected))
        << '"' << joined << '"';
  }
}

}  // namespace
