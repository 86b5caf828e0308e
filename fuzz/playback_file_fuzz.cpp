// Any file loaded as a playback file and played: through the EFIS or the
// engine monitor loader, as a line file or as a Dynon CSV log, then played at
// a few positions. The records of a line file must be exactly the lines the
// line rule gives, and a CSV log must give the same records and the same
// stop whatever the size of the pieces the file is read in.
//
//   first byte: bit 0 the engine monitor loader (else the EFIS loader)
//               bit 1 a ".csv" file (else ".dat")
//               bits 2-4 the small piece size of the second reading (1 to 8)

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_app.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "recorder/loaders.h"
#include "recorder/playback.h"
#include "recorder/record_lists.h"
#include "recorder/recorder.h"
#include "screens/form4.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "support/record_reading.h"

namespace {

[[noreturn]] void fault(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  App& a = fuzz::app();
  const bool engine = data[0] & 1U;
  const bool csv = data[0] & 2U;
  const std::size_t piece = 1 + ((data[0] >> 2) & 7U);
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string name = csv ? "fuzz.csv" : "fuzz.dat";
  const std::string path = platform::joinPath(fuzz::homeDir(), name);
  platform::writeBytes(path, bytes);

  settings::Form2& s = a.form2();
  platform::Label& label = engine ? s.EMS_DataFileName : s.EFIS_DataFileName;
  label.setToolTip(path);
  label.setCaption(name);
  a.DataFileExtension = csv ? "csv" : "dat";
  if (engine)
    a.recorder().loaders().LoadRawEMSDataFile();
  else
    a.recorder().loaders().LoadRawEFISDataFile();

  const recorder::RecordStore& store =
      a.recorder().lists().records(engine ? recorder::PlaybackFile::Engine : recorder::PlaybackFile::EFIS);
  if (csv) {
    const std::size_t whole = recorder::RecordStore::kReadBuffer;
    if (testsupport::readStore(path, true, piece) != testsupport::readStore(path, true, whole))
      fault("a CSV log read in small pieces gave other records");
  } else {
    const std::vector<std::string> lines = testsupport::linesByTheRule(bytes);
    if (store.count() != static_cast<std::int32_t>(lines.size()))
      fault("a line file gave another record count");
    for (std::size_t i = 0; i < lines.size(); ++i)
      if (store.record(static_cast<std::int32_t>(i)) != lines[i]) fault("a line file gave another record");
  }

  // Played at its first positions, and at the positions without a record.
  platform::Slider& slider = engine ? a.form4().DataPointerSlider : a.form1().DataPointerSlider;
  for (std::int32_t p = 0; p <= store.count() + 1 && p <= 8; ++p) {
    slider.setValue(p);
    platform::runEvent([&] {
      if (engine)
        a.recorder().playback().UpdateEMSRecordedData();
      else
        a.recorder().playback().UpdateEFISRecordedData();
    });
  }
  return 0;
}
