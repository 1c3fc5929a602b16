#include "cli/exchange/read_back.h"

#include <algorithm>

#include "cli/exchange/entry_match.h"
#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"

namespace tamberlyx::cli {
ReadBackTarget TargetAfterSave(const SharedBuffers& buffers) {
  ReadBackTarget target{
      GetSettingValue(buffers.currentSettings, kKeyMac), {buffers.selectedDeviceIp}, {}, {}};
  const std::string moved = GetSettingValue(buffers.newSettings, kKeyIpAddress);
  if (moved.empty() || moved == buffers.selectedDeviceIp) return target;
  target.addresses.push_back(moved);
  // On DHCP the entry is only what the device last had; on a fixed address it is where it goes.
  if (GetSettingValue(buffers.newSettings, kKeyBootProto) != kBootProtoDhcp) target.movedTo = moved;
  return target;
}

ReadBack::ReadBack(CliContext& context, std::chrono::seconds wait)
    : m_context(context), m_wait(wait), m_discovery(context) {}

void ReadBack::Await(ReadBackTarget target, Done done) {
  m_pending.push_back({std::move(target), m_context.timer.Now() + m_wait, std::move(done)});
  if (!m_searching) Search();
}

void ReadBack::Search() {
  m_searching = true;
  m_discovery.Run([this](const DiscoveryResult& result) { OnSearched(result.listened); });
}

void ReadBack::OnSearched(bool listened) {
  m_searching = false;
  Index(listened);
  const auto now = m_context.timer.Now();
  // Decided devices are told after the next window has started (the list is read first): their
  // handlers may await more devices, which that window then serves.
  std::vector<std::pair<Done, ReadBackOutcome>> decided;
  for (auto it = m_pending.begin(); it != m_pending.end();) {
    if (std::optional<ReadBackOutcome> outcome = Decide(*it, now)) {
      decided.emplace_back(std::move(it->done), std::move(*outcome));
      it = m_pending.erase(it);
    } else {
      ++it;
    }
  }
  if (!m_pending.empty()) Search();
  for (const auto& [done, outcome] : decided) done(outcome);
}

std::optional<ReadBackOutcome> ReadBack::Decide(const Pending& pending,
                                                ExchangeTimer::Clock::time_point now) {
  const DeviceRecord* record = Find(pending.target);
  const std::string difference = Difference(pending.target, record);
  if (record && difference.empty()) return ReadBackOutcome{true, record->address, {}};
  if (now < pending.deadline) return std::nullopt;
  if (record) return ReadBackOutcome{false, {}, difference};
  return ReadBackOutcome{
      false, {}, "did not answer again within " + std::to_string(m_wait.count()) + " s"};
}

// Once a window, not once a device: a thousand devices awaited in a window of a thousand answers.
void ReadBack::Index(bool listened) {
  m_byMac.clear();
  m_byAddress.clear();
  if (!listened) return;  // the list is still the last window's
  for (const DeviceRecord& record : m_discovery.Devices().Records()) {
    m_byMac.emplace(MacKey(GetSettingValue(record.settingsText, kKeyMac)), &record);
    m_byAddress.emplace(record.address, &record);
  }
}

const DeviceRecord* ReadBack::Find(const ReadBackTarget& target) const {
  if (!target.mac.empty()) {
    const auto found = m_byMac.find(MacKey(target.mac));
    return found == m_byMac.end() ? nullptr : found->second;
  }
  for (const std::string& address : target.addresses) {
    if (const auto found = m_byAddress.find(address); found != m_byAddress.end()) {
      return found->second;
    }
  }
  return nullptr;
}

// "" when `record` holds every entry; otherwise the first that differs.
std::string ReadBack::Difference(const ReadBackTarget& target, const DeviceRecord* record) {
  if (!record) return "not found";
  // Still at the old address with the new settings: it has not restarted there yet.
  if (!target.movedTo.empty() && record->address != target.movedTo) {
    return "answered at " + record->address + ", not at " + target.movedTo;
  }
  const auto tolerance = kClockTolerance + m_wait;
  for (const SettingAssignment& entry : target.entries) {
    const std::string reported = GetSettingValue(record->settingsText, entry.key);
    if (!HoldsValue(entry.key, reported, entry.value, tolerance)) {
      return "answered at " + record->address + " with " + entry.key + "=" + reported + ", not " +
             entry.value;
    }
  }
  return {};
}

}  // namespace tamberlyx::cli
