#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/device_list.h"

namespace tamberlyx::cli {

// Members keep the order they were added in, so the output reads the way it is documented.
using JsonValue = nlohmann::ordered_json;

// A JSON string for bytes of any kind. Valid UTF-8 is kept; every other byte becomes the code
// point of the same number (U+0080 to U+00FF), as a device speaking a single-byte code page
// means it.
JsonValue JsonText(std::string_view bytes);

// `value` on one line, ", " and ": " between members. Control characters, the other
// non-printing code points and U+0080 to U+00FF are escaped, so the text stays whole but cannot
// drive a terminal that shows the JSON.
std::string JsonLine(const JsonValue& value);

// An array with one element a line: "[\n  ...,\n  ...\n]\n" ("[]\n" when empty).
std::string JsonLines(const std::vector<JsonValue>& elements);

// JsonLine of JsonText(bytes).
std::string JsonString(std::string_view bytes);

// [{"address": source address, "name": server name, "settings": settings text}, ...]
std::string DevicesAsJson(const std::vector<DeviceRecord>& records);

}  // namespace tamberlyx::cli
