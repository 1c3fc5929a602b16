#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/search_options.h"
#include "cli/setting_assignment.h"

namespace tamberlyx::cli {

enum class CommandKind { kHelp, kDiscover, kVerify, kSet };

struct CliCommand {
  CommandKind kind = CommandKind::kHelp;
  bool json = false;   // discover: machine-readable output
  bool stats = false;  // discover: listed count and window length on stderr
  std::string address;
  std::vector<SettingAssignment> assignments;
  SearchOptions search;  // every command searches first
};

struct ParseOutcome {
  std::optional<CliCommand> command;
  std::string error;  // set when command is empty
};

// The arguments after the program name. Nothing is sent anywhere while parsing.
ParseOutcome ParseCommandLine(const std::vector<std::string_view>& args);

bool NeedsPassword(CommandKind kind);

std::string_view UsageText();

}  // namespace tamberlyx::cli
