// The recorder folder's file manager on a temporary recorder folder: the
// classes of file names, the listing with its counts, sizes and tips, the
// sort orders, purge plans, the purge and DELETE FILE with their failures.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/app.h"
#include "platform/files.h"
#include "recorder/folder_manager.h"
#include "recorder/form6.h"
#include "recorder/recorder.h"
#include "shell/form1.h"
#include "support/test_platform.h"

namespace {

using recorder::ListedFile;
using recorder::PurgeLimit;
using Strings = std::vector<std::string>;

constexpr std::uint64_t kGB = 1'000'000'000;

TEST(FileClass, ByNamePrefixCaseSensitiveFirstMatchWins) {
  const std::vector<std::pair<const char*, const char*>> table = {
      {"TBRC_EFIS_101908_14.DAT", "EFIS"},
      {"TBRC_EMS_101908_14.DAT", "EMS"},
      {"TBRC_GPS_101908_14.DAT", "GPS"},
      {"TBRC_101908.TXT", "TXT"},
      {"TBRC_EFIS_notes.TXT", "EFIS"},
      {"TBRC_101908.txt", ""},
      {"tbrc_EFIS_101908_14.DAT", ""},
      {"TBRC_.TXT", "TXT"},
      {"TBRC_EMS.DAT", ""},
      {"TBRC_101908.TXT.bak", ""},
      {"export.TXT", ""},
      {"", ""},
  };
  for (const auto& [name, type] : table) EXPECT_EQ(recorder::fileClass(name), type) << name;
}

TEST(PurgePlan, KeepsTheNewestFilesUpToTheOneThatPassesTheLimit) {
  // Newest first: a larger createdAt is newer.
  const auto files = [](const char* type, std::vector<std::uint64_t> sizes) {
    std::vector<ListedFile> out;
    for (std::size_t i = 0; i < sizes.size(); ++i)
      out.push_back(
          {std::string(type) + std::to_string(i), type, sizes[i], static_cast<std::int64_t>(100 - i)});
    return out;
  };
  struct Case {
    const char* name;
    std::vector<ListedFile> files;
    std::vector<PurgeLimit> limits;
    Strings doomed;
  };
  const std::vector<Case> cases = {
      {"the second file crosses 1 GB: it stays, older ones go",
       files("EFIS", {600'000'000, 600'000'000, 600'000'000, 600'000'000}),
       {{"EFIS", 1, 2.4, 1e9}},
       {"EFIS2", "EFIS3"}},
      {"a limit equal to the shown size leaves the class alone",
       files("EFIS", {500'000'000, 500'000'000}),
       {{"EFIS", 1, 1.0, 1e9}},
       {}},
      {"totals above 2 GB",
       files("TXT", {1'500'000'000, 1'500'000'000, 1'500'000'000, 1'500'000'000}),
       {{"TXT", 2, 6.0, 1e9}},
       {"TXT2", "TXT3"}},
      {"a limit that is not a positive number (text reads 0) leaves the class alone",
       files("EMS", {5'000'000, 5'000'000}),
       {{"EMS", 0, 10.0, 1e6}, {"EMS", -1, 10.0, 1e6}},
       {}},
      {"megabyte classes, each by its own limit, in the order given",
       [&] {
         auto v = files("GPS", {4'000'000, 4'000'000, 4'000'000});
         for (auto& f : files("EMS", {6'000'000, 6'000'000})) v.push_back(f);
         return v;
       }(),
       {{"EMS", 5, 12.0, 1e6}, {"GPS", 5, 12.0, 1e6}},
       {"EMS1", "GPS2"}},
      {"files without a class are never purged",
       {{"a.txt", "", 5 * kGB, 1}, {"b.txt", "", 5 * kGB, 0}},
       {{"", 1, 10.0, 1e9}, {"EFIS", 1, 10.0, 1e9}},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(recorder::purgePlan(c.files, c.limits), c.doomed);
  }
}

// The walk goes by real creation time, whatever order the list is in.
TEST(PurgePlan, WalksByCreationTimeNotByListOrder) {
  const std::vector<ListedFile> files = {{"old", "EFIS", 600'000'000, 1},
                                         {"newest", "EFIS", 600'000'000, 3},
                                         {"middle", "EFIS", 600'000'000, 2}};
  const std::vector<PurgeLimit> limit = {{"EFIS", 0.5, 1.8, 1e9}};
  EXPECT_EQ(recorder::purgePlan(files, limit), (Strings{"middle", "old"}));
}

class FolderManagerTest : public testsupport::AppTest {
 protected:
  FolderManagerTest() : folder(homeDir.path() + "/records") {
    platform::createFolder(folder);
    app->form1().RecorderFolderName.setCaption(folder);
  }
  recorder::Form6& f6() { return app->form6(); }
  recorder::FolderManager& manager() { return app->recorder().folderManager(); }

  std::string path(const std::string& name) const { return folder + "/" + name; }
  // A file of `size` bytes (sparse), created after every file made before it
  // by the file system's clock: the wait ends when the clock has moved on.
  void make(const std::string& name, std::uint64_t size) {
    for (;;) {
      testsupport::writeFile(path(name), "");
      std::filesystem::resize_file(path(name), size);
      std::int64_t created = 0;
      for (const platform::FolderEntry& e : platform::listFolder(folder))
        if (e.name == name) created = e.createdAt;
      if (created > lastCreated_) {
        lastCreated_ = created;
        return;
      }
      std::filesystem::remove(path(name));
    }
  }
  Strings column(int c) {
    Strings out;
    for (const auto& item : f6().ListView1.items())
      out.push_back(c == 0 ? item.text : item.subItems.at(static_cast<std::size_t>(c - 1)));
    return out;
  }
  Strings counts() {
    recorder::Form6& f = f6();
    return {f.EFISFiles.caption(),   f.EMSFiles.caption(),     f.GPSFiles.caption(),
            f.TXTFiles.caption(),    f.EFISFileSize.caption(), f.EMSFileSize.caption(),
            f.GPSFileSize.caption(), f.TXTFileSize.caption(),  f.EFISFileSize.toolTip(),
            f.EMSFileSize.toolTip(), f.GPSFileSize.toolTip(),  f.TXTFileSize.toolTip()};
  }
  std::vector<platform::OleColor> colours() {
    std::vector<platform::OleColor> out;
    for (const auto& c : f6().ListView1.columns()) out.push_back(c.foreColor);
    return out;
  }
  void select(const std::string& name) {
    const auto& items = f6().ListView1.items();
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i].text == name) f6().ListView1.setSelectedItem(static_cast<int>(i));
  }

