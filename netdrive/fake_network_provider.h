#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "netdrive/network_provider.h"

namespace tamberlyx::netdrive {

// A PC's drives and connections and the network's containers, in memory, for tests. Every
// call is written to Calls() in order.
class FakeNetworkProvider final : public NetworkProvider {
 public:
  struct Connection {
    std::string localName;
    std::string remoteName;
    bool remembered = false;
  };
  struct Container {
    std::vector<NetResource> entries;
    ProviderStatus refusal = ProviderStatus::kOk;  // answered until the PC logs on
  };

  void AddDrive(const std::string& root) { m_drives.push_back(root); }
  void AddConnected(const std::string& localName, const std::string& remoteName,
                    bool remembered = false);
  void AddContainer(const std::string& remoteName, Container container);
  // The password every server accepts; without one any password is taken.
  void SetServerPassword(const std::string& password) { m_password = password; }
  // Without letters a share is connected under "/mnt/server\share", as a mount would be.
  void SetUsesDriveLetters(bool uses) { m_usesLetters = uses; }

  const std::vector<Connection>& Connections() const { return m_connections; }
  // Remote names still remembered for the next logon after their connection was cancelled.
  const std::vector<std::string>& Remembered() const { return m_remembered; }
  const std::vector<std::string>& Calls() const { return m_calls; }

  ResourceListing ConnectedDiskResources() override;
  ResourceListing ContainerResources(const NetResource& container) override;
  ProviderOutcome AddConnection(const NetResource& resource, const std::string& password,
                                const std::string& user) override;
  ProviderOutcome CancelConnection(const std::string& name, bool updateProfile,
                                   bool force) override;
  std::vector<std::string> LogicalDriveStrings() override;
  bool UsesDriveLetters() const override { return m_usesLetters; }

 private:
  bool LoggedOnFor(const std::string& remoteName) const;

  std::vector<std::string> m_drives;
  std::vector<Connection> m_connections;
  std::vector<std::string> m_remembered;
  std::map<std::string, Container> m_containers;
  std::set<std::string> m_loggedOn;  // "\\server" prefixes
  std::optional<std::string> m_password;
  bool m_usesLetters = true;
  std::vector<std::string> m_calls;
};

// Shares and containers as a fake server lists them.
NetResource FakeShare(const std::string& remoteName);
NetResource FakeContainer(const std::string& remoteName);

}  // namespace tamberlyx::netdrive
