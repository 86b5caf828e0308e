#include "support/faulty_files.h"

#include <fcntl.h>

#include <algorithm>

namespace testsupport {

int FaultyFiles::open(const std::string& path, int flags, unsigned mode) {
  if ((flags & O_CREAT) && !refuseNew.empty() && path.find(refuseNew) != std::string::npos) {
    errno = EACCES;
    return -1;
  }
  return FileLayer::open(path, flags, mode);
}

std::ptrdiff_t FaultyFiles::write(int fd, const char* data, std::size_t size) {
  ++writes;
  std::size_t take = chunk > 0 ? std::min(chunk, size) : size;
  if (room_) {
    if (*room_ == 0) {
      errno = error_;
      return -1;
    }
    take = std::min(take, *room_);
    *room_ -= take;
  }
  const std::ptrdiff_t n = FileLayer::write(fd, data, take);
  if (n > 0 && afterStep) afterStep();
  return n;
}

int FaultyFiles::truncate(int fd, std::int64_t length) {
  if (failCut) {
    errno = EIO;
    return -1;
  }
  const int r = FileLayer::truncate(fd, length);
  if (r == 0 && afterStep) afterStep();
  return r;
}

}  // namespace testsupport
