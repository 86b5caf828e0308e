#include "screens/screen_setups.h"

#include "app/app.h"

namespace screens {

ScreenSetups::ScreenSetups(App& app) : app_(app) {}
ScreenSetups::~ScreenSetups() = default;
void ScreenSetups::wire(ScreenId) {}
void ScreenSetups::Update_Form8_data() {}
void ScreenSetups::Update_Form9_data() {}
void ScreenSetups::Update_form12_data() {}
void ScreenSetups::Update_Form4_data() {}
void ScreenSetups::initializeDisplay() {}

}  // namespace screens
