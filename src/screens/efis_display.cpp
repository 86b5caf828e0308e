#include "screens/efis_display.h"

#include "app/app.h"

namespace screens {

EfisDisplay::EfisDisplay(App& app) : app_(app) {}
EfisDisplay::~EfisDisplay() = default;
void EfisDisplay::wire(ScreenId) {}
void EfisDisplay::ShowEFISData() {}
void EfisDisplay::UpdateEFISScreen() {}

}  // namespace screens
