#include "platform/qt/list_box_view.h"

#include <algorithm>
#include <climits>
#include <exception>
#include <string>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>

#include "platform/qt/qt_text.h"

namespace platform::qt {

// ---- VirtualList

VirtualList::VirtualList(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

int VirtualList::rowHeight() const {
  return fontMetrics().height() + 2;
}

int VirtualList::visibleRows() const {
  return std::max(1, viewport()->height() / rowHeight());
}

int VirtualList::topRow() const {
  return verticalScrollBar()->value();
}

void VirtualList::updateScrollBars() {
  const int visible = visibleRows();
  QScrollBar* v = verticalScrollBar();
  v->setRange(0, std::max(0, rows_ - visible));
  v->setPageStep(visible);
  v->setSingleStep(1);
  QScrollBar* h = horizontalScrollBar();
  h->setRange(0, std::max(0, contentWidth_ - viewport()->width()));
  h->setPageStep(std::max(1, viewport()->width()));
  h->setSingleStep(std::max(1, fontMetrics().averageCharWidth()));
}

void VirtualList::reset(int rowCount) {
  rows_ = std::max(0, rowCount);
  current_ = -1;
  updateScrollBars();
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  viewport()->update();
}

void VirtualList::setContentWidth(int pixels) {
  if (contentWidth_ == pixels) return;
  contentWidth_ = pixels;
  updateScrollBars();
  viewport()->update();
}

void VirtualList::setCurrentRow(int row) {
  if (row < -1 || row >= rows_) row = -1;
  if (current_ == row) return;
  current_ = row;
  viewport()->update();
}

void VirtualList::scrollToRow(int row, bool atTop) {
  if (row < 0 || row >= rows_) return;
  QScrollBar* v = verticalScrollBar();
  const int visible = visibleRows();
  if (atTop || row < v->value())
    v->setValue(row);
  else if (row >= v->value() + visible)
    v->setValue(row - visible + 1);
}

QRect VirtualList::rowRect(int row) const {
  const int top = topRow();
  if (row < top || row >= rows_ || row > top + visibleRows()) return {};
  const int h = rowHeight();
  return QRect(0, (row - top) * h, viewport()->width(), h);
}

int VirtualList::rowAt(const QPoint& point) const {
  if (point.y() < 0) return -1;
  const long long row = static_cast<long long>(topRow()) + point.y() / rowHeight();
  return row < rows_ ? static_cast<int>(row) : -1;
}

void VirtualList::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  const int h = rowHeight();
  const int top = topRow();
  const int last =
      static_cast<int>(std::min<long long>(rows_, static_cast<long long>(top) + visibleRows() + 1));
  const int x = -horizontalScrollBar()->value();
  const int width = std::max(contentWidth_, viewport()->width());
  const int margin = 2;
  for (int row = top; row < last; ++row) {
    const QRect r(x, (row - top) * h, width, h);
    if (row == current_) {
      p.fillRect(r, palette().brush(QPalette::Highlight));
      p.setPen(palette().color(QPalette::HighlightedText));
    } else {
      p.setPen(palette().color(QPalette::Text));
    }
    QString text;
    try {
      if (rowText) text = rowText(row);
    } catch (const std::exception&) {
      // A row that cannot be read shows empty; the list carries on.
    }
    p.drawText(r.adjusted(margin, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
  }
}

void VirtualList::choose(int row) {
  if (row < 0 || row >= rows_) return;
  scrollToRow(row);
  if (onRowChosen) onRowChosen(row);
}

void VirtualList::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QAbstractScrollArea::mousePressEvent(event);
    return;
  }
  setFocus(Qt::MouseFocusReason);
  choose(rowAt(event->position().toPoint()));
}

void VirtualList::keyPressEvent(QKeyEvent* event) {
  if (rows_ == 0) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  const int page = visibleRows();
  const int from = current_ < 0 ? topRow() : current_;
  int to = -1;
  switch (event->key()) {
    case Qt::Key_Up:
      to = current_ < 0 ? from : from - 1;
      break;
    case Qt::Key_Down:
      to = current_ < 0 ? from : from + 1;
      break;
    case Qt::Key_PageUp:
      to = from - page;
      break;
    case Qt::Key_PageDown:
      to = static_cast<int>(std::min<long long>(INT_MAX, static_cast<long long>(from) + page));
      break;
    case Qt::Key_Home:
      to = 0;
      break;
    case Qt::Key_End:
      to = rows_ - 1;
      break;
    default:
      QAbstractScrollArea::keyPressEvent(event);
      return;
  }
  choose(std::clamp(to, 0, rows_ - 1));
}

void VirtualList::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollBars();
}

