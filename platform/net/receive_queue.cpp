#include "platform/net/receive_queue.h"

namespace tamberlyx {

ReceiveQueue::ReceiveQueue(std::size_t capacity) : m_capacity(capacity) {}

bool ReceiveQueue::Push(std::vector<Datagram>& batch) {
  const std::lock_guard lock(m_mutex);
  for (Datagram& datagram : batch) {
    if (m_items.size() < m_capacity) {
      m_items.push_back(std::move(datagram));
    } else {
      ++m_dropped;
    }
  }
  batch.clear();
  if (m_wakePending || m_items.empty()) return false;
  m_wakePending = true;
  return true;
}

std::optional<Datagram> ReceiveQueue::Pop() {
  const std::lock_guard lock(m_mutex);
  if (m_items.empty()) return std::nullopt;
  Datagram datagram = std::move(m_items.front());
  m_items.pop_front();
  return datagram;
}

void ReceiveQueue::WakeTaken() {
  const std::lock_guard lock(m_mutex);
  m_wakePending = false;
}

bool ReceiveQueue::WakeIfWaiting() {
  const std::lock_guard lock(m_mutex);
  if (m_wakePending || m_items.empty()) return false;
  m_wakePending = true;
  return true;
}

std::uint64_t ReceiveQueue::Dropped() const {
  const std::lock_guard lock(m_mutex);
  return m_dropped;
}

}  // namespace tamberlyx
