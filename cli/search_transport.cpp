#include "cli/search_transport.h"

namespace tamberlyx::cli {

SearchTransport::SearchTransport(Transport& inner, InterfaceNetwork* interfaces,
                                 SearchOptions options)
    : m_inner(inner), m_interfaces(interfaces), m_options(std::move(options)) {}

bool SearchTransport::Send(std::string_view datagram, std::string_view destination,
                           bool broadcast) {
  m_routes.clear();
  bool sent = m_options.everyInterface && m_interfaces
                  ? SendEveryInterface(datagram, destination)
                  : SendRouted(datagram, destination, broadcast);
  // Broadcasting on, so that an address may also name a remote segment's broadcast.
  for (const std::string& address : m_options.addresses) {
    sent = SendRouted(datagram, address, true) || sent;
  }
  return sent;
}

bool SearchTransport::SendEveryInterface(std::string_view datagram, std::string_view destination) {
  const std::vector<LocalInterface> interfaces = m_interfaces->BroadcastInterfaces();
  // Never narrower than the plain search: without a usable interface the routes decide.
  if (interfaces.empty()) return SendRouted(datagram, destination, true);
  bool sent = false;
  for (const LocalInterface& via : interfaces) {
    const bool ok = m_interfaces->SendVia(via, datagram, destination);
    m_routes.push_back({std::string(destination), via.name, via.address, ok});
    sent = sent || ok;
  }
  return sent;
}

bool SearchTransport::SendRouted(std::string_view datagram, std::string_view destination,
                                 bool broadcast) {
  const bool ok = m_inner.Send(datagram, destination, broadcast);
  m_routes.push_back({std::string(destination), InterfaceTowards(destination), {}, ok});
  return ok;
}

ListenResult SearchTransport::Listen(ReadyCallback onReady) {
  return m_inner.Listen(std::move(onReady));
}

std::vector<std::string> SearchTransport::OwnAddresses() {
  return m_inner.OwnAddresses();
}

std::string SearchTransport::InterfaceTowards(std::string_view address) const {
  return m_interfaces ? m_interfaces->InterfaceTowards(address) : std::string();
}

CliContext WithTransport(const CliContext& context, Transport& transport) {
  return {transport,        context.timer,        context.out,       context.err,
          context.progress, context.tickPeriodMs, context.interfaces};
}

}  // namespace tamberlyx::cli
