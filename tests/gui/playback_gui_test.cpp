// Loading and playing files through the real widgets: the playback file
// label with a scripted dialog answer, the speed slider and buttons, a drag
// of the record slider, the record lists scrolled to their end and clicked,
// and the file dialog's filters, which match names regardless of case.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "app/app.h"
#include "config/config.h"
#include "gui_support.h"
#include "platform/files.h"
#include "platform/qt/file_dialogs.h"
#include "platform/qt/list_box_view.h"
#include "recorder/form15.h"
#include "recorder/form7.h"
#include "screens/form4.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "shell/lifecycle.h"
#include "shell/shell.h"
#include "support/test_platform.h"

namespace {

// An EFIS record as the link delivers it, one second of its own for each i.
std::string efisLine(int i) {
  const auto twoDigits = [](int v) {
    return std::string{static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10)};
  };
  return "14" + twoDigits(5 + i / 60) + twoDigits(i % 60) + "32-053-0127123051401000-015-02010050000004A2C\r";
}

class PlaybackWidgets : public guitest::ProgramFolder {
 protected:
  void SetUp() override {
    ProgramFolder::SetUp();
    ASSERT_TRUE(home.isValid());
    oldHome_ = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", home.path().toLocal8Bit().constData(), 1);
    records = home.path().toStdString() + "/records";
    platform::createFolder(records);
    app = std::make_unique<App>(Services{scheduler, clock, boxes, dialogs, tray, serial, ui});
    app->form1().RecorderFolderName.setCaption(records);
    // The main window's timers run, the 250 ms supervisor among them, as
    // once the program has started.
    app->shell().lifecycle().startTimers();
  }
  void TearDown() override {
    app.reset();
    setenv("HOME", oldHome_.c_str(), 1);
    ProgramFolder::TearDown();
  }

  std::string write(const std::string& name, const std::string& bytes) {
    const std::string path = records + "/" + name;
    testsupport::writeFile(path, bytes);
    return path;
  }
  QWidget* top(platform::Screen& s) {
    platform::qt::ScreenWindow* w = ui.windowOf(s);
    return w ? w->widgetUpToDate() : nullptr;
  }
  template <class W>
  W* find(platform::Screen& s, const char* name) {
    QWidget* t = top(s);
    return t ? t->findChild<W*>(QString::fromLatin1(name)) : nullptr;
  }
  static QPoint handleCentre(QSlider* slider) {
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.pageStep = slider->pageStep();
    option.singleStep = slider->singleStep();
    return slider->style()
        ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
        .center();
  }
  // The file label clicked on the settings screen, the dialog answered with `path`.
  void pick(platform::Label& label, const std::string& path) {
    dialogs.answers.push_back(path);
    app->form2().show();
    guitest::processPending();
    QLabel* widget = find<QLabel>(app->form2(), label.name().c_str());
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton);
    guitest::processPending();
  }

  QTemporaryDir home;
  std::string oldHome_;
  std::string records;
  testsupport::ScriptedFileDialogs dialogs;
  std::unique_ptr<App> app;
};

