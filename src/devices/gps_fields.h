#pragma once
// How a GPS sentence's table is read. Field n is the text after the
// sentence's n-th comma, up to the delimiter that closes it; a table has one
// row per field its sentence reads, in order: the field's number, the label
// that shows it (none: only kept for the case's own steps), how its text
// becomes the caption, and what closes it. Two rules hold for every table,
// here alone:
// - An empty field (a missing hemisphere or unit letter too) is stepped over
//   by its commas, so it never shifts the fields after it.
// - A field whose closing delimiter is missing cuts the sentence: that row
//   and every later one are skipped and their labels keep their captions; the
//   case's own steps after its table are skipped too. The activity counter
//   and the common readouts run all the same.

#include <array>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "app/shared_state.h"
#include "platform/controls.h"
#include "platform/numbers.h"

namespace devices::gps {

// What closes a field.
enum class End {
  Comma,        // the next comma
  CommaOrStar,  // the next comma, else the "*" of the checksum (a last field)
  Star,         // the "*" of the checksum: the sentence's last field, commas and all
  Leading,      // nothing: the `width` characters after the field before, however they end
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

// The result of one function for the last key it was given (a text, a
// number): a receiver repeats most fields from one second to the next.
template <typename Key, typename T>
class LastResult {
 public:
  template <typename K, typename Make>
  const T& operator()(const K& key, Make&& make) {
    if (valid_ && key_ == key) [[likely]]
      return value_;
    return remake(key, make);
  }

 private:
  template <typename K, typename Make>
  [[gnu::noinline]] const T& remake(const K& key, Make& make) {
    value_ = make(key);
    key_ = key;
    valid_ = true;
    return value_;
  }

  Key key_{};
  T value_{};
  bool valid_ = false;
};

// A display pattern with the caption of the value it met last: a number, or
// a field's text, which is shown as it came when empty or not a number.
template <typename Key>
class LastShown {
 public:
  explicit LastShown(std::string_view pattern) : pattern_(pattern) {}
  template <typename K>
  const std::string& operator()(const K& key) {
    return last_(key, [this](const K& k) {
      if constexpr (std::is_same_v<Key, double>) {
        return pattern_(k).str();
      } else {
        if (k.empty() || !platform::isNumberText(k)) return std::string(k);
        return platform::formatNumber(platform::readNumber(k), pattern_.pattern());
      }
    });
  }

 private:
  platform::DisplayPattern pattern_;
  LastResult<Key, std::string> last_;
};
using FieldPattern = LastShown<std::string>;

// Everything the decoder remembers to spare work, one per place that formats
// or reads.
struct Memos {
  // The stored speed, track and altitude texts read on every line.
  LastResult<std::string, double> track, magneticTrack, speed, altitude;
  LastShown<double> heading{"##0"}, magneticHeading{"##0"}, speedShown{"##0.0"}, altitudeShown{"##,##0"};
  // Positions and fix values of the sentence screens.
  FieldPattern ggaLatitude{"00:00.0000"}, ggaLongitude{"000:00.0000"}, ggaSatellites{"#0"},
      ggaDilution{"0.0"}, ggaAltitude{"0.0"}, ggaGeoid{"0.0"};
  FieldPattern rmcLatitude{"00:00.0000"}, rmcLongitude{"000:00.0000"};
  FieldPattern garminLatitude{"00:00.0000"}, garminLongitude{"000:00.0000"};
};

// One row of a sentence's table, for its sentence screen S.
template <typename S>
struct Field {
  using Screen = S;
  int number;
  platform::Label S::*label = nullptr;
  Show show = Show::AsReceived;
  FieldPattern Memos::*pattern = nullptr;  // Position and Pattern
  End end = End::Comma;
  std::size_t width = 0;  // End::Leading
  // Stored here too while the sentence's own source feeds the main window.
  std::string SharedState::*fed = nullptr;
  // Lamp: the lamp, the text that lights it, its colour otherwise.
  platform::Shape S::*lamp = nullptr;
  std::string_view expected;
  platform::OleColor failure = 0;
};

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

// The two characters of a text from index i on, fewer (or none) at its end.
inline std::string_view twoAt(std::string_view t, std::size_t i) {
  return i < t.size() ? t.substr(i, 2) : std::string_view();
}

// The place of a fix type ("0", "1", ...) among count fix modes; none for any
// other text.
inline std::optional<std::size_t> fixIndex(std::string_view fixType, std::size_t count) {
  if (fixType.size() != 1 || fixType[0] < '0' || static_cast<std::size_t>(fixType[0] - '0') >= count)
    return std::nullopt;
  return static_cast<std::size_t>(fixType[0] - '0');
}

// One sentence being read: the field read last, the 1-based position of the
// delimiter that closed it (0: none), and the texts of the fields read, by
// number.
class Sentence {
 public:
  // The first comma closes field 0, the sentence's name.
  Sentence(std::string_view line, Memos& memos, SharedState& shared, bool feeding)
      : line_(line), memos_(memos), shared_(shared), feeding_(feeding), close_(find(',', 1)) {}

