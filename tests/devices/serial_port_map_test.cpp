// Port numbers to devices: the explicit map (environment variables, the ports
// folder) before the fixed rule, and the list of ports present.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/port_map.h"
#include "support/test_platform.h"

namespace {

using platform::PortMap;
using testsupport::TempDir;
using testsupport::writeFile;

// Sets an environment variable for the scope of a test.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = ::getenv(name)) old_ = old, had_ = true;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (had_)
      ::setenv(name_, old_.c_str(), 1);
    else
      ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::string old_;
  bool had_ = false;
};

TEST(PortMap, FixedRuleKeepsEachNumbersDevice) {
  const PortMap map;
  const std::vector<std::pair<int, std::string>> cases = {
      {1, "/dev/ttyS0"},
      {3, "/dev/ttyS2"},
      {32, "/dev/ttyS31"},
      {33, "/dev/ttyUSB0"},
      {64, "/dev/ttyUSB31"},
      {65, "/dev/ttyACM0"},
      {96, "/dev/ttyACM31"},
      {0, ""},
      {97, ""},
      {-1, ""},
  };
  for (const auto& [n, path] : cases) {
    EXPECT_EQ(map.fixedDevicePath(n), path) << n;
    EXPECT_EQ(map.devicePath(n), path) << n;
  }
}

TEST(PortMap, ExplicitMapComesBeforeTheFixedRule) {
  TempDir ports;
  TempDir devices;
  writeFile(devices.file("adapter"), "");
  ASSERT_EQ(::symlink(devices.file("adapter").c_str(), ports.file("COM3").c_str()), 0);
  ASSERT_EQ(::symlink("/nonexistent/device", ports.file("COM4").c_str()), 0);
  writeFile(ports.file("COM5"), "/dev/pts/7\n");
  writeFile(ports.file("COM6"), "  adapter \r\n");  // relative to the ports folder
  writeFile(ports.file("COM7"), "");                // names nothing
  std::filesystem::create_directory(ports.file("COM8"));
  ASSERT_EQ(::symlink(devices.file("adapter").c_str(), ports.file("COM9").c_str()), 0);

  PortMap map;
  map.portsFolder = ports.path();
  map.variables[9] = "/dev/ttyUSB7";
  map.variables[200] = "/dev/pts/3";

  EXPECT_EQ(map.devicePath(3), ports.file("COM3"));  // the link itself is opened
  EXPECT_EQ(map.devicePath(4), ports.file("COM4"));  // even when its device is gone
  EXPECT_EQ(map.devicePath(5), "/dev/pts/7");
  EXPECT_EQ(map.devicePath(6), ports.file("adapter"));
  EXPECT_EQ(map.devicePath(7), "/dev/ttyS6");
  EXPECT_EQ(map.devicePath(8), "/dev/ttyS7");
  EXPECT_EQ(map.devicePath(9), "/dev/ttyUSB7");  // the variable wins
  EXPECT_EQ(map.devicePath(200), "/dev/pts/3");
  EXPECT_EQ(map.devicePath(201), "");
}

TEST(PortMap, AvailablePortsAreTheNumbersWhoseDeviceExistsAscending) {
  TempDir dev;
  TempDir tty;
  TempDir ports;
  PortMap map;
  map.deviceFolder = dev.path();
  map.ttyClassFolder = tty.path();
  map.portsFolder = ports.path();
  EXPECT_TRUE(map.availablePorts().empty());

  for (const char* name : {"ttyS0", "ttyS1", "ttyS2", "ttyUSB3", "ttyACM31", "ttyACM32", "other"})
    writeFile(dev.file(name), "");
  // ttyS1 is a line without a UART behind it; ttyS2 says nothing of its type.
  std::filesystem::create_directories(tty.file("ttyS0"));
  writeFile(tty.file("ttyS0/type"), "4\n");
  std::filesystem::create_directories(tty.file("ttyS1"));
  writeFile(tty.file("ttyS1/type"), "0\n");
  EXPECT_EQ(map.availablePorts(), (std::vector<int>{1, 3, 36, 96}));

  // Mapped ports count when their device exists; a map to a missing device
  // hides the fixed rule's device.
  ASSERT_EQ(::symlink(dev.file("other").c_str(), ports.file("COM120").c_str()), 0);
  ASSERT_EQ(::symlink("/nonexistent/device", ports.file("COM3").c_str()), 0);
  ASSERT_EQ(::symlink(dev.file("ttyS1").c_str(), ports.file("COM40").c_str()), 0);
  writeFile(ports.file("COM_notes"), "");
  map.variables[7] = dev.file("other");
  map.variables[36] = "/nonexistent/usb";
  EXPECT_EQ(map.availablePorts(), (std::vector<int>{1, 7, 40, 96, 120}));
}

TEST(PortMap, ProcessMapComesFromTheEnvironmentAndTheProgramFolder) {
  TempDir program;
  ScopedEnv programDir("TALBREN_PROGRAM_DIR", program.path());
  ScopedEnv com12("TALBREN_COM12", "/dev/pts/12");
  ScopedEnv comX("TALBREN_COMX", "/dev/pts/1");
  ScopedEnv com0("TALBREN_COM0", "/dev/pts/0");
  {
    ScopedEnv none("TALBREN_PORTS_DIR", "");
    const PortMap map = PortMap::fromEnvironment();
    EXPECT_EQ(map.portsFolder, program.path() + "/ports");
    EXPECT_EQ(map.variables, (std::map<int, std::string>{{12, "/dev/pts/12"}}));
  }
  TempDir ports;
  ScopedEnv portsDir("TALBREN_PORTS_DIR", ports.path());
  EXPECT_EQ(PortMap::fromEnvironment().portsFolder, ports.path());
  EXPECT_EQ(platform::portsFolder(), ports.path());
}

}  // namespace
