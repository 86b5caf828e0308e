// EFIS records into the EFIS decoder. The first byte chooses the settings the
// decoding depends on; the rest is cut after each carriage return into lines,
// each decoded as the current EFIS line (a last piece without one as well).
//   bits 0-1 units (knots, miles, km/h, m/s)   bit 2 records from a file
//   bit 3 recording in real time               bit 4 decoded for the export
//   bit 5 main window "Real Time"              bit 6 instrument screen "Real Time"
//   bit 7 smoothed instrument screen

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "devices/devices.h"
#include "devices/efis_decoder.h"
#include "fuzz_app.h"
#include "recorder/recorder.h"
#include "settings/form13.h"
#include "settings/form2.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  App& a = fuzz::app();
  settings::Form2& s = a.form2();
  const std::uint8_t bits = data[0];
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);

  fuzz::selectUnits(a, fuzz::unitsOf(bits));
  if (bits & 4U)
    s.EFIS_FILE.setValue(true);
  else
    s.EFIS_COMM.setValue(true);
  const bool recording = (bits & 8U) != 0;
  if (recording) s.RealTime.setValue(true);
  a.RecorderOn = recording;
  const bool exporting = (bits & 16U) != 0;
  s.MainUpdateRate[(bits & 32U) ? 0 : 2].setValue(true);
  s.EFISUpdateRate[(bits & 64U) ? 0 : 2].setValue(true);
  a.form13().EFIS_FilterDisplay.setValue((bits & 128U) ? 1 : 0);
  fuzz::resetAges(a);

  for (std::string_view line : fuzz::piecesAfter(rest, "\r")) {
    a.EFISLine.assign(line);
    if (exporting)
      a.devices().efis().ParseEFISDataForExport();
    else
      a.devices().efis().ParseEFISData();
  }

  if (recording) {
    a.recorder().flush();
    fuzz::clearRecorderFolder();
  }
  return 0;
}
