#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "cli/cli_context.h"
#include "protocol/exchange.h"

namespace tamberlyx::cli {

// One exchange on behalf of a command: its messages go to stderr, its ticks to the progress
// line, its replies and its end of time to the handlers given at the start.
class ExchangeStep : public ExchangeOwner {
 public:
  using ReplyHandler = std::function<void(const Reply&)>;
  using EndHandler = std::function<void(bool socketWasOpen)>;

  ExchangeStep(const ExchangeKind& kind, CliContext& context, std::string label);

  void Start(std::string_view request, std::string_view destination, ReplyHandler onReply,
             EndHandler onEnd);
  void Start(std::string_view request, std::string_view destination, AnswerSources sources,
             ReplyHandler onReply, EndHandler onEnd);

  // Whether CLIENT_PORT was bound and registered for the exchange last started.
  bool Listened() const { return m_listened; }
  ReceiveDrops Drops() const { return m_exchange.Drops(); }

  void OnListening() override;
  void StepProgress() override;
  void OnReply(const Reply& reply) override;
  void OnEndOfTime(bool socketWasOpen) override;
  void ShowMessage(const Message& message) override;

 private:
  void Begin(ReplyHandler onReply, EndHandler onEnd);

  CliContext& m_context;
  std::string m_label;
  ReplyHandler m_onReply;
  EndHandler m_onEnd;
  bool m_listened = false;
  Exchange m_exchange;
};

}  // namespace tamberlyx::cli
