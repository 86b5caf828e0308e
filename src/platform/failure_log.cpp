#include "platform/failure_log.h"

#include "platform/numbers.h"

namespace platform {

namespace {
constexpr std::int64_t kOneLineEvery = 1000;

// A text kept on one line: its own line breaks become blanks.
void appendOneLine(std::string& out, std::string_view text) {
  for (char c : text) out += (c == '\n' || c == '\r') ? ' ' : c;
}

std::string lineStart(std::string_view what) {
  std::string out = "failure in ";
  appendOneLine(out, what);
  out += ": ";
  return out;
}
}  // namespace

FailureLog::FailureLog(std::function<void(std::string_view)> write, std::function<std::int64_t()> now)
    : write_(std::move(write)), now_(std::move(now)) {}

void FailureLog::add(std::string_view what, std::string_view message) {
  auto it = handlers_.find(what);
  if (it == handlers_.end()) it = handlers_.emplace(std::string(what), Handler{}).first;
  Handler& h = it->second;
  const std::int64_t t = now_();
  if (h.written && t - h.lastLine < kOneLineEvery) {
    ++h.heldBack;
    return;
  }
  line(what, message, h.heldBack);
  h.written = true;
  h.lastLine = t;
  h.heldBack = 0;
}

void FailureLog::finish() {
  for (auto& [what, h] : handlers_) {
    if (h.heldBack == 0) continue;
    write_(lineStart(what) + numberText(h.heldBack) + " more not shown\n");
    h.heldBack = 0;
  }
}

void FailureLog::line(std::string_view what, std::string_view message, std::uint64_t heldBack) {
  std::string out = lineStart(what);
  appendOneLine(out, message);
  if (heldBack > 0) out += " (" + numberText(heldBack) + " more since the last line)";
  out += '\n';
  write_(out);
}

}  // namespace platform
