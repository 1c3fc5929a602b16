#pragma once

#include <string>
#include <vector>

#include "protocol/client_port_state.h"
#include "protocol/search_transport.h"

namespace tamberlyx::cli {

// The guidance printed on standard error when no device answered: where the search went, that
// the answers need UDP CLIENT_PORT on this PC (with a firewall rule for each common tool),
// what became of that port, and the search options that were not used.
std::string NoAnswerHint(const std::vector<SearchRoute>& routes, const SearchOptions& options,
                         ClientPortState port);

}  // namespace tamberlyx::cli
