#include "devices/dynon_decoder.h"

#include "app/app.h"

namespace devices {

DynonDecoder::DynonDecoder(App& app) : app_(app) {}
DynonDecoder::~DynonDecoder() = default;
void DynonDecoder::wire(ScreenId) {}
void DynonDecoder::ParseEMSDynonData() {}
void DynonDecoder::ParseCSVFile() {}

}  // namespace devices
