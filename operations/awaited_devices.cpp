#include "operations/awaited_devices.h"

namespace tamberlyx {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

}  // namespace

void AwaitedDevices::Replace(const std::vector<FollowTarget>& targets) {
  // Assigned anew rather than cleared, so that a large list's memory goes with it.
  m_latestByKey = {};
  m_entries = {};
  m_answered = {};
  m_unanswered = 0;
  m_latestByKey.reserve(targets.size());
  m_entries.reserve(targets.size());
  m_answered.reserve(targets.size());
  for (const FollowTarget& target : targets) Add(target);
}

void AwaitedDevices::Add(const FollowTarget& target) {
  const std::size_t index = m_answered.size();
  bool answered = false;
  for (std::string& key : TargetKeys(target)) {
    answered = answered || m_seen.contains(key);
    const auto [latest, fresh] = m_latestByKey.try_emplace(std::move(key), m_entries.size());
    m_entries.push_back({index, fresh ? kNone : latest->second});
    latest->second = m_entries.size() - 1;
  }
  m_answered.push_back(answered);
  m_unanswered += answered ? 0 : 1;
}

void AwaitedDevices::Restart() {
  m_seen.clear();
  m_answered.assign(m_answered.size(), false);
  m_unanswered = m_answered.size();
}

void AwaitedDevices::Note(const DeviceRecord& record) {
  for (std::string& key : RecordKeys(record)) {
    const auto awaiting = m_latestByKey.find(key);
    if (!m_seen.insert(std::move(key)).second || awaiting == m_latestByKey.end()) continue;
    for (std::size_t entry = awaiting->second; entry != kNone; entry = m_entries[entry].next) {
      const std::size_t target = m_entries[entry].target;
      if (m_answered[target]) continue;
      m_answered[target] = true;
      --m_unanswered;
    }
  }
}

}  // namespace tamberlyx
