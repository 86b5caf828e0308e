#include "platform/qt/icons.h"

#include <cmath>

#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include "platform/qt/qt_text.h"

namespace platform::qt {

std::optional<QIcon> loadIconFile(std::string_view path) {
  if (path.empty()) return std::nullopt;
  const QString file = toQString(path);
  QImageReader reader(file);
  reader.setDecideFormatFromContent(true);
  if (!reader.canRead()) return std::nullopt;
  QIcon icon(file);
  if (icon.isNull()) return std::nullopt;
  return icon;
}

namespace {

QPixmap instrumentFace(int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  const QPointF centre(s / 2, s / 2);
  const qreal r = s / 2 - s / 16;
  p.setPen(QPen(QColor(200, 200, 200), s / 16));
  p.setBrush(QColor(20, 24, 32));
  p.drawEllipse(centre, r, r);
  // Scale ticks from 7 to 5 o'clock, a green and a red band.
  p.setPen(QPen(Qt::white, std::max<qreal>(1, s / 32)));
  for (int i = 0; i <= 6; ++i) {
    const qreal a = (225.0 - 45.0 * i) * M_PI / 180.0;
    const QPointF dir(std::cos(a), -std::sin(a));
    p.drawLine(centre + dir * r * 0.72, centre + dir * r * 0.92);
  }
  const QRectF arc(centre.x() - r * 0.82, centre.y() - r * 0.82, r * 1.64, r * 1.64);
  p.setPen(QPen(QColor(0, 190, 0), std::max<qreal>(1, s / 16)));
  p.drawArc(arc, 90 * 16, 90 * 16);
  p.setPen(QPen(QColor(230, 0, 0), std::max<qreal>(1, s / 16)));
  p.drawArc(arc, -45 * 16, 45 * 16);
  // The needle and its hub.
  const qreal a = 60.0 * M_PI / 180.0;
  p.setPen(QPen(QColor(255, 160, 0), std::max<qreal>(1.5, s / 14), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre, centre + QPointF(std::cos(a), -std::sin(a)) * r * 0.8);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 200, 200));
  p.drawEllipse(centre, s / 12, s / 12);
  return pm;
}

}  // namespace

QIcon builtInIcon() {
  // Drawn on each call: a static pixmap would outlive the application object.
  QIcon icon;
  for (int size : {16, 22, 32, 48, 64}) icon.addPixmap(instrumentFace(size));
  return icon;
}

}  // namespace platform::qt
