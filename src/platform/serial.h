#pragma once
// The serial link: a receive-only port with settings written while closed,
// delimiter chunking as bytes and a data event delivered one chunk at a time
// on the event thread, never re-entrantly.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vb.h"

namespace platform {

class EventHold;

// Collects received bytes and cuts them into chunks that each end with the
// delimiter (the delimiter included). While no delimiter arrives the buffer
// is capped at 64 KiB, the oldest bytes dropped: a chunk is at most the newest
// 64 KiB of its run, and complete chunks are never dropped.
class SerialChunker {
 public:
  static constexpr std::size_t kMaxBuffer = std::size_t{64} * 1024;
  void setDelimiter(std::string_view delimiter);
  const std::string& delimiter() const { return delimiter_; }
  void append(std::string_view bytes);
  // Takes the next complete chunk; false when none is complete.
  bool next(std::string& chunk);
  std::size_t buffered() const { return buffer_.size() - start_; }
  void clear();

 private:
  void compact();
  void capRun();
  std::string delimiter_ = "\r";
  std::string buffer_;
  std::size_t start_ = 0;   // first byte not yet delivered
  std::size_t scan_ = 0;    // bytes from start_ already known to hold no delimiter
  std::size_t chunks_ = 0;  // bytes from start_ known to be complete chunks
};

// An open that fails, with the system's description of the error.
class SerialError : public RunError {
 public:
  explicit SerialError(const std::string& description) : RunError(8002, description) {}
};

class SerialLink {
 public:
  SerialLink();
  virtual ~SerialLink();
  SerialLink(const SerialLink&) = delete;
  SerialLink& operator=(const SerialLink&) = delete;

  // True while open. Writing false closes; writing true opens with the settings
  // last written and throws SerialError when the port cannot be opened.
  bool PortOpen() const { return isOpen(); }
  void setPortOpen(bool open);

  std::int32_t BaudRate() const { return baudRate_; }
  void setBaudRate(std::int32_t v);
  double PortNumber() const { return portNumber_; }
  void setPortNumber(double v);
  // 0 none, 1 odd, 2 even, 3 mark, 4 space.
  int Parity() const { return parity_; }
  void setParity(int v);
  // 0 one, 1 one and a half, 2 two stop bits.
  int StopBits() const { return stopBits_; }
  void setStopBits(int v);
  int DataBits() const { return dataBits_; }
  void setDataBits(int v);
  // 0 none, 1 RTS/CTS, 2 DSR/DTR, 4 Xon/Xoff.
  int FlowControl() const { return flowControl_; }
  void setFlowControl(int v);
  // The bytes that end each chunk: "\r", or FE FE FE / FE FF FE. May change
  // while the port is open.
  const std::string& ReadDelimiter() const { return chunker_.delimiter(); }
  void setReadDelimiter(std::string_view bytes);
  bool BooleanOptionA() const { return optionA_; }
  void setBooleanOptionA(bool v);
  bool BooleanOptionB() const { return optionB_; }
  void setBooleanOptionB(bool v);
  std::int16_t IntegerOption() const { return integerOption_; }
  void setIntegerOption(std::int16_t v);

  // The chunk as byte values 0 to 255, in arrival order.
  static std::vector<std::uint8_t> GetBytes(std::string_view data);
  // Port numbers present on this machine, ascending; empty when there is none.
  virtual std::vector<int> AvailablePorts() const = 0;

  // Raised once per chunk, delimiter included.
  std::function<void(const std::string& data)> OnRead;

  // Hands received bytes to the chunker and raises OnRead for each complete
  // chunk. Bytes that arrive while OnRead runs (inside a yield) are queued and
  // delivered after it returns, in order. While `hold` (setEventHold) is
  // active the bytes are still taken, and their chunks delivered when the hold
  // ends.
  void deliver(std::string_view bytes);
  // The hold of the event thread's scheduler (it outlives the link).
  void setEventHold(EventHold* hold) { hold_ = hold; }
  std::size_t bufferedBytes() const { return chunker_.buffered(); }

 protected:
  virtual bool isOpen() const = 0;
  // Opens the device with the current settings; throws SerialError.
  virtual void openPort() = 0;
  virtual void closePort() = 0;
  // Every setting write, in order (the fake link records them).
  virtual void settingWritten(std::string_view /*name*/) {}
  // Drops buffered bytes (on close).
  void resetBuffer() { chunker_.clear(); }

 private:
  std::int32_t baudRate_ = 9600;
  double portNumber_ = 1;
  int parity_ = 0;
  int stopBits_ = 0;
  int dataBits_ = 8;
  int flowControl_ = 0;
  bool optionA_ = false;
  bool optionB_ = false;
  std::int16_t integerOption_ = 0;
  SerialChunker chunker_;
  bool delivering_ = false;
  EventHold* hold_ = nullptr;
};

class SerialFactory {
 public:
  virtual ~SerialFactory() = default;
  virtual std::unique_ptr<SerialLink> createLink() = 0;
};

}  // namespace platform
