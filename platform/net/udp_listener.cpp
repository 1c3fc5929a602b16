#include "platform/net/udp_listener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <QSocketNotifier>
#include <array>

#include "protocol/constants.h"

namespace tamberlyx {
namespace {

// No IPv4 datagram is longer, so a read never cuts one and an oversized reply keeps its length.
constexpr std::size_t kReceiveBufferSize = 65536;

}  // namespace

UdpListener::UdpListener(SocketFd socket)
    : m_socket(std::move(socket)), m_buffer(kReceiveBufferSize) {}

UdpListener::~UdpListener() {
  if (!m_notifier) return;
  m_notifier->setEnabled(false);
  // The exchange may end (and destroy us) from inside the notifier's own signal.
  if (*m_dispatching)
    m_notifier.release()->deleteLater();
  else
    m_notifier.reset();
}

bool UdpListener::Watch(ReadyCallback onReady) {
  m_notifier = std::make_unique<QSocketNotifier>(m_socket.Get(), QSocketNotifier::Read);
  if (!m_notifier->isEnabled()) return false;  // no event dispatcher on this thread
  QObject::connect(m_notifier.get(), &QSocketNotifier::activated,
                   [dispatching = m_dispatching, onReady = std::move(onReady)] {
                     *dispatching = true;
                     onReady(kReadEvent, 0);
                     *dispatching = false;
                   });
  return true;
}

std::optional<Datagram> UdpListener::Receive() {
  sockaddr_in source{};
  socklen_t sourceLength = sizeof source;
  const ssize_t length = ::recvfrom(m_socket.Get(), m_buffer.data(), m_buffer.size(), 0,
                                    reinterpret_cast<sockaddr*>(&source), &sourceLength);
  if (length < 0) return std::nullopt;
  std::array<char, INET_ADDRSTRLEN> address{};
  ::inet_ntop(AF_INET, &source.sin_addr, address.data(), address.size());
  return Datagram{std::string(m_buffer.data(), static_cast<std::size_t>(length)), address.data()};
}

}  // namespace tamberlyx
