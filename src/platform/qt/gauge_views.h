#pragma once
// Painted views of the gauge models, one instrument per file (bar, tape,
// round gauge, readout, compass, attitude, airspeed, altimeter, heading,
// climb). Every gauge widget keeps what does not move (scale, ticks, tick
// labels, bands, dial face) in a cached layer that is rebuilt only when a
// setting of it, the size or the font changes; the moving parts (pointers,
// needles, horizon, the marks of a moving tape, readout text) are drawn on
// every paint from a copy of the model taken by refresh(), so painting never
// reads the model.

#include <cstdint>
#include <vector>

#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QRectF>
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
  void invalidateStatic() {
    layer_.valid = false;
    spare_.valid = false;
  }
  // For a setting that flips between two values and back, as the display
  // colour that marks stale data does once a second: the present layer is
  // kept aside as the one painted with `from`, and the layer kept aside
  // before is taken up again if it was painted with `to`, so flipping back
  // and forth paints no layer anew. A change of any other setting
  // (invalidateStatic) drops the layer kept aside as well.
  void flipStatic(std::uint64_t from, std::uint64_t to);
  // True when the cached layer is painted and fits the widget as it is, so
  // that what was laid out with it still holds.
  bool layerCurrent() const;
  // Asks for a paint of the area that the moving parts cover now, together
  // with the area they covered at the last request: a pointer that moves
  // repaints the strip it moves in, not the whole gauge. A null area (the
  // layer is not current, or the moving parts are not known) repaints the
  // whole widget.
  void updateMoving(const QRectF& area);
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
  // False when the view keeps its static part in a pixmap of its own (the
  // compass tape) or paints it on every paint (a moving tape's ground, two
  // fills, or a readout's, one fill, that cost less than copying a layer):
  // no widget-sized layer is made, and paintStatic is given an inactive
  // painter.
  virtual bool hasStaticLayer() const { return true; }

 private:
  // A painted static layer and what it was painted for.
  struct Layer {
    QPixmap pixmap;
    bool valid = false;
    QSize size;
    qreal ratio = 0;
    QFont font;
    std::uint64_t tag = 0;
    // Of a transparent layer: the parts that hold anything painted, in the
    // pixmap's pixels; only these are drawn.
    std::vector<QRect> painted;
  };
  Layer layer_, spare_;
  QRect lastMoving_;
  int staticRebuilds_ = 0;
};

}  // namespace platform::qt
