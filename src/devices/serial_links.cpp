#include "devices/serial_links.h"

#include <array>
#include <string_view>

#include "app/app.h"
#include "devices/devices.h"
#include "devices/dynon_decoder.h"
#include "devices/efis_decoder.h"
#include "devices/gps_decoder.h"
#include "devices/gr_decoder.h"
#include "platform/numbers.h"
#include "settings/form2.h"
#include "settings/settings.h"
#include "shell/form1.h"
#include "shell/raw_view.h"
#include "shell/shell.h"

namespace devices {

namespace {

constexpr std::array<std::string_view, 16> kSpeeds{"110",   "300",    "600",    "1200",  "2400",  "4800",
                                                   "9600",  "14400",  "19200",  "28800", "38400", "56000",
                                                   "57600", "115200", "128000", "256000"};
constexpr std::array<std::string_view, 2> kDataBits{"7", "8"};
constexpr std::array<std::string_view, 5> kParities{"NONE", "ODD", "EVEN", "MARK", "SPACE"};
constexpr std::array<std::string_view, 3> kStopBits{"1", "1.5", "2"};
constexpr std::array<std::string_view, 4> kFlows{"NONE", "RTS/CTS", "DSR/DTR", "Xon/Xoff"};
// The link's code of each flow entry (3 is never used).
constexpr std::array<int, 4> kFlowCodes{0, 1, 2, 4};

// The two Grand Rapids frame headers, which serve as read delimiters.
constexpr std::string_view kHeaderFEFEFE = "\xFE\xFE\xFE";
constexpr std::string_view kHeaderFEFFFE = "\xFE\xFF\xFE";

// The position of a text in a list (exact, case-sensitive); 0 when absent.
template <std::size_t N>
int codeOf(std::string_view text, const std::array<std::string_view, N>& list) {
  for (std::size_t i = 0; i < N; ++i)
    if (list[i] == text) return static_cast<int>(i);
  return 0;
}

int dataBitsOf(std::string_view text) {
  return text == "7" ? 7 : 8;
}
int flowOf(std::string_view text) {
  return kFlowCodes[static_cast<std::size_t>(codeOf(text, kFlows))];
}

// "COM3" gives 3, "NONE" gives 0: the number from the 4th character on.
double portNumberOf(std::string_view text) {
  return platform::readNumber(platform::midText(text, 4));
}

template <std::size_t N>
void addAll(platform::ComboBox& box, const std::array<std::string_view, N>& list) {
  for (std::string_view entry : list) box.addItem(entry);
}

std::string withoutLineFeeds(std::string_view data) {
  std::string out;
  out.reserve(data.size());
  for (char c : data)
    if (c != '\n') out += c;
  return out;
}

std::string withoutLineBreaks(std::string_view data) {
  std::string out;
  out.reserve(data.size());
  for (char c : data)
    if (c != '\n' && c != '\r') out += c;
  return out;
}

}  // namespace

// The controls of one link's device on the settings screen.
struct SerialLinks::Device {
  platform::ComboBox& commPort;
  platform::ComboBox& speed;
  platform::ComboBox& dataBits;
  platform::ComboBox& parity;
  platform::ComboBox& stopBits;
  platform::ComboBox& flow;
  std::string_view heading;
};

SerialLinks::SerialLinks(App& app)
    : app_(app),
      captureEFIS_(app, "EFIS", "TBRC_EFIS_", 1, "Error Number at Capture EFIS File "),
      captureEMS_(app, "EMS", "TBRC_EMS_", 5, "Error Number at Capture EMS File "),
      captureGPS_(app, "GPS", "TBRC_GPS_", 10, "Error Number at Capture GPS File ") {}

SerialLinks::~SerialLinks() = default;

void SerialLinks::wire(ScreenId id) {
  if (id == ScreenId::Form1) app_.form1().ChectGRHeader.onTick = [this] { ChectGRHeader_Timer(); };
}

void SerialLinks::createPorts() {
  auto make = [this](std::unique_ptr<platform::SerialLink>& link,
                     void (SerialLinks::*handler)(const std::string&)) {
    if (link) return;
    link = app_.services().serial.createLink();
    // While the export holds the event thread's events, data keeps arriving
    // and waits for its end.
    link->setEventHold(&app_.scheduler().hold());
    link->OnRead = [this, handler](const std::string& data) { (this->*handler)(data); };
  };
  make(MSPort1, &SerialLinks::MSPort1_OnRead);
  make(MSPort2, &SerialLinks::MSPort2_OnRead);
  make(MSPort3, &SerialLinks::MSPort3_OnRead);
}

SerialLinks::Device SerialLinks::device(std::size_t link) {
  settings::Form2& f = app_.form2();
  switch (link) {
    case kGPS:
      return {f.GPS_CommPort,     f.GPS_PortSpeed, f.GPS_PortDataBits, f.GPS_PortParity,
              f.GPS_PortStopBits, f.GPS_PortFlow,  "GPS PORT ERROR : "};
    case kEFIS:
      return {f.EFIS_CommPort,     f.EFIS_PortSpeed, f.EFIS_PortDataBits,  f.EFIS_PortParity,
              f.EFIS_PortStopBits, f.EFIS_PortFlow,  "EFISS PORT ERROR : "};
    default:
      return {f.EMS_CommPort,     f.EMS_PortSpeed, f.EMS_PortDataBits, f.EMS_PortParity,
              f.EMS_PortStopBits, f.EMS_PortFlow,  "EMS PORT ERROR : "};
  }
}

platform::SerialLink& SerialLinks::port(std::size_t link) {
  createPorts();
  switch (link) {
    case kGPS:
      return *MSPort1;
    case kEFIS:
      return *MSPort2;
    default:
      return *MSPort3;
  }
}

// ---- Opening and closing

void SerialLinks::StartGPSPort() {
  startPort(kGPS, portNumberOf(device(kGPS).commPort.text()));
}

void SerialLinks::StartEFISPort() {
  // The EFIS port number is taken as a whole number (halves to even).
  startPort(kEFIS, platform::roundHalfEven(portNumberOf(device(kEFIS).commPort.text())));
}

void SerialLinks::StartEMSPort() {
  startPort(kEMS, portNumberOf(device(kEMS).commPort.text()));
}

void SerialLinks::startPort(std::size_t link, double n) {
  platform::SerialLink& p = port(link);
  const Device d = device(link);
  if (!(n > 0)) {
    if (p.PortOpen()) p.setPortOpen(false);
    return;
  }
  try {
    // Settings are written only while the port is closed, in this order.
    if (p.PortOpen()) p.setPortOpen(false);
    p.setParity(codeOf(d.parity.text(), kParities));
    p.setStopBits(codeOf(d.stopBits.text(), kStopBits));
    p.setFlowControl(flowOf(d.flow.text()));
    p.setDataBits(dataBitsOf(d.dataBits.text()));
    p.setBooleanOptionB(false);
    p.setBooleanOptionA(false);
    p.setBaudRate(platform::toInt32(platform::readNumber(d.speed.text())));
    p.setPortNumber(n);
    // Every opening starts on a carriage return; the Grand Rapids watchdog
    // puts a frame header in its place later.
    p.setReadDelimiter("\r");
    p.setIntegerOption(5000);
    p.setPortOpen(true);
  } catch (const std::exception& e) {
    portRefused(link, e.what());
  }
}

void SerialLinks::portRefused(std::size_t link, const std::string& description) {
  platform::SerialLink& p = port(link);
  const Device d = device(link);
  d.commPort.setText("NONE");
  changeAge(app_.SourceDataAge[link], 10 - app_.SourceDataAge[link]);
  if (p.PortOpen()) p.setPortOpen(false);
  portBox_[link].show(app_.messages(), std::string(d.heading) + description, platform::msg::OkOnly, "");
  app_.settings().TabStrip1_Click();
}

// ---- Port lists

void SerialLinks::LoadEFIS_PortSettings() {
  loadPortSettings(kEFIS);
}
void SerialLinks::LoadGPS_PortSettings() {
  loadPortSettings(kGPS);
}
void SerialLinks::LoadEMS_PortSettings() {
  loadPortSettings(kEMS);
}

void SerialLinks::loadPortSettings(std::size_t link) {
  const Device d = device(link);
  d.speed.clear();
  d.commPort.clear();
  d.dataBits.clear();
  d.parity.clear();
  d.stopBits.clear();
  d.flow.clear();

  const std::vector<int> ports = port(link).AvailablePorts();
  d.commPort.addItem("NONE");
  for (std::size_t i = 0; i < ports.size(); ++i) {
    d.commPort.addItem("COM" + platform::numberText(ports[i]));
    d.commPort.setItemData(static_cast<int>(i) + 1, ports[i]);
  }
  d.commPort.setListIndex(0);

  addAll(d.speed, kSpeeds);
  d.speed.setText("115200");

  addAll(d.dataBits, kDataBits);
  d.dataBits.setListIndex(1);
  addAll(d.parity, kParities);
  d.parity.setListIndex(0);
  addAll(d.stopBits, kStopBits);
  d.stopBits.setListIndex(0);
  addAll(d.flow, kFlows);
  d.flow.setListIndex(0);
}

void SerialLinks::ListAvailComPorts() {
  const std::array<Device, 3> lists{device(kEFIS), device(kEMS), device(kGPS)};
  std::array<std::string, 3> texts;
  for (std::size_t k = 0; k < lists.size(); ++k) {
    texts[k] = lists[k].commPort.text();
    lists[k].commPort.clear();
  }
  const std::vector<int> ports = port(kGPS).AvailablePorts();
  for (const Device& d : lists) d.commPort.addItem("NONE");
  for (std::size_t i = 0; i < ports.size(); ++i) {
    for (const Device& d : lists) d.commPort.addItem("COM" + platform::numberText(ports[i]));
    for (const Device& d : lists) d.commPort.setItemData(static_cast<int>(i) + 1, ports[i]);
  }
  // A typed or stored port keeps its text even when it is no longer listed.
  for (std::size_t k = 0; k < lists.size(); ++k) lists[k].commPort.setText(texts[k]);

  settings::Form2& f = app_.form2();
  for (platform::CommandButton* ok : {&f.EFIS_PortOK, &f.EMS_PortOK, &f.GPS_PortOK})
    ok->setBackColor(platform::color::ButtonFace);
}

// ---- Data events

// A line of a text device becomes its current line, goes to its capture file
// while its capture box is ticked, and is decoded.
template <typename Decode>
void SerialLinks::takeLine(std::string& line, std::string text, const platform::CheckBox& capture,
                           void (SerialLinks::*captureLine)(), Decode&& decode) {
  line = std::move(text);
  if (capture.value() == 1) (this->*captureLine)();
  decode();
}

// The raw port-data view follows the device it shows, unless it is frozen.
void SerialLinks::refreshRawView(bool showsThisDevice) {
  if (showsThisDevice && !app_.RawViewFrozen) app_.shell().rawView().UpdateCommDataScreen();
}

void SerialLinks::MSPort1_OnRead(const std::string& data) {
  if (data.empty()) return;
  takeLine(app_.GPSLine, withoutLineBreaks(data), app_.form2().RecordFileRawGPS, &SerialLinks::CaptureGPSData,
           [this] { app_.devices().gps().ParseGPSSentence(); });
  refreshRawView(static_cast<bool>(app_.RawViewGPS));
}

void SerialLinks::MSPort2_OnRead(const std::string& data) {
  if (data.empty()) return;
  settings::Form2& f = app_.form2();
  // The carriage return that ends a record stays: it counts toward the 52
  // characters of a complete record. With the file source chosen the view
  // repeats the current line.
  if (f.EFIS_COMM.value())
    takeLine(app_.EFISLine, withoutLineFeeds(data), f.RecordFileRawEFIS, &SerialLinks::CaptureEFISData,
             [this] { app_.devices().efis().ParseEFISData(); });
  refreshRawView(static_cast<bool>(app_.RawViewEFIS));
}

void SerialLinks::MSPort3_OnRead(const std::string& data) {
  if (data.empty()) return;
  settings::Form2& f = app_.form2();
  if (f.EMSDYNON.value()) {
    // Received lines are kept and captured whatever the source; only the
    // port source decodes them.
    takeLine(app_.EMSLine, withoutLineBreaks(data), f.RecordFileRawEMS, &SerialLinks::CaptureEMSData, [&] {
      if (f.EMS_COMM.value()) app_.devices().dynon().ParseEMSDynonData();
    });
    refreshRawView(static_cast<bool>(app_.RawViewEMS));
    return;
  }
  if (!f.EMSGRANDRAPIDS.value() && !f.EMSGR2000.value()) return;

  // A Grand Rapids chunk ends with the next frame's three-byte header (the
  // read delimiter). It becomes the current frame with that header moved to
  // the front. A chunk too short to hold a header, or longer than a frame
  // buffer, is dropped whole.
  const std::vector<std::uint8_t> b = platform::SerialLink::GetBytes(data);
  if (b.size() < 3 || b.size() > app_.EMSBytes.size()) return;
  const std::size_t u = b.size() - 1;
  app_.EMSBytesUBound = static_cast<std::int32_t>(u);
  app_.EMSLine.clear();
  app_.EMSBytes[0] = b[u - 2];
  app_.EMSBytes[1] = b[u - 1];
  app_.EMSBytes[2] = b[u];
  for (std::size_t i = 0; i + 3 <= u; ++i) app_.EMSBytes[i + 3] = b[i];
  if (f.EMS_COMM.value()) app_.devices().grandRapids().ParseEMSGrandRapidsData();
  if (app_.RawViewEMS) {
    // " $hh" per byte, six blanks after every tenth.
    std::string line;
    line.reserve((u + 1) * 4 + (u + 1) / 10 * 6);
    for (std::size_t i = 0; i <= u; ++i) {
      line += " $";
      platform::appendHex(line, app_.EMSBytes[i], 2);
      if ((i + 1) % 10 == 0) line += "      ";
    }
    app_.EMSLine = std::move(line);
    refreshRawView(true);
  }
}

// ---- Raw capture

void SerialLinks::CaptureEFISData() {
  captureEFIS_.capture(app_.EFISLine);
}
void SerialLinks::CaptureEMSData() {
  captureEMS_.capture(app_.EMSLine);
}
void SerialLinks::CaptureGPSData() {
  captureGPS_.capture(app_.GPSLine);
}

void SerialLinks::flushCaptures() {
  captureEFIS_.flush();
  captureEMS_.flush();
  captureGPS_.flush();
}

// ---- Grand Rapids delimiter watchdog

void SerialLinks::ChectGRHeader_Timer() {
  if (!app_.GRHeaderSeen) {
    settings::Form2& f = app_.form2();
    platform::SerialLink& p = port(kEMS);
    // No frame was recognised since the last tick: try the other header. The
    // 4000 / 6000 send either form; the 2000 only FE FF FE.
    if (f.EMSGRANDRAPIDS.value()) {
      p.setReadDelimiter(headerAlternate_ ? kHeaderFEFEFE : kHeaderFEFFFE);
      headerAlternate_ = !headerAlternate_;
    }
    if (f.EMSGR2000.value()) p.setReadDelimiter(kHeaderFEFFFE);
  }
  app_.GRHeaderSeen = false;
}

}  // namespace devices
