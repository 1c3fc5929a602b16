#include "platform/net/posix_interface_network.h"

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <algorithm>
#include <optional>

#include "platform/net/interface_addresses.h"
#include "platform/net/own_addresses.h"
#include "platform/net/packet_info_send.h"
#include "platform/net/socket_fd.h"
#include "protocol/ipv4_text.h"

namespace tamberlyx {
namespace {

std::optional<sockaddr_in> Endpoint(std::string_view address, std::uint16_t port) {
  const std::optional<std::uint32_t> parsed = ParseIpv4(address);
  if (!parsed) return std::nullopt;
  sockaddr_in endpoint{};
  endpoint.sin_family = AF_INET;
  endpoint.sin_port = htons(port);
  endpoint.sin_addr.s_addr = htonl(*parsed);
  return endpoint;
}

// Broadcasting on, so that a broadcast destination is neither refused nor unroutable.
SocketFd BroadcastSocket() {
  SocketFd socket(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
  const int on = 1;
  if (socket.Valid() && ::setsockopt(socket.Get(), SOL_SOCKET, SO_BROADCAST, &on, sizeof on) != 0)
    socket.Reset();
  return socket;
}

}  // namespace

PosixInterfaceNetwork::PosixInterfaceNetwork(std::uint16_t devicePort) : m_devicePort(devicePort) {}

std::vector<LocalInterface> PosixInterfaceNetwork::BroadcastInterfaces() {
  std::vector<LocalInterface> interfaces;
  for (const InterfaceAddress& local : InterfaceIpv4Addresses()) {
    if (local.loopback || !local.up || !local.broadcast) continue;
    const bool listed = std::ranges::any_of(interfaces, [&local](const LocalInterface& seen) {
      return seen.name == local.interfaceName;
    });
    if (!listed) {
      interfaces.push_back(
          {local.interfaceName, FormatIpv4(local.address), FormatIpv4(local.netmask)});
    }
  }
  return interfaces;
}

std::vector<SkippedInterface> PosixInterfaceNetwork::SkippedInterfaces() {
  std::vector<SkippedInterface> skipped;
  for (const InterfaceAddress& local : InterfaceIpv4Addresses()) {
    if (local.loopback) continue;
    if (!local.up) {
      skipped.push_back({local.interfaceName, "down"});
    } else if (!local.broadcast) {
      skipped.push_back({local.interfaceName, "cannot broadcast"});
    }
  }
  return skipped;
}

bool PosixInterfaceNetwork::SendVia(const LocalInterface& via, std::string_view datagram,
                                    std::string_view destination) {
  const std::optional<sockaddr_in> target = Endpoint(destination, m_devicePort);
  const std::optional<sockaddr_in> source = Endpoint(via.address, 0);
  const unsigned index = ::if_nametoindex(via.name.c_str());
  if (!target || !source || index == 0) return false;
  const SocketFd socket = BroadcastSocket();
  if (!socket.Valid()) return false;
  in_pktinfo info{};
  info.ipi_ifindex = static_cast<int>(index);
  info.ipi_spec_dst = source->sin_addr;  // replies then name the address of this interface
  return SendWithPacketInfo(socket.Get(), &*target, info, datagram);
}

// Connecting a datagram socket sends nothing; it only asks the kernel for the route.
std::string PosixInterfaceNetwork::InterfaceTowards(std::string_view address) {
  const std::optional<sockaddr_in> target = Endpoint(address, m_devicePort);
  const SocketFd socket = BroadcastSocket();
  if (!target || !socket.Valid()) return {};
  if (::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&*target), sizeof *target) != 0)
    return {};
  sockaddr_in local{};
  socklen_t length = sizeof local;
  if (::getsockname(socket.Get(), reinterpret_cast<sockaddr*>(&local), &length) != 0) return {};
  const std::uint32_t source = ntohl(local.sin_addr.s_addr);
  for (const InterfaceAddress& candidate : InterfaceIpv4Addresses()) {
    if (candidate.address == source) return candidate.interfaceName;
  }
  return {};
}

std::vector<std::string> PosixInterfaceNetwork::OwnAddresses() {
  return OwnIpv4Addresses();
}

}  // namespace tamberlyx
