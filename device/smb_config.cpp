#include "device/smb_config.h"

#include <utility>

namespace tamberlyx::device {
namespace {

// Everything smbd keeps stays in the state folder, away from the system's samba.
constexpr std::pair<const char*, const char*> kStateFolders[] = {
    {"private dir", "private"},   {"lock directory", "lock"}, {"state directory", "state"},
    {"cache directory", "cache"}, {"pid directory", "run"},   {"ncalrpc dir", "ncalrpc"},
    {"binddns dir", "bind-dns"},
};

std::string Line(const std::string& key, const std::string& value) {
  return "  " + key + " = " + value + "\n";
}

}  // namespace

std::string SmbConfigText(const SmbSetup& setup) {
  const std::string& state = setup.stateDir;
  std::string text = "[global]\n";
  text += Line("server role", "standalone server");
  text += Line("interfaces", setup.address);
  text += Line("bind interfaces only", "yes");
  text += Line("disable netbios", "yes");
  text += Line("smb ports", "445");
  text += Line("map to guest", "Never");
  text += Line("restrict anonymous", "2");
  text += Line("passdb backend", "tdbsam:" + state + "/passdb.tdb");
  text += Line("username map", state + "/users.map");
  for (const auto& [option, folder] : kStateFolders) text += Line(option, state + "/" + folder);
  text += Line("log file", state + "/log.%m");
  text += Line("load printers", "no");
  text += Line("printcap name", "/dev/null");
  text += Line("disable spoolss", "yes");
  text += Line("unix password sync", "no");
  for (const std::string& share : kShareNames) {
    text += "[" + share + "]\n";
    text += Line("path", setup.shareDir + "/" + share);
    text += Line("read only", "no");
    text += Line("valid users", setup.unixUser);
  }
  return text;
}

std::vector<std::string> SmbStateFolders(const SmbSetup& setup) {
  std::vector<std::string> folders;
  for (const auto& [option, folder] : kStateFolders)
    folders.push_back(setup.stateDir + "/" + folder);
  return folders;
}

std::string SmbUserMapText(const SmbSetup& setup) {
  return setup.unixUser + " = " + kShareUser + "\n";
}

}  // namespace tamberlyx::device
