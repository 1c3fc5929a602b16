#include "operations/awaited_devices.h"

#include <utility>

namespace tamberlyx {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

}  // namespace

void AwaitedDevices::Replace(std::vector<FollowTarget> targets) {
  // Assigned anew rather than cleared, so that a large list's memory goes with it.
  m_latestByKey = {};
  m_entries = {};
  m_answered = std::vector<bool>(targets.size(), false);
  m_unanswered = targets.size();
  m_unkeyed = std::move(targets);
  if (!m_seen.empty()) KeyWaiting();
}

void AwaitedDevices::Add(FollowTarget target) {
  m_answered.push_back(false);
  ++m_unanswered;
  m_unkeyed.push_back(std::move(target));
  if (!m_seen.empty()) KeyWaiting();
}

void AwaitedDevices::KeyWaiting() {
  std::size_t index = m_answered.size() - m_unkeyed.size();
  m_latestByKey.reserve(m_latestByKey.size() + m_unkeyed.size());
  m_entries.reserve(m_entries.size() + m_unkeyed.size());
  for (const FollowTarget& target : m_unkeyed) Key(target, index++);
  m_unkeyed = {};
}

void AwaitedDevices::Key(const FollowTarget& target, std::size_t index) {
  bool answered = false;
  for (std::string& key : TargetKeys(target)) {
    answered = answered || m_seen.contains(key);
    const auto [latest, fresh] = m_latestByKey.try_emplace(std::move(key), m_entries.size());
    m_entries.push_back({index, fresh ? kNone : latest->second});
    latest->second = m_entries.size() - 1;
  }
  if (answered) {
    m_answered[index] = true;
    --m_unanswered;
  }
}

void AwaitedDevices::Restart() {
  m_seen.clear();
  m_answered.assign(m_answered.size(), false);
  m_unanswered = m_answered.size();
}

void AwaitedDevices::Note(const DeviceRecord& record) {
  if (!m_unkeyed.empty()) KeyWaiting();
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
