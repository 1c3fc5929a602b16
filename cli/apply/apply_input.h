#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/apply_file/apply_file.h"
#include "cli/cli_command.h"
#include "cli/output/password_input.h"

namespace tamberlyx::cli {

// The first line of the file at `path`, as ReadPassword takes it. Refused unless it is a regular
// file that neither its group nor others may read.
PasswordOutcome ReadPasswordFile(const std::string& path);

struct LoadedApplyFile {
  ApplyFile file;
  std::vector<std::string> errors;  // one line each, with its place in FILE where it has one
};

// Reads the apply command's FILE (standard input for "-"), parses it and, unless --check, gives
// every device its password: its own password_file (relative to FILE), else --password-file,
// else the one `readStdinPassword` returns. The file is unusable when there are errors.
LoadedApplyFile LoadApplyFile(const CliCommand& command,
                              const std::function<PasswordOutcome()>& readStdinPassword);

}  // namespace tamberlyx::cli
