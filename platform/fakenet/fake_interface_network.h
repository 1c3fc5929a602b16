#pragma once

#include <string>
#include <vector>

#include "platform/fakenet/fake_network.h"
#include "protocol/interface_network.h"

namespace tamberlyx {

// The PC's interfaces on a FakeNetwork, for tests: each of them reaches every device of the
// network, and the route to any address leads through the first one.
class FakeInterfaceNetwork : public InterfaceNetwork {
 public:
  FakeInterfaceNetwork(FakeNetwork& network, std::vector<LocalInterface> interfaces);

  std::vector<LocalInterface> BroadcastInterfaces() override { return m_interfaces; }
  bool SendVia(const LocalInterface& via, std::string_view datagram,
               std::string_view destination) override;
  std::string InterfaceTowards(std::string_view address) override;

  void SetInterfaces(std::vector<LocalInterface> interfaces) {
    m_interfaces = std::move(interfaces);
  }

 private:
  FakeNetwork& m_network;
  std::vector<LocalInterface> m_interfaces;
};

}  // namespace tamberlyx