  std::string folder;

 private:
  std::int64_t lastCreated_ = 0;
};

constexpr platform::OleColor kBlack = platform::color::Black;
constexpr platform::OleColor kBlue = platform::color::Blue;

// Within a class the files come in creation order (the CREATED text, to the
// second; files of one second stay in the folder's name order).
TEST_F(FolderManagerTest, ListingOrdersByClassThenCreationWithCountsSizesAndTips) {
  make("TBRC_101908.TXT", 100);
  make("TBRC_101908.txt", 50);
  make("other.csv", 5);
  make("TBRC_EFIS_101908_14.DAT", 2'500'000'000);
  make("TBRC_EFIS_101908_15.DAT", 1500);
  make("TBRC_GPS_101908_14.DAT", 10);
  make("TBRC_EMS_101908_14.DAT", 1'234'567);
  platform::createFolder(path("sub"));
  manager().Command1_Click();

  EXPECT_EQ(column(0),
            (Strings{"TBRC_101908.txt", "other.csv", "TBRC_EFIS_101908_14.DAT", "TBRC_EFIS_101908_15.DAT",
                     "TBRC_EMS_101908_14.DAT", "TBRC_GPS_101908_14.DAT", "TBRC_101908.TXT"}));
  EXPECT_EQ(column(1), (Strings{"", "", "EFIS", "EFIS", "EMS", "GPS", "TXT"}));
  EXPECT_EQ(column(3), (Strings{"50", "5", "2500000000", "1500", "1234567", "10", "100"}));
  for (const std::string& created : column(2)) {
    EXPECT_EQ(created.size(), 19u) << created;
    EXPECT_EQ(created.substr(4, 1) + created.substr(7, 1) + created.substr(10, 1) + created.substr(13, 1) +
                  created.substr(16, 1),
              "-- ::")
        << created;
  }
  EXPECT_EQ(counts(),
            (Strings{"2", "1", "1", "1", "2.500", "1.235", "0.000", "0.000", "TOTAL > 2,500,001,500 k",
                     "TOTAL > 1,234,567 k", "TOTAL > 10 k", "TOTAL > 100 k"}));
  // The list ends sorted by TYPE, shown in blue.
  EXPECT_EQ(manager().SortColumn, 1);
  EXPECT_EQ(f6().ListView1.sortKey(), 1);
  EXPECT_EQ(colours(), (std::vector<platform::OleColor>{kBlack, kBlue, kBlack, kBlack}));
}

TEST_F(FolderManagerTest, EmptyOrMissingFolderShowsZeroes) {
  for (const std::string& caption : {folder, folder + "/missing"}) {
    SCOPED_TRACE(caption);
    app->form1().RecorderFolderName.setCaption(caption);
    manager().populatedirectory();
    EXPECT_EQ(f6().ListView1.itemCount(), 0);
    EXPECT_EQ(counts(), (Strings{"0", "0", "0", "0", "0.000", "0.000", "0.000", "0.000", "TOTAL >  k",
                                 "TOTAL >  k", "TOTAL >  k", "TOTAL >  k"}));
  }
}

// SortColumns sorts ascending; a header click sorts ascending, or the other
// way round on the column sorted by already, and leaves SortColumn alone.
TEST_F(FolderManagerTest, HeaderClicksSortAscendingThenReverseAndColourTheirColumn) {
  make("b.DAT", 10);
  make("A.DAT", 9);
  make("c.DAT", 100);
  manager().populatedirectory();
  struct Click {
    int header;
    Strings names;
  };
  for (const Click& c : {Click{4, {"A.DAT", "b.DAT", "c.DAT"}}, Click{4, {"c.DAT", "b.DAT", "A.DAT"}},
                         Click{1, {"A.DAT", "b.DAT", "c.DAT"}}, Click{1, {"c.DAT", "b.DAT", "A.DAT"}},
                         Click{1, {"A.DAT", "b.DAT", "c.DAT"}}}) {
    f6().ListView1.userColumnClick(c.header);
    EXPECT_EQ(column(0), c.names) << "header " << c.header;
    std::vector<platform::OleColor> want(4, kBlack);
    want[static_cast<std::size_t>(c.header - 1)] = kBlue;
    EXPECT_EQ(colours(), want);
  }
  EXPECT_EQ(manager().SortColumn, 1);
  f6().ListView1.userColumnClick(4);
  f6().ListView1.userColumnClick(4);
  manager().SortColumn = 3;
  manager().SortColumns();
  EXPECT_EQ(column(0), (Strings{"A.DAT", "b.DAT", "c.DAT"}));
}

// A purge by the labels' limits: read-only files and files gone since the
// listing are skipped, the rest goes, one message tells of the first file
// that could not be deleted.
TEST_F(FolderManagerTest, PurgeKeepsTheNewestFilesAndSkipsWhatItCannotDelete) {
  for (const char* name :
       {"TBRC_EFIS_1.DAT", "TBRC_EFIS_2.DAT", "TBRC_EFIS_3.DAT", "TBRC_EFIS_4.DAT", "TBRC_EFIS_5.DAT"})
    make(name, 600'000'000);
  make("TBRC_EMS_1.DAT", 4'000'000);
  make("TBRC_EMS_2.DAT", 4'000'000);
  make("TBRC_101908.TXT", 100);
  manager().populatedirectory();
  f6().SaveEFISCaptureFileSize.setCaption("1");
  f6().SaveEMSCaptureFileSize.setCaption("5");
  f6().SaveGPSCaptureFileSize.setCaption("5");
  f6().SaveExcelDataFileSize.setCaption("none");
  ::chmod(path("TBRC_EFIS_2.DAT").c_str(), 0444);
  std::filesystem::remove(path("TBRC_EFIS_1.DAT"));
  platform.messages.expect();
  manager().PurgeFilesButton_Click();

  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown[0].text,
            "Permission denied\r\n\r\nFilename > " + path("TBRC_EFIS_2.DAT"));
  EXPECT_EQ(platform.messages.shown[0].buttons, platform::msg::OkOnly);
  EXPECT_EQ(platform.messages.shown[0].title, "");
  EXPECT_EQ(platform.messages.beeps, 1);
  EXPECT_EQ(column(0), (Strings{"TBRC_EFIS_2.DAT", "TBRC_EFIS_4.DAT", "TBRC_EFIS_5.DAT", "TBRC_EMS_1.DAT",
                                "TBRC_EMS_2.DAT", "TBRC_101908.TXT"}));
}

