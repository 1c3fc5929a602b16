#include "platform/net/udp_transport.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <optional>
#include <string>

#include "platform/net/own_addresses.h"
#include "platform/net/socket_fd.h"
#include "platform/net/udp_listener.h"
#include "protocol/ipv4_text.h"

namespace tamberlyx {
namespace {

// As much as the system allows (net.core.rmem_max): the reader thread drains it, this only
// absorbs the moments it is not scheduled.
constexpr int kReceiveQueueBytes = 4 * 1024 * 1024;

// Close-on-exec, so a browser started while listening never inherits CLIENT_PORT.
SocketFd DatagramSocket(int flags) {
  return SocketFd(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | flags, 0));
}

bool EnableOption(int socket, int option, int value) {
  return ::setsockopt(socket, SOL_SOCKET, option, &value, sizeof value) == 0;
}

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
  const SocketFd socket = DatagramSocket(0);
  if (!socket.Valid()) return false;
  if (broadcast && !EnableOption(socket.Get(), SO_BROADCAST, 1)) return false;
  const ssize_t sent = ::sendto(socket.Get(), datagram.data(), datagram.size(), 0,
                                reinterpret_cast<const sockaddr*>(&target), sizeof target);
  return sent == static_cast<ssize_t>(datagram.size());
}

ListenResult UdpTransport::Listen(ReadyCallback onReady) {
  // Blocking: the listener's reader thread waits in its reads.
  SocketFd socket = DatagramSocket(0);
  if (!socket.Valid()) return {nullptr, ListenError::kCreate};
  const int fd = socket.Get();
  auto listener = std::make_unique<UdpListener>(std::move(socket));
  // No SO_REUSEADDR: another program holding the port must make this bind fail, not share it.
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = htons(m_clientPort);
  local.sin_addr.s_addr = htonl(INADDR_ANY);
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0)
    return {std::move(listener), ListenError::kBind};
  EnableOption(fd, SO_RCVBUF, kReceiveQueueBytes);  // a smaller queue still works
  if (!listener->Watch(std::move(onReady))) return {std::move(listener), ListenError::kSelect};
  return {std::move(listener), ListenError::kNone};
}

std::vector<std::string> UdpTransport::OwnAddresses() {
  return OwnIpv4Addresses();
}

}  // namespace tamberlyx
