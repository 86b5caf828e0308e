// The record file's lines column by column, the units word, the link fields,
// and what a failing write does.

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "recorder/recorder.h"
#include "recorder_fixture.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "support/faulty_files.h"

namespace recordertest {
namespace {

using Fields = std::vector<std::string>;

// A column: its title in the header and, for the label blocks, the caption a
// decoder left on its label, which the record copies unchanged.
template <class Screen>
struct Column {
  std::string title;
  platform::Label Screen::*label;
  std::string caption;
};

const std::vector<Column<shell::Form1>> kGPS{
    {"GPS TIME", &shell::Form1::GPSTime, "14:05:07"},
    {"GPS MAG", &shell::Form1::GPSDataHeadingMag, ""},  // no track sentence
    {"GPS TRUE", &shell::Form1::GPSDataHeading, "271"},
    {"GPS GND SPEED", &shell::Form1::GPSDataAirspeed, "105.3 KTS"},
    {"GPS ALTITUDE", &shell::Form1::GPSDataAltitude, "2,310 FT"},
    {"GPS LATITUDE", &shell::Form1::DataLatitude, "N 42 57.1234"},
    {"GPS LONGITUDE", &shell::Form1::DataLongitude, "W 085 40.5678"},
    {"GPS MODE", &shell::Form1::GPSFixMode, "3D Fix"},
    {"GPS SATS USED", &shell::Form1::GPSSatsUsed, "08"},
};

using screens::Form4;
const std::vector<Column<Form4>> kDynon{
    {"EMS TIME", &Form4::EMSTime, "01:02:03"},
    {"RPM", &Form4::EMSRPM, "2450"},
    {"MANIFOLD PRES", &Form4::EMSManPres, "24.1"},
    {"OIL TEMP", &Form4::EMSOilTemp, "190"},
    {"OIL PRES ", &Form4::EMSOilPres, "62"},
    {"VOLTS", &Form4::EMSVoltage, "13.8"},
    {"AMPS", &Form4::EMSAmps, "-1.5"},
    {"EGT 1", &Form4::EMSEGT1, "1301"},
    {"EGT 2", &Form4::EMSEGT2, "1302"},
    {"EGT 3", &Form4::EMSEGT3, "1303"},
    {"EGT 4", &Form4::EMSEGT4, "1304"},
    {"EGT 5", &Form4::EMSEGT5, "1305"},
    {"EGT 6", &Form4::EMSEGT6, "1306"},
    {"CHT 1", &Form4::EMSCHT1, "351"},
    {"CHT 2", &Form4::EMSCHT2, "352"},
    {"CHT 3", &Form4::EMSCHT3, "353"},
    {"CHT 4", &Form4::EMSCHT4, "354"},
    {"CHT 5", &Form4::EMSCHT5, "355"},
    {"CHT 6", &Form4::EMSCHT6, "356"},
    {"FUEL PRES", &Form4::EMSFuelPressure, "5.2"},
    {"FUEL FLOW", &Form4::EMSFuelFlow, "8.7"},
    {"QUANTITY 1", &Form4::EMSQuantity1, "12.5"},
    {"QUANTITY 2", &Form4::EMSQuantity2, "11"},
    {"FUEL REMAINING", &Form4::EMSFuelRemaining, "23.5"},
    {"GP 1", &Form4::EMSGP1, "OPEN"},
    {"GP 2", &Form4::EMSGP2, "CLOSED"},
    {"GP 3", &Form4::EMSGP3, ""},
    {"THERMOCOUPLE", &Form4::EMSGPThermocouple, "77"},
};

using screens::Form5;
const std::vector<Column<Form5>> kGrandRapids{
    {"HEADER", &Form5::HeaderType, "4000"},
    {"FLIGHT TIMER", &Form5::GRTime, "1:23"},
    {"HOUR METER", &Form5::GRHourMeter, "456.7"},
    {"OIL TEMP", &Form5::GROilTemp, "88"},
    {"OIL PRES", &Form5::GROilPres, "4.1"},
    {"CARB TEMP", &Form5::GRCarbTemp, "12"},
    {"COOLANT TEMP", &Form5::GRCoolantTemp, "80"},
    {"RPM1", &Form5::GRRPM1, "5100"},
    {"RPM2", &Form5::GRRPM2, "0"},
    {"VOLTS", &Form5::GRVoltage, "14.1"},
    {"EGT1", &Form5::GREGT1, "701"},
    {"EGT2", &Form5::GREGT2, "702"},
    {"EGT3", &Form5::GREGT3, "703"},
    {"EGT4", &Form5::GREGT4, "704"},
    {"EGT5", &Form5::GREGT5, "705"},
    {"EGT6", &Form5::GREGT6, "706"},
    {"CHT1", &Form5::GRCHT1, "181"},
    {"CHT2", &Form5::GRCHT2, "182"},
    {"CHT3", &Form5::GRCHT3, "183"},
    {"CHT4", &Form5::GRCHT4, "184"},
    {"CHT5", &Form5::GRCHT5, "185"},
    {"CHT6", &Form5::GRCHT6, "186"},
    {"FUEL", &Form5::GRFuelQuantity, "40"},
    {"FLOW", &Form5::GRFuelFlow, "18"},
    {"TIME REMAIN", &Form5::GRTimeRemaining, "2:13"},
    {"AIRSPEED", &Form5::GRAirspeed, "95"},
    {"ALTITUDE", &Form5::GRAltitude, "2,310"},
    {"ROC", &Form5::GRROC, "-200"},
    {"BARO", &Form5::GRBaroSetting, "29.92"},
    {"OAT", &Form5::GROAT, "15"},
    {"INT TEMP", &Form5::GRUnitTemperature, "30"},
    {"AUX1", &Form5::GRAux1, "1"},
    {"AUX2", &Form5::GRAux2, "2"},
    {"AUX3", &Form5::GRAux3, "3"},
    {"AUX4", &Form5::GRAux4, "4"},
    {"AUX5", &Form5::GRAux5, "5"},
    {"AUX6", &Form5::GRAux6, "6"},
};

const Fields kEFISTitles{"EFIS COMM",      "EFIS TIME",       "EFIS PITCH",    "EFIS ROLL",
                         "EFIS YAW",       "EFIS AIRSPEED",   "EFIS PRES ALT", "EFIS 2992 ALT",
                         "EFIS TURN RATE", "EFIS CLIMB RATE", "EFIS LAT G's",  "EFIS VERT G's",
                         "EFIS AOA"};

const std::string kNote =
    "Grand Rapids Monitor - There is no unit conversion for the Grand Rapids Monitor. The units recorded "
    "here are the same units that are displayed on the Grand Rapids display";

class RecordFile : public RecorderTest {
 protected:
  RecordFile() {
    // One record per write, so each step shows in the file at once.
    chooseInterval(f2().IntervalOneSecond, 0);
    f2().UnitsKnots.setValue(true);
  }

