#include "platform/qt/file_dialogs.h"

#include <cstdlib>
#include <fstream>

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

#include "platform/files.h"
#include "platform/qt/qt_text.h"

namespace platform::qt {

QtFilter convertFilter(std::string_view filter, int filterIndex) {
  const QStringList parts = toQString(filter).split(QLatin1Char('|'));
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString desc = parts[i].trimmed();
    // Qt separates patterns with blanks, the dialog filters with semicolons.
    const QString patterns = parts[i + 1].trimmed().replace(QLatin1Char(';'), QLatin1Char(' '));
    const QString shown = QLatin1Char('(') + patterns + QLatin1Char(')');
    // A description that already names its patterns ("Text (*.txt)") keeps them once.
    entries << (desc.endsWith(shown) ? desc : desc + QLatin1Char(' ') + shown);
  }
  QtFilter out;
  out.filter = entries.join(QLatin1String(";;"));
  if (!entries.isEmpty()) {
    const qsizetype index = filterIndex >= 1 && filterIndex <= entries.size() ? filterIndex - 1 : 0;
    out.selected = entries[index];
  }
  return out;
}

std::optional<std::string> QtFileDialogs::openFile(const FileDialogRequest& request) {
  return run(request, false);
}

std::optional<std::string> QtFileDialogs::saveFile(const FileDialogRequest& request) {
  return run(request, true);
}

std::optional<std::string> QtFileDialogs::run(const FileDialogRequest& request, bool save) {
  if (const char* answers = std::getenv("TALBREN_FILE_DIALOG_ANSWERS"); answers && *answers) {
    std::ifstream in(answers, std::ios::binary);
    std::string line;
    std::size_t n = 0;
    bool found = false;
    while (std::getline(in, line)) {
      if (n++ == answersUsed_) {
        found = true;
        break;
      }
    }
    ++answersUsed_;
    if (!found) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) return std::nullopt;
    return line;
  }

  QString start;
  if (!request.initialFolder.empty()) start = toQString(nativePath(request.initialFolder));
  if (!request.fileName.empty()) {
    const QString name = toQString(request.fileName);
    start = start.isEmpty() ? name : start + QLatin1Char('/') + name;
  }
  const QtFilter f = convertFilter(request.filter, request.filterIndex);
  QString selected = f.selected;
  const QString title = toQString(request.title);
  QWidget* parent = QApplication::activeWindow();
  const QString chosen = save ? QFileDialog::getSaveFileName(parent, title, start, f.filter, &selected)
                              : QFileDialog::getOpenFileName(parent, title, start, f.filter, &selected);
  if (chosen.isEmpty()) return std::nullopt;
  return fromQString(chosen);
}

}  // namespace platform::qt
