#pragma once
// Which serial device a port number of the settings ("Transfer"/"Com", 1 to 8)
// stands for. The numbers count the system's serial devices in this order:
// /dev/ttyS* (the built-in ports), then /dev/ttyUSB* (USB-serial adapters), then
// /dev/ttyACM* (USB modems), each kind by its number (ttyS2 before ttyS10). So on
// a machine with four built-in ports an adapter plugged in as /dev/ttyUSB0 is
// port 5. A device path in "Transfer"/"Device" overrides the number, so any
// adapter or pseudo-terminal can be used.
#include <string>
#include <vector>

namespace kelp {

// The serial device names among 'names' (file names or paths), in port order.
std::vector<std::string> orderSerialDevices(const std::vector<std::string>& names);
// The serial devices of the system, as paths in port order.
std::vector<std::string> systemSerialDevices(const std::string& devDir = "/dev");
// The device of port number 'port' (1-based): the override when not empty, else the
// port-th device; "" when there is none.
std::string serialDeviceFor(int port, const std::string& overridePath,
                            const std::vector<std::string>& devices);

}  // namespace kelp
