#pragma once

#include <unistd.h>

#include <utility>

namespace tamberlyx {

// Owns one file descriptor and closes it once.
class SocketFd {
 public:
  SocketFd() = default;
  explicit SocketFd(int fd) : m_fd(fd) {}
  SocketFd(SocketFd&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
  SocketFd& operator=(SocketFd&& other) noexcept {
    if (this != &other) {
      Reset();
      m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
  }
  SocketFd(const SocketFd&) = delete;
  SocketFd& operator=(const SocketFd&) = delete;
  ~SocketFd() { Reset(); }

  int Get() const { return m_fd; }
  bool Valid() const { return m_fd >= 0; }
  void Reset() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
  }

 private:
  int m_fd = -1;
};

}  // namespace tamberlyx
