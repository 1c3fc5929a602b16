#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tamberlyx::cli {

struct SettingAssignment {
  std::string key;
  std::string value;
};

struct AssignmentOutcome {
  std::optional<SettingAssignment> assignment;
  std::string error;
};

// "KEY=VALUE"; the value may hold "=" and may be empty, neither part may hold "&".
AssignmentOutcome ParseAssignment(std::string_view argument);

// A key and its value given apart (the key holds no "="), refused as ParseAssignment would
// refuse them written as one.
AssignmentOutcome CheckAssignment(std::string key, std::string value);

// Replaces each entry of `settings` in order, all or nothing: a key the device did not report,
// or a final text longer than 999 characters, leaves `settings` untouched and names the
// reason. Returns "" on success.
std::string ApplyAssignments(std::string& settings,
                             const std::vector<SettingAssignment>& assignments);

// What a save does to the device's settings before anything is sent: every assignment, then the
// save's own rewrite of the locale entry (to "kor" or "en"), which must still fit. Returns "" or
// why nothing may be sent; `settings` is untouched on a refusal.
std::string EditForSave(std::string& settings, const std::vector<SettingAssignment>& assignments,
                        bool korean);

}  // namespace tamberlyx::cli
