// Grand Rapids frames through the engine link's data event into the Grand
// Rapids decoder. The first byte chooses the settings; the rest is a series of
// chunks, each a two-byte length (big-endian, giving 3 + length % 299 bytes,
// so 3 to 301) and its bytes; a chunk cut short by the end of the input is
// taken as it is when it still holds three bytes. The data event moves each
// chunk's closing header to the front of the frame buffer, as a chunk cut on
// the read delimiter arrives.
//   bit 0 GR 2000 (else 4000 / 6000)   bit 1 raw port-data view of the engine link
//   bit 2 raw view frozen

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "devices/devices.h"
#include "devices/serial_links.h"
#include "fuzz_app.h"
#include "settings/form2.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  App& a = fuzz::app();
  settings::Form2& s = a.form2();
  const std::uint8_t bits = data[0];
  if (bits & 1U)
    s.EMSGR2000.setValue(true);
  else
    s.EMSGRANDRAPIDS.setValue(true);
  s.EMS_COMM.setValue(true);
  a.RawViewEMS = (bits & 2U) != 0;
  a.RawViewFrozen = (bits & 4U) != 0;
  fuzz::resetAges(a);
  // The frame buffer as start-up leaves it: bytes a short frame does not
  // reach read as zero rather than as the last input's.
  a.EMSBytes.fill(0);
  a.EMSBytesUBound = -1;

  std::size_t at = 1;
  std::string chunk;
  while (at + 2 <= size) {
    const std::size_t length = 3 + static_cast<std::size_t>(data[at] * 256 + data[at + 1]) % 299;
    at += 2;
    const std::size_t n = std::min(length, size - at);
    if (n < 3) break;
    chunk.assign(reinterpret_cast<const char*>(data) + at, n);
    at += n;
    a.devices().links().MSPort3_OnRead(chunk);
  }
  a.RawViewEMS = false;
  return 0;
}
