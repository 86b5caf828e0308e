#pragma once
// The three receive-only serial links (GPS, EFIS, engine monitor): opening
// from the settings, the port lists, the data events, raw capture files and
// the Grand Rapids delimiter watchdog.

#include <memory>
#include <string>

#include "app/screen_id.h"
#include "platform/serial.h"

class App;

namespace devices {

class SerialLinks {
 public:
  explicit SerialLinks(App& app);
  ~SerialLinks();
  void wire(ScreenId id);

  // The link objects, created by the load sequence.
  std::unique_ptr<platform::SerialLink> MSPort1;  // GPS
  std::unique_ptr<platform::SerialLink> MSPort2;  // EFIS
  std::unique_ptr<platform::SerialLink> MSPort3;  // engine monitor
  void createPorts();

  void StartGPSPort();
  void StartEFISPort();
  void StartEMSPort();
  void LoadEFIS_PortSettings();
  void LoadGPS_PortSettings();
  void LoadEMS_PortSettings();
  void ListAvailComPorts();

  void MSPort1_OnRead(const std::string& data);
  void MSPort2_OnRead(const std::string& data);
  void MSPort3_OnRead(const std::string& data);

  // The Grand Rapids delimiter watchdog tick.
  void ChectGRHeader_Timer();

  // Writes every capture batch still pending (shut-down).
  void flushCaptures();

 private:
  App& app_;
};

}  // namespace devices
