#pragma once
// Checking the record store's reading of playback files: the line rule one
// byte at a time, as the oracle, and what a store reads from a file.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vb.h"
#include "recorder/record_store.h"

namespace testsupport {

// The line rule: a CR ends a line, an LF right after it belongs to the line
// end, a CR followed by CR LF stays in the line as its last byte, and text
// after the last line end is a last line.
inline std::vector<std::string> linesByTheRule(std::string_view bytes) {
  std::vector<std::string> lines;
  std::string line;
  bool open = false;
  for (std::size_t i = 0; i < bytes.size();) {
    if (bytes[i] != '\r') {
      line += bytes[i++];
      open = true;
      continue;
    }
    if (bytes.substr(i + 1, 2) == "\r\n") {
      line += '\r';
      i += 3;
    } else {
      i += bytes.substr(i + 1, 1) == "\n" ? 2 : 1;
    }
    lines.push_back(line);
    line.clear();
    open = false;
  }
  if (open) lines.push_back(line);
  return lines;
}

// The records a store reads from a file, read in pieces of the given size,
// and the number of the error that stopped the reading (0 none).
struct StoreReading {
  std::vector<std::string> records;
  int error = 0;
  friend bool operator==(const StoreReading&, const StoreReading&) = default;
};

inline StoreReading readStore(const std::string& path, bool csv, std::size_t piece) {
  recorder::RecordStore store;
  store.open(path);
  StoreReading r;
  try {
    if (csv)
      store.readCsvColumn(piece);
    else
      store.readLines(piece);
  } catch (const platform::RunError& e) {
    r.error = e.number();
  }
  for (std::int32_t i = 0; i < store.count(); ++i) r.records.push_back(store.record(i));
  return r;
}

}  // namespace testsupport
