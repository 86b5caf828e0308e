#pragma once
// The Dynon engine monitor decoders: the text record of the port and the
// hexadecimal record of CSV files.

#include "app/screen_id.h"

class App;

namespace devices {

class DynonDecoder {
 public:
  explicit DynonDecoder(App& app);
  ~DynonDecoder();
  void wire(ScreenId id);

  // Decodes EMSLine as a Dynon engine record into the engine data screen.
  void ParseEMSDynonData();
  // Decodes EMSLine as a Dynon CSV engine record (form7.ParseCSVFile).
  void ParseCSVFile();

 private:
  App& app_;
};

}  // namespace devices