  template <class Screen>
  static void fill(Screen& s, const std::vector<Column<Screen>>& columns) {
    for (const auto& c : columns) (s.*c.label).setCaption(c.caption);
  }
  template <class Screen>
  static void add(Fields& header, Fields& record, std::string comm, std::string link,
                  const std::vector<Column<Screen>>& columns) {
    header.push_back(std::move(comm));
    record.push_back(std::move(link));
    for (const auto& c : columns) {
      header.push_back(c.title);
      record.push_back(c.caption);
    }
  }

  // EFIS values and the texts their record fields show.
  Fields efisValues() {
    app->EFISHour = 9;
    app->EFISMinute = 5;
    app->EFISSecond = 3;
    app->EFISSecondCount = 2;
    app->EFISPitch = -2.25f;  // half away from zero
    app->EFISRoll = 0.04f;
    app->EFISHeading = 7;  // three digits
    app->EFISAirspeed = 105.46f;
    app->EFISAltitude = 1234.56f;
    app->EFISPressureAltitude = -120;
    app->EFISTurnRate = -0.04f;  // no "-0.0"
    app->EFISVerticalSpeed = 500;
    app->EFISLateralG = 0.12f;
    app->EFISVerticalG = 1;
    app->EFISAOA = 12;
    return {"0905:03.02", "-2.3", "0.0",   "007", "105.5", "1234.6",
            "-120.0",     "0.0",  "500.0", "0.1", "1.0",   "12"};
  }

