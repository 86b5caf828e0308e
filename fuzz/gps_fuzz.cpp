// GPS sentences into the GPS decoder. The first byte chooses the settings;
// the rest is cut into lines at carriage returns and line feeds, which the
// GPS link's data event leaves out of the line, and each line is decoded as
// the current GPS line. The decoder never fails towards its caller: anything
// that escapes it is a fault.
//   bits 0-1 units (knots, miles, km/h, m/s)   bit 2 Garmin sentences (else NMEA)
//   bit 3 records from a file                  bit 4 raw port-data view of the GPS link

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "devices/devices.h"
#include "devices/gps_decoder.h"
#include "fuzz_app.h"
#include "settings/form2.h"
#include "shell/raw_view.h"
#include "shell/shell.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  App& a = fuzz::app();
  settings::Form2& s = a.form2();
  const std::uint8_t bits = data[0];
  fuzz::selectUnits(a, fuzz::unitsOf(bits));
  if (bits & 4U)
    s.GPS_Sentance_Garmin.setValue(true);
  else
    s.GPS_Sentance_NMEA.setValue(true);
  if (bits & 8U)
    s.GPS_FILE.setValue(true);
  else
    s.GPS_COMM.setValue(true);
  const bool rawView = (bits & 16U) != 0;
  fuzz::resetAges(a);

  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  for (std::string_view piece : fuzz::piecesAfter(rest, "\r\n")) {
    a.GPSLine.clear();
    for (char c : piece)
      if (c != '\r' && c != '\n') a.GPSLine += c;
    a.devices().gps().ParseGPSSentence();
    if (rawView) {
      a.RawViewGPS = true;
      a.shell().rawView().UpdateCommDataScreen();
      a.RawViewGPS = false;
    }
  }
  return 0;
}
