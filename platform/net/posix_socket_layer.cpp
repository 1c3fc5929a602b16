#include "platform/net/posix_socket_layer.h"

#include <sys/socket.h>

#include "platform/net/socket_fd.h"

namespace tamberlyx {

bool PosixSocketLayer::Start() {
  return SocketFd(::socket(AF_INET, SOCK_DGRAM, 0)).Valid();
}

}  // namespace tamberlyx
