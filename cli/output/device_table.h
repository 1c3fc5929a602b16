#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "protocol/device_list.h"

namespace tamberlyx::cli {

// "DHCP" when the device reports nwk.bootproto=dhcp; any other value is a fixed address.
std::string AddressingMode(const DeviceRecord& record);

// Four columns, the first row a heading; each column as wide as its widest text (in characters),
// two spaces between columns, no trailing blanks. The texts must already be printable.
using TableRow = std::array<std::string, 4>;
std::string FormatTable(const std::vector<TableRow>& rows);
// The same for `count` rows, each made by `row` when needed (twice: for the widths, then for the
// text), so that a long table is not held as rows besides its text.
std::string FormatTable(std::size_t count, const std::function<TableRow(std::size_t)>& row);

// One line per record in list order under a heading: server name, source address, addressing
// mode and hardware address. Control characters from the device are shown as "?" so that a
// reply cannot drive the terminal.
std::string FormatDeviceTable(const std::vector<DeviceRecord>& records);

}  // namespace tamberlyx::cli
