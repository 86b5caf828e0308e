#pragma once
// The Dynon engine monitor decoders: the text record of the port and the
// hexadecimal record of CSV files. Both write the engine values as captions of
// the engine data screen and then drive the engine gauges.

#include <memory>

class App;

namespace devices {

namespace dynon {
struct RememberedCaptions;
}

class DynonDecoder {
 public:
  explicit DynonDecoder(App& app);
  ~DynonDecoder();

  // Decodes EMSLine as a Dynon engine record into the engine data screen. A
  // failing step ends the record: on the live port the engine link goes stale
  // at once, for a file record EMSParseError becomes 10.
  void ParseEMSDynonData();
  // Decodes EMSLine as a Dynon CSV engine record (form7.ParseCSVFile). It has
  // no error handling of its own: a failure passes to the caller.
  void ParseCSVFile();
  // ParseCSVFile for a record picked from the engine record list or played
  // back: a failure inside it marks the record bad (EMSParseError 10) instead
  // of stopping the caller.
  void ParseCSVRecordOrMarkBad();

 private:
  // English units (°F, PSI, inches of mercury, gallons) with the knots or
  // miles option, metric units otherwise.
  bool englishUnits();
  App& app_;
  std::unique_ptr<dynon::RememberedCaptions> remembered_;
};

}  // namespace devices
