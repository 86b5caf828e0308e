#pragma once
// Serial links of the program over QSerialPort: opened read-only on the event
// thread, port numbers resolved through the port map (platform/port_map.h).

#include <QSerialPort>

#include "platform/serial.h"

namespace platform::qt {

class QtSerialLink : public SerialLink {
 public:
  QtSerialLink();
  ~QtSerialLink() override;

  std::vector<int> AvailablePorts() const override;

 protected:
  bool isOpen() const override { return port_.isOpen(); }
  void openPort() override;
  void closePort() override;

 private:
  void readPending();
  void errorOccurred(QSerialPort::SerialPortError error);

  QSerialPort port_;
};

class QtSerialFactory : public SerialFactory {
 public:
  std::unique_ptr<SerialLink> createLink() override;
};

}  // namespace platform::qt
