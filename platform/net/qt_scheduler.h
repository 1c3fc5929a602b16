#pragma once

#include <QObject>

#include "platform/net/scheduler.h"

namespace tamberlyx {

// Runs the fake network's deliveries on the Qt event loop. Tasks still pending when this
// object goes are dropped.
class QtScheduler {
 public:
  Scheduler Function();

 private:
  QObject m_context;
};

}  // namespace tamberlyx
