#pragma once
// A raw capture writer: the current line of one device collected into batches
// and appended a batch at a time to that device's hourly capture file
// "<prefix>mmddyy_hh.DAT" in the recorder folder. Every line ends CR LF.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/services.h"

class App;

namespace devices {

class CaptureWriter {
 public:
  // step: what one line adds to the batch counter; a batch is written once the
  // counter passes 60 (61 lines at step 1, 13 at step 5, 7 at step 10).
  // heading: the start of the message for an error number outside the table.
  CaptureWriter(App& app, std::string prefix, std::int16_t step, std::string heading);

  // Adds one line; writes the batch when it is full.
  void capture(std::string_view line);
  // Writes the lines still pending (shut-down), into the file of this hour.
  void flush();
  bool hasPending() const { return counter_ != 0; }

 private:
  std::string fileName() const;
  void write(const std::string& fileName, const std::string& text);
  void report(int number);

  App& app_;
  std::string prefix_;
  std::int16_t step_;
  std::string heading_;
  // Lines of the batch in progress, each but the newest already ended CR LF.
  std::string pending_;
  std::int16_t counter_ = 0;
  platform::OneBoxAtATime box_;
  // A box was shown for the failures since the last batch written.
  bool reported_ = false;
};

}  // namespace devices
