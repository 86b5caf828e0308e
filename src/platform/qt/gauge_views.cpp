#include "platform/qt/gauge_views.h"

#include <QPainter>

#include "platform/gauges.h"
#include "platform/qt/gauge_parts.h"

namespace platform::qt {

GaugeWidget::GaugeWidget(QWidget* parent) : QWidget(parent) {
  // Every pixel is painted, so Qt need not clear the background first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void GaugeWidget::paintEvent(QPaintEvent*) {
  if (width() <= 0 || height() <= 0) return;
  const qreal ratio = devicePixelRatioF();
  if (!staticValid_ || cacheSize_ != size() || cacheRatio_ != ratio || cacheFont_ != font()) {
    cache_ = QPixmap(size() * ratio);
    cache_.setDevicePixelRatio(ratio);
    // An opaque layer copies onto the widget without blending.
    cache_.fill(paintsUnder() ? QColor(Qt::transparent) : QColor(Qt::black));
    {
      QPainter cp(&cache_);
      cp.setRenderHint(QPainter::Antialiasing);
      cp.setFont(font());
      paintStatic(cp);
    }
    staticValid_ = true;
    cacheSize_ = size();
    cacheRatio_ = ratio;
    cacheFont_ = font();
    ++staticRebuilds_;
  }
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setFont(font());
  if (paintsUnder()) paintUnder(p);
  if (hasStaticLayer()) p.drawPixmap(0, 0, cache_);
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
