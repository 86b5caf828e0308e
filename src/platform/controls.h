#pragma once
// Control models: the state of every control a screen holds (caption, text,
// value, colours, visibility, tool tip, geometry in twips) and its events.
// Models know nothing of widgets; a view observes its screen and repaints.
//
// Setters notify the screen's observer only when a value really changes, so a
// hidden or viewless screen costs one comparison per write.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vb.h"

namespace platform {

class Screen;

enum class ControlKind {
  Label,
  TextBox,
  ComboBox,
  ListBox,
  OptionButton,
  CheckBox,
  CommandButton,
  Frame,
  Shape,
  Line,
  Image,
  Slider,
  ProgressBar,
  TabStrip,
  ListView,
  LinearGauge,
  AngularGauge,
  AnalogDisplay,
  GaugeLabel,
  SlidingCompass,
  AviationDial,
};

const char* controlKindName(ControlKind kind);

struct Font {
  std::string name = "MS Sans Serif";
  double size = 8.25;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  friend bool operator==(const Font&, const Font&) = default;
};

// Text alignment of labels and text boxes (0 left, 1 right, 2 centre).
enum class Alignment { Left = 0, Right = 1, Center = 2 };

// Runs one event handler: whatever escapes it is caught, the rest of that event
// is dropped and the program carries on. Every timer tick, data event and
// click goes through here.
void runEvent(const std::function<void()>& handler, const char* what = "event");

// Receives what runEvent caught; the default drops it. Tests install a recorder
// so an escaped failure is visible instead of silent.
using EventErrorSink = std::function<void(const char* what, const std::string& message)>;
void setEventErrorSink(EventErrorSink sink);

class Control {
 public:
  Control(Screen* screen, ControlKind kind, std::string name, int index = -1);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  // Element index within a control array, -1 for a single control.
  int index() const { return index_; }
  // "Name" or "Name_i" for array elements: the object name a test finds a view by.
  std::string objectName() const;
  Screen* screen() const { return screen_; }

  // Geometry in twips (15 twips per pixel), relative to the container.
  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void setLeft(int v) { set(left_, v); }
  void setTop(int v) { set(top_, v); }
  void setWidth(int v) { set(width_, v); }
  void setHeight(int v) { set(height_, v); }
  void setGeometry(int left, int top, int width, int height);

  // Caption of labels, buttons, frames, options and check boxes.
  const std::string& caption() const { return caption_; }
  void setCaption(std::string_view v);

  OleColor foreColor() const { return foreColor_; }
  void setForeColor(OleColor v) { set(foreColor_, v); }
  OleColor backColor() const { return backColor_; }
  void setBackColor(OleColor v) { set(backColor_, v); }

  bool visible() const { return visible_; }
  void setVisible(bool v) { set(visible_, v); }
  bool enabled() const { return enabled_; }
  void setEnabled(bool v) { set(enabled_, v); }

  const std::string& toolTip() const { return toolTip_; }
  void setToolTip(std::string_view v);

  const Font& font() const { return font_; }
  void setFont(const Font& f);

  // The frame (or other container) this control sits in; null for the screen itself.
  Control* container() const { return container_; }
  void setContainer(Control* c);

  // Click and double click: code may assign any handler.
  std::function<void()> onClick;
  std::function<void()> onDblClick;

  // A user click: runs the kind's own click behaviour (an option selects itself,
  // a check box toggles), then the Click handler. Disabled controls ignore it.
  virtual void click();
  void dblClick();

  // Tells the observer that this control changed; setters call it.
  void changed();

 protected:
  template <class T>
  void set(T& field, const T& value) {
    if (field == value) return;
    field = value;
    changed();
  }
  void fireClick();

