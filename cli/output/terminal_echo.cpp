#include "cli/output/terminal_echo.h"

#include <unistd.h>

#include <csignal>

namespace tamberlyx::cli {
namespace {

// What the signal handler needs; only one guard is ever active.
int g_fd = -1;
termios g_saved{};
struct sigaction g_previousInt {};
struct sigaction g_previousTerm {};

extern "C" void RestoreAndReraise(int signal) {
  tcsetattr(g_fd, TCSANOW, &g_saved);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void InstallHandlers() {
  struct sigaction action {};
  action.sa_handler = RestoreAndReraise;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &g_previousInt);
  sigaction(SIGTERM, &action, &g_previousTerm);
}

}  // namespace

TerminalEchoOff::TerminalEchoOff(int fd) : m_fd(fd) {
  if (!isatty(fd) || tcgetattr(fd, &g_saved) != 0) return;
  g_fd = fd;
  InstallHandlers();
  termios quiet = g_saved;
  quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
  m_active = tcsetattr(fd, TCSAFLUSH, &quiet) == 0;
}

TerminalEchoOff::~TerminalEchoOff() {
  if (g_fd != m_fd) return;
  tcsetattr(m_fd, TCSAFLUSH, &g_saved);
  sigaction(SIGINT, &g_previousInt, nullptr);
  sigaction(SIGTERM, &g_previousTerm, nullptr);
  g_fd = -1;
}

}  // namespace tamberlyx::cli
