#pragma once
// The Dynon engine gauge screen: its set-up and the gauge drive.

#include "app/screen_id.h"

class App;

namespace screens {

class DynonGauges {
 public:
  explicit DynonGauges(App& app);
  ~DynonGauges();
  void wire(ScreenId id);

  // Reads the engine data screen's captions back and drives the gauges.
  void PopulateEMSGuages();
  // Scales, colour sections, visibility and the shared engine limits.
  void Update_Form10_data();

 private:
  App& app_;
};

}  // namespace screens
