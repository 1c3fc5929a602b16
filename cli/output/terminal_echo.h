#pragma once

#include <termios.h>

namespace tamberlyx::cli {

// Switches echo off on a terminal for its lifetime, so a typed password is not shown. A
// signal that ends the program meanwhile restores the terminal first.
class TerminalEchoOff {
 public:
  explicit TerminalEchoOff(int fd);
  ~TerminalEchoOff();
  TerminalEchoOff(const TerminalEchoOff&) = delete;
  TerminalEchoOff& operator=(const TerminalEchoOff&) = delete;

  bool Active() const { return m_active; }

 private:
  int m_fd;
  bool m_active = false;
};

}  // namespace tamberlyx::cli
