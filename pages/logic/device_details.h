#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tamberlyx {

// What Step 1 shows of a device, row by row: server name, address with its addressing mode,
// subnet mask, gateway, DNS server, hardware address. An absent key shows as an empty row.
std::array<std::string, 6> DeviceDetailRows(std::string_view settings);

}  // namespace tamberlyx
