#pragma once
// The three receive-only serial links (GPS, EFIS, engine monitor): opening
// from the settings, the port lists, the data events, raw capture files and
// the Grand Rapids delimiter watchdog.

#include <memory>
#include <string>

#include "app/screen_id.h"
#include "devices/capture.h"
#include "platform/serial.h"

class App;

namespace platform {
class CheckBox;
}

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
  // Creates the links that do not exist yet and attaches their data events.
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
  struct Device;
  Device device(std::size_t link);
  platform::SerialLink& port(std::size_t link);
  void startPort(std::size_t link, double n);
  void portRefused(std::size_t link, const std::string& description);
  void loadPortSettings(std::size_t link);

  template <typename Decode>
  void takeLine(std::string& line, std::string text, const platform::CheckBox& capture,
                void (SerialLinks::*captureLine)(), Decode&& decode);
  void refreshRawView(bool showsThisDevice);

  void CaptureEFISData();
  void CaptureEMSData();
  void CaptureGPSData();

  App& app_;
  CaptureWriter captureEFIS_;
  CaptureWriter captureEMS_;
  CaptureWriter captureGPS_;
  // One refused-port message at a time per link.
  platform::OneBoxAtATime portBox_[3];
  // The watchdog's alternation between the two Grand Rapids headers.
  bool headerAlternate_ = false;
};

}  // namespace devices
