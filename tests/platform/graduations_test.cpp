#include "platform/graduations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace platform {
namespace {

// Label sizes of a typical gauge font: a dial's labels take about their width
// along the arc, a vertical bar's their height.
double wide(std::string_view s) {
  return 8.0 * static_cast<double>(s.size());
}
double tall(std::string_view) {
  return 13.0;
}

struct Row {
  const char* what;
  GraduationRequest request;
  std::vector<std::string> labels;  // the labelled marks, low to high
  double majorStep;
  std::string factor;
  // Unlabelled major marks at the ends (an end between steps).
  std::vector<double> bareEnds;
};

GraduationRequest request(double from, double to, double length, double (*extent)(std::string_view),
                          double minMajorSpacing) {
  GraduationRequest r;
  r.from = from;
  r.to = to;
  r.length = length;
  r.labelExtent = extent;
  r.minMajorSpacing = minMajorSpacing;
  return r;
}

GraduationRequest dial(double from, double to) {
  GraduationRequest r = request(from, to, 300, wide, 40);
  r.labelGap = 6;
  r.countHundreds = true;
  return r;
}

GraduationRequest bar(double from, double to, double length = 264) {
  return request(from, to, length, wide, 40);
}

GraduationRequest tape(double from, double to) {
  GraduationRequest r = request(from, to, 344, tall, 64);
  r.endMarks = false;
  return r;
}

const std::string kHundreds =
    "\xC3\x97"
    "100";

TEST(Graduations, ScalesReadAtRoundValues) {
  const std::vector<Row> rows = {
      {"tachometer 0-3000 in hundreds",
       dial(0, 3000),
       {"0", "5", "10", "15", "20", "25", "30"},
       500,
       kHundreds,
       {}},
      {"typed tachometer maximum 2700: end mark without label",
       dial(0, 2700),
       {"0", "5", "10", "15", "20", "25"},
       500,
       kHundreds,
       {2700}},
      {"typed maximum 3500",
       dial(0, 3500),
       {"0", "5", "10", "15", "20", "25", "30", "35"},
       500,
       kHundreds,
       {}},
      {"oil temperature 0-300 stays in degrees",
       dial(0, 300),
       {"0", "50", "100", "150", "200", "250", "300"},
       50,
       "",
       {}},
      {"fuel flow 0-15, no 8 at 7.5", bar(0, 15), {"0", "5", "10", "15"}, 5, "", {}},
      {"quantity 0-25, no 13 at 12.5", bar(0, 25), {"0", "5", "10", "15", "20", "25"}, 5, "", {}},
      {"volts 0-20", bar(0, 20), {"0", "5", "10", "15", "20"}, 5, "", {}},
      {"amps -60 to 60", bar(-60, 60), {"-60", "-40", "-20", "0", "20", "40", "60"}, 20, "", {}},
      {"a bar in thousands has no factor",
       bar(0, 2700),
       {"0", "500", "1000", "1500", "2000", "2500"},
       500,
       "",
       {2700}},
      {"a longer 0-15 bar: 0, 5, 10, 15 rather than twos and a bare end",
       bar(0, 15, 396),
       {"0", "5", "10", "15"},
       5,
       "",
       {}},
      {"ends in either order", bar(15, 0), {"0", "5", "10", "15"}, 5, "", {}},
      {"off-step lower end", bar(15, 40, 344), {"15", "20", "25", "30", "35", "40"}, 5, "", {}},
      {"around zero, never -0", bar(-1, 1, 200), {"-1.0", "-0.5", "0.0", "0.5", "1.0"}, 0.5, "", {}},
      {"airspeed tape at 87.3: labels every 10", tape(72.3, 102.3), {"80", "90", "100"}, 10, "", {}},
      {"altitude tape at 4127: labels every 500",
       tape(3127, 5127),
       {"3500", "4000", "4500", "5000"},
       500,
       "",
       {}},
      {"a scale without extent shows its value", bar(5, 5), {"5"}, 0, "", {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const Graduations g = graduate(row.request);
    std::vector<std::string> labels;
    std::vector<double> bare;
    for (const Graduation& m : g.marks) {
      if (!m.label.empty()) {
        EXPECT_TRUE(m.major) << m.label;
        labels.push_back(m.label);
      } else if (m.major && (m.value == row.request.from || m.value == row.request.to)) {
        bare.push_back(m.value);
      }
    }
    EXPECT_EQ(labels, row.labels);
    EXPECT_EQ(g.majorStep, row.majorStep);
    EXPECT_EQ(g.factorText, row.factor);
    EXPECT_EQ(bare, row.bareEnds);
  }
}

// Whatever the range and room, marks come in order, majors at whole steps of
// 1, 2, 2.5 or 5 times a power of ten, each label the text of its own value,
// and neighbouring labels clear of each other by the gap.
TEST(Graduations, LabelsNameTheirMarksAndNeverCrowd) {
  const double ranges[][2] = {{0, 100}, {0, 3000},   {-2000, 2000}, {15, 40},     {0, 0.7},
                              {13, 17}, {-7.3, 2.9}, {0, 240},      {1e6, 1.2e6}, {29.5, 30.5}};
  for (const auto& range : ranges)
    for (double length : {60.0, 150.0, 300.0, 900.0})
      for (bool hundreds : {false, true}) {
        GraduationRequest r = dial(range[0], range[1]);
        r.length = length;
        r.countHundreds = hundreds;
        SCOPED_TRACE(std::to_string(range[0]) + ".." + std::to_string(range[1]) + " in " +
                     std::to_string(length) + " px");
        const Graduations g = graduate(r);
        ASSERT_FALSE(g.marks.empty());
        const double mantissa = g.majorStep / std::pow(10.0, std::floor(std::log10(g.majorStep) + 1e-9));
        EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 ||
                    std::fabs(mantissa - 2.5) < 1e-9 || std::fabs(mantissa - 5) < 1e-9)
            << g.majorStep;
        const double pixelsPerUnit = length / (range[1] - range[0]);
        const Graduation* previous = nullptr;
        for (std::size_t k = 0; k < g.marks.size(); ++k) {
          const Graduation& m = g.marks[k];
          if (k > 0) {
            EXPECT_LT(g.marks[k - 1].value, m.value);
          }
          EXPECT_GE(m.value, range[0]);
          EXPECT_LE(m.value, range[1]);
          if (m.label.empty()) continue;
          const double steps = m.value / g.majorStep;
          EXPECT_NEAR(steps, std::round(steps), 1e-6) << m.label;
          EXPECT_EQ(m.label, graduationLabel(m.value, g.majorStep, g.labelFactor));
          if (std::fabs(m.value) < g.majorStep / 2) {
            EXPECT_NE(m.label[0], '-') << m.label;
          }
          if (previous) {
            const double room = (m.value - previous->value) * pixelsPerUnit;
            EXPECT_GE(room, (wide(m.label) + wide(previous->label)) / 2 + r.labelGap)
                << previous->label << " and " << m.label;
          }
          previous = &m;
        }
      }
}

// Degenerate and absurd ranges give a few marks at once.
TEST(Graduations, AbsurdRangesGiveAFewMarks) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_TRUE(graduate(bar(nan, 10)).marks.empty());
  EXPECT_TRUE(graduate(bar(0, inf)).marks.empty());
  for (auto [from, to] : {std::pair{0.0, 1e40}, std::pair{-1e300, 1e300}, std::pair{1e17, 1e17 + 64},
                          std::pair{-3e-300, 3e-300}}) {
    SCOPED_TRACE(std::to_string(from) + ".." + std::to_string(to));
    for (bool hundreds : {false, true}) {
      GraduationRequest r = dial(from, to);
      r.countHundreds = hundreds;
      const Graduations g = graduate(r);
      EXPECT_LE(g.marks.size(), 100u);
    }
  }
  GraduationRequest huge = bar(0, 100, 1e12);
  huge.minMajorSpacing = 0;
  huge.minMinorSpacing = 0;
  EXPECT_LE(graduate(huge).marks.size(), 20003u);
  EXPECT_EQ(graduate(bar(3, 3, 0)).marks.size(), 1u);
}

}  // namespace
}  // namespace platform
