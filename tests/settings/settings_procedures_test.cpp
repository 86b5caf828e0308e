// The settings screen's procedures that a configuration load and the apply
// rely on: the tab refresh, the source controls, the recording method, the
// GPS position source, the recorder folder hand-over and CANCEL.

#include <gtest/gtest.h>

#include <set>

#include "config/config_fixture.h"
#include "recorder/form6.h"
#include "screens/form4.h"
#include "settings/form2_tabs.h"

namespace configtest {
namespace {

using SettingsTest = ConfigTest;

TEST_F(SettingsTest, EachTabShowsItsOwnFrames) {
  settings::Form2& f = f2();
  const std::vector<platform::Frame*> all{&f.EFIS_PortFrame, &f.EMS_PortFrame,     &f.EMS_TypeFrame,
                                          &f.GPS_PortFrame,  &f.GPS_Sentance_Type, &f.RecorderOptionsFrame,
                                          &f.TimeFrame,      &f.UnitsFrame,        &f.StartupFrame,
                                          &f.MainScreenRate, &f.EFISScreenRate};
  const auto& shows = settingstest::form2TabFrames();
  // The screen opens on tab 1, so it comes last, after a real change.
  for (int tab : {2, 3, 4, 5, 6, 7, 8, 1}) {
    f.TabStrip1.selectTab(tab);
    std::set<std::string> visible;
    for (platform::Frame* fr : all)
      if (fr->visible()) visible.insert(fr->name());
    EXPECT_EQ(visible, shows[static_cast<std::size_t>(tab - 1)]) << f.TabStrip1.tabCaption(tab);
  }
  EXPECT_TRUE(f.CancelButton.visible());
  EXPECT_TRUE(f.TabStrip1.visible());
}

TEST_F(SettingsTest, SourceChoiceEnablesPortOrFileControls) {
  settings::Form2& f = f2();
  f.EMS_FILE.click();
  EXPECT_FALSE(f.EMS_CommPort.enabled());
  EXPECT_FALSE(f.EMS_PortOK.enabled());
  EXPECT_FALSE(f.EMS_LabelStopBits.enabled());
  EXPECT_TRUE(f.EMS_ConvertFile.enabled());
  EXPECT_TRUE(f.EMS_FILE_FRAME.enabled());
  EXPECT_TRUE(f.EMS_ShowDataButton.enabled());
  EXPECT_TRUE(f.RecordFileRawEMS.enabled());
  EXPECT_TRUE(app->form4().FILE_OPS.visible());
  EXPECT_TRUE(f.EFIS_CommPort.enabled());
  EXPECT_FALSE(f.EFIS_ConvertFile.enabled());

  f.EMS_COMM.click();
  EXPECT_TRUE(f.EMS_CommPort.enabled());
  EXPECT_FALSE(f.EMS_LabelRecords.enabled());
  EXPECT_FALSE(app->form4().FILE_OPS.visible());
}

TEST_F(SettingsTest, CaptureMarkersLimitsAndFolderFollowTheScreen) {
  settings::Form2& f = f2();
  f.SaveEMSCaptureFileSize.setText("25");
  f.SaveEFISCaptureFileSize.setText("abc");
  f.DataFolder.setText("D:\\FLIGHTS");
  f.RecordFileRawEFIS.setValue(1);
  f.RecordFileRawGPS.setValue(2);  // greyed counts as unchecked
  EXPECT_TRUE(f1().EFISRecording.visible());
  EXPECT_FALSE(f1().GPSRecording.visible());
  EXPECT_FALSE(f1().EMSRecording.visible());
  EXPECT_EQ(app->form6().SaveEMSCaptureFileSize.caption(), "25");
  EXPECT_EQ(app->form6().SaveGPSCaptureFileSize.caption(), "25");
  EXPECT_EQ(app->form6().SaveEFISCaptureFileSize.caption(), "abc");
  EXPECT_EQ(f1().RecorderFolderName.caption(), "D:\\FLIGHTS");
}

TEST_F(SettingsTest, RecordingMethodStartsAndStopsRecording) {
  app->NewFilePending = false;
  f2().RecordContinously.click();
  EXPECT_TRUE(app->RecorderOn.isTrue());
  EXPECT_TRUE(app->NewFilePending.isTrue());
  EXPECT_FALSE(f2().ShowStartStopButton.value());

  f1().RecorderStartStopButton.setCaption("RECORDING");
  app->NewFilePending = false;
  f2().ShowStartStopButton.click();
  EXPECT_FALSE(app->RecorderOn.isTrue());
  EXPECT_TRUE(app->NewFilePending.isTrue());
  EXPECT_FALSE(f2().RecordContinously.value());
  EXPECT_EQ(f1().RecorderStartStopButton.caption(), "PRESS (F1) TO START");
  EXPECT_EQ(f1().RecorderStartStopButton.backColor(), platform::color::Pink);
}

TEST_F(SettingsTest, PositionSourceSwitchBlanksTheGpsReadouts) {
  for (platform::Label* l : {&f1().GPSTime, &f1().GPSDataAirspeed, &f1().GPSFixMode, &f1().DataLatitude})
    l->setCaption("x");
  app->GPSSpeedText = "120 KNOTS";
  app->GPSYear = "08";
  f2().GPS_Sentance_Garmin.click();
  EXPECT_TRUE(app->GarminSource.isTrue());
  EXPECT_FALSE(app->NMEASource.isTrue());
  EXPECT_EQ(f1().GPSSelected.caption(), "Garmin");
  for (platform::Label* l : {&f1().GPSTime, &f1().GPSDataAirspeed, &f1().GPSFixMode, &f1().DataLatitude})
    EXPECT_EQ(l->caption(), "") << l->name();
  EXPECT_EQ(app->GPSSpeedText, "");
  EXPECT_EQ(app->GPSYear, "");

  f2().GPS_Sentance_NMEA.click();
  EXPECT_TRUE(app->NMEASource.isTrue());
  EXPECT_EQ(f1().GPSSelected.caption(), "GPS");
}

TEST_F(SettingsTest, OptionClicksApplyAtOnce) {
  f2().IntervalFiveSecond.click();
  EXPECT_EQ(f1().DisplayUpdateTimer.interval(), 5000);
  f2().EFISUpdateRate[3].click();
  EXPECT_EQ(f1().MainInterval.caption(), "500 ms");
  f2().MainUpdateRate[2].click();
  EXPECT_EQ(f1().EFISInterval.caption(), "250 ms");
  // Back to real time also leaves the one-second mode.
  app->OneSecondSample = true;
  f2().RealTime.click();
  EXPECT_FALSE(app->OneSecondSample.isTrue());
  EXPECT_EQ(f1().DisplayUpdateTimer.interval(), 250);
  f2().UnitMiles.click();
  f1().SampleInterval.setCaption("");
  f2().UnitsMeter.click();
  EXPECT_EQ(f1().SampleInterval.caption(), "REAL TIME (F8)");
}

// At start-up the configured folder reaches the main window before the
// box is filled back from it, so it survives.
TEST_F(SettingsTest, TheConfiguredFolderReachesTheMainWindow) {
  writeConfig("      <DIRECTORY>D:\\LOGBOOK</DIRECTORY>\r\n");
  startUp();
  EXPECT_EQ(f1().RecorderFolderName.caption(), "D:\\LOGBOOK");
  EXPECT_EQ(f2().DataFolder.text(), "D:\\LOGBOOK");
}

// A loaded choice takes effect through the handler its selection sets off.
TEST_F(SettingsTest, ALoadRunsTheHandlersOfWhatItSelects) {
  writeConfig(
      "      <GPS_FORMAT_GARMIN>True</GPS_FORMAT_GARMIN>\r\n"
      "      <RECORD_TIME_30>True</RECORD_TIME_30>\r\n"
      "      <EFIS_COMM_CAPTURE>1</EFIS_COMM_CAPTURE>\r\n"
      "      <EMS_GRAND_RAPIDS>True</EMS_GRAND_RAPIDS>\r\n");
  load();
  EXPECT_TRUE(app->GarminSource.isTrue());
  EXPECT_EQ(f1().GPSSelected.caption(), "Garmin");
  EXPECT_EQ(f1().DisplayUpdateTimer.interval(), 30000);
  EXPECT_EQ(f1().SampleInterval.caption(), "30 Seconds");
  EXPECT_TRUE(f1().EFISRecording.visible());
  EXPECT_FALSE(f2().EMSDYNON.value());
}

TEST_F(SettingsTest, CancelRestoresTheSavedSettings) {
  startUp();
  f2().DataFolder.setText("D:\\SAVED");
  f2().UnitMiles.click();
  f2().SaveConfig.click();  // APPLY

  // Edits on several tabs, a pending port change, and recording running
  // under the START-STOP method.
  f2().DataFolder.setText("D:\\UNSAVED");
  f2().SaveEFISCaptureFileSize.setText("99");
  f2().UnitsMeter.click();
  f2().IntervalOneSecond.click();
  f2().EFIS_PortSpeed.setText("9600");
  f2().EFIS_PortOK.setBackColor(platform::color::Pink);
  f2().EMS_FILE.click();
  f2().TabStrip1.selectTab(5);
  app->RecorderOn = true;
  f2().CancelButton.click();

  EXPECT_EQ(f2().DataFolder.text(), "D:\\SAVED");
  EXPECT_EQ(f1().RecorderFolderName.caption(), "D:\\SAVED");
  EXPECT_EQ(f2().SaveEFISCaptureFileSize.text(), "1");
  EXPECT_EQ(app->form6().SaveEFISCaptureFileSize.caption(), "1");
  EXPECT_TRUE(f2().UnitMiles.value());
  EXPECT_TRUE(f2().RealTime.value());
  EXPECT_EQ(f1().DisplayUpdateTimer.interval(), 250);
  EXPECT_EQ(f2().EFIS_PortSpeed.text(), "115200");
  EXPECT_EQ(f2().EFIS_PortOK.backColor(), platform::color::ButtonFace);
  EXPECT_TRUE(f2().EMS_COMM.value());
  EXPECT_TRUE(f2().EMS_CommPort.enabled());
  EXPECT_EQ(f2().TabStrip1.selectedTab(), 5);
  EXPECT_FALSE(app->RecorderOn.isTrue());
  EXPECT_TRUE(app->ConvertAbort.isTrue());
}

}  // namespace
}  // namespace configtest
