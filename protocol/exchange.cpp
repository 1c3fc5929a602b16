#include "protocol/exchange.h"

#include <algorithm>

#include "protocol/constants.h"
#include "protocol/datagram.h"
#include "protocol/events.h"
#include "protocol/messages.h"

namespace tamberlyx {
namespace {

// Readiness is level-triggered, so what is left is announced again; the bound returns to the
// event loop in time for the timer when a peer floods CLIENT_PORT.
constexpr int kMaxReadsPerNotification = 256;

void ReportDrop(const Datagram& datagram, DropReason reason) {
  if (!EventsWanted()) return;  // a flood of strays costs nothing more with nobody listening
  ReportEvent({.kind = EventKind::kAnswerDropped,
               .interfaceName = datagram.interfaceName,
               .address = datagram.source,
               .length = datagram.bytes.size(),
               .reason = reason});
}

void ReportReceiveDrops(const ReceiveDrops& drops) {
  if (drops.kernel != 0) {
    ReportEvent({.kind = EventKind::kReceiveDropped, .detail = "kernel", .count = drops.kernel});
  }
  if (drops.queue != 0) {
    ReportEvent({.kind = EventKind::kReceiveDropped, .detail = "queue", .count = drops.queue});
  }
}

}  // namespace

const ExchangeKind& DiscoveryExchange() {
  static const ExchangeKind kind{15, true, true, {}};
  return kind;
}

const ExchangeKind& VerifyExchange() {
  static const ExchangeKind kind{100, false, true, {kWordVerifyOk, kWordVerifyFail}};
  return kind;
}

const ExchangeKind& SetExchange() {
  static const ExchangeKind kind{300, false, false, {kWordSetOk}};
  return kind;
}

Exchange::Exchange(const ExchangeKind& kind, Transport& transport, ExchangeTimer& timer,
                   ExchangeOwner& owner, int tickPeriodMs)
    : m_kind(kind),
      m_transport(transport),
      m_timer(timer),
      m_owner(owner),
      m_tickPeriodMs(tickPeriodMs) {}

Exchange::~Exchange() {
  End();
}

void Exchange::Start(std::string_view request, std::string_view destination) {
  Start(request, destination,
        m_kind.broadcast ? AnyAddress() : OnlyFrom({std::string(destination)}));
}

void Exchange::Start(std::string_view request, std::string_view destination,
                     AnswerSources sources) {
  End();
  ++m_starts;
  m_ticks = 0;
  m_ticksRun = 0;
  m_drops = {};
  m_sources = std::move(sources);
  m_running = true;
  // Once per exchange, not per reply: a thousand replies would otherwise resolve the host name
  // and walk the interfaces a thousand times on the event loop.
  m_ownAddresses = m_kind.ownAddressCheck ? m_transport.OwnAddresses() : std::vector<std::string>{};
  m_started = m_timer.Now();
  const std::optional<ParsedDatagram> sent = ParseDatagram(request);
  m_word = sent ? std::string(sent->wordToken) : std::string();
  m_answers = 0;
  ReportEvent({.kind = EventKind::kWindowOpened,
               .address = std::string(destination),
               .word = m_word,
               .count = static_cast<std::uint64_t>(m_kind.tickLimit + 1)});
  m_timer.Start(m_tickPeriodMs, [this] { OnTick(); });
  // Listening before the request leaves: a device on a fast network answers before a socket
  // opened afterwards would be bound, and its reply would be lost. A failed send still leaves
  // no listening socket and shows nothing.
  ListenResult listening =
      m_transport.Listen([this](unsigned event, unsigned error) { OnSocketNotify(event, error); });
  if (m_transport.Send(request, destination, m_kind.broadcast)) KeepListeningSocket(listening);
}

void Exchange::KeepListeningSocket(ListenResult& result) {
  m_listener = std::move(result.listener);
  switch (result.error) {
    case ListenError::kNone:
      m_owner.OnListening();
      return;
    case ListenError::kCreate:
      m_owner.ShowMessage(messages::CreateSocketFailed());
      return;
    case ListenError::kBind:
      m_owner.ShowMessage(messages::BindFailed());
      return;
    case ListenError::kSelect:
      m_owner.ShowMessage(messages::SelectFailed());
      return;
  }
}

void Exchange::OnSocketNotify(unsigned event, unsigned error) {
  if (error != 0) m_owner.ShowMessage(messages::NotificationError(event, error));
  if (event != kReadEvent) return;
  // Reading what waits, not one datagram, keeps a burst of many devices from overflowing the
  // socket's queue. A reply may end the window and its owner start the next exchange, whose
  // datagrams wait for their own notification.
  const unsigned started = m_starts;
  for (int read = 0;
       read < kMaxReadsPerNotification && m_running && m_listener && started == m_starts; ++read) {
    std::optional<Datagram> datagram = m_listener->Receive();
    if (!datagram) return;
    HandleDatagram(*datagram);
  }
}

void Exchange::HandleDatagram(const Datagram& datagram) {
  // A third host must not decide a password check or report a save that never happened.
  if (!m_sources.Accepts(datagram.source)) return ReportDrop(datagram, DropReason::kOtherSource);
  const std::optional<ParsedDatagram> reply = ParseDatagram(datagram.bytes);
  if (!reply) return ReportDrop(datagram, DropReason::kTooLong);
  if (m_kind.ownAddressCheck && !IsOwnAddress(reply->addressToken)) {
    return ReportDrop(datagram, DropReason::kNotForThisPc);
  }
  ++m_answers;
  if (EventsWanted()) {
    ReportEvent({.kind = EventKind::kAnswerAccepted,
                 .interfaceName = datagram.interfaceName,
                 .address = datagram.source,
                 .word = std::string(reply->wordToken),
                 .length = datagram.bytes.size(),
                 .detail = SafeBody(reply->wordToken, reply->body)});
  }
  const bool ending =
      std::ranges::find(m_kind.endingWords, reply->wordToken) != m_kind.endingWords.end();
  if (ending) End();
  const unsigned started = m_starts;
  m_owner.OnReply(Reply{reply->wordToken, reply->body, datagram.source});
  if (m_running && started == m_starts && m_owner.HeardEnough()) CloseWindow();
}

bool Exchange::IsOwnAddress(std::string_view address) const {
  return std::ranges::find(m_ownAddresses, address) != m_ownAddresses.end();
}

void Exchange::OnTick() {
  // The due count is read again after each tick: the tick may end the exchange and start another.
  while (m_running && m_ticksRun < TicksDue()) {
    ++m_ticksRun;
    RunTick();
  }
}

long Exchange::TicksDue() const {
  // A millisecond early still counts: the timer and this clock are read at slightly different
  // moments.
  const auto elapsed = m_timer.Now() - m_started + std::chrono::milliseconds(1);
  return static_cast<long>(elapsed / std::chrono::milliseconds(std::max(m_tickPeriodMs, 1)));
}

void Exchange::RunTick() {
  const unsigned started = m_starts;
  m_owner.StepProgress();
  // The step may have ended this exchange or started the next one, which this tick is not of.
  if (!m_running || started != m_starts) return;
  if (m_ticks < m_kind.tickLimit) {
    ++m_ticks;
    return;
  }
  CloseWindow();
}

void Exchange::CloseWindow() {
  const bool socketWasOpen = SocketOpen();
  End();
  m_owner.OnEndOfTime(socketWasOpen);
}

void Exchange::End() {
  if (m_running) {
    m_timer.Stop();
    ReportEvent({.kind = EventKind::kWindowClosed, .word = m_word, .count = m_answers});
  }
  m_running = false;
  if (!m_listener) return;
  // What still waits came too late; said once each, so that a late answer is no mystery.
  while (std::optional<Datagram> late = m_listener->Receive()) {
    ReportDrop(*late, DropReason::kAfterWindow);
  }
  m_drops = m_listener->Drops();
  ReportReceiveDrops(m_drops);
  m_listener.reset();
}

ReceiveDrops Exchange::Drops() const {
  return m_listener ? m_listener->Drops() : m_drops;
}

}  // namespace tamberlyx
