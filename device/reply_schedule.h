#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tamberlyx::device {

using Clock = std::chrono::steady_clock;

// A reply ready to go out: bytes plus where from and where to (host byte order).
struct PendingSend {
  std::string bytes;
  std::uint32_t source = 0;  // 0: the system chooses
  std::uint32_t destination = 0;
  std::uint16_t port = 0;
};

// Replies held back by a delay, in due order; the poll loop sleeps until the next is due.
class ReplySchedule {
 public:
  void Add(Clock::time_point due, PendingSend send);
  // Removes and returns every send due at `now`, earliest first (same due time: added order).
  std::vector<PendingSend> TakeDue(Clock::time_point now);
  // Milliseconds until the next send is due (0 if overdue); nullopt when nothing waits.
  std::optional<int> MillisecondsUntilNext(Clock::time_point now) const;
  bool Empty() const { return m_pending.empty(); }

 private:
  std::multimap<Clock::time_point, PendingSend> m_pending;
};

}  // namespace tamberlyx::device
