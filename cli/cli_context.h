#pragma once

#include <ostream>

#include "cli/output/progress_indicator.h"
#include "operations/address_probe.h"
#include "protocol/constants.h"
#include "protocol/exchange_timer.h"
#include "protocol/interface_network.h"
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
  InterfaceNetwork* interfaces = nullptr;  // none: a search cannot leave by every interface
  AddressProbe* probe = nullptr;           // none: nobody is asked whether a new address is taken
};

// `context` with its datagrams going through `transport`.
CliContext WithTransport(const CliContext& context, Transport& transport);

}  // namespace tamberlyx::cli
