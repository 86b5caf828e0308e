#include "devices/capture.h"

#include "app/app.h"
#include "platform/datetime.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "shell/form1.h"

namespace devices {

namespace {
constexpr std::int16_t kBatchLimit = 60;
constexpr std::string_view kLineEnd = "\r\n";
}  // namespace

CaptureWriter::CaptureWriter(App& app, std::string prefix, std::int16_t step, std::string heading)
    : app_(app), prefix_(std::move(prefix)), step_(step), heading_(std::move(heading)) {}

std::string CaptureWriter::fileName() const {
  const platform::DateTime now = app_.clock().now();
  // The hour is that of the write, not of the lines' arrival.
  return prefix_ + platform::formatDateTime(now, "mmddyy") + "_" + platform::formatDateTime(now, "hh") +
         ".DAT";
}

void CaptureWriter::capture(std::string_view line) {
  if (counter_ == 0) pending_.clear();
  const std::string name = fileName();
  pending_ += line;
  counter_ = static_cast<std::int16_t>(counter_ + step_);
  if (counter_ <= kBatchLimit) {
    pending_ += kLineEnd;
    return;
  }
  counter_ = 0;
  std::string batch = std::move(pending_);
  pending_.clear();
  batch += kLineEnd;
  write(name, batch);
}

void CaptureWriter::flush() {
  if (counter_ == 0) return;
  counter_ = 0;
  // Every pending line already ends CR LF.
  std::string batch = std::move(pending_);
  pending_.clear();
  write(fileName(), batch);
}

void CaptureWriter::write(const std::string& name, const std::string& text) {
  const std::string folder = app_.form1().RecorderFolderName.caption();
  const std::string path = platform::joinPath(folder, name);
  try {
    platform::appendBytes(path, text);
    reported_ = false;
    return;
  } catch (const platform::RunError& e) {
    app_.messages().beep();
    if (e.number() != platform::fileerr::PathNotFound) {
      report(e.number());
      return;
    }
  }
  // A missing recorder folder is made and the batch written into it, not lost.
  try {
    platform::createFolder(folder);
    platform::appendBytes(path, text);
    reported_ = false;
  } catch (const platform::RunError& e) {
    report(e.number());
  }
}

void CaptureWriter::report(int number) {
  std::string text;
  switch (number) {
    case platform::fileerr::BadFileNameOrNumber:
      text = "\r\n  ";
      break;
    case platform::fileerr::FileNotFound:
      text = "\r\n   ";
      break;
    default:
      break;
  }
  // "Path not found" comes here only when the folder could not be made.
  const std::string_view known = platform::fileErrorText(number);
  if (!known.empty())
    text += known;
  else
    text = heading_ + platform::numberText(number);
  // One box per run of failures: a failure that repeats, while the box is
  // open or after it was closed, shows none until a batch is written again
  // (a read-only folder would otherwise bring a box for every batch).
  if (reported_) return;
  reported_ = true;
  box_.show(app_.messages(), text, platform::msg::OkOnly, "");
}

}  // namespace devices
