// Start-up (the main window's load sequence and the one-shot start sequence
// that opens the links and shows the first screen) and the one shut-down
// sequence of every way out of the program.

#include "shell/lifecycle.h"

#include <array>
#include <initializer_list>

#include "app/app.h"
#include "config/config.h"
#include "devices/devices.h"
#include "devices/mode_c.h"
#include "devices/serial_links.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "recorder/recorder.h"
#include "screens/dynon_gauges.h"
#include "screens/form21.h"
#include "screens/form4.h"
#include "screens/screen_setups.h"
#include "screens/screens.h"
#include "settings/form2.h"
#include "settings/settings.h"
#include "shell/form1.h"
#include "shell/main_handlers.h"
#include "shell/shell.h"
#include "shell/supervisor.h"

namespace shell {

namespace {

// The program's own start-up state.
constexpr const char* kVersion = "Version 3.3.16   19 Oct 2008";
constexpr std::int16_t kStaleAge = 10;

// The screens whose visibility the start sequence sets, in the order it sets
// them; the other seven are left as they are.
constexpr std::array<ScreenId, 10> kStartScreens{
    ScreenId::Form1, ScreenId::Form2, ScreenId::Form3, ScreenId::Form4, ScreenId::Form5,
    ScreenId::Form6, ScreenId::form7, ScreenId::Form8, ScreenId::Form9, ScreenId::Form10};

// The start screen of each option of StartupDisplayScreen, by index.
constexpr std::array<ScreenId, 6> kStartScreenOfOption{ScreenId::Form1, ScreenId::Form4, ScreenId::Form5,
                                                       ScreenId::Form8, ScreenId::Form9, ScreenId::Form10};

// The main window's timers that run for the program's life.
std::array<platform::Timer*, 6> programTimers(Form1& f) {
  return {&f.StartupDelay,       &f.Quartersecondtimer,    &f.ChectGRHeader,
          &f.DisplayUpdateTimer, &f.EFIS_DataDisplayTimer, &f.EFIS_DisplayTimer};
}

}  // namespace

void Lifecycle::wire(ScreenId id) {
  if (id != ScreenId::Form1) return;
  Form1& f = app_.form1();
  f.onQueryUnload = [this] { Form_QueryUnload(); };
  f.MenuExit.onClick = [this] { MenuExit_Click(); };
  f.mexit.onClick = [this] { mexit_Click(); };
  f.StartupDelay.onTick = [this] { StartupDelay_Timer(); };
}

// Sets the program-long timers going, the start-up delay among them; from
// here they may tick at any yield of the load sequence.
void Lifecycle::startTimers() {
  for (platform::Timer* t : programTimers(app_.form1())) t->setEnabled(true);
}

// The main window's creation handler. Whatever fails in it ends the load
// there, as any other event, and the program goes on with the main window.
void Lifecycle::Form_Load() {
  // Ticks and data events that run at the yields below find the recorder
  // folder still unknown: what they would write waits until the configured
  // folder is in place.
  app_.RecorderFolderPending = true;
  platform::runEvent(
      [this] {
        Form1& f = app_.form1();
        devices::SerialLinks& links = app_.devices().links();

        f.RevNumber.setCaption(kVersion);
        links.createPorts();
        app_.devices().modeC().LoadModeCTable();
        app_.shell().mainHandlers().InitScreens();
        links.LoadEFIS_PortSettings();
        links.LoadGPS_PortSettings();
        links.LoadEMS_PortSettings();
        // A missing or unreadable icon file keeps the default icon (the views
        // and the tray check the file).
        f.setIcon(platform::joinPath(platform::programFolder(), "Recorder.ico"));
        app_.TrayTipCountdown = 3;
        f.SetTime.setEnabled(false);

        app_.LoadConfigRequest = true;
        app_.config().LoadSaveFiles();
        app_.yieldToEvents();
        app_.config().UpdateNow_Click();
        app_.yieldToEvents();
        app_.NewFilePending = true;
        app_.shell().mainHandlers().Enable_DisableButtons();
        app_.yieldToEvents();

        for (std::size_t i = 0; i < 100; ++i) app_.EMSBytes[i] = 0;
        // Every source starts as stale; the $GPBOD counter is left as it is.
        for (std::size_t i : {kGPS, kEFIS, kEMS}) app_.SourceDataAge[i] = kStaleAge;
        for (std::size_t i = kPGRMF; i <= kGPGSV; ++i) app_.SentenceDataAge[i] = kStaleAge;

        app_.settings().LoadDataFolder();
        recorderFolderApplied();
        app_.recorder().populatedirectory();
        screens::form21& sky = app_.form21();
        for (int i = 0; i <= 49; ++i) {
          sky.GPS_SV_Number[i].setCaption(platform::formatNumber(i, "00"));
          sky.GPS_SV_Number[i].setWidth(220);
        }
        app_.instruments().setups().initializeDisplay();
      },
      "Form_Load");
  // A load that failed part-way leaves the folder the main window holds.
  if (app_.RecorderFolderPending) recorderFolderApplied();
}

void Lifecycle::recorderFolderApplied() {
  app_.RecorderFolderPending = false;
  // A record-file name the supervisor worked out meanwhile named the folder
  // of before: it is worked out again for the folder now in place.
  if (!app_.form1().RecordFileName.toolTip().empty())
    app_.shell().supervisor().showRecordFileName(app_.clock().now());
}

// Runs once, 1500 ms after the main window was created: opens the links and
// shows the chosen first screen.
void Lifecycle::StartupDelay_Timer() {
  app_.form1().StartupDelay.setEnabled(false);

  devices::SerialLinks& links = app_.devices().links();
  links.StartGPSPort();
  links.StartEFISPort();
  links.StartEMSPort();

  settings::Form2& form2 = app_.form2();
  for (int option = 0; option <= 5; ++option) {
    if (!form2.StartupDisplayScreen[option].value()) continue;
    switch (option) {
      case 3:
        app_.instruments().setups().Update_Form8_data();
        break;
      case 4:
        app_.instruments().setups().Update_Form9_data();
        break;
      // The Dynon gauge screen, whatever the engine monitor type.
      case 5:
        app_.instruments().dynon().Update_Form10_data();
        break;
      default:
        break;
    }
    const ScreenId chosen = kStartScreenOfOption[static_cast<std::size_t>(option)];
    for (ScreenId id : kStartScreens) app_.screen(id).setVisible(id == chosen);
    app_.yieldToEvents();
    return;
  }
}

void Lifecycle::Form_QueryUnload() {
  Shutdown();
}
void Lifecycle::MenuExit_Click() {
  Shutdown();
}
void Lifecycle::mexit_Click() {
  Shutdown();
}

// Ports closed, files closed, screens unloaded, tray icon removed, program
// ended. A step that fails is skipped and the next one runs, so the program
// always ends. An entry while the sequence runs (the close box pressed during
// one of its yields) does nothing: the running sequence finishes the job.
void Lifecycle::Shutdown() {
  if (shuttingDown_) return;
  // A request during a long task (the export) ends the task first; the
  // shut-down follows once the task has ended and the events it held have
  // run, so they are written too.
  if (platform::EventHold& hold = app_.scheduler().hold(); hold.active()) {
    hold.stopWith([this] { Shutdown(); });
    return;
  }
  shuttingDown_ = true;
  closePorts();
  // Nothing may tick once the files are written: no record or playback step
  // after the last flush, no supervisor reaching for a screen that is gone.
  shutdownStep(&Lifecycle::stopTimers);
  closeFiles();
  unloadScreens();
  shutdownStep(&Lifecycle::removeTrayIcon);
  try {
    app_.yieldToEvents();
  } catch (...) {
  }
  app_.services().ui.quit(0);
}

void Lifecycle::shutdownStep(void (Lifecycle::*step)()) {
  try {
    (this->*step)();
  } catch (...) {
    // Skipped: the sequence goes on.
  }
}

void Lifecycle::closePorts() {
  devices::SerialLinks& links = app_.devices().links();
  for (auto* port : {links.MSPort1.get(), links.MSPort2.get(), links.MSPort3.get()}) {
    try {
      if (port && port->PortOpen()) port->setPortOpen(false);
    } catch (...) {
    }
    app_.yieldToEvents();
  }
}

void Lifecycle::stopTimers() {
  Form1& f = app_.form1();
  for (platform::Timer* t : programTimers(f)) t->setEnabled(false);
  f.PlaybackSpeedTimer.setEnabled(false);
  if (app_.screenExists(ScreenId::Form4)) app_.form4().PlaybackSpeedTimer.setEnabled(false);
}

// The program keeps no file open between writes: closing its files means
// writing what is still buffered, capture batches and records alike.
void Lifecycle::closeFiles() {
  try {
    app_.recorder().flush();
  } catch (...) {
  }
  try {
    app_.devices().links().flushCaptures();
  } catch (...) {
  }
}

void Lifecycle::unloadScreens() {
  for (ScreenId id : kAllScreens) {
    if (!app_.screenExists(id)) continue;
    try {
      platform::Screen& s = app_.screen(id);
      if (s.unloaded()) continue;
      s.unload();
    } catch (...) {
    }
    app_.yieldToEvents();
  }
}

void Lifecycle::removeTrayIcon() {
  if (app_.tray().inTray()) app_.tray().remove();
}

}  // namespace shell
