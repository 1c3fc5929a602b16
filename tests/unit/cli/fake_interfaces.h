#pragma once

#include <string>
#include <vector>

#include "platform/fakenet/fake_network.h"
#include "protocol/interface_network.h"

namespace tamberlyx::cli {

// The in-process PC's interfaces. Each reaches the addresses that start with its prefix; a
// send through one goes onto the fake network as a broadcast, where every device hears it.
class FakeInterfaces : public InterfaceNetwork {
 public:
  struct Sent {
    std::string interfaceName;
    std::string bytes;
    std::string destination;
    bool operator==(const Sent&) const = default;
  };

  explicit FakeInterfaces(FakeNetwork& network) : m_network(network) {}
  void Add(LocalInterface local, std::string prefix);
  void FailSendsVia(std::string name) { m_failing = std::move(name); }
  const std::vector<Sent>& SentVia() const { return m_sent; }

  std::vector<LocalInterface> BroadcastInterfaces() override;
  bool SendVia(const LocalInterface& via, std::string_view datagram,
               std::string_view destination) override;
  // The limited broadcast leaves by the first interface, as a default route would take it.
  std::string InterfaceTowards(std::string_view address) override;

 private:
  FakeNetwork& m_network;
  std::vector<std::pair<LocalInterface, std::string>> m_interfaces;
  std::string m_failing;
  std::vector<Sent> m_sent;
};

}  // namespace tamberlyx::cli
