#pragma once

namespace tamberlyx {

// The start-up check of the socket layer; the program ends with a message when it fails.
class SocketLayer {
 public:
  virtual ~SocketLayer() = default;
  virtual bool Start() = 0;
};

}  // namespace tamberlyx
