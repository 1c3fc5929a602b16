#pragma once

#include <string>
#include <vector>

#include "netdrive/network_provider.h"

namespace tamberlyx::netdrive {

// Fills list with the local names of the PC's disk connections to exactly this server.
void ListDeviceConnections(NetworkProvider& provider, const std::string& address,
                           std::vector<std::string>& list);

// Connects "\\" + name ("server\share") to the first free drive letter, or where the provider
// mounts it when it has no letters.
ProviderOutcome ConnectShare(NetworkProvider& provider, const std::string& name,
                             const std::string& password, const std::string& user);

// Cancels the connection to "\\" + name, forgetting it for the next logon too.
void DisconnectShare(NetworkProvider& provider, const std::string& name);

}  // namespace tamberlyx::netdrive
