#pragma once
// The Grand Rapids frame decoder.

#include <memory>

class App;

namespace devices {

struct GrFrameTexts;

class GrandRapidsDecoder {
 public:
  explicit GrandRapidsDecoder(App& app);
  ~GrandRapidsDecoder();

  // Decodes EMSBytes into the Grand Rapids data screen and gauge screen.
  void ParseEMSGrandRapidsData();

 private:
  App& app_;
  std::unique_ptr<GrFrameTexts> texts_;
};

}  // namespace devices
