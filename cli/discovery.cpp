#include "cli/discovery.h"

#include "protocol/constants.h"
#include "protocol/datagram.h"

namespace tamberlyx::cli {

Discovery::Discovery(CliContext& context) : m_step(DiscoveryExchange(), context, "Searching") {}

void Discovery::Run(std::function<void(const DiscoveryResult&)> done) {
  m_devices.FreeDeviceList();
  m_result = {};
  m_started = std::chrono::steady_clock::now();
  m_step.Start(
      BuildDiscoveryRequest(), kBroadcastAddress,
      [this](const Reply& reply) {
        if (reply.word != kWordGetOk) return;
        ++m_result.replies;
        m_devices.AcceptGetReply(reply.body, reply.source);
      },
      [this, done = std::move(done)](bool) {
        m_result.listened = m_step.Listened();
        m_result.drops = m_step.Drops();
        m_result.window = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - m_started);
        done(m_result);
      });
}

}  // namespace tamberlyx::cli
