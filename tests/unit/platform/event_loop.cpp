#include "event_loop.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace tamberlyx::testing {

bool RunUntil(const std::function<bool()>& done, int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs, Qt::PreciseTimer);
  QTimer wake;  // bounds each wait, so the deadline is seen
  wake.start(5);
  while (!done() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  return done();
}

void RunFor(int ms) {
  RunUntil([] { return false; }, ms);
}

}  // namespace tamberlyx::testing
