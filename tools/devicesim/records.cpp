#include "tools/devicesim/records.h"

#include <array>
#include <cstdlib>
#include <stdexcept>

#include "platform/numbers.h"

namespace devicesim {

namespace {

using platform::formatNumber;

// A whole number zero-padded to width digits.
std::string digits(long v, int width) {
  return formatNumber(static_cast<double>(v), std::string(static_cast<std::size_t>(width), '0'));
}

// A sign ("+" or "-") and the magnitude zero-padded, width characters in all.
std::string signedDigits(long v, int width) {
  return (v < 0 ? "-" : "+") + digits(std::labs(v), width - 1);
}

// A value in tenths as an integer-part field of width characters (sign
// included when signed) and a tenths column: -53 gives "-05" and "3".
std::string tenths(long v, int width, bool isSigned) {
  const long whole = std::labs(v) / 10;
  const long tenth = std::labs(v) % 10;
  std::string out = isSigned ? ((v < 0 ? "-" : "+") + digits(whole, width - 1)) : digits(whole, width);
  return out + digits(tenth, 1);
}

// A triangle wave from lo up to hi and back over period steps, so every
// value moves a little from one record to the next.
long wave(std::int64_t i, long period, long lo, long hi) {
  const long half = period / 2;
  const long p = static_cast<long>(i % period);
  const long up = p <= half ? p : period - p;
  return lo + (hi - lo) * up / half;
}

std::string hex(unsigned v, int width) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out(static_cast<std::size_t>(width), '0');
  for (int k = width - 1; k >= 0; --k, v >>= 4) out[static_cast<std::size_t>(k)] = kDigits[v & 0xF];
  return out;
}

unsigned byteSum(std::string_view text) {
  unsigned sum = 0;
  for (unsigned char c : text) sum += c;
  return sum;
}

std::string hhmmss(const Stamp& at) {
  return digits(at.hour, 2) + digits(at.minute, 2) + digits(at.second, 2);
}

std::string ddmmyy(const Stamp& at) {
  return digits(at.day, 2) + digits(at.month, 2) + digits(at.year % 100, 2);
}

void check(const std::string& record, std::size_t length, const char* what) {
  if (record.size() != length) throw std::logic_error(std::string(what) + " record of the wrong length");
}

constexpr std::string_view kPrintable = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ+-.,";

}  // namespace

bool kindOf(std::string_view name, Kind& kind) {
  static constexpr std::array<std::pair<std::string_view, Kind>, 5> kNames{{{"efis", Kind::EFIS},
                                                                            {"dynon", Kind::Dynon},
                                                                            {"gr4000", Kind::GR4000},
                                                                            {"gr2000", Kind::GR2000},
                                                                            {"gps", Kind::GPS}}};
  for (const auto& [n, k] : kNames)
    if (n == name) {
      kind = k;
      return true;
    }
  return false;
}

std::string_view kindName(Kind kind) {
  switch (kind) {
    case Kind::EFIS:
      return "efis";
    case Kind::Dynon:
      return "dynon";
    case Kind::GR4000:
      return "gr4000";
    case Kind::GR2000:
      return "gr2000";
    case Kind::GPS:
      return "gps";
  }
  return "";
}

std::string nmeaSentence(std::string_view body) {
  unsigned sum = 0;
  for (unsigned char c : body) sum ^= c;
  return "$" + std::string(body) + "*" + hex(sum & 0xFF, 2) + "\r\n";
}

Generator::Generator(Kind kind, GeneratorOptions options) : kind_(kind), options_(std::move(options)) {
  switch (kind_) {
    case Kind::EFIS:
      delimiter_ = "\r";
      break;
    case Kind::Dynon:
    case Kind::GPS:
      delimiter_ = "\r\n";
      break;
    case Kind::GR4000:
      delimiter_ = options_.headerFEFEFE ? "\xFE\xFE\xFE" : "\xFE\xFF\xFE";
      break;
    case Kind::GR2000:
      delimiter_ = "\xFE\xFF\xFE";
      break;
  }
}

double Generator::defaultRate() const {
  // What each device sends on its own at 115200 bit/s: the EFIS 64 records a
  // second, the Dynon engine monitor 16, a Grand Rapids monitor 5 frames and a
  // GPS one set of sentences.
  switch (kind_) {
    case Kind::EFIS:
      return 64;
    case Kind::Dynon:
      return 16;
    case Kind::GR4000:
    case Kind::GR2000:
      return 5;
    case Kind::GPS:
      return 1;
  }
  return 1;
}

