#include "cli/exchange/exchange_step.h"

namespace tamberlyx::cli {

ExchangeStep::ExchangeStep(const ExchangeKind& kind, CliContext& context, std::string label)
    : m_context(context),
      m_label(std::move(label)),
      m_exchange(kind, context.transport, context.timer, *this, context.tickPeriodMs) {}

void ExchangeStep::Start(const ExchangeRequest& request, ReplyHandler onReply, EndHandler onEnd,
                         std::function<void()> onListening) {
  m_onReply = std::move(onReply);
  m_onEnd = std::move(onEnd);
  m_onListening = std::move(onListening);
  m_context.progress.Begin(m_label);
  m_exchange.Start(request.datagram, request.destination, request.sources);
}

void ExchangeStep::OnListening() {
  if (m_onListening) m_onListening();
}

void ExchangeStep::StepProgress() {
  m_context.progress.Step();
}

void ExchangeStep::OnReply(const Reply& reply) {
  if (!m_exchange.Running()) m_context.progress.Clear();
  m_onReply(reply);
}

void ExchangeStep::OnEndOfTime(bool socketWasOpen) {
  m_context.progress.Clear();
  m_onEnd(socketWasOpen);
}

void ExchangeStep::ShowMessage(const Message& message) {
  m_context.progress.Clear();
  m_context.err << message.text << '\n' << std::flush;
}

}  // namespace tamberlyx::cli
