#include "platform/qt/qt_serial.h"

#include <cerrno>
#include <cmath>
#include <limits>
#include <system_error>

#include "platform/numbers.h"
#include "platform/port_map.h"

namespace platform::qt {

namespace {

QSerialPort::Parity parityOf(int code) {
  switch (code) {
    case 1:
      return QSerialPort::OddParity;
    case 2:
      return QSerialPort::EvenParity;
    case 3:
      return QSerialPort::MarkParity;
    case 4:
      return QSerialPort::SpaceParity;
    default:
      return QSerialPort::NoParity;
  }
}

QSerialPort::StopBits stopBitsOf(int code) {
  // One and a half stop bits exist only on Windows; the line opens with one.
  // The receiver samples each character's first stop bit only, so reading is
  // unaffected.
  return code == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop;
}

QSerialPort::FlowControl flowOf(int code) {
  switch (code) {
    case 1:
      return QSerialPort::HardwareControl;
    case 4:
      return QSerialPort::SoftwareControl;
    // DSR/DTR has no termios form: the line opens without flow control and
    // with DTR raised (see openPort), which is all a sending device asks of a
    // receiver that never holds it off.
    case 2:
    default:
      return QSerialPort::NoFlowControl;
  }
}

// The whole port number a link was given; 0 when it names no port.
int wholePortNumber(double n) {
  if (!(n >= 1) || n > std::numeric_limits<int>::max()) return 0;
  return static_cast<int>(roundHalfEven(n));
}

}  // namespace

QtSerialLink::QtSerialLink() {
  QObject::connect(&port_, &QSerialPort::readyRead, &port_, [this] { readPending(); });
  QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                   [this](QSerialPort::SerialPortError e) { errorOccurred(e); });
}

QtSerialLink::~QtSerialLink() {
  QObject::disconnect(&port_, nullptr, nullptr, nullptr);
  if (port_.isOpen()) port_.close();
}

std::vector<int> QtSerialLink::AvailablePorts() const {
  return PortMap::fromEnvironment().availablePorts();
}

void QtSerialLink::openPort() {
  const std::string device = PortMap::fromEnvironment().devicePath(wholePortNumber(PortNumber()));
  if (device.empty()) throw SerialError(std::generic_category().message(ENOENT));
  port_.setPortName(QString::fromLocal8Bit(device.data(), static_cast<qsizetype>(device.size())));
  port_.setBaudRate(BaudRate());
  port_.setDataBits(DataBits() == 7 ? QSerialPort::Data7 : QSerialPort::Data8);
  port_.setParity(parityOf(Parity()));
  port_.setStopBits(stopBitsOf(StopBits()));
  port_.setFlowControl(flowOf(FlowControl()));
  // The links only receive.
  if (!port_.open(QIODevice::ReadOnly)) {
    const std::string text = port_.errorString().toStdString();
    port_.clearError();
    throw SerialError(text);
  }
  // A line that cannot raise DTR (a pseudo-terminal) still receives.
  if (FlowControl() == 2) port_.setDataTerminalReady(true);
}

void QtSerialLink::closePort() {
  if (port_.isOpen()) port_.close();
}

void QtSerialLink::readPending() {
  // Bytes that come in while a chunk is handled (inside a yield) are not
  // announced again: take them here once the handler has returned.
  while (port_.isOpen() && port_.bytesAvailable() > 0) {
    const QByteArray bytes = port_.readAll();
    if (bytes.isEmpty()) break;
    deliver(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  }
}

void QtSerialLink::errorOccurred(QSerialPort::SerialPortError error) {
  // A read failure on an open line (the adapter pulled out, the device gone)
  // closes the link without a message; its data age then runs stale.
  if ((error == QSerialPort::ReadError || error == QSerialPort::ResourceError) && port_.isOpen()) {
    port_.close();
    resetBuffer();
  }
}

std::unique_ptr<SerialLink> QtSerialFactory::createLink() {
  return std::make_unique<QtSerialLink>();
}

}  // namespace platform::qt
