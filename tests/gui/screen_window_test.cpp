// The generic window of a screen model: views built on first show, coalesced
// refreshes, user input through the models, keys, close box and window state.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <QTreeView>
#include <QWindow>

#include "gui_support.h"
#include "platform/gauges.h"
#include "platform/qt/list_box_view.h"
#include "platform/qt/screen_window.h"
#include "platform/screen.h"

using namespace platform;
using platform::qt::ScreenWindow;

namespace {

class TestScreen : public Screen {
 public:
  TestScreen() : Screen("TestScreen", "Test window") {
    setSize(6000, 4500);
    Caption.setGeometry(120, 120, 3000, 300);
    Group.setGeometry(120, 600, 3000, 1500);
    Group.setCaption("Source");
    OptA.setGeometry(150, 300, 2000, 300);
    OptA.setCaption("EFIS");
    OptB.setGeometry(150, 750, 2000, 300);
    OptB.setCaption("GPS");
    OptA.setContainer(&Group);
    OptB.setContainer(&Group);
    Capture.setGeometry(120, 2250, 3000, 300);
    Capture.setCaption("Capture");
    for (auto& l : Lamp) l.setGeometry(3300 + 300 * l.index(), 120, 240, 240);
    Port.setGeometry(3300, 600, 1500, 315);
    Port.addItem("COM1");
    Port.addItem("COM2");
    Folder.setGeometry(3300, 1050, 2400, 285);
    Exit.setGeometry(3300, 3600, 1200, 400);
    Exit.setCaption("Exit");
    OptA.onClick = [this] { ++optAClicks; };
    OptB.onClick = [this] { ++optBClicks; };
    Capture.onClick = [this] { ++captureClicks; };
    Folder.onChange = [this] { ++folderChanges; };
    onKeyDown = [this](int code, int shift) { keys.emplace_back(code, shift); };
    onQueryUnload = [this] { ++closeRequests; };
    mnuFile.onClick = [this] { ++fileMenuClicks; };
    mnuRefresh.onClick = [this] { ++refreshClicks; };
  }

  Label Caption{this, "Caption"};
  // Declared after its options: the window still builds the frame first.
  OptionButton OptA{this, "OptA"};
  OptionButton OptB{this, "OptB"};
  Frame Group{this, "Group"};
  CheckBox Capture{this, "Capture"};
  ControlArray<Shape> Lamp{this, "Lamp", 0, 2};
  ComboBox Port{this, "Port"};
  TextBox Folder{this, "Folder"};
  CommandButton Exit{this, "Exit"};
  Menu mnuFile{this, "mnuFile", "&File"};
  Menu mnuRefresh{this, "mnuRefresh", "Refresh", &mnuFile};

  int optAClicks = 0, optBClicks = 0, captureClicks = 0, folderChanges = 0, closeRequests = 0;
  int fileMenuClicks = 0, refreshClicks = 0;
  std::vector<std::pair<int, int>> keys;
};

class ScreenWindowTest : public testing::Test {
 protected:
  template <class W>
  W* find(const char* name) {
    QWidget* top = window.builtWidget();
    return top ? top->findChild<W*>(QString::fromLatin1(name)) : nullptr;
  }
  TestScreen screen;
  ScreenWindow window{screen};
};

TEST_F(ScreenWindowTest, HiddenScreenBuildsNothingAndShowsItsLatestStateOnShow) {
  screen.Caption.setCaption("changed while hidden");
  EXPECT_EQ(window.builtWidget(), nullptr);

  screen.show();
  QWidget* top = window.builtWidget();
  ASSERT_NE(top, nullptr);
  EXPECT_TRUE(top->isVisible());
  EXPECT_EQ(top->windowTitle(), QStringLiteral("Test window"));
  auto* label = find<QLabel>("Caption");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), QStringLiteral("changed while hidden"));
  // 15 twips to the pixel; a frame's controls sit in the frame.
  EXPECT_EQ(label->geometry(), QRect(8, 8, 200, 20));
  auto* optA = find<QRadioButton>("OptA");
  ASSERT_NE(optA, nullptr);
  EXPECT_EQ(optA->parentWidget(), find<QGroupBox>("Group"));
  EXPECT_EQ(optA->pos(), QPoint(10, 20));
  EXPECT_EQ(find<QGroupBox>("Group")->title(), QStringLiteral("Source"));
  // Array elements are found as Name_i.
  EXPECT_NE(find<QWidget>("Lamp_2"), nullptr);
  guitest::saveShot(screen, QStringLiteral("test_screen"));
}

