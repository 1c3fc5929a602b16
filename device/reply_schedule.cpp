#include "device/reply_schedule.h"

#include <algorithm>

namespace tamberlyx::device {

void ReplySchedule::Add(Clock::time_point due, PendingSend send) {
  m_pending.emplace(due, std::move(send));
}

std::vector<PendingSend> ReplySchedule::TakeDue(Clock::time_point now) {
  std::vector<PendingSend> due;
  const auto end = m_pending.upper_bound(now);
  for (auto it = m_pending.begin(); it != end; ++it) due.push_back(std::move(it->second));
  m_pending.erase(m_pending.begin(), end);
  return due;
}

std::optional<int> ReplySchedule::MillisecondsUntilNext(Clock::time_point now) const {
  if (m_pending.empty()) return std::nullopt;
  const auto wait = m_pending.begin()->first - now;
  // Round up so the loop does not wake just before the send is due and spin.
  const auto ms = std::chrono::ceil<std::chrono::milliseconds>(wait).count();
  return static_cast<int>(std::clamp<long long>(ms, 0, 24 * 3600 * 1000));
}

}  // namespace tamberlyx::device
