#pragma once

#include "platform/net/socket_layer.h"

namespace tamberlyx {

// A socket layer whose start-up outcome the test chooses; counts the checks.
class FakeSocketLayer : public SocketLayer {
 public:
  explicit FakeSocketLayer(bool works = true) : m_works(works) {}
  bool Start() override {
    ++m_starts;
    return m_works;
  }
  int Starts() const { return m_starts; }

 private:
  bool m_works;
  int m_starts = 0;
};

}  // namespace tamberlyx
