// Any file as the configuration file in the program folder: loaded into the
// settings as start-up loads it, applied to the main window and the
// instrument set-ups, and saved again. The saved file must then load back to
// the same settings: loading and saving it once more gives the same bytes, so
// a restart never changes a setting. Before each input the settings go back
// to the program's own: the file the program saved at its first start is
// loaded first, so no input inherits the settings of the one before.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "config/config.h"
#include "fuzz_app.h"
#include "platform/controls.h"
#include "platform/files.h"

namespace {

void load(App& a) {
  a.LoadConfigRequest = true;
  a.config().LoadSaveFiles();
}

// Loads the file, applies it as start-up does and saves it; gives the bytes
// saved.
std::string loadApplySave(App& a, const std::string& path) {
  load(a);
  platform::runEvent([&a] { a.config().UpdateNow_Click(); }, "apply");
  a.SaveConfigRequest = true;
  a.config().LoadSaveFiles();
  return platform::readBytes(path);
}

// The configuration the program writes with its built-in settings.
const std::string& builtInConfiguration(App& a) {
  static const std::string text = [&a] {
    a.SaveConfigRequest = true;
    a.config().LoadSaveFiles();
    return platform::readBytes(config::Config::configurationPath());
  }();
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  App& a = fuzz::app();
  const std::string path = config::Config::configurationPath();
  platform::writeBytes(path, builtInConfiguration(a));
  load(a);

  platform::writeBytes(path, std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string saved = loadApplySave(a, path);
  // The clock stands still on the test services, so even the line of the
  // time of saving is the same.
  if (loadApplySave(a, path) != saved) {
    std::fprintf(stderr, "a saved configuration did not load back to the same settings\n");
    std::abort();
  }
  return 0;
}
