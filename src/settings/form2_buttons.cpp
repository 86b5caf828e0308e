// The settings screen's buttons: INSTRUMENTS, CANCEL, APPLY and RETURN below
// the tabs, FILE MAINTENANCE and a click in the recorder folder box. Edits are
// live in the controls as they are made; these decide what else happens:
// CANCEL reloads the file, APPLY saves it, RETURN applies, saves and goes home.

#include "app/app.h"
#include "config/config.h"
#include "recorder/form6.h"
#include "settings/form13.h"
#include "settings/form2.h"
#include "settings/instrument_limits.h"
#include "settings/settings.h"
#include "shell/form1.h"
#include "shell/main_handlers.h"
#include "shell/shell.h"

namespace settings {

// The instrument limits screen opens on its selected tab, freshly applied.
void Settings::InstrumentSettingButton_Click() {
  limits().TabStrip1_Click();
  app_.form2().hide();
  app_.form13().show();
}

// The open links keep the settings they were opened with: only an ACCEPT or
// the next start changes them.
void Settings::CancelButton_Click() {
  // A click that a running export takes at one of its pauses stops it before
  // its next row; the reload and the rest follow once it has ended.
  if (platform::EventHold& hold = app_.scheduler().hold(); hold.active()) {
    app_.ConvertAbort = true;
    hold.stopWith([this] { CancelButton_Click(); });
    return;
  }
  Form2& f = app_.form2();
  app_.LoadConfigRequest = true;
  app_.config().LoadSaveFiles();
  LoadDataFolder();
  app_.config().UpdateNow_Click();
  f.EFIS_PortOK.setBackColor(platform::color::ButtonFace);
  f.GPS_PortOK.setBackColor(platform::color::ButtonFace);
  f.EMS_PortOK.setBackColor(platform::color::ButtonFace);
  app_.ConvertAbort = true;
  f.DataFolder.setBackColor(platform::color::WindowBackground);
}

// Saves without applying: a setting whose click does not apply itself (the
// start-stop method) reaches the main window at RETURN, CANCEL or the next
// start.
void Settings::SaveConfig_Click() {
  TabStrip1_Click();
  app_.shell().mainHandlers().SaveConfig_Click();
  app_.form2().DataFolder.setBackColor(platform::color::WindowBackground);
}

// Always back to the main window, whichever screen opened this one. Port
// edits not yet accepted are saved with the rest and take effect at the next
// start; the ACCEPT marks stay.
void Settings::Command1_Click() {
  applyAndSave();
  Form2& f = app_.form2();
  f.DataFolder.setBackColor(platform::color::WindowBackground);
  app_.form1().show();
  f.hide();
}

// The file manager's own RETURN leads to the main window.
void Settings::Command2_Click() {
  app_.form6().show();
  app_.form2().hide();
}

// The box is edited by typing (it is reached with Tab); a click marks it and
// opens the file manager.
void Settings::DataFolder_Click() {
  app_.form2().DataFolder.setBackColor(platform::color::Pink);
  Command2_Click();
}

// Everything the main window takes from the settings reaches it, then the
// file is written.
void Settings::applyAndSave() {
  UpdatePortSettingDisplay();
  app_.config().UpdateNow_Click();
  app_.shell().mainHandlers().Enable_DisableButtons();
  app_.yieldToEvents();
  app_.shell().mainHandlers().SaveConfig_Click();
}

// With the Grand Rapids 2000 the button keeps the caption it has.
void Settings::UpdatePortSettingDisplay() {
  const Form2& f = app_.form2();
  platform::CommandButton& engine = app_.form1().Command3;
  if (f.EMSGRANDRAPIDS.value()) engine.setCaption("GRAND RAPIDS MONITOR");
  if (f.EMSDYNON.value()) engine.setCaption("DYNON EMS10 MONITOR");
}

}  // namespace settings
