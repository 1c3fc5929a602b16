#pragma once

#include <string>
#include <vector>

namespace tamberlyx {

// The addresses a reply may name as this PC: the first IPv4 address the host name resolves to,
// then every IPv4 address of the PC's interfaces, without repeats. Looked up anew on each call
// (about 40 microseconds with the host name in /etc/hosts), so a changed address counts at once.
std::vector<std::string> LocalIpv4Addresses();

}  // namespace tamberlyx
