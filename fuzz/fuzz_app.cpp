#include "fuzz_app.h"

#include <stdlib.h>

#include <filesystem>
#include <memory>

#include "settings/form2.h"
#include "support/test_platform.h"

namespace fuzz {

namespace {

struct Program {
  Program() {
    ::setenv("TALBREN_PROGRAM_DIR", programDir.path().c_str(), 1);
    ::setenv("HOME", homeDir.path().c_str(), 1);
    // Every box is answered OK; none may stop a run.
    platform.messages.allowAnyBoxes = true;
    app = std::make_unique<App>(platform.services());
    app->start();
  }
  testsupport::TempDir programDir;
  testsupport::TempDir homeDir;
  testsupport::TestPlatform platform;
  std::unique_ptr<App> app;
};

Program& program() {
  static Program p;
  return p;
}

}  // namespace

App& app() {
  return *program().app;
}
const std::string& programDir() {
  return program().programDir.path();
}
const std::string& homeDir() {
  return program().homeDir.path();
}

void selectUnits(App& a, Units units) {
  settings::Form2& s = a.form2();
  switch (units) {
    case Units::Knots:
      s.UnitsKnots.setValue(true);
      break;
    case Units::Miles:
      s.UnitMiles.setValue(true);
      break;
    case Units::KiloMeters:
      s.UnitKiloMeters.setValue(true);
      break;
    case Units::Meters:
      s.UnitsMeter.setValue(true);
      break;
  }
}

void resetAges(App& a) {
  a.SourceDataAge.fill(10);
  a.SentenceDataAge.fill(10);
  a.EFISParseError = 0;
  a.EMSParseError = 0;
}

std::vector<std::string_view> piecesAfter(std::string_view data, std::string_view delimiters) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  while (start < data.size()) {
    const std::size_t end = data.find_first_of(delimiters, start);
    if (end == std::string_view::npos) {
      pieces.push_back(data.substr(start));
      break;
    }
    pieces.push_back(data.substr(start, end + 1 - start));
    start = end + 1;
  }
  return pieces;
}

void clearRecorderFolder() {
  std::error_code ec;
  std::filesystem::remove_all(std::filesystem::path(homeDir()) / "RAZERI VAREROZE", ec);
}

}  // namespace fuzz

// The program starts before the first input, so the coverage of its start-up
// is not counted as the inputs' own.
extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  fuzz::app();
  return 0;
}
