// Readout enabling on the main window and the known start state of the
// engine data screens and the raw port-data view.

#include "shell/main_handlers.h"

#include <initializer_list>

#include "app/app.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "shell/raw_view.h"
#include "shell/shell.h"

namespace shell {

namespace {

constexpr std::string_view kNoPort = "NONE";

void enable(std::initializer_list<platform::Label*> labels, bool on) {
  for (platform::Label* l : labels) l->setEnabled(on);
}

}  // namespace

// The EFIS and GPS readouts are clickable only for sources that can deliver
// data; the SET button only while the GPS reports a fix (the fix light is
// tested first, so a light left green from an earlier fix still counts).
void MainHandlers::Enable_DisableButtons() {
  Form1& f = app_.form1();
  const bool efis = f.EFISCommPort.caption() != kNoPort || app_.form2().EFIS_FILE.value();
  enable({&f.EFISHHMMSS, &f.DataAirspeed, &f.DataAltitude, &f.DataPitch, &f.DataRoll, &f.DataYaw,
          &f.DataLateralG, &f.DataVerticalG, &f.DataTurnRate, &f.DataAOA},
         efis);

  bool setTime = false;
  bool gps = false;
  if (f.GPSTrackingLight.fillColor() == platform::color::BrightGreen) {
    setTime = true;
    gps = true;
  } else if (f.GPSCommPort.caption() != kNoPort) {
    gps = true;
  }
  f.SetTime.setEnabled(setTime);
  enable({&f.GPSTime, &f.DataLatitude, &f.DataLongitude, &f.GPSFixMode, &f.GPSSatsUsed, &f.GPSDataAirspeed,
          &f.GPSDataAltitude, &f.GPSDataHeadingMag, &f.GPSDataHeading},
         gps);
}

// Blanks the engine data screens' values (the counters HobbsTime and TachTime
// and the frame kind HeaderType keep theirs), hides the EFIS player, marks
// every instrument screen stale so the first restoring second puts it into its
// normal colours, and resets the raw port-data view.
void MainHandlers::InitScreens() {
  screens::Form4& d = app_.form4();
  for (platform::Label* l :
       {&d.EMSTime,     &d.EMSRPM,       &d.EMSManPres,       &d.EMSOilTemp,       &d.EMSOilPres,
        &d.EMSVoltage,  &d.EMSAmps,      &d.EMSEGT1,          &d.EMSEGT2,          &d.EMSEGT3,
        &d.EMSEGT4,     &d.EMSEGT5,      &d.EMSEGT6,          &d.EMSCHT1,          &d.EMSCHT2,
        &d.EMSCHT3,     &d.EMSCHT4,      &d.EMSCHT5,          &d.EMSCHT6,          &d.EMSFuelPressure,
        &d.EMSFuelFlow, &d.EMSQuantity1, &d.EMSQuantity2,     &d.EMSFuelRemaining, &d.EMSGP1,
        &d.EMSGP2,      &d.EMSGP3,       &d.EMSGPThermocouple})
    l->setCaption("");
  screens::Form5& g = app_.form5();
  for (platform::Label* l :
       {&g.GRTime,         &g.GRHourMeter, &g.GROilTemp,       &g.GROilPres,  &g.GRCarbTemp,
        &g.GRCoolantTemp,  &g.GRRPM1,      &g.GRVoltage,       &g.GREGT1,     &g.GREGT2,
        &g.GREGT3,         &g.GREGT4,      &g.GREGT5,          &g.GREGT6,     &g.GRCHT1,
        &g.GRCHT2,         &g.GRCHT3,      &g.GRCHT4,          &g.GRCHT5,     &g.GRCHT6,
        &g.GRFuelQuantity, &g.GRFuelFlow,  &g.GRTimeRemaining, &g.GRAirspeed, &g.GRAltitude,
        &g.GRRPM2,         &g.GRROC,       &g.GRBaroSetting,   &g.GROAT,      &g.GRUnitTemperature,
        &g.GRAux1,         &g.GRAux2,      &g.GRAux3,          &g.GRAux4,     &g.GRAux5,
        &g.GRAux6})
    l->setCaption("");

  app_.form1().FILE_OPS.setVisible(false);
  app_.StaleMarked[kStaleEFIS] = true;
  app_.StaleMarked[kStaleEMS] = true;
  app_.StaleMarked[kStaleGPS] = true;

  app_.shell().rawView().endWatch();
}

}  // namespace shell