TEST_F(FolderManagerTest, DeleteFileAsksThenDeletesExactlyTheSelectedFile) {
  for (const char* name : {"a*b", "ab", "aXb"}) make(name, 1);
  manager().populatedirectory();
  const auto ask = [&](const std::string& name) {
    return testsupport::ScriptedMessageBoxes::Box{"DELETE -  " + name + "\r\n\r\nDo you want to continue ?",
                                                  276, "DELETE FILE"};
  };

  select("a*b");
  platform.messages.expect(1, platform::msg::ResultNo);
  manager().DeleteFileButton_Click();
  EXPECT_EQ(column(0), (Strings{"a*b", "aXb", "ab"}));

  select("a*b");
  platform.messages.expect(1, platform::msg::ResultYes);
  manager().DeleteFileButton_Click();
  EXPECT_EQ(column(0), (Strings{"aXb", "ab"}));

  // Nothing selected: the question names no file and Yes deletes nothing.
  platform.messages.expect(1, platform::msg::ResultYes);
  manager().DeleteFileButton_Click();
  EXPECT_EQ(column(0), (Strings{"aXb", "ab"}));
  EXPECT_TRUE(platform::folderExists(folder));

  // A read-only file stays, without a message.
  ::chmod(path("ab").c_str(), 0444);
  select("ab");
  platform.messages.expect(1, platform::msg::ResultYes);
  manager().DeleteFileButton_Click();
  EXPECT_EQ(column(0), (Strings{"aXb", "ab"}));

  ASSERT_EQ(platform.messages.shown.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    const auto want = ask(i < 2 ? "a*b" : i == 2 ? "" : "ab");
    EXPECT_EQ(platform.messages.shown[i].text, want.text);
    EXPECT_EQ(platform.messages.shown[i].buttons, want.buttons);
    EXPECT_EQ(platform.messages.shown[i].title, want.title);
  }
}

TEST_F(FolderManagerTest, RefreshListsNewFilesAndReturnGoesToTheMainWindow) {
  manager().populatedirectory();
  make("TBRC_GPS_1.DAT", 3);
  f6().Command1.click();
  EXPECT_EQ(column(0), Strings{"TBRC_GPS_1.DAT"});
  f6().show();
  f6().ReturnButton.click();
  EXPECT_FALSE(f6().visible());
  EXPECT_TRUE(app->form1().visible());
}

}  // namespace
