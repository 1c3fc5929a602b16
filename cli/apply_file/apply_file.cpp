#include "cli/apply_file/apply_file.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <utility>

#include "cli/apply_file/address_moves.h"
#include "protocol/constants.h"
#include "protocol/ipv4_text.h"

namespace tamberlyx::cli {
namespace {

// Deeper than any devices file goes; a hostile file is refused at this depth at once.
constexpr std::size_t kMaxDepth = 64;
// A settings text holds at most kMaxSettingsLength characters and each of its entries takes three
// at the least ("k=" and the "&" before the next), so no device has more keys to set than this;
// settings is the largest object of the file. A larger object is refused where it goes past.
constexpr std::size_t kMaxMembers = (kMaxSettingsLength + 1) / 3;
// Beyond this the problems of the devices are counted, not kept: a file of nothing but mistakes
// would otherwise need many times its size for their texts.
constexpr std::size_t kMaxListedProblems = 1000;
// {"name":"a","settings":{}}: no device of the file is written in fewer characters.
constexpr std::size_t kSmallestDeviceText = 26;

struct Naming {
  const char* member;
  DeviceNaming naming;
};
constexpr std::array<Naming, 3> kNamings{{{"mac", DeviceNaming::kMac},
                                          {"address", DeviceNaming::kAddress},
                                          {"name", DeviceNaming::kName}}};

// What the object of one device held, until it closes: its problems are told in the order the
// members are checked in, not the order they are written in.
struct OpenDevice {
  struct NamingMember {
    bool given = false;
    bool text = false;  // a non-empty string
    std::string value;
    TextPosition at;
  };
  TextPosition at;
  FileDevice device;
  std::vector<FileError> memberErrors;
  std::array<NamingMember, kNamings.size()> namings;
  bool hasSettings = false;
  bool settingsObject = false;
  TextPosition settingsAt;
  std::vector<FileError> settingErrors;
};

// What an open object or array is to the file; the contents of anything else are not looked at.
enum class Role { kSkipped, kRoot, kDevices, kDevice, kSettings };

// Takes the document as it is read, reporting each problem at the place it starts.
class FileReader : public JsonEvents {
 public:
  // Room for as many devices as the text could hold, so the list never moves while it grows;
  // the pages of that room no device takes are never touched.
  explicit FileReader(std::size_t textSize) {
    m_devices.reserve(textSize / kSmallestDeviceText + 1);
  }

  void Value(JsonValueKind kind, std::string* text, TextPosition at) override {
    Role role = Role::kSkipped;
    if (m_open.empty()) {
      m_rootAt = at;
      m_rootObject = kind == JsonValueKind::kObject;
      role = m_rootObject ? Role::kRoot : Role::kSkipped;
    } else if (m_open.back() == Role::kRoot && m_name == "devices") {
      m_hasDevices = true;
      if (kind == JsonValueKind::kArray) {
        role = Role::kDevices;
      } else {
        m_devicesError = FileError{at, "\"devices\" must be an array"};
      }
    } else if (m_open.back() == Role::kDevices) {
      if (kind == JsonValueKind::kObject) {
        role = Role::kDevice;
        m_device = OpenDevice{};
        m_device.at = at;
      } else {
        AddDeviceErrors({{at, "a device must be an object"}});
      }
    } else if (m_open.back() == Role::kDevice) {
      role = DeviceMember(kind, text, at);
    } else if (m_open.back() == Role::kSettings) {
      Setting(kind, text, at);
    }
    if (kind == JsonValueKind::kObject || kind == JsonValueKind::kArray) m_open.push_back(role);
  }

  void Name(std::string& name, TextPosition at) override {
    m_name = std::move(name);
    m_nameAt = at;
    if (m_open.back() == Role::kRoot && m_name != "devices") {
      m_rootErrors.push_back({at, "unknown member \"" + m_name + "\""});
    }
  }

  void Close() override {
    const Role closed = m_open.back();
    m_open.pop_back();
    if (closed == Role::kDevice) CloseDevice();
  }

  ApplyFileOutcome Finish() {
    ApplyFileOutcome outcome;
    if (!m_rootObject || !m_hasDevices) {
      outcome.errors.push_back({m_rootAt, "expected an object with a \"devices\" array"});
      return outcome;
    }
    outcome.errors = std::move(m_rootErrors);
    if (m_devicesError) {
      outcome.errors.push_back(*m_devicesError);
      return outcome;
    }
    outcome.errors.insert(outcome.errors.end(), std::make_move_iterator(m_deviceErrors.begin()),
                          std::make_move_iterator(m_deviceErrors.end()));
    if (m_unlisted > 0) {
      outcome.errors.push_back({m_firstUnlistedAt, "and " + std::to_string(m_unlisted) +
                                                       " more problems from here on, not listed"});
    }
    if (outcome.errors.empty()) outcome.file.devices = std::move(m_devices);
    return outcome;
  }

