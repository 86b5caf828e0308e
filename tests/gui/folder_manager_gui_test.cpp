// The file manager through its real widgets: the listing on screen, a click
// on a column header, PURGE FILES, and DELETE FILE on a clicked row with its
// question answered. Screenshots after the listing, the column click and the
// purge.

#include <gtest/gtest.h>

#include <cstdlib>
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

class FolderWidgets : public guitest::ProgramFolder {
 protected:
  void SetUp() override {
    ProgramFolder::SetUp();
    ASSERT_TRUE(home.isValid());
    oldHome_ = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", home.path().toLocal8Bit().constData(), 1);
    records = home.path().toStdString() + "/records";
    platform::createFolder(records);
    app = std::make_unique<App>(services());
    app->form1().RecorderFolderName.setCaption(records);
  }
  void TearDown() override {
    app.reset();
    setenv("HOME", oldHome_.c_str(), 1);
    ProgramFolder::TearDown();
  }
  void make(const std::string& name, std::uintmax_t size) {
    testsupport::writeFile(records + "/" + name, "");
    std::filesystem::resize_file(records + "/" + name, size);
  }
  template <class W>
  W* find(const char* name) {
    QWidget* top = ui.windowOf(app->form6())->widgetUpToDate();
    return top ? top->findChild<W*>(QString::fromLatin1(name)) : nullptr;
  }
  std::vector<std::string> shownNames(QTreeView* view) {
    std::vector<std::string> out;
    for (int r = 0; r < view->model()->rowCount(); ++r)
      out.push_back(view->model()->index(r, 0).data().toString().toStdString());
    return out;
  }

  QTemporaryDir home;
  std::string oldHome_;
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
  auto* view = find<QTreeView>("ListView1");
  ASSERT_NE(view, nullptr);
  ASSERT_EQ(view->model()->rowCount(), 8);
  EXPECT_EQ(view->model()->index(2, 1).data().toString(), QStringLiteral("EFIS"));
  EXPECT_EQ(view->model()->index(2, 1).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 255));
  EXPECT_EQ(view->model()->index(2, 0).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 0));
  EXPECT_TRUE(guitest::saveShot(f6, QStringLiteral("form6_listing")));

  // SIZE: the header clicked, the rows by size as numbers.
  QHeaderView* header = view->header();
  const QPoint sizeHeader(header->sectionViewportPosition(3) + header->sectionSize(3) / 2, header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, sizeHeader);
  guitest::processPending();
  EXPECT_EQ(shownNames(view), (std::vector<std::string>{"notes.csv", "TBRC_101908.txt", "TBRC_GPS_101908_14.DAT",
                                                        "TBRC_101908.TXT", "TBRC_EMS_101908_14.DAT",
                                                        "TBRC_EFIS_101901_14.DAT", "TBRC_EFIS_101902_14.DAT",
                                                        "TBRC_EFIS_101903_14.DAT"}));
  EXPECT_EQ(view->model()->index(0, 3).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 255));
  EXPECT_TRUE(guitest::saveShot(f6, QStringLiteral("form6_column_click")));

  // PURGE FILES: the two newest EFIS files stay (the second passes 1 GB).
  auto* purge = find<QPushButton>("PurgeFilesButton");
  ASSERT_NE(purge, nullptr);
  QTest::mouseClick(purge, Qt::LeftButton);
  guitest::processPending();
  EXPECT_EQ(view->model()->rowCount(), 7);
  EXPECT_EQ(f6.EFISFiles.caption(), "2");
  EXPECT_EQ(f6.EFISFileSize.caption(), "1.200");
  EXPECT_TRUE(boxes.texts.empty());
  EXPECT_TRUE(guitest::saveShot(f6, QStringLiteral("form6_purge")));

  // DELETE FILE on a clicked row; the question is answered Yes.
  std::vector<std::string> names = shownNames(view);
  const auto row = static_cast<int>(std::find(names.begin(), names.end(), "notes.csv") - names.begin());
  ASSERT_LT(row, 7);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(row, 0)).center());
  auto* remove = find<QPushButton>("DeleteFileButton");
  ASSERT_NE(remove, nullptr);
  QTest::mouseClick(remove, Qt::LeftButton);
  guitest::processPending();
  ASSERT_EQ(boxes.texts.size(), 1u);
  EXPECT_EQ(boxes.texts[0], "DELETE -  notes.csv\r\n\r\nDo you want to continue ?");
  EXPECT_FALSE(platform::fileExists(records + "/notes.csv"));
  EXPECT_EQ(view->model()->rowCount(), 6);
}

}  // namespace
