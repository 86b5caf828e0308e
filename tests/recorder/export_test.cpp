// Export to text: every kind of export against its reviewed golden file, the
// save dialog, loads and exports in sequence, failures, and CANCEL and a
// shut-down taken at the export's pauses in virtual time.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "devices/devices.h"
#include "devices/serial_links.h"
#include "playback_fixture.h"
#include "recorder/export.h"
#include "shell/lifecycle.h"
#include "shell/main_handlers.h"
#include "support/faulty_files.h"
#include "support/screen_state.h"

namespace playbacktest {
namespace {

// EFIS records of both kinds (displayed altitude and turn rate; pressure
// altitude and vertical speed), negative and extreme fields, two within one
// second, a record without its CR, a short one and an empty line.
const std::vector<std::string> kEFISRecords = {
    "14050932-053-0127123051401000-015-02010050000004A2C\r",
    "14050933012500300359100001524-015001-0512A000034A2C\r",
    "14050933-001+0003001025001234+02300101000000000CAFE\r",
    "140510010999079993599999999999999-9999999FFFFFF4A2C\r",
    "14051002-053-0127123051401000-015-02010050000004A2C",
    "14051003012500300359100001524-015001-0512A0Z003\r",
    "",
    "14051104-100-1800180120003500-100-15-2015000001FFFF\r",
};

std::string linesOf(const std::vector<std::string>& records) {
  std::string bytes;
  for (const std::string& r : records) bytes += r + "\r\n";
  return bytes;
}

// A CSV engine row whose record has the given contact byte (two hex digits).
std::string csvRow(int n, const std::string& rpm, const std::string& contacts) {
  std::string record = csvRecord(rpm);
  record.replace(102, 2, contacts);
  return std::to_string(n) + ",\"AB" + record + "\",y\r\n";
}

class ExportTest : public PlaybackTest {
 protected:
  recorder::TextExport& exporter() { return app->recorder().exporter(); }

  // Answers the save dialog with `path` (nullopt: cancel) and clicks the
  // CONVERT FILE button.
  void convert(platform::CommandButton& button, std::optional<std::string> path) {
    platform.dialogs.answers.push_back(std::move(path));
    button.click();
  }
  std::string exportEFIS(const std::string& name) {
    const std::string out = platform::joinPath(folder, name);
    convert(f2().EFIS_ConvertFile, out);
    return testsupport::readFile(out);
  }
  std::string exportEngine(const std::string& name) {
    const std::string out = platform::joinPath(folder, name);
    convert(f2().EMS_ConvertFile, out);
    return testsupport::readFile(out);
  }

  // What the end of every export leaves.
  void expectEndState() {
    EXPECT_FALSE(f2().EFIS_ProgressBar.visible());
    EXPECT_FALSE(f2().EMS_ProgressBar.visible());
    EXPECT_TRUE(f2().EFIS_ConvertFile.enabled());
    EXPECT_TRUE(f2().EMS_ConvertFile.enabled());
    EXPECT_FALSE(exporter().ConvertEFISFile);
    EXPECT_FALSE(exporter().ConvertEMSFile);
    EXPECT_FALSE(exporter().ConvertGPSFile);
  }

