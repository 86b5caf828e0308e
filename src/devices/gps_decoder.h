#pragma once
// The GPS decoder: NMEA-0183 and Garmin sentences.

#include "app/screen_id.h"

class App;

namespace devices {

class GpsDecoder {
 public:
  explicit GpsDecoder(App& app);
  ~GpsDecoder();
  void wire(ScreenId id);

  // Decodes GPSLine.
  void ParseGPSSentence();

 private:
  App& app_;
};

}  // namespace devices
