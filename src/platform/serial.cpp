#include "platform/serial.h"

#include <algorithm>

#include "platform/controls.h"
#include "platform/event_hold.h"

namespace platform {

// ---- SerialChunker

void SerialChunker::setDelimiter(std::string_view delimiter) {
  delimiter_.assign(delimiter);
  // Bytes already buffered are searched again for the new delimiter.
  scan_ = 0;
  chunks_ = 0;
}

void SerialChunker::clear() {
  buffer_.clear();
  start_ = 0;
  scan_ = 0;
  chunks_ = 0;
}

void SerialChunker::compact() {
  if (start_ == 0) return;
  buffer_.erase(0, start_);
  start_ = 0;
}

void SerialChunker::append(std::string_view bytes) {
  buffer_.append(bytes);
  if (buffer_.size() - start_ > kMaxBuffer) capRun();
  if (start_ > kMaxBuffer) compact();
}

void SerialChunker::capRun() {
  // Only the bytes after the last complete chunk are a run that may be cut:
  // complete chunks that came in the same read stay whole, however many. The
  // chunks are found as next() cuts them, each from the end of the one before:
  // a delimiter that overlaps itself (FE FE FE FE holds one chunk and the
  // start of a run) would otherwise leave bytes of the run in front of the
  // cut, where they could join newer bytes into a delimiter never received.
  std::size_t runStart = start_ + chunks_;
  if (!delimiter_.empty()) {
    // Neither the chunks already found nor the bytes already scanned are
    // searched again.
    const std::size_t back = delimiter_.size() - 1;
    std::size_t from = std::max(runStart, scan_ > back ? start_ + scan_ - back : start_);
    for (std::size_t pos; (pos = buffer_.find(delimiter_, from)) != std::string::npos; from = runStart)
      runStart = pos + delimiter_.size();
    chunks_ = runStart - start_;
  }
  const std::size_t run = buffer_.size() - runStart;
  if (run <= kMaxBuffer) return;
  // Keep the newest bytes of the run; whatever held no delimiter before
  // stays without one after the cut.
  const std::size_t drop = run - kMaxBuffer;
  if (runStart == start_) {
    start_ += drop;
    scan_ = scan_ > drop ? scan_ - drop : 0;
  } else {
    buffer_.erase(runStart, drop);
  }
}

bool SerialChunker::next(std::string& chunk) {
  if (delimiter_.empty()) return false;
  std::size_t from = start_ + scan_;
  // A delimiter may straddle the part already scanned.
  std::size_t back = delimiter_.size() - 1;
  from = from > start_ + back ? from - back : start_;
  std::size_t pos = buffer_.find(delimiter_, from);
  if (pos == std::string::npos) {
    scan_ = buffer_.size() - start_;
    return false;
  }
  std::size_t end = pos + delimiter_.size();
  // A chunk holds at most the newest 64 KiB of its run, however the bytes
  // were split into reads.
  const std::size_t first = end - start_ > kMaxBuffer ? end - kMaxBuffer : start_;
  chunk.assign(buffer_, first, end - first);
  chunks_ = chunks_ > end - start_ ? chunks_ - (end - start_) : 0;
  start_ = end;
  scan_ = 0;
  if (start_ == buffer_.size()) clear();
  return true;
}

// ---- SerialLink

SerialLink::SerialLink() = default;
SerialLink::~SerialLink() {
  if (hold_) hold_->forget(this);
}

void SerialLink::setPortOpen(bool open) {
  settingWritten("PortOpen");
  if (open == isOpen()) return;
  if (open) {
    chunker_.clear();
    openPort();
  } else {
    closePort();
    chunker_.clear();
  }
}

void SerialLink::setBaudRate(std::int32_t v) {
  settingWritten("BaudRate");
  baudRate_ = v;
}
void SerialLink::setPortNumber(double v) {
  settingWritten("PortNumber");
  portNumber_ = v;
}
void SerialLink::setParity(int v) {
  settingWritten("Parity");
  parity_ = v;
}
void SerialLink::setStopBits(int v) {
  settingWritten("StopBits");
  stopBits_ = v;
}
void SerialLink::setDataBits(int v) {
  settingWritten("DataBits");
  dataBits_ = v;
}
void SerialLink::setFlowControl(int v) {
  settingWritten("FlowControl");
  flowControl_ = v;
}
void SerialLink::setReadDelimiter(std::string_view bytes) {
  settingWritten("ReadDelimiter");
  chunker_.setDelimiter(bytes);
}
void SerialLink::setBooleanOptionA(bool v) {
  settingWritten("BooleanOptionA");
  optionA_ = v;
}
void SerialLink::setBooleanOptionB(bool v) {
  settingWritten("BooleanOptionB");
  optionB_ = v;
}
void SerialLink::setIntegerOption(std::int16_t v) {
  settingWritten("IntegerOption");
  integerOption_ = v;
}

std::vector<std::uint8_t> SerialLink::GetBytes(std::string_view data) {
  return std::vector<std::uint8_t>(data.begin(), data.end());
}

void SerialLink::deliver(std::string_view bytes) {
  chunker_.append(bytes);
  // A delivery that arrives while a chunk is being handled (inside a yield)
  // only queues its bytes; the outer loop hands them on in order.
  if (delivering_) return;
  // Complete chunks are never dropped from the buffer, so held ones all come
  // out when the hold ends (also one that began inside a chunk's handler).
  const auto held = [this] { return hold_ && hold_->active(); };
  if (!held()) {
    delivering_ = true;
    std::string chunk;
    while (isOpen() && !held() && chunker_.next(chunk)) {
      if (OnRead) runEvent([&] { OnRead(chunk); }, "serial data");
    }
    delivering_ = false;
  }
  if (held()) hold_->keep(this, [this] { deliver({}); });
}

}  // namespace platform
