#pragma once

#include <string>
#include <vector>

#include "protocol/client_port_state.h"
#include "protocol/search_transport.h"

namespace tamberlyx {

// What is known when no device answered a search; each face words it in its own way.
struct NoAnswerFacts {
  std::vector<SearchRoute> routes;    // every way the request went, in order
  std::vector<std::string> searched;  // what it went out of, each once; empty: nothing left
  ClientPortState port = ClientPortState::kNotListened;
  bool everyInterfaceUntried = true;  // a device on another segment was not asked
  bool addressesUntried = true;       // a device behind a router was not asked
};

// Asked once the search has closed its own socket: it may try CLIENT_PORT. `listened`: the
// search had the port bound for its window.
NoAnswerFacts GatherNoAnswerFacts(SearchTransport& search, bool listened);

// What a search went out of, each once, in order: the interface of every route that sent, or
// its destination where no interface is known. Empty when nothing left the PC.
std::vector<std::string> SearchedInterfaces(const std::vector<SearchRoute>& routes);

}  // namespace tamberlyx
