#include "screens/screens.h"

#include "screens/dynon_gauges.h"
#include "screens/efis_display.h"
#include "screens/gr_gauges.h"
#include "screens/screen_setups.h"

namespace screens {

Screens::Screens(App& app)
    : efis_(std::make_unique<EfisDisplay>(app)),
      dynon_(std::make_unique<DynonGauges>(app)),
      grandRapids_(std::make_unique<GrGauges>(app)),
      setups_(std::make_unique<ScreenSetups>(app)) {}

Screens::~Screens() = default;

void Screens::wire(ScreenId id) {
  efis_->wire(id);
  setups_->wire(id);
}

}  // namespace screens