  void fillAll() {
    fill(f1(), kGPS);
    fill(app->form4(), kDynon);
    fill(app->form5(), kGrandRapids);
    f1().GPSCommOK.setBackColor(platform::color::BrightGreen);
    f1().EFISCommOK.setBackColor(platform::color::Red);
    f1().EMSCommOK.setBackColor(platform::color::BrightGreen);
  }
};

TEST_F(RecordFile, DynonWithAllThreeDevices_HeaderAndRecordColumnByColumn) {
  setPorts("COM1", "COM2", "COM3");
  f2().EMSDYNON.setValue(true);
  fillAll();
  const Fields efis = efisValues();

  Fields header{"COMPUTER TIME", "UNITS"}, record{"1405:09", "KNOTS/FEET"};
  add(header, record, "GPS COMM", "OK", kGPS);
  header.insert(header.end(), kEFISTitles.begin(), kEFISTitles.end());
  record.push_back("BAD");
  record.insert(record.end(), efis.begin(), efis.end());
  add(header, record, "EMS COMM", "OK", kDynon);
  ASSERT_EQ(header.size(), 2u + 10u + 13u + 29u);

  rec().RecordStep();
  const std::vector<std::string> l = lines(file());
  ASSERT_EQ(l.size(), 2u);
  EXPECT_EQ(fields(l[0]), header);
  EXPECT_EQ(fields(l[1]), record);
  EXPECT_EQ(app->UnitsWord, "KNOTS/FEET");
}

TEST_F(RecordFile, GrandRapids4000_NoteLineThenTheLongestLine) {
  setPorts("COM1", "COM2", "COM3");
  f2().EMSGRANDRAPIDS.setValue(true);
  fillAll();
  const Fields efis = efisValues();

  Fields header{"COMPUTER TIME", "UNITS"}, record{"1405:09", "KNOTS/FEET"};
  add(header, record, "GPS COMM", "OK", kGPS);
  header.insert(header.end(), kEFISTitles.begin(), kEFISTitles.end());
  record.push_back("BAD");
  record.insert(record.end(), efis.begin(), efis.end());
  add(header, record, "EMS COMM", "OK", kGrandRapids);
  ASSERT_EQ(header.size(), 63u);

  rec().RecordStep();
  const std::vector<std::string> l = lines(file());
  ASSERT_EQ(l.size(), 3u);
  EXPECT_EQ(l[0], kNote);
  EXPECT_EQ(l[0].size(), 170u);
  EXPECT_EQ(fields(l[1]), header);
  EXPECT_EQ(fields(l[2]), record);
}

TEST_F(RecordFile, UnassignedDevicesContributeNoColumns) {
  fillAll();
  const Fields efis = efisValues();
  struct Case {
    const char* gps;
    const char* efis;
    const char* ems;
    platform::OptionButton settings::Form2::*type;
    bool note;
  };
  const Case cases[] = {
      {"NONE", "NONE", "NONE", &settings::Form2::EMSDYNON, false},
      {"COM1", "NONE", "NONE", &settings::Form2::EMSDYNON, false},
      {"NONE", "COM2", "NONE", &settings::Form2::EMSDYNON, false},
      {"NONE", "NONE", "COM3", &settings::Form2::EMSDYNON, false},
      // The Grand Rapids 2000 has no columns and no note.
      {"COM1", "COM2", "COM3", &settings::Form2::EMSGR2000, false},
      // The note goes with the monitor type, also without its port.
      {"NONE", "COM2", "NONE", &settings::Form2::EMSGRANDRAPIDS, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.gps) + " " + c.efis + " " + c.ems + " " + (f2().*c.type).name());
    std::remove(file().c_str());
    app->NewFilePending = true;
    setPorts(c.gps, c.efis, c.ems);
    (f2().*c.type).setValue(true);

    Fields header{"COMPUTER TIME", "UNITS"}, record{"1405:09", "KNOTS/FEET"};
    if (std::string(c.gps) != "NONE") add(header, record, "GPS COMM", "OK", kGPS);
    if (std::string(c.efis) != "NONE") {
      header.insert(header.end(), kEFISTitles.begin(), kEFISTitles.end());
      record.push_back("BAD");
      record.insert(record.end(), efis.begin(), efis.end());
    }
    if (std::string(c.ems) != "NONE" && c.type == &settings::Form2::EMSDYNON)
      add(header, record, "EMS COMM", "OK", kDynon);

    rec().RecordStep();
    std::vector<std::string> l = lines(file());
    ASSERT_EQ(l.size(), c.note ? 3u : 2u);
    if (c.note) {
      EXPECT_EQ(l[0], kNote);
      l.erase(l.begin());
    }
    EXPECT_EQ(fields(l[0]), header);
    EXPECT_EQ(fields(l[1]), record);
  }
}

TEST_F(RecordFile, EveryLineEndsTabCrLf_AllPortsNoneGivesTheCommonFieldsOnly) {
  rec().RecordStep();
  EXPECT_EQ(testsupport::readFile(file()), "COMPUTER TIME\tUNITS\t\r\n1405:09\tKNOTS/FEET\t\r\n");
}

TEST_F(RecordFile, PortsChangedAfterTheHeader_RecordsFollowWithoutANewHeader) {
  rec().RecordStep();
  setPorts("COM1", "NONE", "NONE");
  rec().RecordStep();
  const std::vector<std::string> l = lines(file());
  ASSERT_EQ(l.size(), 3u);
  EXPECT_EQ(fields(l[0]).size(), 2u);
  EXPECT_EQ(fields(l[2]).size(), 12u);
}

TEST_F(RecordFile, LinkFieldIsOKOnlyForExactlyBrightGreen) {
  setPorts("COM1", "NONE", "NONE");
  rec().RecordStep();
  struct Case {
    platform::OleColor light;
    const char* link;
  };
  const Case cases[] = {
      {0x00FF00, "OK"},  {0x0000FF, "BAD"}, {0x008000, "BAD"},
      {0x00C000, "BAD"}, {0x00FF01, "BAD"}, {0x8000000F, "BAD"},
  };
  for (const Case& c : cases) {
    f1().GPSCommOK.setBackColor(c.light);
    rec().WriteRecord();
    EXPECT_EQ(fields(lines(file()).back()).at(2), c.link) << std::hex << c.light;
  }
}

TEST_F(RecordFile, UnitsWordFollowsTheUnitsOption) {
  struct Case {
    platform::OptionButton settings::Form2::*option;
    const char* word;
  };
  const Case cases[] = {
      {&settings::Form2::UnitsMeter, "MPS/METERS"},
      {&settings::Form2::UnitKiloMeters, "KPH/METERS"},
      {&settings::Form2::UnitsKnots, "KNOTS/FEET"},
      {&settings::Form2::UnitMiles, "MPH/FEET"},
  };
  rec().StartNewFile();
  for (const Case& c : cases) {
    (f2().*c.option).setValue(true);
    rec().WriteRecord();
    EXPECT_EQ(fields(lines(file()).back()).at(1), c.word);
    EXPECT_EQ(app->UnitsWord, c.word);
  }
  // The header names the column only.
  EXPECT_EQ(fields(lines(file()).front()).at(1), "UNITS");
}

TEST_F(RecordFile, TheToolTipNamesTheFileOnceTheSupervisorHasWrittenIt) {
  EXPECT_EQ(rec().recordFilePath(), file());
  // The folder setting keeps its Windows form; the file is in the home folder.
  f1().RecorderFolderName.setCaption("C:\\RAZERI VAREROZE");
  EXPECT_EQ(rec().recordFilePath(), homeDir.path() + "/RAZERI VAREROZE/TBRC_102612.TXT");
  const std::string other = homeDir.path() + "/elsewhere/TBRC_010203.TXT";
  f1().RecordFileName.setToolTip(other);
  EXPECT_EQ(rec().recordFilePath(), other);
}

TEST_F(RecordFile, MissingFolder_IsCreatedAndNothingIsLost) {
  const std::string missing = homeDir.path() + "/not/yet/there";
  f1().RecorderFolderName.setCaption(missing);
  rec().RecordStep();
  rec().RecordStep();
  EXPECT_EQ(testsupport::readFile(missing + "/TBRC_102612.TXT"),
            "COMPUTER TIME\tUNITS\t\r\n1405:09\tKNOTS/FEET\t\r\n1405:09\tKNOTS/FEET\t\r\n");
  EXPECT_TRUE(platform.messages.shown.empty());
}

// The record file goes away while recording (a purge or a delete by hand):
// the next write makes it anew under a header of its own, whether records go
// out one by one or gathered.
TEST_F(RecordFile, DeletedWhileRecording_IsMadeAnewWithAHeader) {
  struct Case {
    const char* what;
    platform::OptionButton& interval;
    int intervalMs;
    int batch;
  };
  const Case cases[] = {{"one by one", f2().IntervalOneSecond, 1000, 1},
                        {"gathered", f2().IntervalHalfSecond, 250, 61}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::remove(file().c_str());
    app->NewFilePending = true;
    chooseInterval(c.interval, c.intervalMs);
    auto records = [&](const std::string& caption) {
      f1().ComputerTime.setCaption(caption);
      for (int i = 0; i < c.batch; ++i) rec().RecordStep();
    };
    records("before");
    ASSERT_EQ(count(file()).records, c.batch);
    std::remove(file().c_str());
    records("after");
    std::string expected = "COMPUTER TIME\tUNITS\t\r\n";
    for (int i = 0; i < c.batch; ++i) expected += "after\tKNOTS/FEET\t\r\n";
    EXPECT_EQ(testsupport::readFile(file()), expected);
  }
  EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(RecordFile, ReadOnlyFile_OneMessageThenRecordingResumesWithNothingLost) {
  chooseInterval(f2().IntervalOneSecond, 1000);
  testsupport::writeFile(file(), "");
  testsupport::ReadOnlyFile readOnly(file());
  if (!readOnly.ok()) GTEST_SKIP() << "cannot make a file read-only here";

  f1().RecorderStartStopButton.click();
  platform.messages.expect(1);
  // Records keep coming while the box is open (the EFIS decoder's step).
  platform.messages.whileOpen = [this] { rec().RecordStep(); };
  platform.scheduler.advance(1000);
  platform.messages.whileOpen = nullptr;
  // The header failed and so did the records: one message for all of it.
  platform.scheduler.advance(3000);
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown[0].text, "Permission denied");
  EXPECT_EQ(platform.messages.shown[0].buttons, platform::msg::OkOnly);
  EXPECT_EQ(platform.messages.shown[0].title, "");
  EXPECT_EQ(platform.messages.beeps, 1);
  EXPECT_TRUE(app->RecorderOn.isTrue());
  EXPECT_EQ(testsupport::readFile(file()), "");

  // Writable again: the next record takes the header and the records held
  // meanwhile with it.
  readOnly.release();
  platform.scheduler.advance(1000);
  const Counts c = count(file());
  EXPECT_EQ(c.headers, 1);
  EXPECT_EQ(c.records, 1 + 1 + 3 + 1);
  EXPECT_EQ(lines(file()).front().rfind("COMPUTER TIME\t", 0), 0u);

  // A new stretch of failures tells of itself again.
  testsupport::ReadOnlyFile again(file());
  ASSERT_TRUE(again.ok());
  platform.messages.expect(1);
  platform.scheduler.advance(2000);
  EXPECT_EQ(platform.messages.shown.size(), 2u);
}

// Bytes a decoder put into a caption never add a column or break the line:
// each TAB, CR or LF is written as one blank; the screens keep the caption.
TEST_F(RecordFile, TabsAndLineBreaksInCaptionsAreWrittenAsBlanks) {
  setPorts("COM1", "COM2", "COM3");
  f2().EMSDYNON.setValue(true);
  fillAll();
  efisValues();
  f1().GPSTime.setCaption("12\t34");
  app->form4().EMSRPM.setCaption("\r\n2400\t");
  app->form4().EMSGPThermocouple.setCaption("7\n7");
  rec().RecordStep();
  const std::vector<std::string> l = lines(file());
  ASSERT_EQ(l.size(), 2u);
  const Fields header = fields(l[0]);
  const Fields record = fields(l[1]);
  EXPECT_EQ(record.size(), header.size());
  EXPECT_EQ(record[3], "12 34");
  EXPECT_EQ(record[2 + 10 + 13 + 2], "  2400 ");
  EXPECT_EQ(record.back(), "7 7");
  EXPECT_EQ(app->form4().EMSRPM.caption(), "\r\n2400\t");
}

// The disk fills in the middle of a batch of 61 records and has room again
// later: the file holds the header and every record once, in order, with no
// torn line, and one message told of the failures.
TEST_F(RecordFile, FailedBatchIsCutBackAndGoesOutWithTheNextOne) {
  const testsupport::WriteFault cases[] = {
      {"disk full part-way through the batch", 500, ENOSPC, 0, "Disk full"},
      {"short writes, then the disk full", 300, ENOSPC, 64, "Disk full"},
      {"I/O error", 0, EIO, 0, "Device I/o problem"},
  };
  chooseInterval(f2().IntervalHalfSecond, 250);
  for (const testsupport::WriteFault& c : cases) {
    SCOPED_TRACE(c.what);
    std::remove(file().c_str());
    app->NewFilePending = true;
    platform.messages.shown.clear();
    int n = 0;
    auto records = [&](int count) {
      for (int i = 0; i < count; ++i) {
        f1().ComputerTime.setCaption("r" + std::to_string(++n));
        rec().RecordStep();
      }
    };
    records(61);
    {
      testsupport::FaultyFiles faults;
      faults.fill(c);
      platform.messages.expect(1);
      records(122);
      ASSERT_EQ(platform.messages.shown.size(), 1u);
      EXPECT_EQ(platform.messages.shown[0].text, c.message);
      EXPECT_EQ(count(file()).records, 61);
    }
    records(61);
    std::string expected = "COMPUTER TIME\tUNITS\t\r\n";
    for (int i = 1; i <= n; ++i) expected += "r" + std::to_string(i) + "\tKNOTS/FEET\t\r\n";
    EXPECT_EQ(testsupport::readFile(file()), expected);
    EXPECT_EQ(platform.messages.shown.size(), 1u);
  }
}

// Records of a stretch of recording whose last write failed wait for the next
// write, ahead of the next header, and are not lost with the stop.
TEST_F(RecordFile, RecordsHeldAtAStopGoOutBeforeTheNextHeader) {
  chooseInterval(f2().IntervalHalfSecond, 250);
  f2().ShowStartStopButton.setValue(true);
  f1().RecorderStartStopButton.click();
  rec().RecordStep();
  {
    testsupport::FaultyFiles faults;
    faults.fill(0, EIO);
    platform.messages.expect(1);
    f1().RecorderStartStopButton.click();  // stop: the flush fails
  }
  EXPECT_EQ(testsupport::readFile(file()), "COMPUTER TIME\tUNITS\t\r\n");
  f1().ComputerTime.setCaption("1405:10");
  f1().RecorderStartStopButton.click();
  rec().RecordStep();
  f1().RecorderStartStopButton.click();
  EXPECT_EQ(testsupport::readFile(file()),
            "COMPUTER TIME\tUNITS\t\r\n1405:09\tKNOTS/FEET\t\r\n"
            "COMPUTER TIME\tUNITS\t\r\n1405:10\tKNOTS/FEET\t\r\n");
}

TEST(RecordFileMessages, TextsByErrorNumber) {
  const std::string heading = "Error Number at Save Data File ";
  struct Case {
    int number;
    const char* text;
  };
  const Case cases[] = {
      {52, "\r\n  Bad Filename or Number"},
      {53, "\r\n   File not Found"},
      {61, "Disk full"},
      {67, "To many files at the same time"},
      {70, "Permission denied"},
      {76, "Path not found"},
      {6, "Error Number at Save Data File 6"},
      {999, "Error Number at Save Data File 999"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(recorder::recordFileErrorMessage(c.number, heading), c.text) << c.number;
  EXPECT_EQ(recorder::recordFileErrorMessage(5, "Error Number at Save New File "),
            "Error Number at Save New File 5");
}

}  // namespace
}  // namespace recordertest
