#pragma once

#include <cstdint>

#include "protocol/constants.h"
#include "protocol/transport.h"

namespace tamberlyx {

// Datagrams over POSIX sockets; readiness arrives on the Qt event loop of the calling thread.
// The ports differ from DEVICE_PORT and CLIENT_PORT only in tests.
class UdpTransport : public Transport {
 public:
  explicit UdpTransport(std::uint16_t devicePort = DEVICE_PORT,
                        std::uint16_t clientPort = CLIENT_PORT);

  bool Send(std::string_view datagram, std::string_view destination, bool broadcast) override;
  ListenResult Listen(ReadyCallback onReady) override;
  std::vector<std::string> OwnAddresses() override;

 private:
  std::uint16_t m_devicePort;
  std::uint16_t m_clientPort;
};

}  // namespace tamberlyx
