#pragma once

#include "cli/command.h"
#include "cli/discover/no_answer_hint.h"
#include "cli/exchange/discovery.h"
#include "protocol/search_transport.h"

namespace tamberlyx::cli {

// Lists every device that answers one search, as a table or as JSON.
class DiscoverCommand : public Command {
 public:
  DiscoverCommand(const CliCommand& command, CliContext& context, Finish finish);
  void Start() override;

 private:
  void Report(const DiscoveryResult& result);
  std::string Listing(const std::vector<DeviceRecord>& records) const;

  bool m_json;
  bool m_stats;
  CliContext& m_context;
  Finish m_finish;
  SearchTransport m_search;
  CliContext m_searchContext;
  Discovery m_discovery;
};

}  // namespace tamberlyx::cli
