// The 250 ms supervisor of the main window: the Mode C step, the playback
// follow-up, the recorder's lights, the clock and the record-file name, the
// stale-data flashing of the instrument screens, the tray icon, the GPS
// sentence lights and the link lights. It is the only code that raises the
// data-age counters; the decoders only lower them.

#include "shell/supervisor.h"

#include <initializer_list>

#include "app/app.h"
#include "devices/devices.h"
#include "devices/mode_c.h"
#include "platform/files.h"
#include "platform/gauges.h"
#include "recorder/recorder.h"
#include "screens/form10.h"
#include "screens/form11.h"
#include "screens/form20.h"
#include "screens/form21.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "screens/form8.h"
#include "screens/form9.h"
#include "settings/form13.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "shell/tray_menus.h"

namespace shell {

namespace {

namespace color = platform::color;
using platform::OleColor;

constexpr std::string_view kNoPort = "NONE";
constexpr std::int16_t kAgeMax = 10;
// A link is receiving while its age is at most this after the tick's raise.
constexpr std::int16_t kLinkFresh = 6;
// A screen is marked stale once its source's age passes this.
constexpr std::int16_t kStale = 9;

// Brings a counter back into 0..10; returns -1 when it was below, +1 when it
// was above, 0 when it was in range.
int clampAge(std::int16_t& age) {
  if (age > kAgeMax) {
    age = kAgeMax;
    return 1;
  }
  if (age < 0) {
    age = 0;
    return -1;
  }
  return 0;
}

template <class T>
void displayColor(std::initializer_list<T*> controls, OleColor c) {
  for (T* control : controls) control->setDisplayColor(c);
}

}  // namespace

void Supervisor::wire(ScreenId id) {
  if (id == ScreenId::Form1) app_.form1().Quartersecondtimer.onTick = [this] { Quartersecondtimer_Timer(); };
}

void Supervisor::Quartersecondtimer_Timer() {
  Form1& f = app_.form1();

  app_.devices().modeC().UpdateModeCGrayCode();
  playbackFollowUp();

  if (app_.RecorderOn) {
    platform::CommandButton& b = f.RecorderStartStopButton;
    b.setBackColor(b.backColor() == color::ActiveBorder ? color::MidGreen : color::ActiveBorder);
  }
  f.SetTime.setEnabled(f.GPSTrackingLight.fillColor() == color::BrightGreen);
  // The record writer turns it bright green after each record: one flash per
  // record written.
  f.RecorderBlinkLight.setBackColor(color::Green);

  const platform::DateTime now = app_.clock().now();
  const std::string clockText = platform::formatDateTime(now, kClockPattern);
  if (clockText != LastClockText) {
    LastClockText = clockText;
    newSecond(now, clockText);
  }

  linkLights();
}

// Each player's step runs when its slider stands somewhere it has not yet
// shown; the Grand Rapids engine player has no follow-up.
void Supervisor::playbackFollowUp() {
  settings::Form2& s = app_.form2();
  if (s.EFIS_FILE.value())
    efisSlider_.follow(app_.form1().DataPointerSlider, [this] { app_.recorder().UpdateEFISRecordedData(); });
  if (s.EMS_FILE.value() && s.EMSDYNON.value())
    emsSlider_.follow(app_.form4().DataPointerSlider, [this] { app_.recorder().UpdateEMSRecordedData(); });
}

// One record file per calendar day; its tool tip is the full path the
// recorder writes to.
void Supervisor::showRecordFileName(const platform::DateTime& now) {
  Form1& f = app_.form1();
  f.RecordFileName.setCaption("TBRC_" + platform::formatDateTime(now, "mmddyy") + ".TXT");
  f.RecordFileName.setToolTip(platform::joinPath(f.RecorderFolderName.caption(), f.RecordFileName.caption()));
}

void Supervisor::newSecond(const platform::DateTime& now, const std::string& clockText) {
  Form1& f = app_.form1();
  showRecordFileName(now);
  f.ComputerTime.setCaption(clockText);

  if (MarkPhase) {
    MarkPhase = false;
    markingPass();
  } else {
    MarkPhase = true;
    restoringPass();
    trayCountdown();
  }
  sentenceActivity();
}

// Marks the screens whose data have gone stale (and the EFIS screen's banner
// during playback or a terrain alert); the next restoring second undoes it.
void Supervisor::markingPass() {
  settings::Form2& s = app_.form2();
  Form1& f = app_.form1();

  if (s.EFIS_COMM.value() && app_.SourceDataAge[kEFIS] > kStale) {
    app_.StaleMarked[kStaleEFIS] = true;
    paintForm8(color::Red, color::Red);
  } else {
    app_.StaleMarked[kStaleEFIS] = false;
  }

  screens::Form8& efis = app_.form8();
  if (s.EFIS_FILE.value()) {
    efis.FilePlaybackMode.setCaption("FILE PLAYBACK MODE");
    efis.FilePlaybackMode.setBackColor(color::Orange);
    efis.FilePlaybackMode.setVisible(true);
    app_.StaleMarked[kStaleEFIS] = true;
  } else if (app_.TerrainAlert) {
    efis.FilePlaybackMode.setCaption("CHECK ALTITUDE");
    efis.FilePlaybackMode.setBackColor(color::Red);
    efis.FilePlaybackMode.setVisible(true);
    app_.StaleMarked[kStaleEFIS] = true;
  }

  // No fix counts as stale whatever the GPS source.
  if (app_.SourceDataAge[kGPS] > kStale || f.GPSTrackingLight.fillColor() == color::Red) {
    app_.StaleMarked[kStaleGPS] = true;
    paintForm9(color::Red, color::Red);
    app_.form9().GPSNoSignal.setVisible(true);
  } else {
    app_.StaleMarked[kStaleGPS] = false;
  }

  if (s.EMS_COMM.value() && app_.SourceDataAge[kEMS] > kStale) {
    app_.StaleMarked[kStaleEMS] = true;
    paintEngineScreens(color::Red, color::Red);
  } else {
    app_.StaleMarked[kStaleEMS] = false;
  }

  if (s.EMS_FILE.value()) {
    app_.form10().FilePlaybackMode.setVisible(true);
    app_.StaleMarked[kStaleEMS] = true;
  }
}

// Puts every marked screen back into its normal colours (fixed values: the
// colours before marking are not remembered).
void Supervisor::restoringPass() {
  if (app_.StaleMarked[kStaleEFIS]) {
    paintForm8(color::Aqua, color::LightAqua);
    app_.form8().FilePlaybackMode.setVisible(false);
    app_.StaleMarked[kStaleEFIS] = false;
  }
  if (app_.StaleMarked[kStaleGPS]) {
    paintForm9(color::Aqua, color::White);
    app_.form9().GPSNoSignal.setVisible(false);
    app_.StaleMarked[kStaleGPS] = false;
  }
  if (app_.StaleMarked[kStaleEMS]) {
    paintEngineScreens(color::Aqua, color::White);
    app_.form10().FilePlaybackMode.setVisible(false);
    app_.StaleMarked[kStaleEMS] = false;
  }
}

void Supervisor::paintForm8(OleColor labels, OleColor horizon) {
  screens::Form8& s = app_.form8();
  displayColor<platform::GaugeLabel>({&s.AirspeedLabel, &s.HeadingLabel, &s.AltitudeLabel}, labels);
  displayColor<platform::AnalogDisplay>({&s.VerticalGs_Label, &s.AOAGuage_Label, &s.VerticalSpeedGuage_Label},
                                        labels);
  s.Air1.setDisplayColor(horizon);
}

void Supervisor::paintForm9(OleColor labels, OleColor dials) {
  screens::Form9& s = app_.form9();
  displayColor<platform::AnalogDisplay>({&s.AirspeedLabel, &s.AltitudeLabel, &s.HeadingLabel}, labels);
  displayColor<platform::AviationDial>({&s.AirspeedGuage, &s.AltitudeGuage, &s.HeadingGuage}, dials);
}

void Supervisor::paintEngineScreens(OleColor labels, OleColor dials) {
  screens::Form10& d = app_.form10();
  screens::Form11& g = app_.form11();
  displayColor<platform::GaugeLabel>(
      {&d.iLabelX1, &d.iLabelX2, &d.iLabelX3, &d.iLabelX4, &d.iLabelX7, &d.iLabelX8, &d.iLabelX10,
       &d.iLabelX11, &d.OilTempLabel, &d.OilPresLabel, &d.VoltageLabel, &d.AmpsLabel, &d.FuelQtyLeftLabel,
       &d.FuelQtyRightLabel, &d.FuelPresLabel, &d.FuelFlowLabel},
      labels);
  displayColor<platform::AnalogDisplay>({&d.ManifoldPressureLabel, &d.TachLabel}, labels);
  displayColor<platform::GaugeLabel>(
      {&g.iLabelX2, &g.iLabelX3, &g.iLabelX4, &g.iLabelX7, &g.iLabelX8, &g.iLabelX10, &g.iLabelX11,
       &g.OilPresLabel, &g.OilTempLabel, &g.VoltageLabel, &g.FuelQtyLabel, &g.FuelFlowLabel, &g.AirspeedLabel,
       &g.AltitudeLabel, &g.VertLabel, &g.VerticalSpeedLabel},
      labels);
  g.TachLabel.setDisplayColor(labels);
  displayColor<platform::AviationDial>({&g.AirspeedGuage, &g.AltitudeGuage}, dials);
  // Cylinders 1 to 6 on both screens, the Dynon screen first at each index.
  for (int i = 0; i <= 5; ++i) {
    d.CHTLabel[i].setDisplayColor(labels);
    g.CHTLabel[i].setDisplayColor(labels);
    d.EGTLabel[i].setDisplayColor(labels);
    g.EGTLabel[i].setDisplayColor(labels);
  }
  for (int i = 6; i <= 11; ++i) d.CHTLabel[i].setDisplayColor(labels);
  for (int i : {7, 8}) g.CHTLabel[i].setDisplayColor(labels);
}

// Counts down on restoring seconds only; at 1 the icon goes into the tray,
// which happens once per run (the count never comes back up).
void Supervisor::trayCountdown() {
  changeAge(app_.TrayTipCountdown, -1);
  if (app_.TrayTipCountdown < 0) app_.TrayTipCountdown = 0;
  if (app_.TrayTipCountdown == 1) {
    app_.tray().add(TrayMenus::kTrayTip, app_.form1().icon());
    app_.yieldToEvents();
  }
}

// Ages every GPS sentence counter by one a second. A light turns active only
// once its sentence has come in faster than the counter ages (two per arrival)
// long enough to drive it below zero, and idle after eleven seconds or more
// without one.
void Supervisor::sentenceActivity() {
  screens::form20& garmin = app_.form20();
  screens::form21& nmea = app_.form21();
  struct Row {
    SentenceIndex counter;
    platform::Shape& light;
  };
  const Row rows[] = {
      {kPGRMF, garmin.ComOK_PGRMP}, {kPGRMH, garmin.ComOK_PGRMH}, {kPGRMB, garmin.ComOK_PGRMB},
      {kPGRMM, garmin.ComOK_PGRMM}, {kPGRMV, garmin.ComOK_PGRMV}, {kPGRMZ, garmin.ComOK_PGRMZ},
      {kPGRME, garmin.ComOK_PGRME}, {kGPGGA, nmea.ComOK_GPGGA},   {kGPRMC, nmea.ComOK_GPRMC},
      {kGPVTG, nmea.ComOK_GPVTG},   {kGPGSV, nmea.ComOK_GPGSV},   {kGPBOD, nmea.ComOK_GPBOD},
  };
  for (std::int16_t& age : app_.SentenceDataAge) changeAge(age, 1);
  for (const Row& r : rows) {
    const int side = clampAge(app_.SentenceDataAge[r.counter]);
    if (side > 0) {
      r.light.setFillColor(color::Green);
      // No $PGRMH for a while: its terrain alert is over. No $GPVTG: its
      // magnetic heading is no longer known.
      if (r.counter == kPGRMH) app_.TerrainAlert = false;
      if (r.counter == kGPVTG) app_.form1().GPSDataHeadingMag.setCaption("");
    } else if (side < 0) {
      r.light.setFillColor(color::BrightGreen);
    }
  }
}

// Raises the three link ages, colours the link lights and their copies by the
// raised values, then brings the ages back into 0..10. A link without a port
// shows dark green, not red, however old its data.
void Supervisor::linkLights() {
  Form1& f = app_.form1();
  for (std::size_t link : {kGPS, kEFIS, kEMS}) changeAge(app_.SourceDataAge[link], 1);

  auto lost = [](const platform::Label& port) {
    return port.caption() != kNoPort ? color::Red : color::Green;
  };

  const OleColor ems = app_.SourceDataAge[kEMS] <= kLinkFresh ? color::BrightGreen : lost(f.EMSCommPort);
  f.EMSCommOK.setBackColor(ems);
  app_.form5().GRValidHeader.setBackColor(ems);
  app_.form2().EMS_CommOK.setBackColor(f.EMSCommOK.backColor());
  app_.form4().EMS_CommOK.setBackColor(f.EMSCommOK.backColor());

  if (app_.SourceDataAge[kEFIS] <= kLinkFresh) {
    f.EFISCommOK.setBackColor(color::BrightGreen);
  } else if (f.EFISCommPort.caption() != kNoPort) {
    // No EFIS data on an assigned port: no Mode C code either.
    f.EFISCommOK.setBackColor(color::Red);
    f.ModeCValid.setBackColor(color::Red);
    app_.form13().ModeCValid.setBackColor(color::Red);
  } else {
    f.EFISCommOK.setBackColor(color::Green);
  }
  app_.form2().EFIS_CommOK.setBackColor(f.EFISCommOK.backColor());

  f.GPSCommOK.setBackColor(app_.SourceDataAge[kGPS] <= kLinkFresh ? color::BrightGreen : lost(f.GPSCommPort));
  app_.form2().GPS_CommOK.setBackColor(f.GPSCommOK.backColor());

  for (std::size_t link : {kEFIS, kEMS, kGPS}) clampAge(app_.SourceDataAge[link]);
}

}  // namespace shell
