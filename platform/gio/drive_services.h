#pragma once

#include <memory>

#include "netdrive/host_resolver.h"
#include "netdrive/network_provider.h"

namespace tamberlyx {

struct DriveServices {
  std::unique_ptr<netdrive::NetworkProvider> provider;
  std::unique_ptr<netdrive::HostResolver> resolver;
};

// This platform's network provider: GVfs on Linux; elsewhere none yet, which maps nothing and
// says so.
DriveServices MakePlatformDriveServices();

}  // namespace tamberlyx
