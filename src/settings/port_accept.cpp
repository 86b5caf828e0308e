// The port settings of the three links: a choice from any of a link's six
// lists marks its ACCEPT as changed and nothing more (the link runs on with
// its old settings); ACCEPT saves the configuration, shows the port and the
// settings text on the main window and reopens the link with them.

#include <array>
#include <string>
#include <string_view>

#include "app/app.h"
#include "config/config.h"
#include "devices/devices.h"
#include "devices/serial_links.h"
#include "platform/numbers.h"
#include "settings/form2.h"
#include "settings/settings.h"
#include "shell/form1.h"
#include "shell/main_handlers.h"
#include "shell/shell.h"

namespace settings {

struct Settings::PortDevice {
  // Port, speed, parity, data bits, stop bits, flow.
  std::array<platform::ComboBox*, 6> lists;
  platform::CommandButton& accept;
  platform::Label& portLabel;
  platform::Label& settingsLabel;
  void (devices::SerialLinks::*opener)();
  // The message of a failure the handler traps, before the error number.
  std::string_view failure;
};

Settings::PortDevice Settings::portDevice(std::size_t link) {
  Form2& f = app_.form2();
  shell::Form1& main = app_.form1();
  switch (link) {
    case kEFIS:
      return {{&f.EFIS_CommPort, &f.EFIS_PortSpeed, &f.EFIS_PortParity, &f.EFIS_PortDataBits,
               &f.EFIS_PortStopBits, &f.EFIS_PortFlow},
              f.EFIS_PortOK,
              main.EFISCommPort,
              main.EFISSettings,
              &devices::SerialLinks::StartEFISPort,
              "(EFIS) Illegal Port or assignment "};
    case kEMS:
      return {{&f.EMS_CommPort, &f.EMS_PortSpeed, &f.EMS_PortParity, &f.EMS_PortDataBits, &f.EMS_PortStopBits,
               &f.EMS_PortFlow},
              f.EMS_PortOK,
              main.EMSCommPort,
              main.EMSSettings,
              &devices::SerialLinks::StartEMSPort,
              "(EMS) Illegal Port or assignment "};
    default:
      return {{&f.GPS_CommPort, &f.GPS_PortSpeed, &f.GPS_PortParity, &f.GPS_PortDataBits, &f.GPS_PortStopBits,
               &f.GPS_PortFlow},
              f.GPS_PortOK,
              main.GPSCommPort,
              main.GPSSettings,
              &devices::SerialLinks::StartGPSPort,
              "(GPS) Illegal Port or assignment "};
  }
}

// A choice from the list (its Click) marks the edit; typing into a list is a
// Change and marks nothing.
void Settings::wirePortLists() {
  for (std::size_t link : {kEFIS, kEMS, kGPS}) {
    const PortDevice d = portDevice(link);
    for (platform::ComboBox* list : d.lists)
      list->onClick = [&ok = d.accept] { ok.setBackColor(platform::color::Pink); };
  }
}

void Settings::EFIS_PortOK_Click() {
  accept(kEFIS);
}
void Settings::EMS_PortOK_Click() {
  accept(kEMS);
}
void Settings::GPS_PortOK_Click() {
  accept(kGPS);
}

// The whole file is written first, so a refused port stays in it until the
// next save; the opener reports a refusal itself. Unchanged settings are
// saved and the link reopened all the same.
void Settings::accept(std::size_t link) {
  const PortDevice d = portDevice(link);
  try {
    app_.shell().mainHandlers().SaveConfig_Click();
    d.portLabel.setCaption(d.lists[0]->text());
    d.settingsLabel.setCaption(
        config::settingsText(d.lists[1]->text(), d.lists[2]->text(), d.lists[3]->text(), d.lists[4]->text()));
    d.accept.setBackColor(platform::color::ButtonFace);
    (app_.devices().links().*d.opener)();
  } catch (const std::exception& e) {
    // Whatever else fails: say so with the error number, then throw the
    // unsaved edits away.
    const auto* run = dynamic_cast<const platform::RunError*>(&e);
    app_.messages().beep();
    app_.messages().show(std::string(d.failure) + platform::numberText(run ? run->number() : 51),
                         platform::msg::OkOnly);
    CancelButton_Click();
  }
}

}  // namespace settings
