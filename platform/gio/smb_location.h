#pragma once

#include <optional>
#include <string>

namespace tamberlyx {

// Remote names ("\\server\share") and the smb:// locations GVfs mounts.
std::string SmbUriOf(const std::string& remoteName);
// Empty for anything but an smb:// location naming a server.
std::optional<std::string> RemoteNameOf(const std::string& smbUri);

}  // namespace tamberlyx
