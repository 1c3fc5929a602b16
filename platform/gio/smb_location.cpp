#include "platform/gio/smb_location.h"

#include <algorithm>
#include <string_view>

namespace tamberlyx {
namespace {

constexpr std::string_view kScheme = "smb://";

}  // namespace

std::string SmbUriOf(const std::string& remoteName) {
  std::string path = remoteName.substr(remoteName.find_first_not_of('\\'));
  std::replace(path.begin(), path.end(), '\\', '/');
  if (!path.ends_with('/')) path += '/';
  return std::string(kScheme) + path;
}

std::optional<std::string> RemoteNameOf(const std::string& smbUri) {
  if (!smbUri.starts_with(kScheme)) return std::nullopt;
  std::string path = smbUri.substr(kScheme.size());
  // A user in the location ("admin@server") is how it was mounted, not which server.
  const std::size_t at = path.find('@');
  if (at != std::string::npos && at < path.find('/')) path.erase(0, at + 1);
  while (path.ends_with('/')) path.pop_back();
  if (path.empty() || path.front() == '/') return std::nullopt;
  std::replace(path.begin(), path.end(), '/', '\\');
  return "\\\\" + path;
}

}  // namespace tamberlyx
