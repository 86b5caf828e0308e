#include "platform/controls.h"

#include <algorithm>
#include <exception>
#include <functional>

#include "platform/numbers.h"
#include "platform/screen.h"

namespace platform {

namespace {
// Decoders rewrite dozens of short captions per record: comparing them in a
// plain loop costs less than a library call each.
bool sameText(const std::string& a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < b.size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

EventErrorSink& eventErrorSink() {
  static EventErrorSink sink;
  return sink;
}
}  // namespace

void setEventErrorSink(EventErrorSink sink) {
  eventErrorSink() = std::move(sink);
}

void runEvent(const std::function<void()>& handler, const char* what) {
  if (!handler) return;
  try {
    handler();
  } catch (const std::exception& e) {
    if (eventErrorSink()) eventErrorSink()(what, e.what());
  } catch (...) {
    if (eventErrorSink()) eventErrorSink()(what, "unknown failure");
  }
}

const char* controlKindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return "Label";
    case ControlKind::TextBox:
      return "TextBox";
    case ControlKind::ComboBox:
      return "ComboBox";
    case ControlKind::ListBox:
      return "ListBox";
    case ControlKind::OptionButton:
      return "OptionButton";
    case ControlKind::CheckBox:
      return "CheckBox";
    case ControlKind::CommandButton:
      return "CommandButton";
    case ControlKind::Frame:
      return "Frame";
    case ControlKind::Shape:
      return "Shape";
    case ControlKind::Line:
      return "Line";
    case ControlKind::Image:
      return "Image";
    case ControlKind::Slider:
      return "Slider";
    case ControlKind::ProgressBar:
      return "ProgressBar";
    case ControlKind::TabStrip:
      return "TabStrip";
    case ControlKind::ListView:
      return "ListView";
    case ControlKind::LinearGauge:
      return "LinearGauge";
    case ControlKind::AngularGauge:
      return "AngularGauge";
    case ControlKind::AnalogDisplay:
      return "AnalogDisplay";
    case ControlKind::GaugeLabel:
      return "GaugeLabel";
    case ControlKind::SlidingCompass:
      return "SlidingCompass";
    case ControlKind::AviationDial:
      return "AviationDial";
  }
  return "Control";
}

// ---- Control

Control::Control(Screen* screen, ControlKind kind, std::string name, int index)
    : screen_(screen), kind_(kind), name_(std::move(name)), index_(index) {
  if (screen_) screen_->registerControl(this);
}

Control::~Control() {
  if (screen_) screen_->unregisterControl(this);
}

std::string Control::objectName() const {
  if (index_ < 0) return name_;
  return name_ + "_" + std::to_string(index_);
}

void Control::changed() {
  if (screen_) screen_->notifyControl(*this);
}

void Control::setGeometry(int left, int top, int width, int height) {
  if (left_ == left && top_ == top && width_ == width && height_ == height) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  changed();
}

void Control::setCaption(std::string_view v) {
  if (sameText(caption_, v)) return;
  const std::less<const char*> before;
  if (before(v.data(), caption_.data()) || !before(v.data(), caption_.data() + caption_.size())) {
    // Not a part of the caption itself: appending to the emptied caption is
    // the cheapest copy.
    caption_.clear();
    caption_.append(v);
  } else {
    caption_.assign(v);
  }
  changed();
}

void Control::setToolTip(std::string_view v) {
  if (toolTip_ == v) return;
  toolTip_.assign(v);
  changed();
}

void Control::setFont(const Font& f) {
  set(font_, f);
}

void Control::setContainer(Control* c) {
  set(container_, c);
}

void Control::fireClick() {
  runEvent(onClick, "click");
}

void Control::click() {
  if (!enabled_) return;
  fireClick();
}

void Control::dblClick() {
  if (!enabled_) return;
  runEvent(onDblClick, "double click");
}

// ---- TextBox

TextBox::TextBox(Screen* s, std::string name, int index)
    : Control(s, ControlKind::TextBox, std::move(name), index) {
  setBackColor(color::WindowBackground);
}

void TextBox::setText(std::string_view v) {
  if (text_ == v) return;
  text_.assign(v);
  changed();
  runEvent(onChange, "change");
}

// ---- ListItems

void ListItems::check(int i) const {
  if (i < 0 || i >= listCount()) throw RunError(381, "Invalid property array index");
}

void ListItems::addItem(std::string_view text, int index) {
  if (index < 0 || index >= listCount()) {
    items_.emplace_back(text);
    data_.push_back(0);
  } else {
    items_.insert(items_.begin() + index, std::string(text));
    data_.insert(data_.begin() + index, 0);
  }
}