TEST_F(PlaybackWidgets, LabelClickLoadsThenTheSpeedControlsAndADragPlayIt) {
  std::string bytes;
  for (int i = 0; i < 500; ++i) bytes += efisLine(i) + "\r\n";
  const std::string path = write("TBRC_EFIS_102612_14.DAT", bytes);
  settings::Form2& f2 = app->form2();
  shell::Form1& f1 = app->form1();
  f2.EFIS_FILE.setValue(true);
  pick(f2.EFIS_DataFileName, path);
  EXPECT_EQ(f2.EFIS_DataFileName.caption(), "TBRC_EFIS_102612_14.DAT");
  EXPECT_EQ(f2.EFIS_RecordCount.caption(), "500");
  EXPECT_EQ(f1.DataPointerSlider.max(), 501);
  EXPECT_EQ(dialogs.requests.at(0).title, "EFIS FILE");

  // The main window with its player, as applying the settings shows it.
  app->config().UpdateNow_Click();
  f2.hide();
  f1.show();
  guitest::processPending();
  ASSERT_TRUE(f1.FILE_OPS.visible());

  // The speed slider: a press and a release on its handle each apply its position.
  auto* speed = find<QSlider>(f1, "PlaybackSpeed");
  ASSERT_NE(speed, nullptr);
  f1.PlaybackSpeed.setValue(5);
  guitest::processPending();
  QTest::mousePress(speed, Qt::LeftButton, {}, handleCentre(speed));
  EXPECT_TRUE(f1.PlaybackSpeedTimer.enabled());
  EXPECT_EQ(f1.PlaybackSpeedTimer.interval(), 250);
  f1.PlaybackSpeed.setValue(0);
  guitest::processPending();
  QTest::mouseRelease(speed, Qt::LeftButton, {}, handleCentre(speed));
  EXPECT_FALSE(f1.PlaybackSpeedTimer.enabled());
  EXPECT_EQ(f1.PlaybackSpeedTimer.interval(), 1000);

  // The three buttons.
  const struct {
    const char* name;
    int position;
    bool enabled;
    int interval;
  } buttons[] = {{"MedSpeedButton", 4, true, 500},
                 {"StopSpeedButton", 0, false, 1000},
                 {"FastSpeedButton", 9, true, 25}};
  for (const auto& b : buttons) {
    auto* button = find<QPushButton>(f1, b.name);
    ASSERT_NE(button, nullptr) << b.name;
    QTest::mouseClick(button, Qt::LeftButton);
    guitest::processPending();
    EXPECT_EQ(f1.PlaybackSpeed.value(), b.position) << b.name;
    EXPECT_EQ(speed->value(), b.position) << b.name;
    EXPECT_EQ(f1.PlaybackSpeedTimer.enabled(), b.enabled) << b.name;
    EXPECT_EQ(f1.PlaybackSpeedTimer.interval(), b.interval) << b.name;
  }
  // FAST plays on: wait for a few records to go by.
  ASSERT_TRUE(guitest::processUntil([&] { return f1.DataPointerSlider.value() >= 20; }, 30000))
      << "waited for the player to reach record 20";
  EXPECT_EQ(f1.DataParseCorrectly.fillColor(), platform::color::BrightGreen);
  EXPECT_TRUE(guitest::saveShot(f1, QStringLiteral("playback_main_window_playing")));
  QTest::mouseClick(find<QPushButton>(f1, "StopSpeedButton"), Qt::LeftButton);
  guitest::processPending();

  // A drag of the record slider: the supervisor shows the record under it.
  auto* slider = find<QSlider>(f1, "DataPointerSlider");
  ASSERT_NE(slider, nullptr);
  const int before = f1.DataPointerSlider.value();
  const QPoint from = handleCentre(slider);
  QTest::mousePress(slider, Qt::LeftButton, {}, from);
  QTest::mouseMove(slider, from + QPoint(slider->width() / 3, 0));
  QTest::mouseRelease(slider, Qt::LeftButton, {}, from + QPoint(slider->width() / 3, 0));
  const int dragged = f1.DataPointerSlider.value();
  EXPECT_GT(dragged, before + 50);
  ASSERT_TRUE(
      guitest::processUntil([&] { return f1.RecordPointer.caption() == std::to_string(dragged); }, 30000))
      << "waited for the supervisor to show record " << dragged;
  EXPECT_EQ(app->EFISLine, efisLine(dragged - 1));
}