TEST_F(ScreenWindowTest, ChangesWhileShownAreAppliedOnTheNextTurnOfTheLoop) {
  screen.show();
  auto* label = find<QLabel>("Caption");
  ASSERT_NE(label, nullptr);
  screen.Caption.setCaption("first");
  screen.Caption.setCaption("second");
  screen.Caption.setToolTip("tip");
  screen.Capture.setVisible(false);
  guitest::processPending();
  EXPECT_EQ(label->text(), QStringLiteral("second"));
  EXPECT_EQ(label->toolTip(), QStringLiteral("tip"));
  EXPECT_TRUE(find<QCheckBox>("Capture")->isHidden());

  // Hidden again: changes wait for the next show.
  screen.hide();
  EXPECT_FALSE(window.builtWidget()->isVisible());
  screen.Caption.setCaption("third");
  guitest::processPending();
  EXPECT_EQ(label->text(), QStringLiteral("second"));
  screen.show();
  EXPECT_EQ(label->text(), QStringLiteral("third"));
}

// Counts the paints of a widget and what it showed at each.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(QLabel* label) : label_(label) { label->installEventFilter(this); }
  std::vector<QString> shown;

 protected:
  bool eventFilter(QObject* target, QEvent* e) override {
    if (target == label_ && e->type() == QEvent::Paint) shown.push_back(label_->text());
    return false;
  }

 private:
  QLabel* label_;
};

TEST_F(ScreenWindowTest, TheWindowPaintsAtMostOncePerDisplayFrameAndPaintsTheLatestState) {
  screen.show();
  auto* label = find<QLabel>("Caption");
  ASSERT_NE(label, nullptr);
  PaintWatch watch(label);
  ASSERT_TRUE(guitest::processUntil([&] { return !watch.shown.empty(); })) << "the first paint";

  const qreal rate = window.builtWidget()->screen()->refreshRate();
  const double frameMs = 1000.0 / (rate >= 10 && rate <= 1000 ? rate : 60);
  QElapsedTimer clock;
  clock.start();
  const std::size_t before = watch.shown.size();
  // Every change is in the widget on the next turn of the loop; only the
  // painting waits for the frame.
  for (int i = 1; i <= 200; ++i) {
    screen.Caption.setCaption("value " + std::to_string(i));
    guitest::processPending();
    ASSERT_EQ(label->text(), QString::fromStdString("value " + std::to_string(i)));
  }
  EXPECT_TRUE(guitest::processUntil([&] { return watch.shown.back() == QStringLiteral("value 200"); }))
      << "a paint of the last value";
  const auto paints = static_cast<double>(watch.shown.size() - before);
  EXPECT_LE(paints, static_cast<double>(clock.elapsed()) / frameMs + 2)
      << "paints in " << clock.elapsed() << " ms";
}

