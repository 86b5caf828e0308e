#include "devices/efis_decoder.h"

#include "app/app.h"

namespace devices {

EfisDecoder::EfisDecoder(App& app) : app_(app) {}
EfisDecoder::~EfisDecoder() = default;
void EfisDecoder::wire(ScreenId) {}
void EfisDecoder::ParseEFISData() {}
void EfisDecoder::ParseEFISDataForExport() {}

}  // namespace devices
