#include "platform/net/neighbour_probe.h"

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <memory>

#include "operations/follow_target.h"
#include "platform/net/neighbour_table.h"
#include "platform/net/packet_info_send.h"
#include "platform/net/socket_fd.h"
#include "protocol/events.h"
#include "protocol/ipv4_text.h"

namespace tamberlyx {
namespace {

using Clock = std::chrono::steady_clock;
constexpr std::uint16_t kDiscardPort = 9;
constexpr auto kLongestWait = std::chrono::milliseconds(1000);
constexpr int kPollMs = 50;

// A connected socket, so that a holder's "port unreachable" comes back to it as ECONNREFUSED.
SocketFd SendThrough(unsigned interfaceIndex, std::uint32_t address) {
  SocketFd socket(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  sockaddr_in target{};
  target.sin_family = AF_INET;
  target.sin_port = htons(kDiscardPort);
  target.sin_addr.s_addr = htonl(address);
  if (!socket.Valid() ||
      ::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&target), sizeof target) != 0) {
    return {};
  }
  in_pktinfo info{};
  info.ipi_ifindex = static_cast<int>(interfaceIndex);
  if (!SendWithPacketInfo(socket.Get(), nullptr, info, std::string_view("\0", 1))) return {};
  return socket;
}

bool Refused(const SocketFd& socket) {
  char byte = 0;
  return ::recv(socket.Get(), &byte, 1, 0) < 0 && errno == ECONNREFUSED;
}

struct Watch {
  Scheduler scheduler;
  int interfaceIndex = 0;
  std::uint32_t address = 0;
  std::string deviceMac;
  SocketFd socket;
  Clock::time_point sent;
  bool answered = false;  // the holder refused our datagram: it is there
  AddressProbe::Done done;
};

// The holder's hardware address, once the table has it for sure; "" until then. A reachable
// entry was confirmed moments ago; any other entry counts only once the holder has answered.
std::string Holder(Watch& watch) {
  watch.answered = watch.answered || Refused(watch.socket);
  for (const NeighbourEntry& entry : ReadNeighbourTable()) {
    if (entry.interfaceIndex != watch.interfaceIndex || entry.address != watch.address) continue;
    if (entry.mac.empty() || MacKey(entry.mac) == MacKey(watch.deviceMac)) continue;
    if (entry.reachable || watch.answered) return entry.mac;
  }
  return {};
}

void Poll(const std::shared_ptr<Watch>& watch) {
  std::string holder = Holder(*watch);
  if (!holder.empty() || Clock::now() - watch->sent >= kLongestWait) {
    watch->socket.Reset();
    watch->done(holder);
    return;
  }
  watch->scheduler(kPollMs, [watch] { Poll(watch); });
}

}  // namespace

NeighbourProbe::NeighbourProbe(Scheduler scheduler) : m_scheduler(std::move(scheduler)) {}

void NeighbourProbe::Probe(const std::string& interfaceName, std::uint32_t address,
                           const std::string& deviceMac, Done done) {
  const unsigned index = ::if_nametoindex(interfaceName.c_str());
  auto watch = std::make_shared<Watch>();
  watch->scheduler = m_scheduler;
  watch->interfaceIndex = static_cast<int>(index);
  watch->address = address;
  watch->deviceMac = deviceMac;
  watch->done = std::move(done);
  if (index != 0) watch->socket = SendThrough(index, address);
  watch->sent = Clock::now();
  // The one datagram besides a search's that the address checks send: the log shows it too.
  ReportEvent({watch->socket.Valid() ? EventKind::kSent : EventKind::kSendFailed, interfaceName,
               FormatIpv4(address), kDiscardPort, "probe", 1});
  if (!watch->socket.Valid()) {
    m_scheduler(0, [watch] { watch->done(""); });
    return;
  }
  m_scheduler(kPollMs, [watch] { Poll(watch); });
}

}  // namespace tamberlyx
