#pragma once

#include <string>
#include <vector>

namespace tamberlyx {

// The addresses a reply may name as this PC: every IPv4 address of the PC's interfaces, without
// repeats, read anew on each call. The host name is never resolved: a device names the address
// our datagram came from, which is always an interface's, and a resolver could keep an exchange
// waiting on DNS and send the PC's name out onto the network.
std::vector<std::string> OwnIpv4Addresses();

}  // namespace tamberlyx
