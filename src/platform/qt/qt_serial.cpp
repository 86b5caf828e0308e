#include "platform/qt/qt_serial.h"

namespace platform::qt {

namespace {

class UnavailableLink : public SerialLink {
 public:
  std::vector<int> AvailablePorts() const override { return {}; }

 protected:
  bool isOpen() const override { return false; }
  void openPort() override { throw SerialError("Serial ports are not available"); }
  void closePort() override {}
};

}  // namespace

std::unique_ptr<SerialLink> QtSerialFactory::createLink() { return std::make_unique<UnavailableLink>(); }

}  // namespace platform::qt
