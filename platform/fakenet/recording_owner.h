#pragma once

#include <functional>
#include <string>
#include <vector>

#include "protocol/exchange.h"

namespace tamberlyx {

// A reply as the owner was handed it.
struct RecordedReply {
  std::string word;
  std::string body;
  std::string source;
  bool exchangeRunning;  // whether the exchange still ran when the reply was handed over
};

// The window of an exchange, for tests: records what it is told; hooks stand for what a page
// would do on listening, on each progress step and on each reply.
class RecordingOwner : public ExchangeOwner {
 public:
  void OnListening() override;
  void StepProgress() override;
  void OnReply(const Reply& reply) override;
  bool HeardEnough() const override { return heardEnough && heardEnough(); }
  void OnEndOfTime(bool socketWasOpen) override { endOfTime.push_back(socketWasOpen); }
  void ShowMessage(const Message& message) override { messages.push_back(message); }

  std::vector<std::string> Words() const;

  const Exchange* exchange = nullptr;  // tells RecordedReply::exchangeRunning
  std::function<void()> onListening;
  std::function<void()> onStepProgress;  // events the progress step dispatches
  std::function<void(const Reply&)> onReply;
  std::function<bool()> heardEnough;
  int listening = 0;
  int steps = 0;
  std::vector<RecordedReply> replies;
  std::vector<bool> endOfTime;
  std::vector<Message> messages;
};

}  // namespace tamberlyx