void ListItems::removeItem(int index) {
  check(index);
  items_.erase(items_.begin() + index);
  data_.erase(data_.begin() + index);
}

void ListItems::clear() {
  items_.clear();
  data_.clear();
}

const std::string& ListItems::list(int i) const {
  check(i);
  return items_[static_cast<std::size_t>(i)];
}

void ListItems::setList(int i, std::string_view text) {
  check(i);
  items_[static_cast<std::size_t>(i)].assign(text);
}

std::int32_t ListItems::itemData(int i) const {
  check(i);
  return data_[static_cast<std::size_t>(i)];
}

void ListItems::setItemData(int i, std::int32_t v) {
  check(i);
  data_[static_cast<std::size_t>(i)] = v;
}

// ---- ComboBox

ComboBox::ComboBox(Screen* s, std::string name, int index)
    : Control(s, ControlKind::ComboBox, std::move(name), index) {
  setBackColor(color::WindowBackground);
}

void ComboBox::setText(std::string_view v) {
  if (text_ == v) return;
  text_.assign(v);
  // The selection follows the text when it names an entry.
  const auto& items = items_.items();
  auto it = std::find(items.begin(), items.end(), text_);
  listIndex_ = it == items.end() ? -1 : static_cast<int>(it - items.begin());
  changed();
  runEvent(onChange, "change");
}

void ComboBox::setListIndex(int i) {
  if (i < -1 || i >= items_.listCount()) throw RunError(380, "Invalid property value");
  if (i == -1) {
    if (listIndex_ == -1 && text_.empty()) return;
    listIndex_ = -1;
    text_.clear();
    changed();
    return;
  }
  bool same = listIndex_ == i && text_ == items_.list(i);
  listIndex_ = i;
  text_ = items_.list(i);
  if (!same) changed();
  runEvent(onClick, "click");
}

void ComboBox::addItem(std::string_view text, int index) {
  items_.addItem(text, index);
  if (index >= 0 && listIndex_ >= index) ++listIndex_;
  changed();
}

void ComboBox::removeItem(int index) {
  items_.removeItem(index);
  if (listIndex_ == index)
    listIndex_ = -1;
  else if (listIndex_ > index)
    --listIndex_;
  changed();
}

void ComboBox::clear() {
  items_.clear();
  listIndex_ = -1;
  // Clearing the list of an editable combo box also empties its text.
  text_.clear();
  changed();
}

void ComboBox::setItemData(int i, std::int32_t v) {
  items_.setItemData(i, v);
}

// ---- ListBox

ListBox::ListBox(Screen* s, std::string name, int index)
    : Control(s, ControlKind::ListBox, std::move(name), index) {
  setBackColor(color::WindowBackground);
}

void ListBox::itemsChanged() {
  ++itemsRevision_;
  changed();
}

void ListBox::addItem(std::string_view text, int index) {
  items_.addItem(text, index);
  if (index >= 0 && listIndex_ >= index) ++listIndex_;
  itemsChanged();
}

void ListBox::removeItem(int index) {
  items_.removeItem(index);
  if (listIndex_ == index)
    listIndex_ = -1;
  else if (listIndex_ > index)
    --listIndex_;
  itemsChanged();
}

void ListBox::clear() {
  items_.clear();
  listIndex_ = -1;
  topIndex_ = 0;
  itemsChanged();
}

int ListBox::listCount() const {
  return source_ ? source_->count() : items_.listCount();
}

std::string ListBox::list(int i) const {
  if (!source_) return items_.list(i);
  if (i < 0 || i >= source_->count()) throw RunError(381, "Invalid property array index");
  return source_->entry(i);
}

void ListBox::setList(int i, std::string_view text) {
  items_.setList(i, text);
  itemsChanged();
}

void ListBox::setItemData(int i, std::int32_t v) {
  items_.setItemData(i, v);
}

void ListBox::setListIndex(int i) {
  if (i < -1 || i >= listCount()) throw RunError(380, "Invalid property value");
  if (listIndex_ == i) return;
  listIndex_ = i;
  changed();
  if (i >= 0) runEvent(onClick, "click");
}

void ListBox::setSource(const ListSource* source) {
  if (source_ == source) return;
  source_ = source;
  sourceChanged();
}

void ListBox::sourceChanged() {
  listIndex_ = -1;
  topIndex_ = 0;
  itemsChanged();
}

// ---- OptionButton

