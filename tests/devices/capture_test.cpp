// Raw capture files: batches of 61 EFIS, 13 engine and 7 GPS lines appended
// to the hourly file of each device in the recorder folder, the missing
// folder, file errors and the flush at shut-down.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/app.h"
#include "devices/devices.h"
#include "devices/serial_links.h"
#include "platform/files.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "support/faulty_files.h"
#include "support/test_platform.h"

namespace {

class CaptureTest : public testsupport::AppTest {
 protected:
  CaptureTest() {
    links().createPorts();
    // The recorder folder "C:\RAZERI VAREROZE" is <home>/RAZERI VAREROZE.
    folder = homeDir.path() + "/RAZERI VAREROZE";
    platform.clock.setNow({2008, 10, 19, 14, 25, 0, 0});
    form2().RecordFileRawEFIS.setValue(1);
    form2().RecordFileRawEMS.setValue(1);
    form2().RecordFileRawGPS.setValue(1);
  }
  devices::SerialLinks& links() { return app->devices().links(); }
  settings::Form2& form2() { return app->form2(); }
  std::string file(const std::string& name) const { return testsupport::readFile(folder + "/" + name); }
  bool exists(const std::string& name) const { return std::filesystem::exists(folder + "/" + name); }

  // EFIS records as received: each ends with a carriage return.
  void efis(int from, int to) {
    for (int i = from; i <= to; ++i) links().MSPort2_OnRead("E" + std::to_string(i) + "\r\n");
  }
  void ems(int from, int to) {
    for (int i = from; i <= to; ++i) links().MSPort3_OnRead("M" + std::to_string(i) + "\r\n");
  }
  void gps(int from, int to) {
    for (int i = from; i <= to; ++i) links().MSPort1_OnRead("$G" + std::to_string(i) + "\r\n");
  }
  static std::string lines(const std::string& prefix, int from, int to, const std::string& end) {
    std::string out;
    for (int i = from; i <= to; ++i) out += prefix + std::to_string(i) + end;
    return out;
  }

