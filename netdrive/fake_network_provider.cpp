#include "netdrive/fake_network_provider.h"

#include <algorithm>

#include "netdrive/remote_name.h"

namespace tamberlyx::netdrive {
namespace {

std::string ServerOf(const std::string& remoteName) {
  const std::size_t end = remoteName.find('\\', 2);
  return remoteName.substr(2, end == std::string::npos ? std::string::npos : end - 2);
}

}  // namespace

NetResource FakeShare(const std::string& remoteName) {
  NetResource share;
  share.scope = kScopeGlobalNet;
  share.type = kTypeDisk;
  share.displayType = kDisplayShare;
  share.usage = kUsageConnectable;
  share.remoteName = remoteName;
  return share;
}

NetResource FakeContainer(const std::string& remoteName) {
  NetResource container;
  container.scope = kScopeGlobalNet;
  container.usage = kUsageContainer;
  container.remoteName = remoteName;
  return container;
}

void FakeNetworkProvider::AddConnected(const std::string& localName, const std::string& remoteName,
                                       bool remembered) {
  m_connections.push_back({localName, remoteName, remembered});
  m_drives.push_back(localName + "\\");
}

void FakeNetworkProvider::AddContainer(const std::string& remoteName, Container container) {
  m_containers[remoteName] = std::move(container);
}

bool FakeNetworkProvider::LoggedOnFor(const std::string& remoteName) const {
  return std::any_of(m_loggedOn.begin(), m_loggedOn.end(), [&](const std::string& prefix) {
    return IsOnServer(remoteName, ServerOf(prefix));
  });
}

ResourceListing FakeNetworkProvider::ConnectedDiskResources() {
  m_calls.push_back("connected");
  ResourceListing listing;
  for (const Connection& connection : m_connections) {
    NetResource entry;
    entry.scope = kScopeConnected;
    entry.type = kTypeDisk;
    entry.localName = connection.localName;
    entry.remoteName = connection.remoteName;
    listing.entries.push_back(entry);
  }
  return listing;
}

ResourceListing FakeNetworkProvider::ContainerResources(const NetResource& container) {
  m_calls.push_back("list " + container.remoteName);
  const auto found = m_containers.find(container.remoteName);
  if (found == m_containers.end()) return {{ProviderStatus::kFailed, "no such path"}, {}};
  if (found->second.refusal != ProviderStatus::kOk && !LoggedOnFor(container.remoteName)) {
    return {{found->second.refusal, "access denied"}, {}};
  }
  return {{}, found->second.entries};
}

ProviderOutcome FakeNetworkProvider::AddConnection(const NetResource& resource,
                                                   const std::string& password,
                                                   const std::string& user) {
  const std::string local = resource.localName.empty() ? "-" : resource.localName;
  m_calls.push_back("add " + local + " " + resource.remoteName + " " + user);
  if (m_password && password != *m_password) {
    return {ProviderStatus::kAccessDenied, "wrong password"};
  }
  const bool mountsShare = !m_usesLetters && resource.remoteName.find('\\', 2) != std::string::npos;
  if (mountsShare) {
    AddConnected("/mnt/" + resource.remoteName.substr(2), resource.remoteName);
    return {};
  }
  if (resource.localName.empty()) {
    m_loggedOn.insert(ServerPrefix(ServerOf(resource.remoteName)));
    return {};
  }
  std::vector<std::string> used;
  for (const std::string& root : m_drives) used.push_back(root.substr(0, root.find('\\')));
  if (std::find(used.begin(), used.end(), resource.localName) != used.end()) {
    return {ProviderStatus::kFailed, resource.localName + " is in use"};
  }
  AddConnected(resource.localName, resource.remoteName);
  return {};
}

ProviderOutcome FakeNetworkProvider::CancelConnection(const std::string& name, bool updateProfile,
                                                      bool force) {
  m_calls.push_back("cancel " + name + (force ? " force" : ""));
  const auto found = std::find_if(m_connections.begin(), m_connections.end(), [&](auto& c) {
    return c.localName == name || c.remoteName == name;
  });
  if (found == m_connections.end()) return {ProviderStatus::kFailed, "not connected"};
  if (found->remembered && !updateProfile) m_remembered.push_back(found->remoteName);
  std::erase(m_drives, found->localName + "\\");
  m_connections.erase(found);
  return {};
}

std::vector<std::string> FakeNetworkProvider::LogicalDriveStrings() {
  return m_drives;
}

}  // namespace tamberlyx::netdrive
