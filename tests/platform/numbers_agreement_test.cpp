// The shortcuts of the number rules against their general route: formatNumber,
// a prepared DisplayPattern and numberText take whole-number, one-product and
// integer-arithmetic shortcuts for the common values and patterns, and must
// give byte for byte what the general decimal conversion gives. Many random values across every magnitude,
// exact halves at each pattern place and at the 7th and 15th digit, neighbours of powers of ten and of the
// shortcuts' range ends, negative zero and values that round to zero, in singles and doubles, under the
// patterns the program uses. A failure names the seed; TALBREN_NUMBERS_SEED=<seed> runs that one.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "platform/numbers.h"

namespace {

using platform::formatNumber;
using platform::formatNumberGeneral;
using platform::numberText;
using platform::numberTextGeneral;

// The patterns of the program's captions, records and gauges, a few more of
// the same kinds (trailing "#" decimals), and the ends of the range of
// places the shortcut takes (18 decimals, 20 whole digits) and just beyond.
const std::vector<std::string> kPatterns = {"0",
                                            "00",
                                            "000",
                                            "0000",
                                            "#",
                                            "#0",
                                            "##0",
                                            "###0",
                                            "0.",
                                            "#.",
                                            "0.0",
                                            "#0.0",
                                            "##0.0",
                                            "###0.0",
                                            "0.00",
                                            "00.00",
                                            "#0.00",
                                            "0.000",
                                            "##0.000",
                                            "#.##",
                                            "#0.0#",
                                            "0.0000",
                                            "0.00000000",
                                            "##,##0",
                                            "#,##0",
                                            "#,#00",
                                            "#,##0.0",
                                            "###,###,##0",
                                            "###,###,###",
                                            "00:00.0000",
                                            "000:00.0000",
                                            "",
                                            "0.000000000000000000",
                                            "0.0000000000000000000",
                                            "00000000000000000000",
                                            "000000000000000000000"};

unsigned seedOfThisRun() {
  const char* s = std::getenv("TALBREN_NUMBERS_SEED");
  return s ? static_cast<unsigned>(std::strtoul(s, nullptr, 10)) : 20081019u;
}

// Values where the shortcuts meet the general route or round to a new digit.
std::vector<double> edgeValues() {
  std::vector<double> v = {0.0,
                           -0.0,
                           1e-5,
                           1e-4,
                           0.5,
                           1.5,
                           2.5,
                           9.5,
                           99.5,
                           999.5,
                           9999.5,
                           0.05,
                           0.005,
                           0.95,
                           9.95,
                           99.95,
                           999.95,
                           0.045,
                           1.005,
                           2.675,
                           1e7,
                           1e15,
                           1e16,
                           9007199254740992.0,
                           4503599627370496.5,
                           1234567.001953125,
                           32767.5,
                           -32768.5};
  for (int e = -8; e <= 17; ++e) {
    const double p = std::pow(10.0, e);
    for (double x : {p, std::nextafter(p, 0.0), std::nextafter(p, 1e300), 5 * p, 9.999999 * p, 9.9999995 * p})
      v.push_back(x);
  }
  // Halves of the pattern places: k + 0.5 at 0 to 4 decimals.
  for (int places = 0; places <= 4; ++places)
    for (int k : {0, 1, 2, 12, 99, 12345}) v.push_back((k + 0.5) / std::pow(10.0, places));
  const std::size_t n = v.size();
  for (std::size_t i = 0; i < n; ++i) v.push_back(-v[i]);
  return v;
}

// Random doubles of every magnitude from 1E-9 to 1E+17, and exact binary
// fractions (halves, quarters ... of whole numbers), both signs.
std::vector<double> randomValues(std::mt19937_64& rng, int count) {
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-9, 17);
  std::uniform_int_distribution<std::int64_t> whole(0, 2000000);
  std::uniform_int_distribution<int> halvings(1, 12);
  std::uniform_int_distribution<int> kind(0, 3);
  std::vector<double> v;
  for (int i = 0; i < count; ++i) {
    double x = 0;
    switch (kind(rng)) {
      case 0:
      case 1:
        x = mantissa(rng) * std::pow(10.0, exponent(rng));
        break;
      case 2:
        x = std::ldexp(static_cast<double>(whole(rng)), -halvings(rng));
        break;
      default:
        // A decimal of few digits, as the devices send them: 123.4, 0.05.
        x = static_cast<double>(whole(rng)) / std::pow(10.0, halvings(rng) % 6);
        break;
    }
    v.push_back(rng() & 1 ? -x : x);
  }
  return v;
}

