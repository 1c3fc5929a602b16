#include "netdrive/map_device_shares.h"

#include <vector>

#include "netdrive/connections.h"
#include "netdrive/remote_name.h"
#include "netdrive/share_collection.h"
#include "protocol/display_text.h"
#include "protocol/events.h"

namespace tamberlyx::netdrive {

void CancelDeviceConnections(NetworkProvider& provider, const std::string& address) {
  std::vector<std::string> connected;
  ListDeviceConnections(provider, address, connected);
  for (const std::string& localName : connected) {
    const ProviderOutcome outcome = provider.CancelConnection(localName, true, true);
    if (!outcome.Ok()) {
      ReportEvent(
          {.kind = EventKind::kShareFailed,
           .detail = DisplayText(localName, "?") + ": " + DisplayText(outcome.detail, "?")});
    }
  }
}

MapResult MapDeviceShares(NetworkProvider& provider, HostResolver& resolver,
                          const std::string& host, const std::string& password,
                          const std::string& user) {
  const std::optional<std::string> address = resolver.FirstIpv4(host);
  if (!address) return {-1, "cannot resolve " + host};
  const std::string prefix = ServerPrefix(*address);
  NetResource server;
  server.usage = kUsageAttached;
  server.remoteName = prefix;
  std::vector<std::string> shares;
  // Listed before anything is cancelled, so a device that cannot be reached costs no drive.
  const ProviderOutcome listed = CollectShares(provider, server, prefix, password, user, shares);
  if (!listed.Ok()) return {0, "cannot list the shares of " + *address + ": " + listed.detail};
  CancelDeviceConnections(provider, *address);
  MapResult result;
  result.note = shares.empty() ? *address + " offers no shares" : "";
  for (const std::string& remote : shares) {
    const std::optional<std::string> share = ShareNameOn(remote, *address);
    if (!share) continue;
    const std::string name = *address + "\\" + *share;
    DisconnectShare(provider, name);
    const ProviderOutcome connected = ConnectShare(provider, name, password, user);
    if (connected.Ok()) {
      ++result.connected;
    } else {
      result.note = connected.detail;
    }
  }
  if (result.connected > 0) result.note.clear();
  return result;
}

}  // namespace tamberlyx::netdrive
