// Choosing and loading playback files: the line rule, the CSV column cut,
// the counts and slider ranges a load leaves, and what a failed or
// cancelled load leaves.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "playback_fixture.h"

namespace playbacktest {
namespace {

using Loaders = PlaybackTest;
using Strings = std::vector<std::string>;

// What a load shows: the list's entries, every count label and every record
// slider's maximum of the device.
struct Shown {
  Strings entries;
  Strings counts;
  std::vector<std::int32_t> maxima;
  friend bool operator==(const Shown&, const Shown&) = default;
};

std::ostream& operator<<(std::ostream& os, const Shown& s) {
  os << "entries {";
  for (const auto& e : s.entries) {
    os << " \"";
    for (char c : e) {
      if (c == '\r')
        os << "\\r";
      else if (c == '\n')
        os << "\\n";
      else
        os << c;
    }
    os << "\"";
  }
  os << " } counts {";
  for (const auto& c : s.counts) os << " \"" << c << "\"";
  os << " } maxima {";
  for (auto m : s.maxima) os << " " << m;
  return os << " }";
}

// Every count caption and slider maximum of a device showing `count`.
Shown efisShows(Strings entries, const std::string& count, std::int32_t maximum) {
  return {std::move(entries), {count, count, count}, {maximum}};
}
Shown engineShows(Strings entries, const std::string& count, std::int32_t maximum) {
  return {std::move(entries), {count, count, count, count}, {maximum, maximum}};
}

class LoaderShown : public Loaders {
 protected:
  Shown efis() {
    return {entries(efisList().EntryList),
            {f2().EFIS_RecordCount.caption(), efisList().RecordCount.caption(), f1().RecordCount.caption()},
            {f1().DataPointerSlider.max()}};
  }
  Shown engine() {
    return {entries(engineList().EntryList),
            {f2().EMS_RecordCount.caption(), engineList().RecordCount.caption(), f4().RecordCount.caption(),
             f5().RecordCount.caption()},
            {f4().DataPointerSlider.max(), f5().DataPointerSlider.max()}};
  }
};

TEST_F(LoaderShown, EveryLineIsOneRecordByTheLineRule) {
  const std::string capture = efisRecord(0);  // 51 characters and CR, written CR CR LF
  struct Case {
    const char* name;
    std::string bytes;
    Strings records;
  };
  const std::vector<Case> cases = {
      {"CR LF", "ab\r\ncd\r\n", {"ab", "cd"}},
      {"lone CR", "ab\rcd\r", {"ab", "cd"}},
      {"CR CR LF keeps one CR", capture + "\r\n" + capture + "\r\n", {capture, capture}},
      {"CR CR CR LF", "ab\r\r\r\n", {"ab", "\r"}},
      {"LF inside a line", "a\nb\r\n\nc\r\n", {"a\nb", "\nc"}},
      {"empty lines", "\r\n\r\nx\r\n\r\n", {"", "", "x", ""}},
      {"last line without an end", "ab\r\ncd", {"ab", "cd"}},
      {"last line empty", "a\r\nb\r\n\r\n", {"a", "b", ""}},
      {"empty file", "", {}},
      {"LF-only file", "a\nb\n", {"a\nb\n"}},
      {"CR at the very end", "a\r\r", {"a", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    chooseEFIS(write("case.dat", c.bytes));
    const auto n = static_cast<std::int32_t>(c.records.size());
    EXPECT_EQ(efis(), efisShows(c.records, std::to_string(n), n == 0 ? 1 : n + 1));
    EXPECT_EQ(app->LoadedRecordCount, n);
    EXPECT_EQ(app->FileLine, n == 0 ? "" : c.records.back());
    // A file without records leaves CONVERT FILE disabled.
    EXPECT_EQ(f2().EFIS_ConvertFile.enabled(), n > 0);
    EXPECT_EQ(f1().DataFileName.caption(), "case.dat");
    EXPECT_EQ(f1().DataFileName.toolTip(), platform::joinPath(folder, "case.dat"));
  }
}

TEST_F(LoaderShown, CountsShowWithThousandsSeparators) {
  std::string bytes;
  for (int i = 0; i < 1234; ++i) bytes += efisRecord(i % 3600) + "\r\n";
  chooseEFIS(write("TBRC_EFIS_102612_14.DAT", bytes));
  const Shown shown = efis();
  EXPECT_EQ(shown.counts, Strings(3, "1,234"));
  EXPECT_EQ(shown.maxima, std::vector<std::int32_t>{1235});
  ASSERT_EQ(shown.entries.size(), 1234u);
  EXPECT_EQ(shown.entries[1233], efisRecord(1233));
}

// A data row: the field of the title's column less its first 3 and last byte.
TEST_F(LoaderShown, CsvColumnCut) {
  const std::string record = csvRecord();
  const std::string header = "Time,\"EMS raw data\",Other\r\n";
  struct Case {
    const char* name;
    const char* file;
    std::string bytes;
    Strings records;
  };
  const std::vector<Case> cases = {
      {"title in column 2 in quotes",
       "log.csv",
       header + "12:00,\"AB0123456789\",x\r\n12:01,\"AB" + record + "\",y\r\n",
       {"0123456789", record}},
      {"title after an untitled first row",
       "log.csv",
       "no title here\r\n" + header + "1,\"AB0123456789\",x\r\n",
       {"0123456789"}},
      {"title in column 1 is never found", "log.csv", "\"EMS raw data\",b\r\n1,\"AB0123456789\",x\r\n", {}},
      {"no header at all", "log.csv", "1,\"AB0123456789\",x\r\n", {}},
      {"CSV in capitals loads every line",
       "log.CSV",
       header + "1,\"AB0123456789\",x\r\n",
       {"Time,\"EMS raw data\",Other", "1,\"AB0123456789\",x"}},
      {"rows with too few commas add nothing",
       "log.csv",
       header + "short row\r\n\r\n1,\"AB0123456789\",x\r\n",
       {"0123456789"}},
      {"an empty field is cut from what follows",
       "log.csv",
       header + "1,,\"AB0123456789\",x\r\n",
       {"B0123456789"}},
      {"a field of four bytes gives an empty record", "log.csv", header + "1,\"AB\",x\r\n", {""}},
      {"a title in the 13 bytes after the comma",
       "log.csv",
       "a, EMS raw data,b\r\n1,\"AB0123456789\",x\r\n",
       {"0123456789"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    chooseEngine(write(c.file, c.bytes));
    const auto n = static_cast<std::int32_t>(c.records.size());
    EXPECT_EQ(engine(), engineShows(c.records, std::to_string(n), n == 0 ? 1 : n + 1));
    EXPECT_EQ(f4().DataFileName.caption(), c.file);
    EXPECT_EQ(f5().DataFileName.toolTip(), platform::joinPath(folder, c.file));
  }
  EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(LoaderShown, CsvFieldTooShortOrEndingItsRowStopsTheLoadWithError5) {
  const std::string header = "Time,\"EMS raw data\",Other\r\n";
  const std::string good = "1,\"AB0123456789\",x\r\n";
  for (const std::string bad : {"2,\"A\",x\r\n", "2,\"AB0123456789\"\r\n"}) {
    SCOPED_TRACE(bad);
    // An earlier file's counts and ranges.
    chooseEngine(write("before.dat", "a\r\nb\r\n"));
    ASSERT_EQ(engine(), engineShows({"a", "b"}, "2", 3));
    platform.messages.expect();
    const std::string path = write("log.csv", header + good + bad + good);
    chooseEngine(path);
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].text, "Error Reading INI file 5\r\n\r\nFilename > " + path);
    EXPECT_EQ(platform.messages.shown[0].buttons, platform::msg::OkOnly);
    platform.messages.shown.clear();
    // The records before the bad row stay listed; counts, names and ranges
    // are not brought up to date; the source stays a file.
    EXPECT_EQ(engine(), (Shown{{"0123456789"}, {"2", "2", "2", "2"}, {3, 3}}));
    EXPECT_EQ(app->LoadedRecordCount, 1);
    EXPECT_EQ(f2().EMS_DataFileName.caption(), "log.csv");
    EXPECT_EQ(f4().DataFileName.caption(), "before.dat");
    EXPECT_TRUE(f2().EMS_FILE.value());
    EXPECT_FALSE(f2().EMS_ConvertFile.enabled());
  }
  EXPECT_EQ(platform.messages.beeps, 2);
}

TEST_F(LoaderShown, TheEfisLoaderCutsACsvFileAsTheEngineLoaderDoes) {
  chooseEFIS(write("efis.csv", "Time,\"EMS raw data\",Other\r\n1,\"AB0123456789\",x\r\n"));
  EXPECT_EQ(efis(), efisShows({"0123456789"}, "1", 2));
}

// ---- failures

TEST_F(Loaders, MissingFileOrFolderClearsTheFileDisplaysAndTheEngineGoesBackToItsPort) {
  struct Case {
    const char* name;
    std::string path;
    std::string text;
  };
  const std::vector<Case> cases = {
      {"no such file", platform::joinPath(folder, "gone.dat"), "\r\n   File not Found"},
      {"no such folder", platform::joinPath(folder, "gone/x.dat"), "Path not found"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    chooseEngine(write("good.dat", dynonRecord() + "\r\n"));
    chooseEFIS(write("good.dat", efisRecord(1) + "\r\n"));
    ASSERT_TRUE(f4().FILE_OPS.visible());
    ASSERT_EQ(f1().RecordCount.caption(), "1");

    platform.messages.expect(2);
    chooseEFIS(c.path);
    chooseEngine(c.path);
    ASSERT_EQ(platform.messages.shown.size(), 2u);
    for (const auto& box : platform.messages.shown) {
      EXPECT_EQ(box.text, c.text + "\r\n\r\nFilename > " + c.path);
      EXPECT_EQ(box.title, "");
    }
    platform.messages.shown.clear();

    for (platform::Label* l :
         {&f2().EFIS_RecordCount, &efisList().RecordCount, &f1().RecordCount, &f1().DataFileName,
          &f2().EFIS_DataFileName, &f2().EMS_RecordCount, &engineList().RecordCount, &f4().RecordCount,
          &f5().RecordCount, &f4().DataFileName, &f5().DataFileName, &f2().EMS_DataFileName}) {
      EXPECT_EQ(l->caption(), "") << l->screen()->name() << "." << l->name();
    }
    for (platform::Label* l : {&f1().DataFileName, &f2().EFIS_DataFileName, &f4().DataFileName,
                               &f5().DataFileName, &f2().EMS_DataFileName})
      EXPECT_EQ(l->toolTip(), "") << l->screen()->name() << "." << l->name();
    EXPECT_EQ(efisList().EntryList.listCount(), 0);
    EXPECT_EQ(engineList().EntryList.listCount(), 0);
    // The EFIS stays on its file; the engine monitor goes back to its port,
    // which hides the engine player.
    EXPECT_TRUE(f2().EFIS_FILE.value());
    EXPECT_TRUE(f2().EMS_COMM.value());
    EXPECT_FALSE(f2().EMS_FILE.value());
    EXPECT_FALSE(f4().FILE_OPS.visible());
    // The slider ranges of the earlier file stay.
    EXPECT_EQ(f1().DataPointerSlider.max(), 2);
  }
  EXPECT_EQ(platform.messages.beeps, 4);
}

TEST_F(Loaders, CancelledDialogPutsTheCountBackAndLeavesConvertFileDisabled) {
  std::string bytes;
  for (int i = 0; i < 100; ++i) bytes += dynonRecord() + "\r\n";
  const std::string path = write("engine.dat", bytes);
  chooseEngine(path);
  ASSERT_EQ(app->LoadedRecordCount, 100);
  ASSERT_TRUE(f2().EMS_ConvertFile.enabled());

  chooseEngine(std::nullopt);
  EXPECT_EQ(app->LoadedRecordCount, 100);
  EXPECT_FALSE(f2().EMS_ConvertFile.enabled());
  EXPECT_EQ(f2().EMS_DataFileName.caption(), "engine.dat");
  EXPECT_EQ(f2().EMS_DataFileName.toolTip(), path);
  EXPECT_EQ(engineList().EntryList.listCount(), 100);
}

TEST_F(Loaders, PickersOpenTheirDialogInTheRecorderFolderOnTheSecondFilter) {
  chooseEFIS(std::nullopt);
  chooseEngine(std::nullopt);
  f2().GPS_FILE.setEnabled(true);
  f2().GPS_FILE.setValue(true);
  platform.dialogs.answers.push_back(std::nullopt);
  f2().GPS_DataFileName.click();
  ASSERT_EQ(platform.dialogs.requests.size(), 3u);
  const auto& r = platform.dialogs.requests;
  EXPECT_EQ(r[0].title, "EFIS FILE");
  EXPECT_EQ(r[0].filter, "All Files (*.*)|*.*|Data Files (*.dat)|*.dat|Text Files (*.txt)|*.txt|");
  EXPECT_EQ(r[1].title, "EMS FILE");
  EXPECT_EQ(r[1].filter,
            "All Files (*.*)|*.*|Data Files (*.dat)|*.dat|Text Files (*.txt)|*.txt|Dynon CSV (*.csv)|*.csv|");
  EXPECT_EQ(r[2].title, "GPS FILE");
  EXPECT_EQ(r[2].filter, "All Files (*.*)|*.*|Text Files (*.txt)|*.txt|");
  for (const auto& request : r) {
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_EQ(request.initialFolder, folder);
  }
  // The screen's dialog keeps the title of its last use.
  EXPECT_EQ(f2().CommonDialog1.title, "GPS FILE");
}

TEST_F(Loaders, AGpsFileIsOnlyRemembered) {
  chooseEFIS(write("efis.dat", efisRecord(0) + "\r\n"));
  ASSERT_EQ(app->LoadedRecordCount, 1);
  f2().GPS_FILE.setEnabled(true);
  f2().GPS_FILE.setValue(true);
  const std::string path = write("TBRC_GPS_102612_14.DAT", "$GPGGA\r\n");
  platform.dialogs.answers.push_back(path);
  f2().GPS_DataFileName.click();
  EXPECT_EQ(app->LoadedRecordCount, 0);
  EXPECT_EQ(f2().GPS_DataFileName.caption(), "TBRC_GPS_102612_14.DAT");
  EXPECT_EQ(f2().GPS_DataFileName.toolTip(), path);
  EXPECT_EQ(app->DataFileExtension, "DAT");
  EXPECT_EQ(app->DataFileFolder, folder);
  EXPECT_EQ(app->DataFileNameOnly, "TBRC_GPS_102612_14.DAT");
  EXPECT_FALSE(f2().GPS_ConvertFile.enabled());
  // The EFIS list keeps its file.
  EXPECT_EQ(efisList().EntryList.listCount(), 1);
}

// ---- what was loaded stays as loaded

TEST_F(Loaders, LoadedRecordsStayWhenTheFileIsDeletedReplacedOrSavedOver) {
  std::string bytes;
  for (int i = 0; i < 5; ++i) bytes += efisRecord(i) + "\r\n";
  const std::string path = write("TBRC_EFIS_102612_14.DAT", bytes);
  const std::string other = write("other.dat", "something else entirely\r\n");

  chooseEFIS(path);
  ASSERT_EQ(efisRecords().count(), 5);
  std::remove(path.c_str());
  EXPECT_EQ(efisRecords().record(4), efisRecord(4));

  chooseEFIS(write("TBRC_EFIS_102612_14.DAT", bytes));
  // Replaced under its name: a new file renamed into place.
  ASSERT_EQ(std::rename(other.c_str(), path.c_str()), 0);
  EXPECT_EQ(efisRecords().record(0), efisRecord(0));
  EXPECT_EQ(entries(efisList().EntryList).back(), efisRecord(4));
}

TEST_F(Loaders, BytesCutOffByAnotherProgramReadAsMissing) {
  std::string bytes;
  for (int i = 0; i < 5; ++i) bytes += efisRecord(i) + "\r\n";
  const std::string path = write("cut.dat", bytes);
  chooseEFIS(path);
  ASSERT_EQ(efisRecords().count(), 5);
  ASSERT_EQ(::truncate(path.c_str(), 54 * 2 + 10), 0);
  EXPECT_EQ(efisRecords().record(1), efisRecord(1));
  EXPECT_EQ(efisRecords().record(2), efisRecord(2).substr(0, 10));
  EXPECT_EQ(efisRecords().record(4), "");
  // Playing them decodes what is there and carries on.
  f1().DataPointerSlider.setValue(5);
  app->recorder().UpdateEFISRecordedData();
  EXPECT_EQ(f1().RecordPointer.caption(), "5");
}

}  // namespace
}  // namespace playbacktest
