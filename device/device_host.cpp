#include "device/device_host.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "device/http_page.h"
#include "device/interface_move.h"
#include "device/printable.h"
#include "protocol/events.h"
#include "protocol/ipv4_text.h"

namespace tamberlyx::device {
namespace {

// A burst of requests is drained in slices so the web page and due replies are not starved.
constexpr int kMaxReadsPerWake = 4096;
constexpr int kHttpCheckMs = 1000;

std::string Endpoint(std::uint32_t address, std::uint16_t port) {
  return FormatIpv4(address) + ":" + std::to_string(port);
}

}  // namespace

DeviceHost::DeviceHost(std::vector<FleetMember> fleet, HostConfig config, UdpEndpoint udp,
                       std::optional<HttpServer> http, std::FILE* log)
    : m_fleet(std::move(fleet)),
      m_config(std::move(config)),
      m_udp(std::move(udp)),
      m_http(std::move(http)),
      m_log(log) {
  for (std::size_t i = 0; i < m_fleet.size(); ++i) m_byAddress.emplace(m_fleet[i].address, i);
}

void DeviceHost::Run(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask) {
  while (!stop) {
    std::vector<pollfd> fds{{m_udp.Fd(), POLLIN, 0}};
    if (m_http) m_http->AddPollFds(fds);
    const int timeoutMs = WaitTimeout();
    timespec timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000000L};
    const int ready = ppoll(fds.data(), fds.size(), timeoutMs < 0 ? nullptr : &timeout, &waitMask);
    if (ready < 0 && errno != EINTR) {
      std::fprintf(stderr, "tamberlyx-device: poll failed: %s\n", std::strerror(errno));
      return;
    }
    if (ready > 0 && (fds[0].revents & POLLIN)) ReceiveAll();
    SendDue();
    FinishRestarts();
    if (m_http && ready > 0) {
      m_http->ServeReady(fds, 1, [this](const std::string& request, std::uint32_t local) {
        return RespondHttp(request, local);
      });
    }
    if (m_http) m_http->ExpireIdle(Clock::now());
    std::fflush(m_log);
  }
}

int DeviceHost::WaitTimeout() const {
  const Clock::time_point now = Clock::now();
  std::optional<int> next = m_schedule.MillisecondsUntilNext(now);
  if (const std::optional<int> restart = m_restarts.MillisecondsUntilNext(now)) {
    next = std::min(next.value_or(*restart), *restart);
  }
  if (m_http && m_http->HasConnections())
    return std::min(next.value_or(kHttpCheckMs), kHttpCheckMs);
  return next.value_or(-1);
}

void DeviceHost::ReceiveAll() {
  for (int i = 0; i < kMaxReadsPerWake; ++i) {
    const std::optional<ReceivedDatagram> datagram = m_udp.Receive();
    if (!datagram) return;
    if (EventsWanted()) {
      ReportEvent(DatagramEvent(EventKind::kReceived, datagram->bytes, FormatIpv4(datagram->source),
                                datagram->sourcePort));
    }
    std::fprintf(m_log, "recv %s > %s %zu bytes: %s\n",
                 Endpoint(datagram->source, datagram->sourcePort).c_str(),
                 FormatIpv4(datagram->destination).c_str(), datagram->bytes.size(),
                 PrintableBytes(datagram->bytes).c_str());
    Dispatch(*datagram);
  }
}

void DeviceHost::Dispatch(const ReceivedDatagram& datagram) {
  const std::string requester = FormatIpv4(datagram.source);
  const Clock::time_point now = Clock::now();
  for (const std::size_t index : Recipients(datagram.destination)) {
    if (m_restarts.IsRestarting(index)) continue;
    FleetMember& member = m_fleet[index];
    const std::string before = m_config.network.apply ? member.peer.Settings() : std::string();
    const std::uint32_t source = m_config.fixedSource ? member.address : datagram.localAddress;
    for (OutgoingReply& reply : member.peer.Handle(datagram.bytes, requester)) {
      PendingSend send{std::move(reply.bytes), source, datagram.source,
                       reply.toSourcePort ? datagram.sourcePort : m_config.clientPort};
      if (reply.delayMs > 0) {
        m_schedule.Add(now + std::chrono::milliseconds(reply.delayMs), std::move(send));
      } else {
        SendNow(send);
      }
    }
    if (m_config.network.apply) {
      BeginRestart(index, before, now + std::chrono::milliseconds(member.peer.Options().delayMs));
    }
  }
}

