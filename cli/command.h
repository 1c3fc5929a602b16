#pragma once

#include <functional>
#include <memory>
#include <string>

#include "cli/cli_command.h"
#include "cli/cli_context.h"

namespace tamberlyx::cli {

// A command in progress. Finish is called once, with the exit code, from the event loop.
class Command {
 public:
  using Finish = std::function<void(int exitCode)>;
  virtual ~Command() = default;
  virtual void Start() = 0;
};

// What a device command needs beyond the command line.
struct Credentials {
  std::string password;
  bool korean = false;  // the language the locale entry is rewritten to on a save
};

// nullptr for --help, which needs no network.
std::unique_ptr<Command> MakeCommand(const CliCommand& command, CliContext& context,
                                     Credentials credentials, Command::Finish finish);

}  // namespace tamberlyx::cli
