#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "protocol/exchange_timer.h"

namespace tamberlyx::cli {

// Many exchange timers on one: each exchange of a parallel run owns a timer of its own, while
// the event loop (or a test) drives a single one. Every timer ticks at the period of the first
// started; the exchanges count their ticks on the shared clock, so a tick's phase does not
// matter.
class TimerHub {
 public:
  explicit TimerHub(ExchangeTimer& base);
  ~TimerHub();
  TimerHub(const TimerHub&) = delete;
  TimerHub& operator=(const TimerHub&) = delete;

  // A timer that lives no longer than the hub.
  std::unique_ptr<ExchangeTimer> MakeTimer();

 private:
  class HubTimer;
  void Start(std::uint64_t id, int periodMs, std::function<void()> onTick);
  void Stop(std::uint64_t id);
  void OnTick();

  ExchangeTimer& m_base;
  std::map<std::uint64_t, std::function<void()>> m_running;
  std::uint64_t m_nextId = 1;
  bool m_baseRunning = false;
};

}  // namespace tamberlyx::cli
