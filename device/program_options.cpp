#include "device/program_options.h"

#include <functional>
#include <string_view>

#include "platform/options/option_parser.h"
#include "protocol/constants.h"
#include "protocol/ipv4_text.h"

namespace tamberlyx::device {
namespace {

constexpr std::size_t kMaxNameLength = 63;
constexpr std::size_t kMaxPasswordLength = 64;
constexpr long kMaxDelayMs = 600000;

// A value that becomes part of a settings entry: no separator, no control characters.
bool IsEntryText(std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '&' || byte < 0x20 || byte == 0x7F) return false;
  }
  return true;
}

std::string NameError(const std::string& value) {
  if (value.empty() || value.size() > kMaxNameLength || !IsEntryText(value)) {
    return "the name must be 1 to 63 characters without '&' or control characters";
  }
  return {};
}

std::string PasswordError(const std::string& value) {
  if (value.size() > kMaxPasswordLength || value.find('\0') != std::string::npos) {
    return "the password must be at most 64 characters";
  }
  return {};
}

std::string DeviceAddressError(const std::string& value) {
  const auto address = ParseIpv4(value);
  return !address || *address == 0 ? "not an IPv4 address: " + value : std::string();
}

std::string SilentError(const std::string& value) {
  if (value != kDiscoveryWord && value != kWordVerify && value != kWordSet) {
    return "--silent takes Tamberlyx, VERIFY or SET, not " + value;
  }
  return {};
}

std::string WordError(const std::string& value) {
  if (value.empty() || value.size() > kCommandFieldWidth || value.find(' ') != std::string::npos ||
      !IsEntryText(value)) {
    return "the word must be 1 to 10 characters without spaces";
  }
  return {};
}

CLI::Validator Port(long min) {
  return NumberIn(min, 65535,
                  [](const std::string& value) { return "not a port number: " + value; });
}

CLI::Validator Milliseconds(const std::string& what) {
  return NumberIn(0, kMaxDelayMs, [what](const std::string&) {
    return "the " + what + " must be 0 to " + std::to_string(kMaxDelayMs) + " milliseconds";
  });
}

constexpr char kMisbehaviours[] = "Misbehaviours for tests";

constexpr char kFooter[] =
    R"(A SET replaces the settings the device reports (and its name); without --apply-network a new
nwk.ipaddr does not move the device, which keeps answering at its address. A SET whose body is
not a settings text is answered SETFAIL and changes nothing.
Each datagram received and sent is printed on one line; bytes outside printable ASCII and the
backslash are shown as \xHH.)";

