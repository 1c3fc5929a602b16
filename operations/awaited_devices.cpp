#include "operations/awaited_devices.h"

namespace tamberlyx {

void AwaitedDevices::Replace(const std::vector<FollowTarget>& targets) {
  m_byKey.clear();
  m_answered.clear();
  m_unanswered = 0;
  for (const FollowTarget& target : targets) Add(target);
}

void AwaitedDevices::Add(const FollowTarget& target) {
  const std::size_t index = m_answered.size();
  bool answered = false;
  for (std::string& key : TargetKeys(target)) {
    answered = answered || m_seen.contains(key);
    m_byKey[std::move(key)].push_back(index);
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
    const auto awaiting = m_byKey.find(key);
    if (!m_seen.insert(std::move(key)).second || awaiting == m_byKey.end()) continue;
    for (const std::size_t index : awaiting->second) {
      if (m_answered[index]) continue;
      m_answered[index] = true;
      --m_unanswered;
    }
  }
}

}  // namespace tamberlyx
