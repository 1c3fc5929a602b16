#pragma once

#include <chrono>
#include <functional>

namespace tamberlyx {

// The window timer of an exchange.
class ExchangeTimer {
 public:
  using Clock = std::chrono::steady_clock;

  virtual ~ExchangeTimer() = default;
  virtual void Start(int periodMs, std::function<void()> onTick) = 0;
  virtual void Stop() = 0;
  // The monotonic clock the ticks are counted on, so that a late timer message catches up
  // instead of stretching the window.
  virtual Clock::time_point Now() const { return Clock::now(); }
};

}  // namespace tamberlyx
