#include "cli/exchange/discovery.h"

namespace tamberlyx::cli {

Discovery::Discovery(CliContext& context) : m_step(DiscoveryExchange(), context, "Searching") {
  m_step.EndWhen([this] { return m_search.HeardAll(); });
}

void Discovery::Run(std::function<void(const DiscoveryResult&)> done) {
  m_started = std::chrono::steady_clock::now();
  m_step.Start(
      m_search.Begin(), [this](const Reply& reply) { m_search.OnReply(reply); },
      [this, done = std::move(done)](bool) {
        done({m_search.Listened(), m_search.Replies(),
              std::chrono::duration_cast<std::chrono::milliseconds>(
                  std::chrono::steady_clock::now() - m_started),
              m_step.Drops()});
      },
      [this] { m_search.OnListening(); });
}

}  // namespace tamberlyx::cli
