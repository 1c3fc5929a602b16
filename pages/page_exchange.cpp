#include "pages/page_exchange.h"

#include "pages/services.h"

namespace tamberlyx {

PageExchange::PageExchange(const ExchangeKind& kind, const Services& services, ExchangeOwner& owner)
    : m_transport(services.makeTransport()),
      m_search(*m_transport, services.interfaces, {services.interfaces != nullptr, {}}),
      m_timer(services.makeTimer()),
      m_exchange(kind, m_search, *m_timer, owner, services.tickPeriodMs) {}

}  // namespace tamberlyx
