#pragma once
// The view of a list box: a list that draws only the rows on view, so a list
// of millions of entries shows at once and jumps to any entry at once. It
// holds no entries: it asks for a row's text when it paints that row.

#include <functional>
#include <memory>

#include <QAbstractScrollArea>
#include <QRect>
#include <QString>

#include "platform/qt/control_views.h"

namespace platform::qt {

class VirtualList : public QAbstractScrollArea {
 public:
  explicit VirtualList(QWidget* parent = nullptr);

  // The rows to show: how many, and the text of one (asked only for rows on view).
  std::function<QString(int row)> rowText;
  // The user picked a row (a click, or a key that moves the selection).
  std::function<void(int row)> onRowChosen;

  // The number of rows changed: the list starts again from the top.
  void reset(int rowCount);
  int rowCount() const { return rows_; }
  // Width of the rows in pixels, which sets the horizontal scroll range.
  void setContentWidth(int pixels);
  int contentWidth() const { return contentWidth_; }
  // The highlighted row (-1 none); setting it calls no handler.
  void setCurrentRow(int row);
  int currentRow() const { return current_; }
  // Brings a row on view, at the top when asked to.
  void scrollToRow(int row, bool atTop = false);
  int topRow() const;
  int rowHeight() const;
  // Where a row is drawn in the viewport (empty when it is not on view), and
  // the row under a viewport point (-1 for none).
  QRect rowRect(int row) const;
  int rowAt(const QPoint& point) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  int visibleRows() const;
  void updateScrollBars();
  void choose(int row);

  int rows_ = 0;
  int current_ = -1;
  int contentWidth_ = 0;
};

std::unique_ptr<ControlView> createListBoxView(ListBox& model, QWidget* parent, ViewHost& host);

}  // namespace platform::qt
