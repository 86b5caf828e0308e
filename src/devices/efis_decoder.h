#pragma once
// The EFIS decoder: fixed columns of an EFIS record into the EFIS values.

#include "app/screen_id.h"

class App;

namespace devices {

class EfisDecoder {
 public:
  explicit EfisDecoder(App& app);
  ~EfisDecoder();
  void wire(ScreenId id);

  // Decodes EFISLine, then runs the real-time record step and the immediate
  // displays.
  void ParseEFISData();
  // Decodes EFISLine for the export: neither the real-time record step nor
  // the immediate displays run.
  void ParseEFISDataForExport();

 private:
  App& app_;
};

}  // namespace devices
