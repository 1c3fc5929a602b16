#pragma once

#include <chrono>
#include <cstddef>
#include <functional>

#include "cli/exchange/exchange_step.h"
#include "operations/device_search.h"
#include "protocol/device_list.h"

namespace tamberlyx::cli {

struct DiscoveryResult {
  bool listened = false;    // CLIENT_PORT was bound for the window
  std::size_t replies = 0;  // GETOK replies that passed the header checks, repeats included
  std::chrono::milliseconds window{0};  // from the start until the end of time was handled
  ReceiveDrops drops;                   // replies lost before the exchange could read them
};

// One search: the broadcast and every GETOK that arrives within the listening window, which ends
// early once every device awaited has answered.
class Discovery {
 public:
  explicit Discovery(CliContext& context);

  void Run(std::function<void(const DiscoveryResult&)> done);
  DeviceList& Devices() { return m_devices; }
  DeviceSearch& Search() { return m_search; }

 private:
  ExchangeStep m_step;
  DeviceList m_devices;
  DeviceSearch m_search{m_devices};
  std::chrono::steady_clock::time_point m_started;
};

}  // namespace tamberlyx::cli
