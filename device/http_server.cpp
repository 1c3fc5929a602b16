#include "device/http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstring>

#include "device/http_page.h"

namespace tamberlyx::device {
namespace {

constexpr std::size_t kMaxConnections = 64;
constexpr auto kIdleLimit = std::chrono::seconds(10);

std::uint32_t LocalAddressOf(int fd) {
  sockaddr_in local{};
  socklen_t length = sizeof local;
  if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length) != 0) return 0;
  return ntohl(local.sin_addr.s_addr);
}

}  // namespace

std::optional<HttpServer> HttpServer::Open(std::uint16_t port, std::string& error) {
  SocketFd listener(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  if (!listener.Valid()) {
    error = std::string("cannot create the web socket: ") + std::strerror(errno);
    return std::nullopt;
  }
  const int on = 1;
  setsockopt(listener.Get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_addr.s_addr = htonl(INADDR_ANY);
  local.sin_port = htons(port);
  if (bind(listener.Get(), reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0 ||
      listen(listener.Get(), 64) != 0) {
    error = "cannot listen on TCP port " + std::to_string(port) + ": " + std::strerror(errno);
    return std::nullopt;
  }
  return HttpServer(std::move(listener));
}

void HttpServer::AddPollFds(std::vector<pollfd>& fds) const {
  fds.push_back({m_listener.Get(), POLLIN, 0});
  for (const Connection& connection : m_connections) {
    const short events = connection.response.empty() ? POLLIN : POLLOUT;
    fds.push_back({connection.socket.Get(), events, 0});
  }
}

void HttpServer::ServeReady(const std::vector<pollfd>& fds, std::size_t firstIndex,
                            const HttpResponder& respond) {
  std::size_t index = firstIndex + 1;
  for (auto it = m_connections.begin(); it != m_connections.end() && index < fds.size(); ++index) {
    const short ready = fds[index].revents;
    bool keep = true;
    if (ready & (POLLERR | POLLNVAL)) {
      keep = false;
    } else if (ready & (POLLIN | POLLHUP)) {
      keep = Read(*it, respond);
    } else if (ready & POLLOUT) {
      keep = Write(*it);
    }
    it = keep ? std::next(it) : m_connections.erase(it);
  }
  if (fds[firstIndex].revents & POLLIN) AcceptAll();
}

void HttpServer::ExpireIdle(Clock::time_point now) {
  std::erase_if(m_connections, [now](const Connection& c) { return now - c.started > kIdleLimit; });
}

void HttpServer::AcceptAll() {
  for (;;) {
    SocketFd client(accept4(m_listener.Get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
    if (!client.Valid()) return;
    if (m_connections.size() >= kMaxConnections) continue;  // closed at once
    Connection connection;
    connection.localAddress = LocalAddressOf(client.Get());
    connection.socket = std::move(client);
    connection.started = Clock::now();
    m_connections.push_back(std::move(connection));
  }
}

bool HttpServer::Read(Connection& connection, const HttpResponder& respond) {
  char buffer[4096];
  const ssize_t length = recv(connection.socket.Get(), buffer, sizeof buffer, 0);
  if (length < 0) return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
  if (length == 0) return false;  // the client gave up before a whole request
  connection.received.append(buffer, static_cast<std::size_t>(length));
  const bool tooLong = connection.received.size() > kMaxHttpRequestLength;
  if (!tooLong && !IsCompleteHttpRequest(connection.received)) return true;
  connection.response = tooLong ? std::string("HTTP/1.0 400 Bad Request\r\n\r\n")
                                : respond(connection.received, connection.localAddress);
  return Write(connection);
}

bool HttpServer::Write(Connection& connection) {
  const std::string_view rest = std::string_view(connection.response).substr(connection.sent);
  const ssize_t sent = send(connection.socket.Get(), rest.data(), rest.size(), MSG_NOSIGNAL);
  if (sent < 0) return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
  connection.sent += static_cast<std::size_t>(sent);
  return connection.sent < connection.response.size();
}

}  // namespace tamberlyx::device
