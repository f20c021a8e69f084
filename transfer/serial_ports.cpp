#include "transfer/serial_ports.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace kelp {
namespace {

const char* const kKinds[] = {"ttyS", "ttyUSB", "ttyACM"};

// Kind (0..2) and number of a device name, false when it is not a serial device.
bool classify(const std::string& path, int& kind, long& number) {
  const size_t slash = path.rfind('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  for (int k = 0; k < 3; ++k) {
    const std::string prefix = kKinds[k];
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string digits = name.substr(prefix.size());
    if (digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string::npos) continue;
    kind = k;
    number = std::stol(digits);
    return true;
  }
  return false;
}

}  // namespace

std::vector<std::string> orderSerialDevices(const std::vector<std::string>& names) {
  struct Item { int kind; long number; std::string path; };
  std::vector<Item> items;
  for (const std::string& n : names) {
    Item it{0, 0, n};
    if (classify(n, it.kind, it.number)) items.push_back(it);
  }
  std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
    return a.kind != b.kind ? a.kind < b.kind : a.number < b.number;
  });
  std::vector<std::string> out;
  for (auto& it : items) out.push_back(std::move(it.path));
  return out;
}

std::vector<std::string> systemSerialDevices(const std::string& devDir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(devDir, ec)) {
    std::error_code ec2;
    if (e.is_character_file(ec2)) names.push_back(e.path().string());
  }
  return orderSerialDevices(names);
}

std::string serialDeviceFor(int port, const std::string& overridePath,
                            const std::vector<std::string>& devices) {
  if (!overridePath.empty()) return overridePath;
  if (port < 1 || port > static_cast<int>(devices.size())) return {};
  return devices[static_cast<size_t>(port - 1)];
}

}  // namespace kelp
