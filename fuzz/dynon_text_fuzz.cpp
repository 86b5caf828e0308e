// Dynon engine text records into the Dynon decoder. The first byte chooses
// the settings; the rest is cut into lines at carriage returns and line feeds,
// which the engine link's data event leaves out of the line, and each line is
// decoded as the current engine line.
//   bits 0-1 units (knots, miles, km/h, m/s)   bit 2 records from a file
//   bit 3 smoothed engine gauges               bit 4 raw port-data view of the engine link

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "devices/devices.h"
#include "devices/dynon_decoder.h"
#include "fuzz_app.h"
#include "fuzz_engine.h"
#include "shell/raw_view.h"
#include "shell/shell.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  App& a = fuzz::app();
  fuzz::chooseDynonSettings(a, data[0]);
  const bool rawView = (data[0] & 16U) != 0;
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  for (std::string_view piece : fuzz::piecesAfter(rest, "\r\n")) {
    fuzz::setEngineLine(a, piece);
    a.devices().dynon().ParseEMSDynonData();
    if (rawView) {
      a.RawViewEMS = true;
      a.shell().rawView().UpdateCommDataScreen();
      a.RawViewEMS = false;
    }
  }
  return 0;
}
