#include "devices/devices.h"

#include "devices/dynon_decoder.h"
#include "devices/efis_decoder.h"
#include "devices/gps_decoder.h"
#include "devices/gr_decoder.h"
#include "devices/mode_c.h"
#include "devices/serial_links.h"

namespace devices {

Devices::Devices(App& app)
    : links_(std::make_unique<SerialLinks>(app)),
      efis_(std::make_unique<EfisDecoder>(app)),
      modeC_(std::make_unique<ModeC>(app)),
      dynon_(std::make_unique<DynonDecoder>(app)),
      grandRapids_(std::make_unique<GrandRapidsDecoder>(app)),
      gps_(std::make_unique<GpsDecoder>(app)) {}

Devices::~Devices() = default;

void Devices::wire(ScreenId id) {
  links_->wire(id);
  modeC_->wire(id);
}

}  // namespace devices
