#pragma once
// Instrument screens: the EFIS readouts and EFIS screen drive, the engine
// gauge drives and every screen's set-up procedure.

#include <memory>

#include "app/screen_id.h"

class App;

namespace screens {

class EfisDisplay;
class DynonGauges;
class GrGauges;
class ScreenSetups;

class Screens {
 public:
  explicit Screens(App& app);
  ~Screens();
  void wire(ScreenId id);

  EfisDisplay& efis() { return *efis_; }
  DynonGauges& dynon() { return *dynon_; }
  GrGauges& grandRapids() { return *grandRapids_; }
  ScreenSetups& setups() { return *setups_; }

 private:
  std::unique_ptr<EfisDisplay> efis_;
  std::unique_ptr<DynonGauges> dynon_;
  std::unique_ptr<GrGauges> grandRapids_;
  std::unique_ptr<ScreenSetups> setups_;
};

}  // namespace screens
