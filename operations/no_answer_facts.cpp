#include "operations/no_answer_facts.h"

#include <algorithm>

namespace tamberlyx {

NoAnswerFacts GatherNoAnswerFacts(SearchTransport& search, bool listened) {
  const SearchOptions& options = search.Options();
  return {search.Routes(), SearchedInterfaces(search.Routes()),
          ClientPortAfterSearch(listened, search), !options.everyInterface,
          options.addresses.empty()};
}

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
