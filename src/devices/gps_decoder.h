#pragma once
// The GPS decoder: NMEA-0183 and Garmin sentences.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/controls.h"
#include "platform/vb.h"

class App;

namespace devices {

namespace gps {
struct Memos;
class Sentence;
}  // namespace gps

class GpsDecoder {
 public:
  explicit GpsDecoder(App& app);
  ~GpsDecoder();

  // Decodes GPSLine: the sentence's own case (chosen by its first six
  // characters), its activity counter, then the readouts common to every line.
  // Never fails towards the caller.
  void ParseGPSSentence();

  // The main window's time text of the last Garmin fix: hour and minute
  // digits, a colon, the seconds.
  const std::string& GPSTimeText() const { return GPSTimeText_; }

  // Satellite table of the sky plot, by satellite number; entry 0 collects
  // satellites numbered above 49 (or not numbered), entries 0 and 50 are never
  // drawn. Written by the $GPGSV case only.
  static constexpr int kSatEntries = 51;
  const std::array<platform::VbBool, kSatEntries>& SatActive() const { return SatActive_; }
  const std::array<std::string, kSatEntries>& SatSNRText() const { return SatSNRText_; }
  const std::array<std::string, kSatEntries>& SatToolTip() const { return SatToolTip_; }
  const std::array<std::int16_t, kSatEntries>& SatTop() const { return SatTop_; }
  const std::array<std::int16_t, kSatEntries>& SatLeft() const { return SatLeft_; }
  std::int16_t SatelliteBarIndex() const { return SatelliteBarIndex_; }

 private:
  // The sentences with steps of their own after their table; each returns
  // early when its sentence is cut.
  void decodeGPGGA();
  void decodeGPRMC();
  void decodeGPGSV();
  void decodePGRMF();
  void decodePGRMH();
  void decodePGRMZ();
  // A sentence whose table is all it does.
  template <const auto& kFields>
  void readFields();

  // Heading, magnetic heading, speed and altitude in the chosen units, fix
  // light and link age: after every line.
  void commonTail();

  // GPSLine read as a sentence of the screen S, the NMEA or the Garmin
  // sentence screen.
  template <typename S>
  S& screen();
  template <typename S>
  gps::Sentence sentence();
  // The main window's and the GPS screen's position readouts, fix mode (an
  // empty mode keeps the main window's) and fix lights.
  void showPosition(const std::string& latitude, const std::string& longitude);
  void showFixMode(std::string_view mode);
  void showFixLights(platform::OleColor colour);
  // The date and time parts of a fix, and the time readout's tool tip.
  void storeFixTime(std::string_view toolTipHeading, std::string_view time, std::string_view date);

  // Satellites in view.
  void drawSkyPlot();
  template <typename Marker, typename Mark>
  void placeMarkers(platform::ControlArray<Marker>& markers, Mark&& mark);
  void storeSatellite(std::string_view prn, std::string_view elev, std::string_view az, std::string_view snr);

  App& app_;
  std::unique_ptr<gps::Memos> memo_;
  std::string GPSTimeText_;
  // Marker picture files, found in the program folder on first use.
  std::array<std::string, 3> pictures_;

  std::array<platform::VbBool, kSatEntries> SatActive_{};
  std::array<std::string, kSatEntries> SatSNRText_{};
  std::array<std::string, kSatEntries> SatToolTip_{};
  std::array<std::int16_t, kSatEntries> SatTop_{};
  std::array<std::int16_t, kSatEntries> SatLeft_{};
  std::int16_t SatelliteBarIndex_ = 0;
};

}  // namespace devices