TEST_F(ScreenWindowTest, ClicksOnTheWidgetsGoThroughTheModels) {
  screen.show();
  auto* optA = find<QRadioButton>("OptA");
  auto* optB = find<QRadioButton>("OptB");
  auto* capture = find<QCheckBox>("Capture");
  ASSERT_TRUE(optA && optB && capture);

  QTest::mouseClick(optA, Qt::LeftButton);
  EXPECT_TRUE(screen.OptA.value());
  EXPECT_EQ(screen.optAClicks, 1);
  EXPECT_TRUE(optA->isChecked());
  // A selected option fires Click again and stays selected.
  QTest::mouseClick(optA, Qt::LeftButton);
  EXPECT_EQ(screen.optAClicks, 2);
  EXPECT_TRUE(screen.OptA.value());
  EXPECT_TRUE(optA->isChecked());

  // Selecting the other option from code clears the first, in the widgets too.
  screen.OptB.setValue(true);
  EXPECT_EQ(screen.optBClicks, 1);
  guitest::processPending();
  EXPECT_FALSE(optA->isChecked());
  EXPECT_TRUE(optB->isChecked());

  QTest::mouseClick(capture, Qt::LeftButton);
  EXPECT_EQ(screen.Capture.value(), 1);
  EXPECT_EQ(capture->checkState(), Qt::Checked);
  capture->click();
  EXPECT_EQ(screen.Capture.value(), 0);
  EXPECT_EQ(capture->checkState(), Qt::Unchecked);
  EXPECT_EQ(screen.captureClicks, 2);
  screen.Capture.setValue(2);
  guitest::processPending();
  EXPECT_EQ(capture->checkState(), Qt::PartiallyChecked);

  // A disabled control takes no clicks.
  screen.OptB.setEnabled(false);
  guitest::processPending();
  QTest::mouseClick(optB, Qt::LeftButton);
  EXPECT_EQ(screen.optBClicks, 1);
}

TEST_F(ScreenWindowTest, TypingAndPickingUpdateTheModels) {
  screen.show();
  auto* folder = find<QLineEdit>("Folder");
  auto* port = find<QComboBox>("Port");
  ASSERT_TRUE(folder && port);
  QTest::keyClicks(folder, "C:\\A");
  EXPECT_EQ(screen.Folder.text(), "C:\\A");
  EXPECT_EQ(screen.folderChanges, 4);

  emit port->activated(1);
  EXPECT_EQ(screen.Port.listIndex(), 1);
  EXPECT_EQ(screen.Port.text(), "COM2");
  // Text that is in no entry is kept as typed.
  screen.Port.setText("COM9");
  guitest::processPending();
  EXPECT_EQ(port->currentText(), QStringLiteral("COM9"));
}

TEST_F(ScreenWindowTest, KeysReachTheScreenWhateverHasTheFocus) {
  screen.show();
  find<QLineEdit>("Folder")->setFocus();
  QWindow* handle = window.builtWidget()->windowHandle();
  ASSERT_NE(handle, nullptr);
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int code, shift;
  };
  const Case cases[] = {
      {Qt::Key_F1, Qt::NoModifier, 112, 0},
      {Qt::Key_F8, Qt::NoModifier, 119, 0},
      {Qt::Key_F12, Qt::ShiftModifier, 123, 1},
      {Qt::Key_A, Qt::ShiftModifier, 65, 1},
      {Qt::Key_5, Qt::ControlModifier | Qt::AltModifier, 53, 6},
      {Qt::Key_Escape, Qt::NoModifier, 27, 0},
      {Qt::Key_Return, Qt::NoModifier, 13, 0},
  };
  screen.keys.clear();
  QTest::keyClick(handle, Qt::Key_A, Qt::ShiftModifier);
  EXPECT_EQ(screen.keys, (std::vector<std::pair<int, int>>{{16, 1}, {65, 1}}));
  for (const auto& c : cases) {
    screen.keys.clear();
    QTest::keyClick(handle, c.key, c.mods);
    // Modifier keys arrive as key presses of their own first.
    ASSERT_FALSE(screen.keys.empty()) << c.code;
    EXPECT_EQ(screen.keys.back(), std::make_pair(c.code, c.shift));
  }
}

