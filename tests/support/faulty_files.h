#pragma once
// A file layer that fails writes the way a test asks, to show what a writer
// leaves behind: the disk fills after so many more bytes (the write that
// reaches the limit is cut short, every later one fails), writes fail
// outright with an error, writes take at most a few bytes at a time, a cut
// back fails, or files of some name cannot be made. A hook runs after every
// write and cut that changed a file, where an interruption would leave it.
// It is in place from construction to destruction.

#include <cerrno>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "platform/files.h"

namespace testsupport {

// One way for writes to fail, as a row of a table of test cases: the disk
// takes `room` more bytes and then fails with `error`, each write taking at
// most `chunk` bytes (0: all); `message` is the file-error text it shows.
struct WriteFault {
  const char* what;
  std::size_t room;
  int error;
  std::size_t chunk;
  const char* message;
};

class FaultyFiles : public platform::FileLayer {
 public:
  FaultyFiles() : guard_(*this) {}

  // The disk has `room` more bytes; past them writes fail with `error`.
  void fill(std::size_t room, int error = ENOSPC) {
    room_ = room;
    error_ = error;
  }
  void fill(const WriteFault& fault) {
    chunk = fault.chunk;
    fill(fault.room, fault.error);
  }
  // Room again.
  void makeRoom() { room_.reset(); }
  // Every write takes at most this many bytes (0: all it is given).
  std::size_t chunk = 0;
  // Cutting a file back fails with EIO.
  bool failCut = false;
  // Opening with O_CREAT a path that contains this text fails with EACCES,
  // as in a folder that takes no new files.
  std::string refuseNew;
  // Runs after each write or cut that changed a file.
  std::function<void()> afterStep;
  // Writes asked for, failed ones included.
  int writes = 0;

  int open(const std::string& path, int flags, unsigned mode) override;
  std::ptrdiff_t write(int fd, const char* data, std::size_t size) override;
  int truncate(int fd, std::int64_t length) override;

 private:
  platform::ScopedFileLayer guard_;
  std::optional<std::size_t> room_;
  int error_ = ENOSPC;
};

}  // namespace testsupport
