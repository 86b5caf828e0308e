#include "settings/settings.h"

#include "app/app.h"

namespace settings {

Settings::Settings(App& app) : app_(app) {}
Settings::~Settings() = default;
void Settings::wire(ScreenId) {}
void Settings::TabStrip1_Click() {}
void Settings::LoadDataFolder() {}
void Settings::SelectGPSToUse() {}
void Settings::CancelButton_Click() {}
void Settings::Update_Form2_data() {}

}  // namespace settings
