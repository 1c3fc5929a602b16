#include "device/program_options.h"

#include <charconv>
#include <functional>
#include <string_view>

#include "protocol/constants.h"
#include "protocol/ipv4_text.h"

namespace tamberlyx::device {
namespace {

constexpr std::size_t kMaxNameLength = 63;
constexpr std::size_t kMaxPasswordLength = 64;
constexpr long kMaxDelayMs = 600000;

// Sets one option from its value; returns an error text, empty when the value was taken.
using Setter = std::function<std::string(ProgramOptions&, const std::string&)>;

struct OptionRule {
  std::string_view name;
  bool takesValue;
  Setter set;
};

std::optional<long> ParseNumber(std::string_view text, long min, long max) {
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < min || value > max) {
    return std::nullopt;
  }
  return value;
}

// A value that becomes part of a settings entry: no separator, no control characters.
bool IsEntryText(std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '&' || byte < 0x20 || byte == 0x7F) return false;
  }
  return true;
}

Setter Port(std::uint16_t ProgramOptions::*field, long min) {
  return [field, min](ProgramOptions& options, const std::string& value) -> std::string {
    const auto port = ParseNumber(value, min, 65535);
    if (!port) return "not a port number: " + value;
    options.*field = static_cast<std::uint16_t>(*port);
    return {};
  };
}

Setter Flag(bool DeviceOptions::*field) {
  return [field](ProgramOptions& options, const std::string&) -> std::string {
    options.device.*field = true;
    return {};
  };
}

std::string SetName(ProgramOptions& options, const std::string& value) {
  if (value.empty() || value.size() > kMaxNameLength || !IsEntryText(value)) {
    return "the name must be 1 to 63 characters without '&' or control characters";
  }
  options.device.name = value;
  return {};
}

std::string PasswordError(const std::string& value) {
  if (value.size() > kMaxPasswordLength || value.find('\0') != std::string::npos) {
    return "the password must be at most 64 characters";
  }
  return {};
}

std::string SetPassword(ProgramOptions& options, const std::string& value) {
  std::string error = PasswordError(value);
  if (error.empty()) options.device.password = value;
  return error;
}

std::string SetSmbPassword(ProgramOptions& options, const std::string& value) {
  std::string error = PasswordError(value);
  if (error.empty()) options.smbPassword = value;
  return error;
}

std::string SetCount(ProgramOptions& options, const std::string& value) {
  const auto count = ParseNumber(value, 1, kMaxDeviceCount);
  if (!count) return "the count must be a number from 1 to " + std::to_string(kMaxDeviceCount);
  options.count = static_cast<int>(*count);
  return {};
}

std::string SetFirstAddress(ProgramOptions& options, const std::string& value) {
  const auto address = ParseIpv4(value);
  if (!address || *address == 0) return "not an IPv4 address: " + value;
  options.firstAddress = *address;
  return {};
}

std::string SetDelay(ProgramOptions& options, const std::string& value) {
  const auto delay = ParseNumber(value, 0, kMaxDelayMs);
  if (!delay) return "the delay must be 0 to 600000 milliseconds";
  options.device.delayMs = static_cast<int>(*delay);
  return {};
}

std::string SetSilent(ProgramOptions& options, const std::string& value) {
  if (value != kDiscoveryWord && value != kWordVerify && value != kWordSet) {
    return "--silent takes Tamberlyx, VERIFY or SET, not " + value;
  }
  options.device.silentFor.insert(value);
  return {};
}

std::string SetForeignAddress(ProgramOptions& options, const std::string& value) {
  if (!ParseIpv4(value)) return "not an IPv4 address: " + value;
  options.device.foreignAddress = value;
  return {};
}

std::string SetUnknownWord(ProgramOptions& options, const std::string& value) {
  if (value.empty() || value.size() > kCommandFieldWidth || value.find(' ') != std::string::npos ||
      !IsEntryText(value)) {
    return "the word must be 1 to 10 characters without spaces";
  }
  options.device.unknownWord = value;
  return {};
}

std::string SetSettingsFile(ProgramOptions& options, const std::string& value) {
  if (value.empty()) return "--settings needs a file name";
  options.settingsFile = value;
  return {};
}

std::string SetSmbDir(ProgramOptions& options, const std::string& value) {
  if (value.empty() || value.find_first_of("\n\r") != std::string::npos) {
    return "--smb-dir needs a folder name on one line";
  }
  options.smbDir = value;
  return {};
}

std::string SetApplyNetwork(ProgramOptions& options, const std::string&) {
  options.network.apply = true;
  return {};
}

std::string SetDhcpPool(ProgramOptions& options, const std::string& value) {
  options.network.dhcpPool = ParseAddressRange(value);
  if (!options.network.dhcpPool) return "not a range FIRST-LAST of IPv4 addresses: " + value;
  return {};
}

std::string SetRestart(ProgramOptions& options, const std::string& value) {
  const auto pause = ParseNumber(value, 0, kMaxDelayMs);
  if (!pause) return "the pause must be 0 to 600000 milliseconds";
  options.network.restartMs = static_cast<int>(*pause);
  return {};
}

std::string SetHelp(ProgramOptions& options, const std::string&) {
  options.help = true;
  return {};
}

