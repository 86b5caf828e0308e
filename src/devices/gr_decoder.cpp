#include "devices/gr_decoder.h"

#include "app/app.h"

namespace devices {

GrandRapidsDecoder::GrandRapidsDecoder(App& app) : app_(app) {}
GrandRapidsDecoder::~GrandRapidsDecoder() = default;
void GrandRapidsDecoder::wire(ScreenId) {}
void GrandRapidsDecoder::ParseEMSGrandRapidsData() {}

}  // namespace devices
