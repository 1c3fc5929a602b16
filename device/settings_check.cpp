#include "device/settings_check.h"

#include "protocol/constants.h"

namespace tamberlyx::device {

bool IsAcceptableSettings(std::string_view text) {
  if (text.empty() || text.size() > kMaxSettingsLength) return false;
  if (text.find('\0') != std::string_view::npos) return false;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find('&', begin);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view entry = text.substr(begin, end - begin);
    const std::size_t equals = entry.find('=');
    if (equals == std::string_view::npos || equals == 0) return false;
    begin = end + 1;
  }
  return true;
}

}  // namespace tamberlyx::device
