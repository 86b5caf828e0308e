#pragma once
// A raw capture writer: the current line of one device collected into batches
// and appended a batch at a time to that device's hourly capture file
// "<prefix>mmddyy_hh.DAT" in the recorder folder. Every line ends CR LF.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/services.h"

class App;

namespace devices {

class CaptureWriter {
 public:
  // device: the device's name in messages ("EFIS", "EMS", "GPS").
  // step: what one line adds to the batch counter; a batch is written once the
  // counter passes 60 (61 lines at step 1, 13 at step 5, 7 at step 10).
  // heading: the start of the message for an error number outside the table.
  CaptureWriter(App& app, std::string device, std::string prefix, std::int16_t step, std::string heading);

  // Adds one line; writes the batch when it is full.
  void capture(std::string_view line);
  // Writes the lines still pending (shut-down), into the file of this hour.
  void flush();
  bool hasPending() const { return counter_ != 0 || !held_.empty(); }

  // Lines of batches whose write failed are held for the next write, up to
  // this many bytes; past it the oldest are dropped.
  static constexpr std::size_t kHeldLimit = std::size_t{1} << 20;

 private:
  std::string fileName() const;
  // Appends the held lines to the file `name`; on a failure they stay held.
  void writeHeld(const std::string& name);
  void report(int number);
  // Tells how many lines were dropped, once no box of this writer is open.
  void tellDropped();

  App& app_;
  std::string device_;
  std::string prefix_;
  std::int16_t step_;
  std::string heading_;
  // Lines of the batch in progress, each ended CR LF.
  std::string pending_;
  std::int16_t counter_ = 0;
  // Whole batches not yet in a file, oldest first.
  platform::PendingLines held_;
  // Lines dropped from held_ and not yet told of.
  std::size_t dropped_ = 0;
  platform::OneBoxAtATime box_;
  // A box was shown for the failures since the last batch written.
  bool reported_ = false;
};

}  // namespace devices