 private:
  Screen* screen_;
  ControlKind kind_;
  std::string name_;
  int index_;
  int left_ = 0, top_ = 0, width_ = 1215, height_ = 255;
  std::string caption_;
  OleColor foreColor_ = color::ControlText;
  OleColor backColor_ = color::ButtonFace;
  bool visible_ = true;
  bool enabled_ = true;
  std::string toolTip_;
  Font font_;
  Control* container_ = nullptr;
};

class Label : public Control {
 public:
  Label(Screen* s, std::string name, int index = -1)
      : Control(s, ControlKind::Label, std::move(name), index) {}
  Alignment alignment() const { return alignment_; }
  void setAlignment(Alignment a) { set(alignment_, a); }
  // Transparent labels show the screen behind them (BackStyle 0).
  bool transparent() const { return transparent_; }
  void setTransparent(bool t) { set(transparent_, t); }
  bool border() const { return border_; }
  void setBorder(bool b) { set(border_, b); }
  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool w) { set(wordWrap_, w); }

 private:
  Alignment alignment_ = Alignment::Left;
  bool transparent_ = false;
  bool border_ = false;
  bool wordWrap_ = false;
};

class TextBox : public Control {
 public:
  TextBox(Screen* s, std::string name, int index = -1);
  const std::string& text() const { return text_; }
  // Code or typing: fires Change when the text differs.
  void setText(std::string_view v);
  std::function<void()> onChange;
  Alignment alignment() const { return alignment_; }
  void setAlignment(Alignment a) { set(alignment_, a); }
  bool locked() const { return locked_; }
  void setLocked(bool l) { set(locked_, l); }
  bool multiLine() const { return multiLine_; }
  void setMultiLine(bool m) { set(multiLine_, m); }

 private:
  std::string text_;
  Alignment alignment_ = Alignment::Left;
  bool locked_ = false;
  bool multiLine_ = false;
};

// Shared list storage of combo and list boxes: entries with item data.
class ListItems {
 public:
  void addItem(std::string_view text, int index = -1);
  void removeItem(int index);
  void clear();
  int listCount() const { return static_cast<int>(items_.size()); }
  const std::string& list(int i) const;  // throws RunError(9) outside the list
  void setList(int i, std::string_view text);
  std::int32_t itemData(int i) const;
  void setItemData(int i, std::int32_t v);
  void reserve(std::size_t n) {
    items_.reserve(n);
    data_.reserve(n);
  }
  const std::vector<std::string>& items() const { return items_; }

 private:
  void check(int i) const;
  std::vector<std::string> items_;
  std::vector<std::int32_t> data_;
};

// Editable combo box (style 0): its text need not be in the list.
class ComboBox : public Control {
 public:
  ComboBox(Screen* s, std::string name, int index = -1);
  const std::string& text() const { return text_; }
  // Code or typing: fires Change when the text differs.
  void setText(std::string_view v);
  int listIndex() const { return listIndex_; }
  // Selecting an entry (code or user) sets the text and fires Click; -1 deselects.
  void setListIndex(int i);

  void addItem(std::string_view text, int index = -1);
  void removeItem(int index);
  void clear();
  int listCount() const { return items_.listCount(); }
  const std::string& list(int i) const { return items_.list(i); }
  std::int32_t itemData(int i) const { return items_.itemData(i); }
  void setItemData(int i, std::int32_t v);
  const std::vector<std::string>& items() const { return items_.items(); }

  std::function<void()> onChange;

 private:
  std::string text_;
  int listIndex_ = -1;
  ListItems items_;
};

// Entries a list box shows from elsewhere instead of holding them: a store of
// millions of records hands out one entry at a time, so the list keeps no
// copy and a view builds text only for the rows it shows.
class ListSource {
 public:
  virtual ~ListSource() = default;
  virtual std::int32_t count() const = 0;
  // Entry i (0 <= i < count()) as bytes.
  virtual std::string entry(std::int32_t i) const = 0;
  // Bytes of the longest entry.
  virtual std::size_t longestEntry() const = 0;
};

