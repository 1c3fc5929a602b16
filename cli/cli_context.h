#pragma once

#include <ostream>

#include "cli/progress_indicator.h"
#include "protocol/constants.h"
#include "protocol/exchange_timer.h"
#include "protocol/transport.h"

namespace tamberlyx::cli {

// What a command runs on: the network, the exchange timer and where its text goes.
struct CliContext {
  Transport& transport;
  ExchangeTimer& timer;
  std::ostream& out;
  std::ostream& err;
  ProgressIndicator& progress;
  int tickPeriodMs = kTickPeriodMs;
};

}  // namespace tamberlyx::cli
