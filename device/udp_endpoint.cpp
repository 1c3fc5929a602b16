#include "device/udp_endpoint.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstring>

namespace tamberlyx::device {
namespace {

constexpr std::size_t kLargestDatagram = 65536;
// Room for a burst of requests, and for a thousand replies sent back to back.
constexpr int kBufferBytes = 4 * 1024 * 1024;

void SetOption(int fd, int level, int name, int value) {
  setsockopt(fd, level, name, &value, sizeof value);
}

// As root the forced variants pass the system-wide ceiling; otherwise the ceiling applies.
void EnlargeBuffers(int fd) {
  SetOption(fd, SOL_SOCKET, SO_RCVBUF, kBufferBytes);
  SetOption(fd, SOL_SOCKET, SO_SNDBUF, kBufferBytes);
  SetOption(fd, SOL_SOCKET, SO_RCVBUFFORCE, kBufferBytes);
  SetOption(fd, SOL_SOCKET, SO_SNDBUFFORCE, kBufferBytes);
}

sockaddr_in Endpoint(std::uint32_t address, std::uint16_t port) {
  sockaddr_in in{};
  in.sin_family = AF_INET;
  in.sin_addr.s_addr = htonl(address);
  in.sin_port = htons(port);
  return in;
}

void ReadPacketInfo(msghdr& header, ReceivedDatagram& datagram) {
  for (cmsghdr* c = CMSG_FIRSTHDR(&header); c != nullptr; c = CMSG_NXTHDR(&header, c)) {
    if (c->cmsg_level != IPPROTO_IP || c->cmsg_type != IP_PKTINFO) continue;
    in_pktinfo info{};
    std::memcpy(&info, CMSG_DATA(c), sizeof info);
    datagram.destination = ntohl(info.ipi_addr.s_addr);
    datagram.localAddress = ntohl(info.ipi_spec_dst.s_addr);
  }
}

}  // namespace

std::optional<UdpEndpoint> UdpEndpoint::Open(std::uint16_t port, std::string& error) {
  SocketFd socket(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
  if (!socket.Valid()) {
    error = std::string("cannot create the UDP socket: ") + std::strerror(errno);
    return std::nullopt;
  }
  // No SO_REUSEADDR: a second device program on the same port must fail, not share it.
  SetOption(socket.Get(), IPPROTO_IP, IP_PKTINFO, 1);
  EnlargeBuffers(socket.Get());
  const sockaddr_in local = Endpoint(INADDR_ANY, port);
  if (bind(socket.Get(), reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
    error = "cannot bind UDP port " + std::to_string(port) + ": " + std::strerror(errno);
    return std::nullopt;
  }
  return UdpEndpoint(std::move(socket));
}

std::optional<ReceivedDatagram> UdpEndpoint::Receive() {
  static thread_local char buffer[kLargestDatagram];
  alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))];
  sockaddr_in from{};
  iovec io{buffer, sizeof buffer};
  msghdr header{};
  header.msg_name = &from;
  header.msg_namelen = sizeof from;
  header.msg_iov = &io;
  header.msg_iovlen = 1;
  header.msg_control = control;
  header.msg_controllen = sizeof control;
  const ssize_t length = recvmsg(m_socket.Get(), &header, MSG_DONTWAIT);
  if (length < 0) return std::nullopt;
  ReceivedDatagram datagram;
  datagram.bytes.assign(buffer, static_cast<std::size_t>(length));
  datagram.source = ntohl(from.sin_addr.s_addr);
  datagram.sourcePort = ntohs(from.sin_port);
  ReadPacketInfo(header, datagram);
  return datagram;
}

int UdpEndpoint::Send(std::string_view bytes, std::uint32_t source, std::uint32_t destination,
                      std::uint16_t port) {
  sockaddr_in to = Endpoint(destination, port);
  iovec io{const_cast<char*>(bytes.data()), bytes.size()};
  alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
  msghdr header{};
  header.msg_name = &to;
  header.msg_namelen = sizeof to;
  header.msg_iov = &io;
  header.msg_iovlen = 1;
  if (source != 0) {
    header.msg_control = control;
    header.msg_controllen = sizeof control;
    cmsghdr* c = CMSG_FIRSTHDR(&header);
    c->cmsg_level = IPPROTO_IP;
    c->cmsg_type = IP_PKTINFO;
    c->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
    in_pktinfo info{};
    info.ipi_spec_dst.s_addr = htonl(source);
    std::memcpy(CMSG_DATA(c), &info, sizeof info);
  }
  return sendmsg(m_socket.Get(), &header, 0) < 0 ? errno : 0;
}

}  // namespace tamberlyx::device
