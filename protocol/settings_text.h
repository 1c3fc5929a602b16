#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tamberlyx {

// A device's settings: entries key=value joined by "&". Keys match whole entries only (at the
// start of the text or right after "&"), so a key is never found inside another key or a value.

// The value of the first entry for `key`, or "" when there is none.
std::string GetSettingValue(std::string_view text, std::string_view key);

// Whether the text has an entry for `key`; an empty value still counts.
bool HasSettingKey(std::string_view text, std::string_view key);

// Replaces the whole first entry for `key` with `entry` in place. Never adds an entry. Refuses
// (text unchanged, false) a result longer than kMaxSettingsLength, so nothing is cut on the wire.
// Returns true when the text was rewritten.
bool ReplaceSettingEntry(std::string& text, std::string_view key, std::string_view entry);

// ReplaceSettingEntry with the entry `key`=`value`.
bool ReplaceSettingValue(std::string& text, std::string_view key, std::string_view value);

// One entry's new value, for ReplaceSettingValues.
struct SettingValue {
  std::string_view key;
  std::string_view value;
};

// Gives every entry the text has among `values` its new value, all together or none: when the
// result would be longer than kMaxSettingsLength the text stays unchanged and the index of the
// value that first took it past the limit is returned. Keys the text lacks are skipped.
std::optional<std::size_t> ReplaceSettingValues(std::string& text,
                                                std::span<const SettingValue> values);

}  // namespace tamberlyx
