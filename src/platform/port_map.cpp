#include "platform/port_map.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string_view>

#include "platform/files.h"
#include "platform/numbers.h"

extern char** environ;

namespace platform {

namespace {

constexpr std::string_view kVariablePrefix = "TALBREN_COM";
constexpr int kFixedPorts = 96;

// The number n of a name "COMn" (digits only, n at least 1); 0 for any other name.
int portNumberOfName(std::string_view name, std::string_view prefix) {
  if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) return 0;
  const std::string_view digits = name.substr(prefix.size());
  if (digits.size() > 6) return 0;
  for (char c : digits)
    if (c < '0' || c > '9') return 0;
  return static_cast<int>(readNumber(digits));
}

bool deviceExists(const std::string& path) {
  struct stat st {};
  // Follows links: a link to a device that has gone does not count.
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

// The device path a ports-folder entry stands for; empty when the entry is
// missing or names nothing.
std::string entryDevice(const std::string& entry) {
  struct stat lst {};
  if (::lstat(entry.c_str(), &lst) != 0) return {};
  // A link (even one whose device is missing) or a device node is the port
  // itself; opening it reaches the device.
  if (!S_ISREG(lst.st_mode)) return S_ISDIR(lst.st_mode) ? std::string() : entry;
  // A plain file holds the device path on its first line.
  std::string text;
  try {
    text = readBytes(entry);
  } catch (const FileError&) {
    return {};
  }
  const std::size_t end = text.find_first_of("\r\n");
  if (end != std::string::npos) text.resize(end);
  text = trimText(text);
  if (text.empty() || text.front() == '/') return text;
  // A relative path is taken from the ports folder.
  return joinPath(std::filesystem::path(entry).parent_path().string(), text);
}

}  // namespace

std::string portsFolder() {
  if (const char* dir = std::getenv("TALBREN_PORTS_DIR"); dir != nullptr && *dir != '\0') return dir;
  return joinPath(programFolder(), "ports");
}

PortMap PortMap::fromEnvironment() {
  PortMap map;
  map.portsFolder = platform::portsFolder();
  for (char** e = environ; e != nullptr && *e != nullptr; ++e) {
    const std::string_view entry(*e);
    const std::size_t eq = entry.find('=');
    if (eq == std::string_view::npos) continue;
    const int n = portNumberOfName(entry.substr(0, eq), kVariablePrefix);
    const std::string_view value = entry.substr(eq + 1);
    if (n > 0 && !value.empty()) map.variables[n] = std::string(value);
  }
  return map;
}

std::string PortMap::fixedDevicePath(int n) const {
  if (n < 1 || n > kFixedPorts) return {};
  static constexpr std::string_view kKinds[] = {"ttyS", "ttyUSB", "ttyACM"};
  const int group = (n - 1) / 32;
  return joinPath(deviceFolder, std::string(kKinds[group]) + numberText((n - 1) % 32));
}

std::string PortMap::devicePath(int n) const {
  if (n < 1) return {};
  if (auto it = variables.find(n); it != variables.end()) return it->second;
  if (!portsFolder.empty()) {
    std::string device = entryDevice(joinPath(portsFolder, "COM" + numberText(n)));
    if (!device.empty()) return device;
  }
  return fixedDevicePath(n);
}

// NOLINTNEXTLINE(readability-function-cognitive-complexity)
std::vector<int> PortMap::availablePorts() const {
  std::set<int> candidates;
  for (int n = 1; n <= kFixedPorts; ++n) candidates.insert(n);
  for (const auto& [n, path] : variables) candidates.insert(n);
  if (!portsFolder.empty() && folderExists(portsFolder)) {
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(portsFolder, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
      const int n = portNumberOfName(it->path().filename().string(), "COM");
      if (n > 0) candidates.insert(n);
    }
  }

  std::vector<int> ports;
  for (int n : candidates) {
    const std::string device = devicePath(n);
    if (!deviceExists(device)) continue;
    if (device == fixedDevicePath(n) && (n - 1) / 32 == 0) {
      // The kernel keeps ttyS nodes for serial lines that have no UART behind
      // them (type 0); such a line is no port.
      const std::string type = joinPath(ttyClassFolder, "ttyS" + numberText((n - 1) % 32) + "/type");
      if (fileExists(type)) {
        try {
          if (readNumber(readBytes(type)) == 0) continue;
        } catch (const FileError&) {
        }
      }
    }
    ports.push_back(n);
  }
  return ports;
}

}  // namespace platform
