#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "netdrive/network_provider.h"
#include "platform/gio/gio_steps.h"

namespace tamberlyx {

// The network provider over GVfs: a share is connected by mounting smb://server/share/, so it
// shows in the file manager at once (and, with gvfs-fuse, as a folder below
// $XDG_RUNTIME_DIR/gvfs/, its local name); logging on to a server mounts smb://server/. Every
// step waits a bounded time. Without GVfs in the session every operation fails and says so.
class GioNetworkProvider final : public netdrive::NetworkProvider {
 public:
  struct Limits {
    std::chrono::milliseconds list{10000};
    std::chrono::milliseconds mount{20000};
    std::chrono::milliseconds unmount{10000};
  };

  GioNetworkProvider() = default;
  explicit GioNetworkProvider(Limits limits) : m_limits(limits) {}
  ~GioNetworkProvider() override;

  netdrive::ResourceListing ConnectedDiskResources() override;
  netdrive::ResourceListing ContainerResources(const netdrive::NetResource& container) override;
  netdrive::ProviderOutcome AddConnection(const netdrive::NetResource& resource,
                                          const std::string& password,
                                          const std::string& user) override;
  netdrive::ProviderOutcome CancelConnection(const std::string& name, bool updateProfile,
                                             bool force) override;
  std::vector<std::string> LogicalDriveStrings() override { return {}; }
  bool UsesDriveLetters() const override { return false; }

 private:
  netdrive::ResourceListing ListShares(GFile* server, const std::string& remoteName);
  GFileEnumerator* OpenListing(GFile* server, netdrive::ProviderOutcome& outcome);
  GVolumeMonitor* Monitor();
  GMount* MountNamed(const std::string& name);

  Limits m_limits;
  GioSteps m_steps;
  GVolumeMonitor* m_monitor = nullptr;
};

}  // namespace tamberlyx
