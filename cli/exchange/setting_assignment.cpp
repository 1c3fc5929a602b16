#include "cli/exchange/setting_assignment.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "protocol/constants.h"
#include "protocol/requests.h"
#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"

namespace tamberlyx::cli {

AssignmentOutcome ParseAssignment(std::string_view argument) {
  const std::size_t equals = argument.find('=');
  if (equals == std::string_view::npos) {
    return {std::nullopt, "expected KEY=VALUE, got \"" + std::string(argument) + "\""};
  }
  return CheckAssignment(std::string(argument.substr(0, equals)),
                         std::string(argument.substr(equals + 1)));
}

AssignmentOutcome CheckAssignment(std::string key, std::string value) {
  // Refusals quote the entry as it would be written.
  const auto written = [&] { return "\"" + key + "=" + value + "\""; };
  if (key.empty()) return {std::nullopt, "expected KEY=VALUE, got " + written()};
  // The device keeps its settings in zero-terminated strings: a control character would cut
  // or corrupt them.
  for (const std::string* text : {&key, &value}) {
    const auto control =
        std::ranges::find_if(*text, [](unsigned char c) { return c < 0x20 || c == 0x7F; });
    if (control != text->end()) {
      char code[8];
      std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned char>(*control));
      return {std::nullopt, std::string("a control character (") + code + ") cannot be part of " +
                                (text == &key ? "a key" : "a value")};
    }
  }
  if (key.find('&') != std::string::npos || value.find('&') != std::string::npos) {
    return {std::nullopt, "\"&\" separates entries and cannot be part of " + written()};
  }
  // The language entry is rewritten from the system language on every save.
  if (key == kKeyLocale) {
    return {std::nullopt, "locale follows the system language and cannot be set"};
  }
  return {SettingAssignment{std::move(key), std::move(value)}, {}};
}

std::string ApplyAssignments(std::string& settings,
                             const std::vector<SettingAssignment>& assignments) {
  std::vector<SettingValue> values;
  for (const SettingAssignment& assignment : assignments) {
    if (!HasSettingKey(settings, assignment.key)) {
      return "the device does not report the key \"" + assignment.key + "\"";
    }
    values.push_back({assignment.key, assignment.value});
  }
  // All together or none, as the wizard's pages write theirs: only the final length counts.
  if (const std::optional<std::size_t> overflow = ReplaceSettingValues(settings, values)) {
    return "setting " + assignments[*overflow].key + " would make the settings longer than " +
           std::to_string(kMaxSettingsLength) + " characters";
  }
  return {};
}

std::string EditForSave(std::string& settings, const std::vector<SettingAssignment>& assignments,
                        bool korean) {
  std::string edited = settings;
  if (std::string refused = ApplyAssignments(edited, assignments); !refused.empty()) return refused;
  if (!RewriteLocale(edited, korean)) {
    return "locale=" + std::string(korean ? "kor" : "en") +
           " would make the settings longer than " + std::to_string(kMaxSettingsLength) +
           " characters; shorten another entry";
  }
  settings = std::move(edited);
  return {};
}

}  // namespace tamberlyx::cli
