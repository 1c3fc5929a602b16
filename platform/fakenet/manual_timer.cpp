#include "platform/fakenet/manual_timer.h"

namespace tamberlyx {

void ManualTimer::Start(int periodMs, std::function<void()> onTick) {
  m_onTick = std::move(onTick);
  m_periodMs = periodMs;
  m_running = true;
}

void ManualTimer::Stop() {
  m_running = false;
  ++m_stops;
}

void ManualTimer::Fire() {
  if (!m_running) return;
  Stall(m_periodMs);
  // A copy: the tick may stop and restart this timer with a new callback.
  const std::function<void()> onTick = m_onTick;
  onTick();
}

int ManualTimer::Fire(int count) {
  int fired = 0;
  for (; fired < count && m_running; ++fired) Fire();
  return fired;
}

}  // namespace tamberlyx
