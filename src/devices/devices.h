#pragma once
// Device input: the three serial links with their data events and capture
// files, the decoders of every device format and the Mode C encoder.

#include <memory>

#include "app/screen_id.h"

class App;

namespace devices {

class SerialLinks;
class EfisDecoder;
class ModeC;
class DynonDecoder;
class GrandRapidsDecoder;
class GpsDecoder;

class Devices {
 public:
  explicit Devices(App& app);
  ~Devices();
  void wire(ScreenId id);

  SerialLinks& links() { return *links_; }
  EfisDecoder& efis() { return *efis_; }
  ModeC& modeC() { return *modeC_; }
  DynonDecoder& dynon() { return *dynon_; }
  GrandRapidsDecoder& grandRapids() { return *grandRapids_; }
  GpsDecoder& gps() { return *gps_; }

 private:
  std::unique_ptr<SerialLinks> links_;
  std::unique_ptr<EfisDecoder> efis_;
  std::unique_ptr<ModeC> modeC_;
  std::unique_ptr<DynonDecoder> dynon_;
  std::unique_ptr<GrandRapidsDecoder> grandRapids_;
  std::unique_ptr<GpsDecoder> gps_;
};

}  // namespace devices
