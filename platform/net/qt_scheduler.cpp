#include "platform/net/qt_scheduler.h"

#include <QPointer>
#include <QTimer>

namespace tamberlyx {

Scheduler QtScheduler::Function() {
  return [context = QPointer<QObject>(&m_context)](int delayMs, std::function<void()> task) {
    if (context) QTimer::singleShot(delayMs, Qt::PreciseTimer, context.data(), std::move(task));
  };
}

}  // namespace tamberlyx
