#include "cli/apply_file/apply_file.h"

#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>

#include "cli/apply_file/address_moves.h"
#include "protocol/constants.h"
#include "protocol/ipv4_text.h"

namespace tamberlyx::cli {
namespace {

using Json = nlohmann::ordered_json;

struct Naming {
  const char* member;
  DeviceNaming naming;
};
constexpr std::array<Naming, 3> kNamings{{{"mac", DeviceNaming::kMac},
                                          {"address", DeviceNaming::kAddress},
                                          {"name", DeviceNaming::kName}}};

// Walks the tree, reporting each problem at the place it starts.
class FileReader {
 public:
  FileReader(const JsonPositions& positions, ApplyFileOutcome& outcome)
      : m_positions(positions), m_outcome(outcome) {}

  void Document(const Json& root) {
    if (!root.is_object() || !root.contains("devices")) {
      return Error("", "expected an object with a \"devices\" array");
    }
    for (const auto& [name, value] : root.items()) {
      if (name != "devices")
        Error("/" + PointerToken(name), "unknown member \"" + name + "\"", true);
    }
    const Json& devices = root["devices"];
    if (!devices.is_array()) return Error("/devices", "\"devices\" must be an array");
    for (std::size_t i = 0; i < devices.size(); ++i) {
      Device(devices[i], "/devices/" + std::to_string(i));
    }
  }

 private:
  void Error(const std::string& pointer, std::string text, bool atName = false) {
    const TextPosition at = atName ? m_positions.Name(pointer) : m_positions.Value(pointer);
    m_outcome.errors.push_back({at, std::move(text)});
  }

  void Device(const Json& value, const std::string& pointer) {
    if (!value.is_object()) return Error(pointer, "a device must be an object");
    FileDevice device;
    Members(value, pointer, device);
    if (!Named(value, pointer, device)) return;
    if (!value.contains("settings")) return Error(pointer, "a device needs \"settings\"");
    Settings(value["settings"], pointer + "/settings", device);
    m_outcome.file.devices.push_back(std::move(device));
  }

  void Members(const Json& value, const std::string& pointer, FileDevice& device) {
    for (const auto& item : value.items()) {
      // Named, not a structured binding: clang 14 cannot capture one in the lambda below.
      const std::string& name = item.key();
      const Json& member = item.value();
      const std::string at = pointer + "/" + PointerToken(name);
      const bool naming =
          std::ranges::any_of(kNamings, [&](const Naming& n) { return name == n.member; });
      if (name == "password_file") {
        if (!member.is_string() || member.get<std::string>().empty()) {
          Error(at, "\"password_file\" must be a file name");
        } else {
          device.passwordFile = member.get<std::string>();
          device.passwordFileAt = m_positions.Value(at);
        }
      } else if (!naming && name != "settings") {
        Error(at, "unknown member \"" + name + "\"", true);
      }
    }
  }

  bool Named(const Json& value, const std::string& pointer, FileDevice& device) {
    int given = 0;
    for (const Naming& naming : kNamings) {
      if (!value.contains(naming.member)) continue;
      ++given;
      const std::string at = pointer + "/" + naming.member;
      const Json& member = value[naming.member];
      if (!member.is_string() || member.get<std::string>().empty()) {
        Error(at, std::string("\"") + naming.member + "\" must be a non-empty string");
        return false;
      }
      device.naming = naming.naming;
      device.identifier = member.get<std::string>();
      device.at = m_positions.Value(at);
      if (naming.naming == DeviceNaming::kAddress && !ParseIpv4(device.identifier)) {
        Error(at, "not an IPv4 address: \"" + device.identifier + "\"");
        return false;
      }
    }
    if (given != 1)
      Error(pointer, "a device is named by exactly one of \"mac\", \"address\", \"name\"");
    return given == 1;
  }

  void Settings(const Json& value, const std::string& pointer, FileDevice& device) {
    if (!value.is_object()) return Error(pointer, "\"settings\" must be an object");
    for (const auto& [key, entry] : value.items()) {
      const std::string at = pointer + "/" + PointerToken(key);
      if (!entry.is_string()) {
        Error(at, "the value of \"" + key + "\" must be a string");
        continue;
      }
      const std::string text = entry.get<std::string>();
      if (key.find('=') != std::string::npos) {
        Error(at, "a key cannot contain \"=\"", true);
        continue;
      }
      const AssignmentOutcome checked = CheckAssignment(key, text);
      if (!checked.assignment) {
        Error(at, checked.error, true);
      } else if (text.size() > kMaxSettingsLength) {
        Error(at, "the value of \"" + key + "\" is longer than " +
                      std::to_string(kMaxSettingsLength) + " characters");
      } else {
        device.settings.push_back({*checked.assignment, m_positions.Name(at)});
      }
    }
  }

  const JsonPositions& m_positions;
  ApplyFileOutcome& m_outcome;
};

}  // namespace

ApplyFileOutcome ParseApplyFile(std::string_view text) {
  ApplyFileOutcome outcome;
  JsonPositions::SyntaxError syntax;
  const std::optional<JsonPositions> positions = JsonPositions::Index(text, syntax);
  if (!positions) {
    outcome.errors.push_back({syntax.at, syntax.text});
    return outcome;
  }
  if (const auto& repeated = positions->Repeated()) {
    const std::string name = repeated->substr(repeated->rfind('/') + 1);
    outcome.errors.push_back({positions->Name(*repeated), "\"" + name + "\" is given twice"});
    return outcome;
  }
  FileReader(*positions, outcome).Document(Json::parse(text));
  if (outcome.errors.empty()) {
    const std::vector<EntryMove> moves = MovesInFile(outcome.file);
    outcome.errors = MoveRefusals(moves, OrderEntries(moves));
  }
  return outcome;
}

std::string FormatFileError(std::string_view file, const FileError& error) {
  return std::string(file == "-" ? "stdin" : file) + ":" + std::to_string(error.at.line) + ":" +
         std::to_string(error.at.column) + ": " + error.text;
}

std::vector<SettingAssignment> FileEntries(const FileDevice& device) {
  std::vector<SettingAssignment> entries;
  for (const FileSetting& setting : device.settings) entries.push_back(setting.entry);
  return entries;
}

std::string DeviceLabel(const FileDevice& device) {
  for (const Naming& naming : kNamings) {
    if (naming.naming == device.naming) return std::string(naming.member) + " " + device.identifier;
  }
  return device.identifier;
}

}  // namespace tamberlyx::cli