class ListBox : public Control {
 public:
  ListBox(Screen* s, std::string name, int index = -1);
  void addItem(std::string_view text, int index = -1);
  void removeItem(int index);
  void clear();
  void reserve(std::size_t n) { items_.reserve(n); }
  int listCount() const;
  // Entry i; throws RunError(381) outside the list.
  std::string list(int i) const;
  void setList(int i, std::string_view text);
  std::int32_t itemData(int i) const { return items_.itemData(i); }
  void setItemData(int i, std::int32_t v);
  int listIndex() const { return listIndex_; }
  // Selecting an entry (code or user) fires Click.
  void setListIndex(int i);
  int topIndex() const { return topIndex_; }
  void setTopIndex(int i) { set(topIndex_, i); }
  // Scroll width in pixels (the list's horizontal extent).
  int horizontalExtent() const { return horizontalExtent_; }
  void setHorizontalExtent(int px) { set(horizontalExtent_, px); }
  // Bumped on every change of the entries, so a view refreshes only then.
  std::uint64_t itemsRevision() const { return itemsRevision_; }

  // Shows the entries of `source` (which outlives this list) instead of its
  // own; null goes back to its own. Entries added by addItem are then
  // unreachable until the source is removed.
  void setSource(const ListSource* source);
  const ListSource* source() const { return source_; }
  // The source's entries changed (cleared or loaded anew): the selection and
  // the scroll position start again from the top.
  void sourceChanged();
  // Bytes of the longest entry of a source, 0 for a list of its own entries.
  std::size_t longestEntry() const { return source_ ? source_->longestEntry() : 0; }

 private:
  void itemsChanged();
  ListItems items_;
  const ListSource* source_ = nullptr;
  int listIndex_ = -1;
  int topIndex_ = 0;
  int horizontalExtent_ = 0;
  std::uint64_t itemsRevision_ = 0;
};

// Option buttons form a group with the other option buttons of the same
// container: selecting one clears the others. Selecting from code fires Click
// when the value changes; a user click fires Click even on a selected option.
class OptionButton : public Control {
 public:
  OptionButton(Screen* s, std::string name, int index = -1);
  bool value() const { return value_; }
  void setValue(bool v);
  void click() override;

 private:
  void select(bool fire);
  bool value_ = false;
};

// Check box value: 0 unchecked, 1 checked, 2 greyed. Every change fires Click.
class CheckBox : public Control {
 public:
  CheckBox(Screen* s, std::string name, int index = -1);
  int value() const { return value_; }
  void setValue(int v);
  void click() override;

 private:
  int value_ = 0;
};

class CommandButton : public Control {
 public:
  CommandButton(Screen* s, std::string name, int index = -1);
  // Graphical buttons show their back colour.
  bool graphical() const { return graphical_; }
  void setGraphical(bool g) { set(graphical_, g); }

 private:
  bool graphical_ = true;
};

class Frame : public Control {
 public:
  Frame(Screen* s, std::string name, int index = -1);
  bool border() const { return border_; }
  void setBorder(bool b) { set(border_, b); }

 private:
  bool border_ = true;
};

enum class ShapeType {
  Rectangle = 0,
  Square = 1,
  Oval = 2,
  Circle = 3,
  RoundedRectangle = 4,
  RoundedSquare = 5
};

// Shapes serve as lamps: their fill colour (or back colour) is the light.
class Shape : public Control {
 public:
  Shape(Screen* s, std::string name, int index = -1);
  ShapeType shape() const { return shape_; }
  void setShape(ShapeType t) { set(shape_, t); }
  OleColor fillColor() const { return fillColor_; }
  void setFillColor(OleColor c) { set(fillColor_, c); }
  // 0 solid fill, 1 transparent (the back colour shows when backStyle is opaque).
  int fillStyle() const { return fillStyle_; }
  void setFillStyle(int v) { set(fillStyle_, v); }
  bool opaque() const { return opaque_; }
  void setOpaque(bool v) { set(opaque_, v); }
  OleColor borderColor() const { return borderColor_; }
  void setBorderColor(OleColor c) { set(borderColor_, c); }

