#pragma once
// Port numbers and devices: which device a port COMn stands for, and which
// port numbers are present on this machine.
//
// A port resolves first through an explicit map, then by a fixed rule:
//  - the environment variable TALBREN_COM<n> naming a device path;
//  - an entry named COMn in the ports folder (TALBREN_PORTS_DIR, else the
//    folder "ports" of the program folder): a symbolic link to the device
//    (for example to /dev/serial/by-id/...), or a plain file whose first line
//    is the device path;
//  - the fixed rule: COM1-32 are /dev/ttyS0-31, COM33-64 /dev/ttyUSB0-31,
//    COM65-96 /dev/ttyACM0-31, so a stored port keeps its meaning across boots.

#include <map>
#include <string>
#include <vector>

namespace platform {

struct PortMap {
  // Folder of COMn entries; empty for none.
  std::string portsFolder;
  // Device paths given port by port (TALBREN_COM<n>).
  std::map<int, std::string> variables;
  // Where the fixed rule's devices live, and the kernel's view of serial lines.
  std::string deviceFolder = "/dev";
  std::string ttyClassFolder = "/sys/class/tty";

  // The map of this process: the environment and the ports folder.
  static PortMap fromEnvironment();

  // The device path of COMn: the explicit map first, then the fixed rule;
  // empty when the number stands for no device at all.
  std::string devicePath(int n) const;
  // The fixed rule alone; empty outside COM1-96.
  std::string fixedDevicePath(int n) const;
  // The port numbers whose device exists, ascending; empty when there is none.
  std::vector<int> availablePorts() const;
};

// The ports folder of this process: TALBREN_PORTS_DIR, else <program folder>/ports.
std::string portsFolder();

}  // namespace platform
