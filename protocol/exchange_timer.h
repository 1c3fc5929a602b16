#pragma once

#include <functional>

namespace tamberlyx {

// The window timer of an exchange.
class ExchangeTimer {
 public:
  virtual ~ExchangeTimer() = default;
  virtual void Start(int periodMs, std::function<void()> onTick) = 0;
  virtual void Stop() = 0;
};

}  // namespace tamberlyx
