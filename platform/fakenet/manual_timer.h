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

  bool Running() const { return m_running; }
  int PeriodMs() const { return m_periodMs; }

 private:
  std::function<void()> m_onTick;
  int m_periodMs = 0;
  bool m_running = false;
};

}  // namespace tamberlyx
