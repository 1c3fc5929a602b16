#pragma once

#include <string>
#include <string_view>

namespace tamberlyx {

// Rewrites the entry for `key` as key=value where the settings have one; adds none.
void ReplaceSettingValue(std::string& settings, std::string_view key, std::string_view value);

}  // namespace tamberlyx
