#pragma once

#include "platform/fakenet/fake_network.h"
#include "protocol/transport.h"

namespace tamberlyx {

// The PC's side of a FakeNetwork, handed to whatever runs exchanges.
class FakeTransport : public Transport {
 public:
  explicit FakeTransport(FakeNetwork& network) : m_network(network) {}

  bool Send(std::string_view datagram, std::string_view destination, bool broadcast) override {
    return m_network.Send(datagram, destination, broadcast);
  }
  ListenResult Listen(ReadyCallback onReady) override {
    return m_network.Listen(std::move(onReady));
  }
  std::vector<std::string> OwnAddresses() override { return m_network.OwnAddresses(); }

 private:
  FakeNetwork& m_network;
};

}  // namespace tamberlyx
