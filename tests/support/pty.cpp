#include "support/pty.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace testsupport {

namespace {
[[noreturn]] void failed(const char* what) {
  throw std::system_error(errno, std::generic_category(), what);
}
}  // namespace

Pty::Pty() {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0) failed("posix_openpt");
  if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
    const int e = errno;
    ::close(master_);
    errno = e;
    failed("grantpt/unlockpt");
  }
  const char* name = ::ptsname(master_);
  if (name == nullptr) failed("ptsname");
  slave_ = name;
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);

  // Raw mode is a property of the line, set through the slave side.
  probe_ = ::open(slave_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (probe_ < 0) failed("open slave");
  termios tio{};
  if (::tcgetattr(probe_, &tio) == 0) {
    ::cfmakeraw(&tio);
    ::tcsetattr(probe_, TCSANOW, &tio);
  }
}

Pty::~Pty() {
  closeMaster();
  if (probe_ >= 0) ::close(probe_);
}

std::size_t Pty::unread() const {
  int n = 0;
  if (probe_ < 0 || ::ioctl(probe_, FIONREAD, &n) != 0 || n < 0) return 0;
  return static_cast<std::size_t>(n);
}

void Pty::closeMaster() {
  if (master_ >= 0) ::close(master_);
  master_ = -1;
}

bool Pty::write(std::string_view bytes, const std::function<void()>& wait, int timeoutMs) {
  if (master_ < 0) return false;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!bytes.empty()) {
    const ssize_t n = ::write(master_, bytes.data(), bytes.size());
    if (n > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return false;
    if (std::chrono::steady_clock::now() > deadline) return false;
    // The line is full until the program reads.
    if (wait) {
      wait();
    } else {
      pollfd p{master_, POLLOUT, 0};
      ::poll(&p, 1, 10);
    }
  }
  return true;
}

}  // namespace testsupport
