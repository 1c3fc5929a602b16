#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "device/device_peer.h"
#include "device/network_move.h"
#include "protocol/constants.h"

namespace tamberlyx::device {

// Exit code of a command line that cannot be run.
inline constexpr int kUsageExitCode = 2;
inline constexpr std::uint16_t kDefaultHttpPort = 8090;
inline constexpr int kMaxDeviceCount = 8192;

// What the tamberlyx-device command line asks for.
struct ProgramOptions {
  DeviceOptions device;
  std::string settingsFile;  // empty: the default settings
  int count = 1;
  std::optional<std::uint32_t> firstAddress;  // host byte order
  std::uint16_t devicePort = DEVICE_PORT;
  std::uint16_t clientPort = CLIENT_PORT;
  std::uint16_t httpPort = kDefaultHttpPort;  // 0: no web page
  std::string smbDir;                         // empty: no network shares
  std::optional<std::string> smbPassword;     // unset: the admin password
  NetworkOptions network;
  bool verbose = false;  // the events of the wire on standard error
  bool help = false;
};

struct ParsedCommandLine {
  std::optional<ProgramOptions> options;
  std::string error;  // set exactly when options is empty
};

// Parses the arguments after the program name. "--option value" and "--option=value" both work.
ParsedCommandLine ParseProgramOptions(const std::vector<std::string>& args);

std::string UsageText();

}  // namespace tamberlyx::device
