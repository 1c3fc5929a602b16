#pragma once

#include <cstdint>
#include <vector>

namespace tamberlyx::device {

struct LocalAddress {
  std::uint32_t address;  // host byte order
  bool loopback;
};

// The IPv4 addresses of this namespace's interfaces, in the system's order.
std::vector<LocalAddress> LocalIpv4Addresses();

// The first address not on a loopback interface; 127.0.0.1 when there is none.
std::uint32_t FirstNonLoopbackAddress(const std::vector<LocalAddress>& addresses);

}  // namespace tamberlyx::device
