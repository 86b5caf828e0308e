#pragma once
// A pseudo-terminal standing in for a serial device: the test writes device
// bytes to the master side, the program opens the slave side as its port.
// Write to the master only after the link is open: opening a port throws
// away what is waiting on the line.

#include <functional>
#include <string>
#include <string_view>

namespace testsupport {

class Pty {
 public:
  // Opens the master, unlocks the slave and puts the line in raw mode (no
  // echo, no translation of carriage returns, every byte value passes).
  Pty();
  ~Pty();
  Pty(const Pty&) = delete;
  Pty& operator=(const Pty&) = delete;

  const std::string& slavePath() const { return slave_; }
  // Writes every byte to the master. While the line is full, runs wait (the
  // test's event processing, so the program reads) and tries again; false when
  // the bytes could not all be written within timeoutMs.
  // The time is a safety net for a line that never drains, not a bound.
  bool write(std::string_view bytes, const std::function<void()>& wait = {}, int timeoutMs = 30000);
  // The device goes away: the slave side sees a hang-up.
  void closeMaster();
  bool masterOpen() const { return master_ >= 0; }
  // Bytes written that the program has not read off the line yet.
  std::size_t unread() const;

 private:
  int master_ = -1;
  // The slave side, held open (never read) to look at the line's input.
  int probe_ = -1;
  std::string slave_;
};

}  // namespace testsupport
