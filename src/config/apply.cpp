// Applying the settings of the settings screen to the main window.

#include <array>

#include "app/app.h"
#include "config/config.h"
#include "config/config_file.h"
#include "screens/dynon_gauges.h"
#include "screens/screen_setups.h"
#include "screens/screens.h"
#include "settings/form2.h"
#include "shell/form1.h"

namespace config {

void Config::UpdateNow_Click() {
  shell::Form1& f1 = app_.form1();
  settings::Form2& f2 = app_.form2();

  // A link without a port shows no stale readouts. The test is exact:
  // "none" or "NONE " is a port name.
  if (f1.EFISCommPort.caption() == "NONE") {
    for (platform::Label* l : {&f1.EFISHHMMSS, &f1.DataPitch, &f1.DataRoll, &f1.DataYaw, &f1.DataAirspeed,
                               &f1.DataAltitude, &f1.DataPressureAltitude, &f1.DataVerticalSpeed,
                               &f1.DataTurnRate, &f1.DataLateralG, &f1.DataVerticalG, &f1.DataAOA})
      l->setCaption("");
  }
  if (f1.GPSCommPort.caption() == "NONE") {
    for (platform::Label* l :
         {&f1.GPSTime, &f1.DataLatitude, &f1.DataLongitude, &f1.GPSFixMode, &f1.GPSSatsUsed,
          &f1.GPSDataHeading, &f1.GPSDataHeadingMag, &f1.GPSDataAirspeed, &f1.GPSDataAltitude})
      l->setCaption("");
    f1.GPSTrackingLight.setFillColor(platform::color::Green);
  }

  // The recorder group: the start-stop button with the START-STOP method,
  // the folder otherwise.
  const bool startStop = f2.ShowStartStopButton.value();
  f1.RecorderFolderName.setVisible(!startStop);
  f1.Label2.setVisible(!startStop);
  f1.Label13.setCaption(startStop ? "Folder/File" : "File");
  f1.RecorderStartStopButton.setVisible(startStop);
  f1.Line5.setVisible(startStop);

  f1.FILE_OPS.setVisible(f2.EFIS_FILE.value());

  // The record clock. Real time records once per EFIS record and ticks at
  // 250 ms for the other devices, or once a second while F8 asks for it;
  // every fixed interval ends that one-second mode. With no interval chosen
  // the clock keeps what it had.
  struct Interval {
    platform::OptionButton& option;
    int ms;
    std::string_view caption;
  };
  if (f2.RealTime.value()) {
    f1.DisplayUpdateTimer.setInterval(app_.OneSecondSample ? 1000 : 250);
    f1.SampleInterval.setCaption(app_.OneSecondSample ? "1 SEC (F8)" : "REAL TIME (F8)");
  }
  for (const Interval& row : std::array<Interval, 5>{{
           {f2.IntervalHalfSecond, 250, "250 ms"},
           {f2.IntervalOneSecond, 1000, "1 Second"},
           {f2.IntervalFiveSecond, 5000, "5 Seconds"},
           {f2.IntervalTenSecond, 10000, "10 Seconds"},
           {f2.IntervalThirtySecond, 30000, "30 Seconds"},
       }}) {
    if (!row.option.value()) continue;
    f1.DisplayUpdateTimer.setInterval(row.ms);
    f1.SampleInterval.setCaption(row.caption);
    app_.OneSecondSample = false;
  }

  // The two EFIS display refresh rates; "Real Time" also refreshes on every
  // EFIS record, its timer runs at 75 ms like "75ms".
  for (int i = 0; i < 5; ++i) {
    if (!f2.EFISUpdateRate[i].value()) continue;
    f1.EFIS_DataDisplayTimer.setInterval(kRateIntervals[static_cast<std::size_t>(i)]);
    f1.MainInterval.setCaption(kRateCaptions[static_cast<std::size_t>(i)]);
  }
  for (int i = 0; i < 5; ++i) {
    if (!f2.MainUpdateRate[i].value()) continue;
    f1.EFIS_DisplayTimer.setInterval(kRateIntervals[static_cast<std::size_t>(i)]);
    f1.EFISInterval.setCaption(kRateCaptions[static_cast<std::size_t>(i)]);
  }

  app_.instruments().setups().Update_Form8_data();
  app_.instruments().setups().Update_Form4_data();
  app_.instruments().dynon().Update_Form10_data();
}

}  // namespace config
