#include "cli/apply/apply_plan.h"

#include <string_view>
#include <unordered_map>
#include <variant>

#include "cli/apply_file/address_moves.h"
#include "cli/exchange/entry_match.h"
#include "cli/output/address_findings.h"
#include "cli/output/printable_text.h"
#include "operations/address_surroundings.h"
#include "operations/follow_target.h"
#include "protocol/ipv4_text.h"
#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"

namespace tamberlyx::cli {
namespace {

// A device named by MAC or by address, as a search finds it.
FollowTarget SearchTarget(const FileDevice& device) {
  if (device.naming == DeviceNaming::kMac) return {device.identifier, {}, {}};
  return {{}, {device.identifier}, {}};
}

// A name is a key of its own: no MAC or address key starts so.
std::string NameKey(std::string_view name) {
  return "name " + std::string(name);
}

// Each record under every key it can be named by, built once: a thousand devices of the file
// are each looked up among a thousand records.
using RecordsByKey = std::unordered_map<std::string, std::vector<std::size_t>>;

RecordsByKey IndexRecords(const std::vector<DeviceRecord>& records) {
  RecordsByKey index;
  for (std::size_t i = 0; i < records.size(); ++i) {
    for (std::string& key : RecordKeys(records[i])) index[std::move(key)].push_back(i);
    index[NameKey(GetSettingValue(records[i].settingsText, kKeyHostName))].push_back(i);
  }
  return index;
}

// The index of the one record that is `device`, or an error.
std::variant<std::size_t, std::string> Locate(const FileDevice& device, const RecordsByKey& index) {
  const std::string key = device.naming == DeviceNaming::kName  ? NameKey(device.identifier)
                          : device.naming == DeviceNaming::kMac ? KeyOfMac(device.identifier)
                                                                : KeyOfAddress(device.identifier);
  const auto found = index.find(key);
  if (found == index.end()) return std::string("not found");
  if (found->second.size() > 1) {
    return std::to_string(found->second.size()) + " devices answered to " + DeviceLabel(device);
  }
  return found->second.front();
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
  planned.buffers = std::make_unique<SharedBuffers>(
      SharedBuffers{record.settingsText, record.settingsText, record.address, {}});
  const std::string refused =
      EditForSave(planned.buffers->newSettings, FileEntries(*planned.file), korean);
  if (!refused.empty()) {
    plan.refusals.push_back({planned.file->at, DeviceLabel(*planned.file) + ": " + refused});
    return;
  }
  planned.result = planned.changes.empty() ? ApplyResult::kUnchanged : ApplyResult::kChanged;
}

void FailRepeats(Plan& plan) {
  std::unordered_map<std::string, const PlannedDevice*> first;
  for (PlannedDevice& device : plan.devices) {
    if (device.address.empty()) continue;
    const auto [earlier, fresh] = first.emplace(device.address, &device);
    if (fresh) continue;
    device.result = ApplyResult::kFailed;
    device.error = "the same device as " + DeviceLabel(*earlier->second->file);
    device.changes.clear();
  }
}

// The fixed address a device ends at. One whose fixed address the file leaves alone stays where
// it answered, whatever its settings say.
std::optional<std::uint32_t> FixedTarget(const PlannedDevice& device, std::uint32_t from) {
  const std::optional<FixedAddressPlan> next = FixedAddressIn(device.buffers->newSettings);
  if (!next) return std::nullopt;
  const std::optional<FixedAddressPlan> now = FixedAddressIn(device.buffers->currentSettings);
  return now && now->address == next->address ? from : next->address;
}

// Each device that answered, as a move from where it answered to the fixed address it is given.
void OrderMoves(Plan& plan) {
  std::vector<EntryMove> moves;
  std::vector<std::size_t> deviceOf;
  for (std::size_t i = 0; i < plan.devices.size(); ++i) {
    const PlannedDevice& device = plan.devices[i];
    const std::optional<std::uint32_t> from = ParseIpv4(device.address);
    if (device.result == ApplyResult::kFailed || !from) continue;
    moves.push_back(
        {{*from, FixedTarget(device, *from)}, DeviceLabel(*device.file), AddressAt(*device.file)});
    deviceOf.push_back(i);
  }
  const SaveOrder order = OrderEntries(moves);
  for (FileError& refusal : MoveRefusals(moves, order)) plan.refusals.push_back(std::move(refusal));
  std::unordered_map<std::uint32_t, std::size_t> leaving;
  for (std::size_t k = 0; k < moves.size(); ++k) {
    if (moves[k].move.to && *moves[k].move.to != moves[k].move.from) {
      leaving[moves[k].move.from] = deviceOf[k];
    }
  }
  for (const std::size_t k : order.order) {
    PlannedDevice& device = plan.devices[deviceOf[k]];
    if (device.result == ApplyResult::kChanged) plan.saveOrder.push_back(deviceOf[k]);
    const auto holder = moves[k].move.to ? leaving.find(*moves[k].move.to) : leaving.end();
    if (holder != leaving.end() && holder->second != deviceOf[k]) device.holder = holder->second;
  }
}

}  // namespace

Plan MakePlan(const ApplyFile& file, const std::vector<DeviceRecord>& records, bool korean) {
  Plan plan;
  // Grown one by one, a plan of a large file would need its size twice over while it moves.
  plan.devices.reserve(file.devices.size());
  const RecordsByKey index = IndexRecords(records);
  for (const FileDevice& device : file.devices) {
    PlannedDevice planned;
    planned.file = &device;
    const auto located = Locate(device, index);
    if (const auto* error = std::get_if<std::string>(&located)) {
      planned.error = *error;
    } else {
      PlanFound(planned, records[std::get<std::size_t>(located)], korean, plan);
    }
    plan.devices.push_back(std::move(planned));
  }
  FailRepeats(plan);
  OrderMoves(plan);
  return plan;
}

void HoldBackAddresses(Plan& plan) {
  for (PlannedDevice& device : plan.devices) {
    if (device.result != ApplyResult::kChanged || device.review.findings.empty()) continue;
    device.result = ApplyResult::kFailed;
    device.addressHeld = true;
    device.error = "its new address would not work (--force saves anyway)";
  }
  // Holders come first in the order, so a chain fails whole.
  for (const std::size_t index : plan.saveOrder) {
    PlannedDevice& device = plan.devices[index];
    if (device.holder && plan.devices[*device.holder].result == ApplyResult::kFailed) {
      FailBehind(device, plan.devices[*device.holder]);
    }
  }
}

void FailBehind(PlannedDevice& device, const PlannedDevice& holder) {
  device.result = ApplyResult::kFailed;
  device.addressHeld = holder.addressHeld;
  device.error = DeviceLabel(*holder.file) + " was not saved and still holds " + holder.address;
}

std::vector<FollowTarget> SearchAwaits(const ApplyFile& file) {
  std::vector<FollowTarget> awaited;
  awaited.reserve(file.devices.size());
  for (const FileDevice& device : file.devices) {
    if (device.naming == DeviceNaming::kName) return {};
    awaited.push_back(SearchTarget(device));
  }
  return awaited;
}

const std::string& ReportedMac(const PlannedDevice& device) {
  const bool fileNamesIt = device.mac.empty() && device.file->naming == DeviceNaming::kMac;
  return fileNamesIt ? device.file->identifier : device.mac;
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
    }
    // A device held back for its address still shows what it would have been given.
    for (const SettingChange& change : device.changes) {
      text += "- " + PrintableText(change.key + "=" + change.oldValue) + "\n";
      text += "+ " + PrintableText(change.key + "=" + change.newValue) + "\n";
    }
    if (device.review.plan) text += FindingLines(device.review.findings, *device.review.plan, "! ");
  }
  return text;
}

}  // namespace tamberlyx::cli