TEST_F(ScreenWindowTest, CloseBoxAsksTheModelAndWindowStateFollowsBothWays) {
  screen.show();
  QWidget* top = window.builtWidget();
  top->close();
  EXPECT_EQ(screen.closeRequests, 1);
  EXPECT_TRUE(top->isVisible());  // the model keeps it
  EXPECT_TRUE(screen.visible());

  top->setWindowState(Qt::WindowMinimized);
  EXPECT_EQ(screen.windowState(), WindowState::Minimized);
  screen.setWindowState(WindowState::Maximized);
  EXPECT_TRUE(top->windowState().testFlag(Qt::WindowMaximized));
  EXPECT_FALSE(top->windowState().testFlag(Qt::WindowMinimized));
  screen.setWindowState(WindowState::Normal);
  EXPECT_FALSE(top->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized));

  screen.onQueryUnload = nullptr;  // without a handler the close box hides
  top->close();
  EXPECT_FALSE(screen.visible());
  EXPECT_FALSE(top->isVisible());
}

TEST_F(ScreenWindowTest, MenuBarEntriesFollowTheModel) {
  screen.show();
  auto* refresh = find<QAction>("mnuRefresh");
  ASSERT_NE(refresh, nullptr);
  EXPECT_EQ(refresh->text(), QStringLiteral("Refresh"));
  refresh->trigger();
  EXPECT_EQ(screen.refreshClicks, 1);
  screen.mnuRefresh.setEnabled(false);
  screen.mnuRefresh.setChecked(true);
  screen.mnuRefresh.setCaption("Refresh now");
  EXPECT_FALSE(refresh->isEnabled());
  EXPECT_TRUE(refresh->isChecked());
  EXPECT_EQ(refresh->text(), QStringLiteral("Refresh now"));
  refresh->trigger();  // disabled: nothing
  EXPECT_EQ(screen.refreshClicks, 1);
  // A bar whose menus are all hidden takes no room.
  screen.mnuFile.setVisible(false);
  EXPECT_TRUE(find<QMenuBar>("menuBar")->isHidden());
}

TEST_F(ScreenWindowTest, UnloadFromTheScreensOwnButtonAndShowAgain) {
  screen.Exit.onClick = [this] { screen.unload(); };
  screen.show();
  auto* exit = find<QPushButton>("Exit");
  ASSERT_NE(exit, nullptr);
  const QPointer<QWidget> oldTop = window.builtWidget();
  QTest::mouseClick(exit, Qt::LeftButton);
  EXPECT_EQ(window.builtWidget(), nullptr);
  ASSERT_FALSE(oldTop.isNull());  // still delivering the click
  EXPECT_FALSE(oldTop->isVisible());
  // Back in the event loop, the old widgets go.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(oldTop.isNull());

  screen.Caption.setCaption("reloaded");
  screen.show();
  auto* label = find<QLabel>("Caption");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), QStringLiteral("reloaded"));
}

class ListScreen : public Screen {
 public:
  ListScreen() : Screen("ListScreen", "List") {
    Records.setGeometry(120, 120, 4500, 3000);
    Records.onClick = [this] { ++clicks; };
  }
  ListBox Records{this, "Records"};
  int clicks = 0;
};

TEST(ScreenWindowList, MillionEntriesShowWithoutCopyAndUserSelectionReachesTheModel) {
  ListScreen screen;
  ScreenWindow window{screen};
  screen.Records.reserve(1000000);
  for (int i = 0; i < 1000000; ++i) screen.Records.addItem("record " + std::to_string(i));
  screen.show();
  auto* list = window.builtWidget()->findChild<platform::qt::VirtualList*>(QStringLiteral("Records"));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->rowCount(), 1000000);
  EXPECT_EQ(list->rowText(999999), QStringLiteral("record 999999"));

  screen.Records.setListIndex(500000);
  EXPECT_EQ(screen.clicks, 1);
  guitest::processPending();
  EXPECT_EQ(list->currentRow(), 500000);

  list->scrollToRow(500001);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rowRect(500001).center());
  EXPECT_EQ(screen.Records.listIndex(), 500001);
  EXPECT_EQ(screen.clicks, 2);

  screen.Records.clear();
  guitest::processPending();
  EXPECT_EQ(list->rowCount(), 0);
}

