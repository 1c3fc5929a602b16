#include "operations/record_index.h"

namespace tamberlyx {

void RecordIndex::Rebuild(const std::vector<DeviceRecord>& records) {
  m_byKey.clear();
  for (const DeviceRecord& record : records) {
    for (std::string& key : RecordKeys(record)) m_byKey.emplace(std::move(key), &record);
  }
}

const DeviceRecord* RecordIndex::Find(const FollowTarget& target) const {
  for (const std::string& key : TargetKeys(target)) {
    if (const auto found = m_byKey.find(key); found != m_byKey.end()) return found->second;
  }
  return nullptr;
}

}  // namespace tamberlyx
