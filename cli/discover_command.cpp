#include "cli/discover_command.h"

#include "cli/device_table.h"
#include "cli/exit_codes.h"
#include "cli/json_text.h"

namespace tamberlyx::cli {

DiscoverCommand::DiscoverCommand(const CliCommand& command, CliContext& context, Finish finish)
    : m_json(command.json),
      m_stats(command.stats),
      m_context(context),
      m_finish(std::move(finish)),
      m_discovery(context) {}

void DiscoverCommand::Start() {
  m_discovery.Run([this](const DiscoveryResult& result) { Report(result); });
}

void DiscoverCommand::Report(const DiscoveryResult& result) {
  const auto& records = m_discovery.Devices().Records();
  if (m_json) {
    m_context.out << DevicesAsJson(records);
  } else if (records.empty()) {
    m_context.err << "No device answered.\n";
  } else {
    m_context.out << FormatDeviceTable(records);
  }
  m_context.out.flush();
  if (m_stats) {
    m_context.err << "listed " << records.size() << ", replies " << result.replies << ", window "
                  << result.window.count() << " ms, dropped " << result.drops.kernel
                  << " by the kernel and " << result.drops.queue << " by the queue\n";
  }
  m_context.err.flush();
  m_finish(result.listened ? kExitOk : kExitFailed);
}

}  // namespace tamberlyx::cli
