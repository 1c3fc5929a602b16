#pragma once

#include <string>
#include <vector>

#include "protocol/search_transport.h"

namespace tamberlyx {

// What a search went out of, each once, in order: the interface of every route that sent, or
// its destination where no interface is known. Empty when nothing left the PC.
std::vector<std::string> SearchedInterfaces(const std::vector<SearchRoute>& routes);

}  // namespace tamberlyx
