#include "protocol/search_transport.h"

#include <algorithm>

#include "protocol/constants.h"
#include "protocol/events.h"

namespace tamberlyx {

SearchTransport::SearchTransport(Transport& inner, InterfaceNetwork* interfaces,
                                 SearchOptions options)
    : m_inner(inner), m_interfaces(interfaces), m_options(std::move(options)) {}

bool SearchTransport::Send(std::string_view datagram, std::string_view destination,
                           bool broadcast) {
  m_routes.clear();
  if (!broadcast) return SendToDevice(datagram, destination);
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
  for (const SkippedInterface& skipped : m_interfaces->SkippedInterfaces()) {
    ReportEvent({.kind = EventKind::kInterfaceSkipped,
                 .interfaceName = skipped.name,
                 .detail = skipped.reason});
  }
  const std::vector<LocalInterface> interfaces = m_interfaces->BroadcastInterfaces();
  // Never narrower than the plain search: without a usable interface the routes decide.
  if (interfaces.empty()) return SendRouted(datagram, destination, true);
  bool sent = false;
  for (const LocalInterface& via : interfaces) {
    const bool ok = m_interfaces->SendVia(via, datagram, destination);
    Record(datagram, {std::string(destination), via.name, via.address, ok});
    sent = sent || ok;
  }
  return sent;
}

// The same datagram and addresses as the routed send; only the way out is pinned, so it
// cannot leave through another interface than the one the answer came in on.
bool SearchTransport::SendToDevice(std::string_view datagram, std::string_view destination) {
  const std::optional<LocalInterface> via = DeviceInterface(destination);
  if (!via) return SendRouted(datagram, destination, false);
  const bool ok = m_interfaces->SendVia(*via, datagram, destination);
  Record(datagram, {std::string(destination), via->name, via->address, ok});
  return ok;
}

bool SearchTransport::SendRouted(std::string_view datagram, std::string_view destination,
                                 bool broadcast) {
  const bool ok = m_inner.Send(datagram, destination, broadcast);
  Record(datagram, {std::string(destination), InterfaceTowards(destination), {}, ok});
  return ok;
}

// Only an interface the search itself went out of: anything else is left to the routes.
std::optional<LocalInterface> SearchTransport::DeviceInterface(std::string_view address) const {
  if (!m_options.everyInterface || !m_interfaces) return std::nullopt;
  const std::string name = InterfaceTowards(address);
  if (name.empty()) return std::nullopt;
  const std::vector<LocalInterface> interfaces = m_interfaces->BroadcastInterfaces();
  const auto found = std::ranges::find(interfaces, name, &LocalInterface::name);
  if (found == interfaces.end()) return std::nullopt;
  return *found;
}

void SearchTransport::Record(std::string_view datagram, SearchRoute route) {
  if (EventsWanted()) {
    ReportEvent(DatagramEvent(route.sent ? EventKind::kSent : EventKind::kSendFailed, datagram,
                              route.destination, DEVICE_PORT, route.interfaceName));
  }
  m_routes.push_back(std::move(route));
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

}  // namespace tamberlyx
