#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

#include "platform/net/receive_queue.h"

namespace tamberlyx {

// Drains one blocking datagram socket on a thread of its own, so the socket's queue empties
// as fast as the network fills it however busy the event loop is. Batches go into `queue`;
// `wake` runs on the reader thread when a batch needs the event loop's attention.
class DatagramReader {
 public:
  DatagramReader(int socket, ReceiveQueue& queue, std::function<void()> wake);
  ~DatagramReader();
  DatagramReader(const DatagramReader&) = delete;
  DatagramReader& operator=(const DatagramReader&) = delete;

  // Wakes the blocked read and joins the thread; nothing is queued or woken afterwards.
  void Stop();
  // Datagrams the kernel dropped on this socket because its queue was full.
  std::uint64_t KernelDrops() const;

 private:
  void Run();

  int m_socket;
  ReceiveQueue& m_queue;
  std::function<void()> m_wake;
  std::atomic<bool> m_stopping{false};
  std::atomic<std::uint32_t> m_overflowSeen{0};  // the last SO_RXQ_OVFL count
  std::thread m_thread;
};

}  // namespace tamberlyx
