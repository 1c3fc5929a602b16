#pragma once

#include <netinet/in.h>
#include <sys/socket.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tamberlyx {

// The buffers of one non-blocking recvmmsg call, and what the kernel attached to each
// datagram it returned.
class SocketBatch {
 public:
  static constexpr unsigned kSize = 64;

  SocketBatch();

  // Reads what waits on `socket`, at most kSize datagrams; 0 when nothing waits, -1 with
  // errno on an error.
  int Receive(int socket);

  // Of datagram `i` of the last Receive: its bytes, cut one byte past the longest accepted
  // datagram, so that an oversized one still shows as oversized.
  std::string Bytes(unsigned i) const;
  std::string Source(unsigned i) const;       // dotted decimal; empty when not IPv4
  unsigned InterfaceIndex(unsigned i) const;  // the interface it came in on; 0 when unknown
  // When it arrived, in nanoseconds of the system clock, if the kernel stamped it.
  std::optional<std::int64_t> ArrivalNs(unsigned i) const;
  // Sent to a broadcast or multicast address rather than to one of this host's own.
  bool ToGroupAddress(unsigned i) const;
  // The socket's count of datagrams dropped for a full queue, if the kernel attached it.
  std::optional<std::uint32_t> OverflowCount(unsigned i) const;

 private:
  union Control {
    char bytes[CMSG_SPACE(sizeof(std::uint32_t)) + CMSG_SPACE(sizeof(in_pktinfo)) +
               CMSG_SPACE(sizeof(timespec))];
    cmsghdr align;
  };
  const cmsghdr* Find(unsigned i, int level, int type) const;

  std::vector<char> m_data;
  std::array<mmsghdr, kSize> m_messages{};
  std::array<iovec, kSize> m_vectors{};
  std::array<sockaddr_in, kSize> m_sources{};
  std::array<Control, kSize> m_controls{};
};

// Asks the kernel for what SocketBatch reports: arrival stamps, destination addresses and the
// drop count. False when the socket refuses one of them (a test's local socket has no
// destination address).
bool EnableArrivalDetails(int socket);

}  // namespace tamberlyx