// Every option of the program, parsed into `options`.
void Declare(CLI::App& app, ProgramOptions& options) {
  app.description("A simulated storage device answering the set-up wizard on UDP.");
  app.footer(kFooter);
  app.set_help_flag("--help", "show this text");
  app.allow_extras();
  app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  app.option_defaults()->disable_flag_override();
  app.get_formatter()->column_width(28);
  DeviceOptions& device = options.device;
  app.add_option("--name", device.name,
                 "server name (default TAMBERLYX); NAME-1..NAME-N with --count")
      ->type_name("NAME")
      ->check(Refusing(NameError));
  app.add_option("--password", device.password, "admin password (default admin)")
      ->type_name("PASSWORD")
      ->check(Refusing(PasswordError));
  app.add_flag("-v,--verbose", options.verbose,
               "each request received and reply sent on standard error, as the\n"
               "client's -v words it (no password, no settings value)");
  app.add_option("--settings", options.settingsFile,
                 "settings text to report instead of the default one")
      ->type_name("FILE")
      ->check(Refusing([](const std::string& value) {
        return value.empty() ? "--settings needs a file name" : std::string();
      }));
  app.add_option("--count", options.count, "run N devices in this process (needs --first-address)")
      ->type_name("N")
      ->transform(NumberIn(1, kMaxDeviceCount, [](const std::string&) {
        return "the count must be a number from 1 to " + std::to_string(kMaxDeviceCount);
      }));
  app.add_option("--first-address", "address of the first device; device i answers from A+i-1")
      ->type_name("A.B.C.D")
      ->check(Refusing(DeviceAddressError))
      ->each([&options](const std::string& value) { options.firstAddress = ParseIpv4(value); });
  app.add_option("--port-device", options.devicePort,
                 "UDP port to listen on (default " + std::to_string(DEVICE_PORT) + ")")
      ->type_name("P")
      ->transform(Port(1));
  app.add_option("--port-client", options.clientPort,
                 "UDP port replies go to (default " + std::to_string(CLIENT_PORT) + ")")
      ->type_name("P")
      ->transform(Port(1));
  app.add_option("--http", options.httpPort,
                 "TCP port of the device web page (default " + std::to_string(kDefaultHttpPort) +
                     "; 0 = off)")
      ->type_name("PORT")
      ->transform(Port(0));
  app.add_option("--smb-dir", options.smbDir,
                 "offer the shares public and media (DIR/public, DIR/media) over\n"
                 "SMB for user admin with the admin password, through a private\n"
                 "smbd bound to the device's own address, which follows the device\n"
                 "when --apply-network moves it (needs root and samba)")
      ->type_name("DIR")
      ->check(Refusing([](const std::string& value) {
        return value.empty() || value.find_first_of("\n\r") != std::string::npos
                   ? "--smb-dir needs a folder name on one line"
                   : std::string();
      }));
  app.add_option("--smb-password", "the shares' password instead of the admin password")
      ->type_name("PASSWORD")
      ->check(Refusing(PasswordError))
      ->each([&options](const std::string& value) { options.smbPassword = value; });
  app.add_flag("--apply-network", options.network.apply,
               "a SET that names a new nwk.ipaddr moves the device there, one\n"
               "that switches nwk.bootproto to dhcp moves it to a pool address,\n"
               "its shares (--smb-dir) along; needs root, inside the device's own\n"
               "network namespace only");
  app.add_option("--dhcp-pool",
                 "addresses a switch to DHCP takes, the first free one (without\n"
                 "it the device keeps its address and reports it)")
      ->type_name("FIRST-LAST")
      ->check(Refusing([](const std::string& value) {
        return ParseAddressRange(value) ? std::string()
                                        : "not a range FIRST-LAST of IPv4 addresses: " + value;
      }))
      ->each([&options](const std::string& value) {
        options.network.dhcpPool = ParseAddressRange(value);
      });
  app.add_option("--restart-ms", options.network.restartMs,
                 "pause after the SETOK of a move, answering nothing (default " +
                     std::to_string(kDefaultRestartMs) + ")")
      ->type_name("MS")
      ->transform(Milliseconds("pause"));

  app.add_option("--delay", device.delayMs, "send every reply MS milliseconds late")
      ->type_name("MS")
      ->transform(Milliseconds("delay"))
      ->group(kMisbehaviours);
  app.add_option("--silent",
                 "leave requests with WORD unanswered (Tamberlyx, VERIFY, SET);\nmay be repeated")
      ->type_name("WORD")
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
      ->check(Refusing(SilentError))
      ->each([&device](const std::string& value) { device.silentFor.insert(value); })
      ->group(kMisbehaviours);
  app.add_flag("--duplicate", device.duplicateReplies, "send every reply twice")
      ->group(kMisbehaviours);
  app.add_option("--foreign-address", device.foreignAddress,
                 "put ADDR in the address field of every reply")
      ->type_name("ADDR")
      ->check(Refusing([](const std::string& value) {
        return ParseIpv4(value) ? std::string() : "not an IPv4 address: " + value;
      }))
      ->group(kMisbehaviours);
  app.add_option("--unknown-word", device.unknownWord, "use WORD as the status word of every reply")
      ->type_name("WORD")
      ->check(Refusing(WordError))
      ->group(kMisbehaviours);
  app.add_flag("--reply-to-source-port", device.replyToSourcePort,
               "reply to the request's source port instead of the client port")
      ->group(kMisbehaviours);
  app.add_flag("--oversized", device.oversized, "pad discovery replies past 1024 bytes")
      ->group(kMisbehaviours);
}

std::string CheckCombination(const ProgramOptions& options) {
  if (options.count > 1 && !options.firstAddress) return "--count needs --first-address";
  if (options.count > 1 && !options.smbDir.empty()) return "--smb-dir serves a single device";
  if (options.smbPassword && options.smbDir.empty()) return "--smb-password needs --smb-dir";
  const NetworkOptions& network = options.network;
  if (!network.apply && (network.dhcpPool || network.restartMs != kDefaultRestartMs)) {
    return "--dhcp-pool and --restart-ms need --apply-network";
  }
  if (options.firstAddress &&
      std::uint64_t{*options.firstAddress} + std::uint64_t(options.count - 1) > 0xFFFFFFFEu) {
    return "--count runs past the last IPv4 address";
  }
  return {};
}

}  // namespace

ParsedCommandLine ParseProgramOptions(const std::vector<std::string>& args) {
  ProgramOptions options;
  CLI::App app("", "tamberlyx-device");
  Declare(app, options);
  const OptionOutcome parsed = ParseOptions(app, args);
  if (!parsed.error.empty()) return {std::nullopt, parsed.error};
  if (!app.remaining().empty()) return {std::nullopt, "unknown option: " + app.remaining().front()};
  options.help = parsed.help;
  if (std::string error = CheckCombination(options); !error.empty()) {
    return {std::nullopt, error};
  }
  return {options, {}};
}

std::string UsageText() {
  ProgramOptions options;
  CLI::App app("", "tamberlyx-device");
  Declare(app, options);
  return app.help();
}

}  // namespace tamberlyx::device