 private:
  ShapeType shape_ = ShapeType::Circle;
  OleColor fillColor_ = color::Black;
  int fillStyle_ = 0;
  bool opaque_ = true;
  OleColor borderColor_ = color::Black;
};

// A straight line from (x1, y1) to (x2, y2) in twips.
class Line : public Control {
 public:
  Line(Screen* s, std::string name, int index = -1);
  int x1() const { return x1_; }
  int y1() const { return y1_; }
  int x2() const { return x2_; }
  int y2() const { return y2_; }
  void setPoints(int x1, int y1, int x2, int y2);
  OleColor borderColor() const { return borderColor_; }
  void setBorderColor(OleColor c) { set(borderColor_, c); }

 private:
  int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  OleColor borderColor_ = color::Black;
};

// A picture from a file (path as given; a missing file shows nothing).
class Image : public Control {
 public:
  Image(Screen* s, std::string name, int index = -1);
  const std::string& picture() const { return picture_; }
  void setPicture(std::string_view path);
  bool stretch() const { return stretch_; }
  void setStretch(bool v) { set(stretch_, v); }

 private:
  std::string picture_;
  bool stretch_ = false;
};

class Slider : public Control {
 public:
  Slider(Screen* s, std::string name, int index = -1);
  std::int32_t min() const { return min_; }
  std::int32_t max() const { return max_; }
  std::int32_t value() const { return value_; }
  void setMin(std::int32_t v) { set(min_, v); }
  void setMax(std::int32_t v) { set(max_, v); }
  // Code sets the value as given; the user's drag stays within min..max.
  void setValue(std::int32_t v) { set(value_, v); }
  std::int32_t largeChange() const { return largeChange_; }
  void setLargeChange(std::int32_t v) { set(largeChange_, v); }
  std::int32_t smallChange() const { return smallChange_; }
  void setSmallChange(std::int32_t v) { set(smallChange_, v); }
  // Mouse button press and release on the slider (the only events used).
  std::function<void()> onMouseDown;
  std::function<void()> onMouseUp;
  // The user's drag: moves the value, raises no event of its own.
  void userMove(std::int32_t v);

 private:
  std::int32_t min_ = 0, max_ = 10, value_ = 0;
  std::int32_t largeChange_ = 5, smallChange_ = 1;
};

class ProgressBar : public Control {
 public:
  ProgressBar(Screen* s, std::string name, int index = -1);
  double min() const { return min_; }
  double max() const { return max_; }
  double value() const { return value_; }
  void setMin(double v) { set(min_, v); }
  void setMax(double v) { set(max_, v); }
  // Outside min..max fails the step as the original control did (error 380).
  void setValue(double v);

 private:
  double min_ = 0, max_ = 100, value_ = 0;
};

// Tabs counted from 1; selecting a different tab (code or user) fires Click.
class TabStrip : public Control {
 public:
  TabStrip(Screen* s, std::string name, int index = -1);
  void addTab(std::string_view caption);
  int tabCount() const { return static_cast<int>(tabs_.size()); }
  const std::string& tabCaption(int i) const;  // 1-based
  int selectedTab() const { return selected_; }
  void selectTab(int i);
  const std::vector<std::string>& tabs() const { return tabs_; }

 private:
  std::vector<std::string> tabs_;
  int selected_ = 0;
};

