#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/answer_sources.h"
#include "protocol/exchange_timer.h"
#include "protocol/message.h"
#include "protocol/transport.h"

namespace tamberlyx {

// What tells the three exchanges apart; everything else they share.
struct ExchangeKind {
  int tickLimit;                              // the end of time comes on tick tickLimit + 1
  bool broadcast;                             // SO_BROADCAST on the sending socket
  bool ownAddressCheck;                       // replies must name this PC in their address field
  std::vector<std::string_view> endingWords;  // a reply with one of these ends the exchange
};

const ExchangeKind& DiscoveryExchange();  // 16 ticks, collects every GETOK
const ExchangeKind& VerifyExchange();     // 101 ticks, VERIFYOK / VERIFYFAIL
const ExchangeKind& SetExchange();        // 301 ticks, SETOK from any address

struct Reply {
  std::string_view word;
  std::string_view body;
  std::string_view source;  // UDP source address
};

// The window that runs an exchange.
class ExchangeOwner {
 public:
  virtual ~ExchangeOwner() = default;
  // The listening socket is ready (discovery empties its list here).
  virtual void OnListening() {}
  // First thing on every tick: advance the progress bar and handle waiting events.
  virtual void StepProgress() {}
  // A reply that passed the header checks. An ending word has already ended the exchange.
  virtual void OnReply(const Reply& reply) = 0;
  // Asked after each reply: true ends the listening window at once, as its last tick would.
  virtual bool HeardEnough() const { return false; }
  // The listening window is over; `socketWasOpen` tells whether a listening socket existed.
  virtual void OnEndOfTime(bool socketWasOpen) = 0;
  // A message box owned by this window (or the application's, as the message says).
  virtual void ShowMessage(const Message& message) = 0;
};

// One request and its listening window: start order, reply path, tick path, end of time.
class Exchange {
 public:
  Exchange(const ExchangeKind& kind, Transport& transport, ExchangeTimer& timer,
           ExchangeOwner& owner, int tickPeriodMs);
  ~Exchange();
  Exchange(const Exchange&) = delete;
  Exchange& operator=(const Exchange&) = delete;

  // Starts the timer, binds CLIENT_PORT, sends `request` to `destination`:DEVICE_PORT and keeps
  // listening if the send succeeded. A failed send is not reported; the ticks run out. Answers
  // count from `sources` only; without them, a broadcast hears any address and a unicast only
  // its destination.
  void Start(std::string_view request, std::string_view destination);
  void Start(std::string_view request, std::string_view destination, AnswerSources sources);
  // Reply path: reads every waiting datagram.
  void OnSocketNotify(unsigned event, unsigned error);
  // Timer message: runs the tick path once for every tick the clock says is due, so a late
  // message catches up on the ones it missed.
  void OnTick();
  // Stops the timer and closes the listening socket; safe to call when idle.
  void End();

  bool Running() const { return m_running; }
  bool SocketOpen() const { return m_listener != nullptr; }
  int Ticks() const { return m_ticks; }
  // Of the exchange running or last run.
  ReceiveDrops Drops() const;

 private:
  void RunTick();
  void CloseWindow();
  long TicksDue() const;
  void KeepListeningSocket(ListenResult& result);
  void HandleDatagram(const Datagram& datagram);
  bool IsOwnAddress(std::string_view address) const;

  const ExchangeKind& m_kind;
  Transport& m_transport;
  ExchangeTimer& m_timer;
  ExchangeOwner& m_owner;
  int m_tickPeriodMs;
  std::unique_ptr<Listener> m_listener;
  std::vector<std::string> m_ownAddresses;  // read when the exchange starts
  AnswerSources m_sources;
  ExchangeTimer::Clock::time_point m_started;
  long m_ticksRun = 0;    // tick paths run, including the one that ended the exchange
  unsigned m_starts = 0;  // tells a tick of this exchange from one of the next
  ReceiveDrops m_drops;   // of the listener last closed
  std::string m_word;     // of the request, for the log
  std::uint64_t m_answers = 0;
  int m_ticks = 0;
  bool m_running = false;
};

}  // namespace tamberlyx
