#pragma once

#include <memory>

#include "protocol/exchange.h"

namespace tamberlyx {

struct Services;

// The exchange of one window, with the transport and the timer the run's services make for it.
// Declared in this order so that the exchange goes (timer stopped, socket closed) before them.
class PageExchange {
 public:
  PageExchange(const ExchangeKind& kind, const Services& services, ExchangeOwner& owner);

  Exchange& operator*() { return m_exchange; }
  Exchange* operator->() { return &m_exchange; }

 private:
  std::unique_ptr<Transport> m_transport;
  std::unique_ptr<ExchangeTimer> m_timer;
  Exchange m_exchange;
};

}  // namespace tamberlyx
