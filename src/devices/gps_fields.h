#pragma once
// The fields of a GPS sentence. Field n is the text after the sentence's n-th
// comma (field 1 follows the first comma), up to the delimiter that closes
// it. A sentence case is a table with one row per field it reads: the
// field's number, the label that shows it (or only the texts the case keeps
// for its own steps), how the text becomes the caption and what closes the
// field. Two rules hold for every table, here alone:
// - An empty field (a missing hemisphere or unit letter too) is stepped over
//   by its commas, so it never shifts the fields after it.
// - A field whose closing delimiter is missing cuts the sentence: that row
//   and every later one are skipped and their labels keep their captions; the
//   case's own steps after its table (feeding the main window, the terrain
//   alert) are skipped too. The activity counter and the common readouts run
//   all the same.

#include <array>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "app/shared_state.h"
#include "platform/controls.h"
#include "platform/numbers.h"
#include "platform/text_memo.h"

namespace devices::gps {

// What closes a field.
enum class End {
  Comma,        // the next comma
  CommaOrStar,  // the next comma, else the "*" of the checksum (a last field)
  Star,         // the "*" of the checksum: the sentence's last field, commas and all
  Leading,      // nothing: the field's first characters, however it ends
};

// A position walking the fields of one line: the field read last and its
// closing delimiter, as a 1-based character position.
class FieldWalk {
 public:
  explicit FieldWalk(std::string_view line) : line_(line) {}

  // Field `number` (after the one read last), closed as `end` says; nothing
  // once the sentence is cut.
  std::optional<std::string_view> read(int number, End end) {
    if (cut_) return std::nullopt;
    // From the line's start, or from the close of the field read last.
    std::size_t start = number_ == 0 ? findComma(1) : end_;
    for (int skipped = number_ == 0 ? 1 : number_ + 1; skipped < number && start != 0; ++skipped)
      start = findComma(start + 1);
    number_ = number;
    std::size_t close = 0;
    if (start != 0) {
      close = end == End::Star ? findStar(start + 1) : findComma(start + 1);
      if (close == 0 && end == End::CommaOrStar) close = findStar(start + 1);
    }
    end_ = close;
    if (start == 0 || close == 0 || close <= start) {
      cut_ = true;
      return std::nullopt;
    }
    return field(start, close);
  }

  // The n characters after the delimiter that closed the field read last (a
  // hemisphere letter, a last one-character field); fewer at the line's end.
  std::string_view afterEnd(std::size_t n) const {
    if (end_ == 0 || end_ >= line_.size()) return {};
    return line_.substr(end_, n);
  }

 private:
  // Characters from position start + 1 up to the one before position close.
  std::string_view field(std::size_t start, std::size_t close) const {
    if (start >= line_.size()) return {};
    return line_.substr(start, close - start - 1);
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
  int number_ = 0;
  std::size_t end_ = 0;
  bool cut_ = false;
};

// The place of a fix type ("0", "1", ...) among count fix modes; none for any
// other text.
inline std::optional<std::size_t> fixIndex(std::string_view fixType, std::size_t count) {
  if (fixType.size() != 1 || fixType[0] < '0' || static_cast<std::size_t>(fixType[0] - '0') >= count)
    return std::nullopt;
  return static_cast<std::size_t>(fixType[0] - '0');
}

// A field shown by a display pattern: an empty field stays empty and a text
// that is not a number is shown as it came.
inline std::string formatField(std::string_view text, std::string_view pattern) {
  if (text.empty()) return {};
  if (!platform::isNumberText(text)) return std::string(text);
  return platform::formatNumber(platform::readNumber(text), pattern);
}

// The result of one function of a text, for the last text it was given: a
// receiver repeats most fields from one second to the next.
template <typename T>
class LastResult {
 public:
  template <typename Make>
  const T& operator()(std::string_view text, Make&& make) {
    if (!valid_ || text != text_) {
      value_ = make(text);
      text_.assign(text);
      valid_ = true;
    }
    return value_;
  }

 private:
  std::string text_;
  T value_{};
  bool valid_ = false;
};

// A field's display pattern with the caption of the field text it met last.
class FieldPattern {
 public:
  explicit FieldPattern(std::string_view pattern) : pattern_(pattern) {}
  const std::string& operator()(std::string_view text) {
    return last_(text, [this](std::string_view t) { return formatField(t, pattern_); });
  }

