#include "screens/screen_setups.h"

#include "app/app.h"
#include "screens/form21.h"

namespace screens {

ScreenSetups::ScreenSetups(App& app) : app_(app) {}
ScreenSetups::~ScreenSetups() = default;
void ScreenSetups::wire(ScreenId) {}
void ScreenSetups::Update_Form8_data() {}
void ScreenSetups::Update_Form9_data() {}
void ScreenSetups::Update_form12_data() {}
void ScreenSetups::Update_Form4_data() {}
// The sky plot starts empty, and is emptied when the marker kind changes: the
// decoder shows only the chosen kind of marker and leaves the other alone.
void ScreenSetups::initializeDisplay() {
  form21& f21 = app_.form21();
  for (platform::Label& number : f21.GPS_SV_Number) number.setVisible(false);
  for (platform::Image& picture : f21.Sat_Green) picture.setVisible(false);
}

}  // namespace screens
