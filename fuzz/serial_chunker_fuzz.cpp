// The serial chunker against a plain model of the same rules: bytes gathered
// and cut after each delimiter (delimiter kept), the first delimiter from the
// start of what is held first; a new delimiter applying to what is already
// held; and the 64 KiB cap on a run without delimiter: the oldest bytes of the
// run after the last complete chunk are dropped, complete chunks never, and a
// chunk is at most the newest 64 KiB of its run. The input is a series of
// operations, each one byte (operation in bits 0-2, argument in bits 3-7) and
// its operands:
//   0 append arg+1 bytes            1 take every complete chunk
//   2 append arg+1 bytes, then take every complete chunk
//   3 delimiter CR, FE FE FE or FE FF FE (arg % 3)
//   4 delimiter of arg % 4 bytes (none at all included)
//   5 append (arg+1) x 4096 copies of the next byte
//   6 clear                         7 nothing
// Appending stops once an input has appended 1 MiB.
// After every operation the bytes held and the delimiter are compared; any
// difference from the model aborts the run.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/serial.h"

namespace {

// The bytes held, with the end of every complete chunk not yet taken: found
// once, when the bytes arrive, and found anew when the delimiter changes.
class Model {
 public:
  static constexpr std::size_t kMax = platform::SerialChunker::kMaxBuffer;
  void setDelimiter(std::string_view d) {
    delimiter_.assign(d);
    ends_.erase(ends_.begin() + static_cast<std::ptrdiff_t>(head_), ends_.end());
    findChunks(taken_);
  }
  void append(std::string_view bytes) {
    const std::size_t before = held_.size();
    held_.append(bytes);
    // The run held before had no delimiter; one may end in the new bytes.
    const std::size_t run = runStart();
    const std::size_t back = delimiter_.empty() ? 0 : delimiter_.size() - 1;
    findChunks(std::max(run, before > back ? before - back : 0));
    const std::size_t newRun = runStart();
    if (held_.size() - newRun > kMax) held_.erase(newRun, held_.size() - newRun - kMax);
  }
  bool next(std::string& chunk) {
    if (head_ == ends_.size()) return false;
    const std::size_t end = ends_[head_++];
    const std::size_t first = end - taken_ > kMax ? end - kMax : taken_;
    chunk = held_.substr(first, end - first);
    taken_ = end;
    if (taken_ > kMax) {
      held_.erase(0, taken_);
      ends_.erase(ends_.begin(), ends_.begin() + static_cast<std::ptrdiff_t>(head_));
      for (std::size_t& e : ends_) e -= taken_;
      head_ = 0;
      taken_ = 0;
    }
    return true;
  }
  void clear() {
    held_.clear();
    ends_.clear();
    head_ = 0;
    taken_ = 0;
  }
  std::size_t buffered() const { return held_.size() - taken_; }
  const std::string& delimiter() const { return delimiter_; }

 private:
  std::size_t runStart() const { return head_ < ends_.size() ? ends_.back() : taken_; }
  void findChunks(std::size_t from) {
    if (delimiter_.empty()) return;
    for (std::size_t pos; (pos = held_.find(delimiter_, from)) != std::string::npos;) {
      from = pos + delimiter_.size();
      ends_.push_back(from);
    }
  }
  std::string delimiter_ = "\r";
  std::string held_;
  std::size_t taken_ = 0;          // bytes of held_ already taken
  std::vector<std::size_t> ends_;  // chunk ends, those from head_ on not yet taken
  std::size_t head_ = 0;
};

[[noreturn]] void differs(const char* what) {
  std::fprintf(stderr, "serial chunker differs from its model: %s\n", what);
  std::abort();
}

// Complete chunks are never dropped, so an input may only append so much.
constexpr std::size_t kMostAppended = 1024 * 1024;

struct Input {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t at = 0;
  bool more() const { return at < size; }
  std::uint8_t byte() { return at < size ? data[at++] : 0; }
  std::string_view bytes(std::size_t n) {
    n = std::min(n, size - at);
    std::string_view v(reinterpret_cast<const char*>(data) + at, n);
    at += n;
    return v;
  }
};

void drain(platform::SerialChunker& chunker, Model& model) {
  std::string got, want;
  for (;;) {
    const bool a = chunker.next(got);
    const bool b = model.next(want);
    if (a != b) differs("a chunk is complete in one only");
    if (!a) return;
    if (got != want) differs("chunk bytes");
    const std::string& d = chunker.delimiter();
    if (got.size() < d.size() || got.compare(got.size() - d.size(), d.size(), d) != 0)
      differs("chunk does not end with the delimiter");
    if (chunker.buffered() != model.buffered()) differs("bytes held after a chunk");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string_view kDelimiters[] = {"\r", "\xFE\xFE\xFE", "\xFE\xFF\xFE"};
  platform::SerialChunker chunker;
  Model model;
  Input in{data, size};
  std::string run;
  std::size_t appended = 0;
  const auto append = [&](std::string_view b) {
    if (appended + b.size() > kMostAppended) return;
    appended += b.size();
    chunker.append(b);
    model.append(b);
  };
  while (in.more()) {
    const std::uint8_t op = in.byte();
    const unsigned arg = op >> 3;
    switch (op & 7U) {
      case 0:
      case 2: {
        append(in.bytes(arg + 1));
        if ((op & 7U) == 2) drain(chunker, model);
        break;
      }
      case 1:
        drain(chunker, model);
        break;
      case 3:
        chunker.setDelimiter(kDelimiters[arg % 3]);
        model.setDelimiter(kDelimiters[arg % 3]);
        break;
      case 4: {
        const std::string_view d = in.bytes(arg % 4);
        chunker.setDelimiter(d);
        model.setDelimiter(d);
        break;
      }
      case 5:
        run.assign(static_cast<std::size_t>(arg + 1) * 4096, static_cast<char>(in.byte()));
        append(run);
        break;
      case 6:
        chunker.clear();
        model.clear();
        break;
      default:
        break;
    }
    if (chunker.buffered() != model.buffered()) differs("bytes held");
    if (chunker.delimiter() != model.delimiter()) differs("delimiter");
  }
  drain(chunker, model);
  return 0;
}
