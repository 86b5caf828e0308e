#include "platform/graduations.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/numbers.h"

namespace platform {

namespace {

// No scale is longer than this many pixels, whatever a caller asks; it bounds
// the number of marks.
constexpr double kMaxLength = 20000;

// Ten to the e; the powers a scale meets come from a table of exact values,
// as they are asked for many times on every paint.
double pow10(int e) {
  static constexpr std::array<double, 23> kExact{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  if (e >= 0 && e < static_cast<int>(kExact.size())) return kExact[static_cast<std::size_t>(e)];
  if (e < 0 && -e < static_cast<int>(kExact.size())) return 1.0 / kExact[static_cast<std::size_t>(-e)];
  return std::pow(10.0, e);
}

// k times mantissa times ten to the e, computed so that a decimal step gives
// the nearest double of its decimal value (3 * 0.1 is 0.3, not 0.30000000000000004).
double multiple(double k, double mantissa, int e) {
  const double km = k * mantissa;
  return e >= 0 ? km * pow10(e) : km / pow10(-e);
}

// Decimals a step needs, 0 to 15: 0.25 needs 2, 500 needs 0.
int decimalsOf(double step) {
  step = std::fabs(step);
  for (int d = 0; d < 15; ++d) {
    const double scaled = step * pow10(d);
    if (std::fabs(scaled - std::round(scaled)) <= 1e-9 * std::max(1.0, scaled)) return d;
  }
  return 15;
}

std::string decimalsPattern(int decimals) {
  return decimals == 0 ? std::string("0") : "0." + std::string(static_cast<std::size_t>(decimals), '0');
}

// The display pattern of the labels of a step, shown divided by factor.
std::string labelPattern(double step, double factor) {
  return decimalsPattern(decimalsOf(step / factor));
}

// Minor marks between two major marks, finest first, by the step's mantissa.
std::vector<int> subdivisions(double mantissa) {
  if (mantissa == 1) return {10, 5, 2};
  if (mantissa == 2) return {4, 2};
  return {5};
}

struct Candidate {
  double mantissa;
  int exponent;
  double step() const { return multiple(1, mantissa, exponent); }
};

constexpr std::array<double, 4> kMantissas{1, 2, 2.5, 5};

}  // namespace

std::string graduationLabel(double value, double step, double factor) {
  if (!(factor > 0) || !std::isfinite(factor)) factor = 1;
  return formatNumber(value / factor, labelPattern(step, factor));
}

// NOLINTNEXTLINE(readability-function-cognitive-complexity)
Graduations graduate(const GraduationRequest& r) {
  Graduations g;
  if (!std::isfinite(r.from) || !std::isfinite(r.to)) return g;
  const double lo = std::min(r.from, r.to), hi = std::max(r.from, r.to);
  const bool labelled = static_cast<bool>(r.labelExtent);

  // Hundreds (or a higher power of ten) once the largest label would need
  // four digits.
  int factorExponent = 0;
  const double largest = std::max(std::fabs(lo), std::fabs(hi));
  if (r.countHundreds && labelled && largest >= 1000) {
    factorExponent = std::max(2, static_cast<int>(std::floor(std::log10(largest))) - 2);
    g.labelFactor = pow10(factorExponent);
    g.factorText = "\xC3\x97" + numberText(g.labelFactor);
  }

  const double length = std::min(r.length, kMaxLength);
  if (!(hi > lo) || !(length > 0) || !std::isfinite(hi - lo)) {
    // One mark for a scale without extent, labelled with its value.
    Graduation only{lo, true, ""};
    if (labelled) {
      only.label = formatNumber(lo / g.labelFactor, "0.######");
      if (only.label.back() == '.') only.label.pop_back();
    }
    g.marks.push_back(std::move(only));
    return g;
  }

  const double span = hi - lo;
  const double pixelsPerUnit = length / span;
  const double maxMajors = std::max(1.0, std::floor(length / std::max(1.0, r.minMajorSpacing)));
  const double smallest = span / maxMajors;

  // Majors of a candidate step and whether their labels keep clear of each
  // other.
  struct Trial {
    double count = 0;
    bool fits = true;
  };
  const auto trial = [&](const Candidate& c) {
    Trial t;
    const double step = c.step();
    const double kLo = std::ceil(lo / step - 1e-9), kHi = std::floor(hi / step + 1e-9);
    t.count = std::clamp(kHi - kLo + 1, 0.0, maxMajors + 1);
    if (!labelled) return t;
    const double stepPixels = step * pixelsPerUnit;
    const std::string pattern = labelPattern(step, g.labelFactor);
    double previous = -1;
    for (double i = 0; i < t.count; ++i) {
      const double extent =
          r.labelExtent(formatNumber(multiple(kLo + i, c.mantissa, c.exponent) / g.labelFactor, pattern));
      if (previous >= 0 && (previous + extent) / 2 + r.labelGap > stepPixels) {
        t.fits = false;
        break;
      }
      previous = extent;
    }
    return t;
  };
  const auto onStep = [&](double v, double step) {
    const double k = v / step;
    return std::fabs(k - std::round(k)) <= 1e-9 * std::max(1.0, std::fabs(k));
  };

  // Candidate steps from the smallest the room allows upwards; the first
  // whose labels fit is taken, unless a step up to five times larger ends on
  // both ends of the scale with four labels or more (0-15 reads 0, 5, 10, 15
  // rather than 0 to 14 by twos and an unlabelled end). Few candidates are
  // tried: past the span every step leaves at most one major mark.
  std::vector<Candidate> candidates;
  const int firstExponent = static_cast<int>(std::floor(std::log10(smallest)));
  for (int e = firstExponent; e <= firstExponent + 4; ++e)
    for (double m : kMantissas) {
      // 2.5 only where its labels stay whole in the decade below (25, 250).
      if (m == 2.5 && e - factorExponent < 1) continue;
      if (multiple(1, m, e) >= smallest * (1 - 1e-12)) candidates.push_back({m, e});
    }
  Candidate chosen{0, 0};
  std::size_t next = 0;
  for (; next < candidates.size(); ++next) {
    const Trial t = trial(candidates[next]);
    if (t.fits || t.count <= 1) {
      chosen = candidates[next++];
      break;
    }
  }
  const auto endsOnStep = [&](const Candidate& c) { return onStep(lo, c.step()) && onStep(hi, c.step()); };
  if (chosen.mantissa != 0 && r.endMarks && !endsOnStep(chosen))
    for (; next < candidates.size() && candidates[next].step() <= chosen.step() * 5; ++next) {
      const Trial t = trial(candidates[next]);
      if (t.fits && t.count >= 4 && endsOnStep(candidates[next])) {
        chosen = candidates[next];
        break;
      }
    }
  if (chosen.mantissa == 0) return g;

  const double step = chosen.step();
  int sub = 1;
  for (int s : subdivisions(chosen.mantissa))
    if (step / s * pixelsPerUnit >= std::max(1.0, r.minMinorSpacing)) {
      sub = s;
      break;
    }
  g.majorStep = step;
  g.minorStep = sub > 1 ? step / sub : 0;

  // Marks in minor steps; every sub-th is a major one. A minor step is a
  // whole number of tenths of the major step's decade (1, 2, 5 or 10).
  const double minor = step / sub;
  const std::string pattern = labelled ? labelPattern(step, g.labelFactor) : std::string();
  const double minorMantissa = chosen.mantissa * 10 / sub;
  const double jLo = std::ceil(lo / minor - 1e-9), jHi = std::floor(hi / minor + 1e-9);
  const double count = std::clamp(jHi - jLo + 1, 0.0, (maxMajors + 1) * sub);
  for (double i = 0; i < count; ++i) {
    const double j = jLo + i;
    const bool major = std::fmod(j, sub) == 0;
    const double v = std::clamp(multiple(j, minorMantissa, chosen.exponent - 1), lo, hi);
    Graduation mark{v, major, ""};
    if (major && labelled) mark.label = formatNumber(v / g.labelFactor, pattern);
    g.marks.push_back(std::move(mark));
  }

  // An end between steps keeps a major mark of its own, unlabelled: a minor
  // mark next to it grows into one, or one is added.
  if (!r.endMarks) return g;
  const double near = std::max(1.0, r.minMinorSpacing / 2) / pixelsPerUnit;
  const auto endMark = [&](double end, Graduation* nearest) {
    if (nearest && std::fabs(nearest->value - end) <= near) {
      if (!nearest->major) *nearest = {end, true, ""};
      return true;
    }
    return false;
  };
  if (!endMark(lo, g.marks.empty() ? nullptr : &g.marks.front()))
    g.marks.insert(g.marks.begin(), {lo, true, ""});
  if (!endMark(hi, &g.marks.back())) g.marks.push_back({hi, true, ""});
  return g;
}

}  // namespace platform
