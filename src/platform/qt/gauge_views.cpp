#include "platform/qt/gauge_views.h"

#include <vector>

#include <QPaintEvent>
#include <QPainter>

#include "platform/gauges.h"
#include "platform/qt/gauge_parts.h"

namespace platform::qt {

GaugeWidget::GaugeWidget(QWidget* parent) : QWidget(parent) {
  // Every pixel is painted, so Qt need not clear the background first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void GaugeWidget::flipStatic(std::uint64_t from, std::uint64_t to) {
  layer_.tag = from;
  std::swap(layer_, spare_);
  if (layer_.tag != to) layer_.valid = false;
}

bool GaugeWidget::layerCurrent() const {
  return layer_.valid && layer_.size == size() && layer_.ratio == devicePixelRatioF() &&
         layer_.font == font();
}

void GaugeWidget::updateMoving(const QRectF& area) {
  // Antialiased edges reach into the pixels round the area.
  const QRect now = area.isNull() ? QRect() : area.toAlignedRect().adjusted(-2, -2, 2, 2) & rect();
  if (now.isNull() || lastMoving_.isNull())
    update();
  else
    update(now | lastMoving_);
  lastMoving_ = now;
}

void GaugeWidget::paintEvent(QPaintEvent* event) {
  if (width() <= 0 || height() <= 0) return;
  const qreal ratio = devicePixelRatioF();
  Layer& l = layer_;
  if (!layerCurrent()) {
    if (hasStaticLayer()) {
      if (l.pixmap.size() != size() * ratio) l.pixmap = QPixmap(size() * ratio);
      l.pixmap.setDevicePixelRatio(ratio);
      // An opaque layer copies onto the widget without blending.
      l.pixmap.fill(paintsUnder() ? QColor(Qt::transparent) : QColor(Qt::black));
      QPainter cp(&l.pixmap);
      cp.setRenderHint(QPainter::Antialiasing);
      cp.setFont(font());
      paintStatic(cp);
      cp.end();
      l.painted = paintsUnder() ? paintedParts(l.pixmap.toImage()) : std::vector<QRect>{};
    } else {
      // The view keeps what it caches itself; no widget-sized layer is made.
      l.pixmap = QPixmap();
      l.painted.clear();
      QPainter none;
      paintStatic(none);
    }
    l.valid = true;
    l.size = size();
    l.ratio = ratio;
    l.font = font();
    ++staticRebuilds_;
  }
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setFont(font());
  if (paintsUnder()) paintUnder(p);
  if (hasStaticLayer() && !paintsUnder()) p.drawPixmap(0, 0, l.pixmap);
  // A transparent layer: only its painted parts.
  for (const QRect& part : l.painted) {
    const QRectF at(QPointF(part.topLeft()) / ratio, QSizeF(part.size()) / ratio);
    if (at.intersects(event->rect())) p.drawPixmap(at.topLeft(), l.pixmap, QRectF(part));
  }
  paintOver(p);
}

std::unique_ptr<ControlView> createGaugeView(Control& model, QWidget* parent) {
  switch (model.kind()) {
    case ControlKind::LinearGauge: {
      const auto& g = static_cast<LinearGauge&>(model);
      return g.movingScale() && g.orientation() == Orientation::Vertical ? makeTapeView(model, parent)
                                                                         : makeBarView(model, parent);
    }
    case ControlKind::AngularGauge:
      return makeRoundGaugeView(model, parent);
    case ControlKind::AnalogDisplay:
      return makeReadoutView(model, parent);
    case ControlKind::GaugeLabel:
      return makeGaugeLabelView(model, parent);
    case ControlKind::SlidingCompass:
      return makeCompassView(model, parent);
    case ControlKind::AviationDial:
      // The dial's mode is a design-time choice: one instrument each.
      switch (static_cast<AviationDial&>(model).mode()) {
        case DialMode::Attitude:
          return makeAttitudeView(model, parent);
        case DialMode::Airspeed:
          return makeAirspeedView(model, parent);
        case DialMode::Altimeter:
          return makeAltimeterView(model, parent);
        case DialMode::Heading:
          return makeHeadingView(model, parent);
        case DialMode::Climb:
          return makeClimbView(model, parent);
      }
      return nullptr;
    default:
      return nullptr;
  }
}

}  // namespace platform::qt
