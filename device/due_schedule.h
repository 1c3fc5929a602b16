#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <vector>

namespace tamberlyx::device {

using Clock = std::chrono::steady_clock;

// Milliseconds from `now` until `due`, rounded up (0 if overdue).
int MillisecondsUntil(Clock::time_point due, Clock::time_point now);

// Items held back until a time, in due order; the poll loop sleeps until the next is due.
template <typename Item>
class DueSchedule {
 public:
  void Add(Clock::time_point due, Item item) { m_pending.emplace(due, std::move(item)); }

  // Removes and returns every item due at `now`, earliest first (same due time: added order).
  std::vector<Item> TakeDue(Clock::time_point now) {
    std::vector<Item> due;
    const auto end = m_pending.upper_bound(now);
    for (auto it = m_pending.begin(); it != end; ++it) due.push_back(std::move(it->second));
    m_pending.erase(m_pending.begin(), end);
    return due;
  }

  // nullopt when nothing waits.
  std::optional<int> MillisecondsUntilNext(Clock::time_point now) const {
    if (m_pending.empty()) return std::nullopt;
    return MillisecondsUntil(m_pending.begin()->first, now);
  }

  bool Empty() const { return m_pending.empty(); }

 private:
  std::multimap<Clock::time_point, Item> m_pending;
};

}  // namespace tamberlyx::device
