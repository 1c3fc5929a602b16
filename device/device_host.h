#pragma once

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

#include "device/device_fleet.h"
#include "device/http_server.h"
#include "device/network_move.h"
#include "device/reply_schedule.h"
#include "device/restart_schedule.h"
#include "device/udp_endpoint.h"
#include "protocol/constants.h"

namespace tamberlyx::device {

struct HostConfig {
  std::uint16_t clientPort = CLIENT_PORT;
  // Replies leave from each device's own address; otherwise from the address the request
  // arrived on.
  bool fixedSource = false;
  std::vector<std::uint32_t> localAddresses;  // this namespace's own unicast addresses
  NetworkOptions network;
  // Called when a device has taken a new address, before it answers there.
  std::function<void(std::uint32_t address)> moved;
};

// Runs the devices on one UDP socket (and the web page) in a poll loop until `stop` is set.
class DeviceHost {
 public:
  DeviceHost(std::vector<FleetMember> fleet, HostConfig config, UdpEndpoint udp,
             std::optional<HttpServer> http, std::FILE* log);

  // Returns when `stop` becomes non-zero; signals must be blocked except inside the wait,
  // which `waitMask` unblocks.
  void Run(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask);

 private:
  void ReceiveAll();
  void Dispatch(const ReceivedDatagram& datagram);
  std::vector<std::size_t> Recipients(std::uint32_t destination) const;
  void SendNow(const PendingSend& send);
  void SendDue();
  void BeginRestart(std::size_t index, const std::string& before, Clock::time_point answered);
  void FinishRestarts();
  void Move(std::size_t index, const NetworkMove& move);
  std::optional<std::uint32_t> Destination(const FleetMember& member,
                                           const NetworkMove& move) const;
  bool Taken(std::uint32_t address) const;
  std::string RespondHttp(const std::string& request, std::uint32_t localAddress);
  int WaitTimeout() const;

  std::vector<FleetMember> m_fleet;
  std::unordered_map<std::uint32_t, std::size_t> m_byAddress;
  HostConfig m_config;
  UdpEndpoint m_udp;
  std::optional<HttpServer> m_http;
  ReplySchedule m_schedule;
  RestartSchedule m_restarts;
  std::FILE* m_log;
};

}  // namespace tamberlyx::device
