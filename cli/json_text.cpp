#include "cli/json_text.h"

#include <cstdio>

#include "cli/utf8.h"

namespace tamberlyx::cli {
namespace {

void AppendCodeUnit(std::string& out, unsigned value) {
  char escaped[8];
  std::snprintf(escaped, sizeof escaped, "\\u%04x", value);
  out += escaped;
}

void AppendAscii(std::string& out, char c) {
  switch (c) {
    case '"':
      out += "\\\"";
      return;
    case '\\':
      out += "\\\\";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\t':
      out += "\\t";
      return;
    default:
      break;
  }
  const auto byte = static_cast<unsigned char>(c);
  if (byte < 0x20 || byte == 0x7F) {
    AppendCodeUnit(out, byte);
  } else {
    out += c;
  }
}

}  // namespace

std::string JsonString(std::string_view bytes) {
  std::string out = "\"";
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t length = Utf8SequenceLength(bytes, at);
    if (length == 1) {
      AppendAscii(out, bytes[at]);
    } else if (length > 1) {
      out.append(bytes.substr(at, length));
    } else {
      AppendCodeUnit(out, static_cast<unsigned char>(bytes[at]));
    }
    at += length == 0 ? 1 : length;
  }
  return out + "\"";
}

std::string DevicesAsJson(const std::vector<DeviceRecord>& records) {
  if (records.empty()) return "[]\n";
  std::string out = "[\n";
  for (std::size_t i = 0; i < records.size(); ++i) {
    const DeviceRecord& record = records[i];
    out += "  {\"address\": " + JsonString(record.address) +
           ", \"name\": " + JsonString(record.hostName) +
           ", \"settings\": " + JsonString(record.settingsText) + "}";
    out += i + 1 < records.size() ? ",\n" : "\n";
  }
  return out + "]\n";
}

}  // namespace tamberlyx::cli
