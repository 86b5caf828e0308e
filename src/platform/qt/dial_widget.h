#pragma once
// What the aviation dials share (attitude, airspeed, altimeter, heading and
// climb indicators, each in its own file): the display colour of their
// markings, the face texts, the face and bezel.

#include <QColor>
#include <QPainter>
#include <QString>

#include "platform/gauges.h"
#include "platform/qt/gauge_parts.h"

namespace platform::qt {

class DialWidget : public GaugeWidget {
 public:
  using GaugeWidget::GaugeWidget;

  // Copies the settings every dial has, a change of one marking the cached
  // layer stale (the stale display colour shows on the next paint), and the
  // value the needle or card shows. A dial with settings of its own copies
  // them first, then calls this.
  void pull(const AviationDial& d);

 protected:
  double value() const { return value_; }

  QPointF centre() const { return {width() / 2.0, height() / 2.0}; }
  double radius() const { return std::max(4.0, std::min(width(), height()) / 2.0 - 1); }
  QColor markings() const { return toQColor(face_.markings); }
  QColor back() const { return toQColor(face_.back); }

  // The background round the dial and the dial's face.
  void paintFace(QPainter& p, QPointF c, double r);
  void paintBezel(QPainter& p, QPointF c, double r);
  // The title above the centre and the subtitle below it.
  void paintTitles(QPainter& p, QPointF c, double r);
  // A tick between radii r0 and r1 at the given angle.
  static void tick(QPainter& p, QPointF c, double r0, double r1, double angle) {
    p.drawLine(polar(c, r0, angle), polar(c, r1, angle));
  }

 private:
  struct Face {
    OleColor markings = 0, back = 0;
    QString title, subtitle;
    bool operator==(const Face&) const = default;
  };
  Face face_;
  double value_ = 0;
};

}  // namespace platform::qt
