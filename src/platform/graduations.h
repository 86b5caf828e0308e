#pragma once
// Graduations of a gauge scale: from the scale's range and its length in
// pixels, the major and minor marks and the texts of the labels, so that every
// bar, dial and tape reads at round values. Steps are 1, 2, 2.5 or 5 times a
// power of ten (2.5 only where its labels stay whole numbers of the decade
// below, so a scale reads 0, 25, 50 but never 2.5, 7.5); labels sit on major
// marks only, show exactly the value of their mark and never crowd each other.
// Any range paints: an empty, reversed or absurdly wide one gives a handful of
// marks, never a number of marks in proportion to the range.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct Graduation {
  double value = 0;
  bool major = false;
  // Empty on minor marks and on an end mark that falls between steps.
  std::string label;
};

struct GraduationRequest {
  // The scale's ends, in either order.
  double from = 0, to = 100;
  // Pixels from one end of the scale to the other (for a dial: the arc length
  // at the labels' radius).
  double length = 0;
  // Pixels along the scale that a label text takes; empty when the scale
  // carries no labels.
  std::function<double(std::string_view)> labelExtent;
  // Pixels kept clear between neighbouring labels.
  double labelGap = 4;
  // Pixels at least between major marks, labelled or not: how roomy the scale
  // reads (a tape wants a few label heights between its numbers).
  double minMajorSpacing = 16;
  // Pixels at least between minor marks.
  double minMinorSpacing = 4;
  // Round dials: labels that would need four digits count hundreds (or
  // thousands, ...) and the dial shows the factor ("×100").
  bool countHundreds = false;
  // An end between steps gets an unlabelled mark of its own; a moving tape,
  // whose ends are only the edges of its window, leaves them out.
  bool endMarks = true;
};

struct Graduations {
  // Every mark from the lower end of the scale to the upper end.
  std::vector<Graduation> marks;
  double majorStep = 0, minorStep = 0;
  // 1, or the factor the labels are divided by (100 shows 3000 as "30").
  double labelFactor = 1;
  // "×100" when the labels count hundreds, empty otherwise.
  std::string factorText;
};

Graduations graduate(const GraduationRequest& request);

// The label of a major mark at value, for marks step apart (a moving tape
// labels the marks that scroll into view with the step graduate() chose):
// the value divided by factor, with the decimals the step needs, rounded as
// the display patterns round, never "-0".
std::string graduationLabel(double value, double step, double factor = 1);

}  // namespace platform