TEST_F(PlaybackWidgets, ListsScrollToTheirEndAndAClickedEngineRecordIsDecoded) {
  // A large EFIS file with long lines, viewed scrolled sideways and to its end.
  std::string bytes;
  const int lines = 200000;
  for (int i = 0; i < lines; ++i)
    bytes += i % 1000 == 999 ? efisLine(i % 3600).substr(0, 51) + std::string(180, '#') + "\r\n"
                             : efisLine(i % 3600) + "\r\n";
  settings::Form2& f2 = app->form2();
  f2.EFIS_FILE.setValue(true);
  pick(f2.EFIS_DataFileName, write("TBRC_EFIS_102612_15.DAT", bytes));
  recorder::form15& efis = app->form15();
  efis.show();
  guitest::processPending();
  auto* list = find<platform::qt::VirtualList>(efis, "EntryList");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->rowCount(), lines);
  list->setFocus();
  QTest::keyClick(list, Qt::Key_End);
  EXPECT_EQ(efis.EntryList.listIndex(), lines - 1);
  // The widest line reaches past the list's width: scrolled sideways, the
  // ends of the records and the long line show together.
  QScrollBar* sideways = list->horizontalScrollBar();
  ASSERT_GT(sideways->maximum(), 200);
  sideways->setValue(200);
  guitest::processPending();
  EXPECT_EQ(list->rowText(lines - 1).left(6),
            QString::fromStdString(efisLine((lines - 1) % 3600).substr(0, 6)));
  EXPECT_TRUE(guitest::saveShot(efis, QStringLiteral("playback_form15_end_sideways")));

  // The engine list: scrolled to its end with the scroll bar, a click on an entry.
  std::string engine;
  for (int i = 0; i < 3000; ++i)
    engine += "123045072992212045045138-05" + std::to_string(100 + i % 900) +
              "1250356180175GP1 12.5GP2100.0GP3  0.00350136013801400140115001501380425426450451400ZZZZZZ\r\n";
  f2.EMS_FILE.setValue(true);
  pick(f2.EMS_DataFileName, write("TBRC_EMS_102612_15.DAT", engine));
  recorder::form7& ems = app->form7();
  ems.show();
  guitest::processPending();
  auto* engineList = find<platform::qt::VirtualList>(ems, "EntryList");
  ASSERT_NE(engineList, nullptr);
  engineList->verticalScrollBar()->setValue(engineList->verticalScrollBar()->maximum());
  guitest::processPending();
  const int row = engineList->rowCount() - 2;
  const QRect rect = engineList->rowRect(row);
  ASSERT_FALSE(rect.isEmpty());
  QTest::mouseClick(engineList->viewport(), Qt::LeftButton, {}, rect.center());
  guitest::processPending();
  EXPECT_EQ(ems.EntryList.listIndex(), row);
  EXPECT_EQ(ems.RecordPointer.caption(), std::to_string(row));
  EXPECT_EQ(app->form4().EMSRPM.caption(), std::to_string(100 + row % 900) + "0");
  EXPECT_EQ(ems.DataParseCorrectly.fillColor(), platform::color::BrightGreen);
  EXPECT_TRUE(guitest::saveShot(ems, QStringLiteral("playback_form7_after_click")));

  // The engine screen's player, its file loaded.
  screens::Form4& f4 = app->form4();
  ASSERT_TRUE(f4.FILE_OPS.visible());
  f4.DataPointerSlider.setValue(7);
  f4.FastSpeedButton.click();
  ASSERT_TRUE(guitest::processUntil([&] { return f4.DataPointerSlider.value() >= 12; }, 30000))
      << "waited for the engine player to reach record 12";
  f4.StopSpeedButton.click();
  EXPECT_TRUE(guitest::saveShot(f4, QStringLiteral("playback_form4_files_frame")));
}

TEST_F(PlaybackWidgets, FileDialogFiltersMatchNamesRegardlessOfCase) {
  QTemporaryDir dir;
  for (const char* name : {"TBRC_EFIS_101908_14.DAT", "other.dat", "notes.txt"}) {
    QFile f(dir.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  platform::FileDialogRequest request;
  request.title = "EFIS FILE";
  request.filter = "All Files (*.*)|*.*|Data Files (*.dat)|*.dat|Text Files (*.txt)|*.txt|";
  request.filterIndex = 2;
  request.initialFolder = dir.path().toStdString();
  QFileDialog dialog;
  platform::qt::configureDialog(dialog, request, false);
  dialog.show();
  auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->currentText(), QStringLiteral("Data Files (*.dat)"));
  EXPECT_EQ(combo->itemText(0), QStringLiteral("All Files (*.*)"));
  auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
  ASSERT_NE(view, nullptr);
  auto names = [&] {
    QStringList out;
    const QModelIndex root = view->rootIndex();
    for (int r = 0; r < view->model()->rowCount(root); ++r)
      out << view->model()->index(r, 0, root).data().toString();
    out.sort();
    return out;
  };
  const QStringList wanted{QStringLiteral("TBRC_EFIS_101908_14.DAT"), QStringLiteral("other.dat")};
  EXPECT_TRUE(guitest::processUntil([&] { return names() == wanted; }, 30000))
      << "waited for the dialog to list the data files; it lists "
      << names().join(QLatin1Char(' ')).toStdString();
  dialog.close();
}

}  // namespace
