#include "device/restart_schedule.h"

namespace tamberlyx::device {

void RestartSchedule::Begin(std::size_t member, NetworkMove move, Clock::time_point back) {
  m_restarting.insert(member);
  m_due.Add(back, Restart{member, move});
}

std::vector<RestartSchedule::Restart> RestartSchedule::TakeDue(Clock::time_point now) {
  std::vector<Restart> due = m_due.TakeDue(now);
  for (const Restart& restart : due) m_restarting.erase(restart.member);
  return due;
}

}  // namespace tamberlyx::device
