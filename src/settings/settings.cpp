#include "settings/settings.h"

#include <array>
#include <string_view>

#include "app/app.h"
#include "config/config.h"
#include "devices/devices.h"
#include "devices/serial_links.h"
#include "recorder/form6.h"
#include "screens/dynon_gauges.h"
#include "screens/form4.h"
#include "screens/gr_gauges.h"
#include "screens/screen_setups.h"
#include "screens/screens.h"
#include "settings/form2.h"
#include "settings/instrument_limits.h"
#include "shell/form1.h"
#include "shell/shell.h"

namespace settings {

namespace {

// The controls of one link that follow its data source: those that serve the
// live port, and those that serve a playback file.
struct SourceGroup {
  platform::OptionButton& comm;
  std::array<platform::Control*, 14> port;
  std::array<platform::Control*, 7> file;
};

void enableGroup(const SourceGroup& g) {
  const bool live = g.comm.value();
  for (platform::Control* c : g.port) c->setEnabled(live);
  for (platform::Control* c : g.file) c->setEnabled(!live);
}

}  // namespace

Settings::Settings(App& app) : app_(app), limits_(std::make_unique<InstrumentLimits>(app)) {}
Settings::~Settings() = default;

void Settings::wire(ScreenId id) {
  if (id == ScreenId::form13) limits_->wire();
  if (id != ScreenId::Form2) return;
  Form2& f = app_.form2();
  f.TabStrip1.onClick = [this] { TabStrip1_Click(); };
  f.InstrumentSettingButton.onClick = [this] { InstrumentSettingButton_Click(); };
  f.CancelButton.onClick = [this] { CancelButton_Click(); };
  f.SaveConfig.onClick = [this] { SaveConfig_Click(); };
  f.Command1.onClick = [this] { Command1_Click(); };
  f.Command2.onClick = [this] { Command2_Click(); };
  f.DataFolder.onClick = [this] { DataFolder_Click(); };

  wirePortLists();
  f.EFIS_PortOK.onClick = [this] { EFIS_PortOK_Click(); };
  f.EMS_PortOK.onClick = [this] { EMS_PortOK_Click(); };
  f.GPS_PortOK.onClick = [this] { GPS_PortOK_Click(); };

  f.EFIS_ShowDataButton.onClick = [this] { EFIS_ShowDataButton_Click(); };
  f.EMS_ShowDataButton.onClick = [this] { EMS_ShowDataButton_Click(); };
  f.GPS_ShowDataButton.onClick = [this] { GPS_ShowDataButton_Click(); };
  f.EFIS_ShowDataScreen.onClick = [this] { EFIS_ShowDataScreen_Click(); };
  f.EMS_ShowDataScreen.onClick = [this] { EMS_ShowDataScreen_Click(); };
  f.GPS_ShowDataScreen.onClick = [this] { GPS_ShowDataScreen_Click(); };
  f.EFIS_ShowFileButton.onClick = [this] { EFIS_ShowFileButton_Click(); };
  f.EMS_ShowFileButton.onClick = [this] { EMS_ShowFileButton_Click(); };

  f.GPS_Sentance_NMEA.onClick = [this] { SelectGPSToUse(); };
  f.GPS_Sentance_Garmin.onClick = [this] { SelectGPSToUse(); };
  f.ShowStartStopButton.onClick = [this] { ShowStartStopButton_Click(); };
  f.RecordContinously.onClick = [this] { ShowStartStopButton_Click(); };
  for (platform::Control* c : std::initializer_list<platform::Control*>{
           &f.EFIS_COMM, &f.EFIS_FILE, &f.EMS_COMM, &f.EMS_FILE, &f.GPS_COMM, &f.GPS_FILE,
           &f.RecordFileRawEFIS, &f.RecordFileRawEMS, &f.RecordFileRawGPS})
    c->onClick = [this] { EnableSourceControls(); };
  f.EMSDYNON.onClick = [this] { EMSDYNON_Click(); };

  // A new record interval, refresh rate or unit takes effect at once.
  f.RealTime.onClick = [this] { RealTime_Click(); };
  auto apply = [this] { app_.config().UpdateNow_Click(); };
  for (platform::Control* c : std::initializer_list<platform::Control*>{
           &f.IntervalHalfSecond, &f.IntervalOneSecond, &f.IntervalFiveSecond, &f.IntervalTenSecond,
           &f.IntervalThirtySecond, &f.UnitsKnots, &f.UnitMiles, &f.UnitKiloMeters, &f.UnitsMeter})
    c->onClick = apply;
  for (auto& o : f.EFISUpdateRate) o.onClick = apply;
  for (auto& o : f.MainUpdateRate) o.onClick = apply;
}

void Settings::TabStrip1_Click() {
  Form2& f = app_.form2();
  // The eleven frames the tabs switch, in the order they are set.
  const std::array<platform::Frame*, 11> frames{
      &f.EFIS_PortFrame,    &f.EMS_PortFrame,        &f.EMS_TypeFrame, &f.GPS_PortFrame,
      &f.GPS_Sentance_Type, &f.RecorderOptionsFrame, &f.TimeFrame,     &f.UnitsFrame,
      &f.StartupFrame,      &f.MainScreenRate,       &f.EFISScreenRate};
  struct Tab {
    std::string_view caption;
    std::array<platform::Frame*, 3> shows;
  };
  const std::array<Tab, 8> tabs{{
      {"EFIS COM", {&f.EFIS_PortFrame}},
      {"EMS COM", {&f.EMS_PortFrame, &f.EMS_TypeFrame}},
      {"GPS COM", {&f.GPS_PortFrame, &f.GPS_Sentance_Type}},
      {"ADC COM", {}},
      {"RECORD OPTIONS", {&f.RecorderOptionsFrame}},
      {"SAMPLE RATE", {&f.TimeFrame, &f.MainScreenRate, &f.EFISScreenRate}},
      {"STARTUP SCREEN", {&f.StartupFrame}},
      {"UNITS", {&f.UnitsFrame}},
  }};
  const int selected = f.TabStrip1.selectedTab();
  if (selected >= 1 && selected <= f.TabStrip1.tabCount()) {
    const std::string& caption = f.TabStrip1.tabCaption(selected);
    for (const Tab& tab : tabs) {
      if (tab.caption != caption) continue;
      for (platform::Frame* frame : frames) {
        bool shown = false;
        for (platform::Frame* s : tab.shows) shown = shown || s == frame;
        frame->setVisible(shown);
      }
      break;
    }
  }

  SelectGPSToUse();
  EnableSourceControls();

  app_.instruments().setups().Update_Form8_data();
  app_.instruments().setups().Update_Form9_data();
  app_.instruments().dynon().Update_Form10_data();
  app_.instruments().grandRapids().Update_Form11_data();
  app_.yieldToEvents();
}

void Settings::LoadDataFolder() {
  // The tab refresh first copies the folder box to the main window, so the
  // configured folder survives the copy back.
  TabStrip1_Click();
  app_.form2().DataFolder.setText(app_.form1().RecorderFolderName.caption());
  app_.yieldToEvents();
}

void Settings::SelectGPSToUse() {
  Form2& f = app_.form2();
  shell::Form1& main = app_.form1();
  const bool garmin = f.GPS_Sentance_Garmin.value();
  main.GPSSelected.setCaption(garmin ? "Garmin" : "GPS");
  app_.GarminSource = garmin;
  app_.NMEASource = !garmin;
  // Nothing of the previous source stays shown, recorded or used for the clock.
  for (platform::Label* l :
       {&main.GPSTime, &main.GPSDataAirspeed, &main.GPSDataAltitude, &main.GPSDataHeadingMag,
        &main.GPSDataHeading, &main.GPSFixMode, &main.GPSSatsUsed, &main.DataLatitude, &main.DataLongitude})
    l->setCaption("");
  for (std::string* s : {&app_.GPSSpeedText, &app_.GPSAltitudeText, &app_.GPSHour, &app_.GPSMinute,
                         &app_.GPSSecond, &app_.GPSDay, &app_.GPSMonth, &app_.GPSYear})
    s->clear();
}

void Settings::Update_Form2_data() {
  EnableSourceControls();
}

void Settings::EnableSourceControls() {
  Form2& f = app_.form2();
  const SourceGroup ems{
      f.EMS_COMM,
      {&f.EMS_COMM_FRAME, &f.EMS_CommPort, &f.EMS_PortSpeed, &f.EMS_PortParity, &f.EMS_PortFlow,
       &f.EMS_PortOK, &f.EMS_PortDataBits, &f.EMS_PortStopBits, &f.EMS_LabelPort, &f.EMS_LabelSpeed,
       &f.EMS_LabelParity, &f.EMS_LabelFlow, &f.EMS_LabelDatatBits, &f.EMS_LabelStopBits},
      {&f.EMS_FILE_FRAME, &f.EMS_DataFileName, &f.EMS_ProgressBar, &f.EMS_RecordCount, &f.EMS_ConvertFile,
       &f.EMS_LabelDataFile, &f.EMS_LabelRecords}};
  enableGroup(ems);
  // The engine screen's player shows while the engine data come from a file.
  app_.form4().FILE_OPS.setVisible(!f.EMS_COMM.value());

  enableGroup(
      {f.EFIS_COMM,
       {&f.EFIS_COMM_FRAME, &f.EFIS_CommPort, &f.EFIS_PortSpeed, &f.EFIS_PortParity, &f.EFIS_PortFlow,
        &f.EFIS_PortOK, &f.EFIS_PortDataBits, &f.EFIS_PortStopBits, &f.EFIS_LabelPort, &f.EFIS_LabelSpeed,
        &f.EFIS_LabelParity, &f.EFIS_LabelFlow, &f.EFIS_LabelDatatBits, &f.EFIS_LabelStopBits},
       {&f.EFIS_FILE_FRAME, &f.EFIS_DataFileName, &f.EFIS_ProgressBar, &f.EFIS_RecordCount,
        &f.EFIS_ConvertFile, &f.EFIS_LabelDataFile, &f.EFIS_LabelRecords}});
  enableGroup({f.GPS_COMM,
               {&f.GPS_COMM_FRAME, &f.GPS_CommPort, &f.GPS_PortSpeed, &f.GPS_PortParity, &f.GPS_PortFlow,
                &f.GPS_PortOK, &f.GPS_PortDataBits, &f.GPS_PortStopBits, &f.GPS_LabelPort, &f.GPS_LabelSpeed,
                &f.GPS_LabelParity, &f.GPS_LabelFlow, &f.GPS_LabelDatatBits, &f.GPS_LabelStopBits},
               {&f.GPS_FILE_FRAME, &f.GPS_DataFileName, &f.GPS_ProgressBar, &f.GPS_RecordCount,
                &f.GPS_ConvertFile, &f.GPS_LabelDataFile, &f.GPS_LabelRecords}});

  // One box holds the engine and GPS capture limit.
  recorder::Form6& files = app_.form6();
  files.SaveExcelDataFileSize.setCaption(f.SaveExcelDataFileSize.text());
  files.SaveEMSCaptureFileSize.setCaption(f.SaveEMSCaptureFileSize.text());
  files.SaveGPSCaptureFileSize.setCaption(f.SaveEMSCaptureFileSize.text());
  files.SaveEFISCaptureFileSize.setCaption(f.SaveEFISCaptureFileSize.text());

  // Capture markers count only a checked box, never a greyed one.
  shell::Form1& main = app_.form1();
  main.EFISRecording.setVisible(f.RecordFileRawEFIS.value() == 1);
  main.EMSRecording.setVisible(f.RecordFileRawEMS.value() == 1);
  main.GPSRecording.setVisible(f.RecordFileRawGPS.value() == 1);

  main.RecorderFolderName.setCaption(f.DataFolder.text());
}

void Settings::ShowStartStopButton_Click() {
  Form2& f = app_.form2();
  if (!f.ShowStartStopButton.value()) {
    // Continuous recording: a new section of the record file starts with the
    // next record.
    app_.RecorderOn = true;
    app_.NewFilePending = true;
    f.RecordContinously.setValue(true);
  } else {
    app_.RecorderOn = false;
    app_.NewFilePending = true;
    shell::Form1& main = app_.form1();
    main.RecorderStartStopButton.setCaption("PRESS (F1) TO START");
    main.RecorderStartStopButton.setBackColor(platform::color::Pink);
    f.RecordContinously.setValue(false);
  }
}

void Settings::EMSDYNON_Click() {
  Update_Form2_data();
  // While a Grand Rapids type was chosen the watchdog may have put a frame
  // header in the engine link's delimiter; Dynon lines end with a carriage
  // return, and without it they would pile up unread. The link stays open.
  const auto& link = app_.devices().links().MSPort3;
  if (link && link->PortOpen()) link->setReadDelimiter("\r");
}

void Settings::RealTime_Click() {
  // Back to real time also leaves the one-second mode of F8.
  app_.OneSecondSample = false;
  app_.config().UpdateNow_Click();
}

}  // namespace settings
