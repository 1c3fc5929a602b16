#include "protocol/settings_text.h"

#include <optional>

#include "protocol/constants.h"

namespace tamberlyx {
namespace {

struct EntrySpan {
  std::size_t begin;  // first byte of the key
  std::size_t valueBegin;
  std::size_t end;  // the "&" that follows, or the end of the text
};

std::optional<EntrySpan> FindEntry(std::string_view text, std::string_view key) {
  if (key.empty()) return std::nullopt;
  std::size_t begin = 0;
  while (begin <= text.size()) {
    std::size_t end = text.find('&', begin);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view entry = text.substr(begin, end - begin);
    if (entry.size() > key.size() && entry.starts_with(key) && entry[key.size()] == '=') {
      return EntrySpan{begin, begin + key.size() + 1, end};
    }
    begin = end + 1;
  }
  return std::nullopt;
}

}  // namespace

std::string GetSettingValue(std::string_view text, std::string_view key) {
  const auto span = FindEntry(text, key);
  if (!span) return {};
  return std::string(text.substr(span->valueBegin, span->end - span->valueBegin));
}

bool HasSettingKey(std::string_view text, std::string_view key) {
  return FindEntry(text, key).has_value();
}

bool ReplaceSettingEntry(std::string& text, std::string_view key, std::string_view entry) {
  const auto span = FindEntry(text, key);
  if (!span) return false;
  const std::size_t newLength = text.size() - (span->end - span->begin) + entry.size();
  if (newLength > kMaxSettingsLength) return false;
  text.replace(span->begin, span->end - span->begin, entry);
  return true;
}

bool ReplaceSettingValue(std::string& text, std::string_view key, std::string_view value) {
  std::string entry(key);
  entry += '=';
  entry += value;
  return ReplaceSettingEntry(text, key, entry);
}

std::optional<std::size_t> ReplaceSettingValues(std::string& text,
                                                std::span<const SettingValue> values) {
  std::string edited = text;
  std::optional<std::size_t> overflow;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const auto span = FindEntry(edited, values[i].key);
    if (!span) continue;
    // On the copy a step may pass the limit; a later, shorter value can bring it back.
    edited.replace(span->valueBegin, span->end - span->valueBegin, values[i].value);
    if (!overflow && edited.size() > kMaxSettingsLength) overflow = i;
  }
  if (overflow && edited.size() > kMaxSettingsLength) return overflow;
  text = std::move(edited);
  return std::nullopt;
}

}  // namespace tamberlyx
