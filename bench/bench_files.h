#pragma once
// Large playback files for the load, playback and list benchmarks, generated
// on first use into TALBREN_BENCH_DIR (default /tmp/talbren-bench) and kept
// there for later runs; they are never part of the source tree.
//
// Also: reading this process's resident memory from /proc/self/status, with
// its peak reset, so a benchmark can report how much one load took.

#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/files.h"

namespace benchfiles {

inline constexpr std::uint64_t kFileBytes = 500ull * 1000 * 1000;

inline std::string folder() {
  const char* dir = std::getenv("TALBREN_BENCH_DIR");
  const std::string f = dir && *dir ? dir : "/tmp/talbren-bench";
  platform::createFolder(f);
  return f;
}

inline std::uint64_t fileSize(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
}

inline void twoDigits(std::string& out, int v) {
  out += static_cast<char>('0' + v / 10 % 10);
  out += static_cast<char>('0' + v % 10);
}

// Writes lines from `line(i)` until the file holds at least kFileBytes.
template <class Line>
std::string generate(const std::string& name, Line line) {
  const std::string path = folder() + "/" + name;
  if (fileSize(path) >= kFileBytes) return path;
  const std::string partial = path + ".part";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    std::string chunk;
    std::uint64_t written = 0;
    for (std::uint64_t i = 0; written < kFileBytes; ++i) {
      line(i, chunk);
      if (chunk.size() >= (1u << 20)) {
        out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        written += chunk.size();
        chunk.clear();
      }
    }
  }
  std::rename(partial.c_str(), path.c_str());
  return path;
}

// An EFIS capture: 51-character records, each line ended CR CR LF as the
// capture writer leaves them, about 9.3 million of them.
inline std::string efisCapture() {
  return generate("TBRC_EFIS_500MB.DAT", [](std::uint64_t i, std::string& out) {
    const auto s = static_cast<int>(i / 64 % 86400);
    twoDigits(out, s / 3600);
    twoDigits(out, s / 60 % 60);
    twoDigits(out, s % 60);
    out += "32-053-0127123051401000-015-020100500000";
    twoDigits(out, static_cast<int>(i % 100));
    out += "A2C\r\r\n";
  });
}

// A Dynon CSV log: a header row of column titles, then rows of values with
// the engine record in the "EMS raw data" column.
inline std::string dynonCsv() {
  return generate("dynon_500MB.csv", [](std::uint64_t i, std::string& out) {
    if (i == 0) {
      out +=
          "Session Time,System Time,Pitch,Roll,Heading,Airspeed,Altitude,Vertical Speed,OAT,\"EMS raw data\","
          "RPM,Manifold,Oil Pressure,Oil Temperature,Fuel Flow,Fuel Pressure,Volts,Amps\r\n";
      return;
    }
    const auto s = static_cast<int>(i / 16 % 86400);
    twoDigits(out, s / 3600);
    out += ':';
    twoDigits(out, s / 60 % 60);
    out += ':';
    twoDigits(out, s % 60);
    out += ",1224456789.25,-5.3,-12.7,123,99.9,3280.8,120,21.5,\"$5";
    out +=
        "XX0C1E2D2D01DF00D4004800DCFFE00A8C00C80238012001180019FFF88000015E5505645785795DC5DD17C1A91AA1C21C31"
        "9005"
        "00C350001234";
    out += "\",2700,29.9,45,212,12.5,4.5,13.8,-2\r\n";
  });
}

// Reads the file once so that the benchmarks measure it in the page cache.
inline void warm(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  static char buffer[1 << 20];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
  }
}

// A value of /proc/self/status in kilobytes ("VmRSS:", "VmHWM:").
inline long statusKb(const std::string& key) {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(key, 0) == 0) return std::strtol(line.c_str() + key.size(), nullptr, 10);
  return -1;
}

// Starts the peak resident size (VmHWM) again from the present one.
inline void resetPeak() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

}  // namespace benchfiles