std::vector<std::string> Generator::step(std::int64_t i, const Stamp& at) const {
  switch (kind_) {
    case Kind::EFIS:
      return {efis(i, at)};
    case Kind::Dynon:
      return {dynon(i, at)};
    case Kind::GR4000:
    case Kind::GR2000:
      return {grandRapids(i, at)};
    case Kind::GPS:
      return gps(i, at);
  }
  return {};
}

// 14050932-053-0127123051401000-015-02010050000004A2C<CR>
//  1-6 time  7-8 hundredths  9-12 pitch  13-17 roll  18-20 heading
//  21-24 airspeed (m/s)  25-29 altitude (m)  30-33 turn rate or vertical speed
//  34-36 lateral G  37-39 vertical G  40-41 AOA  42-47 status  48-51 check
// Records alternate between the displayed altitude with the turn rate
// (status bit 0 clear) and the pressure altitude with the vertical speed.
std::string Generator::efis(std::int64_t i, const Stamp& at) const {
  const bool pressure = i % 2 == 1;
  std::string r = hhmmss(at) + digits(at.hundredths, 2);
  r += tenths(wave(i, 400, -150, 150), 3, true);
  r += tenths(wave(i, 300, -450, 450), 4, true);
  r += digits(static_cast<long>((i / 4) % 360), 3);
  r += tenths(wave(i, 500, 300, 700), 3, false);
  const long altitude = pressure ? wave(i, 600, 880, 1080) : wave(i, 600, 900, 1100);
  r += digits(altitude, 5);
  r += pressure ? tenths(wave(i, 200, -50, 50), 3, true) : tenths(wave(i, 160, -30, 30), 3, true);
  r += tenths(wave(i, 60, -3, 3), 2, true);
  r += tenths(wave(i, 80, 5, 15), 2, true);
  r += digits(wave(i, 100, 2, 12), 2);
  r += pressure ? "000001" : "000000";
  r += hex(byteSum(r) & 0xFFFF, 4);
  r += '\r';
  check(r, 52, "EFIS");
  return r;
}

// One engine record of 119 characters: time, manifold pressure, oil
// temperature and pressure, fuel pressure, volts, amps, RPM, fuel flow,
// fuel remaining, two fuel quantities, three general-purpose inputs, the
// thermocouple, six EGTs, six CHTs and six unread characters.
std::string Generator::dynon(std::int64_t i, const Stamp& at) const {
  std::string r = digits(at.hour, 2) + digits(at.minute, 2) + digits(at.second, 2) + digits(at.hundredths, 2);
  r += digits(wave(i, 320, 2000, 2992), 4);
  r += digits(wave(i, 240, 150, 230), 3);
  r += digits(wave(i, 200, 40, 80), 3);
  r += digits(wave(i, 100, 40, 60), 3);
  r += digits(wave(i, 60, 130, 142), 3);
  r += signedDigits(wave(i, 80, -5, 25), 3);
  r += digits(wave(i, 400, 180, 270), 3);
  r += digits(wave(i, 120, 50, 120), 3);
  r += digits(wave(i, 1000, 100, 500), 4);
  r += digits(wave(i, 900, 50, 250), 3);
  r += digits(wave(i, 800, 50, 250), 3);
  r += "OAT" + digits(wave(i, 300, 40, 90), 5);
  r += "CRB" + digits(wave(i, 200, 30, 60), 5);
  r += "FPR" + digits(wave(i, 100, 10, 30), 5);
  r += digits(wave(i, 300, 200, 400), 4);
  for (int c = 0; c < 6; ++c) r += digits(wave(i + c * 7, 360, 1200, 1500), 4);
  for (int c = 0; c < 6; ++c) r += digits(wave(i + c * 5, 420, 300, 420), 3);
  r += hex(byteSum(r) & 0xFFFF, 4) + "00";
  check(r, 119, "Dynon");
  return r + "\r\n";
}