class KindsScreen : public Screen {
 public:
  KindsScreen() : Screen("KindsScreen", "Kinds") {
    setSize(9000, 6000);
    Tabs.setGeometry(120, 120, 6000, 2400);
    for (const char* t : {"EFIS COM", "EMS COM", "GPS COM"}) Tabs.addTab(t);
    Tabs.onClick = [this] { ++tabClicks; };
    Position.setGeometry(120, 2700, 3000, 450);
    Position.setMax(100);
    Position.onMouseDown = [this] { events.push_back("down"); };
    Position.onMouseUp = [this] { events.push_back("up"); };
    Files.setGeometry(3300, 2700, 4500, 2000);
    Files.addColumn("Name", 2400);
    Files.addColumn("Size", 1200);
    Files.addItem("A.TXT", {"10"});
    Files.addItem("B.TXT", {"20"});
    Files.onColumnClick = [this](int c) { columns.push_back(c); };
    Files.onItemClick = [this](int i) { items.push_back(i); };
    Fuel.setGeometry(120, 3300, 600, 2400);
    Fuel.setToolTip("Fuel flow");
  }
  TabStrip Tabs{this, "TabStrip1"};
  Slider Position{this, "Position"};
  ListView Files{this, "Files"};
  LinearGauge Fuel{this, "FuelFlowGuage"};
  int tabClicks = 0;
  std::vector<std::string> events;
  std::vector<int> columns, items;
};

TEST(ScreenWindowKinds, TabsSlidersListViewsAndGaugesFollowTheirModels) {
  KindsScreen screen;
  ScreenWindow window{screen};
  screen.show();
  QWidget* top = window.builtWidget();

  auto* tabs = top->findChild<QTabBar*>(QStringLiteral("TabStrip1"));
  ASSERT_NE(tabs, nullptr);
  ASSERT_EQ(tabs->count(), 3);
  EXPECT_EQ(tabs->tabText(2), QStringLiteral("GPS COM"));
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
  EXPECT_EQ(screen.Tabs.selectedTab(), 2);
  EXPECT_EQ(screen.tabClicks, 1);
  screen.Tabs.selectTab(3);
  guitest::processPending();
  EXPECT_EQ(tabs->currentIndex(), 2);
  EXPECT_EQ(screen.tabClicks, 2);

  auto* slider = top->findChild<QSlider*>(QStringLiteral("Position"));
  ASSERT_NE(slider, nullptr);
  screen.Position.setValue(40);
  guitest::processPending();
  EXPECT_EQ(slider->value(), 40);
  QTest::keyClick(slider, Qt::Key_Right);
  EXPECT_EQ(screen.Position.value(), 41);
  QTest::mousePress(slider, Qt::LeftButton);
  QTest::mouseRelease(slider, Qt::LeftButton);
  EXPECT_EQ(screen.events, (std::vector<std::string>{"down", "up"}));

  auto* files = top->findChild<QTreeView*>(QStringLiteral("Files"));
  ASSERT_NE(files, nullptr);
  EXPECT_EQ(files->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Size"));
  EXPECT_EQ(files->header()->sectionSize(0), 160);
  EXPECT_EQ(files->model()->index(1, 1).data().toString(), QStringLiteral("20"));
  QHeaderView* header = files->header();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
  EXPECT_EQ(screen.columns, std::vector<int>{2});
  const QModelIndex second = files->model()->index(1, 0);
  QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualRect(second).center());
  EXPECT_EQ(screen.items, std::vector<int>{1});
  EXPECT_EQ(screen.Files.selectedItem(), 1);

  // Gauges get the same geometry, tool tip and visibility as every control.
  QWidget* fuel = top->findChild<QWidget*>(QStringLiteral("FuelFlowGuage"));
  ASSERT_NE(fuel, nullptr);
  EXPECT_EQ(fuel->geometry(), QRect(8, 220, 40, 160));
  EXPECT_EQ(fuel->toolTip(), QStringLiteral("Fuel flow"));
  screen.Fuel.setPosition(12.5);
  screen.Fuel.setVisible(false);
  guitest::processPending();
  EXPECT_TRUE(fuel->isHidden());
  guitest::saveShot(screen, QStringLiteral("kinds_screen"));
}

}  // namespace
