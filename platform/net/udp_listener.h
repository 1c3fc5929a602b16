#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "platform/net/socket_fd.h"
#include "protocol/transport.h"

class QSocketNotifier;

namespace tamberlyx {

// The socket bound to CLIENT_PORT, with readiness delivered on the Qt event loop.
class UdpListener : public Listener {
 public:
  explicit UdpListener(SocketFd socket);
  ~UdpListener() override;
  UdpListener(const UdpListener&) = delete;
  UdpListener& operator=(const UdpListener&) = delete;

  // Reports every readable state to `onReady` as a read event. False when the event loop cannot
  // watch the socket.
  bool Watch(ReadyCallback onReady);
  std::optional<Datagram> Receive() override;

 private:
  SocketFd m_socket;
  std::unique_ptr<QSocketNotifier> m_notifier;
  // Set while `onReady` runs; shared with the notifier's slot, which may outlive this listener
  // when the callback ends the exchange.
  std::shared_ptr<bool> m_dispatching = std::make_shared<bool>(false);
  std::vector<char> m_buffer;
};

}  // namespace tamberlyx
