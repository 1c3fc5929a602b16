#pragma once

#include <string>

#include "netdrive/host_resolver.h"
#include "netdrive/network_provider.h"

namespace tamberlyx::netdrive {

struct MapResult {
  int connected = 0;  // shares connected; -1 when the host did not resolve
  std::string note;   // why nothing was connected; empty when something was
};

// Connects every share of the device host to a drive of its own, after removing the PC's
// earlier connections to the device. When the device's shares cannot be listed (no SMB
// service, a refused logon, no provider in this session) nothing is changed.
MapResult MapDeviceShares(NetworkProvider& provider, HostResolver& resolver,
                          const std::string& host, const std::string& password,
                          const std::string& user);

// Removes the PC's connections to exactly `address`: one a device has left serves nothing now.
void CancelDeviceConnections(NetworkProvider& provider, const std::string& address);

}  // namespace tamberlyx::netdrive
