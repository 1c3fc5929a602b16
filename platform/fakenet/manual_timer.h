#pragma once

#include "protocol/exchange_timer.h"

namespace tamberlyx {

// An exchange timer that ticks only when the test calls Fire().
class ManualTimer : public ExchangeTimer {
 public:
  void Start(int periodMs, std::function<void()> onTick) override;
  void Stop() override;
  // One tick, as the window timer would deliver it; nothing while stopped.
  void Fire();
  // Up to `count` ticks, as long as the timer runs; returns how many fired.
  int Fire(int count);

  bool Running() const { return m_running; }
  int PeriodMs() const { return m_periodMs; }
  int Stops() const { return m_stops; }

 private:
  std::function<void()> m_onTick;
  int m_periodMs = 0;
  int m_stops = 0;
  bool m_running = false;
};

}  // namespace tamberlyx
