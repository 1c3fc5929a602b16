#include "cli/cli_command.h"

#include <algorithm>
#include <charconv>

#include "protocol/ipv4_text.h"

namespace tamberlyx::cli {
namespace {

constexpr int kMaxParallel = 256;
constexpr int kMaxWaitSeconds = 3600;

constexpr std::string_view kUsage =
    R"(Usage:
  tamberlyx-cli discover [SEARCH...] [--json] [--stats]
  tamberlyx-cli verify [SEARCH...] ADDRESS
  tamberlyx-cli set [SEARCH...] [--wait SECONDS] ADDRESS KEY=VALUE...
  tamberlyx-cli apply [SEARCH...] [--check] [--json] [--parallel N] [--wait SECONDS]
                      [--password-file PATH] FILE
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
    --wait SECONDS  Then searches again until the device answers with every entry as
             written (found by its hardware address, wherever it is now), for up to
             SECONDS; fails when it does not.
  apply      Configures every device a JSON file names (FILE, or - for standard input):
             {"devices": [{"mac" | "address" | "name": ..., "settings": {KEY: VALUE},
             "password_file": PATH}]}. One search, then a plan: the entries that
             differ, per device. Devices already as the file says are sent nothing.
    --check  Prints the plan and sends nothing more.
    --json   Reports an array of {"mac", "address", "result", "changes", "now_at",
             "error"} objects instead of the plan and the table.
    --parallel N     Devices saved at once (default 8).
    --wait SECONDS   Read-back time after each save, as for set (default 30; 0: none).
    --password-file PATH  The admin password of every device without a password_file
             of its own (password files must not be readable by others).

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

Exit status: 0 success, 1 the device refused or did not answer (apply: any device
failed; the others are still applied), 2 bad usage or input (nothing sent).
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

// "--name VALUE" or "--name=VALUE", removed from `args`; empty when absent.
std::optional<std::string_view> TakeValue(std::vector<std::string_view>& args,
                                          std::string_view name, std::string& error) {
  for (auto it = args.begin(); it != args.end(); ++it) {
    if (*it == name) {
      if (it + 1 == args.end()) {
        error = std::string(name) + " needs a value";
        return std::nullopt;
      }
      const std::string_view value = *(it + 1);
      args.erase(it, it + 2);
      return value;
    }
    if (it->starts_with(std::string(name) + "=")) {
      const std::string_view value = it->substr(name.size() + 1);
      args.erase(it);
      return value;
    }
  }
  return std::nullopt;
}

// A whole number from `low` to `high`.
bool TakeNumber(std::vector<std::string_view>& args, std::string_view name, int low, int high,
                int& number, std::string& error) {
  const std::optional<std::string_view> text = TakeValue(args, name, error);
  if (!text) return error.empty();
  int value = 0;
  const auto [end, problem] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (problem != std::errc() || end != text->data() + text->size() || value < low || value > high) {
    error = std::string(name) + " takes a whole number from " + std::to_string(low) + " to " +
            std::to_string(high) + ", not \"" + std::string(*text) + "\"";
    return false;
  }
  number = value;
  return true;
}

bool TakeFlag(std::vector<std::string_view>& args, std::string_view name) {
  const auto found = std::ranges::find(args, name);
  if (found == args.end()) return false;
  args.erase(found);
  return true;
}

ParseOutcome ParseApply(std::vector<std::string_view> rest) {
  CliCommand command;
  command.kind = CommandKind::kApply;
  command.waitSeconds = kDefaultApplyWaitSeconds;
  std::string error = TakeSearchOptions(rest, command.search);
  command.check = TakeFlag(rest, "--check");
  command.json = TakeFlag(rest, "--json");
  if (error.empty()) TakeNumber(rest, "--parallel", 1, kMaxParallel, command.parallel, error);
  if (error.empty()) TakeNumber(rest, "--wait", 0, kMaxWaitSeconds, command.waitSeconds, error);
  if (error.empty()) {
    command.passwordFile = std::string(TakeValue(rest, "--password-file", error).value_or(""));
  }
  if (!error.empty()) return Failure("apply: " + error);
  if (rest.empty()) return Failure("apply: missing FILE");
  const auto isOption = [](std::string_view arg) { return arg.starts_with("-") && arg != "-"; };
  const auto unknown = std::ranges::find_if(rest, isOption);
  if (unknown != rest.end() || rest.size() > 1) {
    const std::string_view shown = unknown != rest.end() ? *unknown : rest[1];
    return Failure("apply: unexpected argument \"" + std::string(shown) + "\"");
  }
  command.file = std::string(rest[0]);
  return {std::move(command), {}};
}

ParseOutcome ParseDeviceCommand(CommandKind kind, std::string_view name,
                                std::vector<std::string_view> rest) {
  CliCommand command;
  std::string error = TakeSearchOptions(rest, command.search);
  if (error.empty() && kind == CommandKind::kSet) {
    TakeNumber(rest, "--wait", 0, kMaxWaitSeconds, command.waitSeconds, error);
  }
  if (!error.empty()) return Failure(std::string(name) + ": " + error);
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
  if (args[0] == "apply") return ParseApply(rest);
  return Failure("unknown command \"" + std::string(args[0]) + "\"");
}

bool NeedsPassword(CommandKind kind) {
  return kind == CommandKind::kVerify || kind == CommandKind::kSet;
}

std::string_view UsageText() {
  return kUsage;
}

}  // namespace tamberlyx::cli
