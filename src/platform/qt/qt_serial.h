#pragma once
// Serial links of the program. Until the port implementation is in, no port
// is available and opening one fails with a clear message.

#include "platform/serial.h"

namespace platform::qt {

class QtSerialFactory : public SerialFactory {
 public:
  std::unique_ptr<SerialLink> createLink() override;
};

}  // namespace platform::qt