  std::string folder;
};

TEST_F(CaptureTest, Every61stEfisLineWritesTheBatchIntoTheHourlyFile) {
  std::filesystem::create_directories(folder);
  efis(1, 60);
  EXPECT_FALSE(exists("TBRC_EFIS_101908_14.DAT"));
  efis(61, 61);
  // An EFIS line keeps its record's CR, so every line ends CR CR LF.
  EXPECT_EQ(file("TBRC_EFIS_101908_14.DAT"), lines("E", 1, 61, "\r\r\n"));
  efis(62, 122);
  EXPECT_EQ(file("TBRC_EFIS_101908_14.DAT"), lines("E", 1, 122, "\r\r\n"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()),
            1);
}

TEST_F(CaptureTest, EngineAndGpsBatchesHold13And7Lines) {
  std::filesystem::create_directories(folder);
  ems(1, 12);
  gps(1, 6);
  EXPECT_FALSE(exists("TBRC_EMS_101908_14.DAT"));
  EXPECT_FALSE(exists("TBRC_GPS_101908_14.DAT"));
  ems(13, 13);
  gps(7, 7);
  EXPECT_EQ(file("TBRC_EMS_101908_14.DAT"), lines("M", 1, 13, "\r\n"));
  EXPECT_EQ(file("TBRC_GPS_101908_14.DAT"), lines("$G", 1, 7, "\r\n"));
}

TEST_F(CaptureTest, BatchGoesToTheFileOfTheHourItIsWritten) {
  std::filesystem::create_directories(folder);
  platform.clock.setNow({2008, 12, 31, 23, 59, 59, 0});
  gps(1, 6);
  platform.clock.setNow({2009, 1, 1, 0, 0, 5, 0});
  gps(7, 7);
  EXPECT_EQ(file("TBRC_GPS_010109_00.DAT"), lines("$G", 1, 7, "\r\n"));
  EXPECT_FALSE(exists("TBRC_GPS_123108_23.DAT"));
}

TEST_F(CaptureTest, OnlyLinesReceivedWhileCaptureIsOnAreWritten) {
  std::filesystem::create_directories(folder);
  form2().RecordFileRawGPS.setValue(0);
  gps(1, 3);
  form2().RecordFileRawGPS.setValue(1);
  gps(4, 6);
  // Lines pending when capture goes off are written with the next batch.
  form2().RecordFileRawGPS.setValue(0);
  gps(7, 9);
  form2().RecordFileRawGPS.setValue(2);  // greyed is not on
  gps(10, 10);
  form2().RecordFileRawGPS.setValue(1);
  gps(11, 14);
  EXPECT_EQ(file("TBRC_GPS_101908_14.DAT"), lines("$G", 4, 6, "\r\n") + lines("$G", 11, 14, "\r\n"));
}

TEST_F(CaptureTest, MissingRecorderFolderIsCreatedAndNothingIsLost) {
  ASSERT_FALSE(std::filesystem::exists(folder));
  gps(1, 7);
  EXPECT_EQ(file("TBRC_GPS_101908_14.DAT"), lines("$G", 1, 7, "\r\n"));
  EXPECT_EQ(platform.messages.beeps, 1);
  EXPECT_TRUE(platform.messages.shown.empty());
  gps(8, 14);
  EXPECT_EQ(file("TBRC_GPS_101908_14.DAT"), lines("$G", 1, 14, "\r\n"));
  EXPECT_EQ(platform.messages.beeps, 1);
}

TEST_F(CaptureTest, RecorderFolderIsTheMainWindowsFolderCaption) {
  const std::string other = homeDir.path() + "/flights/today";
  app->form1().RecorderFolderName.setCaption("C:\\flights\\today");
  ems(1, 13);
  EXPECT_EQ(testsupport::readFile(other + "/TBRC_EMS_101908_14.DAT"), lines("M", 1, 13, "\r\n"));
}

TEST_F(CaptureTest, FlushWritesTheHalfFullBatchesOnce) {
  std::filesystem::create_directories(folder);
  efis(1, 30);
  ems(1, 5);
  links().flushCaptures();
  EXPECT_EQ(file("TBRC_EFIS_101908_14.DAT"), lines("E", 1, 30, "\r\r\n"));
  EXPECT_EQ(file("TBRC_EMS_101908_14.DAT"), lines("M", 1, 5, "\r\n"));
  EXPECT_FALSE(exists("TBRC_GPS_101908_14.DAT"));
  links().flushCaptures();
  EXPECT_EQ(file("TBRC_EFIS_101908_14.DAT"), lines("E", 1, 30, "\r\r\n"));
  // The next batch starts afresh: 61 more lines to its write.
  efis(31, 90);
  EXPECT_EQ(file("TBRC_EFIS_101908_14.DAT"), lines("E", 1, 30, "\r\r\n"));
  efis(91, 91);
  EXPECT_EQ(file("TBRC_EFIS_101908_14.DAT"), lines("E", 1, 91, "\r\r\n"));
}

TEST_F(CaptureTest, FileErrorKeepsTheBatchForTheNextWriteWithABeepAndItsMessage) {
  struct Case {
    std::string what;
    std::function<void()> arrange;
    std::string message;
  };
  const std::string target = folder + "/TBRC_GPS_101908_14.DAT";
  const std::vector<Case> cases = {
      {"the file's name is taken by a folder", [&] { std::filesystem::create_directories(target); },
       "Path/File access error"},
      {"a folder name too long for the file system",
       [&] { app->form1().RecorderFolderName.setCaption(homeDir.path() + "/" + std::string(300, 'n')); },
       "Bad Filename"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(folder);
    app->form1().RecorderFolderName.setCaption("C:\\RAZERI VAREROZE");
    c.arrange();
    platform.messages.shown.clear();
    platform.messages.beeps = 0;
    platform.messages.expect(1);
    gps(1, 7);
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].text, c.message);
    EXPECT_EQ(platform.messages.shown[0].buttons, platform::msg::OkOnly);
    EXPECT_EQ(platform.messages.shown[0].title, "");
    EXPECT_GE(platform.messages.beeps, 1);
    // The batch waits: the next write takes it first, then its own lines.
    std::filesystem::remove_all(folder);
    app->form1().RecorderFolderName.setCaption("C:\\RAZERI VAREROZE");
    std::filesystem::create_directories(folder);
    gps(8, 14);
    EXPECT_EQ(file("TBRC_GPS_101908_14.DAT"), lines("$G", 1, 14, "\r\n"));
  }
}

TEST_F(CaptureTest, RepeatedFailureWhileItsMessageIsOpenShowsNoSecondBox) {
  std::filesystem::create_directories(folder + "/TBRC_GPS_101908_14.DAT");
  platform.messages.expect(1);
  // Events keep running under the box: another full batch fails meanwhile.
  bool nested = false;
  platform.messages.whileOpen = [&] {
    if (nested) return;
    nested = true;
    gps(8, 14);
  };
  gps(1, 7);
  EXPECT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.beeps, 2);
}

TEST_F(CaptureTest, FailuresThatGoOnShowOneBoxUntilABatchIsWrittenAgain) {
  const std::string blocked = folder + "/TBRC_GPS_101908_14.DAT";
  std::filesystem::create_directories(blocked);
  platform.messages.expect(1);
  gps(1, 21);  // three batches fail
  EXPECT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.beeps, 3);
  std::filesystem::remove(blocked);
  gps(22, 28);  // written again
  std::filesystem::remove(folder + "/TBRC_GPS_101908_14.DAT");
  std::filesystem::create_directories(blocked);
  platform.messages.expect(1);
  gps(29, 35);  // a new failure is told again
  EXPECT_EQ(platform.messages.shown.size(), 2u);
}