// A frame is its three-byte header and its body; no body byte is FE or FF,
// so no header form can appear inside a frame.
std::string Generator::grandRapids(std::int64_t i, const Stamp& at) const {
  const bool gr2000 = kind_ == Kind::GR2000;
  std::vector<std::uint8_t> b(gr2000 ? 44 : 73, 0);
  auto word = [&](std::size_t k, long v) {
    b[k] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
    b[k + 1] = static_cast<std::uint8_t>(v & 0xFF);
  };
  auto byte = [&](std::size_t k, long v) { b[k] = static_cast<std::uint8_t>(v & 0xFF); };
  const long rpm = wave(i, 200, 1800, 2700);
  const long roc = wave(i, 100, -20, 20);
  if (!gr2000) {
    // GR 4000 / 6000
    word(3, rpm);
    for (std::size_t c = 0; c < 6; ++c) word(5 + 2 * c, wave(i + static_cast<long>(c) * 3, 160, 300, 420));
    for (std::size_t c = 0; c < 6; ++c) word(17 + 2 * c, wave(i + static_cast<long>(c) * 5, 240, 1200, 1500));
    word(29, wave(i, 100, 0, 500));
    word(31, wave(i, 120, 0, 900));
    word(33, wave(i, 150, 60, 160));
    word(35, wave(i, 300, 300, 900));
    word(37, wave(i, 60, 130, 142));
    word(39, wave(i, 90, 50, 120));
    byte(41, wave(i, 500, 70, 110));
    byte(42, wave(i, 80, -10, 40));
    byte(43, roc);
    byte(44, wave(i, 200, 30, 90));
    word(45, wave(i, 240, 150, 230));
    byte(47, wave(i, 200, 40, 80));
    word(48, wave(i, 100, 0, 100));
    word(50, wave(i, 110, 0, 2000));
    word(52, wave(i, 130, 0, 300));
    word(54, wave(i, 140, 0, 600));
    word(56, wave(i, 180, 120, 200));
    word(58, 12345 + i / 50);
    word(60, wave(i, 1000, 100, 500));
    byte(62, at.hour);
    byte(63, at.minute);
    byte(64, at.second);
    byte(65, wave(i, 1000, 1, 5));
    byte(66, wave(i, 120, 0, 59));
    word(67, wave(i, 50, 2980, 3010));
    word(69, rpm - 10);
    word(71, rpm + 10);
  } else {
    // GR 2000
    word(3, rpm);
    word(5, wave(i, 160, 300, 420));
    word(7, wave(i + 3, 160, 300, 420));
    word(9, wave(i, 240, 1200, 1500));
    word(11, wave(i + 5, 240, 1200, 1500));
    word(13, wave(i, 150, 60, 160));
    word(15, wave(i, 300, 300, 900));
    word(17, wave(i, 60, 130, 142));
    word(19, wave(i, 90, 50, 120));
    byte(21, wave(i, 500, 70, 110));
    byte(22, roc);
    byte(23, wave(i, 200, 30, 90));
    word(24, wave(i, 180, 120, 200));
    word(26, wave(i, 240, 150, 230));
    byte(28, wave(i, 200, 40, 80));
    word(29, wave(i, 100, 0, 500));
    word(31, wave(i, 120, 0, 900));
    word(33, 12345 + i / 50);
    word(35, wave(i, 1000, 100, 500));
    byte(37, at.hour);
    byte(38, at.minute);
    byte(39, at.second);
    byte(40, wave(i, 1000, 1, 5));
    byte(41, wave(i, 120, 0, 59));
    word(42, wave(i, 50, 2980, 3010));
  }
  for (std::size_t k = 3; k < b.size(); ++k)
    if (b[k] >= 0xFE) b[k] = 0xFD;
  std::string frame = delimiter_;
  for (std::size_t k = 3; k < b.size(); ++k) frame += static_cast<char>(b[k]);
  return frame;
}

