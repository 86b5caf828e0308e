#include "screens/gr_gauges.h"

#include "app/app.h"

namespace screens {

GrGauges::GrGauges(App& app) : app_(app) {}
GrGauges::~GrGauges() = default;
void GrGauges::wire(ScreenId) {}
void GrGauges::Update_Form11_data() {}

}  // namespace screens
