#pragma once

#include <poll.h>

#include <cstdint>
#include <functional>
#include <list>
#include <optional>
#include <string>
#include <vector>

#include "device/reply_schedule.h"
#include "platform/net/socket_fd.h"

namespace tamberlyx::device {

// Builds the response to one request head that arrived on `localAddress` (host byte order).
using HttpResponder =
    std::function<std::string(const std::string& request, std::uint32_t localAddress)>;

// The web page server: non-blocking, driven by the device's poll loop, one response per
// connection, then closed.
class HttpServer {
 public:
  static std::optional<HttpServer> Open(std::uint16_t port, std::string& error);

  // Appends the descriptors to poll; ServeReady must get the same vector back after poll.
  void AddPollFds(std::vector<pollfd>& fds) const;
  void ServeReady(const std::vector<pollfd>& fds, std::size_t firstIndex,
                  const HttpResponder& respond);
  // Drops connections idle for too long.
  void ExpireIdle(Clock::time_point now);
  bool HasConnections() const { return !m_connections.empty(); }

 private:
  struct Connection {
    SocketFd socket;
    std::uint32_t localAddress = 0;
    std::string received;
    std::string response;
    std::size_t sent = 0;
    Clock::time_point started;
  };

  explicit HttpServer(SocketFd listener) : m_listener(std::move(listener)) {}
  void AcceptAll();
  // False when the connection is finished and must be closed.
  bool Read(Connection& connection, const HttpResponder& respond);
  bool Write(Connection& connection);

  SocketFd m_listener;
  std::list<Connection> m_connections;
};

}  // namespace tamberlyx::device
