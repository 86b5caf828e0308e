#pragma once
// The composition root: owns the platform services, the shared state, every
// screen (each created hidden on first use and kept until shut-down) and the
// objects of the six subsystems.

#include <array>
#include <memory>

#include "app/screen_id.h"
#include "app/shared_state.h"
#include "platform/serial.h"
#include "platform/services.h"
#include "platform/timer.h"

namespace platform {
class Screen;
}
namespace shell {
class Form1;
class Form3;
class Shell;
}  // namespace shell
namespace settings {
class Form2;
class form13;
class Settings;
}  // namespace settings
namespace screens {
class Form4;
class Form5;
class Form8;
class Form9;
class Form10;
class Form11;
class form12;
class form20;
class form21;
class Screens;
}  // namespace screens
namespace recorder {
class Form6;
class form7;
class form15;
class form16;
class Recorder;
}  // namespace recorder
namespace config {
class Config;
}
namespace devices {
class Devices;
}

// The services the platform gives the application.
struct Services {
  platform::Scheduler& scheduler;
  platform::Clock& clock;
  platform::MessageBoxes& messages;
  platform::FileDialogs& dialogs;
  platform::Tray& tray;
  platform::SerialFactory& serial;
  platform::UiHost& ui;
};

class App : public SharedState {
 public:
  explicit App(Services services);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  Services& services() { return services_; }
  platform::Scheduler& scheduler() { return services_.scheduler; }
  platform::Clock& clock() { return services_.clock; }
  platform::MessageBoxes& messages() { return services_.messages; }
  platform::FileDialogs& dialogs() { return services_.dialogs; }
  platform::Tray& tray() { return services_.tray; }
  // Processes pending events (timer ticks, serial data, input) and returns.
  void yieldToEvents() { services_.scheduler.yieldToEvents(); }

  // Screens: each accessor creates its screen, hidden, on first use.
  shell::Form1& form1();
  settings::Form2& form2();
  shell::Form3& form3();
  screens::Form4& form4();
  screens::Form5& form5();
  recorder::Form6& form6();
  recorder::form7& form7();
  screens::Form8& form8();
  screens::Form9& form9();
  screens::Form10& form10();
  screens::Form11& form11();
  screens::form12& form12();
  settings::form13& form13();
  recorder::form15& form15();
  recorder::form16& form16();
  screens::form20& form20();
  screens::form21& form21();
  platform::Screen& screen(ScreenId id);
  bool screenExists(ScreenId id) const { return screens_[idx(id)] != nullptr; }

  // Subsystems.
  shell::Shell& shell() { return *shell_; }
  config::Config& config() { return *config_; }
  devices::Devices& devices() { return *devices_; }
  recorder::Recorder& recorder() { return *recorder_; }
  screens::Screens& instruments() { return *instruments_; }
  settings::Settings& settings() { return *settings_; }

  // Starts the program: creates the main window, sets its timers going, runs
  // its load sequence and shows it (the start-up timer then opens the links).
  // Until then no timer of the main window runs.
  void start();

 private:
  template <class T>
  T& get(ScreenId id);
  void created(ScreenId id, platform::Screen& s);

  Services services_;
  std::array<std::unique_ptr<platform::Screen>, kScreenCount> screens_;
  std::unique_ptr<shell::Shell> shell_;
  std::unique_ptr<config::Config> config_;
  std::unique_ptr<devices::Devices> devices_;
  std::unique_ptr<recorder::Recorder> recorder_;
  std::unique_ptr<screens::Screens> instruments_;
  std::unique_ptr<settings::Settings> settings_;
};
