#include "devices/gps_decoder.h"

#include "app/app.h"

namespace devices {

GpsDecoder::GpsDecoder(App& app) : app_(app) {}
GpsDecoder::~GpsDecoder() = default;
void GpsDecoder::wire(ScreenId) {}
void GpsDecoder::ParseGPSSentence() {}

}  // namespace devices
