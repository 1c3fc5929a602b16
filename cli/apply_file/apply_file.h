#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/apply_file/json_positions.h"
#include "cli/exchange/setting_assignment.h"

namespace tamberlyx::cli {

// How the file names a device.
enum class DeviceNaming { kMac, kAddress, kName };

struct FileSetting {
  SettingAssignment entry;
  TextPosition at;  // of the key, where a refusal points
};

// One element of "devices".
struct FileDevice {
  DeviceNaming naming = DeviceNaming::kAddress;
  std::string identifier;  // the mac, address or name as written
  TextPosition at;         // of the naming member's value
  std::vector<FileSetting> settings;
  std::string passwordFile;  // as written, relative to the file; empty: the common password
  TextPosition passwordFileAt;
  std::string password;  // filled in when the file is loaded; never shown
};

struct FileError {
  TextPosition at;
  std::string text;
};

struct ApplyFile {
  std::vector<FileDevice> devices;
};

struct ApplyFileOutcome {
  ApplyFile file;
  std::vector<FileError> errors;  // every problem found, in file order; the file is unusable
};

// {"devices": [{"mac" | "address" | "name": ..., "settings": {KEY: VALUE, ...},
// "password_file": PATH}, ...]}. Refuses what no device could take (see ParseAssignment), and
// fixed addresses no order of saves can give (see MoveRefusals). Read in one pass: nesting past
// 64 levels or an object of more members than a settings text has entries stops it at once.
ApplyFileOutcome ParseApplyFile(std::string_view text);

// "FILE:LINE:COLUMN: text", as compilers write it; standard input ("-") is "stdin".
std::string FormatFileError(std::string_view file, const FileError& error);

// The device's settings as they are written, without their places in the file.
std::vector<SettingAssignment> FileEntries(const FileDevice& device);

// "mac 02:4c:..", "address 10.0.0.2" or "name archive": how a device is shown before it is found.
std::string DeviceLabel(const FileDevice& device);

}  // namespace tamberlyx::cli
