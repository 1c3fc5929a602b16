#include "cli/cli_command.h"

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/help_layout.h"
#include "cli/search_arguments.h"
#include "platform/options/option_parser.h"
#include "protocol/ipv4_text.h"

namespace tamberlyx::cli {
namespace {

constexpr int kMaxParallel = 256;
constexpr int kMaxWaitSeconds = 3600;

constexpr char kFooter[] =
    R"(When nothing answers, discover says on standard error where it searched and what
to check.

The admin password (at most 16 characters) is read from standard input: typed
without echo on a terminal, otherwise the first line.

Exit status: 0 success, 1 the device refused or did not answer (apply: any device
failed; the others are still applied), 2 bad usage or input (nothing sent), 3 a new
fixed address would not work and --force was not given (apply: and no device failed
otherwise).)";

// The whole command line: every command with its options, each written into `command`.
struct Declaration {
  CLI::App app{"Finds storage devices on the local network and changes their settings.",
               "tamberlyx-cli"};
  CliCommand command;
  std::vector<std::string> assignments;  // set: KEY=VALUE as given
};

// A whole number from `low` to `high` into `number`.
void AddNumber(CLI::App& app, const std::string& name, int& number, int low, int high,
               const std::string& typeName, const std::string& description) {
  app.add_option(name, number, description)
      ->type_name(typeName)
      ->transform(NumberIn(low, high, [name, low, high](const std::string& text) -> std::string {
        throw OptionRefusal(name + " takes a whole number from " + std::to_string(low) + " to " +
                            std::to_string(high) + ", not \"" + text + "\"");
      }));
}

void AddWait(CLI::App& app, int& waitSeconds, const std::string& description) {
  AddNumber(app, "--wait", waitSeconds, 0, kMaxWaitSeconds, "SECONDS", description);
}

void AddForce(CLI::App& app, bool& force, const std::string& description) {
  app.add_flag("--force", force,
               "Saves even when the checks of a new fixed address find a problem\n"
               "(a bad mask or gateway, an address out of this PC's reach, one\n"
               "another host answers for), printing the findings as warnings.\n" +
                   description);
}

CLI::App& AddCommand(Declaration& declaration, const std::string& name, CommandKind kind,
                     const std::string& description) {
  CLI::App& command = *declaration.app.add_subcommand(name, description);
  command.group("Commands");
  command.allow_extras();
  command.preparse_callback(
      [&parsed = declaration.command, kind](std::size_t) { parsed.kind = kind; });
  AddSearchArguments(command, declaration.command.search);
  command
      .add_flag("-v,--verbose", declaration.command.verbose,
                "Prints what went over the wire on standard error: each datagram\n"
                "sent, each answer taken or dropped (with why), each listening window.\n"
                "No password and no settings value is printed.")
      ->group(kSearchGroup);
  return command;
}

void Declare(Declaration& declaration) {
  CLI::App& app = declaration.app;
  CliCommand& command = declaration.command;
  app.footer(kFooter);
  app.allow_extras();
  app.require_subcommand(0, 1);
  app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  app.option_defaults()->disable_flag_override();
  app.formatter(std::make_shared<HelpLayout>(kSearchGroup));
  app.get_formatter()->column_width(24);
  app.set_help_flag("-h,--help", "Prints this text and exits.");

  CLI::App& discover =
      AddCommand(declaration, "discover", CommandKind::kDiscover,
                 "Broadcasts one search and lists every device that answered within 0.8 s:\n"
                 "server name, address, addressing mode and hardware address.");
  discover.add_flag("--json", command.json,
                    "Prints an array of {\"address\", \"name\", \"settings\"} objects instead.");
  discover.add_flag("--stats", command.stats,
                    "Also prints the number of devices listed, the length of the\n"
                    "listening window (ms) and the replies dropped before they could be\n"
                    "read (by the kernel's socket queue, by the program's own queue) on\n"
                    "standard error.");

  CLI::App& verify = AddCommand(declaration, "verify", CommandKind::kVerify,
                                "Searches, then checks the admin password of the device.");
  verify.add_option("ADDRESS", command.address, "The device's address, as discover lists it.")
      ->type_name("");

  CLI::App& set = AddCommand(declaration, "set", CommandKind::kSet,
                             "Searches, checks the admin password, then replaces each KEY=VALUE\n"
                             "entry in the device's settings and writes them to the device. Only\n"
                             "keys that the device reports can be set.");
  set.add_option("ADDRESS", command.address, "The device's address, as discover lists it.")
      ->type_name("");
  set.add_option("KEY=VALUE", declaration.assignments, "The entries to replace.")->type_name("");
  AddWait(set, command.waitSeconds,
          "Then searches again until the device answers with every entry as\n"
          "written (found by its hardware address, wherever it is now), for up to\n"
          "SECONDS; fails when it does not.");
  AddForce(set, command.force, "Without it such a device is not saved (exit status 3).");

  CLI::App& apply = AddCommand(
      declaration, "apply", CommandKind::kApply,
      "Configures every device a JSON file names:\n"
      "{\"devices\": [{\"mac\" | \"address\" | \"name\": ..., \"settings\": {KEY: VALUE},\n"
      "\"password_file\": PATH}]}. One search, then a plan: the entries that\n"
      "differ, per device. Devices already as the file says are sent nothing.");
  apply.add_option("FILE", command.file, "The JSON file, or - for standard input.")->type_name("");
  apply.add_flag("--check", command.check,
                 "Prints the plan, with what the checks of each new fixed address\n"
                 "found, and sends nothing more. Besides the search, the only datagram\n"
                 "sent is one to the discard port of each new address, so that a host\n"
                 "holding it shows in this PC's neighbour table.");
  apply.add_flag("--json", command.json,
                 "Reports an array of {\"device\", \"mac\", \"address\", \"result\", \"changes\",\n"
                 "\"now_at\", \"error\", \"address_findings\"} objects instead of the plan and\n"
                 "the table.");
  AddForce(apply, command.force, "Without it such a device fails (exit status 3).");
  AddNumber(apply, "--parallel", command.parallel, 1, kMaxParallel, "N",
            "Devices saved at once (default " + std::to_string(kDefaultParallel) + ").");
  AddWait(apply, command.waitSeconds,
          "Read-back time after each save, as for set (default " +
              std::to_string(kDefaultApplyWaitSeconds) + "; 0: none).");
  apply
      .add_option("--password-file", command.passwordFile,
                  "The admin password of every device without a password_file\n"
                  "of its own (password files must not be readable by others).")
      ->type_name("PATH");
}

ParseOutcome Failure(std::string error) {
  return {std::nullopt, std::move(error)};
}

// The checks of the command `parsed` that the parser cannot make: the arguments it does not take,
// the positional ones, and the defaults that differ between commands.
ParseOutcome Complete(Declaration& declaration, const CLI::App& parsed) {
  CliCommand& command = declaration.command;
  const CommandKind kind = command.kind;
  const std::string& name = parsed.get_name();
  const std::vector<std::string> extras = parsed.remaining();
  if (kind == CommandKind::kApply && parsed.count("--wait") == 0) {
    command.waitSeconds = kDefaultApplyWaitSeconds;
  }
  if (!extras.empty()) {
    const char* problem = kind == CommandKind::kDiscover ? "unknown" : "unexpected";
    return Failure(name + ": " + problem + " argument \"" + extras.front() + "\"");
  }
  if (kind == CommandKind::kApply && command.file.empty()) return Failure("apply: missing FILE");
  if (kind == CommandKind::kVerify || kind == CommandKind::kSet) {
    if (command.address.empty()) return Failure(name + ": missing ADDRESS");
    if (!ParseIpv4(command.address)) {
      return Failure(name + ": not an IPv4 address: \"" + command.address + "\"");
    }
  }
  if (kind == CommandKind::kSet && declaration.assignments.empty()) {
    return Failure("set: missing KEY=VALUE");
  }
  for (const std::string& argument : declaration.assignments) {
    AssignmentOutcome entry = ParseAssignment(argument);
    if (!entry.assignment) return Failure("set: " + entry.error);
    command.assignments.push_back(std::move(*entry.assignment));
  }
  return {std::move(command), {}};
}

}  // namespace

ParseOutcome ParseCommandLine(const std::vector<std::string_view>& args) {
  const auto declaration = std::make_unique<Declaration>();
  Declare(*declaration);
  CLI::App& app = declaration->app;
  const OptionOutcome parsed =
      ParseOptions(app, std::vector<std::string>(args.begin(), args.end()));
  if (parsed.help) return {CliCommand{}, {}};
  const std::vector<CLI::App*> commands = app.get_subcommands();
  if (!parsed.error.empty()) {
    const std::string missing = MissingSearchValue(parsed.missingValue);
    const std::string& error = missing.empty() ? parsed.error : missing;
    return Failure(commands.empty() ? error : commands.front()->get_name() + ": " + error);
  }
  if (!app.remaining().empty())
    return Failure("unknown command \"" + app.remaining().front() + "\"");
  if (commands.empty()) return Failure("missing command");
  return Complete(*declaration, *commands.front());
}

bool NeedsPassword(CommandKind kind) {
  return kind == CommandKind::kVerify || kind == CommandKind::kSet;
}

std::string UsageText() {
  Declaration declaration;
  Declare(declaration);
  return declaration.app.help("", CLI::AppFormatMode::All);
}

}  // namespace tamberlyx::cli
