#include "platform/fakenet/fake_listener.h"

#include "protocol/constants.h"

namespace tamberlyx {

FakeListener::FakeListener(std::weak_ptr<FakeListener*> slot, ReadyCallback onReady, bool notifies)
    : m_slot(std::move(slot)), m_onReady(std::move(onReady)), m_notifies(notifies) {}

FakeListener::~FakeListener() {
  const std::shared_ptr<FakeListener*> slot = m_slot.lock();
  if (slot && *slot == this) *slot = nullptr;
}

std::optional<Datagram> FakeListener::Receive() {
  if (m_waiting.empty()) return std::nullopt;
  Datagram datagram = std::move(m_waiting.front());
  m_waiting.pop_front();
  return datagram;
}

void FakeListener::Push(Datagram datagram) {
  m_waiting.push_back(std::move(datagram));
  Notify(kReadEvent, 0);
}

void FakeListener::Notify(unsigned event, unsigned error) {
  if (!m_notifies) return;
  // A copy: the callback may end the exchange and with it this listener.
  const ReadyCallback onReady = m_onReady;
  onReady(event, error);
}

}  // namespace tamberlyx
