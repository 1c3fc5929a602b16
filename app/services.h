#pragma once

#include <functional>
#include <memory>

#include "protocol/constants.h"
#include "protocol/transport.h"

namespace tamberlyx {

class MessageSink;
class SocketLayer;
class UrlOpener;

// The platform services one run of the wizard uses. The program installs the real ones; tests
// hand in fakes (a failing socket layer, the in-process network, a recording message sink,
// a short tick).
struct Services {
  SocketLayer* socketLayer = nullptr;  // the start-up check; none counts as usable
  std::function<std::unique_ptr<Transport>()> makeTransport;
  std::function<std::unique_ptr<ExchangeTimer>()> makeTimer;
  MessageSink* messageSink = nullptr;  // none: real message boxes
  UrlOpener* urlOpener = nullptr;      // none: the user's browser
  int tickPeriodMs = kTickPeriodMs;
};

}  // namespace tamberlyx
