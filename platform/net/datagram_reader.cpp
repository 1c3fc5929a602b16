#include "platform/net/datagram_reader.h"

#include <arpa/inet.h>
#include <linux/sock_diag.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <latch>
#include <optional>
#include <vector>

#include "protocol/constants.h"

namespace tamberlyx {
namespace {

constexpr unsigned kBatch = 64;
// One byte more than any accepted datagram, so an oversized one still shows as oversized.
constexpr std::size_t kSlot = kMaxDatagramLength + 1;
// Bounds the wait of a read that Stop's shutdown did not wake.
constexpr timeval kReadTimeout{0, 200 * 1000};

union Control {
  char bytes[CMSG_SPACE(sizeof(std::uint32_t))];
  cmsghdr align;
};

// The buffers of one recvmmsg call.
struct Batch {
  std::vector<char> data = std::vector<char>(kBatch * kSlot);
  std::array<mmsghdr, kBatch> messages{};
  std::array<iovec, kBatch> vectors{};
  std::array<sockaddr_in, kBatch> sources{};
  std::array<Control, kBatch> controls{};

  void Reset() {
    for (unsigned i = 0; i < kBatch; ++i) {
      vectors[i] = {data.data() + i * kSlot, kSlot};
      msghdr& header = messages[i].msg_hdr;
      header = msghdr{};
      header.msg_name = &sources[i];
      header.msg_namelen = sizeof sources[i];
      header.msg_iov = &vectors[i];
      header.msg_iovlen = 1;
      header.msg_control = controls[i].bytes;
      header.msg_controllen = sizeof controls[i].bytes;
    }
  }
};

std::string SourceText(const msghdr& header) {
  const auto* source = static_cast<const sockaddr_in*>(header.msg_name);
  if (header.msg_namelen < sizeof(sockaddr_in) || source->sin_family != AF_INET) return {};
  std::array<char, INET_ADDRSTRLEN> text{};
  ::inet_ntop(AF_INET, &source->sin_addr, text.data(), text.size());
  return text.data();
}

// The socket's drop count as the kernel attached it to a datagram, if it did.
std::optional<std::uint32_t> OverflowCount(msghdr& header) {
  for (cmsghdr* c = CMSG_FIRSTHDR(&header); c != nullptr; c = CMSG_NXTHDR(&header, c)) {
    if (c->cmsg_level != SOL_SOCKET || c->cmsg_type != SO_RXQ_OVFL) continue;
    std::uint32_t count = 0;
    std::memcpy(&count, CMSG_DATA(c), sizeof count);
    return count;
  }
  return std::nullopt;
}

bool Fatal(int error) {
  return error == EBADF || error == ENOTSOCK || error == EINVAL || error == EFAULT;
}

}  // namespace

DatagramReader::DatagramReader(int socket, ReceiveQueue& queue, std::function<void()> wake)
    : m_socket(socket), m_queue(queue), m_wake(std::move(wake)) {
  const int on = 1;
  ::setsockopt(m_socket, SOL_SOCKET, SO_RXQ_OVFL, &on, sizeof on);
  ::setsockopt(m_socket, SOL_SOCKET, SO_RCVTIMEO, &kReadTimeout, sizeof kReadTimeout);
  // The first datagrams of a burst may already be on their way: the socket's small queue holds
  // only a fraction of a millisecond of them, so the thread must be reading before we return.
  std::latch running(1);
  m_thread = std::thread([this, &running] {
    running.count_down();
    Run();
  });
  running.wait();
}

DatagramReader::~DatagramReader() {
  Stop();
}

void DatagramReader::Stop() {
  if (!m_thread.joinable()) return;
  m_stopping = true;
  ::shutdown(m_socket, SHUT_RD);  // returns ENOTCONN for UDP, but wakes the blocked read
  m_thread.join();
}

std::uint64_t DatagramReader::KernelDrops() const {
  // SO_RXQ_OVFL only rides on datagrams that were queued after a drop; the socket's memory
  // counters also know the drops at the end of a burst.
  std::array<std::uint32_t, SK_MEMINFO_VARS> memory{};
  socklen_t length = sizeof memory;
  std::uint64_t drops = m_overflowSeen.load();
  if (::getsockopt(m_socket, SOL_SOCKET, SO_MEMINFO, memory.data(), &length) == 0 &&
      length >= sizeof memory) {
    drops = std::max<std::uint64_t>(drops, memory[SK_MEMINFO_DROPS]);
  }
  return drops;
}

void DatagramReader::Run() {
  Batch batch;
  std::vector<Datagram> datagrams;
  datagrams.reserve(kBatch);
  while (!m_stopping) {
    batch.Reset();
    const int count = ::recvmmsg(m_socket, batch.messages.data(), kBatch, MSG_WAITFORONE, nullptr);
    if (m_stopping) break;
    if (count < 0 && Fatal(errno)) break;
    for (int i = 0; i < count; ++i) {
      msghdr& header = batch.messages[i].msg_hdr;
      const std::size_t length = std::min<std::size_t>(batch.messages[i].msg_len, kSlot);
      datagrams.push_back({std::string(batch.data.data() + i * kSlot, length), SourceText(header)});
      if (const auto overflow = OverflowCount(header)) m_overflowSeen = *overflow;
    }
    if (m_queue.Push(datagrams)) m_wake();
  }
}

}  // namespace tamberlyx
