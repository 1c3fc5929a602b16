#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tamberlyx {

// One IPv4 address of a network interface of this host (or network namespace).
struct InterfaceAddress {
  std::string interfaceName;
  std::uint32_t address = 0;  // host byte order
  std::uint32_t netmask = 0;
  bool loopback = false;
  bool up = false;
  bool broadcast = false;  // the interface can send a link-layer broadcast
};

// Every interface's IPv4 addresses, in the system's order.
std::vector<InterfaceAddress> InterfaceIpv4Addresses();

// The first address not on a loopback interface; 127.0.0.1 when there is none.
std::uint32_t FirstNonLoopbackAddress(const std::vector<InterfaceAddress>& addresses);

}  // namespace tamberlyx
