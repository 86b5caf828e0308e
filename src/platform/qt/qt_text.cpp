#include "platform/qt/qt_text.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHash>
#include <QStringDecoder>

namespace platform::qt {

QString toQString(std::string_view bytes) {
  bool ascii = true;
  for (char ch : bytes) {
    if (static_cast<unsigned char>(ch) >= 0x80) {
      ascii = false;
      break;
    }
  }
  const auto size = static_cast<qsizetype>(bytes.size());
  if (ascii) return QString::fromLatin1(bytes.data(), size);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8(QByteArrayView(bytes.data(), size));
  if (!utf8.hasError()) return text;
  return QString::fromLatin1(bytes.data(), size);
}

std::string fromQString(const QString& text) {
  return text.toUtf8().toStdString();
}

namespace {

// Family names resolved once per name: looking fonts up is slow and the
// screens use a handful of names.
QString resolveFamily(const std::string& name) {
  static QHash<QString, QString> cache;
  const QString wanted = toQString(name);
  auto it = cache.constFind(wanted);
  if (it != cache.constEnd()) return *it;
  QString family;
  const QString lower = wanted.toLower();
  // The design's default face, and any face this system lacks that is not a
  // fixed-pitch one, become the application's own font.
  if (lower != QLatin1String("ms sans serif") && !lower.isEmpty()) {
    if (QFontDatabase::hasFamily(wanted))
      family = wanted;
    else if (lower.contains(QLatin1String("courier")) || lower.contains(QLatin1String("mono")) ||
             lower.contains(QLatin1String("console")) || lower.contains(QLatin1String("fixed")))
      family = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
  }
  if (family.isEmpty()) family = QApplication::font().family();
  cache.insert(wanted, family);
  return family;
}

}  // namespace

QFont toQFont(const Font& font) {
  QFont f(resolveFamily(font.name));
  if (font.size > 0) f.setPointSizeF(font.size);
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  return f;
}

}  // namespace platform::qt
