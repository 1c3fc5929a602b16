#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "cli/cli_context.h"
#include "operations/exchange_request.h"
#include "protocol/exchange.h"

namespace tamberlyx::cli {

// One exchange on behalf of a command: its messages go to stderr, its ticks to the progress
// line, its replies and its end of time to the handlers given at the start.
class ExchangeStep : public ExchangeOwner {
 public:
  using ReplyHandler = std::function<void(const Reply&)>;
  using EndHandler = std::function<void(bool socketWasOpen)>;

  ExchangeStep(const ExchangeKind& kind, CliContext& context, std::string label);

  // `onListening`, when given, runs once CLIENT_PORT is bound and registered.
  void Start(const ExchangeRequest& request, ReplyHandler onReply, EndHandler onEnd,
             std::function<void()> onListening = {});

  ReceiveDrops Drops() const { return m_exchange.Drops(); }
  // Asked after each reply: true ends the window then, as its end of time would.
  void EndWhen(std::function<bool()> heardEnough) { m_heardEnough = std::move(heardEnough); }

  void OnListening() override;
  void StepProgress() override;
  void OnReply(const Reply& reply) override;
  bool HeardEnough() const override { return m_heardEnough && m_heardEnough(); }
  void OnEndOfTime(bool socketWasOpen) override;
  void ShowMessage(const Message& message) override;

 private:
  CliContext& m_context;
  std::string m_label;
  ReplyHandler m_onReply;
  EndHandler m_onEnd;
  std::function<void()> m_onListening;
  std::function<bool()> m_heardEnough;
  Exchange m_exchange;
};

}  // namespace tamberlyx::cli