OptionButton::OptionButton(Screen* s, std::string name, int index)
    : Control(s, ControlKind::OptionButton, std::move(name), index) {}

void OptionButton::select(bool fire) {
  // The group is every option button with the same container on this screen.
  if (screen()) {
    for (Control* c : screen()->controls()) {
      if (c == this || c->kind() != ControlKind::OptionButton || c->container() != container()) continue;
      auto* other = static_cast<OptionButton*>(c);
      if (other->value_) {
        other->value_ = false;
        other->changed();
      }
    }
  }
  bool was = value_;
  value_ = true;
  if (!was) changed();
  if (fire) fireClick();
}

void OptionButton::setValue(bool v) {
  if (v) {
    if (value_) return;
    select(true);
  } else if (value_) {
    value_ = false;
    changed();
  }
}

void OptionButton::click() {
  if (!enabled()) return;
  select(true);
}

// ---- CheckBox

CheckBox::CheckBox(Screen* s, std::string name, int index)
    : Control(s, ControlKind::CheckBox, std::move(name), index) {}

void CheckBox::setValue(int v) {
  if (v < 0 || v > 2) throw RunError(380, "Invalid property value");
  if (value_ == v) return;
  value_ = v;
  changed();
  fireClick();
}

void CheckBox::click() {
  if (!enabled()) return;
  setValue(value_ == 1 ? 0 : 1);
}

// ---- simple kinds

CommandButton::CommandButton(Screen* s, std::string name, int index)
    : Control(s, ControlKind::CommandButton, std::move(name), index) {}

Frame::Frame(Screen* s, std::string name, int index)
    : Control(s, ControlKind::Frame, std::move(name), index) {}

Shape::Shape(Screen* s, std::string name, int index)
    : Control(s, ControlKind::Shape, std::move(name), index) {}

Line::Line(Screen* s, std::string name, int index) : Control(s, ControlKind::Line, std::move(name), index) {}

void Line::setPoints(int x1, int y1, int x2, int y2) {
  if (x1_ == x1 && y1_ == y1 && x2_ == x2 && y2_ == y2) return;
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  changed();
}

Image::Image(Screen* s, std::string name, int index)
    : Control(s, ControlKind::Image, std::move(name), index) {}

void Image::setPicture(std::string_view path) {
  if (picture_ == path) return;
  picture_.assign(path);
  changed();
}

Slider::Slider(Screen* s, std::string name, int index)
    : Control(s, ControlKind::Slider, std::move(name), index) {}

void Slider::userMove(std::int32_t v) {
  if (!enabled()) return;
  std::int32_t lo = std::min(min_, max_), hi = std::max(min_, max_);
  setValue(std::clamp(v, lo, hi));
}

ProgressBar::ProgressBar(Screen* s, std::string name, int index)
    : Control(s, ControlKind::ProgressBar, std::move(name), index) {}

void ProgressBar::setValue(double v) {
  if (v < min_ || v > max_) throw RunError(380, "Invalid property value");
  set(value_, v);
}

// ---- TabStrip

TabStrip::TabStrip(Screen* s, std::string name, int index)
    : Control(s, ControlKind::TabStrip, std::move(name), index) {}

void TabStrip::addTab(std::string_view caption) {
  tabs_.emplace_back(caption);
  if (selected_ == 0) selected_ = 1;
  changed();
}

const std::string& TabStrip::tabCaption(int i) const {
  if (i < 1 || i > tabCount()) throw RunError(35600, "Index out of bounds");
  return tabs_[static_cast<std::size_t>(i - 1)];
}

void TabStrip::selectTab(int i) {
  if (i < 1 || i > tabCount()) throw RunError(35600, "Index out of bounds");
  if (selected_ == i) return;
  selected_ = i;
  changed();
  fireClick();
}

// ---- ListView

ListView::ListView(Screen* s, std::string name, int index)
    : Control(s, ControlKind::ListView, std::move(name), index) {
  setBackColor(color::WindowBackground);
}

void ListView::itemsChanged() {
  ++itemsRevision_;
  changed();
}

void ListView::addColumn(std::string_view text, int width, bool numeric) {
  columns_.push_back({std::string(text), width, numeric});
  itemsChanged();
}

void ListView::clearColumns() {
  columns_.clear();
  itemsChanged();
}

void ListView::setColumnForeColor(int column, OleColor color) {
  if (column < 0 || column >= static_cast<int>(columns_.size())) throw RunError(35600, "Index out of bounds");
  OleColor& c = columns_[static_cast<std::size_t>(column)].foreColor;
  if (c == color) return;
  c = color;
  itemsChanged();
}

