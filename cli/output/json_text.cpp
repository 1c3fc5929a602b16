#include "cli/output/json_text.h"

#include <cstdio>

#include "protocol/display_text.h"
#include "protocol/utf8.h"

namespace tamberlyx::cli {
namespace {

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// One UTF-16 code unit, 0 to 0xFFFF.
void AppendCodeUnit(std::string& out, char32_t value) {
  char escaped[8];
  std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(value & 0xFFFF));
  out += escaped;
}

// Beyond the basic plane as a surrogate pair, as JSON spells it.
void AppendEscaped(std::string& out, char32_t code) {
  if (code < 0x10000) return AppendCodeUnit(out, code);
  code -= 0x10000;
  AppendCodeUnit(out, 0xD800 + (code >> 10));
  AppendCodeUnit(out, 0xDC00 + (code & 0x3FF));
}

bool NeedsEscape(char32_t code) {
  return code >= 0x7F && (code <= 0xFF || IsNonPrinting(code));
}

// The library escapes what JSON forbids; this escapes what a terminal should not act on. Only
// string contents hold anything beyond ASCII, so the whole dumped text can be walked.
std::string EscapeNonPrinting(std::string_view dumped) {
  std::string out;
  for (std::size_t at = 0; at < dumped.size();) {
    const std::size_t length = std::max<std::size_t>(Utf8SequenceLength(dumped, at), 1);
    const char32_t code = DecodeUtf8(dumped, at, length);
    if (NeedsEscape(code)) {
      AppendEscaped(out, code);
    } else {
      out.append(dumped.substr(at, length));
    }
    at += length;
  }
  return out;
}

std::string Members(const JsonValue& value) {
  std::string out;
  for (auto it = value.begin(); it != value.end(); ++it) {
    if (!out.empty()) out += ", ";
    if (value.is_object()) out += JsonLine(JsonValue(it.key())) + ": ";
    out += JsonLine(*it);
  }
  return out;
}

}  // namespace

JsonValue JsonText(std::string_view bytes) {
  std::string text;
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t length = Utf8SequenceLength(bytes, at);
    if (length == 0) {
      AppendUtf8(text, static_cast<unsigned char>(bytes[at]));
      ++at;
    } else {
      text.append(bytes.substr(at, length));
      at += length;
    }
  }
  return text;
}

std::string JsonLine(const JsonValue& value) {
  if (value.is_object()) return "{" + Members(value) + "}";
  if (value.is_array()) return "[" + Members(value) + "]";
  // Never throws: text that is not UTF-8 has been through JsonText, anything else is replaced.
  return EscapeNonPrinting(value.dump(-1, ' ', false, JsonValue::error_handler_t::replace));
}

std::string JsonLines(const std::vector<JsonValue>& elements) {
  if (elements.empty()) return "[]\n";
  std::string out = "[\n";
  for (std::size_t i = 0; i < elements.size(); ++i) {
    out += "  " + JsonLine(elements[i]) + (i + 1 < elements.size() ? ",\n" : "\n");
  }
  return out + "]\n";
}

std::string JsonString(std::string_view bytes) {
  return JsonLine(JsonText(bytes));
}

std::string DevicesAsJson(const std::vector<DeviceRecord>& records) {
  std::vector<JsonValue> elements;
  for (const DeviceRecord& record : records) {
    elements.push_back({{"address", JsonText(record.address)},
                        {"name", JsonText(record.hostName)},
                        {"settings", JsonText(record.settingsText)}});
  }
  return JsonLines(elements);
}

}  // namespace tamberlyx::cli
