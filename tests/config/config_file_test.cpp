// The configuration file: its exact bytes, the round trip through the loader,
// and what a failed save does.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "config/config_file.h"
#include "config_fixture.h"
#include "platform/files.h"
#include "support/faulty_files.h"

namespace configtest {
namespace {

using platform::ControlKind;

std::string golden() {
  return testsupport::readFile(std::string(TALBREN_TEST_DATA_DIR) + "/config/default.XML");
}

// Moves every setting that the file carries away from its built-in value;
// texts get values with "&", "<", ">" and a non-ASCII letter in them.
void changeEverything(App& app) {
  settings::Form2& f = app.form2();
  settings::form13& g = app.form13();
  for (platform::Control* c : f.controls()) {
    if (c->kind() == ControlKind::ComboBox)
      static_cast<platform::ComboBox*>(c)->setText("x" + c->objectName());
    if (c->kind() == ControlKind::TextBox)
      static_cast<platform::TextBox*>(c)->setText(c->objectName() + " & <é>");
  }
  for (platform::Control* c : g.controls()) {
    if (c->kind() == ControlKind::ComboBox)
      static_cast<platform::ComboBox*>(c)->setText("RED" + c->objectName());
    if (c->kind() == ControlKind::TextBox) static_cast<platform::TextBox*>(c)->setText("-" + c->objectName());
  }
  f.GPS_Sentance_Garmin.click();
  f.EMSGR2000.click();
  f.RecordContinously.click();
  f.IntervalTenSecond.click();
  f.UnitKiloMeters.click();
  f.StartupDisplayScreen[4].click();
  f.EFISUpdateRate[3].click();
  f.MainUpdateRate[1].click();
  f.RecordFileRawEFIS.setValue(1);
  f.RecordFileRawEMS.setValue(2);
  f.RecordFileRawGPS.setValue(1);
  g.EFIS_FilterDisplay.setValue(0);
  for (int i = 0; i <= 5; ++i) g.DisplayCylinders[i].setValue(i % 2 == 0 ? 0 : 2);
  g.FilterDisplay.setValue(2);
  g.ModeCInstalled.setValue(1);
}

TEST_F(ConfigTest, ApplyWithNoFileWritesTheDefaultFile) {
  startUp();
  f1().ComputerTime.setCaption("1423:05");
  f2().SaveConfig.click();

  const std::string bytes = fileBytes();
  EXPECT_EQ(bytes, golden());
  const auto lines = linesOf(bytes);
  ASSERT_EQ(lines.size(), 172u);
  for (const auto& l : lines) EXPECT_EQ(l.find("<no CR LF>"), std::string::npos) << l;
  EXPECT_EQ(lines[5], "      <EFIS_PORT_NAME>NONE</EFIS_PORT_NAME>");
  EXPECT_EQ(lines[46], "      <DIRECTORY>C:\\RAZERI VAREROZE</DIRECTORY>");
  EXPECT_EQ(lines[56], "      <RECORD_UNITS_KNOTS>True</RECORD_UNITS_KNOTS>");
  EXPECT_EQ(lines[133], "      <ENGINE_DISPLAY_CYL_1>1</ENGINE_DISPLAY_CYL_1>");
  EXPECT_FALSE(app->SaveConfigRequest);
}

TEST_F(ConfigTest, TwoSavesDifferOnlyInTheClockLine) {
  startUp();
  f1().ComputerTime.setCaption("0959:59");
  save();
  const std::string first = fileBytes();
  load();
  f1().ComputerTime.setCaption("1000:00");
  save();
  const std::string second = fileBytes();

  const auto a = linesOf(first), b = linesOf(second);
  ASSERT_EQ(a.size(), 172u);
  ASSERT_EQ(b.size(), 172u);
  EXPECT_EQ(a[3], "   <LOCALTIME>0959:59</LOCALTIME>");
  EXPECT_EQ(b[3], "   <LOCALTIME>1000:00</LOCALTIME>");
  for (std::size_t i = 0; i < a.size(); ++i)
    if (i != 3) {
      EXPECT_EQ(a[i], b[i]) << "line " << i + 1;
    }
}

TEST_F(ConfigTest, EveryChangedSettingSurvivesARestart) {
  startUp();
  changeEverything(*app);
  f1().ComputerTime.setCaption("0800:00");
  save();
  const std::string before = fileBytes();
  // Texts are written exactly: no escaping of "&", "<", ">".
  EXPECT_EQ(lineOf(before, 47), "      <DIRECTORY>DataFolder & <é></DIRECTORY>");
  EXPECT_EQ(lineOf(before, 15), "      <EFIS_MAIN_UPDATE>500 ms</EFIS_MAIN_UPDATE>");
  EXPECT_EQ(lineOf(before, 27), "      <EMS_COMM_CAPTURE>2</EMS_COMM_CAPTURE>");
  EXPECT_EQ(lineOf(before, 48), "      <SHOW_RECORD_BUTTON>False</SHOW_RECORD_BUTTON>");

  restart();
  startUp();
  f1().ComputerTime.setCaption("0900:00");
  save();
  const std::string after = fileBytes();

  const auto a = linesOf(before), b = linesOf(after);
  ASSERT_EQ(b.size(), 172u);
  for (std::size_t i = 0; i < a.size(); ++i)
    if (i != 3) {
      EXPECT_EQ(a[i], b[i]) << "line " << i + 1;
    }
  // The loaded settings took effect through their own handlers.
  EXPECT_TRUE(app->GarminSource.isTrue());
  EXPECT_TRUE(app->RecorderOn.isTrue());
  EXPECT_EQ(f1().DisplayUpdateTimer.interval(), 10000);
  EXPECT_EQ(f1().EFISCommPort.caption(), "xEFIS_CommPort");
}

TEST_F(ConfigTest, PlaybackChoicesAreWrittenButNeverLoaded) {
  startUp();
  f2().EFIS_FILE.click();
  f2().EMS_FILE.click();
  f2().EFIS_DataFileName.setToolTip("/data/TBRC_EFIS_101908_12.DAT");
  save();
  EXPECT_EQ(lineOf(fileBytes(), 12), "      <EFIS_READ_COMM>False</EFIS_READ_COMM>");
  EXPECT_EQ(lineOf(fileBytes(), 13), "      <EFIS_READ_FILE>True</EFIS_READ_FILE>");
  EXPECT_EQ(lineOf(fileBytes(), 14),
            "      <EFIS_READ_DATA_FILE_NAME>/data/TBRC_EFIS_101908_12.DAT</EFIS_READ_DATA_FILE_NAME>");

  // A reload goes back to the live ports, whatever the file says.
  load();
  EXPECT_TRUE(f2().EFIS_COMM.value());
  EXPECT_FALSE(f2().EFIS_FILE.value());
  EXPECT_TRUE(f2().EMS_COMM.value());
  EXPECT_TRUE(f2().GPS_COMM.value());
  restart();
  load();
  EXPECT_EQ(f2().EFIS_DataFileName.toolTip(), "");
}

// A file edited by hand: every line below is read by the loader's own rules.
TEST_F(ConfigTest, HandEditedFileLoadsByTheReadingRules) {
  startUp();
  // Settings made before the reload; those the file cannot convert keep them.
  f2().RecordFileRawGPS.setValue(1);
  f2().RecordFileRawEMS.setValue(1);
  f2().EMS_FILE.click();
  f2().RealTime.click();
  writeConfig(
      "<?xml version=\"1.0\" standalone=\"no\"?>\r\n"
      " <CONFIGURATION>\r\n"
      "      <efis_port_speed>9600</efis_port_speed>\r\n"  // letter case counts: ignored
      "      <EFIS_PORT_PARITY>EVEN</EFIS_PORT_PARITY><EFIS_PORT_DATA_LENGTH>7</EFIS_PORT_DATA_LENGTH>\r\n"
      "      <NO_SUCH_ELEMENT>5</NO_SUCH_ELEMENT>\r\n"
      "      <EFIS_MAIN_UPDATE>250ms</EFIS_MAIN_UPDATE>\r\n"  // no blank: no rate
      "      <EFIS_INSTRUMENT_UPDATE>250 ms</EFIS_INSTRUMENT_UPDATE>\r\n"
      "      <EFIS_COMM_CAPTURE>1.5</EFIS_COMM_CAPTURE>\r\n"       // rounds half to even: 2
      "      <GPS_COMM_CAPTURE>abc</GPS_COMM_CAPTURE>\r\n"         // no number: unchanged
      "      <EMS_COMM_CAPTURE>0.5</EMS_COMM_CAPTURE>\r\n"         // 0, and EMS back to its port
      "      <ENGINE_DISPLAY_CYL_2>3</ENGINE_DISPLAY_CYL_2>\r\n"   // not a state: unchanged
      "      <ENGINE_FILTER_DISPLAY></ENGINE_FILTER_DISPLAY>\r\n"  // empty check: unchanged
      "      <GPS_FORMAT_GARMIN></GPS_FORMAT_GARMIN>\r\n"          // empty option: unchanged
      "      <RECORD_TIME_REAL>maybe</RECORD_TIME_REAL>\r\n"       // no Boolean: unchanged
      "      <EMS_PORT_SPEED></EMS_PORT_SPEED>\r\n"                // empty text
      "<GPS_PORT_NAME>COM3</WRONG_NAME>\r\n"                       // closing name and indent play no part
      "      <AOA_MAX>4<0>0</AOA_MAX>\r\n"
      "      <AOA_MIN>1</2</AOA_MIN>\r\n"  // cut before "</"
      "      <RECORD_UNITS_MILES>true</RECORD_UNITS_MILES>\r\n"
      "      <STARTUP_GPS_INSTRUMENTS>-1</STARTUP_GPS_INSTRUMENTS>\r\n"
      "      <EMS_DYNON>0</EMS_DYNON>\r\n"                  // clears this one only
      "      <EFIS_PORT_SPEED>4800</EFIS_PORT_SPEED>\n"     // a lone LF ends a line too
      "      <EFIS_PORT_SPEED>19200</EFIS_PORT_SPEED>\r\n"  // the later line wins
      "      <SHOW_RECORD_BUTTON>False</SHOW_RECORD_BUTTON>\r\n"
      " </CONFIGURATION>\r\n");
  load();
  EXPECT_TRUE(app->RecorderOn.isTrue());
  EXPECT_FALSE(f2().ShowStartStopButton.value());
  EXPECT_FALSE(f2().RecordContinously.value());
  EXPECT_EQ(f1().EFISSettings.caption(), "19200,e,8,1");

  app->config().UpdateNow_Click();
  f1().ComputerTime.setCaption("1200:00");
  save();
  const std::string b = fileBytes();
  const std::vector<std::pair<int, std::string>> expected{
      {7, "      <EFIS_PORT_SPEED>19200</EFIS_PORT_SPEED>"},
      {8, "      <EFIS_PORT_PARITY>EVEN</EFIS_PORT_PARITY>"},
      {9, "      <EFIS_PORT_DATA_LENGTH>8</EFIS_PORT_DATA_LENGTH>"},
      {15, "      <EFIS_MAIN_UPDATE>REAL TIME</EFIS_MAIN_UPDATE>"},
      {16, "      <EFIS_INSTRUMENT_UPDATE>250 ms</EFIS_INSTRUMENT_UPDATE>"},
      {17, "      <EFIS_COMM_CAPTURE>2</EFIS_COMM_CAPTURE>"},
      {19, "      <EMS_PORT_SPEED></EMS_PORT_SPEED>"},
      {24, "      <EMS_READ_COMM>True</EMS_READ_COMM>"},
      {27, "      <EMS_COMM_CAPTURE>0</EMS_COMM_CAPTURE>"},
      {28, "      <GPS_PORT_NAME>COM3</GPS_PORT_NAME>"},
      {37, "      <GPS_COMM_CAPTURE>1</GPS_COMM_CAPTURE>"},
      {39, "      <GPS_FORMAT_GARMIN>False</GPS_FORMAT_GARMIN>"},
      {42, "      <EMS_DYNON>False</EMS_DYNON>"},
      {43, "      <EMS_GRAND_RAPIDS>False</EMS_GRAND_RAPIDS>"},
      {44, "      <EMS_GR_2000>False</EMS_GR_2000>"},
      {48, "      <SHOW_RECORD_BUTTON>False</SHOW_RECORD_BUTTON>"},
      {49, "      <RECORD_TIME_REAL>True</RECORD_TIME_REAL>"},
      {57, "      <RECORD_UNITS_KNOTS>False</RECORD_UNITS_KNOTS>"},
      {58, "      <RECORD_UNITS_MILES>True</RECORD_UNITS_MILES>"},
      {76, "      <AOA_MAX>4<0>0</AOA_MAX>"},
      {79, "      <AOA_MIN>1</AOA_MIN>"},
      {135, "      <ENGINE_DISPLAY_CYL_2>1</ENGINE_DISPLAY_CYL_2>"},
      {140, "      <ENGINE_FILTER_DISPLAY>1</ENGINE_FILTER_DISPLAY>"},
      {144, "      <STARTUP_MAIN>False</STARTUP_MAIN>"},
      {148, "      <STARTUP_GPS_INSTRUMENTS>True</STARTUP_GPS_INSTRUMENTS>"},
  };
  for (const auto& [n, line] : expected)
    EXPECT_EQ(lineOf(b, static_cast<std::size_t>(n)), line) << "line " << n;
}

TEST_F(ConfigTest, TextIsReadAsUtf8OrElseAsLatin1) {
  startUp();
  writeConfig("      <DIRECTORY>D:\\Fl\xc3\xbcge</DIRECTORY>\r\n");
  load();
  EXPECT_EQ(f2().DataFolder.text(), "D:\\Fl\xc3\xbcge");
  // The same folder written by a program that kept one byte per letter.
  writeConfig("      <DIRECTORY>D:\\Fl\xfcge</DIRECTORY>\r\n");
  load();
  EXPECT_EQ(f2().DataFolder.text(), "D:\\Fl\xc3\xbcge");
}

TEST_F(ConfigTest, NoFileChangesNoSettingButTheMainWindowTakesThePorts) {
  startUp();
  f2().EFIS_PortSpeed.setText("9600");
  f2().EFIS_CommPort.setText("COM4");
  f2().EFIS_PortOK.setBackColor(platform::color::Pink);
  f2().DataFolder.setText("D:\\LOGS");
  load();
  EXPECT_EQ(f2().EFIS_PortSpeed.text(), "9600");
  EXPECT_EQ(f2().DataFolder.text(), "D:\\LOGS");
  EXPECT_EQ(f1().EFISCommPort.caption(), "COM4");
  EXPECT_EQ(f1().EFISSettings.caption(), "9600,n,8,1");
  EXPECT_EQ(f1().GPSSettings.caption(), "115200,n,8,1");
  EXPECT_EQ(f2().EFIS_PortOK.backColor(), platform::color::ButtonFace);
  EXPECT_FALSE(app->LoadConfigRequest);
  EXPECT_FALSE(app->RecorderOn.isTrue());
}

TEST_F(ConfigTest, BothRequestsSaveFirstThenLoadTheFileJustWritten) {
  startUp();
  f2().GPS_PortSpeed.setText("4800");
  app->SaveConfigRequest = true;
  app->LoadConfigRequest = true;
  app->config().LoadSaveFiles();
  EXPECT_EQ(lineOf(fileBytes(), 29), "      <GPS_PORT_SPEED>4800</GPS_PORT_SPEED>");
  EXPECT_EQ(f1().GPSSettings.caption(), "4800,n,8,1");
  EXPECT_FALSE(app->SaveConfigRequest);
  EXPECT_FALSE(app->LoadConfigRequest);
}

TEST(SaveErrorMessage, TextOfTheFileErrorOrTheNumber) {
  struct Case {
    int number;
    std::string first;
  };
  for (const Case& c : std::vector<Case>{{75, "Path/File access error"},
                                         {70, "Permission denied"},
                                         {76, "Path not found"},
                                         {61, "Disk full"},
                                         {56, "Error Number at Load/Save Files56"},
                                         {51, "Error Number at Load/Save Files51"}})
    EXPECT_EQ(config::saveErrorMessage(c.number, "/p/TalbrenRuvoveZaviZaredido.XML"),
              c.first + "\r\nParameter File Name = /p/TalbrenRuvoveZaviZaredido.XML\r\n");
}

TEST_F(ConfigTest, AFolderInThePlaceOfTheFileGivesOneMessageAndLosesNothing) {
  startUp();
  std::filesystem::create_directory(path());
  testsupport::writeFile(path() + "/keep.txt", "kept");
  f2().DataFolder.setText("D:\\EDITED");
  f1().EFISCommPort.setCaption("COM9");
  // A second save while the box is open (events run under it) shows no
  // second box.
  platform.messages.whileOpen = [this] {
    platform.messages.whileOpen = nullptr;
    save();
  };
  platform.messages.expect(1);
  app->SaveConfigRequest = true;
  app->LoadConfigRequest = true;
  app->config().LoadSaveFiles();

  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown[0].text,
            "Path/File access error\r\nParameter File Name = " + path() + "\r\n");
  EXPECT_EQ(platform.messages.shown[0].buttons, platform::msg::OkOnly);
  EXPECT_EQ(platform.messages.beeps, 2);
  EXPECT_FALSE(app->SaveConfigRequest);
  EXPECT_FALSE(app->LoadConfigRequest);
  // No load followed, the settings and the folder are as they were.
  EXPECT_EQ(f1().EFISCommPort.caption(), "COM9");
  EXPECT_EQ(f2().DataFolder.text(), "D:\\EDITED");
  EXPECT_EQ(testsupport::readFile(path() + "/keep.txt"), "kept");
  // Nothing else was left in the program folder.
  std::vector<std::string> entries;
  for (const auto& e : std::filesystem::directory_iterator(programDir.path()))
    entries.push_back(e.path().string());
  EXPECT_EQ(entries, std::vector<std::string>{path()});
}

TEST_F(ConfigTest, AMissingProgramFolderIsNotCreated) {
  const std::string missing = programDir.file("gone");
  ::setenv("TALBREN_PROGRAM_DIR", missing.c_str(), 1);
  platform.messages.expect(1);
  save();
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown[0].text,
            "Path not found\r\nParameter File Name = " + missing + "/TalbrenRuvoveZaviZaredido.XML\r\n");
  EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(ConfigTest, AReadOnlyFileKeepsItsContents) {
  writeConfig("old\r\n");
  testsupport::ReadOnlyFile readOnly(path());
  if (!readOnly.ok()) GTEST_SKIP() << "cannot make a file read-only here";
  platform.messages.expect(1);
  save();
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown[0].text, "Permission denied\r\nParameter File Name = " + path() + "\r\n");
  EXPECT_EQ(fileBytes(), "old\r\n");
}

