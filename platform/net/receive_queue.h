#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

#include "protocol/transport.h"

namespace tamberlyx {

// Datagrams read on a reader thread, waiting for the event loop. Bounded, so a flood cannot
// grow memory: what arrives while it is full is dropped and counted. Tracks whether a wake-up
// of the event loop is already on its way, so that a batch costs at most one.
class ReceiveQueue {
 public:
  explicit ReceiveQueue(std::size_t capacity);

  // Reader side: appends what fits, in order. True when the caller must wake the event loop.
  bool Push(std::vector<Datagram>& batch);

  // Event-loop side.
  std::optional<Datagram> Pop();
  // The wake-up has arrived: the next push wakes again.
  void WakeTaken();
  // True (and a wake-up counts as sent) when datagrams still wait and none is on its way.
  bool WakeIfWaiting();

  std::uint64_t Dropped() const;

 private:
  mutable std::mutex m_mutex;
  std::deque<Datagram> m_items;
  std::size_t m_capacity;
  std::uint64_t m_dropped = 0;
  bool m_wakePending = false;
};

}  // namespace tamberlyx
