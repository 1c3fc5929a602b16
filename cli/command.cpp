#include "cli/command.h"

#include "cli/apply/apply_command.h"
#include "cli/discover/discover_command.h"
#include "cli/verify_set/device_command.h"

namespace tamberlyx::cli {

std::unique_ptr<Command> MakeCommand(const CliCommand& command, CliContext& context,
                                     Credentials credentials, Command::Finish finish) {
  switch (command.kind) {
    case CommandKind::kDiscover:
      return std::make_unique<DiscoverCommand>(command, context, std::move(finish));
    case CommandKind::kVerify:
    case CommandKind::kSet:
      return std::make_unique<DeviceCommand>(command, context, std::move(credentials),
                                             std::move(finish));
    case CommandKind::kApply:
      return std::make_unique<ApplyCommand>(command, context, std::move(credentials),
                                            std::move(finish), FileOfCommandLine(command));
    case CommandKind::kHelp:
      break;
  }
  return nullptr;
}

}  // namespace tamberlyx::cli
