#pragma once
// The raw port-data view: the newest twenty lines of one device, with freeze,
// clear and return, and its openers on the engine data and GPS sentence
// screens. Which device it shows and whether it is frozen are the shared
// raw-view flags the data events read.

#include "app/screen_id.h"
#include "app/shared_state.h"

class App;

namespace shell {

class RawView {
 public:
  explicit RawView(App& app) : app_(app) {}
  // The view's own buttons and the value labels that open it.
  void wire(ScreenId id);

  // Adds the newest line of the device shown.
  void UpdateCommDataScreen();
  // Blanks the view's twenty lines; every opener of the view runs it.
  void ClearScreen();
  void ClearButton_Click();
  void FreezeButton_Click();
  void ReturnButton_Click();
  // Opens the view on the engine port from a value label of the engine data
  // screen `clicked` (Form4 or Form5), or on the GPS port from a field of the
  // GPS sentence screen `clicked` (form20 or form21).
  void ShowEngineCommData(ScreenId clicked);
  void ShowGPSCommData(ScreenId clicked);
  // Readies the view, empty and unfrozen, for the lines of one link.
  void watch(LinkIndex link);
  // The view watches no device and is not frozen.
  void endWatch();

 private:
  void wireOpeners(ScreenId id);

  App& app_;
};

}  // namespace shell
