#pragma once

#include <string>
#include <vector>

#include "netdrive/net_resource.h"

namespace tamberlyx::netdrive {

enum class ProviderStatus { kOk, kAccessDenied, kInvalidHandle, kFailed };

struct ProviderOutcome {
  ProviderStatus status = ProviderStatus::kOk;
  std::string detail;  // why it failed, for the person reading the result; never a password

  bool Ok() const { return status == ProviderStatus::kOk; }
};

struct ResourceListing {
  ProviderOutcome outcome;
  std::vector<NetResource> entries;
};

// The operations of the platform's network provider that the drive mapping is built on.
class NetworkProvider {
 public:
  virtual ~NetworkProvider() = default;

  // The PC's connections to disk resources, remembered ones among them.
  virtual ResourceListing ConnectedDiskResources() = 0;
  // What a container on the network holds; refused until the PC has logged on to its server.
  virtual ResourceListing ContainerResources(const NetResource& container) = 0;
  // Connects resource.remoteName to resource.localName, or only logs on when that is empty.
  // The connection is not remembered for the next logon.
  virtual ProviderOutcome AddConnection(const NetResource& resource, const std::string& password,
                                        const std::string& user) = 0;
  // name: a local or a remote name. updateProfile also forgets a remembered connection.
  virtual ProviderOutcome CancelConnection(const std::string& name, bool updateProfile,
                                           bool force) = 0;
  // The root names of the drives in use ("C:\"), where the platform has drive letters.
  virtual std::vector<std::string> LogicalDriveStrings() = 0;
  // False where a connection is named by where it is mounted rather than by a drive letter.
  virtual bool UsesDriveLetters() const = 0;
};

}  // namespace tamberlyx::netdrive
