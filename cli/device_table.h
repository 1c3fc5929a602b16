#pragma once

#include <string>
#include <vector>

#include "protocol/device_list.h"

namespace tamberlyx::cli {

// "DHCP" when the device reports nwk.bootproto=dhcp; any other value is a fixed address.
std::string AddressingMode(const DeviceRecord& record);

// One line per record in list order under a heading: server name, source address, addressing
// mode and hardware address. Control characters from the device are shown as "?" so that a
// reply cannot drive the terminal.
std::string FormatDeviceTable(const std::vector<DeviceRecord>& records);

}  // namespace tamberlyx::cli
