#pragma once

#include <netinet/in.h>

#include <string_view>

namespace tamberlyx {

// Sends `datagram` on `socket` out of the interface `info` names (IP_PKTINFO), which needs no
// privilege. `target` may be null for a connected socket. True when all of it left.
bool SendWithPacketInfo(int socket, const sockaddr_in* target, const in_pktinfo& info,
                        std::string_view datagram);

}  // namespace tamberlyx