// Report-style list view: column headers, rows of text with sub-items.
// Sorting is stable; a column compares as numbers or as text regardless of
// case. Each column has one text colour for all its cells.
class ListView : public Control {
 public:
  struct Column {
    std::string text;
    int width = 1440;  // twips
    // Sorts by the number its cells begin with (readNumber), not as text.
    bool numeric = false;
    OleColor foreColor = color::ControlText;
  };
  struct Item {
    std::string text;
    std::vector<std::string> subItems;
    std::string key;
  };
  ListView(Screen* s, std::string name, int index = -1);
  std::vector<Column>& columns() { return columns_; }
  const std::vector<Column>& columns() const { return columns_; }
  void addColumn(std::string_view text, int width, bool numeric = false);
  void clearColumns();
  // The text colour of every cell of column `column` (0 the item text).
  void setColumnForeColor(int column, OleColor color);
  const std::vector<Item>& items() const { return items_; }
  int addItem(std::string_view text, std::vector<std::string> subItems = {}, std::string key = {});
  // Replaces every item at once, sorted once when sorting is on.
  void setItems(std::vector<Item> items);
  void setSubItem(int item, int sub, std::string_view text);
  void removeItem(int i);
  void clearItems();
  int itemCount() const { return static_cast<int>(items_.size()); }
  bool sorted() const { return sorted_; }
  void setSorted(bool v);
  int sortKey() const { return sortKey_; }
  void setSortKey(int k);
  // 0 ascending, 1 descending.
  int sortOrder() const { return sortOrder_; }
  void setSortOrder(int o);
  // Sorting on, by `key` in `order` (0 ascending, 1 descending), in one sort.
  void sortBy(int key, int order);
  int selectedItem() const { return selected_; }
  void setSelectedItem(int i);
  std::function<void(int column)> onColumnClick;  // 1-based column
  std::function<void(int item)> onItemClick;
  void userColumnClick(int column);
  void userItemClick(int item);
  std::uint64_t itemsRevision() const { return itemsRevision_; }

 private:
  void sortNow();
  void itemsChanged();
  std::vector<Column> columns_;
  std::vector<Item> items_;
  bool sorted_ = false;
  int sortKey_ = 0;
  int sortOrder_ = 0;
  int selected_ = -1;
  std::uint64_t itemsRevision_ = 0;
};

// Indexed control array with its own bounds; elements may be sparse
// (for example elements 0 to 5, 7 and 8). Every index is range-checked.
template <class T>
class ControlArray {
 public:
  ControlArray(Screen* s, const std::string& name, int lbound, int ubound) {
    for (int i = lbound; i <= ubound; ++i) add(s, name, i);
  }
  ControlArray(Screen* s, const std::string& name, std::initializer_list<int> indices) {
    for (int i : indices) add(s, name, i);
  }
  // Throws RunError(9) when no element has that index.
  T& operator[](int i) {
    T* p = find(i);
    if (!p) throw RunError(err::Subscript, "Subscript out of range");
    return *p;
  }
  const T& operator[](int i) const { return const_cast<ControlArray*>(this)->operator[](i); }
  bool contains(int i) const { return const_cast<ControlArray*>(this)->find(i) != nullptr; }
  int lbound() const { return items_.empty() ? 0 : items_.front()->index(); }
  int ubound() const { return items_.empty() ? -1 : items_.back()->index(); }
  std::size_t size() const { return items_.size(); }
  // Elements in index order.
  auto begin() { return Deref{items_.begin()}; }
  auto end() { return Deref{items_.end()}; }

 private:
  struct Deref {
    typename std::vector<std::unique_ptr<T>>::iterator it;
    T& operator*() const { return **it; }
    Deref& operator++() {
      ++it;
      return *this;
    }
    bool operator!=(const Deref& o) const { return it != o.it; }
  };
  void add(Screen* s, const std::string& name, int i) { items_.push_back(std::make_unique<T>(s, name, i)); }
  T* find(int i) {
    if (items_.empty()) return nullptr;
    int first = items_.front()->index();
    int pos = i - first;
    if (pos >= 0 && pos < static_cast<int>(items_.size()) && items_[pos]->index() == i)
      return items_[pos].get();
    for (auto& p : items_)
      if (p->index() == i) return p.get();
    return nullptr;
  }
  std::vector<std::unique_ptr<T>> items_;
};

}  // namespace platform
