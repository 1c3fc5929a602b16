#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/exchange/setting_assignment.h"
#include "protocol/search_options.h"

namespace tamberlyx::cli {

enum class CommandKind { kHelp, kDiscover, kVerify, kSet, kApply };

inline constexpr int kDefaultParallel = 8;
inline constexpr int kDefaultApplyWaitSeconds = 30;

struct CliCommand {
  CommandKind kind = CommandKind::kHelp;
  bool json = false;     // discover, apply: machine-readable output
  bool stats = false;    // discover: listed count and window length on stderr
  bool verbose = false;  // every command: the events of the wire on stderr
  std::string address;
  std::vector<SettingAssignment> assignments;
  SearchOptions search;  // every command searches first
  int waitSeconds = 0;   // set, apply: how long the read-back may search; 0: none
  bool force = false;    // set, apply: save even when the new fixed address would not work
  // apply
  bool check = false;  // the plan only, nothing sent after the search
  int parallel = kDefaultParallel;
  std::string file;          // "-": standard input
  std::string passwordFile;  // the common password, instead of standard input
};

struct ParseOutcome {
  std::optional<CliCommand> command;
  std::string error;  // set when command is empty
};

// The arguments after the program name. Nothing is sent anywhere while parsing.
ParseOutcome ParseCommandLine(const std::vector<std::string_view>& args);

bool NeedsPassword(CommandKind kind);

// What --help prints, made from the same declaration the parser reads.
std::string UsageText();

}  // namespace tamberlyx::cli
