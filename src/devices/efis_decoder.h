#pragma once
// The EFIS decoder: fixed columns of an EFIS record into the EFIS values.

#include <cstdint>

class App;

namespace devices {

class EfisDecoder {
 public:
  explicit EfisDecoder(App& app);

  // Decodes EFISLine, then runs the real-time record step and the immediate
  // displays.
  void ParseEFISData();
  // Decodes EFISLine for the export: neither the real-time record step nor
  // the immediate displays run.
  void ParseEFISDataForExport();

 private:
  // The whole decoding with its failure rule; the real-time steps run only
  // when asked for.
  void parse(bool realTimeSteps);
  void decodeRecord();
  void keepLinkHealth(bool liveLink);
  void runRealTimeSteps();

  App& app_;
  // The second of the previous record, for counting records within a second.
  std::int16_t lastSecond_ = 0;
};

}  // namespace devices
