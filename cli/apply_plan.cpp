#include "cli/apply_plan.h"

#include <algorithm>
#include <cctype>
#include <variant>

#include "cli/entry_match.h"
#include "cli/printable_text.h"
#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"

namespace tamberlyx::cli {
namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool Matches(const FileDevice& device, const DeviceRecord& record) {
  switch (device.naming) {
    case DeviceNaming::kMac:
      return Lower(GetSettingValue(record.settingsText, kKeyMac)) == Lower(device.identifier);
    case DeviceNaming::kAddress:
      return record.address == device.identifier;
    case DeviceNaming::kName:
      return GetSettingValue(record.settingsText, kKeyHostName) == device.identifier;
  }
  return false;
}

// The index of the one record that is `device`, or an error.
std::variant<std::size_t, std::string> Locate(const FileDevice& device,
                                              const std::vector<DeviceRecord>& records) {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (Matches(device, records[i])) found.push_back(i);
  }
  if (found.empty()) return std::string("not found");
  if (found.size() > 1) {
    return std::to_string(found.size()) + " devices answered to " + DeviceLabel(device);
  }
  return found.front();
}

std::vector<SettingAssignment> Entries(const FileDevice& device) {
  std::vector<SettingAssignment> entries;
  for (const FileSetting& setting : device.settings) entries.push_back(setting.entry);
  return entries;
}

// The entries that differ; a key the device does not report is refused, at its place.
void Compare(PlannedDevice& planned, const DeviceRecord& record, Plan& plan) {
  for (const FileSetting& setting : planned.file->settings) {
    const SettingAssignment& entry = setting.entry;
    if (!HasSettingKey(record.settingsText, entry.key)) {
      plan.refusals.push_back({setting.at, DeviceLabel(*planned.file) +
                                               " does not report the key \"" + entry.key + "\""});
      continue;
    }
    const std::string old = GetSettingValue(record.settingsText, entry.key);
    if (!HoldsValue(entry.key, old, entry.value, kClockTolerance)) {
      planned.changes.push_back({entry.key, old, entry.value});
    }
  }
}

void PlanFound(PlannedDevice& planned, const DeviceRecord& record, bool korean, Plan& plan) {
  planned.address = record.address;
  planned.nowAt = record.address;
  if (const std::string mac = GetSettingValue(record.settingsText, kKeyMac); !mac.empty()) {
    planned.mac = mac;
  }
  const std::size_t refusalsBefore = plan.refusals.size();
  Compare(planned, record, plan);
  if (plan.refusals.size() != refusalsBefore) return;
  planned.buffers = {record.settingsText, record.settingsText, record.address, {}};
  const std::string refused =
      EditForSave(planned.buffers.newSettings, Entries(*planned.file), korean);
  if (!refused.empty()) {
    plan.refusals.push_back({planned.file->at, DeviceLabel(*planned.file) + ": " + refused});
    return;
  }
  planned.result = planned.changes.empty() ? ApplyResult::kUnchanged : ApplyResult::kChanged;
}

void FailRepeats(Plan& plan) {
  for (std::size_t i = 0; i < plan.devices.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      PlannedDevice& later = plan.devices[i];
      if (later.address.empty() || later.address != plan.devices[j].address) continue;
      later.result = ApplyResult::kFailed;
      later.error = "the same device as " + DeviceLabel(*plan.devices[j].file);
      later.changes.clear();
    }
  }
}

}  // namespace

Plan MakePlan(const ApplyFile& file, const std::vector<DeviceRecord>& records, bool korean) {
  Plan plan;
  for (const FileDevice& device : file.devices) {
    PlannedDevice planned;
    planned.file = &device;
    if (device.naming == DeviceNaming::kMac) planned.mac = device.identifier;
    const auto located = Locate(device, records);
    if (const auto* error = std::get_if<std::string>(&located)) {
      planned.error = *error;
    } else {
      PlanFound(planned, records[std::get<std::size_t>(located)], korean, plan);
    }
    plan.devices.push_back(std::move(planned));
  }
  FailRepeats(plan);
  return plan;
}

std::string FormatPlan(const Plan& plan) {
  std::string text;
  for (const PlannedDevice& device : plan.devices) {
    text += PrintableText(DeviceLabel(*device.file));
    if (!device.address.empty()) text += " at " + device.address;
    if (device.result == ApplyResult::kFailed) {
      text += ": failed: " + PrintableText(device.error) + "\n";
    } else if (device.result == ApplyResult::kUnchanged) {
      text += ": unchanged\n";
    } else {
      text += ":\n";
      for (const SettingChange& change : device.changes) {
        text += "- " + PrintableText(change.key + "=" + change.oldValue) + "\n";
        text += "+ " + PrintableText(change.key + "=" + change.newValue) + "\n";
      }
    }
  }
  return text;
}

}  // namespace tamberlyx::cli
