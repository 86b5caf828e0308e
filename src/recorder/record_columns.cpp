#include "recorder/record_columns.h"

namespace recorder::columns {

void appendEFISFields(std::string& line, const SharedState& a) {
  using platform::formatNumber;
  field(line, formatNumber(a.EFISHour, "00") + formatNumber(a.EFISMinute, "00") + ":" +
                  formatNumber(a.EFISSecond, "00") + "." + formatNumber(a.EFISSecondCount, "00"));
  field(line, formatNumber(a.EFISPitch, "#0.0"));
  field(line, formatNumber(a.EFISRoll, "#0.0"));
  field(line, formatNumber(a.EFISHeading, "000"));
  field(line, formatNumber(a.EFISAirspeed, "#0.0"));
  field(line, formatNumber(a.EFISAltitude, "#0.0"));
  field(line, formatNumber(a.EFISPressureAltitude, "#0.0"));
  field(line, formatNumber(a.EFISTurnRate, "#0.0"));
  field(line, formatNumber(a.EFISVerticalSpeed, "#0.0"));
  field(line, formatNumber(a.EFISLateralG, "#0.0"));
  field(line, formatNumber(a.EFISVerticalG, "#0.0"));
  field(line, formatNumber(a.EFISAOA, "#0"));
}

}  // namespace recorder::columns
