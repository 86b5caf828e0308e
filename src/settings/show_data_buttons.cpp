// The buttons that leave the settings screen to look at one link's data: its
// live port data ("SHOW COMM"), the screen of its decoded values
// (" SHOW  DATA") and the record list of its loaded playback file
// (" SHOW  FILE"). Most mark the settings screen as the screen to come back
// to; the GPS ones keep the marks the main window set.

#include <string_view>

#include "app/app.h"
#include "config/config.h"
#include "recorder/form15.h"
#include "recorder/form7.h"
#include "screens/form20.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "settings/form2.h"
#include "settings/settings.h"
#include "shell/form1.h"
#include "shell/form3.h"
#include "shell/main_handlers.h"
#include "shell/navigation.h"
#include "shell/raw_view.h"
#include "shell/shell.h"

namespace settings {

namespace {

// Marks the settings screen as the screen the opened one returns to.
void cameFromSettings(App& app) {
  app.shell().navigation().ClearCameFrom();
  app.CameFromForm[idx(ScreenId::Form2)] = true;
}

// The raw port-data view on one link, unfrozen and empty; its RETURN brings
// the settings screen back.
void showRawView(App& app, std::string_view caption, std::size_t link) {
  cameFromSettings(app);
  shell::Form3& view = app.form3();
  view.Frame1.setCaption(caption);
  app.shell().rawView().ClearScreen();
  view.FreezeButton.setBackColor(platform::color::ButtonFace);
  app.RawViewFrozen = false;
  app.RawViewEFIS = link == kEFIS;
  app.RawViewGPS = false;
  app.RawViewEMS = link == kEMS;
  view.show();
  app.form2().hide();
}

// The record list of a loaded playback file, captioned with the file's name
// (empty before a file is loaded); its RETURN brings the settings screen back.
void showFileList(App& app, platform::Screen& list, std::string_view prefix,
                  const platform::Label& fileName) {
  cameFromSettings(app);
  list.show();
  app.form2().hide();
  list.setCaption(std::string(prefix) + fileName.caption());
}

}  // namespace

void Settings::EFIS_ShowDataButton_Click() {
  showRawView(app_, "EFIS COMM PORT DATA", kEFIS);
}

void Settings::EMS_ShowDataButton_Click() {
  showRawView(app_, "EMS COMM PORT DATA", kEMS);
}

// The sentence screen of the position source, as the main window's GPS port
// label opens it: the main window is marked, and this screen stays on view.
void Settings::GPS_ShowDataButton_Click() {
  app_.shell().mainHandlers().GPSCommPort_Click();
}

// The EFIS readouts are the main window's: the settings are applied and
// saved first, as RETURN does.
void Settings::EFIS_ShowDataScreen_Click() {
  applyAndSave();
  app_.form1().show();
  app_.form2().hide();
  cameFromSettings(app_);
}

// Nothing is applied or saved; the data screen's RETURN brings this screen
// back.
void Settings::EMS_ShowDataScreen_Click() {
  cameFromSettings(app_);
  const Form2& f = app_.form2();
  app_.form2().hide();
  if (f.EMSGRANDRAPIDS.value() || f.EMSGR2000.value())
    app_.form5().show();
  else
    app_.form4().show();
}

// The Garmin sentence screen whatever the source. The marks stay as they
// were, so its RETURN leads where the settings screen came from.
void Settings::GPS_ShowDataScreen_Click() {
  app_.form2().hide();
  app_.form20().show();
}

void Settings::EFIS_ShowFileButton_Click() {
  showFileList(app_, app_.form15(), "EFIS DATA FILE - ", app_.form2().EFIS_DataFileName);
}

void Settings::EMS_ShowFileButton_Click() {
  showFileList(app_, app_.form7(), "EMS DATA FILE - ", app_.form2().EMS_DataFileName);
}

}  // namespace settings
