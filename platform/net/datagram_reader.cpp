#include "platform/net/datagram_reader.h"

#include <linux/sock_diag.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <time.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <latch>
#include <limits>

#include "platform/net/socket_batch.h"

namespace tamberlyx {
namespace {

// Batches of one socket per sweep, so that a flooded socket does not keep the others waiting.
constexpr int kCallsPerSweep = 4;

std::int64_t NowNs() {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);  // the clock the kernel stamps arrivals with
  return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

bool Fatal(int error) {
  return error == EBADF || error == ENOTSOCK || error == EINVAL || error == EFAULT;
}

}  // namespace

struct DatagramReader::Arrival {
  std::int64_t ns;
  Datagram datagram;
};

// Later arrivals wait: a socket read earlier in the sweep may since have received something
// that arrived before them.
void DatagramReader::Release(std::vector<Arrival>& arrivals, std::int64_t horizon,
                             std::vector<Datagram>& ready) {
  std::stable_sort(arrivals.begin(), arrivals.end(),
                   [](const Arrival& a, const Arrival& b) { return a.ns < b.ns; });
  const auto end = std::partition_point(arrivals.begin(), arrivals.end(),
                                        [horizon](const Arrival& a) { return a.ns <= horizon; });
  for (auto it = arrivals.begin(); it != end; ++it) ready.push_back(std::move(it->datagram));
  arrivals.erase(arrivals.begin(), end);
}

DatagramReader::DatagramReader(std::vector<int> sockets, ReceiveQueue& queue,
                               std::function<void()> wake)
    : m_sockets(std::move(sockets)),
      m_queue(queue),
      m_wake(std::move(wake)),
      m_stop(::eventfd(0, EFD_CLOEXEC)),
      m_overflowSeen(m_sockets.size()) {
  for (const int socket : m_sockets) EnableArrivalDetails(socket);
  // The first datagrams of a burst may already be on their way: a socket's small queue holds
  // only a few milliseconds of them, so the thread must be reading before we return.
  std::latch running(1);
  m_thread = std::thread([this, &running] {
    running.count_down();
    Run();
  });
  running.wait();
}

DatagramReader::~DatagramReader() {
  Stop();
}

void DatagramReader::Stop() {
  if (!m_thread.joinable()) return;
  m_stopping = true;
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = ::write(m_stop.Get(), &one, sizeof one);
  m_thread.join();
}

std::uint64_t DatagramReader::KernelDrops() const {
  // SO_RXQ_OVFL only rides on datagrams that were queued after a drop; the socket's memory
  // counters also know the drops at the end of a burst.
  std::uint64_t drops = 0;
  for (std::size_t i = 0; i < m_sockets.size(); ++i) {
    std::array<std::uint32_t, SK_MEMINFO_VARS> memory{};
    socklen_t length = sizeof memory;
    std::uint64_t socketDrops = m_overflowSeen[i].load();
    if (::getsockopt(m_sockets[i], SOL_SOCKET, SO_MEMINFO, memory.data(), &length) == 0 &&
        length >= sizeof memory) {
      socketDrops = std::max<std::uint64_t>(socketDrops, memory[SK_MEMINFO_DROPS]);
    }
    drops += socketDrops;
  }
  return drops;
}

void DatagramReader::Run() {
  SocketBatch batch;
  std::vector<Arrival> arrivals;  // read, not yet handed over
  std::vector<Datagram> ready;
  while (!m_stopping) {
    // What waits for ordering is sorted out by the next sweep, without waiting.
    if (arrivals.empty() && !Wait()) break;
    if (m_stopping) break;
    std::int64_t horizon = std::numeric_limits<std::int64_t>::max();
    bool readAny = false;
    for (std::size_t i = 0; i < m_sockets.size(); ++i) {
      const std::optional<Drained> drained = Drain(i, batch, arrivals);
      if (!drained) return;
      horizon = std::min(horizon, drained->readUpTo);
      readAny = readAny || drained->readAny;
    }
    // A sweep that found every socket empty has everything, whatever the clock says.
    if (!readAny) horizon = std::numeric_limits<std::int64_t>::max();
    Release(arrivals, horizon, ready);
    if (!ready.empty() && m_queue.Push(ready)) m_wake();
  }
}

bool DatagramReader::Wait() const {
  std::vector<pollfd> watched;
  for (const int socket : m_sockets) watched.push_back({socket, POLLIN, 0});
  watched.push_back({m_stop.Get(), POLLIN, 0});
  for (;;) {
    if (::poll(watched.data(), watched.size(), -1) > 0) return true;
    if (errno != EINTR) return false;
  }
}

std::optional<DatagramReader::Drained> DatagramReader::Drain(std::size_t index, SocketBatch& batch,
                                                             std::vector<Arrival>& arrivals) {
  bool readAny = false;
  std::int64_t lastArrival = std::numeric_limits<std::int64_t>::min();
  for (int call = 0; call < kCallsPerSweep; ++call) {
    const std::int64_t asked = NowNs();
    const int count = batch.Receive(m_sockets[index]);
    if (count < 0 && Fatal(errno)) return std::nullopt;
    for (int i = 0; i < count; ++i) {
      readAny = true;
      const std::int64_t arrival = batch.ArrivalNs(i).value_or(asked);
      lastArrival = std::max(lastArrival, arrival);
      if (const auto overflow = batch.OverflowCount(i)) m_overflowSeen[index] = *overflow;
      if (index > 0 && batch.ToGroupAddress(i)) continue;
      arrivals.push_back({arrival, {batch.Bytes(i), batch.Source(i), batch.InterfaceIndex(i)}});
    }
    // Fewer than asked for: the socket ran empty after this call began.
    if (count < static_cast<int>(SocketBatch::kSize)) return Drained{asked, readAny};
  }
  // Its share is read and more waits, in the order it arrived: read up to the last one.
  return Drained{lastArrival, readAny};
}

}  // namespace tamberlyx
