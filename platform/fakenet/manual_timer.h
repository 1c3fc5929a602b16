#pragma once

#include "protocol/exchange_timer.h"

namespace tamberlyx {

// An exchange timer that ticks only when the test calls Fire(), on a clock of its own that
// moves only with Fire() and Stall().
class ManualTimer : public ExchangeTimer {
 public:
  void Start(int periodMs, std::function<void()> onTick) override;
  void Stop() override;
  Clock::time_point Now() const override { return m_now; }
  // One period passes and its tick is delivered; nothing is delivered while stopped.
  void Fire();
  // Time passes without a timer message, as while the event loop is busy elsewhere.
  void Stall(int ms) { m_now += std::chrono::milliseconds(ms); }
  // Up to `count` ticks, as long as the timer runs; returns how many fired.
  int Fire(int count);

  bool Running() const { return m_running; }
  int PeriodMs() const { return m_periodMs; }
  int Stops() const { return m_stops; }

 private:
  std::function<void()> m_onTick;
  Clock::time_point m_now;
  int m_periodMs = 0;
  int m_stops = 0;
  bool m_running = false;
};

}  // namespace tamberlyx
