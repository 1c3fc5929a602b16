#include "netdrive/share_collection.h"

#include <set>

#include "netdrive/remote_name.h"

namespace tamberlyx::netdrive {
namespace {

bool NeedsLogOn(ProviderStatus status) {
  return status == ProviderStatus::kAccessDenied || status == ProviderStatus::kInvalidHandle;
}

bool WantedShare(const NetResource& entry, const std::string& prefix) {
  if (entry.scope != kScopeGlobalNet || entry.displayType != kDisplayShare) return false;
  return prefix.empty() || IsOnServer(entry.remoteName, prefix.substr(2));
}

ResourceListing ListWithLogOn(NetworkProvider& provider, const NetResource& container,
                              const std::string& prefix, const std::string& password,
                              const std::string& user) {
  ResourceListing listing = provider.ContainerResources(container);
  if (!NeedsLogOn(listing.outcome.status)) return listing;
  NetResource logOn;
  logOn.displayType = kDisplayShare;
  logOn.usage = kUsageConnectable;
  logOn.remoteName = prefix;
  const ProviderOutcome loggedOn = provider.AddConnection(logOn, password, user);
  listing = provider.ContainerResources(container);
  if (!listing.outcome.Ok() && !loggedOn.Ok()) listing.outcome.detail = loggedOn.detail;
  return listing;
}

// Each container is listed once: one that reports itself among its entries would otherwise
// recurse until the stack runs out.
ProviderOutcome Collect(NetworkProvider& provider, const NetResource& container,
                        const std::string& prefix, const std::string& password,
                        const std::string& user, std::vector<std::string>& list,
                        std::set<std::string>& listed) {
  listed.insert(container.remoteName);
  const ResourceListing listing = ListWithLogOn(provider, container, prefix, password, user);
  if (!listing.outcome.Ok()) return listing.outcome;
  for (const NetResource& entry : listing.entries) {
    if (WantedShare(entry, prefix)) list.push_back(entry.remoteName);
    if ((entry.usage & kUsageContainer) != 0 && !listed.contains(entry.remoteName)) {
      Collect(provider, entry, prefix, password, user, list, listed);
    }
  }
  return listing.outcome;
}

}  // namespace

ProviderOutcome CollectShares(NetworkProvider& provider, const NetResource& container,
                              const std::string& prefix, const std::string& password,
                              const std::string& user, std::vector<std::string>& list) {
  std::set<std::string> listed;
  return Collect(provider, container, prefix, password, user, list, listed);
}

}  // namespace tamberlyx::netdrive
