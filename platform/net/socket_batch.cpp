#include "platform/net/socket_batch.h"

#include <arpa/inet.h>

#include <algorithm>
#include <cstring>

#include "protocol/constants.h"

namespace tamberlyx {
namespace {

constexpr std::size_t kSlot = kMaxDatagramLength + 1;

bool Enable(int socket, int level, int option) {
  const int on = 1;
  return ::setsockopt(socket, level, option, &on, sizeof on) == 0;
}

}  // namespace

bool EnableArrivalDetails(int socket) {
  const bool stamps = Enable(socket, SOL_SOCKET, SO_TIMESTAMPNS);
  const bool drops = Enable(socket, SOL_SOCKET, SO_RXQ_OVFL);
  const bool destinations = Enable(socket, IPPROTO_IP, IP_PKTINFO);
  return stamps && drops && destinations;
}

SocketBatch::SocketBatch() : m_data(kSize * kSlot) {}

int SocketBatch::Receive(int socket) {
  for (unsigned i = 0; i < kSize; ++i) {
    m_vectors[i] = {m_data.data() + i * kSlot, kSlot};
    msghdr& header = m_messages[i].msg_hdr;
    header = msghdr{};
    header.msg_name = &m_sources[i];
    header.msg_namelen = sizeof m_sources[i];
    header.msg_iov = &m_vectors[i];
    header.msg_iovlen = 1;
    header.msg_control = m_controls[i].bytes;
    header.msg_controllen = sizeof m_controls[i].bytes;
  }
  const int count = ::recvmmsg(socket, m_messages.data(), kSize, MSG_DONTWAIT, nullptr);
  if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return 0;
  return count;
}

std::string SocketBatch::Bytes(unsigned i) const {
  const std::size_t length = std::min<std::size_t>(m_messages[i].msg_len, kSlot);
  return std::string(m_data.data() + i * kSlot, length);
}

std::string SocketBatch::Source(unsigned i) const {
  const msghdr& header = m_messages[i].msg_hdr;
  if (header.msg_namelen < sizeof(sockaddr_in) || m_sources[i].sin_family != AF_INET) return {};
  std::array<char, INET_ADDRSTRLEN> text{};
  ::inet_ntop(AF_INET, &m_sources[i].sin_addr, text.data(), text.size());
  return text.data();
}

const cmsghdr* SocketBatch::Find(unsigned i, int level, int type) const {
  // CMSG_NXTHDR wants a mutable header; nothing is written through it.
  auto& header = const_cast<msghdr&>(m_messages[i].msg_hdr);
  for (cmsghdr* c = CMSG_FIRSTHDR(&header); c != nullptr; c = CMSG_NXTHDR(&header, c)) {
    if (c->cmsg_level == level && c->cmsg_type == type) return c;
  }
  return nullptr;
}

std::optional<std::int64_t> SocketBatch::ArrivalNs(unsigned i) const {
  const cmsghdr* c = Find(i, SOL_SOCKET, SCM_TIMESTAMPNS);
  if (c == nullptr) return std::nullopt;
  timespec stamp{};
  std::memcpy(&stamp, CMSG_DATA(c), sizeof stamp);
  return std::int64_t{stamp.tv_sec} * 1'000'000'000 + stamp.tv_nsec;
}

unsigned SocketBatch::InterfaceIndex(unsigned i) const {
  const cmsghdr* c = Find(i, IPPROTO_IP, IP_PKTINFO);
  if (c == nullptr) return 0;
  in_pktinfo info{};
  std::memcpy(&info, CMSG_DATA(c), sizeof info);
  return info.ipi_ifindex > 0 ? static_cast<unsigned>(info.ipi_ifindex) : 0;
}

bool SocketBatch::ToGroupAddress(unsigned i) const {
  const cmsghdr* c = Find(i, IPPROTO_IP, IP_PKTINFO);
  if (c == nullptr) return false;
  in_pktinfo info{};
  std::memcpy(&info, CMSG_DATA(c), sizeof info);
  // For a datagram to one of our own addresses the kernel reports that address as the local
  // one; for a broadcast or multicast, the address it would answer from.
  return info.ipi_addr.s_addr != info.ipi_spec_dst.s_addr;
}

std::optional<std::uint32_t> SocketBatch::OverflowCount(unsigned i) const {
  const cmsghdr* c = Find(i, SOL_SOCKET, SO_RXQ_OVFL);
  if (c == nullptr) return std::nullopt;
  std::uint32_t count = 0;
  std::memcpy(&count, CMSG_DATA(c), sizeof count);
  return count;
}

}  // namespace tamberlyx
