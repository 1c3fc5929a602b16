#include "device/settings_file.h"

#include <fstream>
#include <iterator>

#include "device/settings_check.h"
#include "protocol/constants.h"

namespace tamberlyx::device {

std::optional<std::string> LoadSettingsFile(const std::string& path, std::string& error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = "cannot read " + path;
    return std::nullopt;
  }
  std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  // One entry per line is a common slip; the device's text is a single line.
  if (text.find_first_of("\r\n") != std::string::npos || !IsAcceptableSettings(text)) {
    error = path + " is not a settings text of 1 to " + std::to_string(kMaxSettingsLength) +
            " characters on one line (key=value entries joined by '&')";
    return std::nullopt;
  }
  return text;
}

}  // namespace tamberlyx::device
