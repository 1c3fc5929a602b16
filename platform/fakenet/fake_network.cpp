#include "platform/fakenet/fake_network.h"

#include <algorithm>

#include "platform/fakenet/fake_listener.h"
#include "protocol/constants.h"
#include "protocol/ipv4_text.h"

namespace tamberlyx {

FakeNetwork::FakeNetwork(Scheduler scheduler, std::string pcAddress)
    : m_scheduler(std::move(scheduler)),
      m_pcAddress(std::move(pcAddress)),
      m_own{m_pcAddress},
      m_sockets(std::make_shared<FakeSockets>()) {}

FakeNetwork::~FakeNetwork() = default;

NetworkPeer& FakeNetwork::AddPeer(std::unique_ptr<NetworkPeer> peer) {
  m_peers.push_back(std::move(peer));
  return *m_peers.back();
}

NetworkPeer* FakeNetwork::FindPeer(std::string_view address) {
  const auto found = std::ranges::find_if(
      m_peers, [address](const auto& peer) { return peer->Address() == address; });
  return found == m_peers.end() ? nullptr : found->get();
}

void FakeNetwork::RemovePeer(std::string_view address) {
  std::erase_if(m_peers, [address](const auto& peer) { return peer->Address() == address; });
}

bool FakeNetwork::ClientPortBound() const {
  return m_sockets->bound != nullptr;
}

int FakeNetwork::OpenSockets() const {
  return m_sockets->open;
}

int FakeNetwork::Reads() const {
  return m_sockets->reads;
}

bool FakeNetwork::Send(std::string_view datagram, std::string_view destination, bool broadcast) {
  if (m_failures.send || !ParseIpv4(destination)) return false;
  const bool toAll = destination == kBroadcastAddress;
  if (toAll && !broadcast) return false;  // as the socket layer refuses without SO_BROADCAST
  m_sent.push_back(SentDatagram{std::string(datagram), std::string(destination), broadcast});
  for (const auto& peer : m_peers) {
    if (toAll || peer->Address() == destination) Route(*peer, datagram);
  }
  return true;
}

void FakeNetwork::Route(NetworkPeer& peer, std::string_view datagram) {
  for (PeerReply& reply : peer.Handle(datagram, m_pcAddress)) {
    if (reply.toSourcePort) {
      ++m_lostReplies;  // that port was the sending socket's, closed right after the send
      continue;
    }
    Inject(std::move(reply.bytes), peer.Address(), reply.delayMs);
  }
}

void FakeNetwork::Inject(std::string bytes, std::string source, int delayMs) {
  m_scheduler(delayMs, [sockets = std::weak_ptr<FakeSockets>(m_sockets), bytes = std::move(bytes),
                        source = std::move(source)] {
    const std::shared_ptr<FakeSockets> shared = sockets.lock();
    if (shared && shared->bound) shared->bound->Push(Datagram{bytes, source});
  });
}

void FakeNetwork::DeliverNow(std::string bytes, std::string source) {
  if (m_sockets->bound) m_sockets->bound->Push(Datagram{std::move(bytes), std::move(source)});
}

void FakeNetwork::Flood(const std::string& bytes, const std::string& source, int count) {
  for (int i = 0; i < count && m_sockets->bound; ++i) {
    m_sockets->bound->Queue(Datagram{bytes, source});
  }
}

void FakeNetwork::RaiseNotification(unsigned event, unsigned error) {
  if (m_sockets->bound) m_sockets->bound->Notify(event, error);
}

ListenResult FakeNetwork::Listen(ReadyCallback onReady) {
  if (m_failures.create) return {nullptr, ListenError::kCreate};
  const bool bindFails = m_failures.bind || m_portHeld || ClientPortBound();
  auto listener = std::make_unique<FakeListener>(m_sockets, std::move(onReady),
                                                 !bindFails && !m_failures.select);
  if (bindFails) return {std::move(listener), ListenError::kBind};
  m_sockets->bound = listener.get();
  return {std::move(listener), m_failures.select ? ListenError::kSelect : ListenError::kNone};
}

}  // namespace tamberlyx
