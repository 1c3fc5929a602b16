#include "cli/json_text.h"

#include <cstdio>

#include "protocol/display_text.h"
#include "protocol/utf8.h"

namespace tamberlyx::cli {
namespace {

// One UTF-16 code unit, 0 to 0xFFFF.
void AppendCodeUnit(std::string& out, char32_t value) {
  char escaped[8];
  std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(value & 0xFFFF));
  out += escaped;
}

// Beyond the basic plane as a surrogate pair, as JSON spells it.
void AppendCodePoint(std::string& out, char32_t code) {
  if (code < 0x10000) return AppendCodeUnit(out, code);
  code -= 0x10000;
  AppendCodeUnit(out, 0xD800 + (code >> 10));
  AppendCodeUnit(out, 0xDC00 + (code & 0x3FF));
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
    } else if (length > 1 && IsNonPrinting(DecodeUtf8(bytes, at, length))) {
      // Escaped, so the text stays whole but cannot drive a terminal that shows the JSON.
      AppendCodePoint(out, DecodeUtf8(bytes, at, length));
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
