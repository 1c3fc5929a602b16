#include "cli/exchange/read_back.h"

#include "cli/exchange/entry_match.h"
#include "protocol/settings_text.h"

namespace tamberlyx::cli {

ReadBack::ReadBack(CliContext& context, std::chrono::seconds wait)
    : m_context(context), m_wait(wait), m_discovery(context) {}

ReadBack::~ReadBack() {
  if (m_pausing) m_context.timer.Stop();
}

void ReadBack::Await(ReadBackTarget target, Done done) {
  if (m_searching) m_discovery.Search().AwaitAlso(target.device);
  m_pending.push_back({std::move(target), m_context.timer.Now() + m_wait, std::move(done)});
  if (!m_searching && !m_pausing) SearchWhenDue();
}

void ReadBack::SearchWhenDue() {
  if (m_context.timer.Now() >= m_nextSearch) return Search();
  // The search's own timer is idle between windows.
  m_pausing = true;
  m_context.timer.Start(m_context.tickPeriodMs, [this] { OnPause(); });
}

void ReadBack::OnPause() {
  if (m_context.timer.Now() < m_nextSearch) return;
  m_context.timer.Stop();
  m_pausing = false;
  Search();
}

void ReadBack::Search() {
  m_searching = true;
  std::vector<FollowTarget> awaited;
  for (const Pending& pending : m_pending) awaited.push_back(pending.target.device);
  m_discovery.Search().Await(awaited);
  const int windowMs = (DiscoveryExchange().tickLimit + 1) * m_context.tickPeriodMs;
  m_nextSearch = m_context.timer.Now() + std::chrono::milliseconds(windowMs);
  m_discovery.Run([this](const DiscoveryResult& result) { OnSearched(result.listened); });
}

void ReadBack::OnSearched(bool listened) {
  m_searching = false;
  // Once a window, not once a device; a search that could not listen found nothing.
  if (listened) {
    m_found.Rebuild(m_discovery.Devices().Records());
  } else {
    m_found.Clear();
  }
  const auto now = m_context.timer.Now();
  // Decided devices are told after the next search is under way (the list is read first): their
  // handlers may await more devices, which that search then serves.
  std::vector<std::pair<Done, ReadBackOutcome>> decided;
  for (auto it = m_pending.begin(); it != m_pending.end();) {
    if (std::optional<ReadBackOutcome> outcome = Decide(*it, now)) {
      decided.emplace_back(std::move(it->done), std::move(*outcome));
      it = m_pending.erase(it);
    } else {
      ++it;
    }
  }
  if (!m_pending.empty()) SearchWhenDue();
  for (const auto& [done, outcome] : decided) done(outcome);
}

std::optional<ReadBackOutcome> ReadBack::Decide(const Pending& pending,
                                                ExchangeTimer::Clock::time_point now) {
  const DeviceRecord* record = m_found.Find(pending.target.device);
  const std::string difference = Difference(pending.target, record);
  if (record && difference.empty()) return ReadBackOutcome{true, record->address, {}};
  if (now < pending.deadline) return std::nullopt;
  if (record) return ReadBackOutcome{false, {}, difference};
  return ReadBackOutcome{
      false, {}, "did not answer again within " + std::to_string(m_wait.count()) + " s"};
}

// "" when `record` holds every entry; otherwise the first that differs.
std::string ReadBack::Difference(const ReadBackTarget& target, const DeviceRecord* record) {
  if (!record) return "not found";
  if (!AnswersWhereExpected(target.device, *record)) {
    return "answered at " + record->address + ", not at " + target.device.movedTo;
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
