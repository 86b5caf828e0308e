// The serial chunker against a plain model of the same rules: bytes gathered,
// cut after each delimiter (delimiter kept), a new delimiter applying to what
// is already gathered, and only the newest 64 KiB kept while no delimiter
// arrives. The input is a series of operations, each one byte (operation in
// bits 0-2, argument in bits 3-7) and its operands:
//   0 append arg+1 bytes            1 take every complete chunk
//   2 append arg+1 bytes, then take every complete chunk
//   3 delimiter CR, FE FE FE or FE FF FE (arg % 3)
//   4 delimiter of arg % 4 bytes (none at all included)
//   5 append (arg+1) x 4096 copies of the next byte
//   6 clear                         7 nothing
// After every operation the bytes held and the delimiter are compared; any
// difference from the model aborts the run.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/serial.h"

namespace {

class Model {
 public:
  void setDelimiter(std::string_view d) { delimiter_.assign(d); }
  void append(std::string_view bytes) {
    buffer_.append(bytes);
    if (buffered() > platform::SerialChunker::kMaxBuffer) start_ = buffer_.size() - platform::SerialChunker::kMaxBuffer;
    if (start_ > platform::SerialChunker::kMaxBuffer) {
      buffer_.erase(0, start_);
      start_ = 0;
    }
  }
  bool next(std::string& chunk) {
    if (delimiter_.empty()) return false;
    const std::size_t pos = buffer_.find(delimiter_, start_);
    if (pos == std::string::npos) return false;
    const std::size_t end = pos + delimiter_.size();
    chunk = buffer_.substr(start_, end - start_);
    start_ = end;
    return true;
  }
  void clear() {
    buffer_.clear();
    start_ = 0;
  }
  std::size_t buffered() const { return buffer_.size() - start_; }
  const std::string& delimiter() const { return delimiter_; }

 private:
  std::string delimiter_ = "\r";
  std::string buffer_;
  std::size_t start_ = 0;  // bytes before it are taken or dropped
};

[[noreturn]] void differs(const char* what) {
  std::fprintf(stderr, "serial chunker differs from its model: %s\n", what);
  std::abort();
}

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
  while (in.more()) {
    const std::uint8_t op = in.byte();
    const unsigned arg = op >> 3;
    switch (op & 7U) {
      case 0:
      case 2: {
        const std::string_view b = in.bytes(arg + 1);
        chunker.append(b);
        model.append(b);
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
        chunker.append(run);
        model.append(run);
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
