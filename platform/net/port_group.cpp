#include "platform/net/port_group.h"

#include <netinet/in.h>
#include <sys/socket.h>

namespace tamberlyx {
namespace {

// As much as the system allows: the reader thread drains the queues, which only absorb the
// moments it is not scheduled.
constexpr int kReceiveQueueBytes = 4 * 1024 * 1024;

bool Bind(const SocketFd& socket, std::uint16_t port) {
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = htons(port);
  local.sin_addr.s_addr = htonl(INADDR_ANY);
  return ::bind(socket.Get(), reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0;
}

bool Enable(const SocketFd& socket, int option, int value) {
  return ::setsockopt(socket.Get(), SOL_SOCKET, option, &value, sizeof value) == 0;
}

}  // namespace

SocketFd OpenDatagramSocket() {
  return SocketFd(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
}

PortGroup BindPortGroup(std::uint16_t port, std::size_t size) {
  PortGroup group;
  // A plain bind fails while anyone holds the port, a group with SO_REUSEPORT included.
  SocketFd probe = OpenDatagramSocket();
  if (!probe.Valid()) return {{}, ListenError::kCreate};
  if (!Bind(probe, port)) {
    group.sockets.push_back(std::move(probe));
    group.error = ListenError::kBind;
    return group;
  }
  probe.Reset();
  while (group.sockets.size() < size) {
    SocketFd socket = OpenDatagramSocket();
    if (!socket.Valid()) break;
    // Where sharing is refused, one socket listens alone.
    const bool shared = Enable(socket, SO_REUSEPORT, 1);
    if (!Bind(socket, port)) {
      if (!group.sockets.empty()) break;  // the sockets bound so far still listen
      group.sockets.push_back(std::move(socket));
      group.error = ListenError::kBind;
      return group;
    }
    Enable(socket, SO_RCVBUF, kReceiveQueueBytes);  // a smaller queue still works
    group.sockets.push_back(std::move(socket));
    if (!shared) break;
  }
  if (group.sockets.empty()) group.error = ListenError::kCreate;
  return group;
}

}  // namespace tamberlyx
