#include "platform/fakenet/fake_interface_network.h"

#include "protocol/constants.h"

namespace tamberlyx {

FakeInterfaceNetwork::FakeInterfaceNetwork(FakeNetwork& network,
                                           std::vector<LocalInterface> interfaces)
    : m_network(network), m_interfaces(std::move(interfaces)) {}

// Recorded as the plain send of the same datagram would be, so the wire looks the same.
bool FakeInterfaceNetwork::SendVia(const LocalInterface& via, std::string_view datagram,
                                   std::string_view destination) {
  (void)via;  // every interface reaches every device
  return m_network.Send(datagram, destination, destination == kBroadcastAddress);
}

std::string FakeInterfaceNetwork::InterfaceTowards(std::string_view address) {
  (void)address;
  return m_interfaces.empty() ? std::string() : m_interfaces.front().name;
}

}  // namespace tamberlyx
