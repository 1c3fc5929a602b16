#pragma once

#include "platform/net/socket_layer.h"

namespace tamberlyx {

// Usable when a datagram socket can be created.
class PosixSocketLayer : public SocketLayer {
 public:
  bool Start() override;
};

}  // namespace tamberlyx
