#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "operations/follow_target.h"
#include "protocol/device_list.h"

namespace tamberlyx {

// The devices a search waits for, and whether each has a record of it yet: once all have, the
// window has nothing more to wait for. A device known only by its server name cannot be
// awaited: two may answer to one name, so such a search waits its whole window.
class AwaitedDevices {
 public:
  // Waits for `targets` instead of what it waited for, counting the records noted already.
  // Targets are keyed when the search has its first record: one that nobody answers, as a
  // file's check with no network, never spends the time.
  void Replace(std::vector<FollowTarget> targets);
  void Add(FollowTarget target);
  // A new search: no record counts any more.
  void Restart();
  void Note(const DeviceRecord& record);

  // Something is awaited and each has a record.
  bool AllAnswered() const { return !m_answered.empty() && m_unanswered == 0; }

 private:
  // Each key of each target is an entry; a key leads to its latest entry, and each entry to the
  // one before it with the same key. A file of a hundred thousand devices is awaited with one
  // allocation per key instead of a list each.
  struct Entry {
    std::size_t target;
    std::size_t next;
  };
  void KeyWaiting();
  void Key(const FollowTarget& target, std::size_t index);

  std::vector<FollowTarget> m_unkeyed;  // the last targets, still without their keys
  std::unordered_map<std::string, std::size_t> m_latestByKey;
  std::vector<Entry> m_entries;
  std::vector<bool> m_answered;
  std::size_t m_unanswered = 0;
  std::unordered_set<std::string> m_seen;  // keys of this search's records
};

}  // namespace tamberlyx
