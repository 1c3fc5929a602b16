#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/net/socket_fd.h"
#include "protocol/transport.h"

namespace tamberlyx {

struct PortGroup {
  std::vector<SocketFd> sockets;  // those created, also when binding failed
  ListenError error = ListenError::kNone;
};

// Blocking UDP sockets that share `port` on every address (SO_REUSEPORT). The kernel spreads
// unicast datagrams over them by their source and caps each one's queue at net.core.rmem_max
// on its own, so together they hold a burst `size` times larger than one socket could. Fewer
// where the system refuses to share a port, at least one unless the error says otherwise.
//
// Refuses a port that any socket holds already, as a single socket's bind would: without that,
// a second group of the same user would join the first and take half of its answers.
PortGroup BindPortGroup(std::uint16_t port, std::size_t size);

// Close-on-exec, so a program started meanwhile (a browser) never inherits it.
SocketFd OpenDatagramSocket();

}  // namespace tamberlyx
