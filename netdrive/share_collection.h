#pragma once

#include <string>
#include <vector>

#include "netdrive/network_provider.h"

namespace tamberlyx::netdrive {

// Appends the remote names of the shares in and below container that lie on the server of
// prefix ("\\server"; empty: any), depth-first in the provider's order. A listing refused for
// want of a logon logs on once with password and user and is asked again. Returns how the
// container's own listing went.
ProviderOutcome CollectShares(NetworkProvider& provider, const NetResource& container,
                              const std::string& prefix, const std::string& password,
                              const std::string& user, std::vector<std::string>& list);

}  // namespace tamberlyx::netdrive
