#pragma once

#include <string>
#include <vector>

namespace tamberlyx {

// The addresses a reply may name as this PC: the first IPv4 address the host name resolves to,
// then every IPv4 address of the PC's interfaces, without repeats. Looked up anew on each call.
std::vector<std::string> OwnIpv4Addresses();

}  // namespace tamberlyx
