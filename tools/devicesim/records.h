#pragma once
// Synthetic but well-formed device data for the device simulator: EFIS
// records, Dynon engine records, Grand Rapids frames (both layouts) and
// NMEA / Garmin GPS sentences, plus the damaged data its faults send.

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace devicesim {

enum class Kind { EFIS, Dynon, GR4000, GR2000, GPS };

// The kind named on the command line ("efis", "dynon", "gr4000", "gr2000",
// "gps"); false for any other name.
bool kindOf(std::string_view name, Kind& kind);
std::string_view kindName(Kind kind);

// Wall-clock time of a record, as the device's own clock shows it.
struct Stamp {
  int year = 2008, month = 10, day = 19;
  int hour = 12, minute = 0, second = 0, hundredths = 0;
};

struct GeneratorOptions {
  // GPS: "nmea" ($GPGGA, $GPRMC, $GPVTG, $GPGSV), "garmin" ($PGRMF, $PGRMZ,
  // $PGRME) or "both".
  std::string gpsFormat = "both";
  // Grand Rapids 4000 / 6000 header: FE FF FE or FE FE FE.
  bool headerFEFEFE = false;
};

class Generator {
 public:
  Generator(Kind kind, GeneratorOptions options);

  Kind kind() const { return kind_; }
  // What ends every record on the line: CR (EFIS), CR LF (Dynon, GPS), or the
  // three-byte header that begins every Grand Rapids frame.
  const std::string& delimiter() const { return delimiter_; }
  // Records (sentences, frames) per second that the device sends on its own.
  double defaultRate() const;

  // The records of step i, each complete with its line end. A GPS step is one
  // set of sentences; every other kind sends one record a step. A Grand
  // Rapids frame is its header followed by its body.
  std::vector<std::string> step(std::int64_t i, const Stamp& at) const;

  // Faults. A record cut short (its line end or the next header still
  // follows), a line far longer than any record, bytes of every value, and a
  // run of bytes that holds no delimiter at all.
  std::string truncated(std::int64_t i, const Stamp& at) const;
  std::string overlong(std::size_t length, std::mt19937& rng) const;
  std::string garbage(std::size_t length, std::mt19937& rng) const;
  std::string burst(std::size_t length, std::mt19937& rng) const;

 private:
  std::string efis(std::int64_t i, const Stamp& at) const;
  std::string dynon(std::int64_t i, const Stamp& at) const;
  std::string grandRapids(std::int64_t i, const Stamp& at) const;
  std::vector<std::string> gps(std::int64_t i, const Stamp& at) const;

  Kind kind_;
  GeneratorOptions options_;
  std::string delimiter_;
};

// "$" + body + "*" + the two-digit checksum, ended CR LF.
std::string nmeaSentence(std::string_view body);

}  // namespace devicesim
