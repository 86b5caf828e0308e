#pragma once
// File open and save dialogs.
//
// When the environment variable TALBREN_FILE_DIALOG_ANSWERS names a file, no
// dialog is shown: each dialog takes the next line of that file as the chosen
// path, an empty line (or the end of the file) as a cancel.

#include <QFileDialog>
#include <QString>

#include "platform/services.h"

namespace platform::qt {

// A "Text (*.txt)|*.txt|All (*.*)|*.*" filter in Qt's form, each entry its
// description followed by its patterns made to match regardless of case:
// "Text (*.txt) (*.[tT][xX][tT]);;All (*.*) (*.*)", with the entry that
// filterIndex (from 1) selects. A dialog that hides filter details shows the
// descriptions exactly as given.
struct QtFilter {
  QString filter;
  QString selected;
};
QtFilter convertFilter(std::string_view filter, int filterIndex);

// Sets a dialog up for a request: title, folder, filters, file name, open or save.
void configureDialog(QFileDialog& dialog, const FileDialogRequest& request, bool save);

class QtFileDialogs : public FileDialogs {
 public:
  std::optional<std::string> openFile(const FileDialogRequest& request) override;
  std::optional<std::string> saveFile(const FileDialogRequest& request) override;

 private:
  std::optional<std::string> run(const FileDialogRequest& request, bool save);
  std::size_t answersUsed_ = 0;
};

}  // namespace platform::qt
