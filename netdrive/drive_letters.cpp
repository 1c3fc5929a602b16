#include "netdrive/drive_letters.h"

#include <algorithm>

namespace tamberlyx::netdrive {
namespace {

bool SameDrive(const std::string& used, const std::string& name) {
  return used.size() == name.size() &&
         std::equal(used.begin(), used.end(), name.begin(),
                    [](char a, char b) { return (a >= 'a' && a <= 'z' ? a - 'a' + 'A' : a) == b; });
}

}  // namespace

void ListLogicalDrives(NetworkProvider& provider, std::vector<std::string>& list) {
  list.clear();
  for (const std::string& root : provider.LogicalDriveStrings()) {
    std::string name;
    std::copy_if(root.begin(), root.end(), std::back_inserter(name),
                 [](char c) { return c != '\\' && c != '/'; });
    list.push_back(std::move(name));
  }
}

std::string FreeDriveLetter(NetworkProvider& provider) {
  std::vector<std::string> used;
  ListLogicalDrives(provider, used);
  for (char letter = 'C'; letter <= 'Z'; ++letter) {
    const std::string name{letter, ':'};
    if (std::none_of(used.begin(), used.end(),
                     [&](const std::string& u) { return SameDrive(u, name); })) {
      return name;
    }
  }
  return {};
}

}  // namespace tamberlyx::netdrive
