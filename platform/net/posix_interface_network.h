#pragma once

#include <cstdint>

#include "protocol/constants.h"
#include "protocol/interface_network.h"

namespace tamberlyx {

// The interfaces of this host (or network namespace) over POSIX sockets. A send names its
// interface with IP_PKTINFO, so a limited broadcast leaves through that interface even when the
// routes would take it elsewhere, and needs no privilege. The port differs from DEVICE_PORT
// only in tests.
class PosixInterfaceNetwork : public InterfaceNetwork {
 public:
  explicit PosixInterfaceNetwork(std::uint16_t devicePort = DEVICE_PORT);

  std::vector<LocalInterface> BroadcastInterfaces() override;
  std::vector<SkippedInterface> SkippedInterfaces() override;
  bool SendVia(const LocalInterface& via, std::string_view datagram,
               std::string_view destination) override;
  std::string InterfaceTowards(std::string_view address) override;
  std::vector<std::string> OwnAddresses() override;

 private:
  std::uint16_t m_devicePort;
};

}  // namespace tamberlyx
