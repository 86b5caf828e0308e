#pragma once
// Painted views of the gauge models. Every gauge widget keeps what does not
// move (scale, ticks, tick labels, bands, dial face) in a cached pixmap that is
// rebuilt only when a setting of it, the size or the font changes; the moving
// parts (pointers, needles, horizon, tape position, readout text) are drawn on
// every paint from a copy of the model taken by refresh(), so painting never
// reads the model.

#include <QPixmap>
#include <QWidget>

#include "platform/qt/control_view.h"

namespace platform::qt {

class GaugeWidget : public QWidget {
 public:
  explicit GaugeWidget(QWidget* parent);
  // How often the cached static part was painted; tests check that a moving
  // pointer alone does not repaint it.
  int staticRebuilds() const { return staticRebuilds_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Marks the cached static part stale; the next paint repaints it.
  void invalidateStatic() { staticValid_ = false; }
  // The static part, painted into the cache (transparent to start with).
  virtual void paintStatic(QPainter& p) = 0;
  // Moving parts under the cached layer (the attitude horizon, the heading card).
  virtual void paintUnder(QPainter&) {}
  // Moving parts over the cached layer (pointers, needles, readout text).
  virtual void paintOver(QPainter&) {}
  // False when the static part lives in a pixmap of the view's own (the
  // compass tape) and the widget-sized layer stays empty.
  virtual bool hasStaticLayer() const { return true; }

 private:
  QPixmap cache_;
  bool staticValid_ = false;
  int staticRebuilds_ = 0;
  QSize cacheSize_;
  qreal cacheRatio_ = 0;
  QFont cacheFont_;
};

}  // namespace platform::qt
