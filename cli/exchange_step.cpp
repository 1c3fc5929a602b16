#include "cli/exchange_step.h"

namespace tamberlyx::cli {

ExchangeStep::ExchangeStep(const ExchangeKind& kind, CliContext& context, std::string label)
    : m_context(context),
      m_label(std::move(label)),
      m_exchange(kind, context.transport, context.timer, *this, context.tickPeriodMs) {}

void ExchangeStep::Start(std::string_view request, std::string_view destination,
                         ReplyHandler onReply, EndHandler onEnd) {
  Begin(std::move(onReply), std::move(onEnd));
  m_exchange.Start(request, destination);
}

void ExchangeStep::Start(std::string_view request, std::string_view destination,
                         AnswerSources sources, ReplyHandler onReply, EndHandler onEnd) {
  Begin(std::move(onReply), std::move(onEnd));
  m_exchange.Start(request, destination, std::move(sources));
}

void ExchangeStep::Begin(ReplyHandler onReply, EndHandler onEnd) {
  m_onReply = std::move(onReply);
  m_onEnd = std::move(onEnd);
  m_listened = false;
  m_context.progress.Begin(m_label);
}

void ExchangeStep::OnListening() {
  m_listened = true;
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