  // Reads the fields of the table kRows in order onto screen s; false when
  // the sentence is cut. Each row is read by code of its own, its choices
  // made as the program is built.
  template <const auto& kRows, typename S>
  bool read(S& s) {
    return [&]<std::size_t... I>(std::index_sequence<I...>) {
      return (readRow<kRows, I>(s) && ...);
    }
    (std::make_index_sequence<std::size(kRows)>());
  }

  // Field `number` (after the one read last), closed as `end` says; nothing
  // once the sentence is cut.
  [[gnu::always_inline]] std::optional<std::string_view> read(int number, End end) {
    if (cut_) return std::nullopt;
    std::size_t start = close_;
    for (int n = number_ + 1; n < number && start != 0; ++n) start = find(',', start + 1);
    number_ = number;
    close_ = start == 0 ? 0 : find(end == End::Star ? '*' : ',', start + 1);
    if (close_ == 0 && start != 0 && end == End::CommaOrStar) close_ = find('*', start + 1);
    if (start == 0 || close_ == 0) {
      cut_ = true;
      return std::nullopt;
    }
    if (start >= line_.size()) return std::string_view();
    return line_.substr(start, close_ - start - 1);
  }

  // The text of field n as read, empty when it was not.
  std::string_view operator[](int n) const { return fields_[static_cast<std::size_t>(n)]; }

 private:
  // The n characters after the delimiter that closed the field read last (a
  // hemisphere letter, a last one-character field); fewer at the line's end.
  std::string_view afterClose(std::size_t n) const {
    if (close_ == 0 || close_ >= line_.size()) return {};
    return line_.substr(close_, n);
  }

  template <const auto& kRows, std::size_t I, typename S>
  bool readRow(S& s) {
    constexpr const auto& row = kRows[I];
    std::string_view text;
    if constexpr (row.end == End::Leading) {
      text = afterClose(row.width);
    } else {
      const std::optional<std::string_view> t = read(row.number, row.end);
      if (!t) return false;
      text = *t;
    }
    fields_[static_cast<std::size_t>(row.number)] = text;
    if constexpr (row.fed != nullptr)
      if (feeding_) shared_.*row.fed = text;
    if constexpr (row.show == Show::Lamp)
      (s.*row.lamp).setFillColor(text == row.expected ? platform::color::BrightGreen : row.failure);
    else if constexpr (row.label != nullptr)
      show<row.show>(s.*row.label, row.pattern, text);
    return true;
  }

  // 1-based position of the first c at or after position from; 0 when none.
  std::size_t find(char c, std::size_t from) const {
    if (from > line_.size()) return 0;
    const void* p = std::memchr(line_.data() + from - 1, c, line_.size() - from + 1);
    return p == nullptr ? 0 : static_cast<std::size_t>(static_cast<const char*>(p) - line_.data()) + 1;
  }

  template <Show kHow>
  void show(platform::Label& label, FieldPattern Memos::*pattern, std::string_view t) {
    if constexpr (kHow == Show::FixTime) {
      label.setCaption(joined({t.substr(0, 4), ":", t.substr(t.size() < 2 ? 0 : t.size() - 2)}));
    } else if constexpr (kHow == Show::Position) {
      label.setCaption(joined({afterClose(1), " ", (memos_.*pattern)(t)}));
    } else if constexpr (kHow == Show::Pattern) {
      label.setCaption((memos_.*pattern)(t));
    } else if constexpr (kHow == Show::Date) {
      label.setCaption(joined({twoAt(t, 0), "/", twoAt(t, 2), "/", twoAt(t, 4)}));
    } else if constexpr (kHow == Show::SignedCount) {
      const double count = platform::readNumber(t);
      label.setCaption((count >= 0 ? " " : "") + platform::numberText(count));
    } else {
      label.setCaption(t);
    }
  }

  // The parts side by side, in a text of this sentence's own.
  std::string_view joined(std::initializer_list<std::string_view> parts) {
    text_.clear();
    for (std::string_view p : parts) text_.append(p);
    return text_;
  }

  std::string_view line_;
  Memos& memos_;
  SharedState& shared_;
  bool feeding_;
  int number_ = 0;
  std::size_t close_ = 0;
  bool cut_ = false;
  std::array<std::string_view, 16> fields_{};
  std::string text_;
};

}  // namespace devices::gps
