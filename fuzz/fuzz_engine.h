#pragma once
// Settings and lines shared by the Dynon targets.

#include <cstdint>
#include <string_view>

#include "app/app.h"
#include "fuzz_app.h"
#include "settings/form13.h"
#include "settings/form2.h"

namespace fuzz {

//   bits 0-1 units (knots, miles, km/h, m/s)   bit 2 records from a file
//   bit 3 smoothed engine gauges
inline void chooseDynonSettings(App& a, std::uint8_t bits) {
  settings::Form2& s = a.form2();
  s.EMSDYNON.setValue(true);
  selectUnits(a, unitsOf(bits));
  if (bits & 4U)
    s.EMS_FILE.setValue(true);
  else
    s.EMS_COMM.setValue(true);
  a.form13().FilterDisplay.setValue((bits & 8U) ? 1 : 0);
  resetAges(a);
}

// The piece without its line breaks, as the engine link's data event keeps it.
inline void setEngineLine(App& a, std::string_view piece) {
  a.EMSLine.clear();
  for (char c : piece)
    if (c != '\r' && c != '\n') a.EMSLine += c;
}

}  // namespace fuzz
