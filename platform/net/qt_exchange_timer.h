#pragma once

#include <QTimer>

#include "protocol/exchange_timer.h"

namespace tamberlyx {

// The window timer of an exchange, on the Qt event loop of the calling thread.
class QtExchangeTimer : public ExchangeTimer {
 public:
  QtExchangeTimer();
  void Start(int periodMs, std::function<void()> onTick) override;
  void Stop() override;
  bool Active() const { return m_timer.isActive(); }

 private:
  QTimer m_timer;
  QMetaObject::Connection m_tick;
};

}  // namespace tamberlyx