// The program is killed at random moments while it saves a large file over
// and over: the file is always one whole earlier save, never a part of one.
TEST_F(ConfigTest, KilledDuringASaveNeverLeavesATruncatedFile) {
  startUp();
  f1().ComputerTime.setCaption("1200:00");
  const std::string big(2'000'000, 'A');
  f2().DataFolder.setText(big);
  save();
  const std::string a = fileBytes();
  f2().DataFolder.setText(std::string(2'000'000, 'B'));
  save();
  const std::string b = fileBytes();
  ASSERT_EQ(linesOf(a).size(), 172u);

  for (int round = 0; round < 12; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) {
        f2().DataFolder.setText(std::string(2'000'000, i % 2 ? 'A' : 'B'));
        app->SaveConfigRequest = true;
        app->config().LoadSaveFiles();
      }
    }
    ::usleep(static_cast<useconds_t>(3000 + round * 2500));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    const std::string now = fileBytes();
    EXPECT_TRUE(now == a || now == b) << "round " << round << ": " << now.size() << " bytes";
  }
}

}  // namespace
}  // namespace configtest

namespace configtest {
namespace {

// The program folder takes no new file, the configuration file may be
// written: the save writes it in place. Whenever that write is cut short
// (after any of its writes, or after the cut to length) the file still loads:
// every element comes back with its old or its new value, apart from the one
// line the interruption tore. Temporary files that killed saves left are gone.
TEST_F(ConfigTest, InPlaceSaveInterruptedAnywhereLeavesAFileThatLoads) {
  startUp();
  f1().ComputerTime.setCaption("1200:00");
  f2().DataFolder.setText("C:\\OLD");
  save();
  const std::string oldText = fileBytes();
  f2().DataFolder.setText("D:\\a folder with a much longer name than before");
  f2().EFIS_CommPort.setText("COM12");
  f13().ModeCCorrection[17].setText("-250");
  const std::string newText = config::configurationText(*app);
  ASSERT_NE(newText, oldText);

  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  const std::string leftover = path() + ".tmp-" + std::to_string(gone);
  testsupport::writeFile(leftover, "<?xml");

  std::vector<std::string> states;
  {
    testsupport::FaultyFiles faults;
    faults.refuseNew = ".tmp-";
    faults.chunk = 512;
    faults.afterStep = [&] { states.push_back(fileBytes()); };
    save();
  }
  EXPECT_TRUE(platform.messages.shown.empty());
  EXPECT_EQ(fileBytes(), newText);
  EXPECT_FALSE(std::filesystem::exists(leftover));
  ASSERT_GT(states.size(), 2u);

  const auto oldLines = linesOf(oldText), newLines = linesOf(newText);
  for (std::size_t s = 0; s < states.size(); ++s) {
    SCOPED_TRACE("interrupted after step " + std::to_string(s + 1));
    ASSERT_FALSE(states[s].empty());
    writeConfig(states[s]);
    restart();
    startUp();
    f1().ComputerTime.setCaption("1200:00");
    const auto loaded = linesOf(config::configurationText(*app));
    ASSERT_EQ(loaded.size(), newLines.size());
    int neither = 0;
    for (std::size_t i = 0; i < loaded.size(); ++i)
      if (loaded[i] != oldLines[i] && loaded[i] != newLines[i]) ++neither;
    EXPECT_LE(neither, 1);
  }
}

}  // namespace
}  // namespace configtest