// A SET that moves the device is answered first; the device then restarts, silent.
void DeviceHost::BeginRestart(std::size_t index, const std::string& before,
                              Clock::time_point answered) {
  const FleetMember& member = m_fleet[index];
  const std::optional<NetworkMove> move =
      MoveAfterSet(before, member.peer.Settings(), member.address);
  if (!move) return;
  m_restarts.Begin(index, *move, answered + std::chrono::milliseconds(m_config.network.restartMs));
  std::fprintf(m_log, "restart %s for %d ms\n", FormatIpv4(member.address).c_str(),
               m_config.network.restartMs);
}

void DeviceHost::FinishRestarts() {
  for (const RestartSchedule::Restart& restart : m_restarts.TakeDue(Clock::now())) {
    Move(restart.member, restart.move);
  }
}

// Where it fails, the device comes back where it was.
void DeviceHost::Move(std::size_t index, const NetworkMove& move) {
  FleetMember& member = m_fleet[index];
  const std::uint32_t from = member.address;
  const std::optional<std::uint32_t> to = Destination(member, move);
  std::string error;
  if (!to) {
    error = "no free address in the DHCP pool";
  } else if (*to != from) {
    error = Taken(*to) ? FormatIpv4(*to) + " is taken" : MoveInterfaceAddress(from, *to);
  }
  const std::uint32_t now = error.empty() ? *to : from;
  m_byAddress.erase(from);
  m_byAddress.emplace(now, index);
  std::replace(m_config.localAddresses.begin(), m_config.localAddresses.end(), from, now);
  member.address = now;
  member.peer.MoveTo(FormatIpv4(now));
  if (error.empty()) {
    std::fprintf(m_log, "move %s > %s\n", FormatIpv4(from).c_str(), FormatIpv4(now).c_str());
    if (now != from && m_config.moved) m_config.moved(now);
  } else {
    std::fprintf(m_log, "fail move %s: %s\n", FormatIpv4(from).c_str(), error.c_str());
  }
}

// A switch to DHCP without a pool keeps the address, as a server that leases it again would.
std::optional<std::uint32_t> DeviceHost::Destination(const FleetMember& member,
                                                     const NetworkMove& move) const {
  if (!move.dhcp) return move.address;
  if (!m_config.network.dhcpPool) return member.address;
  return NextFreeAddress(*m_config.network.dhcpPool,
                         [this](std::uint32_t address) { return Taken(address); });
}

bool DeviceHost::Taken(std::uint32_t address) const {
  const auto& local = m_config.localAddresses;
  return m_byAddress.contains(address) ||
         std::find(local.begin(), local.end(), address) != local.end();
}

// A device's own address reaches that device alone; a broadcast reaches all. A single device
// also answers at any other address of the namespace (loopback, a second interface).
std::vector<std::size_t> DeviceHost::Recipients(std::uint32_t destination) const {
  if (const auto it = m_byAddress.find(destination); it != m_byAddress.end()) return {it->second};
  if (m_fleet.size() == 1) return {0};
  const auto& local = m_config.localAddresses;
  if (std::find(local.begin(), local.end(), destination) != local.end()) return {};
  std::vector<std::size_t> all(m_fleet.size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
  return all;
}

void DeviceHost::SendNow(const PendingSend& send) {
  const int error = m_udp.Send(send.bytes, send.source, send.destination, send.port);
  if (EventsWanted()) {
    ReportEvent(DatagramEvent(error == 0 ? EventKind::kSent : EventKind::kSendFailed, send.bytes,
                              FormatIpv4(send.destination), send.port));
  }
  const std::string text = PrintableBytes(send.bytes);
  if (error != 0) {
    std::fprintf(m_log, "fail %s > %s %zu bytes: %s (%s)\n", FormatIpv4(send.source).c_str(),
                 Endpoint(send.destination, send.port).c_str(), send.bytes.size(), text.c_str(),
                 std::strerror(error));
    return;
  }
  std::fprintf(m_log, "send %s > %s %zu bytes: %s\n", FormatIpv4(send.source).c_str(),
               Endpoint(send.destination, send.port).c_str(), send.bytes.size(), text.c_str());
}

void DeviceHost::SendDue() {
  for (const PendingSend& send : m_schedule.TakeDue(Clock::now())) SendNow(send);
}

std::string DeviceHost::RespondHttp(const std::string& request, std::uint32_t localAddress) {
  const auto it = m_byAddress.find(localAddress);
  const FleetMember& member = it != m_byAddress.end() ? m_fleet[it->second] : m_fleet.front();
  const std::string line = request.substr(0, request.find_first_of("\r\n"));
  std::fprintf(m_log, "http %s %s\n", FormatIpv4(localAddress).c_str(),
               PrintableBytes(line).c_str());
  return HttpResponse(request, member.peer);
}

}  // namespace tamberlyx::device
