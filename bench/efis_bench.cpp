// EFIS decoding rate: a mix of records through ParseEFISData into the EFIS
// values, with the screens hidden. The link delivers at most about 220
// records a second; loading, playing back and exporting files go through the
// same decoder, which should manage a million records a second on one core.
//
//   EfisDecode          the displays refresh on their timers, not per record
//   EfisDecodeAndShow   both displays at "Real Time": the main window's
//                       readouts and the EFIS screen refreshed per record

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "app/app.h"
#include "devices/devices.h"
#include "devices/efis_decoder.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "support/test_platform.h"

namespace {

// Both record kinds, several records within one second, negative and
// extreme fields, a record without its CR, a 48-character one with a bad
// status word, and an empty line.
const std::array<std::string, 10> kRecords = {
    "14050932-053-0127123051401000-015-02010050000004A2C\r",
    "14050933012500300359100001524-015001-0512A000034A2C\r",
    "14050934-001+0003001025001234+02300101000000000CAFE\r",
    "140510000000000000000000000000000000000000000014A2C\r",
    "140510010999079993599999999999999-9999999FFFFFF4A2C\r",
    "14051002-053-0127123051401000-015-02010050000004A2C",
    "14051003012500300359100001524-015001-0512A0Z003\r",
    "",
    "14051104-100-1800180120003500-100-15-2015000001FFFF\r",
    "14051105+050+1800090060012000+050+05+3005000000FFFF\r",
};

struct Fixture {
  testsupport::TestPlatform platform;
  App app{platform.services()};
  explicit Fixture(bool realTimeDisplays) {
    settings::Form2& s = app.form2();
    app.form1();
    if (!realTimeDisplays) {
      s.MainUpdateRate[1].setValue(true);
      s.EFISUpdateRate[1].setValue(true);
    }
  }
};

void run(benchmark::State& state, bool realTimeDisplays) {
  Fixture f(realTimeDisplays);
  devices::EfisDecoder& decoder = f.app.devices().efis();
  std::size_t i = 0;
  for (auto _ : state) {
    f.app.EFISLine = kRecords[i];
    decoder.ParseEFISData();
    benchmark::DoNotOptimize(f.app.EFISAirspeed);
    if (++i == kRecords.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

void EfisDecode(benchmark::State& state) {
  run(state, false);
}
void EfisDecodeAndShow(benchmark::State& state) {
  run(state, true);
}

BENCHMARK(EfisDecode);
BENCHMARK(EfisDecodeAndShow);

}  // namespace
