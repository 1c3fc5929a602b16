#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "protocol/exchange.h"
#include "protocol/exchange_timer.h"
#include "protocol/transport.h"

namespace tamberlyx::testing_fakes {

// What the listening socket holds, shared with the test after the exchange took the socket.
struct SocketState {
  std::deque<Datagram> waiting;
  bool open = false;
  bool registered = false;  // bound and announcing readiness
  int reads = 0;
  int flood = 0;  // datagrams that keep coming after `waiting` is empty
};

class FakeListener : public Listener {
 public:
  explicit FakeListener(std::shared_ptr<SocketState> state) : m_state(std::move(state)) {}
  ~FakeListener() override { m_state->open = false; }
  std::optional<Datagram> Receive() override;

 private:
  std::shared_ptr<SocketState> m_state;
};

struct SentDatagram {
  std::string bytes;
  std::string destination;
  bool broadcast;
};

class FakeTransport : public Transport {
 public:
  bool Send(std::string_view datagram, std::string_view destination, bool broadcast) override;
  ListenResult Listen(ReadyCallback onReady) override;
  std::vector<std::string> OwnAddresses() override { return ownAddresses; }

  // Puts a datagram on the listening socket and announces it, as the socket layer would.
  void Deliver(std::string bytes, std::string source);

  bool sendSucceeds = true;
  std::function<void()> onSend;  // a device that answers while the request is still leaving
  ListenError listenError = ListenError::kNone;
  std::vector<std::string> ownAddresses = {"192.168.1.5"};
  std::vector<SentDatagram> sent;
  int listens = 0;
  std::shared_ptr<SocketState> socket = std::make_shared<SocketState>();
  ReadyCallback onReady;
};

class FakeTimer : public ExchangeTimer {
 public:
  void Start(int periodMs, std::function<void()> onTick) override;
  void Stop() override;
  // Fires `count` ticks while the timer runs; returns how many fired.
  int Fire(int count);

  bool running = false;
  int periodMs = 0;
  int stops = 0;

 private:
  std::function<void()> m_onTick;
};

struct RecordedReply {
  std::string word;
  std::string body;
  std::string source;
  bool exchangeRunning;  // whether the exchange still ran when the reply was handed over
};

class FakeOwner : public ExchangeOwner {
 public:
  void OnListening() override { ++listening; }
  void StepProgress() override;
  void OnReply(const Reply& reply) override;
  void OnEndOfTime(bool socketWasOpen) override { endOfTime.push_back(socketWasOpen); }
  void ShowMessage(const Message& message) override { messages.push_back(message); }

  const Exchange* exchange = nullptr;
  std::function<void()> onStepProgress;  // events the progress step dispatches
  int listening = 0;
  int steps = 0;
  std::vector<RecordedReply> replies;
  std::vector<bool> endOfTime;
  std::vector<Message> messages;
};

// A reply datagram laid out as a device sends it.
std::string ReplyBytes(std::string_view address, std::string_view word, std::string_view body);

}  // namespace tamberlyx::testing_fakes
