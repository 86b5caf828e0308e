#include "platform/qt/termination.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

#include "platform/controls.h"

namespace platform::qt {

namespace {

int pipeFds[2] = {-1, -1};

std::function<void()>& handler() {
  static std::function<void()> h;
  return h;
}

QPointer<QSocketNotifier>& notifier() {
  static QPointer<QSocketNotifier> n;
  return n;
}

extern "C" void onSignal(int sig) {
  const int saved = errno;
  const char byte = static_cast<char>(sig);
  const ssize_t written = write(pipeFds[1], &byte, 1);
  (void)written;
  errno = saved;
}

void setAction(int sig, void (*fn)(int)) {
  struct sigaction sa {};
  sa.sa_handler = fn;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  sigaction(sig, &sa, nullptr);
}

// Every signal that asks the program to end: a kill, Ctrl+C, a closed
// terminal or a logout, the quit key, and the two user signals, whose
// default action would end the program without writing what it holds.
constexpr int kEndSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2};

void setActions(void (*fn)(int)) {
  for (int sig : kEndSignals) setAction(sig, fn);
}

}  // namespace

void installTerminationHandler(std::function<void()> onTerminate) {
  handler() = std::move(onTerminate);
  if (pipeFds[0] < 0) {
    if (pipe(pipeFds) != 0) return;
    for (int fd : pipeFds) {
      fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
      fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
  }
  if (!notifier()) {
    auto* n = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(n, &QSocketNotifier::activated, n, [] {
      char buffer[64];
      while (read(pipeFds[0], buffer, sizeof buffer) > 0) {
      }
      runEvent(handler(), "termination signal");
    });
    notifier() = n;
  }
  setActions(onSignal);
  // A reader that went away (standard output or error into a closed pipe)
  // makes a write fail, not end the program.
  setAction(SIGPIPE, SIG_IGN);
}

void removeTerminationHandler() {
  // The program is ending: a late signal must not cut its last steps short.
  setActions(SIG_IGN);
  delete notifier().data();
  handler() = nullptr;
}

}  // namespace platform::qt
