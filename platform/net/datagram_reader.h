#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "platform/net/receive_queue.h"
#include "platform/net/socket_fd.h"

namespace tamberlyx {

class SocketBatch;

// Drains the sockets of one listening port on a thread of its own, so their queues empty as
// fast as the network fills them however busy the event loop is. What it reads goes into
// `queue` in the order it arrived, across all the sockets; `wake` runs on the reader thread
// when a batch needs the event loop's attention.
//
// The kernel hands a broadcast or multicast datagram to every socket sharing a port: the first
// socket keeps its copy, the others drop theirs.
class DatagramReader {
 public:
  DatagramReader(std::vector<int> sockets, ReceiveQueue& queue, std::function<void()> wake);
  ~DatagramReader();
  DatagramReader(const DatagramReader&) = delete;
  DatagramReader& operator=(const DatagramReader&) = delete;

  // Wakes the blocked wait and joins the thread; nothing is queued or woken afterwards.
  void Stop();
  // Datagrams the kernel dropped on these sockets because their queues were full.
  std::uint64_t KernelDrops() const;

 private:
  struct Arrival;
  struct Drained {
    std::int64_t readUpTo;  // everything that reached the socket until then has been read
    bool readAny;
  };
  // Moves into `ready`, in arrival order, what arrived up to `horizon`.
  static void Release(std::vector<Arrival>& arrivals, std::int64_t horizon,
                      std::vector<Datagram>& ready);
  void Run();
  bool Wait() const;
  // Reads socket `index` until it is empty or its share of one sweep is read. Nothing on an
  // error that ends reading.
  std::optional<Drained> Drain(std::size_t index, SocketBatch& batch,
                               std::vector<Arrival>& arrivals);

  std::vector<int> m_sockets;
  ReceiveQueue& m_queue;
  std::function<void()> m_wake;
  SocketFd m_stop;  // eventfd: Stop's signal to the wait
  std::atomic<bool> m_stopping{false};
  std::vector<std::atomic<std::uint32_t>> m_overflowSeen;  // each socket's last SO_RXQ_OVFL
  std::thread m_thread;
};

}  // namespace tamberlyx