 private:
  Role DeviceMember(JsonValueKind kind, std::string* text, TextPosition at) {
    const bool nonEmptyText = kind == JsonValueKind::kString && !text->empty();
    const auto naming =
        std::ranges::find_if(kNamings, [&](const Naming& n) { return m_name == n.member; });
    if (m_name == "password_file") {
      if (!nonEmptyText) {
        m_device.memberErrors.push_back({at, "\"password_file\" must be a file name"});
      } else {
        m_device.device.passwordFile = std::move(*text);
        m_device.device.passwordFileAt = at;
      }
    } else if (naming != kNamings.end()) {
      OpenDevice::NamingMember& member = m_device.namings[naming - kNamings.begin()];
      member = {true, nonEmptyText, nonEmptyText ? std::move(*text) : std::string(), at};
    } else if (m_name == "settings") {
      m_device.hasSettings = true;
      m_device.settingsObject = kind == JsonValueKind::kObject;
      m_device.settingsAt = at;
      if (m_device.settingsObject) return Role::kSettings;
    } else {
      m_device.memberErrors.push_back({m_nameAt, "unknown member \"" + m_name + "\""});
    }
    return Role::kSkipped;
  }

  void Setting(JsonValueKind kind, std::string* text, TextPosition at) {
    const std::string& key = m_name;
    std::vector<FileError>& errors = m_device.settingErrors;
    if (kind != JsonValueKind::kString) {
      errors.push_back({at, "the value of \"" + key + "\" must be a string"});
      return;
    }
    if (key.find('=') != std::string::npos) {
      errors.push_back({m_nameAt, "a key cannot contain \"=\""});
      return;
    }
    AssignmentOutcome checked = CheckAssignment(key, std::move(*text));
    if (!checked.assignment) {
      errors.push_back({m_nameAt, std::move(checked.error)});
    } else if (checked.assignment->value.size() > kMaxSettingsLength) {
      errors.push_back({at, "the value of \"" + key + "\" is longer than " +
                                std::to_string(kMaxSettingsLength) + " characters"});
    } else {
      m_device.device.settings.push_back({std::move(*checked.assignment), m_nameAt});
    }
  }

  void CloseDevice() {
    OpenDevice& open = m_device;
    std::vector<FileError> errors = std::move(open.memberErrors);
    if (Named(open, errors)) {
      if (!open.hasSettings) {
        errors.push_back({open.at, "a device needs \"settings\""});
      } else if (!open.settingsObject) {
        errors.push_back({open.settingsAt, "\"settings\" must be an object"});
      }
      errors.insert(errors.end(), std::make_move_iterator(open.settingErrors.begin()),
                    std::make_move_iterator(open.settingErrors.end()));
    }
    AddDeviceErrors(std::move(errors));
    if (m_deviceErrors.empty()) {
      open.device.settings.shrink_to_fit();
      m_devices.push_back(std::move(open.device));
    }
  }

  static bool Named(OpenDevice& open, std::vector<FileError>& errors) {
    int given = 0;
    for (std::size_t i = 0; i < kNamings.size(); ++i) {
      OpenDevice::NamingMember& member = open.namings[i];
      if (!member.given) continue;
      ++given;
      if (!member.text) {
        errors.push_back(
            {member.at, std::string("\"") + kNamings[i].member + "\" must be a non-empty string"});
        return false;
      }
      open.device.naming = kNamings[i].naming;
      open.device.identifier = std::move(member.value);
      open.device.at = member.at;
      if (open.device.naming == DeviceNaming::kAddress && !ParseIpv4(open.device.identifier)) {
        errors.push_back({member.at, "not an IPv4 address: \"" + open.device.identifier + "\""});
        return false;
      }
    }
    if (given != 1) {
      errors.push_back(
          {open.at, "a device is named by exactly one of \"mac\", \"address\", \"name\""});
    }
    return given == 1;
  }

  void AddDeviceErrors(std::vector<FileError> errors) {
    if (!errors.empty()) m_devices = {};  // a file with a problem is not used
    for (FileError& error : errors) {
      if (m_deviceErrors.size() < kMaxListedProblems) {
        m_deviceErrors.push_back(std::move(error));
      } else if (m_unlisted++ == 0) {
        m_firstUnlistedAt = error.at;
      }
    }
  }

  std::vector<Role> m_open;  // the objects and arrays being read, outermost first
  std::string m_name;        // of the member whose value comes next
  TextPosition m_nameAt;
  TextPosition m_rootAt;
  bool m_rootObject = false;
  bool m_hasDevices = false;
  std::vector<FileError> m_rootErrors;
  std::optional<FileError> m_devicesError;
  OpenDevice m_device;
  std::vector<FileDevice> m_devices;
  std::vector<FileError> m_deviceErrors;
  std::size_t m_unlisted = 0;
  TextPosition m_firstUnlistedAt;
};

}  // namespace

ApplyFileOutcome ParseApplyFile(std::string_view text) {
  FileReader reader(text.size());
  const JsonReadOutcome read = ReadJson(text, {kMaxDepth, kMaxMembers}, reader);
  // A text that is not JSON, or a name given twice, is the one problem told: what the reader
  // made of the rest may rest on it.
  for (const std::optional<JsonProblem>& problem : {read.syntax, read.repeated}) {
    if (problem) return {{}, {{problem->at, problem->text}}};
  }
  ApplyFileOutcome outcome = reader.Finish();
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
