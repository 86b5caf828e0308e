#include "recorder/record_store.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string_view>

#include "platform/vb.h"

namespace recorder {

// ---- OffsetTable

void OffsetTable::reset(bool wide) {
  wide_ = wide;
  size_ = 0;
  narrowBlocks_.clear();
  wideBlocks_.clear();
}

void OffsetTable::push(std::uint64_t value) {
  const std::size_t block = size_ >> kBlockBits, at = size_ & kBlockMask;
  if (wide_) {
    if (block == wideBlocks_.size()) wideBlocks_.push_back(std::make_unique<std::uint64_t[]>(kBlockSize));
    wideBlocks_[block][at] = value;
  } else {
    if (block == narrowBlocks_.size()) narrowBlocks_.push_back(std::make_unique<std::uint32_t[]>(kBlockSize));
    narrowBlocks_[block][at] = static_cast<std::uint32_t>(value);
  }
  ++size_;
}

namespace {

// One line of the file by the line rule: where it starts, its length without
// its line end, where the next line starts, and (when asked for) its bytes.
struct Line {
  std::uint64_t start = 0;
  std::size_t length = 0;
  std::uint64_t next = 0;
  const char* text = nullptr;
};

// Splits the file into lines in one pass over a reused buffer. Without text
// only the bytes around a line end are kept between reads; with text a line
// longer than the buffer grows it.
class LineScanner {
 public:
  LineScanner(platform::FileReader& file, bool withText, std::size_t bufferBytes)
      : file_(file),
        withText_(withText),
        buffer_(std::max<std::size_t>(bufferBytes, 1)),
        limit_(file.size()) {}

  // The next line; false after the last.
  bool next(Line& line) {
    for (;;) {
      const char* base = buffer_.data();
      const void* cr = pos_ < filled_ ? std::memchr(base + pos_, '\r', filled_ - pos_) : nullptr;
      if (cr != nullptr) {
        const std::size_t k = static_cast<std::size_t>(static_cast<const char*>(cr) - base);
        // The two bytes after a CR decide where the line ends.
        if (k + 2 >= filled_ && !atEnd_) {
          pos_ = k;
          fill();
          continue;
        }
        std::size_t end = k, after = k + 1;
        if (k + 2 < filled_ && base[k + 1] == '\r' && base[k + 2] == '\n') {
          end = k + 1;
          after = k + 3;
        } else if (k + 1 < filled_ && base[k + 1] == '\n') {
          after = k + 2;
        }
        emit(line, end, after);
        return true;
      }
      if (!atEnd_) {
        pos_ = filled_;
        fill();
        continue;
      }
      if (lineStart_ < bufferStart_ + filled_) {
        emit(line, filled_, filled_);
        return true;
      }
      return false;
    }
  }

 private:
  void emit(Line& line, std::size_t end, std::size_t after) {
    line.start = lineStart_;
    line.length = static_cast<std::size_t>(bufferStart_ + end - lineStart_);
    line.next = bufferStart_ + after;
    line.text = withText_ ? buffer_.data() + (lineStart_ - bufferStart_) : nullptr;
    lineStart_ = line.next;
    pos_ = after;
  }

