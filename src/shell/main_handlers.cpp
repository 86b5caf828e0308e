// The main window's clicks: its buttons, port labels and readouts are the
// doors to the other screens. Each opening records the main window as the
// screen to come back to, so the opened screen's RETURN brings it back.

#include "shell/main_handlers.h"

#include <initializer_list>

#include "app/app.h"
#include "config/config.h"
#include "devices/devices.h"
#include "devices/serial_links.h"
#include "recorder/form15.h"
#include "screens/form20.h"
#include "screens/form21.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "screens/form8.h"
#include "screens/form9.h"
#include "screens/screen_setups.h"
#include "screens/screens.h"
#include "settings/form2.h"
#include "settings/settings.h"
#include "shell/form1.h"
#include "shell/form3.h"
#include "shell/navigation.h"
#include "shell/raw_view.h"
#include "shell/screen_buttons.h"
#include "shell/shell.h"

namespace shell {

namespace {

// Tabs of the settings screen, counted from 1.
constexpr int kTabEFIS = 1;
constexpr int kTabEMS = 2;
constexpr int kTabGPS = 3;
constexpr int kTabSampleRate = 6;

// The main window, and it alone, is the screen to come back to.
void cameFromMain(App& app) {
  app.shell().navigation().ClearCameFrom();
  app.CameFromForm[idx(ScreenId::Form1)] = true;
}

}  // namespace

void MainHandlers::ShowSettingsScreen() {
  app_.devices().links().ListAvailComPorts();
  app_.settings().LoadDataFolder();
  cameFromMain(app_);
  app_.form2().show();
  app_.form1().hide();
}

// The tab is chosen first; the tab strip's own click then shows its settings.
void MainHandlers::ShowSettingsTab(int tab) {
  app_.form2().TabStrip1.selectTab(tab);
  ShowSettingsScreen();
}

// The EFIS port label and readouts: the EFIS data-file list while the EFIS
// plays a recorded file, otherwise the raw view on the EFIS port.
void MainHandlers::EFISCommPort_Click() {
  cameFromMain(app_);
  if (app_.form2().EFIS_FILE.value()) {
    app_.form15().show();
    app_.form1().hide();
    return;
  }
  app_.shell().rawView().watch(kEFIS);
  app_.form3().show();
  app_.form1().hide();
}

void MainHandlers::EMSCommPort_Click() {
  app_.shell().rawView().watch(kEMS);
  cameFromMain(app_);
  app_.form3().show();
  app_.form1().hide();
}

// The sentence screens of the position source; the two tests are separate,
// so with both sources set both screens open.
void MainHandlers::GPSCommPort_Click() {
  cameFromMain(app_);
  if (app_.GarminSource) {
    app_.form20().show();
    app_.form1().hide();
  }
  if (app_.NMEASource) {
    app_.form21().show();
    app_.form1().hide();
  }
}

// The settings screens ask for the configuration file to be written.
void MainHandlers::SaveConfig_Click() {
  app_.SaveConfigRequest = true;
  app_.config().LoadSaveFiles();
}

// The instrument screens open over the main window, which stays on view; each
// is set up with the current limits and units before it shows.
void MainHandlers::Command2_Click() {
  cameFromMain(app_);
  app_.instruments().setups().Update_Form8_data();
  app_.form8().show();
}

void MainHandlers::Command1_Click() {
  cameFromMain(app_);
  app_.instruments().setups().Update_Form9_data();
  app_.form9().show();
}

void MainHandlers::Command4_Click() {
  cameFromMain(app_);
  app_.shell().screenButtons().ShowEngineInstruments();
}

// The main window goes first; the engine data screen of the monitor type then
// takes its place.
void MainHandlers::Command3_Click() {
  app_.form1().hide();
  cameFromMain(app_);
  const settings::Form2& s = app_.form2();
  if (s.EMSGRANDRAPIDS.value() || s.EMSGR2000.value())
    app_.form5().show();
  else
    app_.form4().show();
}

void MainHandlers::wire(ScreenId id) {
  if (id != ScreenId::Form1) return;
  Form1& f = app_.form1();
  f.Command1.onClick = [this] { Command1_Click(); };
  f.Command2.onClick = [this] { Command2_Click(); };
  f.Command3.onClick = [this] { Command3_Click(); };
  f.Command4.onClick = [this] { Command4_Click(); };

  f.ConfigCommPorts.onClick = [this] { ShowSettingsScreen(); };
  f.RecorderFolderName.onClick = [this] { ShowSettingsScreen(); };
  f.EFISSettings.onClick = [this] { ShowSettingsTab(kTabEFIS); };
  f.EMSSettings.onClick = [this] { ShowSettingsTab(kTabEMS); };
  f.GPSSettings.onClick = [this] { ShowSettingsTab(kTabGPS); };
  for (platform::Label* l :
       {&f.SampleInterval, &f.MainInterval, &f.EFISInterval, &f.Label35, &f.Label38, &f.Label39})
    l->onClick = [this] { ShowSettingsTab(kTabSampleRate); };

  f.EFISCommPort.onClick = [this] { EFISCommPort_Click(); };
  f.EMSCommPort.onClick = [this] { EMSCommPort_Click(); };
  f.GPSCommPort.onClick = [this] { GPSCommPort_Click(); };
  // A readout opens the data of its device; a disabled readout takes no click.
  for (platform::Label* l : {&f.EFISHHMMSS, &f.DataAirspeed, &f.DataAltitude, &f.DataAOA, &f.DataLateralG,
                             &f.DataPitch, &f.DataRoll, &f.DataTurnRate, &f.DataVerticalG, &f.DataYaw})
    l->onClick = [this] { EFISCommPort_Click(); };
  for (platform::Label* l :
       {&f.DataLatitude, &f.DataLongitude, &f.GPSDataAirspeed, &f.GPSDataAltitude, &f.GPSDataHeading,
        &f.GPSDataHeadingMag, &f.GPSFixMode, &f.GPSSatsUsed, &f.GPSTime})
    l->onClick = [this] { GPSCommPort_Click(); };
}

}  // namespace shell
