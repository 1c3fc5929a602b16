#pragma once

#include <deque>
#include <memory>

#include "protocol/transport.h"

namespace tamberlyx {

// The fake network's CLIENT_PORT socket. `slot` is where the network keeps the bound listener;
// a listener that failed to bind has none and never receives.
class FakeListener : public Listener {
 public:
  FakeListener(std::weak_ptr<FakeListener*> slot, ReadyCallback onReady, bool notifies);
  ~FakeListener() override;
  FakeListener(const FakeListener&) = delete;
  FakeListener& operator=(const FakeListener&) = delete;

  std::optional<Datagram> Receive() override;
  // Queues a datagram and reports readiness (unless registering failed). The callback may
  // destroy this listener.
  void Push(Datagram datagram);
  void Notify(unsigned event, unsigned error);

 private:
  std::weak_ptr<FakeListener*> m_slot;
  ReadyCallback m_onReady;
  bool m_notifies;
  std::deque<Datagram> m_waiting;
};

}  // namespace tamberlyx
