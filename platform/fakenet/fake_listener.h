#pragma once

#include <deque>
#include <memory>

#include "protocol/transport.h"

namespace tamberlyx {

class FakeListener;

// What the network knows of its CLIENT_PORT sockets; shared with them, since a listener may
// outlive the network.
struct FakeSockets {
  FakeListener* bound = nullptr;  // the one bound to CLIENT_PORT
  int open = 0;                   // sockets not yet closed, bound or not
  int reads = 0;                  // Receive calls on any of them
};

// The fake network's CLIENT_PORT socket. A listener that failed to bind is not the bound one
// and never receives.
class FakeListener : public Listener {
 public:
  FakeListener(std::weak_ptr<FakeSockets> sockets, ReadyCallback onReady, bool notifies);
  ~FakeListener() override;
  FakeListener(const FakeListener&) = delete;
  FakeListener& operator=(const FakeListener&) = delete;

  std::optional<Datagram> Receive() override;
  // Queues a datagram and reports readiness (unless registering failed). The callback may
  // destroy this listener.
  void Push(Datagram datagram);
  // Queues a datagram without reporting it, as one of a burst that the next notice announces.
  void Queue(Datagram datagram) { m_waiting.push_back(std::move(datagram)); }
  void Notify(unsigned event, unsigned error);

 private:
  std::weak_ptr<FakeSockets> m_sockets;
  ReadyCallback m_onReady;
  bool m_notifies;
  std::deque<Datagram> m_waiting;
};

}  // namespace tamberlyx
