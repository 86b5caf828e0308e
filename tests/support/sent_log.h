#pragma once
// What the device simulator sent on one device's line, as its --sent-dir
// logs tell: every byte in order (NAME.bytes) and one line per event with its
// time and its place among the bytes (NAME.log).

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

struct SentEvent {
  std::int64_t ms = 0;  // since the simulator started
  std::string kind;     // record, replay, garbage, truncated, long, burst, open, stream, unplug, replug, done
  std::size_t offset = 0;
  std::size_t length = 0;
};

struct Sent {
  std::string bytes;
  std::vector<SentEvent> events;
  // The bytes of the events of one kind, in order.
  std::vector<std::string> pieces(const std::string& kind) const;
  // The first event of a kind; nullptr when there is none.
  const SentEvent* first(const std::string& kind) const;
  // Every event's bytes in order, each its own piece (as the line carried them).
  std::vector<std::string> allPieces() const;
  // The bytes of one event; empty when the bytes file does not hold them.
  std::string piece(const SentEvent& e) const;
};

// Reads a device's bytes and event log; a missing file reads as empty.
Sent readSent(const std::string& bytesPath, const std::string& logPath);

}  // namespace testsupport
