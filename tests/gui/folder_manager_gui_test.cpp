// The file manager through its real widgets: the listing on screen, a click
// on a column header, PURGE FILES, and DELETE FILE on a clicked row with its
// question answered. Screenshots after the listing, the column click and the
// purge.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "app/app.h"
#include "gui_support.h"
#include "platform/files.h"
#include "recorder/form6.h"
#include "recorder/recorder.h"
#include "shell/form1.h"
#include "support/test_platform.h"

namespace {

// The recorder folder lies in the temporary home folder.
class FolderWidgets : public guitest::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    records = folder.path().toStdString() + "/records";
    platform::createFolder(records);
    app = std::make_unique<App>(services());
    app->form1().RecorderFolderName.setCaption(records);
  }
  void TearDown() override {
    app.reset();
    WindowTest::TearDown();
  }
  void make(const std::string& name, std::uintmax_t size) {
    testsupport::writeFile(records + "/" + name, "");
    std::filesystem::resize_file(records + "/" + name, size);
  }
  std::vector<std::string> shownNames(QTreeView* view) {
    std::vector<std::string> out;
    for (int r = 0; r < view->model()->rowCount(); ++r)
      out.push_back(view->model()->index(r, 0).data().toString().toStdString());
    return out;
  }

  std::string records;
  std::unique_ptr<App> app;
};

TEST_F(FolderWidgets, ListingColumnClickPurgeAndDeleteOnScreen) {
  // Capture files of three classes, record files and others: 1.8 GB of EFIS
  // files against a limit of 1, made oldest first.
  for (int i = 1; i <= 3; ++i) make("TBRC_EFIS_10190" + std::to_string(i) + "_14.DAT", 600'000'000);
  make("TBRC_EMS_101908_14.DAT", 2'345'678);
  make("TBRC_GPS_101908_14.DAT", 45'678);
  make("TBRC_101908.TXT", 123'456);
  make("TBRC_101908.txt", 99);
  make("notes.csv", 7);
  recorder::Form6& f6 = app->form6();
  f6.SaveEFISCaptureFileSize.setCaption("1");
  app->recorder().populatedirectory();
  f6.show();
  guitest::processPending();
  auto* view = find<QTreeView>(f6, "ListView1");
  ASSERT_NE(view, nullptr);
  ASSERT_EQ(view->model()->rowCount(), 8);
  EXPECT_EQ(view->model()->index(2, 1).data().toString(), QStringLiteral("EFIS"));
  EXPECT_EQ(view->model()->index(2, 1).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 255));
  EXPECT_EQ(view->model()->index(2, 0).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 0));
  shot(f6, "form6_listing");

  // SIZE: the header clicked, the rows by size as numbers.
  QHeaderView* header = view->header();
  const QPoint sizeHeader(header->sectionViewportPosition(3) + header->sectionSize(3) / 2,
                          header->height() / 2);
  click(header->viewport(), sizeHeader);
  EXPECT_EQ(shownNames(view),
            (std::vector<std::string>{"notes.csv", "TBRC_101908.txt", "TBRC_GPS_101908_14.DAT",
                                      "TBRC_101908.TXT", "TBRC_EMS_101908_14.DAT", "TBRC_EFIS_101901_14.DAT",
                                      "TBRC_EFIS_101902_14.DAT", "TBRC_EFIS_101903_14.DAT"}));
  EXPECT_EQ(view->model()->index(0, 3).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 255));
  shot(f6, "form6_column_click");

  // PURGE FILES: the two newest EFIS files stay (the second passes 1 GB).
  click(find<QPushButton>(f6, "PurgeFilesButton"));
  EXPECT_EQ(view->model()->rowCount(), 7);
  EXPECT_EQ(f6.EFISFiles.caption(), "2");
  EXPECT_EQ(f6.EFISFileSize.caption(), "1.200");
  EXPECT_TRUE(boxes.texts.empty());
  shot(f6, "form6_purge");

  // DELETE FILE on a clicked row; the question is answered Yes.
  std::vector<std::string> names = shownNames(view);
  const auto row = static_cast<int>(std::find(names.begin(), names.end(), "notes.csv") - names.begin());
  ASSERT_LT(row, 7);
  click(view->viewport(), view->visualRect(view->model()->index(row, 0)).center());
  click(find<QPushButton>(f6, "DeleteFileButton"));
  ASSERT_EQ(boxes.texts.size(), 1u);
  EXPECT_EQ(boxes.texts[0], "DELETE -  notes.csv\r\n\r\nDo you want to continue ?");
  EXPECT_FALSE(platform::fileExists(records + "/notes.csv"));
  EXPECT_EQ(view->model()->rowCount(), 6);
}

}  // namespace