int ListView::addItem(std::string_view text, std::vector<std::string> subItems, std::string key) {
  items_.push_back({std::string(text), std::move(subItems), std::move(key)});
  if (sorted_) sortNow();
  itemsChanged();
  return static_cast<int>(items_.size()) - 1;
}

void ListView::setItems(std::vector<Item> items) {
  items_ = std::move(items);
  selected_ = -1;
  if (sorted_) sortNow();
  itemsChanged();
}

void ListView::setSubItem(int item, int sub, std::string_view text) {
  if (item < 0 || item >= itemCount() || sub < 1) throw RunError(35600, "Index out of bounds");
  auto& subs = items_[static_cast<std::size_t>(item)].subItems;
  if (static_cast<int>(subs.size()) < sub) subs.resize(static_cast<std::size_t>(sub));
  subs[static_cast<std::size_t>(sub - 1)].assign(text);
  itemsChanged();
}

void ListView::removeItem(int i) {
  if (i < 0 || i >= itemCount()) throw RunError(35600, "Index out of bounds");
  items_.erase(items_.begin() + i);
  if (selected_ == i)
    selected_ = -1;
  else if (selected_ > i)
    --selected_;
  itemsChanged();
}

void ListView::clearItems() {
  items_.clear();
  selected_ = -1;
  itemsChanged();
}

// NOLINTNEXTLINE(readability-function-cognitive-complexity)
void ListView::sortNow() {
  const std::size_t n = items_.size();
  if (n < 2) return;
  const auto cell = [this](const Item& it) -> const std::string& {
    if (sortKey_ <= 0) return it.text;
    static const std::string empty;
    const auto k = static_cast<std::size_t>(sortKey_ - 1);
    return k < it.subItems.size() ? it.subItems[k] : empty;
  };
  const bool numeric = sortKey_ >= 0 && sortKey_ < static_cast<int>(columns_.size()) &&
                       columns_[static_cast<std::size_t>(sortKey_)].numeric;
  // Every key is worked out once: a number, or the text in capitals.
  std::vector<double> numbers;
  std::vector<std::string> texts;
  if (numeric) {
    numbers.reserve(n);
    for (const Item& it : items_) numbers.push_back(readNumber(cell(it)));
  } else {
    texts.reserve(n);
    for (const Item& it : items_) {
      std::string t = cell(it);
      for (char& c : t)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
      texts.push_back(std::move(t));
    }
  }
  const auto less = [&](std::size_t a, std::size_t b) {
    if (numeric) return numbers[a] < numbers[b];
    return std::lexicographical_compare(
        texts[a].begin(), texts[a].end(), texts[b].begin(), texts[b].end(),
        [](char p, char q) { return static_cast<unsigned char>(p) < static_cast<unsigned char>(q); });
  };
  std::vector<std::size_t> order(n);
  for (std::size_t i = 0; i < n; ++i) order[i] = i;
  if (sortOrder_ == 0)
    std::stable_sort(order.begin(), order.end(), less);
  else
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return less(b, a); });
  std::vector<Item> sorted;
  sorted.reserve(n);
  int selected = -1;
  for (std::size_t i = 0; i < n; ++i) {
    // The selection stays on its item.
    if (static_cast<int>(order[i]) == selected_) selected = static_cast<int>(i);
    sorted.push_back(std::move(items_[order[i]]));
  }
  items_ = std::move(sorted);
  selected_ = selected;
}

void ListView::setSorted(bool v) {
  sorted_ = v;
  if (sorted_) sortNow();
  itemsChanged();
}

void ListView::setSortKey(int k) {
  sortKey_ = k;
  if (sorted_) sortNow();
  itemsChanged();
}

void ListView::setSortOrder(int o) {
  sortOrder_ = o;
  if (sorted_) sortNow();
  itemsChanged();
}

void ListView::sortBy(int key, int order) {
  sorted_ = true;
  sortKey_ = key;
  sortOrder_ = order;
  sortNow();
  itemsChanged();
}

void ListView::setSelectedItem(int i) {
  if (i < -1 || i >= itemCount()) throw RunError(35600, "Index out of bounds");
  set(selected_, i);
}

void ListView::userColumnClick(int column) {
  if (!enabled()) return;
  if (onColumnClick) runEvent([&] { onColumnClick(column); }, "column click");
}

void ListView::userItemClick(int item) {
  if (!enabled()) return;
  setSelectedItem(item);
  if (onItemClick) runEvent([&] { onItemClick(item); }, "item click");
}

}  // namespace platform
