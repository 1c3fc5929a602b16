#include "cli/discover/discover_command.h"

#include "cli/discover/interface_listing.h"
#include "cli/exit_codes.h"
#include "cli/output/device_table.h"
#include "cli/output/json_text.h"

namespace tamberlyx::cli {

DiscoverCommand::DiscoverCommand(const CliCommand& command, CliContext& context, Finish finish)
    : m_json(command.json),
      m_stats(command.stats),
      m_context(context),
      m_finish(std::move(finish)),
      m_search(context.transport, context.interfaces, command.search),
      m_searchContext(WithTransport(context, m_search)),
      m_discovery(m_searchContext) {}

void DiscoverCommand::Start() {
  m_discovery.Run([this](const DiscoveryResult& result) { Report(result); });
}

void DiscoverCommand::Report(const DiscoveryResult& result) {
  const auto& records = m_discovery.Devices().Records();
  if (m_json || !records.empty()) m_context.out << Listing(records);
  m_context.out.flush();
  // Standard error only: scripts reading the table or the JSON see an empty result.
  if (records.empty()) {
    m_context.err << "No device answered.\n"
                  << NoAnswerHint(GatherNoAnswerFacts(m_search, result.listened));
  }
  if (m_stats) {
    m_context.err << "listed " << records.size() << ", replies " << result.replies << ", window "
                  << result.window.count() << " ms, dropped " << result.drops.kernel
                  << " by the kernel and " << result.drops.queue << " by the queue\n";
  }
  m_context.err.flush();
  m_finish(result.listened ? kExitOk : kExitFailed);
}

std::string DiscoverCommand::Listing(const std::vector<DeviceRecord>& records) const {
  if (!m_search.Options().Widened()) {
    return m_json ? DevicesAsJson(records) : FormatDeviceTable(records);
  }
  std::vector<std::string> interfaces;
  for (const DeviceRecord& record : records) {
    interfaces.push_back(m_search.InterfaceTowards(record.address));
  }
  return m_json ? DevicesWithInterfacesAsJson(records, interfaces)
                : FormatDeviceTableWithInterfaces(records, interfaces);
}

}  // namespace tamberlyx::cli
