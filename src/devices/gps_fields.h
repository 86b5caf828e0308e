#pragma once
// The field walk of the GPS decoder: reads the comma-separated fields of one
// sentence by two 1-based positions, the comma before the field (start) and
// the comma (or "*") after it (end), as each sentence case steps through them.
//
// Once a field has no closing delimiter the sentence is cut: that read and
// every later read of the same sentence fail, so labels after the cut keep
// their captions instead of being filled from a search that restarted at the
// line's first comma.

#include <cstddef>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "platform/numbers.h"

namespace devices::gps {

class FieldWalk {
 public:
  explicit FieldWalk(std::string_view line) : line_(line) {}

  // Field 1: start at the first comma.
  std::optional<std::string_view> first() { return read(findComma(1), End::Comma); }
  // The field after the last one read.
  std::optional<std::string_view> next() { return read(end_, End::Comma); }
  // Steps over one field (a hemisphere or a unit letter, of any length, empty
  // too) and reads the one after it: an empty hemisphere does not shift the
  // following fields.
  std::optional<std::string_view> afterOne() { return read(findComma(end_ + 1), End::Comma); }
  // The next field when it may be the sentence's last one, closed by "*".
  std::optional<std::string_view> nextLast() { return read(end_, End::CommaOrStar); }
  // The next field, which always is the sentence's last one.
  std::optional<std::string_view> nextToStar() { return read(end_, End::Star); }
  std::optional<std::string_view> afterOneToStar() { return read(findComma(end_ + 1), End::Star); }

  // The next field where the sentence may simply have no more fields (the
  // satellite blocks): the walk ends without counting as a cut.
  std::optional<std::string_view> nextIfAny() {
    if (cut_ || end_ == 0) return std::nullopt;
    const std::size_t start = end_;
    const std::size_t end = findComma(start + 1);
    start_ = start;
    end_ = end;
    if (end == 0) return std::nullopt;
    return field(start, end);
  }

  // The text from the first comma up to the "*" (commas included).
  std::optional<std::string_view> restToStar() {
    if (cut_) return std::nullopt;
    const std::size_t start = findComma(1);
    const std::size_t end = start == 0 ? 0 : findStar(start + 1);
    return commit(start, end);
  }

  // The n characters after the closing delimiter of the last field read (a
  // hemisphere letter, a last one-character field); fewer at the line's end.
  std::string_view afterEnd(std::size_t n = 1) const {
    if (end_ == 0 || end_ >= line_.size()) return {};
    return line_.substr(end_, n);
  }

  bool cut() const { return cut_; }

 private:
  enum class End { Comma, Star, CommaOrStar };

  std::optional<std::string_view> read(std::size_t start, End kind) {
    if (cut_) return std::nullopt;
    std::size_t end = 0;
    if (start != 0) {
      end = kind == End::Star ? findStar(start + 1) : findComma(start + 1);
      if (end == 0 && kind == End::CommaOrStar) end = findStar(start + 1);
    }
    return commit(start, end);
  }

  std::optional<std::string_view> commit(std::size_t start, std::size_t end) {
    start_ = start;
    end_ = end;
    if (start == 0 || end == 0 || end <= start) {
      cut_ = true;
      return std::nullopt;
    }
    return field(start, end);
  }

  // Characters from position start + 1 up to the one before position end.
  std::string_view field(std::size_t start, std::size_t end) const {
    if (start >= line_.size()) return {};
    return line_.substr(start, end - start - 1);
  }

  // 1-based position of the first c at or after position from; 0 when none.
  std::size_t find(char c, std::size_t from) const {
    if (from < 1) from = 1;
    if (from > line_.size()) return 0;
    const void* p = std::memchr(line_.data() + from - 1, c, line_.size() - from + 1);
    return p == nullptr ? 0 : static_cast<std::size_t>(static_cast<const char*>(p) - line_.data()) + 1;
  }
  std::size_t findComma(std::size_t from) const { return find(',', from); }
  std::size_t findStar(std::size_t from) const { return find('*', from); }

  std::string_view line_;
  std::size_t start_ = 0;
  std::size_t end_ = 0;
  bool cut_ = false;
};

// A field shown by a display pattern: an empty field stays empty and a text
// that is not a number is shown as it came.
inline std::string formatField(std::string_view text, std::string_view pattern) {
  if (text.empty()) return {};
  if (!platform::isNumberText(text)) return std::string(text);
  return platform::formatNumber(platform::readNumber(text), pattern);
}

// "hhmm:ss" of a time field: its first four and last two characters, as the
// sentence screens show it.
inline std::string fixTimeText(std::string_view t) {
  std::string out = platform::leftText(t, 4);
  out += ':';
  out += platform::rightText(t, 2);
  return out;
}

// A position: the hemisphere character, a blank and the formatted number.
inline std::string positionText(std::string_view hemisphere, std::string_view formatted) {
  std::string out;
  out.reserve(hemisphere.size() + 1 + formatted.size());
  out.append(hemisphere).append(1, ' ').append(formatted);
  return out;
}

// The last result of one display pattern at one place of the decoder. A
// receiver repeats most values from one second to the next, so the pattern
// runs only when the value (or field text) differs from the last one.
class PatternMemo {
 public:
  explicit PatternMemo(std::string_view pattern) : pattern_(pattern) {}
  const std::string& number(double v) {
    if (!hasNumber_ || !(v == number_)) {
      out_ = platform::formatNumber(v, pattern_);
      number_ = v;
      hasNumber_ = true;
    }
    return out_;
  }
  const std::string& field(std::string_view text) {
    if (!hasText_ || text != text_) {
      out_ = formatField(text, pattern_);
      text_.assign(text);
      hasText_ = true;
    }
    return out_;
  }

 private:
  std::string_view pattern_;
  double number_ = 0;
  bool hasNumber_ = false;
  std::string text_;
  bool hasText_ = false;
  std::string out_;
};

// The last number read from one text (the stored speed, track and altitude
// texts are read on every line).
class NumberMemo {
 public:
  double operator()(std::string_view text) {
    if (!valid_ || text != text_) {
      value_ = platform::readNumber(text);
      text_.assign(text);
      valid_ = true;
    }
    return value_;
  }

 private:
  std::string text_;
  double value_ = 0;
  bool valid_ = false;
};

// Every memo of the decoder, one per place that formats or reads.
struct Memos {
  // Common readouts.
  NumberMemo track, magneticTrack, speed, altitude;
  PatternMemo heading{"##0"}, magneticHeading{"##0"}, speedShown{"##0.0"}, altitudeShown{"##,##0"};
  // Positions and fix values of the sentence screens.
  PatternMemo ggaLatitude{"00:00.0000"}, ggaLongitude{"000:00.0000"}, ggaSatellites{"#0"}, ggaDilution{"0.0"},
      ggaAltitude{"0.0"}, ggaGeoid{"0.0"};
  PatternMemo rmcLatitude{"00:00.0000"}, rmcLongitude{"000:00.0000"};
  PatternMemo garminLatitude{"00:00.0000"}, garminLongitude{"000:00.0000"};
};

}  // namespace devices::gps
