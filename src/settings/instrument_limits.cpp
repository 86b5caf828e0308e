#include "settings/instrument_limits.h"

#include <array>
#include <initializer_list>
#include <string_view>

#include "app/app.h"
#include "config/config.h"
#include "screens/dynon_gauges.h"
#include "screens/gr_gauges.h"
#include "screens/screen_setups.h"
#include "screens/screens.h"
#include "settings/form13.h"
#include "settings/form2.h"
#include "shell/main_handlers.h"
#include "shell/shell.h"

namespace settings {

InstrumentLimits::InstrumentLimits(App& app) : app_(app) {}

void InstrumentLimits::wire() {
  form13& f = app_.form13();
  f.TabStrip1.onClick = [this] { TabStrip1_Click(); };
  f.ApplyConfigButton.onClick = [this] { ApplyConfigButton_Click(); };
  f.CancelButton.onClick = [this] { CancelButton_Click(); };
  f.COMMSettingButton.onClick = [this] { COMMSettingButton_Click(); };
  f.ReturnButton.onClick = [this] { ReturnButton_Click(); };
}

void InstrumentLimits::TabStrip1_Click() {
  form13& f = app_.form13();
  struct Tab {
    std::string_view caption;
    platform::Frame& shows;
  };
  const std::array<Tab, 4> tabs{{
      {"EFIS / AIRSPEED", f.AirspeedMarkingFrame},
      {"ENGINE MARKING", f.EngineMarkingFrame},
      {"GPS", f.GPS_Frame},
      {"MODE C", f.ModeCFrame},
  }};
  const int selected = f.TabStrip1.selectedTab();
  if (selected >= 1 && selected <= f.TabStrip1.tabCount()) {
    const std::string& caption = f.TabStrip1.tabCaption(selected);
    for (const Tab& tab : tabs) {
      if (tab.caption != caption) continue;
      for (const Tab& other : tabs) other.shows.setVisible(&other.shows == &tab.shows);
      break;
    }
  }

  // Every screen takes the limits as they stand now, whatever the boxes hold.
  screens::Screens& screens = app_.instruments();
  screens.setups().Update_Form4_data();
  Update_form13_data();
  screens.setups().Update_Form8_data();
  screens.setups().Update_Form9_data();
  screens.dynon().Update_Form10_data();
  screens.grandRapids().Update_Form11_data();
}

void InstrumentLimits::Update_form13_data() {
  form13& f = app_.form13();
  const Form2& s = app_.form2();
  // A Grand Rapids monitor has one fuel quantity and no manifold pressure,
  // ammeter or fuel pressure: those rows are hidden (and still saved), and
  // the left fuel row becomes its quantity.
  auto dynonRows = [&f](bool shown) {
    for (platform::Control* c :
         std::initializer_list<platform::Control*>{&f.Label5[0],          &f.ManPresMax,
                                                   &f.ManPresHighRed,     &f.ManPresHighYellow,
                                                   &f.ManPresMin,         &f.Label5[4],
                                                   &f.AmpsScaleMax,       &f.AmpsHighRed,
                                                   &f.AmpsHighYellow,     &f.AmpsLowYellow,
                                                   &f.AmpsLowRed,         &f.Label5[5],
                                                   &f.FuelPresMax,        &f.FuelPresHighRed,
                                                   &f.FuelPresHighYellow, &f.FuelPresLowYellow,
                                                   &f.FuelPresLowRed,     &f.Label5[8],
                                                   &f.FuelRightMax,       &f.FuelRightYellow,
                                                   &f.FuelRightRed,       &f.Line1})
      c->setVisible(shown);
    f.Label5[7].setCaption(shown ? "Fuel Left" : "Quantity");
  };
  // Three separate tests: with no type chosen (a load can leave none)
  // nothing changes.
  if (s.EMSDYNON.value()) dynonRows(true);
  if (s.EMSGR2000.value()) dynonRows(false);
  if (s.EMSGRANDRAPIDS.value()) dynonRows(false);
}

void InstrumentLimits::ApplyConfigButton_Click() {
  TabStrip1_Click();
  app_.shell().mainHandlers().SaveConfig_Click();
}

// The screens keep what the last tab click gave them until the next one.
void InstrumentLimits::CancelButton_Click() {
  app_.LoadConfigRequest = true;
  app_.config().LoadSaveFiles();
}

// Nothing is saved or applied on the way back.
void InstrumentLimits::COMMSettingButton_Click() {
  app_.form13().hide();
  app_.form2().show();
}

// RETURN leads where COMM  RECORDER does, whatever its tool tip says.
void InstrumentLimits::ReturnButton_Click() {
  COMMSettingButton_Click();
}

}  // namespace settings
