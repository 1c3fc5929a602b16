#include "platform/desktop/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>

namespace tamberlyx {
namespace {

constexpr std::array kSignals = {SIGTERM, SIGINT, SIGHUP};

// The handler may only write to a pipe; the notifier reads it on the GUI thread.
int g_pipe[2] = {-1, -1};

void OnSignal(int signalNumber) {
  const int savedErrno = errno;
  const auto byte = static_cast<unsigned char>(signalNumber);
  [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
  errno = savedErrno;
}

void SetHandler(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signalNumber : kSignals) ::sigaction(signalNumber, &action, nullptr);
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
  if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::OnReadable);
  SetHandler(OnSignal);
}

TerminationSignals::~TerminationSignals() {
  if (m_notifier == nullptr) return;
  SetHandler(SIG_DFL);
  delete m_notifier;
  for (int& fd : g_pipe) {
    ::close(fd);
    fd = -1;
  }
}

void TerminationSignals::OnReadable() {
  unsigned char byte = 0;
  while (::read(g_pipe[0], &byte, 1) == 1) Q_EMIT received(byte);
}

}  // namespace tamberlyx
