#include "tests/unit/protocol/exchange_fakes.h"

#include "protocol/constants.h"

namespace tamberlyx::testing_fakes {

std::optional<Datagram> FakeListener::Receive() {
  ++m_state->reads;
  if (m_state->waiting.empty() && m_state->flood > 0) {
    --m_state->flood;
    return Datagram{ReplyBytes("192.168.1.5", "GETOK", ""), "10.0.0.66"};
  }
  if (m_state->waiting.empty()) return std::nullopt;
  Datagram datagram = std::move(m_state->waiting.front());
  m_state->waiting.pop_front();
  return datagram;
}

bool FakeTransport::Send(std::string_view datagram, std::string_view destination, bool broadcast) {
  sent.push_back({std::string(datagram), std::string(destination), broadcast});
  if (sendSucceeds && onSend) onSend();
  return sendSucceeds;
}

ListenResult FakeTransport::Listen(ReadyCallback ready) {
  ++listens;
  onReady = std::move(ready);
  ListenResult result;
  result.error = listenError;
  if (listenError == ListenError::kCreate) return result;
  socket = std::make_shared<SocketState>();
  socket->open = true;
  socket->registered = listenError == ListenError::kNone;
  result.listener = std::make_unique<FakeListener>(socket);
  return result;
}

void FakeTransport::Deliver(std::string bytes, std::string source) {
  if (!socket->open || !socket->registered) return;  // nobody listens: the datagram is lost
  socket->waiting.push_back({std::move(bytes), std::move(source)});
  if (onReady) onReady(kReadEvent, 0);
}

void FakeTimer::Start(int period, std::function<void()> onTick) {
  running = true;
  periodMs = period;
  m_onTick = std::move(onTick);
}

void FakeTimer::Stop() {
  running = false;
  ++stops;
}

int FakeTimer::Fire(int count) {
  int fired = 0;
  for (; fired < count && running; ++fired) m_onTick();
  return fired;
}

void FakeOwner::StepProgress() {
  ++steps;
  if (onStepProgress) onStepProgress();
}

void FakeOwner::OnReply(const Reply& reply) {
  replies.push_back({std::string(reply.word), std::string(reply.body), std::string(reply.source),
                     exchange != nullptr && exchange->Running()});
}

std::string ReplyBytes(std::string_view address, std::string_view word, std::string_view body) {
  std::string bytes(address);
  bytes.resize(kAddressFieldWidth, ' ');
  bytes += word;
  bytes.resize(kHeaderLength, ' ');
  return bytes += body;
}

}  // namespace tamberlyx::testing_fakes
