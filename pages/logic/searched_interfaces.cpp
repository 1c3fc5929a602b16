#include "pages/logic/searched_interfaces.h"

#include <algorithm>

namespace tamberlyx {

std::vector<std::string> SearchedInterfaces(const std::vector<SearchRoute>& routes) {
  std::vector<std::string> names;
  for (const SearchRoute& route : routes) {
    if (!route.sent) continue;
    const std::string& name = route.interfaceName.empty() ? route.destination : route.interfaceName;
    if (std::ranges::find(names, name) == names.end()) names.push_back(name);
  }
  return names;
}

}  // namespace tamberlyx
