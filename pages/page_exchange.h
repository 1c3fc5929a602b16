#pragma once

#include <memory>

#include "protocol/exchange.h"
#include "protocol/search_transport.h"

namespace tamberlyx {

struct Services;

// The exchange of one window, with the transport and the timer the run's services make for it.
// Requests leave through the run's interfaces as a widened search would send them. Declared in
// this order so that the exchange goes (timer stopped, socket closed) before them.
class PageExchange {
 public:
  PageExchange(const ExchangeKind& kind, const Services& services, ExchangeOwner& owner);

  Exchange& operator*() { return m_exchange; }
  Exchange* operator->() { return &m_exchange; }
  // Where the last request went; also the way to ask about CLIENT_PORT.
  SearchTransport& Search() { return m_search; }

 private:
  std::unique_ptr<Transport> m_transport;
  SearchTransport m_search;
  std::unique_ptr<ExchangeTimer> m_timer;
  Exchange m_exchange;
};

}  // namespace tamberlyx
