#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fakenet/network_peer.h"
#include "platform/net/scheduler.h"
#include "protocol/transport.h"

namespace tamberlyx {

class FakeListener;
struct FakeSockets;

// A datagram as it left the PC.
struct SentDatagram {
  std::string bytes;
  std::string destination;
  bool broadcast = false;
  bool operator==(const SentDatagram&) const = default;
};

// Socket-layer failures a test can switch on.
struct FakeFailures {
  bool create = false;  // the listening socket cannot be created
  bool bind = false;    // binding CLIENT_PORT fails
  bool select = false;  // the listening socket cannot be registered for readiness
  bool send = false;    // sending fails (the socket, broadcasting or the send itself)
};

// An in-process network of one PC and simulated devices, for tests: no sockets, no Qt. Replies
// travel through `scheduler`, so they arrive later, never inside Send. Listeners may outlive
// the network; they then receive nothing more.
class FakeNetwork {
 public:
  explicit FakeNetwork(Scheduler scheduler, std::string pcAddress = "192.168.0.100");
  ~FakeNetwork();
  FakeNetwork(const FakeNetwork&) = delete;
  FakeNetwork& operator=(const FakeNetwork&) = delete;

  NetworkPeer& AddPeer(std::unique_ptr<NetworkPeer> peer);
  // nullptr when no peer has this address.
  NetworkPeer* FindPeer(std::string_view address);
  void RemovePeer(std::string_view address);

  const std::string& PcAddress() const { return m_pcAddress; }
  // What OwnAddresses() reports; starts as the PC's address. Empty: the host name does not
  // resolve and the PC has no interface address.
  void SetOwnAddresses(std::vector<std::string> addresses) { m_own = std::move(addresses); }
  const std::vector<std::string>& OwnAddresses() const { return m_own; }

  FakeFailures& Failures() { return m_failures; }
  // Another program holds CLIENT_PORT: binding it fails.
  void HoldClientPort(bool held) { m_portHeld = held; }
  bool ClientPortBound() const;
  // CLIENT_PORT sockets not yet closed, bound or not, and the reads made on them.
  int OpenSockets() const;
  int Reads() const;

  // Every datagram that left the PC, in order; failed sends are not in it.
  const std::vector<SentDatagram>& Sent() const { return m_sent; }
  void ClearSent() { m_sent.clear(); }
  // Replies the devices sent to the request's source port, where nobody listens.
  int LostReplies() const { return m_lostReplies; }

  // The transport's side.
  bool Send(std::string_view datagram, std::string_view destination, bool broadcast);
  ListenResult Listen(ReadyCallback onReady);

  // A datagram from elsewhere (another PC, a stray program) arriving at CLIENT_PORT.
  void Inject(std::string bytes, std::string source, int delayMs = 0);
  // The same, arriving now rather than through the scheduler: lost when nothing is bound.
  void DeliverNow(std::string bytes, std::string source);
  // `count` copies waiting on the bound listener at once, announced by no notice of their own.
  void Flood(const std::string& bytes, const std::string& source, int count);
  // A readiness notice with an error code on the bound listener, as the socket layer may post.
  void RaiseNotification(unsigned event, unsigned error);

 private:
  void Route(NetworkPeer& peer, std::string_view datagram);

  Scheduler m_scheduler;
  std::string m_pcAddress;
  std::vector<std::string> m_own;
  std::vector<std::unique_ptr<NetworkPeer>> m_peers;
  FakeFailures m_failures;
  bool m_portHeld = false;
  // Shared weakly with the listeners and with pending deliveries.
  std::shared_ptr<FakeSockets> m_sockets;
  std::vector<SentDatagram> m_sent;
  int m_lostReplies = 0;
};

}  // namespace tamberlyx