struct Disagreement {
  std::string text;
  int count = 0;
};

void compare(Disagreement& d, const std::string& fast, const std::string& general, const std::string& what) {
  if (fast == general) return;
  if (++d.count <= 20) d.text += "  " + what + ": shortcut \"" + fast + "\", general \"" + general + "\"\n";
}

// Every value under every pattern, in double and in single.
std::string disagreements(const std::vector<double>& values) {
  Disagreement d;
  char buf[64];
  for (double v : values) {
    const float f = static_cast<float>(v);
    for (const std::string& p : kPatterns) {
      std::snprintf(buf, sizeof buf, "%.17g", v);
      const platform::DisplayPattern prepared(p);
      const std::string general = formatNumberGeneral(v, p);
      compare(d, formatNumber(v, p), general, std::string("double ") + buf + " \"" + p + "\"");
      compare(d, prepared(v).str(), general, std::string("prepared double ") + buf + " \"" + p + "\"");
      std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(f));
      const std::string generalSingle = formatNumberGeneral(f, p);
      compare(d, formatNumber(f, p), generalSingle, std::string("single ") + buf + " \"" + p + "\"");
      compare(d, prepared(f).str(), generalSingle, std::string("prepared single ") + buf + " \"" + p + "\"");
    }
    std::snprintf(buf, sizeof buf, "%.17g", v);
    compare(d, numberText(v), numberTextGeneral(v), std::string("numberText double ") + buf);
    std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(f));
    compare(d, numberText(f), numberTextGeneral(f), std::string("numberText single ") + buf);
  }
  if (d.count == 0) return "";
  return std::to_string(d.count) + " disagreements, the first ones:\n" + d.text;
}

TEST(NumberShortcuts, AgreeWithTheGeneralRouteOnEdgeValues) {
  EXPECT_EQ(disagreements(edgeValues()), "");
}

TEST(NumberShortcuts, AgreeWithTheGeneralRouteOnRandomValues) {
  const unsigned seed = seedOfThisRun();
  std::mt19937_64 rng(seed);
  EXPECT_EQ(disagreements(randomValues(rng, 40000)), "") << "seed " << seed;
}

// The doubles right next to the halves of each pattern place, where the one
// product's rounding is closest to differing from the decimal one; and the
// readings of fixed-column fields (tenths, hundredths, sixteenths) through the
// engine unit conversions.
TEST(NumberShortcuts, AgreeNextToHalvesAndOnConvertedReadings) {
  const unsigned seed = seedOfThisRun();
  std::mt19937_64 rng(seed);
  std::uniform_int_distribution<int> whole(-40000, 40000);
  std::uniform_int_distribution<int> places(0, 6);
  const double factors[] = {1, 33.86388, 0.06895, 3.785, 0.556, 0.1, 1.0 / 16, 3.2808, 1.9438};
  std::vector<double> values;
  for (int i = 0; i < 3000; ++i) {
    const double scale = std::pow(10.0, places(rng));
    const double half = (whole(rng) + 0.5) / scale;
    values.push_back(std::nextafter(half, 0.0));
    values.push_back(std::nextafter(half, half * 2));
    values.push_back(static_cast<double>(std::nextafter(static_cast<float>(half), 0.0f)));
    values.push_back(whole(rng) / scale * factors[static_cast<std::size_t>(i) % std::size(factors)]);
    values.push_back((whole(rng) - 32) * 0.556);
  }
  EXPECT_EQ(disagreements(values), "") << "seed " << seed;
}

// Singles drawn by their bits: every exponent a single has, both signs.
TEST(NumberShortcuts, AgreeOnSinglesOfEveryExponent) {
  const unsigned seed = seedOfThisRun();
  std::mt19937 rng(seed);
  std::vector<double> values;
  for (int i = 0; i < 20000; ++i) {
    float f = 0;
    do {
      const std::uint32_t bits = static_cast<std::uint32_t>(rng());
      static_assert(sizeof f == sizeof bits);
      std::memcpy(&f, &bits, sizeof f);
    } while (!std::isfinite(f) || std::fabs(f) > 1e18f || std::fabs(f) < 1e-12f);
    values.push_back(static_cast<double>(f));
  }
  EXPECT_EQ(disagreements(values), "") << "seed " << seed;
}

}  // namespace
