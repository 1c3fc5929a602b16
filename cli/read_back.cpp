#include "cli/read_back.h"

#include <algorithm>
#include <cctype>

#include "cli/entry_match.h"
#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"

namespace tamberlyx::cli {
namespace {

bool SameMac(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::ranges::equal(a, b, [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

ReadBackTarget TargetAfterSave(const SharedBuffers& buffers) {
  ReadBackTarget target{
      GetSettingValue(buffers.currentSettings, kKeyMac), {buffers.selectedDeviceIp}, {}};
  const std::string moved = GetSettingValue(buffers.newSettings, kKeyIpAddress);
  if (!moved.empty() && moved != buffers.selectedDeviceIp) target.addresses.push_back(moved);
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
  m_discovery.Run([this](const DiscoveryResult&) { OnSearched(); });
}

void ReadBack::OnSearched() {
  m_searching = false;
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

const DeviceRecord* ReadBack::Find(const ReadBackTarget& target) {
  for (const DeviceRecord& record : m_discovery.Devices().Records()) {
    const std::string mac = GetSettingValue(record.settingsText, kKeyMac);
    const bool found = target.mac.empty() ? std::ranges::find(target.addresses, record.address) !=
                                                target.addresses.end()
                                          : SameMac(mac, target.mac);
    if (found) return &record;
  }
  return nullptr;
}

// "" when `record` holds every entry; otherwise the first that differs.
std::string ReadBack::Difference(const ReadBackTarget& target, const DeviceRecord* record) {
  if (!record) return "not found";
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
