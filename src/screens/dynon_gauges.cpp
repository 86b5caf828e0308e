#include "screens/dynon_gauges.h"

#include "app/app.h"

namespace screens {

DynonGauges::DynonGauges(App& app) : app_(app) {}
DynonGauges::~DynonGauges() = default;
void DynonGauges::wire(ScreenId) {}
void DynonGauges::PopulateEMSGuages() {}
void DynonGauges::Update_Form10_data() {}

}  // namespace screens
