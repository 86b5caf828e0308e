#pragma once
// The Mode C encoder: the Gillham code table and the code of the current
// pressure altitude.

#include <array>
#include <cstdint>
#include <string>

#include "app/screen_id.h"

class App;

namespace devices {

class ModeC {
 public:
  explicit ModeC(App& app);
  void wire(ScreenId id);

  void LoadModeCTable();
  // The supervisor's Mode C step.
  void UpdateModeCGrayCode();
  void ModeCGrayCode_Click();

  // The Gillham code of table index n (altitude -1,200 + 100 x n feet), for
  // n = 0 to 1279.
  static std::int16_t gillhamCode(int n);
  // The code's twelve bits as "1"/"0" in the order A1 A2 A4, B1 B2 B4,
  // C1 C2 C4, D1 D2 D4, two blanks between the groups.
  static std::string codeText(std::int16_t code);

 private:
  App& app_;
  // The newest 20 samples of the altitude (hundreds of feet), oldest first.
  std::array<std::int16_t, 20> history_{};
};

}  // namespace devices