std::vector<std::string> Generator::gps(std::int64_t i, const Stamp& at) const {
  const long latMilli = 7038 + static_cast<long>(i % 50000);   // thousandths of a minute past 48 deg
  const long lonMilli = 31000 + static_cast<long>(i % 50000);  // past 11 deg
  const std::string lat = "48" + digits(latMilli / 1000, 2) + "." + digits(latMilli % 1000, 3);
  const std::string lon = "011" + digits(lonMilli / 1000, 2) + "." + digits(lonMilli % 1000, 3);
  const long knots = wave(i, 60, 800, 1400);       // tenths
  const long track = wave(i, 90, 400, 1200);       // tenths of a degree
  const long altitude = wave(i, 120, 4000, 6000);  // tenths of a metre
  const std::string speedText = digits(knots / 10, 3) + "." + digits(knots % 10, 1);
  const std::string trackText = digits(track / 10, 3) + "." + digits(track % 10, 1);
  std::vector<std::string> out;
  const bool nmea = options_.gpsFormat != "garmin";
  const bool garmin = options_.gpsFormat != "nmea";
  if (nmea) {
    // $GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47
    out.push_back(nmeaSentence("GPGGA," + hhmmss(at) + "," + lat + ",N," + lon + ",E,1," +
                               digits(wave(i, 20, 5, 10), 2) + ",0.9," + digits(altitude / 10, 3) + "." +
                               digits(altitude % 10, 1) + ",M,46.9,M,,"));
    // $GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A
    out.push_back(nmeaSentence("GPRMC," + hhmmss(at) + ",A," + lat + ",N," + lon + ",E," + speedText + "," +
                               trackText + "," + ddmmyy(at) + ",003.1,W"));
    // $GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48
    const long magnetic = (track + 3600 - 31) % 3600;
    const long kph = knots * 1852 / 1000;
    out.push_back(nmeaSentence("GPVTG," + trackText + ",T," + digits(magnetic / 10, 3) + "." +
                               digits(magnetic % 10, 1) + ",M," + speedText + ",N," + digits(kph / 10, 3) +
                               "." + digits(kph % 10, 1) + ",K"));
    out.push_back(nmeaSentence("GPGSV,1,1,04,04,45,120,42,05,30,200,38,09,60,045," +
                               digits(wave(i, 30, 30, 48), 2) + ",12,15,310,30"));
  }
  if (garmin) {
    // $PGRMF,290,293895,160305,093802,13,5213.1439,N,02100.6511,E,A,2,0,226,2,1*11
    out.push_back(nmeaSentence("PGRMF,290,293895," + ddmmyy(at) + "," + hhmmss(at) + ",13," + lat + "0,N," +
                               lon + "0,E,A,2," + digits(knots * 1852 / 10000, 1) + "," +
                               digits(track / 10, 1) + ",2,1"));
    out.push_back(nmeaSentence("PGRMZ," + digits(altitude * 328 / 1000, 1) + ",f,3"));
    out.push_back(nmeaSentence("PGRME,15.0,M,45.0,M,25.0,M"));
  }
  return out;
}

std::string Generator::truncated(std::int64_t i, const Stamp& at) const {
  const std::string whole = step(i, at).front();
  switch (kind_) {
    case Kind::EFIS:
      return whole.substr(0, 30) + "\r";
    case Kind::Dynon:
      return whole.substr(0, 60) + "\r\n";
    case Kind::GPS:
      return whole.substr(0, 25) + "\r\n";
    case Kind::GR4000:
    case Kind::GR2000:
      return whole.substr(0, 23);
  }
  return whole;
}

std::string Generator::overlong(std::size_t length, std::mt19937& rng) const {
  std::uniform_int_distribution<std::size_t> pick(0, kPrintable.size() - 1);
  std::string body;
  body.reserve(length + 8);
  if (kind_ == Kind::GPS) body = "$GPGGA,";
  if (kind_ == Kind::GR4000 || kind_ == Kind::GR2000) {
    // A frame body far longer than any frame buffer, then the next header.
    std::uniform_int_distribution<int> value(0, 0xFD);
    body = delimiter_;
    while (body.size() < length + 3) body += static_cast<char>(value(rng));
    return body;
  }
  while (body.size() < length) body += kPrintable[pick(rng)];
  return body + delimiter_;
}

std::string Generator::garbage(std::size_t length, std::mt19937& rng) const {
  std::uniform_int_distribution<int> value(0, 255);
  std::string out;
  out.reserve(length);
  while (out.size() < length) out += static_cast<char>(value(rng));
  return out;
}

std::string Generator::burst(std::size_t length, std::mt19937& rng) const {
  // No byte of the delimiter appears, so no chunk can end inside the burst.
  std::uniform_int_distribution<int> value(0, 255);
  std::string out;
  out.reserve(length);
  while (out.size() < length) {
    const char c = static_cast<char>(value(rng));
    if (delimiter_.find(c) == std::string::npos) out += c;
  }
  return out;
}

}  // namespace devicesim
