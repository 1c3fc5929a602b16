#pragma once

#include <string>
#include <vector>

namespace tamberlyx::device {

// The shares a device offers, each a folder of that name below the share folder.
inline const std::vector<std::string> kShareNames = {"public", "media"};
// The one account the shares accept.
inline constexpr const char* kShareUser = "admin";

struct SmbSetup {
  std::string address;   // the device's own IPv4 address: the only one smbd listens on
  std::string shareDir;  // holds the share folders
  std::string stateDir;  // smbd's configuration, accounts, locks and logs
  std::string unixUser;  // the local account the share user acts as
};

// The configuration of a private smbd: its own state folder, nothing from the system's
// configuration, no NetBIOS, no guest or anonymous access.
std::string SmbConfigText(const SmbSetup& setup);

// The folders below the state folder that smbd expects to exist.
std::vector<std::string> SmbStateFolders(const SmbSetup& setup);

// The user map that lets the share user act as the local account.
std::string SmbUserMapText(const SmbSetup& setup);

}  // namespace tamberlyx::device
