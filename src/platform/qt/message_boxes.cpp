#include "platform/qt/message_boxes.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/qt_text.h"

namespace platform::qt {

namespace {

constexpr int kAbortRetryIgnore = 2;
constexpr int kRetryCancel = 5;
constexpr int kResultAbort = 3;
constexpr int kResultRetry = 4;
constexpr int kResultIgnore = 5;

std::string effectiveTitle(std::string_view title) {
  if (!title.empty()) return std::string(title);
  return fromQString(QCoreApplication::applicationName());
}

// The answer of a logged box: OK, or Yes when it asks yes or no. A retry box
// is not retried, so an unattended run never loops on a failure.
int loggedAnswer(int buttonSet) {
  switch (buttonSet) {
    case msg::YesNo:
    case msg::YesNoCancel:
      return msg::ResultYes;
    case kAbortRetryIgnore:
      return kResultIgnore;
    case kRetryCancel:
      return msg::ResultCancel;
    default:
      return msg::ResultOk;
  }
}

bool logBox(std::string_view text, std::string_view title) {
  const char* log = std::getenv("TALBREN_MESSAGE_LOG");
  if (!log || !*log) return false;
  std::ofstream out(log, std::ios::binary | std::ios::app);
  out << effectiveTitle(title) << '\n' << text;
  if (text.empty() || text.back() != '\n') out << '\n';
  out << "----\n";
  return true;
}

int toResult(QMessageBox::StandardButton b) {
  switch (b) {
    case QMessageBox::Ok:
      return msg::ResultOk;
    case QMessageBox::Cancel:
      return msg::ResultCancel;
    case QMessageBox::Yes:
      return msg::ResultYes;
    case QMessageBox::No:
      return msg::ResultNo;
    case QMessageBox::Abort:
      return kResultAbort;
    case QMessageBox::Retry:
      return kResultRetry;
    case QMessageBox::Ignore:
      return kResultIgnore;
    default:
      return 0;
  }
}

}  // namespace

int QtMessageBoxes::show(std::string_view text, int buttons, std::string_view title) {
  const int buttonSet = buttons & 0x7;
  if (logBox(text, title)) return loggedAnswer(buttonSet);
  if (noMore_) {
    std::string line = "message: ";
    for (char c : text) line += (c == '\r' || c == '\n') ? ' ' : c;
    line += '\n';
    const ssize_t written = ::write(STDERR_FILENO, line.data(), line.size());
    (void)written;
    return loggedAnswer(buttonSet);
  }

  QList<QMessageBox::StandardButton> set;
  switch (buttonSet) {
    case msg::OkCancel:
      set = {QMessageBox::Ok, QMessageBox::Cancel};
      break;
    case kAbortRetryIgnore:
      set = {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
      break;
    case msg::YesNoCancel:
      set = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
      break;
    case msg::YesNo:
      set = {QMessageBox::Yes, QMessageBox::No};
      break;
    case kRetryCancel:
      set = {QMessageBox::Retry, QMessageBox::Cancel};
      break;
    default:
      set = {QMessageBox::Ok};
      break;
  }
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (buttons & 0x70) {
    case msg::Critical:
      icon = QMessageBox::Critical;
      break;
    case msg::Question:
      icon = QMessageBox::Question;
      break;
    case msg::Exclamation:
      icon = QMessageBox::Warning;
      break;
    case msg::Information:
      icon = QMessageBox::Information;
      break;
    default:
      break;
  }

  QMessageBox box(icon, toQString(effectiveTitle(title)), toQString(text), QMessageBox::NoButton,
                  QApplication::activeWindow());
  for (auto b : set) box.addButton(b);
  // Default button: the first, or the second/third when asked (256, 512).
  const auto defaultIndex = static_cast<qsizetype>((buttons >> 8) & 0x3);
  box.setDefaultButton(set.value(defaultIndex < set.size() ? defaultIndex : 0));
  box.exec();
  if (QAbstractButton* clicked = box.clickedButton()) {
    if (int r = toResult(box.standardButton(clicked))) return r;
  }
  // Closed without a button (escape, or the program ending).
  if (set.contains(QMessageBox::Cancel)) return msg::ResultCancel;
  if (set.contains(QMessageBox::No)) return msg::ResultNo;
  return toResult(set.front());
}

void QtMessageBoxes::beep() {
  if (!noMore_) QApplication::beep();
}

}  // namespace platform::qt
