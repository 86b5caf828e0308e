#include "platform/qt/dial_widget.h"

#include <algorithm>

namespace platform::qt {

void DialWidget::pull(const AviationDial& d) {
  Face f;
  f.markings = d.displayColor();
  f.back = d.backColor();
  f.title = toQString(d.title());
  f.subtitle = toQString(d.subtitle());
  if (!(f == face_)) {
    // The stale marking flips the display colour alone, back and forth.
    Face others = face_;
    others.markings = f.markings;
    if (others == f)
      flipStatic(face_.markings, f.markings);
    else
      invalidateStatic();
  }
  face_ = f;
  value_ = finite(d.shownValue());
  update();
}

void DialWidget::paintFace(QPainter& p, QPointF c, double r) {
  p.fillRect(rect(), back());
  p.setPen(Qt::NoPen);
  p.setBrush(faceColor(back()));
  p.drawEllipse(c, r, r);
}

void DialWidget::paintBezel(QPainter& p, QPointF c, double r) {
  const double w = std::max(1.5, r * 0.05);
  p.setPen(QPen(QColor(105, 105, 110), w));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, r - w / 2, r - w / 2);
}

void DialWidget::paintTitles(QPainter& p, QPointF c, double r) {
  p.setPen(markings());
  p.setFont(pixelFont(font(), std::clamp(r * 0.13, 6.0, 16.0)));
  if (!face_.title.isEmpty()) drawTextAt(p, QPointF(c.x(), c.y() - r * 0.34), face_.title);
  if (!face_.subtitle.isEmpty()) drawTextAt(p, QPointF(c.x(), c.y() + r * 0.34), face_.subtitle);
}

}  // namespace platform::qt