  static int lineCount(const std::string& text) {
    int n = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++n;
    return n;
  }
};

TEST_F(ExportTest, EfisRowsInTwoUnitSets) {
  chooseEFIS(write("TBRC_EFIS_101908_14.DAT", linesOf(kEFISRecords)));
  f2().UnitsKnots.setValue(true);
  testsupport::expectGolden("export/efis_knots.txt", exportEFIS("knots.txt"));
  expectEndState();
  f2().UnitsMeter.setValue(true);
  testsupport::expectGolden("export/efis_metres.txt", exportEFIS("metres.txt"));
  expectEndState();
  EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(ExportTest, EfisExportWhileAGrandRapidsMonitorIsChosenBeginsWithTheNotice) {
  f2().EMSGRANDRAPIDS.setValue(true);
  chooseEFIS(write("TBRC_EFIS_101908_14.DAT", linesOf(kEFISRecords)));
  testsupport::expectGolden("export/efis_grand_rapids.txt", exportEFIS("out.txt"));
}

// The text decoder leaves every contact lamp dark: all six read "OFF". A
// short record is written with the captions its decoder left.
TEST_F(ExportTest, DynonTextRowsWithTheirContactsOff) {
  f2().EMSDYNON.setValue(true);
  f2().UnitsKnots.setValue(true);
  chooseEngine(
      write("TBRC_EMS_101908_14.DAT", linesOf({dynonRecord("245"), dynonRecord("250"),
                                               dynonRecord("260").substr(0, 60), dynonRecord("310")})));
  testsupport::expectGolden("export/dynon_text.txt", exportEngine("out.txt"));
  expectEndState();
}

// The CSV decoder lights the contacts whose bits are set; a record it cannot
// decode is written with what it left, and the export goes on.
TEST_F(ExportTest, DynonCsvRowsWithTheirContactsOn) {
  f2().EMSDYNON.setValue(true);
  f2().UnitsMeter.setValue(true);
  const std::string csv = "Time,\"EMS raw data\",x\r\n" + csvRow(1, "0A8C", "05") + csvRow(2, "0A96", "3F") +
                          "3,\"ABXX0C1E\",y\r\n" + csvRow(4, "0AA0", "20");
  chooseEngine(write("dynon.csv", csv));
  ASSERT_EQ(engineRecords().count(), 4);
  testsupport::expectGolden("export/dynon_csv.txt", exportEngine("out.txt"));
  EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(ExportTest, GrandRapidsAndGr2000ExportsWriteTheirHeaderAlone) {
  chooseEngine(write("TBRC_EMS_101908_14.DAT", linesOf({dynonRecord(), dynonRecord()})));
  f2().EMSGRANDRAPIDS.setValue(true);
  testsupport::expectGolden("export/grand_rapids.txt", exportEngine("gr.txt"));
  expectEndState();
  f2().EMSGR2000.setValue(true);
  EXPECT_EQ(exportEngine("gr2000.txt"), "UNITS\t\r\n");
  expectEndState();
}

// GPS files are never loaded: the export writes the nine titles and leaves
// its button disabled. No dialog was open before, so the save dialog has no
// title.
TEST_F(ExportTest, GpsExportWritesTheNineTitlesAndLeavesItsButtonDisabled) {
  f2().GPS_FILE.setValue(true);
  f2().GPS_DataFileName.setToolTip(platform::joinPath(folder, "TBRC_GPS_101908_14.DAT"));
  const std::string out = platform::joinPath(folder, "gps.txt");
  platform.dialogs.answers.push_back(out);
  exporter().GPS_ConvertFile_Click();
  testsupport::expectGolden("export/gps.txt", testsupport::readFile(out));
  ASSERT_EQ(platform.dialogs.requests.size(), 1u);
  EXPECT_EQ(platform.dialogs.requests[0].title, "");
  EXPECT_FALSE(f2().GPS_ConvertFile.enabled());
  expectEndState();
}

TEST_F(ExportTest, SaveDialogProposesTheSourceNameInItsFolderUnderTheLastDialogsTitle) {
  chooseEFIS(write("TBRC_EFIS_101908_14.DAT", linesOf(kEFISRecords)));
  exportEFIS("out");
  ASSERT_EQ(platform.dialogs.requests.size(), 2u);
  const platform::FileDialogRequest& save = platform.dialogs.requests[1];
  EXPECT_EQ(save.title, "EFIS FILE");
  EXPECT_EQ(save.fileName, folder + "/TBRC_TBRC_EFIS_101908_14");
  EXPECT_EQ(save.filter, "All Files (*.*)|*.*|Text Files (*.txt)|*.txt|");
  EXPECT_EQ(save.filterIndex, 2);
  // The name is taken as typed: no extension is added.
  EXPECT_TRUE(platform::fileExists(folder + "/out"));
}

TEST_F(ExportTest, CancelledDialogOrShortNameWritesNothingAndLeavesTheButtonsDisabled) {
  chooseEFIS(write("TBRC_EFIS_101908_14.DAT", linesOf(kEFISRecords)));
  const std::size_t files = platform::listFolder(folder).size();
  convert(f2().EFIS_ConvertFile, std::nullopt);
  EXPECT_TRUE(exporter().ConvertEFISFile);
  for (platform::CommandButton* b : {&f2().EFIS_ConvertFile, &f2().EMS_ConvertFile, &f2().GPS_ConvertFile})
    EXPECT_FALSE(b->enabled()) << b->name();
  EXPECT_EQ(platform::listFolder(folder).size(), files);

  // A source name of fewer than four characters ends it before the dialog.
  f2().EMS_DataFileName.setToolTip(folder + "/a.b");
  exporter().EMS_ConvertFile_Click();
  EXPECT_TRUE(exporter().ConvertEMSFile);
  EXPECT_FALSE(exporter().ConvertEFISFile);
  EXPECT_EQ(platform.dialogs.requests.size(), 2u);
  EXPECT_EQ(platform::listFolder(folder).size(), files);
}

// The export takes the EFIS file's own list, not the count of the file
// picked last.
TEST_F(ExportTest, EfisExportAfterAnEngineLoadWritesEveryEfisRow) {
  chooseEFIS(write("efis.dat", linesOf(kEFISRecords)));
  chooseEngine(write("engine.dat", linesOf({dynonRecord(), dynonRecord()})));
  ASSERT_EQ(app->LoadedRecordCount, 2);
  EXPECT_EQ(lineCount(exportEFIS("out.txt")), 1 + static_cast<int>(kEFISRecords.size()));
}

TEST_F(ExportTest, OneRecordGivesAHeaderAndARowOnABarFromZeroToOne) {
  chooseEFIS(write("one.dat", linesOf({kEFISRecords[0]})));
  std::vector<double> range;
  platform.ui.onPause = [&](platform::Control&, platform::Screen&) {
    const platform::ProgressBar& bar = f2().EFIS_ProgressBar;
    range = {bar.visible() ? 1.0 : 0.0, bar.min(), bar.max(), bar.value()};
  };
  const std::string text = exportEFIS("out.txt");
  EXPECT_EQ(lineCount(text), 2);
  EXPECT_EQ(range, (std::vector<double>{1, 0, 1, 0}));
  expectEndState();
}

// The rows of an export saved over the loaded file are the records as they
// were loaded, and so are those of the next export.
TEST_F(ExportTest, ExportSavedOverTheLoadedFileKeepsTheRecordsAsLoaded) {
  const std::string path = write("TBRC_EFIS_101908_14.DAT", linesOf(kEFISRecords));
  chooseEFIS(path);
  const std::string expected = exportEFIS("first.txt");
  convert(f2().EFIS_ConvertFile, path);
  const std::string saved = testsupport::readFile(path);
  convert(f2().EFIS_ConvertFile, path);
  EXPECT_EQ(testsupport::readFile(path), saved);
  // Each export counts its records within a second afresh only where the
  // second changes: the first row may differ, the others may not.
  const auto rows = [](const std::string& text) {
    return text.substr(text.find("\r\n", text.find("\r\n") + 2));
  };
  EXPECT_EQ(rows(saved), rows(expected));
  EXPECT_EQ(efisRecords().count(), static_cast<std::int32_t>(kEFISRecords.size()));
  EXPECT_EQ(efisRecords().record(0), kEFISRecords[0]);
  EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(ExportTest, MissingOutputFolderShowsPathNotFoundAndCreatesNothing) {
  chooseEFIS(write("efis.dat", linesOf(kEFISRecords)));
  platform.messages.expect();
  convert(f2().EFIS_ConvertFile, folder + "/missing/out.txt");
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown[0].text, "Path not found");
  EXPECT_EQ(platform.messages.shown[0].buttons, platform::msg::OkOnly);
  EXPECT_EQ(platform.messages.shown[0].title, "");
  EXPECT_EQ(platform.messages.beeps, 1);
  EXPECT_FALSE(platform::folderExists(folder + "/missing"));
  expectEndState();
}

TEST_F(ExportTest, ReadOnlyOutputFileShowsItsTableTextAndStaysAsItWas) {
  chooseEFIS(write("efis.dat", linesOf(kEFISRecords)));
  const std::string out = write("kept.txt", "old\r\n");
  testsupport::ReadOnlyFile readOnly(out);
  ASSERT_TRUE(readOnly.ok());
  platform.messages.expect();
  convert(f2().EFIS_ConvertFile, out);
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown[0].text, "Permission denied");
  readOnly.release();
  EXPECT_EQ(testsupport::readFile(out), "old\r\n");
  expectEndState();
}

// A disk that fills part-way: the whole rows that reached it stay, the
// message tells of it, and the end state follows.
TEST_F(ExportTest, DiskFullPartWayKeepsTheWholeRowsWritten) {
  chooseEFIS(write("efis.dat", linesOf(kEFISRecords)));
  const std::string complete = exportEFIS("complete.txt");
  std::size_t threeRows = 0;
  for (int n = 0; n < 4; ++n) threeRows = complete.find("\r\n", threeRows) + 2;
  const std::string out = platform::joinPath(folder, "full.txt");
  {
    testsupport::FaultyFiles files;
    files.fill(threeRows + 17);
    platform.messages.expect();
    convert(f2().EFIS_ConvertFile, out);
  }
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown[0].text, "Disk full");
  // The first row carries values the decoder kept from the export before.
  const std::string text = testsupport::readFile(out);
  const auto fromSecondRow = [](const std::string& t) {
    return t.substr(t.find("\r\n", t.find("\r\n") + 2));
  };
  EXPECT_EQ(lineCount(text), 4);
  EXPECT_EQ(fromSecondRow(text), fromSecondRow(complete.substr(0, threeRows)));
  expectEndState();
}

// ---- Pauses in virtual time

class ExportPauses : public ExportTest {
 protected:
  ExportPauses() {
    // What CANCEL reloads: the configuration as saved now.
    app->shell().mainHandlers().SaveConfig_Click();
    chooseEFIS(write("efis.dat", linesOf(kEFISRecords)));
    // Each pause lets the export's time pass, so every row is followed by one.
    pauseSteps.resize(16);
    platform.ui.onPause = [this](platform::Control& live, platform::Screen& main) {
      EXPECT_EQ(&live, &f2().CancelButton);
      EXPECT_EQ(&main, &f1());
      platform.scheduler.advance(recorder::TextExport::kPauseMs);
      auto step = std::move(pauseSteps.at(static_cast<std::size_t>(platform.ui.pauses - 1)));
      if (step) step();
    };
  }
  std::vector<std::function<void()>> pauseSteps;
};

// Rows 0 to 2 are written, each followed by a pause; CANCEL comes at the
// third. The ticks and the data line that came due meanwhile run once the
// export has ended, before CANCEL's reload, which brings READ COMM back.
TEST_F(ExportPauses, CancelEndsAfterWholeRowsThenHeldEventsThenTheReload) {
  std::vector<std::string> log;
  // After the export: its end state holds (the reload then disables the
  // file controls again).
  const auto note = [&](const char* what) {
    const bool ended = !exporter().ConvertEFISFile && !f2().EFIS_ProgressBar.visible() &&
                       f2().EFIS_ConvertFile.enabled() && !app->ConvertAbort;
    log.push_back(std::string(what) + (ended ? " after it" : " during the export") +
                  (f2().EFIS_COMM.value() ? ", reloaded" : ""));
  };
  // The playback timer runs at its fastest; the record clock at 250 ms.
  f1().FastSpeedButton.click();
  auto playback = f1().PlaybackSpeedTimer.onTick;
  f1().PlaybackSpeedTimer.onTick = [&, playback] {
    note("playback tick");
    playback();
  };
  f1().DisplayUpdateTimer.setInterval(250);
  f1().DisplayUpdateTimer.setEnabled(true);
  auto record = f1().DisplayUpdateTimer.onTick;
  f1().DisplayUpdateTimer.onTick = [&, record] {
    note("record tick");
    record();
  };
  app->devices().links().createPorts();
  platform::SerialLink& link = *app->devices().links().MSPort2;
  link.setPortOpen(true);
  auto onRead = link.OnRead;
  link.OnRead = [&, onRead](const std::string& data) {
    note("EFIS line");
    onRead(data);
  };

  pauseSteps[1] = [&] {
    platform.scheduler.advance(300);
    static_cast<testsupport::FakeSerialLink&>(link).feed(kEFISRecords[0]);
  };
  pauseSteps[2] = [&] { f2().CancelButton.click(); };
  const std::string text = exportEFIS("out.txt");

  EXPECT_EQ(platform.ui.pauses, 3);
  EXPECT_EQ(lineCount(text), 4);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_EQ(log, (std::vector<std::string>{"playback tick after it", "record tick after it",
                                           "EFIS line after it"}));
  EXPECT_FALSE(exporter().ConvertEFISFile);
  EXPECT_FALSE(f2().EFIS_ProgressBar.visible());
  EXPECT_TRUE(f2().EFIS_COMM.value());
  EXPECT_FALSE(f2().EFIS_ConvertFile.enabled());
  // CANCEL's own last step: the flag stays set until the next export.
  EXPECT_TRUE(app->ConvertAbort);
}

TEST_F(ExportPauses, ShutDownRequestEndsTheExportThenTheProgram) {
  pauseSteps[1] = [&] { f1().requestClose(); };
  const std::string text = exportEFIS("out.txt");
  EXPECT_EQ(lineCount(text), 3);
  EXPECT_TRUE(app->shell().lifecycle().shuttingDown());
  EXPECT_EQ(platform.ui.quits, 1);
}

}  // namespace
}  // namespace playbacktest
