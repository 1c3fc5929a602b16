#pragma once

#include "cli/command.h"
#include "cli/discovery.h"

namespace tamberlyx::cli {

// Lists every device that answers one search, as a table or as JSON.
class DiscoverCommand : public Command {
 public:
  DiscoverCommand(const CliCommand& command, CliContext& context, Finish finish);
  void Start() override;

 private:
  void Report(const DiscoveryResult& result);

  bool m_json;
  bool m_stats;
  CliContext& m_context;
  Finish m_finish;
  Discovery m_discovery;
};

}  // namespace tamberlyx::cli
