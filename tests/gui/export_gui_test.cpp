// The export through the real widgets: CONVERT FILE clicked on the settings
// screen, the progress bar painted mid-way, a CANCEL click on the real button
// taken at a pause while clicks on other controls and a close of the settings
// window are dropped, and the program's own timer ticks held until the end.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "app/app.h"
#include "gui_support.h"
#include "platform/files.h"
#include "platform/timer.h"
#include "recorder/export.h"
#include "recorder/loaders.h"
#include "recorder/recorder.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "shell/main_handlers.h"
#include "shell/shell.h"
#include "support/test_platform.h"

namespace {

// The program's window host with a hook at every pause of a long task. What
// a test posts there arrives while the pause takes input.
class PausingHost : public platform::qt::QtUiHost {
 public:
  void pauseForInput(platform::Control& live, platform::Screen& main) override {
    ++pauses;
    QtUiHost::pauseForInput(live, main);
    if (afterPause) afterPause();
  }
  int pauses = 0;
  std::function<void()> afterPause;
};

// A left click as the window system delivers it: a press and a release.
void postClick(QWidget* w) {
  const QPointF at(w->width() / 2.0, w->height() / 2.0);
  QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonPress, at, w->mapToGlobal(at),
                                                 Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
  QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonRelease, at, w->mapToGlobal(at),
                                                 Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

// The recorder folder lies in the temporary home folder; the program's
// windows are those of the pausing host.
class ExportWidgets : public guitest::ProgramFolder {
 protected:
  void SetUp() override {
    ProgramFolder::SetUp();
    records = folder.path().toStdString() + "/records";
    platform::createFolder(records);
    app = std::make_unique<App>(Services{scheduler, clock, boxes, dialogs, tray, serial, host});
    app->form1().RecorderFolderName.setCaption(records);
  }
  void TearDown() override {
    app.reset();
    ProgramFolder::TearDown();
  }
  template <class W>
  W* find(platform::Screen& s, const char* name) {
    platform::qt::ScreenWindow* w = host.windowOf(s);
    QWidget* top = w ? w->widgetUpToDate() : nullptr;
    return top ? top->findChild<W*>(QString::fromLatin1(name)) : nullptr;
  }

  std::string records;
  testsupport::ScriptedFileDialogs dialogs;
  PausingHost host;
  std::unique_ptr<App> app;
};

TEST_F(ExportWidgets, CancelClickedMidWayEndsTheExportAndOtherInputIsDropped) {
  // 300,000 EFIS records: the export takes long enough for many pauses.
  std::string bytes;
  const std::string record = "14050932-053-0127123051401000-015-02010050000004A2C\r\r\n";
  for (int i = 0; i < 300000; ++i) bytes += record;
  const std::string path = records + "/TBRC_EFIS_101908_14.DAT";
  testsupport::writeFile(path, bytes);

  settings::Form2& f2 = app->form2();
  // What CANCEL reloads: the settings as saved now, with the recorder
  // folder as it is; an edit of the folder box is not saved.
  f2.DataFolder.setText(records);
  app->shell().mainHandlers().SaveConfig_Click();
  f2.DataFolder.setText(records + "/edited");
  f2.EFIS_FILE.setValue(true);
  f2.EFIS_DataFileName.setToolTip(path);
  f2.EFIS_DataFileName.setCaption("TBRC_EFIS_101908_14.DAT");
  app->DataFileExtension = "DAT";
  app->recorder().loaders().LoadRawEFISDataFile();
  f2.show();
  guitest::processPending();
  auto* convert = find<QPushButton>(f2, "EFIS_ConvertFile");
  auto* cancel = find<QPushButton>(f2, "CancelButton");
  auto* apply = find<QPushButton>(f2, "SaveConfig");
  auto* tabs = find<QTabBar>(f2, "TabStrip1");
  ASSERT_TRUE(convert && cancel && apply && tabs);
  ASSERT_TRUE(convert->isEnabled());
  const int tab = f2.TabStrip1.selectedTab();

  // A program timer: its ticks wait while the export runs.
  const recorder::TextExport& exporter = app->recorder().exporter();
  platform::Timer probe(scheduler, "probe", 1);
  int ticksDuringExport = 0, ticksAfter = 0;
  probe.onTick = [&] { ++(exporter.ConvertEFISFile ? ticksDuringExport : ticksAfter); };

  bool shot = false;
  bool clicked = false;
  int rowsAtClick = 0;
  host.afterPause = [&] {
    const platform::ProgressBar& bar = f2.EFIS_ProgressBar;
    if (clicked || bar.value() < bar.max() * 0.3) return;
    // Mid-way: the bar as painted; then clicks on APPLY and on the last tab,
    // a close of the settings window, and a CANCEL click, all taken at the
    // next pause.
    shot = guitest::saveShot(f2, QStringLiteral("form2_export_progress"));
    postClick(apply);
    const QPoint lastTab = tabs->tabRect(tabs->count() - 1).center();
    QCoreApplication::postEvent(
        tabs, new QMouseEvent(QEvent::MouseButtonPress, lastTab, tabs->mapToGlobal(lastTab), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(host.windowOf(f2)->builtWidget(), new QCloseEvent);
    postClick(cancel);
    clicked = true;
    rowsAtClick = static_cast<int>(bar.value());
  };

  const std::string out = records + "/out.txt";
  dialogs.answers.push_back(out);
  QTest::mouseClick(convert, Qt::LeftButton);
  guitest::processPending();

  EXPECT_TRUE(shot);
  EXPECT_TRUE(clicked);
  EXPECT_GT(host.pauses, 3);
  // The export stopped at the pause after the click, with whole rows only.
  const std::string text = testsupport::readFile(out);
  int rows = -1;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++rows;
  EXPECT_GT(rows, rowsAtClick);
  EXPECT_LT(rows, 300000);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  // The end state, then CANCEL's reload: READ COMM again and the saved
  // folder, which an APPLY taken at the pause would have overwritten.
  EXPECT_FALSE(f2.EFIS_ProgressBar.visible());
  EXPECT_FALSE(exporter.ConvertEFISFile);
  EXPECT_TRUE(f2.EFIS_COMM.value());
  EXPECT_EQ(f2.DataFolder.text(), records);
  // The tab click and the close were dropped.
  EXPECT_EQ(f2.TabStrip1.selectedTab(), tab);
  EXPECT_TRUE(f2.visible());
  EXPECT_EQ(ticksDuringExport, 0);
  EXPECT_TRUE(guitest::processUntil([&] { return ticksAfter > 0; })) << "the probe timer never ticked again";
}

}  // namespace
