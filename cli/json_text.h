#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "protocol/device_list.h"

namespace tamberlyx::cli {

// A JSON string literal, quotes included, for bytes of any kind. Valid UTF-8 passes through;
// every other byte becomes the code point of the same number (\u0080 to \u00ff), as a device
// speaking a single-byte code page means it. Control characters and the other non-printing
// code points are escaped.
std::string JsonString(std::string_view bytes);

// [{"address": source address, "name": server name, "settings": settings text}, ...]
std::string DevicesAsJson(const std::vector<DeviceRecord>& records);

}  // namespace tamberlyx::cli
