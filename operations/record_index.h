#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "operations/follow_target.h"
#include "protocol/device_list.h"

namespace tamberlyx {

// The records of one search, indexed once for the many targets looked up in them (a thousand
// devices awaited in a window of a thousand answers). Points into the records it was built
// from: rebuilt for every search.
class RecordIndex {
 public:
  void Rebuild(const std::vector<DeviceRecord>& records);
  void Clear() { m_byKey.clear(); }
  // The target's record: the first with its MAC when it has one, else the first at its first
  // address that answered.
  const DeviceRecord* Find(const FollowTarget& target) const;

 private:
  std::unordered_map<std::string, const DeviceRecord*> m_byKey;
};

}  // namespace tamberlyx