// The disk fills in the middle of a batch and has room again later: every
// capture file holds every line once, in order, and no torn line.
TEST_F(CaptureTest, FailedWritesAreCutBackAndTheirLinesGoOutWithTheNextBatch) {
  const testsupport::WriteFault cases[] = {
      {"disk full part-way through a batch", 150, ENOSPC, 0, "Disk full"},
      {"short writes, then the disk full", 40, ENOSPC, 16, "Disk full"},
      {"I/O error", 0, EIO, 0, "Device I/o problem"},
  };
  for (const testsupport::WriteFault& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    platform.messages.shown.clear();
    efis(1, 61);
    ems(1, 13);
    gps(1, 7);
    {
      testsupport::FaultyFiles faults;
      faults.fill(c);
      platform.messages.expect(3);
      efis(62, 183);  // two batches
      ems(14, 39);
      gps(8, 21);
      ASSERT_EQ(platform.messages.shown.size(), 3u);
      for (const auto& box : platform.messages.shown) EXPECT_EQ(box.text, c.message);
      EXPECT_EQ(file("TBRC_EFIS_101908_14.DAT"), lines("E", 1, 61, "\r\r\n"));
      EXPECT_EQ(file("TBRC_EMS_101908_14.DAT"), lines("M", 1, 13, "\r\n"));
      EXPECT_EQ(file("TBRC_GPS_101908_14.DAT"), lines("$G", 1, 7, "\r\n"));
    }
    efis(184, 244);
    ems(40, 52);
    gps(22, 28);
    EXPECT_EQ(file("TBRC_EFIS_101908_14.DAT"), lines("E", 1, 244, "\r\r\n"));
    EXPECT_EQ(file("TBRC_EMS_101908_14.DAT"), lines("M", 1, 52, "\r\n"));
    EXPECT_EQ(file("TBRC_GPS_101908_14.DAT"), lines("$G", 1, 28, "\r\n"));
    EXPECT_EQ(platform.messages.shown.size(), 3u);
  }
}

// While writes keep failing a device holds at most 1 MiB; past it the oldest
// lines go, and one message says how many once the lines can be written again.
TEST_F(CaptureTest, HeldLinesAreBoundedAndTheDroppedOnesAreToldOnce) {
  std::filesystem::create_directories(folder);
  auto line = [](int i) {
    std::string l = "$G" + std::to_string(i) + ",";
    l.resize(1000, 'x');
    return l;
  };
  constexpr int kLines = 1400;
  {
    testsupport::FaultyFiles faults;
    faults.fill(0, EIO);
    platform.messages.expect(1);
    for (int i = 1; i <= kLines; ++i) links().MSPort1_OnRead(line(i) + "\r\n");
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].text, "Device I/o problem");
  }
  platform.messages.expect(1);
  for (int i = kLines + 1; i <= kLines + 7; ++i) links().MSPort1_OnRead(line(i) + "\r\n");

  // The file holds the newest lines, whole and in order, up to the last one.
  const std::string written = file("TBRC_GPS_101908_14.DAT");
  const std::size_t kept = written.size() / 1002;
  ASSERT_EQ(written.size(), kept * 1002);
  EXPECT_LE(written.size(), devices::CaptureWriter::kHeldLimit + 7 * 1002);
  EXPECT_GT(written.size(), devices::CaptureWriter::kHeldLimit - 7 * 1002);
  std::string expected;
  for (int i = kLines + 7 - static_cast<int>(kept) + 1; i <= kLines + 7; ++i) expected += line(i) + "\r\n";
  EXPECT_EQ(written, expected);
  const std::size_t dropped = kLines + 7 - kept;
  ASSERT_EQ(platform.messages.shown.size(), 2u);
  EXPECT_EQ(platform.messages.shown[1].text,
            std::to_string(dropped) + " lines of the GPS capture could not be written and were dropped");
}

// Before start-up has applied the configured folder nothing is written; the
// batches wait and go to the folder once it is in place.
TEST_F(CaptureTest, NothingIsWrittenBeforeTheRecorderFolderIsApplied) {
  app->RecorderFolderPending = true;
  gps(1, 14);
  links().flushCaptures();
  EXPECT_FALSE(std::filesystem::exists(folder));
  const std::string configured = homeDir.path() + "/configured";
  app->form1().RecorderFolderName.setCaption(configured);
  app->RecorderFolderPending = false;
  gps(15, 21);
  EXPECT_EQ(testsupport::readFile(configured + "/TBRC_GPS_101908_14.DAT"), lines("$G", 1, 21, "\r\n"));
  EXPECT_FALSE(std::filesystem::exists(folder));
}

TEST_F(CaptureTest, GrandRapidsFramesAreNeverCaptured) {
  std::filesystem::create_directories(folder);
  form2().EMSGRANDRAPIDS.setValue(true);
  for (int i = 0; i < 13; ++i) links().MSPort3_OnRead("\x01\x02\xFE\xFE\xFE");
  links().flushCaptures();
  EXPECT_FALSE(exists("TBRC_EMS_101908_14.DAT"));
}

}  // namespace
