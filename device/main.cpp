// tamberlyx-device: a simulated storage device for tests and demonstrations.
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "device/device_host.h"
#include "device/device_shares.h"
#include "device/program_options.h"
#include "device/settings_file.h"
#include "operations/stream_event_sink.h"
#include "platform/log/program_start.h"
#include "platform/net/interface_addresses.h"
#include "protocol/constants.h"
#include "protocol/ipv4_text.h"

namespace {

using namespace tamberlyx::device;

volatile std::sig_atomic_t g_stop = 0;

void OnStopSignal(int) {
  g_stop = 1;
}

// Blocks SIGINT and SIGTERM outside the poll wait, so a stop is never missed between checks;
// returns the mask to wait with.
sigset_t InstallStopSignals() {
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  sigset_t stops;
  sigemptyset(&stops);
  sigaddset(&stops, SIGINT);
  sigaddset(&stops, SIGTERM);
  sigset_t waitMask;
  sigprocmask(SIG_BLOCK, &stops, &waitMask);
  sigdelset(&waitMask, SIGINT);
  sigdelset(&waitMask, SIGTERM);
  return waitMask;
}

int Fail(const std::string& message, int code) {
  std::fprintf(stderr, "tamberlyx-device: %s\n", message.c_str());
  return code;
}

std::vector<std::uint32_t> Unicast(const std::vector<tamberlyx::InterfaceAddress>& addresses) {
  std::vector<std::uint32_t> list;
  for (const tamberlyx::InterfaceAddress& local : addresses) list.push_back(local.address);
  return list;
}

void PrintFleet(const std::vector<FleetMember>& fleet, const HostConfig& config) {
  for (const FleetMember& member : fleet) {
    const bool local = std::find(config.localAddresses.begin(), config.localAddresses.end(),
                                 member.address) != config.localAddresses.end();
    std::printf("device %s %s\n", member.peer.Name().c_str(), member.peer.Address().c_str());
    if (config.fixedSource && !local) {
      std::fprintf(stderr, "tamberlyx-device: warning: %s is not an address of this host\n",
                   member.peer.Address().c_str());
    }
  }
}

int Serve(const ProgramOptions& options) {
  const std::vector<tamberlyx::InterfaceAddress> addresses = tamberlyx::InterfaceIpv4Addresses();
  HostConfig config{options.clientPort,
                    options.firstAddress.has_value(),
                    Unicast(addresses),
                    options.network,
                    {}};
  std::vector<FleetMember> fleet =
      MakeFleet(options, tamberlyx::FirstNonLoopbackAddress(addresses));
  std::string error;
  std::optional<UdpEndpoint> udp = UdpEndpoint::Open(options.devicePort, error);
  if (!udp) return Fail(error, 1);
  std::optional<HttpServer> http;
  if (options.httpPort != 0 && !(http = HttpServer::Open(options.httpPort, error))) {
    return Fail(error, 1);
  }
  std::unique_ptr<DeviceShares> shares;
  if (!options.smbDir.empty()) {
    shares =
        DeviceShares::Start(fleet.front().peer.Address(), options.smbDir,
                            options.smbPassword.value_or(options.device.password), stdout, error);
    if (!shares) return Fail(error, 1);
    config.moved = [&shares](std::uint32_t address) {
      shares->MoveTo(tamberlyx::FormatIpv4(address));
    };
  }
  PrintFleet(fleet, config);
  if (shares) shares->Announce();
  std::printf("ready udp 0.0.0.0:%u replies to port %u http %u\n", options.devicePort,
              options.clientPort, options.httpPort);
  std::fflush(stdout);
  const sigset_t waitMask = InstallStopSignals();
  DeviceHost host(std::move(fleet), std::move(config), std::move(*udp), std::move(http), stdout);
  host.Run(g_stop, waitMask);
  shares.reset();
  std::printf("stopped\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const ParsedCommandLine parsed =
      ParseProgramOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.options) {
    return Fail(parsed.error + "\n(see tamberlyx-device --help)", kUsageExitCode);
  }
  ProgramOptions options = *parsed.options;
  if (options.help) {
    std::fputs(UsageText().c_str(), stdout);
    return 0;
  }
  if (!options.settingsFile.empty()) {
    std::string error;
    const auto text = LoadSettingsFile(options.settingsFile, error);
    if (!text) return Fail(error, kUsageExitCode);
    options.device.settings = *text;
  }
  tamberlyx::StreamEventSink verbose(std::cerr, "tamberlyx-device");
  if (options.verbose) {
    tamberlyx::SetEventSink(&verbose);
    tamberlyx::ReportProgramStart("tamberlyx-device");
  }
  return Serve(options);
}
