#pragma once

#include <cstddef>
#include <optional>
#include <unordered_set>
#include <vector>

#include "device/due_schedule.h"
#include "device/network_move.h"

namespace tamberlyx::device {

// Devices of a fleet between the SETOK of a move and their return at the new place.
class RestartSchedule {
 public:
  struct Restart {
    std::size_t member;
    NetworkMove move;
  };

  void Begin(std::size_t member, NetworkMove move, Clock::time_point back);
  // A restarting device answers nothing.
  bool IsRestarting(std::size_t member) const { return m_restarting.contains(member); }
  // The restarts over at `now`; their devices answer again.
  std::vector<Restart> TakeDue(Clock::time_point now);
  std::optional<int> MillisecondsUntilNext(Clock::time_point now) const {
    return m_due.MillisecondsUntilNext(now);
  }

 private:
  DueSchedule<Restart> m_due;
  std::unordered_set<std::size_t> m_restarting;
};

}  // namespace tamberlyx::device