const std::vector<OptionRule>& OptionTable() {
  static const std::vector<OptionRule> table = {
      {"--name", true, SetName},
      {"--password", true, SetPassword},
      {"--settings", true, SetSettingsFile},
      {"--count", true, SetCount},
      {"--first-address", true, SetFirstAddress},
      {"--port-device", true, Port(&ProgramOptions::devicePort, 1)},
      {"--port-client", true, Port(&ProgramOptions::clientPort, 1)},
      {"--http", true, Port(&ProgramOptions::httpPort, 0)},
      {"--delay", true, SetDelay},
      {"--silent", true, SetSilent},
      {"--duplicate", false, Flag(&DeviceOptions::duplicateReplies)},
      {"--foreign-address", true, SetForeignAddress},
      {"--unknown-word", true, SetUnknownWord},
      {"--reply-to-source-port", false, Flag(&DeviceOptions::replyToSourcePort)},
      {"--oversized", false, Flag(&DeviceOptions::oversized)},
      {"--smb-dir", true, SetSmbDir},
      {"--smb-password", true, SetSmbPassword},
      {"--apply-network", false, SetApplyNetwork},
      {"--dhcp-pool", true, SetDhcpPool},
      {"--restart-ms", true, SetRestart},
      {"--help", false, SetHelp},
  };
  return table;
}

const OptionRule* FindOption(std::string_view name) {
  for (const OptionRule& rule : OptionTable()) {
    if (rule.name == name) return &rule;
  }
  return nullptr;
}

std::string CheckCombination(const ProgramOptions& options) {
  if (options.count > 1 && !options.firstAddress) return "--count needs --first-address";
  if (options.count > 1 && !options.smbDir.empty()) return "--smb-dir serves a single device";
  if (options.smbPassword && options.smbDir.empty()) return "--smb-password needs --smb-dir";
  const NetworkOptions& network = options.network;
  if (!network.apply && (network.dhcpPool || network.restartMs != kDefaultRestartMs)) {
    return "--dhcp-pool and --restart-ms need --apply-network";
  }
  // The shares' smbd stays bound to the address the device leaves.
  if (network.apply && !options.smbDir.empty()) return "--apply-network cannot move --smb-dir";
  if (options.firstAddress &&
      std::uint64_t{*options.firstAddress} + std::uint64_t(options.count - 1) > 0xFFFFFFFEu) {
    return "--count runs past the last IPv4 address";
  }
  return {};
}

}  // namespace

ParsedCommandLine ParseProgramOptions(const std::vector<std::string>& args) {
  ProgramOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const OptionRule* rule = FindOption(name);
    if (!rule) return {std::nullopt, "unknown option: " + arg};
    std::string value;
    if (equals != std::string::npos) {
      if (!rule->takesValue) return {std::nullopt, name + " takes no value"};
      value = arg.substr(equals + 1);
    } else if (rule->takesValue) {
      if (i + 1 >= args.size()) return {std::nullopt, name + " needs a value"};
      value = args[++i];
    }
    if (std::string error = rule->set(options, value); !error.empty()) {
      return {std::nullopt, name + ": " + error};
    }
  }
  if (std::string error = CheckCombination(options); !error.empty()) {
    return {std::nullopt, error};
  }
  return {options, {}};
}

std::string UsageText() {
  return R"(Usage: tamberlyx-device [options]
A simulated storage device answering the set-up wizard on UDP.

  --name NAME               server name (default TAMBERLYX); NAME-1..NAME-N with --count
  --password PASSWORD       admin password (default admin)
  --settings FILE           settings text to report instead of the default one
  --count N                 run N devices in this process (needs --first-address)
  --first-address A.B.C.D   address of the first device; device i answers from A+i-1
  --port-device P           UDP port to listen on (default )" +
         std::to_string(DEVICE_PORT) + R"()
  --port-client P           UDP port replies go to (default )" +
         std::to_string(CLIENT_PORT) + R"()
  --http PORT               TCP port of the device web page (default 8090; 0 = off)
  --smb-dir DIR             offer the shares public and media (DIR/public, DIR/media) over
                            SMB for user admin with the admin password, through a private
                            smbd bound to the device's own address (needs root and samba)
  --smb-password PASSWORD   the shares' password instead of the admin password
  --apply-network           a SET that names a new nwk.ipaddr moves the device there, one
                            that switches nwk.bootproto to dhcp moves it to a pool address;
                            needs root, inside the device's own network namespace only
  --dhcp-pool FIRST-LAST    addresses a switch to DHCP takes, the first free one (without
                            it the device keeps its address and reports it)
  --restart-ms MS           pause after the SETOK of a move, answering nothing (default )" +
         std::to_string(kDefaultRestartMs) + R"()
Misbehaviours for tests:
  --delay MS                send every reply MS milliseconds late
  --silent WORD             leave requests with WORD unanswered (Tamberlyx, VERIFY, SET);
                            may be repeated
  --duplicate               send every reply twice
  --foreign-address ADDR    put ADDR in the address field of every reply
  --unknown-word WORD       use WORD as the status word of every reply
  --reply-to-source-port    reply to the request's source port instead of the client port
  --oversized               pad discovery replies past 1024 bytes
  --help                    show this text

A SET replaces the settings the device reports (and its name); without --apply-network a new
nwk.ipaddr does not move the device, which keeps answering at its address. A SET whose body is
not a settings text is answered SETFAIL and changes nothing.
Each datagram received and sent is printed on one line; bytes outside printable ASCII and the
backslash are shown as \xHH.
)";
}

}  // namespace tamberlyx::device
