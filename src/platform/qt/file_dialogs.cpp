#include "platform/qt/file_dialogs.h"

#include <cstdlib>
#include <fstream>

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

#include "platform/files.h"
#include "platform/qt/qt_text.h"

namespace platform::qt {

namespace {

// A pattern that matches file names regardless of case: every letter becomes
// a choice of its two cases ("*.dat" gives "*.[dD][aA][tT]").
QString anyCase(const QString& pattern) {
  QString out;
  for (const QChar c : pattern) {
    if (c.isLetter() && c.toLower() != c.toUpper())
      out += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
    else
      out += c;
  }
  return out;
}

}  // namespace

QtFilter convertFilter(std::string_view filter, int filterIndex) {
  const QStringList parts = toQString(filter).split(QLatin1Char('|'));
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString desc = parts[i].trimmed();
    // Qt separates patterns with blanks, the dialog filters with semicolons.
    const QString patterns = parts[i + 1].trimmed().replace(QLatin1Char(';'), QLatin1Char(' '));
    // The dialog shows the description as given and hides the patterns in
    // the last parentheses, which match regardless of case.
    entries << desc + QLatin1String(" (") + anyCase(patterns) + QLatin1Char(')');
  }
  QtFilter out;
  out.filter = entries.join(QLatin1String(";;"));
  if (!entries.isEmpty()) {
    const qsizetype index = filterIndex >= 1 && filterIndex <= entries.size() ? filterIndex - 1 : 0;
    out.selected = entries[index];
  }
  return out;
}

void configureDialog(QFileDialog& dialog, const FileDialogRequest& request, bool save) {
  QString start;
  if (!request.initialFolder.empty()) start = toQString(nativePath(request.initialFolder));
  const QtFilter f = convertFilter(request.filter, request.filterIndex);
  dialog.setWindowTitle(toQString(request.title));
  // Qt's own dialog on every desktop: it shows the filter texts exactly as
  // given, which a desktop's dialog may not.
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!start.isEmpty()) dialog.setDirectory(start);
  if (!f.filter.isEmpty()) {
    dialog.setNameFilter(f.filter);
    dialog.selectNameFilter(f.selected);
  }
  if (!request.fileName.empty()) dialog.selectFile(toQString(request.fileName));
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

  QFileDialog dialog(QApplication::activeWindow());
  configureDialog(dialog, request, save);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
  return fromQString(chosen.front());
}

}  // namespace platform::qt
