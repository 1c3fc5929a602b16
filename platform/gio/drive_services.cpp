#include "platform/gio/drive_services.h"

#if defined(__linux__)
#include "platform/gio/gio_host_resolver.h"
#include "platform/gio/gio_network_provider.h"
#else
#include "netdrive/numeric_host_resolver.h"
#include "netdrive/unavailable_provider.h"
#endif

namespace tamberlyx {

DriveServices MakePlatformDriveServices() {
#if defined(__linux__)
  return {std::make_unique<GioNetworkProvider>(), std::make_unique<GioHostResolver>()};
#else
  return {std::make_unique<netdrive::UnavailableProvider>(
              "network drives are not supported on this platform"),
          std::make_unique<netdrive::NumericHostResolver>()};
#endif
}

}  // namespace tamberlyx
