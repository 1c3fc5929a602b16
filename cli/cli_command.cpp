#include "cli/cli_command.h"

#include <algorithm>

#include "protocol/ipv4_text.h"

namespace tamberlyx::cli {
namespace {

constexpr std::string_view kUsage =
    R"(Usage:
  tamberlyx-cli discover [SEARCH...] [--json] [--stats]
  tamberlyx-cli verify [SEARCH...] ADDRESS
  tamberlyx-cli set [SEARCH...] ADDRESS KEY=VALUE...
  tamberlyx-cli --help

Finds storage devices on the local network and changes their settings.

  discover   Broadcasts one search and lists every device that answered within 0.8 s:
             server name, address, addressing mode and hardware address.
    --json   Prints an array of {"address", "name", "settings"} objects instead.
    --stats  Also prints the number of devices listed, the length of the
             listening window (ms) and the replies dropped before they could be
             read (by the kernel's socket queue, by the program's own queue) on
             standard error.
  verify     Searches, then checks the admin password of the device at ADDRESS.
  set        Searches, checks the admin password, then replaces each KEY=VALUE
             entry in the device's settings and writes them to the device. Only
             keys that the device reports can be set.

Each command searches the way discover does; SEARCH widens the search:
  --every-interface  Broadcasts out of every interface that is up and can broadcast,
                     not only the one the default route leaves by; the listing then
                     names the interface each device answered on.
  --address ADDRESS  Also asks ADDRESS directly, for a device behind a router (may be
                     given several times).
When nothing answers, discover says on standard error where it searched and what
to check.

The admin password (at most 16 characters) is read from standard input: typed
without echo on a terminal, otherwise the first line.

Exit status: 0 success, 1 the device refused or did not answer, 2 bad usage or input.
)";

bool IsDottedIpv4(const std::string& text) {
  return ParseIpv4(text).has_value();
}

ParseOutcome Failure(std::string error) {
  return {std::nullopt, std::move(error)};
}

ParseOutcome ParseDiscover(std::vector<std::string_view> rest) {
  CliCommand command;
  command.kind = CommandKind::kDiscover;
  if (std::string error = TakeSearchOptions(rest, command.search); !error.empty())
    return Failure("discover: " + error);
  for (std::string_view option : rest) {
    if (option == "--json") {
      command.json = true;
    } else if (option == "--stats") {
      command.stats = true;
    } else {
      return Failure("discover: unknown argument \"" + std::string(option) + "\"");
    }
  }
  return {std::move(command), {}};
}

ParseOutcome ParseDeviceCommand(CommandKind kind, std::string_view name,
                                std::vector<std::string_view> rest) {
  CliCommand command;
  if (std::string error = TakeSearchOptions(rest, command.search); !error.empty())
    return Failure(std::string(name) + ": " + error);
  if (rest.empty()) return Failure(std::string(name) + ": missing ADDRESS");
  command.kind = kind;
  command.address = std::string(rest.front());
  if (!IsDottedIpv4(command.address)) {
    return Failure(std::string(name) + ": not an IPv4 address: \"" + command.address + "\"");
  }
  if (kind == CommandKind::kVerify && rest.size() > 1) {
    return Failure("verify: unexpected argument \"" + std::string(rest[1]) + "\"");
  }
  if (kind == CommandKind::kSet && rest.size() < 2) return Failure("set: missing KEY=VALUE");
  for (auto it = rest.begin() + 1; it != rest.end(); ++it) {
    AssignmentOutcome parsed = ParseAssignment(*it);
    if (!parsed.assignment) return Failure("set: " + parsed.error);
    command.assignments.push_back(std::move(*parsed.assignment));
  }
  return {std::move(command), {}};
}

}  // namespace

ParseOutcome ParseCommandLine(const std::vector<std::string_view>& args) {
  const auto isHelp = [](std::string_view arg) { return arg == "--help" || arg == "-h"; };
  if (std::ranges::any_of(args, isHelp)) return {CliCommand{}, {}};
  if (args.empty()) return Failure("missing command");
  const std::vector<std::string_view> rest(args.begin() + 1, args.end());
  if (args[0] == "discover") return ParseDiscover(rest);
  if (args[0] == "verify") return ParseDeviceCommand(CommandKind::kVerify, args[0], rest);
  if (args[0] == "set") return ParseDeviceCommand(CommandKind::kSet, args[0], rest);
  return Failure("unknown command \"" + std::string(args[0]) + "\"");
}

bool NeedsPassword(CommandKind kind) {
  return kind == CommandKind::kVerify || kind == CommandKind::kSet;
}

std::string_view UsageText() {
  return kUsage;
}

}  // namespace tamberlyx::cli
