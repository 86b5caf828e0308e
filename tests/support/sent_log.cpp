#include "support/sent_log.h"

#include <sstream>

#include "support/test_platform.h"

namespace testsupport {

std::string Sent::piece(const SentEvent& e) const {
  if (e.offset + e.length > bytes.size()) return {};
  return bytes.substr(e.offset, e.length);
}

std::vector<std::string> Sent::pieces(const std::string& kind) const {
  std::vector<std::string> out;
  for (const SentEvent& e : events)
    if (e.kind == kind && e.offset + e.length <= bytes.size()) out.push_back(piece(e));
  return out;
}

std::vector<std::string> Sent::allPieces() const {
  std::vector<std::string> out;
  for (const SentEvent& e : events)
    if (e.length > 0 && e.offset + e.length <= bytes.size()) out.push_back(piece(e));
  return out;
}

const SentEvent* Sent::first(const std::string& kind) const {
  for (const SentEvent& e : events)
    if (e.kind == kind) return &e;
  return nullptr;
}

Sent readSent(const std::string& bytesPath, const std::string& logPath) {
  Sent s;
  s.bytes = readFile(bytesPath);
  std::istringstream log(readFile(logPath));
  for (std::string line; std::getline(log, line);) {
    std::istringstream in(line);
    SentEvent e;
    in >> e.ms >> e.kind >> e.offset >> e.length;
    if (in) s.events.push_back(e);
  }
  return s;
}

}  // namespace testsupport
