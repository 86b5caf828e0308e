#pragma once
// Painted views of the gauge models, one instrument per file (bar, tape,
// round gauge, readout, compass, attitude, airspeed, altimeter, heading,
// climb). Every gauge widget keeps what does not move (scale, ticks, tick
// labels, bands, dial face) in a cached layer that is rebuilt only when a
// setting of it, the size or the font changes; the moving parts (pointers,
// needles, horizon, the marks of a moving tape, readout text) are drawn on
// every paint from a copy of the model taken by refresh(), so painting never
// reads the model.

#include <QPixmap>
#include <QWidget>

#include "platform/qt/control_view.h"

namespace platform::qt {

class GaugeWidget : public QWidget {
 public:
  explicit GaugeWidget(QWidget* parent);
  // How often the cached static layer was painted; tests check that live
  // values alone do not repaint it.
  int staticRebuilds() const { return staticRebuilds_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Marks the cached static layer stale; the next paint repaints it.
  void invalidateStatic() { staticValid_ = false; }
  // The static layer, painted into the cache. It starts transparent when
  // something moves under it, opaque (and then must be painted whole) when not.
  virtual void paintStatic(QPainter& p) = 0;
  // Moving parts under the cached layer (the attitude horizon).
  virtual void paintUnder(QPainter&) {}
  // Moving parts over the cached layer (pointers, needles, readout text).
  virtual void paintOver(QPainter&) {}
  // True when paintUnder draws: the cached layer then has a transparent
  // ground to show it through.
  virtual bool paintsUnder() const { return false; }
  // False when the static part lives in a pixmap of the view's own (the
  // compass tape) and the widget-sized layer is not drawn.
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
