#include "support/fed_links.h"

#include "devices/devices.h"
#include "devices/serial_links.h"
#include "platform/numbers.h"
#include "settings/form2.h"

namespace testsupport {

std::string bytesOf(const char* hex) {
  std::string out;
  for (const char* p = hex; *p;) {
    if (*p == ' ') {
      ++p;
      continue;
    }
    out.push_back(static_cast<char>(platform::readHex(std::string_view(p, 2))));
    p += 2;
  }
  return out;
}

FedLinks::FedLinks(App& app, FakeSerialFactory& serial) : app_(app), serial_(serial) {
  serial_.ports = {1, 2, 3};
  app_.devices().links().createPorts();
}

void FedLinks::efis(const std::string& record) {
  app_.form2().EFIS_CommPort.setText("COM1");
  app_.devices().links().StartEFISPort();
  link(kEFIS).feed(record + "\n");
}

void FedLinks::engine(const std::string& line) {
  app_.form2().EMS_CommPort.setText("COM3");
  app_.devices().links().StartEMSPort();
  link(kEMS).feed(line + "\r\n");
}

void FedLinks::frame(const char* hex) {
  app_.form2().EMS_CommPort.setText("COM3");
  app_.devices().links().StartEMSPort();
  const std::string bytes = bytesOf(hex);
  const std::string header = bytes.substr(0, 3);
  app_.devices().links().MSPort3->setReadDelimiter(header);
  link(kEMS).feed(bytes.substr(3) + header);
}

void FedLinks::gps(const std::vector<std::string>& sentences) {
  app_.form2().GPS_CommPort.setText("COM2");
  app_.devices().links().StartGPSPort();
  for (const std::string& s : sentences) link(kGPS).feed(s + "\r\n");
}

}  // namespace testsupport
