#pragma once
// Failures that event handlers caught, told one line each on a stream (the
// program's standard error), so that none disappears unseen. A handler that
// keeps failing (a stream of bad records) writes at most one line a second;
// the failures held back meanwhile are counted and the handler's next line
// says how many there were.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace platform {

class FailureLog {
 public:
  // write: takes one whole line, its LF included. now: milliseconds from any
  // fixed start.
  FailureLog(std::function<void(std::string_view)> write, std::function<std::int64_t()> now);

  // One caught failure of the handler `what`.
  void add(std::string_view what, std::string_view message);
  // Tells the failures still held back (at the end of the program).
  void finish();

 private:
  struct Handler {
    std::int64_t lastLine = 0;
    std::uint64_t heldBack = 0;
    bool written = false;
  };
  void line(std::string_view what, std::string_view message, std::uint64_t heldBack);

  std::function<void(std::string_view)> write_;
  std::function<std::int64_t()> now_;
  std::map<std::string, Handler, std::less<>> handlers_;
};

}  // namespace platform