 private:
  std::string_view pattern_;
  LastResult<std::string> last_;
};

// Everything the decoder remembers to spare work, one per place that formats
// or reads.
struct Memos {
  // The stored speed, track and altitude texts read on every line.
  LastResult<double> track, magneticTrack, speed, altitude;
  platform::RememberedPattern<double> heading{"##0"}, magneticHeading{"##0"}, speedShown{"##0.0"},
      altitudeShown{"##,##0"};
  // Positions and fix values of the sentence screens.
  FieldPattern ggaLatitude{"00:00.0000"}, ggaLongitude{"000:00.0000"}, ggaSatellites{"#0"}, ggaDilution{"0.0"},
      ggaAltitude{"0.0"}, ggaGeoid{"0.0"};
  FieldPattern rmcLatitude{"00:00.0000"}, rmcLongitude{"000:00.0000"};
  FieldPattern garminLatitude{"00:00.0000"}, garminLongitude{"000:00.0000"};
};

// How a field's text becomes its caption.
enum class Show {
  AsReceived,
  FixTime,      // "hhmm:ss": the first four and the last two characters
  Position,     // the hemisphere letter after the field, a blank, the number by its pattern
  Pattern,      // the number by its pattern
  Date,         // "dd/mm/yy" of ddmmyy
  SignedCount,  // the number text with the sign place of a number shown as text
  Lamp,         // the lamp bright green when the field is the expected text
};

// One row of a sentence's table, for its sentence screen S.
template <typename S>
struct Field {
  int number;
  platform::Label S::*label = nullptr;  // none: only kept for the case's own steps
  Show show = Show::AsReceived;
  End end = End::Comma;
  FieldPattern Memos::*pattern = nullptr;  // Position and Pattern
  std::size_t width = 0;                   // End::Leading
  // Stored here too while the sentence's own source feeds the main window.
  std::string SharedState::*fed = nullptr;
  // Lamp: the lamp, the text that lights it, its colour otherwise.
  platform::Shape S::*lamp = nullptr;
  std::string_view expected;
  platform::OleColor failure = 0;
};

template <typename S>
constexpr Field<S> shown(int number, platform::Label S::*label, Show show, FieldPattern Memos::*pattern) {
  return {.number = number, .label = label, .show = show, .pattern = pattern};
}
template <typename S>
constexpr Field<S> leading(int number, platform::Label S::*label, std::size_t width) {
  return {.number = number, .label = label, .end = End::Leading, .width = width};
}
template <typename S>
constexpr Field<S> lamp(int number, platform::Shape S::*lamp, std::string_view expected,
                        platform::OleColor failure, std::size_t width = 0) {
  return {.number = number,
          .show = Show::Lamp,
          .end = width == 0 ? End::Comma : End::Leading,
          .width = width,
          .lamp = lamp,
          .expected = expected,
          .failure = failure};
}

// One sentence being read: its walk, the texts of the fields read, by number,
// and what the rows write to.
class Sentence {
 public:
  static constexpr int kMaxField = 19;

  Sentence(std::string_view line, Memos& memos, SharedState& shared, bool feeding)
      : walk_(line), memos_(memos), shared_(shared), feeding_(feeding) {}

  // Reads the table's fields in order onto screen s; false when the sentence
  // is cut.
  template <typename S, std::size_t N>
  bool read(S& s, const Field<S> (&rows)[N]) {
    for (const Field<S>& row : rows)
      if (!readRow(s, row)) return false;
    return true;
  }

  // The text of field n as read, empty when it was not.
  std::string_view operator[](int n) const { return fields_[static_cast<std::size_t>(n)]; }
  FieldWalk& walk() { return walk_; }

 private:
  template <typename S>
  bool readRow(S& s, const Field<S>& row) {
    std::string_view text;
    if (row.end == End::Leading) {
      // The characters right after the last field's close.
      text = walk_.afterEnd(row.width);
    } else {
      const auto t = walk_.read(row.number, row.end);
      if (!t) return false;
      text = *t;
    }
    fields_[static_cast<std::size_t>(row.number)] = text;
    if (row.fed && feeding_) shared_.*row.fed = text;
    if (row.show == Show::Lamp) {
      (s.*row.lamp).setFillColor(text == row.expected ? platform::color::BrightGreen : row.failure);
    } else if (row.label) {
      show(s.*row.label, row, text);
    }
    return true;
  }

  template <typename S>
  void show(platform::Label& label, const Field<S>& row, std::string_view t) {
    switch (row.show) {
      case Show::FixTime:
        label.setCaption(platform::leftText(t, 4) + ":" + platform::rightText(t, 2));
        return;
      case Show::Position: {
        const std::string& number = (memos_.*row.pattern)(t);
        std::string text(walk_.afterEnd(1));
        text.reserve(text.size() + 1 + number.size());
        label.setCaption(text.append(1, ' ').append(number));
        return;
      }
      case Show::Pattern:
        label.setCaption((memos_.*row.pattern)(t));
        return;
      case Show::Date:
        label.setCaption(platform::midText(t, 1, 2) + "/" + platform::midText(t, 3, 2) + "/" +
                         platform::midText(t, 5, 2));
        return;
      case Show::SignedCount: {
        const double count = platform::readNumber(t);
        label.setCaption((count >= 0 ? " " : "") + platform::numberText(count));
        return;
      }
      case Show::AsReceived:
      case Show::Lamp:
        break;
    }
    label.setCaption(t);
  }

  FieldWalk walk_;
  Memos& memos_;
  SharedState& shared_;
  bool feeding_;
  std::array<std::string_view, kMaxField + 1> fields_{};
};

}  // namespace devices::gps
