// Draws the program's own pictures into a folder (the program folder):
//   Recorder.ico                 window and tray icon, 16, 32 and 48 pixels
//   photo/GPS_GREEN_Small.bmp    sky plot satellite markers by signal strength
//   photo/GPS_YELLOW_Small.bmp
//   photo/GPS_RED_Small.bmp
// Usage: make_images <folder>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QPalette>
#include <QtEndian>

namespace {

// An instrument dial with a red recording dot, drawn natively at each size.
QImage drawIcon(int size) {
  QImage img(size, size, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double s = size;
  const QPointF c(s * 0.46, s * 0.46);
  const double r = s * 0.44;
  p.setPen(QPen(QColor(150, 150, 160), std::max(1.0, s / 16)));
  p.setBrush(QColor(20, 20, 24));
  p.drawEllipse(c, r, r);
  // A green band and ticks on the larger sizes, a white needle on all.
  if (size >= 32) {
    QPen band(QColor(0, 190, 0), s * 0.07);
    band.setCapStyle(Qt::FlatCap);
    p.setPen(band);
    p.setBrush(Qt::NoBrush);
    const double rb = r * 0.78;
    p.drawArc(QRectF(c.x() - rb, c.y() - rb, 2 * rb, 2 * rb), 90 * 16, -100 * 16);
    p.setPen(QPen(Qt::white, std::max(1.0, s / 32)));
    for (int k = 0; k <= 6; ++k) {
      const double a = qDegreesToRadians(225.0 - k * 45.0);
      p.drawLine(QPointF(c.x() + r * 0.62 * std::cos(a), c.y() - r * 0.62 * std::sin(a)),
                 QPointF(c.x() + r * 0.86 * std::cos(a), c.y() - r * 0.86 * std::sin(a)));
    }
  }
  const double a = qDegreesToRadians(45.0);
  QPen needle(Qt::white, std::max(1.5, s / 12));
  needle.setCapStyle(Qt::RoundCap);
  p.setPen(needle);
  p.drawLine(c, QPointF(c.x() + r * 0.75 * std::cos(a), c.y() - r * 0.75 * std::sin(a)));
  // Recording dot at the lower right, ringed in white so it stands off the dial.
  const double rd = s * 0.2;
  p.setPen(QPen(Qt::white, std::max(1.0, s / 24)));
  p.setBrush(QColor(220, 0, 0));
  p.drawEllipse(QPointF(s - rd - 1, s - rd - 1), rd, rd);
  return img;
}

// A disc on black, the colour of the sky plot behind the markers (a bitmap
// keeps no transparency).
QImage drawMarker(const QColor& fill) {
  QImage img(14, 14, QImage::Format_RGB32);
  img.fill(Qt::black);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(200, 200, 200), 1.2));
  p.setBrush(fill);
  p.drawEllipse(QPointF(7, 7), 5.8, 5.8);
  return img;
}

QByteArray encode(const QImage& img, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  return writer.write(img) ? bytes : QByteArray();
}

// One icon file holding every size. Qt's icon writer puts one picture in a
// file, so each picture is encoded on its own and the entries are gathered
// into one directory; where the writer is missing the entries are PNG
// pictures, which the icon format allows too.
bool writeIcon(const QString& path, const std::vector<QImage>& images) {
  const bool qtWriter = QImageWriter::supportedImageFormats().contains("ico");
  struct Entry {
    QByteArray head;  // the 16-byte directory entry, offset filled in below
    QByteArray data;
  };
  std::vector<Entry> entries;
  for (const QImage& img : images) {
    Entry e;
    if (qtWriter) {
      const QByteArray one = encode(img, "ico");
      if (one.size() < 22) return false;
      const auto size = qFromLittleEndian<quint32>(one.constData() + 14);
      const auto offset = qFromLittleEndian<quint32>(one.constData() + 18);
      if (qsizetype(offset) + qsizetype(size) > one.size()) return false;
      e.head = one.mid(6, 16);
      e.data = one.mid(offset, size);
    } else {
      e.data = encode(img, "png");
      if (e.data.isEmpty()) return false;
      e.head = QByteArray(16, '\0');
      e.head[0] = char(img.width() >= 256 ? 0 : img.width());
      e.head[1] = char(img.height() >= 256 ? 0 : img.height());
      qToLittleEndian<quint16>(1, e.head.data() + 4);   // planes
      qToLittleEndian<quint16>(32, e.head.data() + 6);  // bits per pixel
      qToLittleEndian<quint32>(quint32(e.data.size()), e.head.data() + 8);
    }
    entries.push_back(e);
  }
  QByteArray file(6, '\0');
  qToLittleEndian<quint16>(1, file.data() + 2);  // type: icon
  qToLittleEndian<quint16>(quint16(entries.size()), file.data() + 4);
  quint32 offset = quint32(6 + 16 * entries.size());
  for (Entry& e : entries) {
    qToLittleEndian<quint32>(offset, e.head.data() + 12);
    file += e.head;
    offset += quint32(e.data.size());
  }
  for (const Entry& e : entries) file += e.data;
  QFile out(path);
  return out.open(QIODevice::WriteOnly) && out.write(file) == file.size() && out.flush();
}

int fail(const QString& what) {
  std::fprintf(stderr, "make_images: %s\n", qPrintable(what));
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_images <folder>\n");
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!dir.mkpath("photo")) return fail("cannot create " + dir.filePath("photo"));

  const QString icon = dir.filePath("Recorder.ico");
  if (!writeIcon(icon, {drawIcon(16), drawIcon(32), drawIcon(48)})) return fail("cannot write " + icon);
  // Read the icon back where Qt can, so that a broken file fails the build.
  if (QImageReader::supportedImageFormats().contains("ico")) {
    QImageReader reader(icon);
    if (reader.imageCount() != 3 || reader.read().isNull()) return fail(icon + " does not read back");
  }

  const struct {
    const char* name;
    QColor fill;
  } markers[] = {{"GPS_GREEN_Small.bmp", QColor(0, 200, 0)},
                 {"GPS_YELLOW_Small.bmp", QColor(255, 215, 0)},
                 {"GPS_RED_Small.bmp", QColor(220, 0, 0)}};
  for (const auto& m : markers) {
    const QString path = dir.filePath(QString("photo/") + m.name);
    if (!drawMarker(m.fill).save(path, "BMP")) return fail("cannot write " + path);
  }
  return 0;
}