void VirtualList::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    updateScrollBars();
    viewport()->update();
  }
}

void VirtualList::scrollContentsBy(int, int) {
  viewport()->update();
}

// ---- the list box's view

namespace {

// What a row shows of an entry: control bytes (a kept CR, an LF) as blanks,
// and no more than a screenful of an exceptionally long entry.
constexpr std::size_t kMostShown = 65536;

QString shownText(std::string entry) {
  if (entry.size() > kMostShown) entry.resize(kMostShown);
  for (char& c : entry) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return toQString(entry);
}

class ListBoxView : public ControlView {
 public:
  ListBoxView(ListBox& m, QWidget* parent, ViewHost& host) : m_(m), w_(new VirtualList(parent)), host_(host) {
    w_->setObjectName(toQString(m.objectName()));
    w_->rowText = [this](int row) {
      // The entries may have changed since the last refresh; the view
      // catches up then.
      if (row >= m_.listCount()) return QString();
      return shownText(m_.list(row));
    };
    w_->onRowChosen = [this](int row) {
      host_.userInput([this, row] {
        if (row < m_.listCount()) m_.setListIndex(row);
      });
      refresh();
    };
  }
  QWidget* widget() override { return w_.data(); }

  void refresh() override {
    VirtualList* w = w_.data();
    if (!w) return;
    if (revision_ != m_.itemsRevision()) {
      revision_ = m_.itemsRevision();
      // The row count is taken only here, so the widget never sees a count
      // that changed without a reset.
      w->reset(m_.listCount());
      shownIndex_ = -2;
      shownTop_ = -1;
    }
    // The rows are as wide as the list's extent, and never narrower than the
    // longest entry of a source drawn in the list's own font.
    // Nothing beyond the part of an entry a row shows is ever drawn.
    const long long cell = w->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    long long width = std::min<long long>(m_.horizontalExtent(), (kMostShown + 2) * cell);
    if (const std::size_t longest = m_.longestEntry(); longest > 0)
      width = std::max(width, (static_cast<long long>(std::min(longest, kMostShown)) + 2) * cell);
    w->setContentWidth(static_cast<int>(width));
    if (shownIndex_ != m_.listIndex()) {
      shownIndex_ = m_.listIndex();
      w->setCurrentRow(shownIndex_);
      if (shownIndex_ >= 0) w->scrollToRow(shownIndex_);
    }
    if (shownTop_ != m_.topIndex()) {
      shownTop_ = m_.topIndex();
      if (shownTop_ >= 0) w->scrollToRow(shownTop_, true);
    }
    QPalette p = w->palette();
    const QColor back = toQColor(m_.backColor()), fore = toQColor(m_.foreColor());
    if (p.color(QPalette::Base) != back || p.color(QPalette::Text) != fore) {
      p.setColor(QPalette::Base, back);
      p.setColor(QPalette::Active, QPalette::Text, fore);
      p.setColor(QPalette::Inactive, QPalette::Text, fore);
      w->setPalette(p);
    }
  }

 private:
  ListBox& m_;
  QPointer<VirtualList> w_;
  ViewHost& host_;
  std::uint64_t revision_ = ~std::uint64_t{0};
  int shownIndex_ = -2;
  int shownTop_ = -1;
};

}  // namespace

std::unique_ptr<ControlView> createListBoxView(ListBox& model, QWidget* parent, ViewHost& host) {
  return std::make_unique<ListBoxView>(model, parent, host);
}

}  // namespace platform::qt
