#include "devices/capture.h"

#include "app/app.h"
#include "platform/datetime.h"
#include "platform/numbers.h"
#include "shell/form1.h"

namespace devices {

namespace {
constexpr std::int16_t kBatchLimit = 60;
constexpr std::string_view kLineEnd = "\r\n";
}  // namespace

CaptureWriter::CaptureWriter(App& app, std::string device, std::string prefix, std::int16_t step,
                             std::string heading)
    : app_(app),
      device_(std::move(device)),
      prefix_(std::move(prefix)),
      step_(step),
      heading_(std::move(heading)) {}

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
  pending_ += kLineEnd;
  if (counter_ <= kBatchLimit) return;
  counter_ = 0;
  held_.add(pending_);
  pending_.clear();
  writeHeld(name);
}

void CaptureWriter::flush() {
  if (counter_ != 0) {
    counter_ = 0;
    // Every pending line already ends CR LF.
    held_.add(pending_);
    pending_.clear();
  }
  if (!held_.empty()) writeHeld(fileName());
  tellDropped();
}

void CaptureWriter::writeHeld(const std::string& name) {
  // Until start-up has applied the configured recorder folder, batches are
  // held, not written.
  if (app_.RecorderFolderPending) return;
  const std::string folder = app_.form1().RecorderFolderName.caption();
  const std::string path = platform::joinPath(folder, name);
  int failed = 0;
  try {
    held_.appendTo(path);
  } catch (const platform::RunError& e) {
    failed = e.number();
  }
  // A missing recorder folder is made and the batch written into it, not lost.
  if (failed == platform::fileerr::PathNotFound) {
    app_.messages().beep();
    try {
      platform::createFolder(folder);
      held_.appendTo(path);
      failed = 0;
    } catch (const platform::RunError& e) {
      failed = e.number();
    }
  } else if (failed != 0) {
    app_.messages().beep();
  }
  if (failed == 0) {
    reported_ = false;
    tellDropped();
    return;
  }
  // The lines stay held, in order, for the next write; past the bound the
  // oldest go.
  dropped_ += held_.dropOldest(kHeldLimit);
  report(failed);
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

void CaptureWriter::tellDropped() {
  if (dropped_ == 0 || box_.open()) return;
  const std::string text = platform::numberText(dropped_) + " lines of the " + device_ +
                           " capture could not be written and were dropped";
  dropped_ = 0;
  app_.messages().beep();
  box_.show(app_.messages(), text, platform::msg::OkOnly, "");
}

}  // namespace devices
