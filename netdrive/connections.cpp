#include "netdrive/connections.h"

#include "netdrive/drive_letters.h"
#include "netdrive/remote_name.h"
#include "protocol/display_text.h"
#include "protocol/events.h"

namespace tamberlyx::netdrive {

void ListDeviceConnections(NetworkProvider& provider, const std::string& address,
                           std::vector<std::string>& list) {
  list.clear();
  for (const NetResource& entry : provider.ConnectedDiskResources().entries) {
    if (IsOnServer(entry.remoteName, address)) list.push_back(entry.localName);
  }
}

ProviderOutcome ConnectShare(NetworkProvider& provider, const std::string& name,
                             const std::string& password, const std::string& user) {
  NetResource share;
  share.remoteName = ServerPrefix(name);
  if (provider.UsesDriveLetters()) {
    share.localName = FreeDriveLetter(provider);
    if (share.localName.empty()) {
      return {ProviderStatus::kFailed, "no free drive letter for " + share.remoteName};
    }
  }
  const ProviderOutcome outcome = provider.AddConnection(share, password, user);
  // The share and what the provider said; the credentials never.
  const std::string shown = DisplayText(share.remoteName, "?");
  ReportEvent({.kind = outcome.Ok() ? EventKind::kShareMounted : EventKind::kShareFailed,
               .detail = outcome.Ok() ? shown : shown + ": " + DisplayText(outcome.detail, "?")});
  return outcome;
}

void DisconnectShare(NetworkProvider& provider, const std::string& name) {
  provider.CancelConnection(ServerPrefix(name), true, false);
}

}  // namespace tamberlyx::netdrive
