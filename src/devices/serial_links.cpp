#include "devices/serial_links.h"

#include "app/app.h"

namespace devices {

SerialLinks::SerialLinks(App& app) : app_(app) {}
SerialLinks::~SerialLinks() = default;
void SerialLinks::wire(ScreenId) {}

void SerialLinks::createPorts() {
  MSPort1 = app_.services().serial.createLink();
  MSPort2 = app_.services().serial.createLink();
  MSPort3 = app_.services().serial.createLink();
}

void SerialLinks::StartGPSPort() {}
void SerialLinks::StartEFISPort() {}
void SerialLinks::StartEMSPort() {}
void SerialLinks::LoadEFIS_PortSettings() {}
void SerialLinks::LoadGPS_PortSettings() {}
void SerialLinks::LoadEMS_PortSettings() {}
void SerialLinks::ListAvailComPorts() {}
void SerialLinks::MSPort1_OnRead(const std::string&) {}
void SerialLinks::MSPort2_OnRead(const std::string&) {}
void SerialLinks::MSPort3_OnRead(const std::string&) {}
void SerialLinks::ChectGRHeader_Timer() {}
void SerialLinks::flushCaptures() {}

}  // namespace devices
