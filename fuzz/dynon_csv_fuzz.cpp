// Dynon CSV engine records (hexadecimal fields) into the CSV decoder, set up
// as for the text records. The decoder passes a failing step to its caller as
// a run error, which the engine record list and playback take as a bad
// record; any other failure is a fault.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "devices/devices.h"
#include "devices/dynon_decoder.h"
#include "fuzz_app.h"
#include "fuzz_engine.h"
#include "platform/vb.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  App& a = fuzz::app();
  fuzz::chooseDynonSettings(a, data[0]);
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  for (std::string_view piece : fuzz::piecesAfter(rest, "\r\n")) {
    fuzz::setEngineLine(a, piece);
    try {
      a.devices().dynon().ParseCSVFile();
    } catch (const platform::RunError&) {
    }
  }
  return 0;
}
