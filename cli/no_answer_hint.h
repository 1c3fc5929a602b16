#pragma once

#include <string>
#include <vector>

#include "cli/search_options.h"
#include "cli/search_transport.h"

namespace tamberlyx::cli {

// What became of CLIENT_PORT during a search that heard nothing.
enum class ClientPortState {
  kListened,     // free: the search listened on it
  kHeld,         // another program holds it
  kNotListened,  // free, but the search did not listen (no request left, or no socket)
};

// The guidance printed on standard error when no device answered: where the search went, that
// the answers need UDP CLIENT_PORT on this PC (with a firewall rule for each common tool),
// what became of that port, and the search options that were not used.
std::string NoAnswerHint(const std::vector<SearchRoute>& routes, const SearchOptions& options,
                         ClientPortState port);

}  // namespace tamberlyx::cli
