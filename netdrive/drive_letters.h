#pragma once

#include <string>
#include <vector>

#include "netdrive/network_provider.h"

namespace tamberlyx::netdrive {

// The drive names in use ("C:"), read afresh from the provider.
void ListLogicalDrives(NetworkProvider& provider, std::vector<std::string>& list);

// The first drive name from C: to Z: not in use; empty when every one is taken. A: and B: are
// never handed out.
std::string FreeDriveLetter(NetworkProvider& provider);

}  // namespace tamberlyx::netdrive
