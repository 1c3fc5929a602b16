#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/net/socket_fd.h"

namespace tamberlyx::device {

struct ReceivedDatagram {
  std::string bytes;         // the whole datagram, however long
  std::uint32_t source = 0;  // host byte order
  std::uint16_t sourcePort = 0;
  std::uint32_t destination = 0;   // the address the datagram was sent to (may be a broadcast)
  std::uint32_t localAddress = 0;  // the local address it arrived on
};

// The device's UDP socket: bound to 0.0.0.0:port, it learns each datagram's destination and
// chooses each reply's source address, so many devices can share it.
class UdpEndpoint {
 public:
  // nullopt with `error` set when the socket cannot be made or bound.
  static std::optional<UdpEndpoint> Open(std::uint16_t port, std::string& error);

  int Fd() const { return m_socket.Get(); }
  // One waiting datagram; nullopt when none waits.
  std::optional<ReceivedDatagram> Receive();
  // Sends from `source` (0: the system chooses). Returns the error number, 0 on success.
  int Send(std::string_view bytes, std::uint32_t source, std::uint32_t destination,
           std::uint16_t port);

 private:
  explicit UdpEndpoint(SocketFd socket) : m_socket(std::move(socket)) {}
  SocketFd m_socket;
};

}  // namespace tamberlyx::device