  // Keeps what is still needed at the front of the buffer and reads on; the
  // reading stops at the size the file had when it was opened.
  void fill() {
    const std::size_t keep =
        withText_ ? static_cast<std::size_t>(lineStart_ - bufferStart_) : std::min(pos_, filled_);
    std::memmove(buffer_.data(), buffer_.data() + keep, filled_ - keep);
    bufferStart_ += keep;
    filled_ -= keep;
    pos_ -= keep;
    if (filled_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
    const std::uint64_t position = bufferStart_ + filled_;
    const std::size_t room = buffer_.size() - filled_;
    const std::size_t wanted =
        position >= limit_ ? 0 : static_cast<std::size_t>(std::min<std::uint64_t>(room, limit_ - position));
    const std::size_t got = wanted == 0 ? 0 : file_.read(buffer_.data() + filled_, wanted);
    if (got == 0) atEnd_ = true;
    filled_ += got;
  }

  platform::FileReader& file_;
  const bool withText_;
  std::vector<char> buffer_;
  const std::uint64_t limit_;
  std::uint64_t bufferStart_ = 0;  // file offset of buffer_[0]
  std::size_t filled_ = 0;         // bytes of the buffer that hold file data
  std::size_t pos_ = 0;            // where the search for the next CR goes on
  std::uint64_t lineStart_ = 0;    // file offset of the line being read
  bool atEnd_ = false;
};

constexpr std::string_view kCsvTitle = "EMS raw data";
// How many bytes after a comma the title is looked for.
constexpr std::size_t kCsvTitleWindow = 13;

[[noreturn]] void invalidCall() {
  throw platform::RunError(platform::err::InvalidCall, "Invalid procedure call or argument");
}

}  // namespace

// ---- RecordStore

void RecordStore::clear() {
  file_.close();
  kind_ = Kind::Lines;
  starts_.reset(false);
  lengths_.reset(false);
  count_ = 0;
  longest_ = 0;
}

void RecordStore::open(const std::string& path) {
  clear();
  file_ = platform::FileReader(path);
  const bool wide = file_.size() > std::numeric_limits<std::uint32_t>::max();
  starts_.reset(wide);
  lengths_.reset(wide);
}

void RecordStore::added(std::size_t length) {
  ++count_;
  longest_ = std::max(longest_, length);
}

void RecordStore::readLines(std::size_t bufferBytes) {
  kind_ = Kind::Lines;
  LineScanner lines(file_, false, bufferBytes);
  Line line;
  starts_.push(0);
  while (!full() && lines.next(line)) {
    starts_.push(line.next);
    added(line.length);
  }
}

void RecordStore::readCsvColumn(std::size_t bufferBytes) {
  kind_ = Kind::Fields;
  LineScanner lines(file_, true, bufferBytes);
  Line line;
  bool headerFound = false;
  std::size_t column = 0;  // commas before the title's field
  while (!full() && lines.next(line)) {
    const std::string_view text(line.text, line.length);
    if (!headerFound) {
      column = 0;
      for (std::size_t c = text.find(','); c != std::string_view::npos; c = text.find(',', c + 1)) {
        ++column;
        if (text.substr(c + 1, kCsvTitleWindow).find(kCsvTitle) != std::string_view::npos) {
          headerFound = true;
          break;
        }
      }
      continue;
    }
    std::size_t commas = 0;
    for (std::size_t c = text.find(','); c != std::string_view::npos; c = text.find(',', c + 1)) {
      if (++commas != column) continue;
      // The rest of the row from the second byte after the comma, up to the
      // next comma in it: the record is that stretch less its first two
      // bytes and the byte before that comma.
      const std::size_t rest = c + 2;
      const std::size_t end = rest < text.size() ? text.find(',', rest) : std::string_view::npos;
      if (end == std::string_view::npos || end - rest < 3) invalidCall();
      starts_.push(line.start + rest + 2);
      lengths_.push(end - rest - 3);
      added(end - rest - 3);
      break;
    }
  }
}

std::string RecordStore::record(std::int32_t i) const {
  if (i < 0 || i >= count_) return {};
  const auto at = static_cast<std::size_t>(i);
  std::uint64_t from = starts_[at];
  std::uint64_t bytes = kind_ == Kind::Lines ? starts_[at + 1] - from : lengths_[at];
  std::string out(static_cast<std::size_t>(bytes), '\0');
  out.resize(file_.readAt(from, out.data(), out.size()));
  if (kind_ == Kind::Lines) {
    // The line end read with the line: CR LF, or a lone CR.
    if (out.size() >= 2 && out[out.size() - 2] == '\r' && out.back() == '\n')
      out.resize(out.size() - 2);
    else if (!out.empty() && out.back() == '\r')
      out.pop_back();
  }
  return out;
}

}  // namespace recorder
