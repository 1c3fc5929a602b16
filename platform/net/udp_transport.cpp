#include "platform/net/udp_transport.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <optional>
#include <string>

#include "platform/net/own_addresses.h"
#include "platform/net/port_group.h"
#include "platform/net/udp_listener.h"
#include "protocol/ipv4_text.h"

namespace tamberlyx {
namespace {

// Enough for a burst of several thousand answers on a stock net.core.rmem_max.
constexpr std::size_t kListeningSockets = 4;

}  // namespace

UdpTransport::UdpTransport(std::uint16_t devicePort, std::uint16_t clientPort)
    : m_devicePort(devicePort), m_clientPort(clientPort) {}

bool UdpTransport::Send(std::string_view datagram, std::string_view destination, bool broadcast) {
  sockaddr_in target{};
  target.sin_family = AF_INET;
  target.sin_port = htons(m_devicePort);
  const std::optional<std::uint32_t> address = ParseIpv4(destination);
  if (!address) return false;
  target.sin_addr.s_addr = htonl(*address);
  const SocketFd socket = OpenDatagramSocket();
  if (!socket.Valid()) return false;
  const int on = 1;
  if (broadcast && ::setsockopt(socket.Get(), SOL_SOCKET, SO_BROADCAST, &on, sizeof on) != 0)
    return false;
  const ssize_t sent = ::sendto(socket.Get(), datagram.data(), datagram.size(), 0,
                                reinterpret_cast<const sockaddr*>(&target), sizeof target);
  return sent == static_cast<ssize_t>(datagram.size());
}

ListenResult UdpTransport::Listen(ReadyCallback onReady) {
  PortGroup group = BindPortGroup(m_clientPort, kListeningSockets);
  if (group.sockets.empty()) return {nullptr, ListenError::kCreate};
  auto listener = std::make_unique<UdpListener>(std::move(group.sockets));
  if (group.error != ListenError::kNone) return {std::move(listener), group.error};
  if (!listener->Watch(std::move(onReady))) return {std::move(listener), ListenError::kSelect};
  return {std::move(listener), ListenError::kNone};
}

std::vector<std::string> UdpTransport::OwnAddresses() {
  return OwnIpv4Addresses();
}

}  // namespace tamberlyx
