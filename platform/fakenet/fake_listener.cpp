#include "platform/fakenet/fake_listener.h"

#include "protocol/constants.h"

namespace tamberlyx {

FakeListener::FakeListener(std::weak_ptr<FakeSockets> sockets, ReadyCallback onReady, bool notifies)
    : m_sockets(std::move(sockets)), m_onReady(std::move(onReady)), m_notifies(notifies) {
  if (const std::shared_ptr<FakeSockets> shared = m_sockets.lock()) ++shared->open;
}

FakeListener::~FakeListener() {
  const std::shared_ptr<FakeSockets> sockets = m_sockets.lock();
  if (!sockets) return;
  --sockets->open;
  if (sockets->bound == this) sockets->bound = nullptr;
}

std::optional<Datagram> FakeListener::Receive() {
  if (const std::shared_ptr<FakeSockets> sockets = m_sockets.lock()) ++sockets->reads;
  if (m_waiting.empty()) return std::nullopt;
  Datagram datagram = std::move(m_waiting.front());
  m_waiting.pop_front();
  return datagram;
}

void FakeListener::Push(Datagram datagram) {
  Queue(std::move(datagram));
  Notify(kReadEvent, 0);
}

void FakeListener::Notify(unsigned event, unsigned error) {
  if (!m_notifies) return;
  // A copy: the callback may end the exchange and with it this listener.
  const ReadyCallback onReady = m_onReady;
  onReady(event, error);
}

}  // namespace tamberlyx
