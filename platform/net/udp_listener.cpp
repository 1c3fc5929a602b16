#include "platform/net/udp_listener.h"

#include <net/if.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cstdint>

#include "protocol/constants.h"

namespace tamberlyx {
namespace {

// What a burst of several thousand devices needs, while a flood stays within a few megabytes.
constexpr std::size_t kQueueCapacity = 8192;

}  // namespace

UdpListener::UdpListener(std::vector<SocketFd> sockets)
    : m_sockets(std::move(sockets)),
      m_wakeup(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)),
      m_queue(kQueueCapacity) {}

UdpListener::~UdpListener() {
  // First the reader, so that nothing wakes a notifier or an eventfd that is going away.
  m_reader.reset();
  m_dispatch->alive = false;
  if (!m_notifier) return;
  m_notifier->setEnabled(false);
  // The exchange may end (and destroy us) from inside the notifier's own signal.
  if (m_dispatch->running)
    m_notifier.release()->deleteLater();
  else
    m_notifier.reset();
}

bool UdpListener::Watch(ReadyCallback onReady) {
  if (!m_wakeup.Valid()) return false;
  m_onReady = std::move(onReady);
  m_notifier = std::make_unique<QSocketNotifier>(m_wakeup.Get(), QSocketNotifier::Read);
  if (!m_notifier->isEnabled()) return false;  // no event dispatcher on this thread
  QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this, dispatch = m_dispatch] {
    if (dispatch->alive) OnWake();
  });
  std::vector<int> sockets;
  for (const SocketFd& socket : m_sockets) sockets.push_back(socket.Get());
  m_reader = std::make_unique<DatagramReader>(std::move(sockets), m_queue, [this] { Wake(); });
  return true;
}

void UdpListener::OnWake() {
  std::uint64_t count = 0;
  [[maybe_unused]] const ssize_t read = ::read(m_wakeup.Get(), &count, sizeof count);
  m_queue.WakeTaken();
  const std::shared_ptr<Dispatch> dispatch = m_dispatch;
  // A copy: the callback may destroy this listener and with it m_onReady.
  const ReadyCallback onReady = m_onReady;
  dispatch->running = true;
  onReady(kReadEvent, 0);
  dispatch->running = false;
  // Level-triggered, as a socket's readiness: what the callback left is announced again.
  if (dispatch->alive && m_queue.WakeIfWaiting()) Wake();
}

void UdpListener::Wake() const {
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = ::write(m_wakeup.Get(), &one, sizeof one);
}

std::optional<Datagram> UdpListener::Receive() {
  std::optional<Datagram> datagram = m_queue.Pop();
  if (datagram && datagram->interfaceIndex != 0) {
    // Named once per interface: a burst of thousands comes in on one or two.
    auto [name, added] = m_interfaceNames.try_emplace(datagram->interfaceIndex);
    if (added) {
      char text[IF_NAMESIZE] = {};
      if (::if_indextoname(datagram->interfaceIndex, text)) name->second = text;
    }
    datagram->interfaceName = name->second;
  }
  return datagram;
}

ReceiveDrops UdpListener::Drops() const {
  return {m_reader ? m_reader->KernelDrops() : 0, m_queue.Dropped()};
}

}  // namespace tamberlyx
