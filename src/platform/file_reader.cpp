#include "platform/file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

#include "platform/files.h"

namespace platform {

namespace {

[[noreturn]] void fail(int osError, const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
  const bool folderMissing = osError == ENOENT && !folderExists(folder);
  throw FileError(fileErrorNumber(std::error_code(osError, std::generic_category()), folderMissing), path);
}

}  // namespace

FileReader::FileReader(const std::string& path) : path_(nativePath(path)) {
  int fd;
  do {
    fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) fail(errno, path_);
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int e = errno;
    ::close(fd);
    fail(e, path_);
  }
  if (S_ISDIR(st.st_mode)) {
    ::close(fd);
    fail(EISDIR, path_);
  }
  fd_ = fd;
  size_ = st.st_size > 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
  // The first reading goes through the whole file once, front to back.
  ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
}

FileReader::~FileReader() {
  close();
}

FileReader::FileReader(FileReader&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      path_(std::move(other.path_)),
      size_(std::exchange(other.size_, 0)) {}

FileReader& FileReader::operator=(FileReader&& other) noexcept {
  if (this != &other) {
    close();
    fd_ = std::exchange(other.fd_, -1);
    path_ = std::move(other.path_);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

void FileReader::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

std::size_t FileReader::read(char* buffer, std::size_t n) {
  if (fd_ < 0) return 0;
  for (;;) {
    const ssize_t got = ::read(fd_, buffer, n);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) fail(errno, path_);
  }
}

std::size_t FileReader::readAt(std::uint64_t offset, char* buffer, std::size_t n) const {
  if (fd_ < 0) return 0;
  std::size_t done = 0;
  while (done < n) {
    const ssize_t got = ::pread(fd_, buffer + done, n - done, static_cast<off_t>(offset + done));
    if (got < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

}  // namespace platform
