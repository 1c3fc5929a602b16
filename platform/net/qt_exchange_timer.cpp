#include "platform/net/qt_exchange_timer.h"

namespace tamberlyx {

QtExchangeTimer::QtExchangeTimer() {
  // Coarse timers may stretch a 50 ms tick by 5 %, which adds up over 301 ticks.
  m_timer.setTimerType(Qt::PreciseTimer);
}

void QtExchangeTimer::Start(int periodMs, std::function<void()> onTick) {
  Stop();
  m_tick = QObject::connect(&m_timer, &QTimer::timeout, std::move(onTick));
  m_timer.start(periodMs);
}

void QtExchangeTimer::Stop() {
  m_timer.stop();
  QObject::disconnect(m_tick);
}

}  // namespace tamberlyx
