// Satellites in view: the signal bars of the GPS instruments, the satellite
// table and the sky plot of the NMEA sentence screen.
//
// A cycle of sentences 1..n reports the satellites in view, up to four per
// sentence. Sentence 1 of a cycle first draws the plot from what the previous
// cycle stored (and clears those entries), then stores its own satellites; so
// the plot always shows the last complete cycle, one cycle late, and a
// satellite that a cycle no longer reports is hidden when the next one starts.

#include <cmath>
#include <optional>

#include "app/app.h"
#include "devices/gps_decoder.h"
#include "devices/gps_sentences.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "screens/form21.h"
#include "screens/form9.h"

namespace devices {

using platform::readNumber;

namespace {

// A whole number in a 16-bit store, or nothing when it does not fit.
std::optional<std::int16_t> toInt16OrNone(double v) {
  if (!(v > -32768.5 && v < 32767.5)) return std::nullopt;
  const double r = platform::roundHalfEven(v);
  if (r < -32768 || r > 32767) return std::nullopt;
  return static_cast<std::int16_t>(r);
}

// Sky plot geometry in twips within the satellites frame: a marker's corner
// lies 120 twips left of and above the point it marks; the zenith is at
// (1515, 1635) and one degree of elevation is 14.17 twips, so the horizon lies
// 1275.3 twips from the zenith. North is up, east to the right.
constexpr double kZenithX = 1515;
constexpr double kZenithY = 1635;
constexpr double kMarkerOffset = 120;
constexpr double kTwipsPerDegree = 14.17;
constexpr double kRadiansPerDegree = 0.0174532925199433;

// Signal strength classes of the markers.
enum class Signal { Strong, Fair, Weak };
Signal signalOf(double snr) {
  if (snr > 35) return Signal::Strong;
  if (snr > 10) return Signal::Fair;
  return Signal::Weak;
}

}  // namespace

void GpsDecoder::decodeGPGSV() {
  screens::form21& f21 = app_.form21();
  gps::Sentence s = sentence<screens::form21>();
  if (!s.read<gps::kFieldsGPGSV>(f21)) return;

  // The first sentence of a cycle (an empty or zero number too).
  const std::optional<std::int16_t> number = toInt16OrNone(readNumber(s[2]));
  if (number && *number < 2) drawSkyPlot();

  // Blocks of four fields from field 4 on; the sentence may simply end
  // before a block, but not inside one.
  for (int first = 4; first <= 16; first += 4) {
    const auto prn = s.read(first, gps::End::Comma);
    if (!prn) break;
    const auto elev = s.read(first + 1, gps::End::Comma);
    const auto az = elev ? s.read(first + 2, gps::End::Comma) : std::nullopt;
    const auto snr = az ? s.read(first + 3, gps::End::CommaOrStar) : std::nullopt;
    if (!snr) return;
    storeSatellite(*prn, *elev, *az, *snr);
  }

  app_.form9().SatellitesInView.setCaption(f21.GPGSVNumberSatellites.caption());
}

void GpsDecoder::storeSatellite(std::string_view prn, std::string_view elev, std::string_view az,
                                std::string_view snr) {
  screens::Form9& f9 = app_.form9();
  // Only twelve bars exist; later satellites of a cycle still reach the table.
  const int bar = SatelliteBarIndex_;
  const bool hasBar = f9.SatelliteNumber.contains(bar) && f9.SatelliteStrength.contains(bar);
  if (hasBar) {
    f9.SatelliteNumber[bar].setCaption(prn);
    f9.SatelliteStrength[bar].setPosition(readNumber(snr));
  }

  std::string tip;
  tip.reserve(36 + prn.size() + snr.size() + elev.size() + az.size());
  tip.append("SV=").append(prn).append("  SNR=").append(snr);
  tip.append("   ELEV=").append(elev).append("   AZ=").append(az);
  if (hasBar) f9.SatelliteStrength[bar].setToolTip(tip);

  // Satellites numbered above 49 share entry 0, which is never drawn; a
  // negative number has no entry at all.
  const double number = readNumber(prn);
  int p = -1;
  if (const auto n = toInt16OrNone(number))
    p = *n > 49 ? 0 : *n;
  else if (number > 0)
    p = 0;
  if (p >= 0 && p < kSatEntries) {
    const auto i = static_cast<std::size_t>(p);
    SatActive_[i] = true;
    SatSNRText_[i].assign(snr);
    SatToolTip_[i] = std::move(tip);

    const double angle = (readNumber(az) - 90) * kRadiansPerDegree;
    const double r = 90 - readNumber(elev);
    // A position too far out for its store keeps the previous one.
    if (const auto left = toInt16OrNone(kZenithX + kTwipsPerDegree * r * std::cos(angle) - kMarkerOffset))
      SatLeft_[i] = *left;
    if (const auto top = toInt16OrNone(kZenithY + kTwipsPerDegree * r * std::sin(angle) - kMarkerOffset))
      SatTop_[i] = *top;
  }

  if (SatelliteBarIndex_ < 32767) ++SatelliteBarIndex_;
}

// Each marker of satellites 1 to 49 shows while its satellite is active, at
// its place with its tool tip, given its signal class by `mark`; the entries
// drawn are cleared for the next cycle.
template <typename Marker, typename Mark>
void GpsDecoder::placeMarkers(platform::ControlArray<Marker>& markers, Mark&& mark) {
  for (int i = 1; i <= 49; ++i) {
    Marker& marker = markers[i];
    const auto e = static_cast<std::size_t>(i);
    if (!SatActive_[e]) {
      marker.setVisible(false);
      continue;
    }
    marker.setVisible(true);
    marker.setTop(SatTop_[e]);
    marker.setLeft(SatLeft_[e]);
    marker.setToolTip(SatToolTip_[e]);
    mark(marker, static_cast<std::size_t>(signalOf(readNumber(SatSNRText_[e]))));
    SatActive_[e] = false;
  }
}

void GpsDecoder::drawSkyPlot() {
  SatelliteBarIndex_ = 0;
  screens::form21& f21 = app_.form21();

  if (f21.SatDisplay[0].value()) {
    // Pictures by signal strength, from the program folder. A picture whose
    // file is missing is not set, so the marker keeps the one it had.
    static constexpr const char* kPictures[] = {"photo\\GPS_GREEN_Small.bmp", "photo\\GPS_YELLOW_Small.bmp",
                                                "photo\\GPS_RED_Small.bmp"};
    if (pictures_[0].empty())
      for (std::size_t k = 0; k < 3; ++k)
        pictures_[k] = platform::joinPath(platform::programFolder(), kPictures[k]);
    int present[3] = {-1, -1, -1};  // looked up at most once per drawing
    placeMarkers(f21.Sat_Green, [&](platform::Image& marker, std::size_t kind) {
      const std::string& path = pictures_[kind];
      if (marker.picture() == path) return;
      if (present[kind] < 0) present[kind] = platform::fileExists(path) ? 1 : 0;
      if (present[kind] == 1) marker.setPicture(path);
    });
  } else {
    // Satellite numbers coloured by signal strength.
    static constexpr platform::OleColor kColours[] = {0x808000, platform::color::Yellow,
                                                      platform::color::Red};
    placeMarkers(f21.GPS_SV_Number,
                 [](platform::Label& marker, std::size_t kind) { marker.setForeColor(kColours[kind]); });
  }
}

}  // namespace devices
