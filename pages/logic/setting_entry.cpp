#include "pages/logic/setting_entry.h"

#include "protocol/settings_text.h"

namespace tamberlyx {

void ReplaceSettingValue(std::string& settings, std::string_view key, std::string_view value) {
  std::string entry(key);
  entry += '=';
  entry += value;
  ReplaceSettingEntry(settings, key, entry);
}

}  // namespace tamberlyx
