#include <gtest/gtest.h>

#include <string>

#include "platform/controls.h"
#include "platform/gauges.h"
#include "platform/screen.h"

namespace {

using namespace platform;

class Panel : public Screen {
 public:
  Panel() : Screen("Panel", "Panel") {}
  Frame FrameA{this, "FrameA"};
  Frame FrameB{this, "FrameB"};
  ControlArray<OptionButton> Rate{this, "Rate", 0, 2};
  OptionButton Other1{this, "Other1"};
  OptionButton Other2{this, "Other2"};
  CheckBox Capture{this, "Capture"};
  ComboBox Port{this, "Port"};
  ListBox Entries{this, "Entries"};
  ControlArray<Label> Sparse{this, "Sparse", {0, 1, 2, 7, 8}};
  LinearGauge Bar{this, "Bar"};
  Panel(const Panel&) = delete;
};

struct Counter : ScreenObserver {
  int controls = 0, screens = 0;
  void screenChanged(Screen&) override { ++screens; }
  void controlChanged(Control&) override { ++controls; }
  void screenActivated(Screen&) override {}
  void screenUnloaded(Screen&) override {}
};

TEST(OptionButtons, GroupByContainerAndFireClickAsTheOriginalControls) {
  Panel p;
  for (auto& o : p.Rate) o.setContainer(&p.FrameA);
  p.Other1.setContainer(&p.FrameB);
  p.Other2.setContainer(&p.FrameB);
  int clicks[3] = {0, 0, 0};
  for (int i = 0; i <= 2; ++i) p.Rate[i].onClick = [&clicks, i] { ++clicks[i]; };

  p.Other1.setValue(true);
  p.Rate[0].setValue(true);  // code selection fires Click
  EXPECT_EQ(clicks[0], 1);
  p.Rate[0].setValue(true);  // no change, no Click
  EXPECT_EQ(clicks[0], 1);
  p.Rate[2].click();  // user click selects and clears the rest of its group only
  EXPECT_FALSE(p.Rate[0].value());
  EXPECT_TRUE(p.Rate[2].value());
  EXPECT_TRUE(p.Other1.value());
  p.Rate[2].click();  // clicking a selected option fires Click again
  EXPECT_EQ(clicks[2], 2);
  p.Rate[1].setEnabled(false);
  p.Rate[1].click();
  EXPECT_EQ(clicks[1], 0);
}

TEST(CheckBoxes, FireOnEveryChangeAndToggleOnClick) {
  Panel p;
  int clicks = 0;
  p.Capture.onClick = [&] { ++clicks; };
  p.Capture.setValue(2);
  p.Capture.setValue(2);
  p.Capture.setValue(1);
  EXPECT_EQ(clicks, 2);
  p.Capture.click();
  EXPECT_EQ(p.Capture.value(), 0);
  p.Capture.click();
  EXPECT_EQ(p.Capture.value(), 1);
  EXPECT_EQ(clicks, 4);
  EXPECT_THROW(p.Capture.setValue(3), RunError);
}

TEST(ComboBoxes, HoldAnyTextAndSelectEntries) {
  Panel p;
  int changes = 0, clicks = 0;
  p.Port.onChange = [&] { ++changes; };
  p.Port.onClick = [&] { ++clicks; };
  p.Port.addItem("NONE");
  p.Port.addItem("COM3");
  p.Port.setItemData(1, 3);
  p.Port.setText("COM9");  // not in the list: kept as typed
  EXPECT_EQ(p.Port.text(), "COM9");
  EXPECT_EQ(p.Port.listIndex(), -1);
  p.Port.setListIndex(1);
  EXPECT_EQ(p.Port.text(), "COM3");
  EXPECT_EQ(p.Port.itemData(1), 3);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(clicks, 1);
  p.Port.setText("NONE");
  EXPECT_EQ(p.Port.listIndex(), 0);
  EXPECT_THROW(p.Port.setListIndex(2), RunError);
  EXPECT_THROW(p.Port.list(5), RunError);
}

// Entries kept elsewhere: the list reads them one at a time.
class Numbers : public ListSource {
 public:
  std::int32_t count() const override { return n; }
  std::string entry(std::int32_t i) const override { return "entry " + std::to_string(i); }
  std::size_t longestEntry() const override { return n > 0 ? entry(n - 1).size() : 0; }
  std::int32_t n = 0;
};

TEST(ListBoxes, ShowTheEntriesOfAnOutsideSource) {
  Panel p;
  Numbers numbers;
  int clicks = 0;
  p.Entries.onClick = [&] { ++clicks; };
  p.Entries.addItem("own");
  p.Entries.setSource(&numbers);
  EXPECT_EQ(p.Entries.listCount(), 0);
  numbers.n = 3000000;
  const auto revision = p.Entries.itemsRevision();
  p.Entries.sourceChanged();
  EXPECT_GT(p.Entries.itemsRevision(), revision);
  EXPECT_EQ(p.Entries.listCount(), 3000000);
  EXPECT_EQ(p.Entries.list(2999999), "entry 2999999");
  EXPECT_EQ(p.Entries.longestEntry(), 13u);
  EXPECT_THROW(p.Entries.list(3000000), RunError);
  p.Entries.setListIndex(2999999);
  EXPECT_EQ(clicks, 1);
  EXPECT_THROW(p.Entries.setListIndex(3000000), RunError);
  // New entries start again from the top, with nothing selected.
  numbers.n = 2;
  p.Entries.sourceChanged();
  EXPECT_EQ(p.Entries.listIndex(), -1);
  EXPECT_EQ(p.Entries.topIndex(), 0);
  // Without the source, its own entries are back.
  p.Entries.setSource(nullptr);
  EXPECT_EQ(p.Entries.listCount(), 1);
  EXPECT_EQ(p.Entries.list(0), "own");
  EXPECT_EQ(p.Entries.longestEntry(), 0u);
}

// Sorting is stable; a numeric column compares numbers, the others text
// regardless of case; the selection stays on its item.
TEST(ListViews, SortStablyByNumberOrByTextRegardlessOfCase) {
  Screen screen("S", "S");
  ListView list(&screen, "List");
  list.addColumn("NAME", 100);
  list.addColumn("TYPE", 100);
  list.addColumn("SIZE", 100, true);
  list.setItems(
      {{"b", {"ems", "10"}, {}}, {"A", {"EFIS", "9"}, {}}, {"c", {"EMS", "100"}, {}}, {"d", {"", "9"}, {}}});
  list.setSelectedItem(2);  // "c"
  const auto names = [&] {
    std::string out;
    for (const auto& item : list.items()) out += item.text;
    return out;
  };
  struct Case {
    int key, order;
    const char* names;
    int selected;
  };
  for (const Case& c : {Case{0, 0, "Abcd", 2}, Case{2, 0, "Adbc", 3}, Case{2, 1, "cbAd", 0},
                        Case{1, 0, "dAcb", 2}, Case{1, 1, "cbAd", 0}}) {
    SCOPED_TRACE(std::to_string(c.key) + "/" + std::to_string(c.order));
    list.sortBy(c.key, c.order);
    EXPECT_EQ(names(), c.names);
    EXPECT_EQ(list.selectedItem(), c.selected);
  }
  // New items are sorted as they come, all at once.
  list.setItems({{"z", {"", "1"}, {}}, {"y", {"", "1"}, {}}, {"x", {"", "0.5"}, {}}});
  EXPECT_EQ(names(), "zyx");
  list.sortBy(2, 0);
  EXPECT_EQ(names(), "xzy");
  EXPECT_EQ(list.selectedItem(), -1);
}

TEST(ControlArrays, KeepTheirBoundsAndCheckEveryIndex) {
  Panel p;
  EXPECT_EQ(p.Sparse.lbound(), 0);
  EXPECT_EQ(p.Sparse.ubound(), 8);
  EXPECT_TRUE(p.Sparse.contains(7));
  EXPECT_FALSE(p.Sparse.contains(5));
  EXPECT_THROW(p.Sparse[5], RunError);
  EXPECT_THROW(p.Rate[3], RunError);
  EXPECT_EQ(p.Sparse[8].objectName(), "Sparse_8");
  EXPECT_EQ(p.findControl("Sparse_7"), &p.Sparse[7]);
}

TEST(Gauges, KeepEveryPropertyExactlyAsSet) {
  Panel p;
  p.Bar.setPositionMax(-50);
  p.Bar.setPositionMin(100);  // a tape may set its maximum first, below the old minimum
  p.Bar.setPosition(-400);
  p.Bar.setSectionEnd(4, 1e6);
  p.Bar.setAdditionalPointerPosition(2, -3.5);
  EXPECT_EQ(p.Bar.positionMax(), -50);
  EXPECT_EQ(p.Bar.positionMin(), 100);
  EXPECT_EQ(p.Bar.position(), -400);
  EXPECT_EQ(p.Bar.sectionEnd(4), 1e6);
  EXPECT_EQ(p.Bar.additionalPointerPosition(2), -3.5);
  EXPECT_TRUE(p.Bar.additionalPointerVisible(2));
  EXPECT_THROW(p.Bar.setSectionEnd(5, 1), RunError);
  EXPECT_THROW(p.Bar.additionalPointerPosition(3), RunError);
}

TEST(Observers, AreToldOnlyOfRealChanges) {
  Panel p;
  Counter c;
  p.setObserver(&c);
  p.Bar.setPosition(5);
  p.Bar.setPosition(5);
  p.Entries.addItem("a");
  p.Sparse[0].setCaption("x");
  p.Sparse[0].setCaption("x");
  EXPECT_EQ(c.controls, 3);
  auto rev = p.Bar.scaleRevision();
  p.Bar.setPosition(6);
  EXPECT_EQ(p.Bar.scaleRevision(), rev);  // a moving pointer leaves the static part alone
  p.Bar.setSectionEnd(1, 3);
  EXPECT_GT(p.Bar.scaleRevision(), rev);
  p.show();
  p.show();
  EXPECT_EQ(c.screens, 1);
  p.setObserver(nullptr);
}

// Captions are compared a word at a time: a change in any one byte of a
// caption of any length is a change, the same bytes (from another string) are
// not.
TEST(Observers, ToldOfACaptionChangedInAnyByte) {
  Panel p;
  Counter c;
  p.setObserver(&c);
  for (std::size_t length = 0; length <= 40; ++length) {
    const std::string text(length, 'a');
    p.Sparse[0].setCaption(text);
    for (std::size_t at = 0; at < length; ++at) {
      std::string changed = text;
      changed[at] = 'b';
      const int before = c.controls;
      p.Sparse[0].setCaption(changed);
      EXPECT_EQ(c.controls, before + 1) << length << " " << at;
      EXPECT_EQ(p.Sparse[0].caption(), changed);
      p.Sparse[0].setCaption(std::string(changed));
      EXPECT_EQ(c.controls, before + 1) << length << " " << at;
      p.Sparse[0].setCaption(text);
    }
  }
  p.setObserver(nullptr);
}

TEST(Events, FailuresAreCaughtAndReported) {
  Panel p;
  std::vector<std::string> caught;
  setEventErrorSink([&](const char*, const std::string& m) { caught.push_back(m); });
  p.Other1.onClick = [] { throw RunError(6, "Overflow"); };
  EXPECT_NO_THROW(p.Other1.click());
  ASSERT_EQ(caught.size(), 1u);
  EXPECT_EQ(caught[0], "Overflow");
  setEventErrorSink(nullptr);
}

TEST(VbBools, HoldMinusOneForTrue) {
  VbBool t = true;
  EXPECT_EQ(t.raw(), -1);
  EXPECT_TRUE(static_cast<bool>(VbBool::fromRaw(5)));
  EXPECT_FALSE(static_cast<bool>(VbBool()));
}

}  // namespace
